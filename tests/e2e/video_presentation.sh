#!/usr/bin/env bash
# The video window follows the zoom buttons, goes full screen on FULL and back on a right
# click, and with scan lines on an enlarged picture shows every other row black.
source "$(dirname "$0")/common.bash"
# Real pictures are needed for the scan lines: mpv's X11 output works without a GPU.
export FELUX_VO=x11

start_player "$home" "$demo"
wait_video 320x240 "zoom level 2"
click_until 169 38 1 "ZOOM+: the video window did not become 480x360" video_is 480x360
click_until 169 38 1 "ZOOM+: the video window did not become 640x480" video_is 640x480

# Auto scan lines on a picture shown twice its size: of each pair of rows the lower is black.
# Read from the screen, where the window's shape has taken effect, once the picture is drawn.
read -r vx vy < <(video_position)
rows_alternate() {
  import -window root scanlines.png
  rows=$(convert scanlines.png -crop "1x40+$((vx + 160))+$((vy + 100))" txt:- | tail -n +2 |
         awk '{print ($3 == "#000000") ? 0 : 1}' | tr -d '\n')
  [[ $rows =~ ^(10)+$ || $rows =~ ^(01)+$ ]]
}
poll 30 rows_alternate || fail "rows of the picture are '$rows', not alternating"

screen=$(xdotool getdisplaygeometry | tr ' ' x)
click_until 190 38 1 "FULL: the video window did not fill the screen" video_is "$screen"
right_click_picture() {
  xdotool mousemove 600 500
  sleep 0.2
  xdotool mousedown 3
  sleep 0.12
  xdotool mouseup 3
  poll 8 video_is 640x480
}
poll 60 right_click_picture || fail "a right click did not leave full screen"
quit_player
