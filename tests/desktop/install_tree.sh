#!/usr/bin/env bash
# cmake --install into a scratch prefix: what a desktop and a software centre need is there, and
# the installed program keeps its data in the XDG folder, never beside itself.
set -u
build=$1
source_dir=$(realpath "$(dirname "$0")/../..")
fail() { echo "FAIL: $*"; exit 1; }
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
prefix=$root/usr

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
[[ -x $prefix/bin/felux ]] || fail "no program"
cmp -s "$prefix/share/felux/KR02.sys" "$source_dir/resources/KR02.sys" || fail "no KR02.sys"
for size in 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/felux.png
  [[ $(identify -format '%wx%h' "$icon" 2>/dev/null) == "${size}x${size}" ]] || fail "icon $size is missing or misdrawn"
  # The sound stream's icon name in the desktop's mixer.
  cmp -s "$icon" "${icon%/*}/FELUX.png" || fail "icon $size has no copy named after the sound stream"
done
desktop=$prefix/share/applications/io.github.felux.Felux.desktop
grep -q '^Exec=felux %U$' "$desktop" || fail "desktop file: Exec"
grep -q '^Icon=felux$' "$desktop" || fail "desktop file: Icon"
# The source desktop file is checked against the program's table by the unit tests.
cmp -s "$desktop" "$source_dir/resources/io.github.felux.Felux.desktop" || fail "installed desktop file differs from the source"
mime=$(sed -n 's/^MimeType=//p' "$desktop" | tr ';' '\n' | sed '/^$/d' | sort)
for t in video/mpeg video/mp4 audio/mpeg audio/x-wav audio/x-mpegurl; do
  grep -qx "$t" <<<"$mime" || fail "desktop file lacks $t"
done
# Software centres read the metainfo; the screenshots it names are shipped too.
metainfo=$prefix/share/metainfo/io.github.felux.Felux.metainfo.xml
cmp -s "$metainfo" "$source_dir/resources/io.github.felux.Felux.metainfo.xml" || fail "metainfo missing or not the source's"
# The installed tree as a software centre reads it: the metainfo with the desktop file it launches.
report=$(appstreamcli validate-tree --no-net --no-color "$root" 2>&1) || fail "validate-tree: $report"
grep -q '^ *[EWI]:' <<<"$report" && fail "validate-tree hints: $report"
shots=$(sed -n 's#.*<image>.*/\([^/]*\.png\)</image>.*#\1#p' "$metainfo")
[[ -n $shots ]] || fail "the metainfo names no screenshots"
for shot in $shots; do
  [[ $(identify -format '%m' "$prefix/share/felux/screenshots/$shot" 2>/dev/null) == PNG ]] || fail "screenshot $shot not installed"
done
page=$prefix/share/man/man1/felux.1.gz
[[ -f $page ]] || fail "no manual page"
zgrep -q "@" "$page" && fail "the manual page has an unfilled placeholder"
text=$(MANWIDTH=80 man -l "$page" 2>/dev/null) || fail "the manual page does not render"
[[ $text == *FELUX_HOME* && $text == *--version* ]] || fail "the manual page lacks the options or environment"

# An installed copy: no KR02.sys beside the program, so the data folder is the XDG one.
out=$(env -u FELUX_HOME -u XDG_CONFIG_HOME HOME="$root/home" "$prefix/bin/felux" --help) || fail "installed --help"
[[ $out == *"Data folder in use: $root/home/.config/felux"* ]] || fail "installed data folder: $out"
out=$(env -u FELUX_HOME HOME="$root/home" XDG_CONFIG_HOME="$root/xdg" "$prefix/bin/felux" --help)
[[ $out == *"Data folder in use: $root/xdg/felux"* ]] || fail "XDG_CONFIG_HOME not honoured: $out"
[[ -e $prefix/bin/KR02.CFG || -e $prefix/bin/KR02.sys ]] && fail "data beside the program"
echo "install_tree: 1 passed, 0 failed"
