#!/usr/bin/env bash
# On a desktop scaled by 1.5, 2 and 1.25 the panel's lettering keeps one stroke width: every
# vertical stroke of the VOL label, one skin pixel wide, is as many device pixels wide as every
# other. Clicks at the scaled places of STOP and PLAY stop and start playback. Screenshots stay in
# the test's working folder. The state is read on a private session bus.
if [[ -z ${FELUX_PRIVATE_BUS:-} ]]; then
  FELUX_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/common.bash"
clip=$(minute_clip "$home/demo.mpg")

# stroke_widths SHOT SCALE: the widths, in device pixels, of the lit runs across the VOL label's
# two middle rows of skin pixels (panel rows 32 and 33; x 60 to 70, with a point of ground each side), where every stroke is
# straight; one line per device row. Lit is most of the way from the row's ground to the ink.
stroke_widths() {
  local geometry
  geometry=$(python3 -c "import math,sys; s=float(sys.argv[1]); x=math.ceil(59*s); y=math.ceil(32*s)
print(f'{math.floor(72*s)-x}x{math.floor(34*s)-y}+{x}+{y}')" "$2")
  convert "$1" -crop "$geometry" +repage -colorspace Gray -depth 8 gray:- |
    python3 -c "
import sys
width = int(sys.argv[1].split('x')[0])
data = sys.stdin.buffer.read()
rows = [data[i:i + width] for i in range(0, len(data), width)]
ink = max(data)
for row in rows:
    ground = sorted(row)[len(row) // 2]
    lit = [ink > ground and (v - ground) / (ink - ground) >= 0.6 for v in row]
    runs, n = [], 0
    for on in lit + [False]:
        if on:
            n += 1
        elif n:
            runs.append(n)
            n = 0
    print(' '.join(map(str, runs)))
" "$geometry"
}

# at SCALE POINT: the device pixel of a panel point.
at() { python3 -c "import sys; print(round(float(sys.argv[1]) * int(sys.argv[2])))" "$1" "$2"; }

for scale in 1.5 2 1.25; do
  export QT_SCALE_FACTOR=$scale
  start_player "$home" "$clip"
  wait_for "playback at scale $scale" status_is Playing
  # The panel is shown once its title line has been drawn over the first frame.
  sleep 1
  shot=panel_$scale.png
  import -window "$win" "$shot"
  want=$([[ $scale == 2 ]] && echo 2 || echo 1)
  widths=$(stroke_widths "$shot" "$scale")
  [[ -n $widths ]] || fail "no rows measured at scale $scale"
  while read -r row; do
    read -ra runs <<<"$row"
    ((${#runs[@]} == 5)) || fail "scale $scale: VOL's row shows ${#runs[@]} strokes ($row), not 5"
    for w in "${runs[@]}"; do
      ((w == want)) || fail "scale $scale: VOL's strokes are $row device pixels wide, not all $want"
    done
  done <<<"$widths"
  # STOP and PLAY at their panel points, times the scale.
  click_until "$(at "$scale" 255)" "$(at "$scale" 15)" 1 "STOP at scale $scale did not stop" status_is Stopped
  click_until "$(at "$scale" 255)" "$(at "$scale" 33)" 1 "PLAY at scale $scale did not play" status_is Playing
  quit_player
  unset QT_SCALE_FACTOR
done
