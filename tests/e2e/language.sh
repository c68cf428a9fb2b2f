#!/usr/bin/env bash
# The windows speak the environment's language: English for en_US, today's Japanese for ja_JP
# and C. CONFIG opens the settings dialog, a right press on FILE the editor; their titles tell.
source "$(dirname "$0")/common.bash"
program=$(realpath "$felux")
shots=${FELUX_ARTIFACTS:-.}
minute_clip "$home/clip.mpg" >/dev/null

# check LANG SETTINGS_TITLE EDITOR_TITLE
check() {
  local lang=$1 settings=$2 editor=$3
  # Only the player gets the language: xdotool reads the titles in our own UTF-8 locale.
  # Under plain C the player's legacy window names (WM_NAME) cannot carry "◎" and xdotool reads
  # those: the characters stay UTF-8 (LC_CTYPE), the messages are C's.
  printf '#!/bin/sh\nLANG=%s LC_CTYPE=%s exec %q "$@"\n' "$lang" "${lang/#C/C.UTF-8}" "$program" >"$home/felux-$lang"
  chmod +x "$home/felux-$lang"
  felux=$home/felux-$lang start_player "$home" "$home/clip.mpg"
  wait_video 320x240 "$lang: at start"
  click_until 36 23 1 "$lang: CONFIG did not open '$settings'" shown "$settings"
  poll 30 focused "$settings" || fail "$lang: '$settings' does not have the keyboard"
  import -window root "$shots/settings-$lang.png"
  xdotool key Escape
  poll 30 gone "$settings" || fail "$lang: Escape did not close '$settings'"
  click_until 220 8 3 "$lang: a right press on FILE did not open '$editor'" shown "$editor"
  import -window root "$shots/editor-$lang.png"
  quit_and_wait "$lang"
}

check en_US.UTF-8 "Settings" "Torvel Playlist"
check ja_JP.UTF-8 "設定" "Torvel"
check C "設定" "Torvel"
echo "language: 3 passed, 0 failed"
