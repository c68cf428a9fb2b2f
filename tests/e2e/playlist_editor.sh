#!/usr/bin/env bash
# The playlist editor: a right press on FILE opens "Torvel" with the list's lines; a line moved
# up with "上へ" changes the playing order, "戻る" closes it, and the saved list and window size
# show both after the exit. A list emptied with "新規" is still empty at the next start.
source "$(dirname "$0")/common.bash"
list=$(two_clip_list "$home")

# editor_click X Y: a left click inside the editor window.
editor_click() {
  xdotool mousemove --window "$ed" "$1" "$2"
  sleep 0.1
  xdotool mousedown 1
  sleep 0.1
  xdotool mouseup 1
  sleep 0.3
}

# open_editor: a right press on FILE; sets $ed to the editor window.
open_editor() {
  click_until 220 8 3 "no editor window after a right press on FILE" editor_up
}
# close_editor: "戻る", and the window must go.
close_editor() {
  editor_click 220 305
  poll 30 gone Torvel || fail "戻る did not close the editor"
}
# dark SHOT AREA: 1 when the area of the screenshot holds text.
dark() { convert "$1" -crop "$2" -threshold 50% -negate -format '%[fx:mean>0.01]' info:; }

start_player "$home" "$list"
wait_video 320x240 "start"
open_editor
size=$(xdotool getwindowgeometry "$ed" | sed -n 's/.*Geometry: //p')
[[ $size == 250x350 ]] || fail "the editor opened at $size, not at the saved 250x350"

# Two lines of text in the list, nothing under them.
import -window "$ed" editor_open.png
[[ $(dark editor_open.png 180x14+12+20) == 1 ]] || fail "no first line in the editor"
[[ $(dark editor_open.png 180x14+12+38) == 1 ]] || fail "no second line in the editor"
[[ $(dark editor_open.png 180x14+12+80) == 0 ]] || fail "a third line in a two-entry editor"

editor_click 80 39  # the second line
editor_click 220 150  # 上へ
import -window "$ed" editor_moved.png
close_editor

quit_player
expected=$(printf '%s\r\n%s\r\n' "$data/clip.mpg" "$home/demo.mpg")
[[ $(cat "$home/KR01.tob") == "$expected" ]] || fail "the moved entry is not first in KR01.tob: $(cat -A "$home/KR01.tob")"
grep -q $'^editorWindowWidth=250\r$' "$home/KR02.CFG" || fail "the editor's size was not saved"

# The saved list comes back; 新規 empties it, and so it stays.
start_player "$home"
wait_video 320x240 "start with the saved list"
open_editor
editor_click 220 30  # 新規
import -window "$ed" editor_new.png
[[ $(dark editor_new.png 180x14+12+20) == 0 ]] || fail "新規 left a line in the editor"
close_editor
quit_player
[[ ! -s $home/KR01.tob ]] || fail "the emptied list was not saved: $(cat -A "$home/KR01.tob")"
start_player "$home"
open_editor
import -window "$ed" editor_after_restart.png
[[ $(dark editor_after_restart.png 180x14+12+20) == 0 ]] || fail "the emptied list came back at the next start"
close_editor
quit_player
