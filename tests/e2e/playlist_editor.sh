#!/usr/bin/env bash
# The playlist editor: a right press on FILE opens "Torvel" with the list's lines; a line moved
# up with "上へ" changes the playing order, "戻る" closes it, and the saved list and window size
# show both after the exit.
set -u
felux=$1
source "$(dirname "$0")/common.bash"
home=$(mktemp -d)
trap 'rm -rf "$home"; kill "$pid" 2>/dev/null' EXIT
list=$(two_clip_list "$home")
root=$(realpath "$(dirname "$0")/../..")

editor_window() { xdotool search --onlyvisible --name '^Torvel$' 2>/dev/null | head -n1; }
# editor_click X Y: a left click inside the editor window.
editor_click() {
  xdotool mousemove --window "$ed" "$1" "$2"
  sleep 0.1
  xdotool mousedown 1
  sleep 0.1
  xdotool mouseup 1
  sleep 0.3
}

start_player "$home" "$list"
wait_video 320x240 "start"
click 220 8 3  # FILE, right button
ed=""
for _ in $(seq 30); do
  ed=$(editor_window)
  [[ -n $ed ]] && break
  sleep 0.1
done
[[ -n $ed ]] || fail "no editor window after a right press on FILE"
size=$(xdotool getwindowgeometry "$ed" | sed -n 's/.*Geometry: //p')
[[ $size == 250x350 ]] || fail "the editor opened at $size, not at the saved 250x350"

# Two lines of text in the list, nothing under them.
import -window "$ed" editor_open.png
dark() { convert editor_open.png -crop "$1" -threshold 50% -negate -format '%[fx:mean>0.01]' info:; }
[[ $(dark 180x14+12+20) == 1 ]] || fail "no first line in the editor"
[[ $(dark 180x14+12+38) == 1 ]] || fail "no second line in the editor"
[[ $(dark 180x14+12+80) == 0 ]] || fail "a third line in a two-entry editor"

editor_click 80 39  # the second line
editor_click 220 150  # 上へ
import -window "$ed" editor_moved.png
editor_click 220 305  # 戻る
for _ in $(seq 20); do
  [[ -z $(editor_window) ]] && break
  sleep 0.1
done
[[ -z $(editor_window) ]] || fail "戻る did not close the editor"

quit_player
expected=$(printf '%s\r\n%s\r\n' "$root/tests/data/clip.mpg" "$root/resources/demo/demo.mpg")
[[ $(cat "$home/KR01.tob") == "$expected" ]] || fail "the moved entry is not first in KR01.tob: $(cat -A "$home/KR01.tob")"
grep -q $'^editorWindowWidth=250\r$' "$home/KR02.CFG" || fail "the editor's size was not saved"
