#!/usr/bin/env bash
# A clip from the command line plays in a video window of its native size; at the end of the
# list without repeat the window collapses; an MP3 plays with no video window at all.
source "$(dirname "$0")/common.bash"

# The first start writes the settings; repeat is then switched off for the second.
start_player "$home" "$demo"
wait_video 320x240 "first start"
quit_player
grep -q "$demo" "$home/HIS.tob" || fail "the clip is not in the history"
[[ -f $home/data.vol ]] || fail "data.vol was not written at exit"

sed -i 's/^repeatList=1/repeatList=0/' "$home/KR02.CFG"
start_player "$home" "$demo"
wait_video 320x240 "second start"
# The 4 s clip ends; the list has one entry and repeat is off: playback stops.
wait_video "" "the end of the list"
kill -0 "$pid" 2>/dev/null || fail "the player ended with the list"
quit_player

# The program's own choice of video output, through several files in a row: each file gets a
# new mpv instance, and none may take the X connection down with it.
(
  unset FELUX_VO
  start_player "$home" "$data/clip.mpg"
  sleep 7
  kill -0 "$pid" 2>/dev/null || fail "the player died while the 2 s clip repeated"
  quit_player
)
[[ $? -eq 0 ]] || exit 1

if [[ -f $data/tone.mp3 ]]; then
  start_player "$home" "$data/tone.mp3"
  sleep 1.5
  [[ -z $(video_geometry) ]] || fail "an MP3 got a video window"
  quit_player
fi
