#!/usr/bin/env bash
# Start-up and shutdown on a real X server: window, single instance, Ctrl+Alt+Q, saved settings.
source "$(dirname "$0")/common.bash"

start_player "$home" "$demo"
geometry=$(xdotool getwindowgeometry "$win" | sed -n 's/.*Geometry: //p')
[[ $geometry == 407x50 ]] || fail "main window is $geometry, not 407x50"

start=$(date +%s%N)
FELUX_HOME=$home XDG_RUNTIME_DIR=$home timeout 10 "$felux"
status=$?
elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
[[ $status -eq 0 ]] || fail "second copy exited with $status"
(( elapsed < 3000 )) || fail "second copy took ${elapsed} ms"
kill -0 "$pid" 2>/dev/null || fail "first copy ended when the second started"

quit_player

cfg=$home/KR02.CFG
[[ -f $cfg ]] || fail "KR02.CFG was not written"
lines=$(wc -l < "$cfg")
[[ $lines -eq $settings_lines ]] || fail "KR02.CFG has $lines lines"
bad=$(tr -d '\r' < "$cfg" | grep -cv '^[A-Za-z0-9]*=' || true)
[[ $bad -eq 0 ]] || fail "$bad lines of KR02.CFG are not name=value"
grep -q $'\r$' "$cfg" || fail "KR02.CFG lines do not end in CR LF"
grep -q 'demo.mpg' "$home/KR01.tob" || fail "KR01.tob does not hold the played clip"

# A lock left by a killed player must not block the next start.
start_player "$home"
kill -9 "$pid"
wait "$pid" 2>/dev/null
start_player "$home"
quit_player
echo "e2e startup_quit: 1 passed, 0 failed"
