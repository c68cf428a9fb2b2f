#!/usr/bin/env bash
# CONFIG opens "設定"; Escape closes it and leaves KR02.CFG as it was; an aspect preset chosen
# with Enter (OK) is saved at once and resizes the video window. A screenshot of each dialog is kept.
source "$(dirname "$0")/common.bash"
shots=${FELUX_ARTIFACTS:-.}

# wait_dialog TITLE [gone]: waits for the dialog to be shown with the keyboard (or gone).
wait_dialog() {
  if [[ ${2:-} == gone ]]; then
    poll 30 gone "$1" || fail "dialog '$1' is not gone"
  else
    poll 30 focused "$1" || fail "dialog '$1' is not shown with the keyboard"
  fi
}

start_player "$home" "$demo"
wait_video 320x240 "at start"
before=$(md5sum <"$home/KR02.CFG")

click_until 36 23 1 "CONFIG did not open 設定" shown 設定
wait_dialog 設定
sleep 0.5
import -window root "$shots/settings-dialog-screen.png"
xdotool key Escape
wait_dialog 設定 gone
[[ $(md5sum <"$home/KR02.CFG") == "$before" ]] || fail "Escape changed KR02.CFG"
wait_video 320x240 "after Escape"

click_until 36 23 1 "CONFIG did not open 設定 again" shown 設定
wait_dialog 設定
# Backwards from the first field: キャンセル, OK, then "特殊機能の設定".
xdotool key shift+Tab shift+Tab shift+Tab space
wait_dialog 特殊機能の設定
sleep 0.5
import -window root "$shots/special-settings-dialog-screen.png"
xdotool key Escape
wait_dialog 特殊機能の設定 gone
wait_dialog 設定
xdotool key Escape
wait_dialog 設定 gone

click_until 36 23 1 "CONFIG did not open 設定 a third time" shown 設定
wait_dialog 設定
# Forwards from the first field the aspect list is the sixteenth stop; "6" picks "640*480".
xdotool key Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab
xdotool key 6 Return
wait_dialog 設定 gone
[[ $(sed -n 21p "$home/KR02.CFG" | tr -d '\r') == *=5 ]] || fail "OK did not save the aspect preset at once"
wait_video 640x480 "after choosing 640*480"
quit_player
