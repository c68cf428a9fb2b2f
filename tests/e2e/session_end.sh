#!/usr/bin/env bash
# Ending with the session: SIGTERM, SIGHUP and a lost X server each save the list a second start
# grew by hand-over; a second SIGTERM ends a player whose saves are stuck at once; a signal and the
# X server's end together end the process once.
source "$(dirname "$0")/common.bash"
work=$(mktemp -d)
xvfb=""
# A player whose saves are stuck outlives a plain kill.
at_exit 'kill -KILL "$pid" "$xvfb" 2>/dev/null; rm -rf "$work"'
for size in 320x240 160x120; do
  ffmpeg -v error -f lavfi -i "testsrc=size=$size:rate=25" -t 60 -c:v mpeg1video -q:v 20 "$work/$size.mpg" ||
    fail "ffmpeg made no clip"
done
cc -shared -fPIC -O1 -o "$work/stalling_disk.so" "$(dirname "$0")/support/stalling_disk.c" -ldl ||
  fail "the stalling disk stand-in did not build"

temporary_left() { compgen -G "$home/*.tmp*" >/dev/null; }

# playing_two WHAT: a player started with one clip plays a second that a second start handed to it.
playing_two() {
  rm -f "$home/KR01.tob" "$home/HIS.tob"
  # A shell starts background commands with SIGINT ignored; the player keeps what it inherits.
  FELUX_HOME=$home XDG_RUNTIME_DIR=$home env --default-signal=INT "$felux" "$work/320x240.mpg" 2>"$work/stderr" &
  pid=$!
  poll 30 video_is 320x240 || fail "$1: the first clip does not show"
  FELUX_HOME=$home XDG_RUNTIME_DIR=$home timeout 30 "$felux" "$work/160x120.mpg" || fail "$1: hand-over start failed"
  poll 30 video_is 160x120 || fail "$1: the handed clip does not show"
}

# ended WHAT: the player ends within 30 seconds; sets $status.
ended() {
  poll 30 player_gone || fail "$1: the player is still running"
  wait "$pid"
  status=$?
}

# saved_two WHAT: both clips are in the saved list and the handed one in the history.
saved_two() {
  [[ $(grep -c '\.mpg'$'\r$' "$home/KR01.tob" 2>/dev/null) -eq 2 ]] ||
    fail "$1: KR01.tob does not list two entries: $(cat "$home/KR01.tob" 2>/dev/null)"
  grep -q "^$work/160x120.mpg"$'\r$' "$home/KR01.tob" || fail "$1: the handed clip is not in the list"
  grep -q "160x120.mpg" "$home/HIS.tob" || fail "$1: the history was not saved"
}

# The settings a first start writes, with hand-over switched on.
FELUX_HOME=$home XDG_RUNTIME_DIR=$home "$felux" &
pid=$!
poll 30 test -s "$home/KR02.CFG" || fail "the first start wrote no settings"
kill -TERM "$pid"
ended "first start"
sed -i 's/^handOverFiles=0/handOverFiles=1/' "$home/KR02.CFG"

for signal in TERM HUP INT; do
  playing_two "SIG$signal"
  kill -"$signal" "$pid"
  ended "SIG$signal"
  ((status == 0)) || fail "SIG$signal: the player ended with status $status"
  saved_two "SIG$signal"
done

# A second SIGTERM while the exit's saves hang on the disk ends the player at once.
export LD_PRELOAD=$work/stalling_disk.so FELUX_STALL_WHEN=$work/stall
playing_two "second SIGTERM"
unset LD_PRELOAD FELUX_STALL_WHEN
touch "$work/stall"
kill -TERM "$pid"
poll 30 temporary_left || fail "second SIGTERM: the exit's saves did not begin"
kill -TERM "$pid"
poll 5 player_gone || fail "second SIGTERM: the player waited for its stuck save"
wait "$pid"
status=$?
((status == 143)) || fail "second SIGTERM: the player ended with status $status, not 143"

# private_x: a private X server for the next start, so that the rest of the run keeps its own;
# sets $xvfb and DISPLAY.
private_x() {
  rm -f "$work/display"
  mkfifo "$work/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
  xvfb=$!
  read -r -t 30 display <"$work/display" || fail "the private Xvfb did not start"
  export DISPLAY=:$display
}

# The X server goes away.
private_x
playing_two "X server killed"
kill "$xvfb"
ended "X server killed"
((status == 1)) || fail "X server killed: the player ended with status $status, not 1"
saved_two "X server killed"

# A signal and the X server's end at once: the UI thread and the engine's picture thread (with an
# X connection of its own) both find the connection broken; one of them alone ends the process,
# after the saves, and Xlib's own exit never runs.
for round in 1 2 3 4; do
  private_x
  playing_two "signal and X server, round $round"
  kill -TERM "$pid"
  kill "$xvfb"
  ended "signal and X server, round $round"
  ((status == 0 || status == 1)) || fail "signal and X server, round $round: status $status"
  saved_two "signal and X server, round $round"
  ! grep -E 'XIO|AddressSanitizer|double free|corrupted' "$work/stderr" ||
    fail "signal and X server, round $round: more than one exit ran"
done
echo "e2e session_end: 9 passed, 0 failed"
