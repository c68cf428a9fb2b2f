#!/usr/bin/env bash
# The player keeps the keyboard as a desktop program should: it is active once started, and
# clicks, a panel drag, full screen and minimising leave its keys working. Keys go to whatever
# has the focus; the pointer is never used to steer them.
source "$(dirname "$0")/common.bash"
# A minute long: a short clip would start again during the test, and keys are ignored for a moment
# after every start, so a key could land in that moment and be lost.
clip=$(minute_clip "$home/minute.mpg")

press_at() {
  xdotool mousemove --window "$1" "$2" "$3" mousedown 1
  sleep 0.1
  xdotool mouseup 1
}
# toggle_with KEY WHAT: KEY pauses or resumes the clip: STILL changes from what it shows now.
toggle_with() {
  local before
  before=$(still)
  tap_until "$1" "$2" still_not "$before"
}

start_player "$home" "$clip"
poll 30 player_focused || fail "the player is not focused after it started (focus: $(focused_window))"
unlit=$(still)
toggle_with space "SPACE right after the start did not pause"

# A click on the time read-out, then a key.
press_at "$win" 160 22
before=$(panel_xy)
xdotool mousemove_relative -- 60 60
sleep 0.3
[[ $(panel_xy) == "$before" ]] || fail "a click left the panel following the pointer"
tap_until space "SPACE after a click on the display did not resume" still_is "$unlit"

# A drag by bare panel area moves by every step of the pointer, and the keys still work.
drag_panel
poll 10 panel_at "70 90" || fail "the drag left the panel at '$(panel_xy)', not '70 90'"
toggle_with space "SPACE after a panel drag did not pause"
toggle_with space "SPACE after a panel drag did not resume"

# Full screen: a click on the picture shows the panel on top, and it works.
tap_until_video f 1280x1024 "F"
video=$(video_id)
press_at "$video" 640 700
poll 20 panel_uncovered || fail "the panel shown in full screen is covered"
import -window root fullscreen_panel.png
click_still() { press_at "$win" 288 15; }
before=$(still)
until_still_changes() { click_still; poll 5 still_not "$before"; }
poll 30 until_still_changes || fail "STILL on the full-screen panel did not pause"
toggle_with space "SPACE on the full-screen panel did not resume"
tap_until_video Escape 320x240 "ESC"

# Minimise, restore as a taskbar would, zoom: the picture comes back and grows.
if with_wm; then
  press_at "$win" 385 5
  wait_video "" "the video window stayed on the screen while the player is minimised"
  xdotool windowactivate "$win"
  wait_video 320x240 "restore"
  tap_until_video x 480x360 "X after a restore"
  player_focused || fail "the player lost the keyboard after a restore"
fi
# A dialog opened and closed hands the keyboard back.
press_at "$win" 36 23  # CONFIG
wait_window '^設定$' "CONFIG did not open the settings dialog" >/dev/null || exit 1
tap_until Escape "ESC did not close the settings dialog" gone 設定
toggle_with space "SPACE after closing the settings dialog did not reach the player"
toggle_with space "SPACE after closing the settings dialog did not resume"

# Another program active: its keys are its own.
if with_wm; then
  xmessage -geometry +600+600 "another program" &
  other=$!
  not_ours() { ! player_focused; }
  poll 20 not_ours || fail "the player kept the keyboard from a program started after it"
  before=$(still)
  tap space
  # Long enough for many ticks of the player to have seen the key, had it reached it.
  sleep 2
  [[ $(still) == "$before" ]] || fail "SPACE for another program reached the player"
  kill "$other"
  xdotool windowactivate "$win"
  poll 20 player_focused || fail "the player did not take the keyboard back"
fi
quit_player
grep -q $'^mainWindowX=70\r$' "$home/KR02.CFG" || fail "the dragged position was not saved"
