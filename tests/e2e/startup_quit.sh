#!/usr/bin/env bash
# Start-up and shutdown on a real X server: window, single instance, Ctrl+Alt+Q, saved settings.
set -u
felux=$1
home=$(mktemp -d)
trap 'rm -rf "$home"; kill "$pid" 2>/dev/null' EXIT
fail() { echo "FAIL: $*"; exit 1; }

export FELUX_HOME=$home XDG_RUNTIME_DIR=$home
"$felux" "$(dirname "$0")/../../resources/demo/demo.mpg" &
pid=$!

win=""
for _ in $(seq 50); do
  win=$(xdotool search --name '^ ◎ FELUX$' 2>/dev/null | head -n1)
  [[ -n $win ]] && break
  sleep 0.1
done
[[ -n $win ]] || fail "no window titled ' ◎ FELUX'"
geometry=$(xdotool getwindowgeometry "$win" | sed -n 's/.*Geometry: //p')
[[ $geometry == 407x50 ]] || fail "main window is $geometry, not 407x50"

start=$(date +%s%N)
timeout 10 "$felux"
status=$?
elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
[[ $status -eq 0 ]] || fail "second copy exited with $status"
(( elapsed < 3000 )) || fail "second copy took ${elapsed} ms"
kill -0 "$pid" 2>/dev/null || fail "first copy ended when the second started"

sleep 1
# Without a window manager the keyboard follows the pointer.
xdotool mousemove --window "$win" 100 20

sleep 0.3
# Held as a person would hold it: the poll reads the keys every 40 ms.
xdotool keydown ctrl alt q
sleep 0.4
xdotool keyup q alt ctrl
for _ in $(seq 20); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "Ctrl+Alt+Q did not end the player within two seconds"
wait "$pid" || fail "player exited with an error"

cfg=$home/KR02.CFG
[[ -f $cfg ]] || fail "KR02.CFG was not written"
lines=$(wc -l < "$cfg")
[[ $lines -eq 85 ]] || fail "KR02.CFG has $lines lines"
bad=$(tr -d '\r' < "$cfg" | grep -cv '^[A-Za-z0-9]*=' || true)
[[ $bad -eq 0 ]] || fail "$bad lines of KR02.CFG are not name=value"
grep -q $'\r$' "$cfg" || fail "KR02.CFG lines do not end in CR LF"
[[ -f $home/KR01.tob ]] || fail "KR01.tob was not written"
grep -q 'demo.mpg' "$home/KR01.tob" || fail "KR01.tob does not hold the played clip"
echo "e2e startup_quit: 1 passed, 0 failed"
