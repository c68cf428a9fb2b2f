#!/usr/bin/env bash
# The lyrics view: a sound file with word-timed lyrics beside it; Y shows its lines large where the
# video window goes, lit word by word as the song runs; F takes it to full screen, ESC back, and Y
# hides it again. Then lyrics of 100,000 lines out of order, with a line of 10,000 characters,
# word times out of order and bytes in no encoding: the view still shows, and the player still
# answers. The screenshots stay in the test's working folder.
source "$(dirname "$0")/common.bash"

song=$home/song.flac
ffmpeg -loglevel error -f lavfi -i "sine=frequency=440:duration=40" -c:a flac "$song" || fail "ffmpeg made no song"
# Three lines of six words, a word every two seconds.
for line in 0 1 2; do
  text=""
  for word in 0 1 2 3 4 5; do
    s=$((line * 12 + word * 2))
    text+=$(printf '<00:%02d.00>word%d ' "$s" "$word")
  done
  printf '[00:%02d.00]%s\n' $((line * 12)) "$text"
done > "$home/song.lrc"

# lit_pixels FILE: how many pixels of the shot have the lit words' colour.
lit_pixels() { convert "$1" txt:- | tail -n +2 | grep -ci '#ff9224'; }

start_player "$home" "$song"
# The player takes the keyboard once it plays; a sound file shows no video window.
poll 30 player_focused || fail "the player never had the keyboard"
tap_until_video y 640x360 "Y shows the lyrics view in a 640 x 360 window"

import -window "$(video_id)" lyrics_first.png
sleep 2.5
import -window "$(video_id)" lyrics_later.png
first=$(lit_pixels lyrics_first.png)
later=$(lit_pixels lyrics_later.png)
echo "lit pixels: $first, then $later"
(( later > 0 )) || fail "no word of the lyrics view is lit"
[[ $first != "$later" ]] || fail "the lit words of the current line did not move on in 2.5 s"
# The committed screenshot is this one, cropped and made small.
convert lyrics_later.png -resize 50% lyrics_view_small.png

tap_until_video f 1280x1024 "F takes the lyrics view to full screen"
tap_until_video Escape 640x360 "ESC brings the lyrics view back to its window"
tap_until_video y "" "Y hides the lyrics view"
quit_player

# text_pixels FILE: pixels of the shot in the lit or the unlit colour.
text_pixels() { convert "$1" txt:- | tail -n +2 | grep -ciE '#ff9224|#b0cedc'; }

{
  printf '[00:00.50]'
  for i in $(seq 0 999); do printf '<00:%02d.%02d>wordy%04d ' $(((i / 50) % 60)) $((i % 100)) "$i"; done
  printf '\n[00:01.00]<00:09.00>late <00:01.50>early <00:30.00>past\n'
  printf '[00:02.00]\xe9t\xe9 \xff\xfe \x81\n'
  awk 'BEGIN { for (i = 100000; i > 0; i--) printf "[%02d:%02d.%02d]<00:00.00>row %d\n", (i * 7) % 60, (i * 13) % 60, i % 100, i }'
} > "$home/song.lrc"
start_player "$home" "$song"
poll 30 player_focused || fail "the player never had the keyboard with the hostile lyrics"
tap_until_video y 640x360 "Y shows the view of the hostile lyrics"
import -window "$(video_id)" hostile.png
(( $(text_pixels hostile.png) > 0 )) || fail "the view of the hostile lyrics shows no text"
quit_player
