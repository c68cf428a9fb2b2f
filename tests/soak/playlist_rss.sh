#!/usr/bin/env bash
# A long real run: the player loops a list of short clips under a private Xvfb while its resident
# memory is sampled every minute; prints the samples and the slope. By hand: it takes MINUTES.
# Usage: playlist_rss.sh PLAYER [MINUTES]
set -u
felux=$(realpath "$1")
minutes=${2:-20}
root=$(realpath "$(dirname "$0")/../..")
home=$(mktemp -d)
trap 'kill "$player" "$xvfb" 2>/dev/null; rm -rf "$home"' EXIT

exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null &
xvfb=$!
read -r -t 10 display <&3 || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$display

for _ in 1 2 3; do
  printf '%s\n%s\n%s\n' "$root/tests/data/clip.mpg" "$root/tests/data/tone.mp3" "$root/resources/demo/demo.mpg"
done > "$home/loop.m3u"
FELUX_HOME=$home XDG_RUNTIME_DIR=$home FELUX_VO=${FELUX_VO:-null} FELUX_AO=${FELUX_AO:-null} "$felux" "$home/loop.m3u" &
player=$!
samples=()
for minute in $(seq 0 "$minutes"); do
  (( minute > 0 )) && sleep 60
  kill -0 "$player" 2>/dev/null || { echo "the player ended after $minute minutes"; exit 1; }
  rss=$(awk '/^VmRSS/ {print $2}' "/proc/$player/status")
  samples+=("$minute $rss")
  echo "minute $minute: RSS $rss KiB"
done
# Least-squares slope over the samples after the first minute, when start-up has settled.
printf '%s\n' "${samples[@]}" | awk 'NR > 2 { n++; sx += $1; sy += $2; sxx += $1 * $1; sxy += $1 * $2 }
  END { if (n > 1) printf "slope: %.1f KiB per minute over %d samples\n", (n * sxy - sx * sy) / (n * sxx - sx * sx), n }'
