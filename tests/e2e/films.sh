#!/usr/bin/env bash
# Films as users have them: a phone clip stored sideways opens upright, and a long film reopens where it was left.
if [[ -z ${FELUX_PRIVATE_BUS:-} ]]; then
  FELUX_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/common.bash"
command -v ffmpeg >/dev/null || fail "ffmpeg is not installed (scripts/install-deps.sh)"
command -v playerctl >/dev/null || fail "playerctl is not installed (scripts/install-deps.sh)"
ff() { ffmpeg -hide_banner -loglevel error -y "$@" || fail "ffmpeg could not make $*"; }

# Recorded 320x180 with a quarter turn, as a phone stores an upright picture: shown 180x320.
ff -f lavfi -i testsrc=size=320x180:rate=10:duration=30 -c:v libx264 -preset ultrafast -pix_fmt yuv420p "$home/stored.mp4"
ff -i "$home/stored.mp4" -c copy -metadata:s:v:0 rotate=90 "$home/phone.mp4"
start_player "$home" "$home/phone.mp4"
wait_video 180x320 "a phone clip stored sideways"
quit_player

# Seven minutes, longer than the five from which a film reopens where it was left.
ff -f lavfi -i testsrc=size=160x90:rate=2:duration=420 -c:v libx264 -preset ultrafast -pix_fmt yuv420p "$home/film.mp4"
at_about() { local p; p=$(pc position) && awk -v p="$p" -v lo="$1" -v hi="$2" 'BEGIN { exit !(p >= lo && p <= hi) }'; }
start_player "$home" "$home/film.mp4"
wait_video 160x90 "the film"
poll 30 at_about 0 400 || fail "no position over MPRIS"
pc position 60
poll 30 at_about 60 65 || fail "the seek to 60 s: at $(pc position)"
quit_player
grep -q " $home/film.mp4\$" "$home/data.pos" || fail "data.pos does not keep the film: $(cat "$home/data.pos")"

start_player "$home" "$home/film.mp4"
wait_video 160x90 "the film again"
poll 30 at_about 59 66 || fail "the film did not resume at 60 s: at $(pc position)"
quit_player
