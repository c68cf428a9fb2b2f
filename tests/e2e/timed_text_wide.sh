#!/usr/bin/env bash
# A timed line of 63 Japanese characters, far wider than the display and the strip under the
# video: once it has filled, both copies show its last letters, apart from each other, on the
# dark ground (the end of such a line once came out as one solid bar).
source "$(dirname "$0")/common.bash"
cp "$demo" "$home/wide.mpg"
# The whole clip long, filled within its first second.
line='いろはにほへとちりぬるをわかよたれそつねならむうゐのおくやまけふこえてあさきゆめみしゑひもせすん一二三四五六七八九十百千万億兆'
printf '[00:00:00][00:00]%s[00:01]\r\n' "$line" > "$home/wide.txt"

# ink_runs FILE X Y W H: "RUNS LAST INK": the runs of columns of the area holding filled letters,
# the last such column, and how many columns hold any.
ink_runs() {
  convert "$1" -crop "$4x$5+$2+$3" +repage txt:- | tail -n +2 |
    awk -F'[,: ]+' -v w="$4" 'tolower($0) ~ /#ff9224/ { ink[$1] = 1 }
      END { runs = 0; last = -1; n = 0
            for (x = 0; x < w; ++x) if (x in ink) { n++; if (!((x - 1) in ink)) runs++; last = x }
            print runs, last, n }'
}

# wait_end WHAT SHOT X Y W H: polls the screen until the area shows the line's end: at least six
# letters apart (one bar is one run), the last within 12 columns of the right edge. Keeps SHOT.
wait_end() {
  local runs last ink
  local end=$((SECONDS + 40))
  while ((SECONDS < end)); do
    import -window root screen.png
    read -r runs last ink < <(ink_runs screen.png "${@:3}")
    if (( runs >= 6 && last >= $5 - 12 )); then
      mv screen.png "$2"
      return 0
    fi
    sleep 0.05
  done
  mv screen.png "$2"
  fail "$1: the line's end never showed as letters (runs $runs, last column $last, $ink columns of ink)"
}

start_player "$home" "$home/wide.mpg"
click 100 5 3  # right click on the display: the panel copy of the timed text
wait_end "panel" wide_line_panel.png 59 0 145 11

show_strip
read -r vx vy < <(video_position)
wait_end "under the video" wide_line_video.png "$vx" $((vy + 240)) 320 16
quit_player
