#!/usr/bin/env bash
# Files handed to the running player under load: eight starts at the same moment each deliver
# their file, idle connections held open do not keep a later start out, and a start whose files
# cannot be handed over says so and fails.
source "$(dirname "$0")/common.bash"
holder=""
at_exit 'kill $holder 2>/dev/null'
export FELUX_HOME=$home XDG_RUNTIME_DIR=$home

# A first run writes the settings; hand-over is switched on in them.
start_player "$home"
for _ in $(seq 300); do [[ -s $home/KR02.CFG ]] && break; sleep 0.1; done
quit_player
sed -i 's/^handOverFiles=0/handOverFiles=1/' "$home/KR02.CFG"
grep -q '^handOverFiles=1'$'\r$' "$home/KR02.CFG" || fail "could not switch hand-over on"

for i in 1 2 3 4 5 6 7 8 9; do cp "$data/clip.mpg" "$home/c$i.mpg"; done
starts=()
for i in 1 2 3 4 5 6 7 8; do
  "$felux" "$home/c$i.mpg" 2>"$home/err$i" &
  starts+=($!)
done
# Seven hand their files over and end; the eighth is the player.
for _ in $(seq 300); do
  running=()
  for p in "${starts[@]}"; do kill -0 "$p" 2>/dev/null && running+=("$p"); done
  ((${#running[@]} <= 1)) && break
  sleep 0.1
done
((${#running[@]} == 1)) || fail "${#running[@]} of eight simultaneous starts still run after 30 s"
pid=${running[0]}
for p in "${starts[@]}"; do
  [[ $p == "$pid" ]] && continue
  wait "$p" || fail "a simultaneous start exited with $?: $(cat "$home"/err*)"
done

# Forty idle clients: sixteen are held for a moment, the rest turned away at once.
/usr/bin/python3 - "$home/felux-open.socket" >"$home/held" <<'PY' &
import socket, sys, time
held = []
for _ in range(40):
    s = socket.socket(socket.AF_UNIX)
    s.connect(sys.argv[1])
    held.append(s)
print("held", flush=True)
time.sleep(120)
PY
holder=$!
for _ in $(seq 300); do [[ -s $home/held ]] && break; sleep 0.1; done
[[ -s $home/held ]] || fail "the idle clients could not connect"
"$felux" "$home/c9.mpg" 2>"$home/err9" || fail "a start during the idle clients exited with $?: $(cat "$home/err9")"

# Three arguments that name no file are one path with blanks, here longer than a message may be.
long=$(printf 'x%.0s' $(seq 100000))
err=$("$felux" "$home/$long" "$long" "$long" 2>&1)
status=$?
((status != 0)) || fail "a hand-over too large for a message exited 0"
[[ $err == *"too many or too long file names"* ]] || fail "the too-large hand-over said '$err'"

kill -0 "$pid" 2>/dev/null || fail "the player ended during the hand-overs"
win=$(xdotool search --name '^ ◎ FELUX$' 2>/dev/null | head -n1)
[[ -n $win ]] || fail "the player has no window"
quit_player
for i in 1 2 3 4 5 6 7 8 9; do
  grep -q "^$home/c$i.mpg"$'\r$' "$home/KR01.tob" || fail "c$i.mpg is not in the list: $(tr -d '\r' < "$home/KR01.tob")"
done
grep -q "device not open" "$home"/err* && fail "a hand-over printed a Qt warning: $(cat "$home"/err*)"
echo "e2e hand_over_load: 1 passed, 0 failed"
