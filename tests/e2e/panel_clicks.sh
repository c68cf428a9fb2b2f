#!/usr/bin/env bash
# Clicks on the panel's buttons drive the player: STILL pauses (and lights), STOP closes the
# video window, PLAY opens it again, NEXT plays the next entry. Screenshots of the panel stay
# in the test's working folder.
source "$(dirname "$0")/common.bash"
list=$(two_clip_list "$home")

panel_shot() { import -window "$win" "$1"; }

start_player "$home" "$list"
wait_video 320x240 "start"
panel_shot panel_playing.png
looks_paused() { panel_shot panel_paused.png; ! cmp -s panel_playing.png panel_paused.png; }
click_until 288 15 1 "STILL did not change the panel" looks_paused
click_until 255 15 1 "STOP: the video window stayed" video_is ""
panel_shot panel_stopped.png
click_until 255 30 1 "PLAY: the video window did not come back at 320x240" video_is 320x240
click_until 288 30 1 "NEXT: the video window did not become 64x48" video_is 64x48
# A press on empty panel area drags the window; the settings keep where it went.
xdotool mousemove --window "$win" 395 35
xdotool mousedown 1
sleep 0.2
for step in 1 2 3 4 5; do
  xdotool mousemove_relative -- 20 30
  sleep 0.1
done
xdotool mouseup 1
poll 10 panel_at "100 150" || fail "the panel drag left the window at '$(panel_xy)', not '100 150'"
quit_player
grep -q $'^mainWindowX=100\r$' "$home/KR02.CFG" || fail "the moved position was not saved"
