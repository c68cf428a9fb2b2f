#!/usr/bin/env bash
# Another local user's /tmp/felux-<uid>: made open to all with a lock naming pid 1 and her own
# socket, or made a link to a folder of hers. The player still starts, says why it does not use
# the folder, takes its lock in a private folder of the data folder instead, and no file name
# reaches her; a second start hands its file over. With no private place at all the first start
# runs without the lock and a second refuses. In a folder of our own a lock file left naming
# pid 1 holds nothing. Needs root, to add the two users.
source "$(dirname "$0")/common.bash"
((EUID == 0)) || { echo "SKIP: adding users needs root"; exit 77; }
victim=fxv$$
other=fxo$$
useradd -M -N -s /bin/sh "$victim" 2>/dev/null || { echo "SKIP: useradd is not allowed here"; exit 77; }
useradd -M -N -s /bin/sh "$other" 2>/dev/null || { userdel "$victim"; echo "SKIP: useradd is not allowed here"; exit 77; }
vuid=$(id -u "$victim")
ouid=$(id -u "$other")
folder=/tmp/felux-$vuid
felux_home=$home
pids=()
listener=""
cleanup() {
  kill "${pids[@]}" $listener 2>/dev/null
  sleep 0.2
  rm -rf "$home" "$folder" "/tmp/fxo-$ouid"
  userdel "$victim" 2>/dev/null
  userdel "$other" 2>/dev/null
}
at_exit cleanup
rm -rf "$folder"
chown "$victim" "$home"
chmod 700 "$home"
cp "$data/clip.mpg" "$home/secret diary.mpg"
chown "$victim" "$home/secret diary.mpg"

# as_victim NAME ARGS...: starts the player as the victim without XDG_RUNTIME_DIR, stderr in
# $home/NAME.err; appends its pid to pids.
as_victim() {
  local name=$1
  shift
  runuser -u "$victim" -- sh -c 'echo $$ > "$0.pid"; exec "$@" 2>"$0.err"' "$home/$name" \
    env -u XDG_RUNTIME_DIR -u XDG_CACHE_HOME -u TMPDIR FELUX_HOME="$felux_home" "$felux" "$@" &
  for _ in $(seq 300); do [[ -s $home/$name.pid ]] && break; sleep 0.1; done
  pids+=("$(cat "$home/$name.pid")")
}

# second_start NAME ARGS...: a start as the victim that must end by itself within 30 s (124 if it
# ran on as a player); its status in $status, stderr in $home/NAME.err.
second_start() {
  local name=$1
  shift
  runuser -u "$victim" -- sh -c 'exec "$@" 2>"$0.err"' "$home/$name" \
    env -u XDG_RUNTIME_DIR -u XDG_CACHE_HOME -u TMPDIR FELUX_HOME="$felux_home" timeout 30 "$felux" "$@"
  status=$?
}

# wait_windows N WHAT: waits up to 30 s for N player windows.
wait_windows() {
  for _ in $(seq 300); do
    (($(xdotool search --name '^ ◎ FELUX$' 2>/dev/null | wc -l) == $1)) && return 0
    sleep 0.1
  done
  fail "$2: $(xdotool search --name '^ ◎ FELUX$' 2>/dev/null | wc -l) player windows, not $1"
}

# stop_players: ends the victim's players and waits until they are gone, windows and processes: a
# player still saving (slow in the sanitizer build) is a running copy to the next start.
stop_players() {
  kill "${pids[@]}" 2>/dev/null
  wait_windows 0 "the players did not end"
  local p
  for p in "${pids[@]}"; do
    for _ in $(seq 600); do kill -0 "$p" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$p" 2>/dev/null && fail "player $p did not end"
  done
  pids=()
}

# The other user's folder, open to all, with a lock naming pid 1 and a socket that keeps
# whatever it hears.
runuser -u "$other" -- sh -c "mkdir -m 777 '$folder' && chmod 777 '$folder' &&
  printf '1\nfelux\nhost\n' > '$folder/KR300&K200&FELUX&B_KLNQAPP.lock'" || fail "could not make the other user's folder"
