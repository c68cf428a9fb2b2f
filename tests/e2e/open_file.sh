#!/usr/bin/env bash
# FILE with the left button: the file chooser comes up, the chosen file replaces the list and
# plays, and the chooser's folder is remembered for the next time.
source "$(dirname "$0")/common.bash"

start_player "$home" "$data/clip.mpg"
wait_video 64x48 "start"
click_until 220 15 1 "no file chooser with the keyboard after a click on FILE" focused Open  # FILE
# The chooser has the keyboard: its name field takes the path.
xdotool type --delay 20 "$demo"
sleep 0.3
xdotool key Return
wait_video 320x240 "the chosen file"
quit_player
[[ $(cat "$home/KR01.tob") == "$demo"$'\r' ]] || fail "the chosen file did not replace the list: $(cat -A "$home/KR01.tob")"
grep -q "^lastMediaPath=$demo"$'\r$' "$home/KR02.CFG" || fail "the chosen path was not remembered"
