#!/usr/bin/env bash
# The demo clip's timed text: after a right click on the display its first line shows on the
# panel; with K the video window grows a strip that shows it
# too once the clip comes round again; the Japanese line set in the Index folder takes the
# place of the English one. The screenshots stay in the test's working folder.
source "$(dirname "$0")/common.bash"

# leftmost_letter FILE X Y W H: the first column of the area holding a filled letter at (nearly)
# full brightness, or "none". The fill starts at a line's first letter; unfilled letters reach
# their colour earlier in a fade and would be taken for a line that is fading out.
leftmost_letter() {
  convert "$1" -crop "$4x$5+$2+$3" +repage txt:- | tail -n +2 |
    awk -F'[,: ]+' 'tolower($0) ~ /#ff9224/ { if (min == "" || $1 < min) min = $1 }
                    END { print (min == "" ? "none" : min) }'
}

# letter_pixels FILE X Y W H: how many pixels of the area are letters, filled or not: the same
# for the same line at full brightness, however far it has filled.
letter_pixels() {
  convert "$1" -crop "$4x$5+$2+$3" +repage txt:- | tail -n +2 | grep -ciE '#ff9224|#b0cedc'
}

# wait_line WHAT SHOT FROM X Y W H: polls the screen until the area shows a line whose first
# letter is at column FROM or further right (the demo's short, centred first line, shown only
# while its time is current; the clip repeats), and keeps the screen as SHOT.
wait_line() {
  local at
  local end=$((SECONDS + 40))
  while ((SECONDS < end)); do
    import -window root screen.png
    at=$(leftmost_letter screen.png "${@:4}")
    if [[ $at != none ]] && (( at >= $3 )); then
      mv screen.png "$2"
      return 0
    fi
    sleep 0.05
  done
  fail "$1: the first line never showed"
}

start_player "$home" "$demo"
click 100 5 3  # right click on the display: the panel copy of the timed text
wait_line "panel" first_line_panel.png 15 59 0 145 11

show_strip
read -r vx vy < <(video_position)
wait_line "under the video" first_line_video.png 100 "$vx" $((vy + 240)) 320 16
quit_player

mkdir -p "$home/Index"
cp "$(dirname "$demo")/demo-ja.txt" "$home/Index/demo($(stat -c %s "$demo")).txt"
english=$(letter_pixels first_line_panel.png 59 0 145 11)
start_player "$home" "$demo"
wait_line "Japanese lines" japanese_line_panel.png 0 59 0 145 11
[[ $(letter_pixels japanese_line_panel.png 59 0 145 11) != "$english" ]] ||
  fail "the panel shows the English first line, not the Japanese one"
quit_player
