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

# stroke_widths SHOT SCALE LEFT RIGHT TOP BOTTOM: the widths, in device pixels, of the lit runs
# across the panel's area LEFT..RIGHT x TOP..BOTTOM (points, the ends left out), one line per
# device row wholly inside it. Lit is more than half way from the row's ground, its darkest pixel, to
# the area's brightest ink.
stroke_widths() {
  local geometry
  geometry=$(python3 -c "import math,sys; s,l,r,t,b=map(float,sys.argv[1:]); x=math.ceil(l*s); y=math.ceil(t*s)
print(f'{math.floor(r*s)-x}x{math.floor(b*s)-y}+{x}+{y}')" "$2" "$3" "$4" "$5" "$6")
  convert "$1" -crop "$geometry" +repage -colorspace Gray -depth 8 gray:- |
    python3 -c "
import sys
width = int(sys.argv[1].split('x')[0])
data = sys.stdin.buffer.read()
ink = max(data)
for at in range(0, len(data), width):
    row = data[at:at + width]
    ground = min(row)
    runs, n = [], 0
    for v in list(row) + [ground]:
        if ink > ground and (v - ground) / (ink - ground) >= 0.6:
            n += 1
        elif n:
            runs.append(n)
            n = 0
    print(' '.join(map(str, runs)))
" "$geometry"
}

# strokes_even SHOT SCALE WANT: the straight rows of two labels, VOL's strokes on even skin
# columns and LOG's on odd ones (a scaling that gives some columns one device pixel and others two
# shows them unlike): VOL at x 60..70, rows 32 and 33, five strokes; LOG at x 121..131, row 33
# and the upper half of 34 (its lower half rounds the L's corner at 2x), five. Every stroke must
# be WANT device pixels wide.
strokes_even() {
  local label count area row runs w
  for label in "VOL 5 59 71 32 34" "LOG 5 120 132 33 34.5"; do
    read -r name count area <<<"$label"
    # shellcheck disable=SC2086
    widths=$(stroke_widths "$1" "$2" $area)
    [[ -n $widths ]] || fail "scale $2: no rows of $name measured"
    while read -r row; do
      read -ra runs <<<"$row"
      ((${#runs[@]} == count)) || fail "scale $2: $name's row shows ${#runs[@]} strokes ($row), not $count"
      for w in "${runs[@]}"; do
        ((w == $3)) || fail "scale $2: $name's strokes are $row device pixels wide, not all $3"
      done
    done <<<"$widths"
  done
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
  strokes_even "$shot" "$scale" "$([[ $scale == 2 ]] && echo 2 || echo 1)"
  # STOP and PLAY at their panel points, times the scale.
  click_until "$(at "$scale" 255)" "$(at "$scale" 15)" 1 "STOP at scale $scale did not stop" status_is Stopped
  click_until "$(at "$scale" 255)" "$(at "$scale" 33)" 1 "PLAY at scale $scale did not play" status_is Playing
  quit_player
  unset QT_SCALE_FACTOR
done
