#!/usr/bin/env bash
# The keyboard drives the player: SPACE pauses, N and M move the volume knob, RIGHT plays the
# next entry; a wheel notch over the panel starts a wheel search (the speed scale lights).
set -u
felux=$1
source "$(dirname "$0")/common.bash"
home=$(mktemp -d)
trap 'rm -rf "$home"; kill "$pid" 2>/dev/null' EXIT
list=$(two_clip_list "$home")

# area NAME X Y W H: a digest of that part of the panel as it is on the screen now.
area() { import -window "$win" -crop "$4x$5+$2+$3" "$1.png" && md5sum < "$1.png"; }
press() {
  xdotool keydown "$1"
  sleep "${2:-0.2}"
  xdotool keyup "$1"
  sleep 0.4
}

start_player "$home" "$list"
sleep 1.5
# A click on the panel makes the player the active program; keys act only then.
xdotool mousemove --window "$win" 100 44 click 1
sleep 0.8

still=$(area still_before 273 0 31 21)
press space
[[ $(area still_after 273 0 31 21) != "$still" ]] || fail "SPACE did not pause (STILL unlit)"

# Paused, so that no end of file (which holds the keys for a moment) comes in between.
volume=$(area volume_full 59 31 75 15)
press n 0.6
lowered=$(area volume_lowered 59 31 75 15)
[[ $lowered != "$volume" ]] || fail "N did not move the volume knob"
press m 1.2
[[ $(area volume_raised 59 31 75 15) == "$volume" ]] || fail "M did not bring the knob back to full"
press space

scale=$(area scale_before 325 10 49 8)
# Backwards: a forward search this near the end of the 4 s clip would end it at once.
xdotool mousemove --window "$win" 100 44 click 5
sleep 0.5
[[ $(area scale_after 325 10 49 8) != "$scale" ]] || fail "a wheel notch did not start a wheel search"
xdotool click 4
sleep 0.5

press Right
wait_video 64x48 "RIGHT"
quit_player
