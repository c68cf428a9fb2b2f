#!/usr/bin/env bash
# A Wayland session (weston, headless, with XWayland; Qt's Wayland plugin installed): the player
# runs through XWayland, and without an X display it says so and ends with status 1.
set -u
if [[ -z ${FELUX_PRIVATE_BUS:-} ]]; then
  FELUX_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
felux=$1
fail() { echo "FAIL: $*"; exit 1; }
runtime=$(mktemp -d)
chmod 700 "$runtime"
home=$(mktemp -d)
weston=""
pid=""
trap 'kill $pid $weston 2>/dev/null; wait $weston 2>/dev/null; rm -rf "$runtime" "$home"' EXIT
demo=$(realpath "$(dirname "$0")/../../resources/demo/demo.mpg")
[[ -n $(find /usr/lib -path '*qt6/plugins/platforms/libqwayland-generic.so' 2>/dev/null) ]] ||
  fail "qt6-wayland is not installed (scripts/install-deps.sh)"

unset DISPLAY QT_QPA_PLATFORM
export XDG_RUNTIME_DIR=$runtime XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wayland-felux-test
weston --backend=headless-backend.so --xwayland --socket=$WAYLAND_DISPLAY --idle-time=0 \
  --log="$runtime/weston.log" &
weston=$!
xdisplay=""
for _ in $(seq 100); do
  xdisplay=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$runtime/weston.log" 2>/dev/null)
  [[ -n $xdisplay && -S $runtime/$WAYLAND_DISPLAY ]] && break
  sleep 0.1
done
[[ -n $xdisplay ]] || fail "weston did not start XWayland: $(tail -3 "$runtime/weston.log")"

# No X display named: a message and status 1, not a crash.
err=$(FELUX_HOME=$home timeout 20 "$felux" "$demo" 2>&1)
status=$?
[[ $status -eq 1 ]] || fail "without DISPLAY the player ended with status $status: $err"
[[ $err == *"cannot open the X display"* ]] || fail "no clear message without DISPLAY: '$err'"

# With XWayland's display the player runs on it, whatever the Wayland plugin could do.
DISPLAY=$xdisplay FELUX_HOME=$home "$felux" "$demo" 2>"$home/stderr.txt" &
pid=$!
win=""
for _ in $(seq 100); do
  win=$(DISPLAY=$xdisplay xdotool search --name '^ ◎ FELUX$' 2>/dev/null | head -n1)
  [[ -n $win ]] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
[[ -n $win ]] || fail "no player window on XWayland's display: $(cat "$home/stderr.txt")"
sleep 1
kill -0 "$pid" 2>/dev/null || fail "the player ended on XWayland: $(cat "$home/stderr.txt")"
dbus-send --session --dest=org.mpris.MediaPlayer2.felux --type=method_call /org/mpris/MediaPlayer2 \
  org.mpris.MediaPlayer2.Quit || fail "Quit was not accepted"
for _ in $(seq 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the player did not end"
wait "$pid" || fail "the player exited with status $?: $(cat "$home/stderr.txt")"
[[ -f $home/KR02.CFG ]] || fail "the settings were not saved"
echo "wayland_session: 1 passed, 0 failed"
