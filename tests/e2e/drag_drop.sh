#!/usr/bin/env bash
# Drag and drop from another program: a folder dragged onto the panel with the left button
# replaces the list with the media files found under it (today's types too, hidden and empty
# files left out), sorted, and plays the first; one dragged with the right button onto a paused
# file appends its files sorted and one PLAY resumes; a folder dragged onto the open editor
# appends its files.
source "$(dirname "$0")/common.bash"
source_program=$(dirname "$felux")/felux_drag_source
[[ -x $source_program ]] || fail "no drag source program beside $felux"

mkdir -p "$home/drop/sub" "$home/more"
cp "$demo" "$home/drop/z.mpg"
cp "$data/clip.mpg" "$home/drop/sub/a.mpg"
echo notes > "$home/drop/notes.txt"
# Small H.264 clips, made in an order the folder is unlikely to list sorted; long enough that the
# first still plays when the second drop comes, on a busy machine too.
ffmpeg -v error -f lavfi -i testsrc=size=160x120:rate=5:duration=30 -c:v libx264 -pix_fmt yuv420p \
  "$home/clip.mp4" || fail "ffmpeg could not make a clip"
for name in drop/10.mp4 drop/02.MP4 drop/01.mp4 drop/.hidden.mp4 more/c.m4v more/b.mkv; do
  cp "$home/clip.mp4" "$home/$name"
done
: > "$home/drop/empty.mp4"

# drag_to WINDOW X Y [BUTTON [FOLDER]]: drags FOLDER (drop) from a fresh source window onto X Y of
# WINDOW, with the left button unless BUTTON is given.
# The button goes up once the target took the drag: a target learns which button drags only
# while it is held, and a busy one may hear of the drag late.
drag_to() {
  : > "$home/drag.out"
  "$source_program" 600 400 "$home/${5:-drop}" > "$home/drag.out" &
  local helper=$! src=""
  src=$(wait_window '^felux drag source$' "the drag source did not show") || exit 1
  xdotool mousemove --window "$src" 60 40
  sleep 0.2
  xdotool mousedown "${4:-1}"
  sleep 0.2
  # Moved in steps, as a hand would: each step is a position the target hears about.
  for step in 1 2 3 4 5 6; do
    xdotool mousemove_relative -- -20 -20
    sleep 0.1
  done
  xdotool mousemove --window "$1" "$2" "$3"
  sleep 0.3
  xdotool mousemove --window "$1" $(($2 + 2)) $(($3 + 1))
  poll 30 grep -q accepted "$home/drag.out" || fail "$(xdotool getwindowname "$1") did not take the drag"
  xdotool mouseup "${4:-1}"
  wait "$helper" || fail "the drop onto $(xdotool getwindowname "$1") was refused"
}
# still_lit: a digest of the STILL button as the screen shows it.
still_lit() { import -window "$win" -crop 31x21+273+0 "$1.png" && md5sum < "$1.png"; }

start_player "$home" "$data/text.mpg"
drag_to "$win" 150 40
# Sorted by path, 01.mp4 comes first: it plays.
wait_video 160x120 "the dropped folder"
playing=$(still_lit still_playing)
# still_lit_is SHOT DIGEST / still_lit_not SHOT DIGEST: the STILL button shows / does not show DIGEST.
still_lit_is() { [[ $(still_lit "$1") == "$2" ]]; }
still_lit_not() { [[ $(still_lit "$1") != "$2" ]]; }
click_until 288 15 1 "STILL did not pause" still_lit_not still_paused "$playing"
# The paused look as the drop will leave it: the pointer away from STILL (where the drag ends)
# and the panel settled, two looks apart alike.
xdotool mousemove --window "$win" 152 41
settled() { paused=$(still_lit still_paused); sleep 0.5; [[ $(still_lit still_paused) == "$paused" ]]; }
poll 20 settled || fail "the paused STILL did not settle"
drag_to "$win" 150 40 3 more
# Polled: a busy player takes the drop a tick or more after the source is done; a drop taken for a
# left one would replace the list and play, which no later look shows paused.
poll 10 still_lit_is still_after_append "$paused" || fail "the right-button drop changed the paused file"
click 255 30  # PLAY, once
poll 20 still_lit_is still_resumed "$playing" || fail "one PLAY after an appending drop did not resume"

click_until 220 8 3 "no editor window" editor_up  # FILE, right button: the editor
# Low in the list: the video window of a newly opened file may be mapped over the upper part.
drag_to "$ed" 100 305
quit_player
dropped=("$home/drop/01.mp4" "$home/drop/02.MP4" "$home/drop/10.mp4" "$home/drop/sub/a.mpg" "$home/drop/z.mpg")
expected=$(printf '%s\r\n' "${dropped[@]}" "$home/more/b.mkv" "$home/more/c.m4v" "${dropped[@]}")
[[ $(cat "$home/KR01.tob") == "$expected" ]] || fail "the drops left this list: $(cat -A "$home/KR01.tob")"
