#!/usr/bin/env bash
# The history pop-up: a right press on the logo lists the files played before, newest first;
# choosing one that is not in the playlist appends it and plays it.
source "$(dirname "$0")/common.bash"
clip=$data/clip.mpg
printf '%s\r\n' "$demo" > "$home/HIS.tob"

start_player "$home" "$clip"
wait_video 64x48 "start"
# The menu opens some ticks after the button is up (later when the click first activates the
# player), as one more window of the player's.
windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l; }
shown=$(windows)
menu_up() { (($(windows) > shown)); }
click_until 30 8 3 "no menu after a right press on the logo" menu_up
# Its caption cannot be chosen, so the second item down is the older file.
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
