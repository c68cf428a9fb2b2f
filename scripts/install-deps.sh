#!/usr/bin/env bash
# Installs the Debian packages FELUX needs to build, run and test; quick when all are present.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config clang libclang-rt-dev ccache
  qt6-base-dev libmpv-dev libxrandr-dev libasound2-dev libgl1-mesa-dri
  googletest libgtest-dev libgmock-dev
  xvfb xauth xdotool x11-utils imagemagick fonts-ipafont-gothic openbox
  dbus playerctl weston xwayland qt6-wayland ffmpeg x11-apps picom xfwm4 appstream lintian
  qt6-l10n-tools qt6-tools-dev locales
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The language tests start the player in an English and a Japanese locale.
for locale in en_US ja_JP; do
  if ! locale -a 2>/dev/null | grep -qix "$locale.utf8"; then
    echo "Generating the locale $locale.UTF-8"
    "${sudo_cmd[@]}" localedef -i "$locale" -c -f UTF-8 "$locale.UTF-8"
  fi
done
