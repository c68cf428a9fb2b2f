#!/usr/bin/env bash
# Runs a command on a private Xvfb server, bare or with a window manager. Xvfb picks a free display itself
# (-displayfd), which avoids xvfb-run's race between servers started close together;
# -noreset keeps it from restarting, and refusing clients, whenever the last one leaves.
set -u
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fifo" 2>/dev/null &
xvfb=$!
read -r -t 15 display <"$fifo"
rm -f "$fifo"
if [[ -z ${display:-} ]]; then
  echo "FAIL: Xvfb did not start"
  kill "$xvfb" 2>/dev/null
  exit 1
fi
export DISPLAY=:$display
# FELUX_E2E_WM=openbox: a desktop with a window manager, which decides focus and stacking;
# openbox+picom: with a compositing manager on top, which draws the windows' contents itself.
wm=""
compositor=""
if [[ ${FELUX_E2E_WM:-} == openbox* ]]; then
  openbox --sm-disable >/dev/null 2>&1 &
  wm=$!
  for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' || { echo "FAIL: openbox did not start"; kill "$xvfb"; exit 1; }
fi
if [[ ${FELUX_E2E_WM:-} == *+picom ]]; then
  picom --backend xrender >/dev/null 2>&1 &
  compositor=$!
  sleep 1
  kill -0 "$compositor" 2>/dev/null || { echo "FAIL: picom did not start"; kill "$wm" "$xvfb"; exit 1; }
fi
"$@"
status=$?
[[ -n $compositor ]] && kill "$compositor" 2>/dev/null
[[ -n $wm ]] && kill "$wm" 2>/dev/null
kill "$xvfb" 2>/dev/null
wait "$xvfb" 2>/dev/null
exit "$status"
