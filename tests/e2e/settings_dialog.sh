#!/usr/bin/env bash
# CONFIG opens "設定"; Escape closes it and leaves KR02.CFG as it was; an aspect preset chosen
# with Enter (OK) is saved at once and resizes the video window. A screenshot of each dialog is kept.
set -u
felux=$1
source "$(dirname "$0")/common.bash"
home=$(mktemp -d)
trap 'rm -rf "$home"; kill "$pid" 2>/dev/null' EXIT
demo=$(realpath "$(dirname "$0")/../../resources/demo/demo.mpg")
shots=${FELUX_ARTIFACTS:-.}

dialog_shown() { [[ -n $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1) ]]; }

# wait_dialog TITLE [gone]: waits up to four seconds for the dialog to be shown (or gone).
wait_dialog() {
  for _ in $(seq 40); do
    if [[ ${2:-} == gone ]]; then dialog_shown "$1" || return 0; else dialog_shown "$1" && return 0; fi
    sleep 0.1
  done
  fail "dialog '$1' is not ${2:-shown}"
}

start_player "$home" "$demo"
wait_video 320x240 "at start"
before=$(md5sum <"$home/KR02.CFG")

click 36 23  # CONFIG
wait_dialog 設定
sleep 0.5
import -window root "$shots/settings-dialog-screen.png"
xdotool key Escape
wait_dialog 設定 gone
[[ $(md5sum <"$home/KR02.CFG") == "$before" ]] || fail "Escape changed KR02.CFG"
wait_video 320x240 "after Escape"

click 36 23
wait_dialog 設定
sleep 0.3
# Backwards from the first field: キャンセル, OK, then "特殊機能の設定".
xdotool key shift+Tab shift+Tab shift+Tab space
wait_dialog 特殊機能の設定
sleep 0.5
import -window root "$shots/special-settings-dialog-screen.png"
xdotool key Escape
wait_dialog 特殊機能の設定 gone
xdotool key Escape
wait_dialog 設定 gone

click 36 23
wait_dialog 設定
sleep 0.3
# Forwards from the first field the aspect list is the sixteenth stop; "6" picks "640*480".
xdotool key Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab
xdotool key 6 Return
wait_dialog 設定 gone
[[ $(sed -n 21p "$home/KR02.CFG" | tr -d '\r') == *=5 ]] || fail "OK did not save the aspect preset at once"
wait_video 640x480 "after choosing 640*480"
quit_player