runuser -u "$other" -- /usr/bin/python3 - "$folder" <<'PY' &
import os, socket, sys
server = socket.socket(socket.AF_UNIX)
server.bind(os.path.join(sys.argv[1], "felux-open.socket"))
os.chmod(os.path.join(sys.argv[1], "felux-open.socket"), 0o777)
server.listen(64)
while True:
    client, _ = server.accept()
    client.settimeout(3)
    try:
        data = client.recv(65536)
    except OSError:
        data = b""
    with open(os.path.join(sys.argv[1], "heard"), "ab") as out:
        out.write(data or b"(a connection)\n")
    client.close()
PY
listener=$!
for _ in $(seq 300); do [[ -S $folder/felux-open.socket ]] && break; sleep 0.1; done
[[ -S $folder/felux-open.socket ]] || fail "the other user's socket did not appear"

as_victim first "$home/secret diary.mpg"
wait_windows 1 "a start beside the other user's folder"
[[ $(cat "$home/first.err") == *"not using $folder "*"it belongs to user $ouid"* ]] ||
  fail "the player did not say why it ignores $folder: '$(cat "$home/first.err")'"
[[ $(cat "$home/first.err") == *"running without"* ]] && fail "the first start ran without the lock: '$(cat "$home/first.err")'"
[[ -S $home/runtime/felux-open.socket ]] || fail "no hand-over socket in the data folder's runtime folder"
[[ $(stat -c %a "$home/runtime") == 700 ]] || fail "the runtime folder is not private: $(stat -c %a "$home/runtime")"
# A second start finds the same lock and hands its file over; it hands nothing to her.
second_start second "$home/secret diary.mpg"
((status == 0)) || fail "the second start ended with $status: '$(cat "$home/second.err")'"
wait_windows 1 "a second start beside the other user's folder"
[[ -e $folder/heard ]] && fail "the other user's socket heard: $(cat "$folder/heard")"
stop_players

# No private place at all: the data folder's runtime socket path is too long and the home has no
# cache. The first start runs without the lock; a second refuses rather than play beside it.
felux_home=$home/$(printf 'd%.0s' $(seq 90))
runuser -u "$victim" -- mkdir "$felux_home"
as_victim bare "$home/secret diary.mpg"
wait_windows 1 "a start without any private folder"
[[ $(cat "$home/bare.err") == *"running without them"* ]] ||
  fail "the start without a private folder did not say so: '$(cat "$home/bare.err")'"
second_start refused "$home/secret diary.mpg"
((status == 1)) || fail "a second start without the lock ended with $status: '$(cat "$home/refused.err")'"
[[ $(cat "$home/refused.err") == *"not starting a second player"* ]] ||
  fail "the refused start did not say why: '$(cat "$home/refused.err")'"
wait_windows 1 "a second start without any private folder"
stop_players
felux_home=$home

# The folder as a link to one of hers that looks private: refused as a link.
rm -rf "$folder"
runuser -u "$other" -- sh -c "mkdir -m 700 /tmp/fxo-$ouid && ln -s /tmp/fxo-$ouid '$folder'" || fail "could not make the link"
as_victim linked "$home/secret diary.mpg"
wait_windows 1 "a start beside the other user's link"
[[ $(cat "$home/linked.err") == *"not using $folder "*"symbolic link"* ]] ||
  fail "the player did not say why it ignores the link: '$(cat "$home/linked.err")'"
stop_players

# The victim's own runtime folder: a lock file left naming pid 1, which runs but is not hers.
run=$home/run
runuser -u "$victim" -- sh -c "mkdir -m 700 '$run' && printf '1\nfelux\nhost\n' > '$run/KR300&K200&FELUX&B_KLNQAPP.lock'"
runuser -u "$victim" -- sh -c 'echo $$ > "$0/own.pid"; exec "$@" 2>"$0/own.err"' "$home" \
  env XDG_RUNTIME_DIR="$run" FELUX_HOME="$home" "$felux" "$home/secret diary.mpg" &
for _ in $(seq 300); do [[ -s $home/own.pid ]] && break; sleep 0.1; done
pids+=("$(cat "$home/own.pid")")
wait_windows 1 "a start with a lock file left naming pid 1"
[[ -s $home/own.err ]] && fail "the start in the victim's own folder complained: '$(cat "$home/own.err")'"
stop_players
echo "e2e runtime_folder: 1 passed, 0 failed"
