#!/usr/bin/env bash
# A session bus slow to answer: the player starts and plays without waiting for it, and once the bus
# answers the remote is there and the video that plays already holds off the screen saver.
source "$(dirname "$0")/common.bash"
command -v dbus-daemon >/dev/null || { echo "SKIP: dbus-daemon is not installed"; exit 77; }
command -v playerctl >/dev/null || fail "playerctl is not installed (scripts/install-deps.sh)"
stand_in=$(dirname "$felux")/felux_screen_saver_stand_in
[[ -x $stand_in ]] || fail "no $stand_in: build the tests"
daemon="" proxy="" service=""
at_exit 'kill $service $proxy $daemon 2>/dev/null'

# The bus itself, which clients other than the player reach directly.
{ read -r DBUS_SESSION_BUS_ADDRESS; read -r daemon; } < <(dbus-daemon --session --fork --print-address=1 \
  --print-pid=1 --address="unix:path=$home/daemon")
[[ -n $daemon ]] || fail "dbus-daemon did not start"
export DBUS_SESSION_BUS_ADDRESS
calls=$home/calls.txt
"$stand_in" "$calls" &
service=$!
ready() { grep -qx ready "$calls" 2>/dev/null; }
poll 30 ready || fail "the stand-in service did not start"

# The player finds the bus as the user's socket in its runtime folder ($home), which holds back
# everything after the authentication until $home/release exists.
python3 "$root/tests/e2e/support/held_bus.py" "$home/bus" "$home/daemon" "$home/release" &
proxy=$!
listening() { [[ -S $home/bus ]]; }
poll 30 listening || fail "the holding socket did not come up"
# Qt's accessibility bridge asks the session bus itself, and waits, when the first window shows;
# pointed at a bus of its own (none here) it leaves the session bus to the player.
printf '#!/bin/sh\nunset DBUS_SESSION_BUS_ADDRESS\nAT_SPI_BUS_ADDRESS=disabled: exec "%s" "$@"\n' "$felux" \
  > "$home/felux-without-address"
chmod +x "$home/felux-without-address"
felux=$home/felux-without-address

clip=$(minute_clip "$home/demo.mpg")
seen() { [[ $(grep -c "^$1 " "$calls") == "$2" ]]; }
holding() { [[ -e $home/bus.holding ]]; }
# start_held WHAT: starts the player on the clip while the bus holds back its answers; the panel
# comes up and the clip plays without waiting for them, and nothing is on the bus yet.
start_held() {
  local before ms
  rm -f "$home/bus.holding"
  before=$(date +%s%N)
  start_player "$home" "$clip"
  ms=$((($(date +%s%N) - before) / 1000000))
  echo "$1: the panel came up $ms ms after the start, the bus not answering"
  # Only tells a start that waited out libdbus's 25 s for the greeting from one that did not wait.
  ((ms < 15000)) || fail "$1: the panel took $ms ms: the start waited for the bus"
  poll 30 holding || fail "$1: the player never greeted the bus"
  # The ticks run while the greeting waits: the clip is opened and shown.
  wait_video 320x240 "$1"
  [[ ! -e $home/release ]] || fail "$1: released too soon"
  ! status_is Playing || fail "$1: the remote answered through a bus that had not answered the player"
  seen Inhibit 0 || fail "$1: the screen saver was asked before the bus answered: $(cat "$calls")"
}

# A bus that never answers: the player plays on without it and quits cleanly, once libdbus has
# given up on the greeting.
start_held "never answered"
before=$(date +%s%N)
quit_player
echo "never answered: the player ended $((($(date +%s%N) - before) / 1000000)) ms after the quit"

# A bus that answers late: then the remote is there, and the video that already plays holds the
# screen saver off.
start_held "answered late"
touch "$home/release"
wait_for "the remote is not there once the bus answered" status_is Playing
[[ $(pc status) == Playing ]] || fail "playerctl does not see the player: '$(pc status)'"
both_held() { seen Inhibit 1 && seen PortalInhibit 1; }
poll 30 both_held || fail "the playing video did not hold off the screen saver once the bus answered: $(cat "$calls")"
quit_player
poll 10 seen UnInhibit 1 || fail "quitting did not release: $(cat "$calls")"
echo "e2e slow_bus: 2 passed, 0 failed"
