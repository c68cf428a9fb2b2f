#!/usr/bin/env bash
# The player keeps the keyboard as a desktop program should: it is active once started, and
# clicks, a panel drag, full screen and minimising leave its keys working. Keys go to whatever
# has the focus; the pointer is never used to steer them.
set -u
felux=$1
source "$(dirname "$0")/common.bash"
home=$(mktemp -d)
trap 'rm -rf "$home"; kill "$pid" 2>/dev/null' EXIT
# A minute long: a short clip would start again during the test, and keys are ignored for a moment
# after every start, so a key could land in that moment and be lost.
clip=$home/minute.mpg
ffmpeg -loglevel error -f lavfi -i "testsrc=size=320x240:rate=25" -t 60 -c:v mpeg1video -q:v 20 "$clip" ||
  fail "ffmpeg made no clip"

# still: a digest of the STILL button as the screen shows it.
still() { import -window root -crop "31x21+$(($(panel_x) + 273))+$(panel_y)" png:- | md5sum; }
panel_xy() { xdotool getwindowgeometry "$win" | sed -n 's/.*Position: \([0-9-]*\),\([0-9-]*\).*/\1 \2/p'; }
panel_x() { panel_xy | cut -d' ' -f1; }
panel_y() { panel_xy | cut -d' ' -f2; }
# panel_colours: how many colours the screen shows where the CONFIG and POWER buttons are; the
# picture of the null video output covering them is a single black.
panel_colours() { import -window root -crop "46x30+$(($(panel_x) + 13))+$(($(panel_y) + 16))" png:- | convert - -format %k info:; }
press() {
  xdotool keydown "$1"
  sleep 0.2
  xdotool keyup "$1"
  sleep 0.5
}
press_at() {
  xdotool mousemove --window "$1" "$2" "$3" mousedown 1
  sleep 0.1
  xdotool mouseup 1
}

start_player "$home" "$clip"
sleep 3
player_focused || fail "the player is not focused after it started (focus: $(focused_window))"
lit=$(still)
press space
unlit=$lit
lit=$(still)
[[ $lit != "$unlit" ]] || fail "SPACE right after the start did not pause"

# A click on the time read-out, then a key.
press_at "$win" 160 22
sleep 1.5
before=$(panel_xy)
xdotool mousemove_relative -- 60 60
sleep 0.3
[[ $(panel_xy) == "$before" ]] || fail "a click left the panel following the pointer"
press space
[[ $(still) == "$unlit" ]] || fail "SPACE after a click on the display did not resume"

# A drag by bare panel area moves by every step of the pointer, and the keys still work.
drag_panel
sleep 0.5
[[ $(panel_xy) == "70 90" ]] || fail "the drag left the panel at '$(panel_xy)', not '70 90'"
sleep 1.5
press space
[[ $(still) != "$unlit" ]] || fail "SPACE after a panel drag did not pause"
press space

# Full screen: a click on the picture shows the panel on top, and it works.
press f
wait_video 1280x1024 "F"
sleep 1
video=$(xdotool search --onlyvisible --name '^FELUX Video$' | head -n1)
press_at "$video" 640 700
sleep 1
(($(panel_colours) > 8)) || fail "the panel shown in full screen is covered"
import -window root fullscreen_panel.png
press_at "$win" 288 15  # STILL
sleep 0.6
[[ $(still) != "$unlit" ]] || fail "STILL on the full-screen panel did not pause"
press space
press Escape
wait_video 320x240 "ESC"

# Minimise, restore as a taskbar would, zoom: the picture comes back and grows.
if with_wm; then
  press_at "$win" 385 5
  sleep 1
  [[ -z $(video_geometry) ]] || fail "the video window stayed on the screen while the player is minimised"
  xdotool windowactivate "$win"
  wait_video 320x240 "restore"
  # The restore and the activation each relayout for 20 ticks.
  sleep 2
  press x
  wait_video 480x360 "X after a restore"
  player_focused || fail "the player lost the keyboard after a restore"
fi
# A dialog opened and closed hands the keyboard back.
press_at "$win" 36 23  # CONFIG
wait_window '^設定$' "CONFIG did not open the settings dialog" >/dev/null || exit 1
press Escape
sleep 1.5
before=$(still)
press space
[[ $(still) != "$before" ]] || fail "SPACE after closing the settings dialog did not reach the player"
press space

# Another program active: its keys are its own.
if with_wm; then
  xmessage -geometry +600+600 "another program" &
  other=$!
  sleep 1
  player_focused && fail "the player kept the keyboard from a program started after it"
  before=$(still)
  press space
  [[ $(still) == "$before" ]] || fail "SPACE for another program reached the player"
  kill "$other"
  xdotool windowactivate "$win"
  sleep 1.5
fi
quit_player
grep -q $'^mainWindowX=70\r$' "$home/KR02.CFG" || fail "the dragged position was not saved"
