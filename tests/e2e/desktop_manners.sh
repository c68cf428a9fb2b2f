#!/usr/bin/env bash
# The player behaves as one desktop program: both windows are of class "felux" and only the
# panel is in the taskbar; the picture never covers the panel; a video window destroyed from
# outside is made anew for the next file; closing the picture from the desktop ends the player
# with everything saved.
source "$(dirname "$0")/common.bash"
list=$(two_clip_list "$home")

start_player "$home" "$list"
quit_player
sed -i 's/^videoWindowX=.*/videoWindowX=0\r/; s/^videoWindowY=.*/videoWindowY=0\r/' "$home/KR02.CFG"
start_player "$home" "$list"
wait_video 320x240 "start"
for id in "$win" "$(video_id)"; do
  xprop -id "$id" WM_CLASS | grep -q '"felux", "felux"' || fail "window $id is not of class felux"
done
xprop -id "$(video_id)" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR || fail "the video window is in the taskbar"
poll 20 panel_uncovered || fail "the video window covers the panel at the start"
import -window root overlap_start.png

# Destroyed from outside, then the next file: the player lives and shows the picture.
xdotool windowclose "$(video_id)"
tap_until_video Right 64x48 "the next file after the video window was destroyed"
kill -0 "$pid" || fail "the player died after its video window was destroyed"
poll 20 panel_uncovered || fail "the video window covers the panel after a file change"

if with_wm; then
  # Alt+F4 on the picture: the manager asks it to close, and the player ends saving its files.
  # The manager's Alt+F4 closes the window it holds active. The panel lies over this small
  # picture, so it is activated as a taskbar would.
  video_active() { [[ $(xdotool getactivewindow 2>/dev/null) == "$(video_id)" ]]; }
  activate_video() { xdotool windowactivate "$(video_id)" 2>/dev/null; poll 3 video_active; }
  poll 20 activate_video || fail "the picture did not become the active window"
  xdotool key alt+F4
  poll 30 player_gone || fail "closing the video window did not end the player"
  wait "$pid" || fail "player exited with status $?"
  [[ -s $home/HIS.tob && -s $home/KR01.tob ]] || fail "the history and the list were not saved at the close"
  # A zoom too tall for the screen below y=200: the manager pulls the window up; zoomed back, it
  # returns to the user's place, and that place is what is saved.
  sed -i 's/^videoWindowY=.*/videoWindowY=200\r/; s/^windowZoomStep=.*/windowZoomStep=5\r/' "$home/KR02.CFG"
  start_player "$home" "$list"
  wait_video 960x720 "zoom 300%"
  tap_until_video x 1280x960 "zoom 400%"
  tap_until_video z 960x720 "back to 300%"
  at_users_place() { [[ $(video_position) == "0 200" ]]; }
  poll 10 at_users_place || fail "after the manager's constraint the video window did not return to the user's place"
  quit_player
  grep -q $'^videoWindowY=200\r$' "$home/KR02.CFG" || fail "the manager's constraint was saved as the video window's place"

  # "Always on top" keeps the panel's window above the others, through the window manager.
  sed -i 's/^topmostMode=.*/topmostMode=1\r/' "$home/KR02.CFG"
  start_player "$home" "$list"
  wait_video 960x720 "topmost start"
  xprop -id "$win" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "topmost did not keep the panel above"
  quit_player
else
  quit_player
fi
