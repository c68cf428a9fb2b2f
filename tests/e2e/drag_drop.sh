#!/usr/bin/env bash
# Drag and drop from another program: a folder dragged onto the panel with the left button
# replaces the list with the media files found under it, sorted, and plays the first; the same
# folder dragged onto the open editor appends them.
set -u
felux=$1
source "$(dirname "$0")/common.bash"
home=$(mktemp -d)
trap 'rm -rf "$home"; kill "$pid" 2>/dev/null' EXIT
root=$(realpath "$(dirname "$0")/../..")
source_program=$(dirname "$felux")/felux_drag_source
[[ -x $source_program ]] || fail "no drag source program beside $felux"

mkdir -p "$home/drop/sub"
cp "$root/resources/demo/demo.mpg" "$home/drop/z.mpg"
cp "$root/tests/data/clip.mpg" "$home/drop/sub/a.mpg"
echo notes > "$home/drop/notes.txt"

# drag_to WINDOW X Y: drags the folder from a fresh source window onto X Y of WINDOW, left button.
drag_to() {
  "$source_program" 600 400 "$home/drop" &
  local helper=$! src=""
  src=$(wait_window '^felux drag source$' "the drag source did not show") || exit 1
  xdotool mousemove --window "$src" 60 40
  sleep 0.2
  xdotool mousedown 1
  sleep 0.2
  # Moved in steps, as a hand would: each step is a position the target hears about.
  for step in 1 2 3 4 5 6; do
    xdotool mousemove_relative -- -20 -20
    sleep 0.1
  done
  xdotool mousemove --window "$1" "$2" "$3"
  sleep 0.3
  xdotool mousemove --window "$1" $(($2 + 2)) $(($3 + 1))
  sleep 0.3
  xdotool mouseup 1
  wait "$helper" || fail "the drop onto $(xdotool getwindowname "$1") was refused"
}

start_player "$home" "$root/tests/data/text.mpg"
drag_to "$win" 150 40
# Sorted by path, the subfolder's clip comes first: it plays.
wait_video 64x48 "the dropped folder"

click 220 8 3  # FILE, right button: the editor
ed=$(wait_window '^Torvel$' "no editor window") || exit 1
# Low in the list: the video window of a newly opened file may be mapped over the upper part.
drag_to "$ed" 100 305
sleep 0.5
quit_player
expected=$(printf '%s\r\n' "$home/drop/sub/a.mpg" "$home/drop/z.mpg" "$home/drop/sub/a.mpg" "$home/drop/z.mpg")
[[ $(cat "$home/KR01.tob") == "$expected" ]] || fail "the drops left this list: $(cat -A "$home/KR01.tob")"
