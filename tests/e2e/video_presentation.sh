#!/usr/bin/env bash
# The video window follows the zoom buttons, goes full screen on FULL and back on a right
# click, and with scan lines on an enlarged picture shows every other row black.
set -u
felux=$1
source "$(dirname "$0")/common.bash"
home=$(mktemp -d)
trap 'rm -rf "$home"; kill "$pid" 2>/dev/null' EXIT
demo=$(realpath "$(dirname "$0")/../../resources/demo/demo.mpg")
# Real pictures are needed for the scan lines: mpv's X11 output works without a GPU.
export FELUX_VO=x11

video_id() { xdotool search --onlyvisible --name '^FELUX Video$' 2>/dev/null | head -n1; }

start_player "$home" "$demo"
wait_video 320x240 "zoom level 2"
click 169 38  # ZOOM+
wait_video 480x360 "zoom level 3"
click 169 38
wait_video 640x480 "zoom level 4"

# Auto scan lines on a picture shown twice its size: of each pair of rows the lower is black.
sleep 0.5
read -r vx vy < <(xdotool getwindowgeometry "$(video_id)" | sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
# From the screen, where the window's shape has taken effect.
import -window root scanlines.png
rows=$(convert scanlines.png -crop "1x40+$((vx + 160))+$((vy + 100))" txt:- | tail -n +2 |
       awk '{print ($3 == "#000000") ? 0 : 1}' | tr -d '\n')
[[ $rows =~ ^(10)+$ || $rows =~ ^(01)+$ ]] || fail "rows of the picture are '$rows', not alternating"

click 190 38  # FULL
screen=$(xdotool getdisplaygeometry | tr ' ' x)
wait_video "$screen" "full screen"
sleep 0.5
xdotool mousemove 600 500
sleep 0.2
xdotool mousedown 3
sleep 0.12
xdotool mouseup 3
wait_video 640x480 "after leaving full screen"
quit_player
