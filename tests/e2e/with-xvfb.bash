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
# openbox+picom: with a compositing manager on top, which draws the windows' contents itself;
# xfwm4: a manager that composites itself.
wm=""
compositor=""
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
if [[ ${FELUX_E2E_WM:-} == openbox* ]]; then
  openbox --sm-disable >/dev/null 2>&1 &
  wm=$!
  for _ in $(seq 50); do
    wm_running && break
    sleep 0.1
  done
  wm_running || { echo "FAIL: openbox did not start"; kill "$xvfb"; exit 1; }
fi
if [[ ${FELUX_E2E_WM:-} == xfwm4 ]]; then
  # xfwm4 reads its settings from xfconf, which lives on a session bus: a bus of its own, and a
  # settings folder of its own, so that nothing of the user's desktop is read or written.
  xfwm4_config=$(mktemp -d)
  { read -r xfwm4_bus_address; read -r xfwm4_bus; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
  DBUS_SESSION_BUS_ADDRESS=$xfwm4_bus_address XDG_CONFIG_HOME=$xfwm4_config NO_AT_BRIDGE=1 \
    xfwm4 --compositor=on --sm-client-disable >/dev/null 2>&1 &
  wm=$!
  for _ in $(seq 100); do
    wm_running && break
    sleep 0.1
  done
  wm_running || { echo "FAIL: xfwm4 did not start"; kill "$wm" "$xfwm4_bus" "$xvfb"; exit 1; }
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
[[ -n ${xfwm4_bus:-} ]] && kill "$xfwm4_bus" 2>/dev/null
[[ -n ${xfwm4_config:-} ]] && rm -rf "$xfwm4_config"
kill "$xvfb" 2>/dev/null
wait "$xvfb" 2>/dev/null
exit "$status"
