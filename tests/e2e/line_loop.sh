#!/usr/bin/env bash
# L loops the timed-text line playing: with lines at 0, 5, 10 and 15 s, L at about 6 s keeps the
# position (MPRIS, on a private bus) between 5 and 10 s for twelve seconds; L again lets it run on.
if [[ -z ${FELUX_PRIVATE_BUS:-} ]]; then
  FELUX_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/common.bash"
command -v playerctl >/dev/null || fail "playerctl is not installed (scripts/install-deps.sh)"
command -v ffmpeg >/dev/null || fail "ffmpeg is not installed (scripts/install-deps.sh)"

clip=$(minute_clip "$home/song.mpg")
printf '[00:00.00]zero\n[00:05.00]five\n[00:10.00]ten\n[00:15.00]fifteen\n' > "$home/song.lrc"

# position: the MPRIS position in whole milliseconds, empty when the player does not answer.
position() { pc position | awk '/^[0-9.]+$/ { printf "%d\n", $1 * 1000 }'; }
# position_in FROM TO: the position lies in [FROM, TO) milliseconds.
position_in() { local p; p=$(position); [[ -n $p ]] && ((p >= $1 && p < $2)); }

start_player "$home" "$clip"
wait_video 320x240 "start"
poll 30 status_is Playing || fail "the clip did not play"
# A click on the panel makes the player the active program; keys act only then.
xdotool mousemove --window "$win" 100 44 click 1
poll 30 player_focused || fail "the player never had the keyboard"

# From 6 s on, a loop shows as the position coming back to just after 5 s. A tap dropped by the
# keys' lockout leaves no loop: the position is set back to 6 s and L is tapped again.
looping=""
for _ in 1 2 3; do
  pc position 6
  poll 20 position_in 6000 8000 || fail "the position never reached 6 s"
  tap l
  if poll 15 position_in 5000 5900; then
    looping=yes
    break
  fi
done
[[ -n $looping ]] || fail "L did not loop the line from 5 to 10 s"

for second in $(seq 12); do
  sleep 1
  p=$(position)
  [[ -n $p ]] && ((p >= 5000 && p <= 10000)) || fail "second $second of the loop: the position is '$p' ms"
done

tap l
if ! poll 20 position_in 10500 60000; then
  tap l
  poll 20 position_in 10500 60000 || fail "L again did not end the loop: the position is '$(position)' ms"
fi
quit_player
