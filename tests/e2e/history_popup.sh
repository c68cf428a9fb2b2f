#!/usr/bin/env bash
# The history pop-up: a right press on the logo lists the files played before, newest first;
# choosing one that is not in the playlist appends it and plays it.
set -u
felux=$1
source "$(dirname "$0")/common.bash"
home=$(mktemp -d)
trap 'rm -rf "$home"; kill "$pid" 2>/dev/null' EXIT
root=$(realpath "$(dirname "$0")/../..")
demo=$root/resources/demo/demo.mpg
clip=$root/tests/data/clip.mpg
printf '%s\r\n' "$demo" > "$home/HIS.tob"

start_player "$home" "$clip"
wait_video 64x48 "start"
click 30 8 3  # the logo, right button
# The menu opens a tick after the button is up (later when the click first activates the player);
# its caption cannot be chosen, so the second item down is the older file.
sleep 1.5
xdotool key Down
sleep 0.2
xdotool key Down
sleep 0.2
xdotool key Return
wait_video 320x240 "the history choice"
quit_player
[[ $(head -n1 "$home/HIS.tob") == "$demo"$'\r' ]] || fail "the chosen file is not the newest in the history"
expected=$(printf '%s\r\n%s\r\n' "$clip" "$demo")
[[ $(cat "$home/KR01.tob") == "$expected" ]] || fail "the chosen file was not appended: $(cat -A "$home/KR01.tob")"
