#!/usr/bin/env bash
# The keyboard drives the player: SPACE pauses, N and M move the volume knob, RIGHT plays the
# next entry; a wheel notch over the panel starts a wheel search (the speed scale lights).
source "$(dirname "$0")/common.bash"
list=$(two_clip_list "$home")

# area NAME X Y W H: a digest of that part of the panel as it is on the screen now.
area() { import -window "$win" -crop "$4x$5+$2+$3" "$1.png" && md5sum < "$1.png"; }
area_not() { [[ $(area "$1" "${@:3}") != "$2" ]]; }
area_is() { [[ $(area "$1" "${@:3}") == "$2" ]]; }

start_player "$home" "$list"
# A click on the panel makes the player the active program; keys act only then.
xdotool mousemove --window "$win" 100 44 click 1

still=$(area still_before 273 0 31 21)
tap_until space "SPACE did not pause (STILL unlit)" area_not still_after "$still" 273 0 31 21

# The knob moves while the key is held.
volume=$(area volume_full 59 31 75 15)
hold=0.6 tap_until n "N did not move the volume knob" area_not volume_lowered "$volume" 59 31 75 15
hold=1.2 tap_until m "M did not bring the knob back to full" area_is volume_raised "$volume" 59 31 75 15
tap_until space "SPACE did not resume (STILL lit)" area_is still_again "$still" 273 0 31 21

scale=$(area scale_before 325 10 49 8)
# Backwards, from near the start: the search must not reach the end of the clip.
notch_back() { xdotool mousemove --window "$win" 100 44 click 5; poll 3 area_not scale_after "$scale" 325 10 49 8; }
poll 30 notch_back || fail "a wheel notch did not start a wheel search"
xdotool click 4

tap_until_video Right 64x48 "RIGHT"
quit_player
