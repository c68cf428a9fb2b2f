#!/usr/bin/env bash
# Runs a command on a private Xvfb server. Xvfb picks a free display itself
# (-displayfd), which avoids xvfb-run's race between servers started close together;
# -noreset keeps it from restarting, and refusing clients, whenever the last one leaves.
set -u
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fifo" 2>/dev/null &
xvfb=$!
read -r -t 15 display <"$fifo"
rm -f "$fifo"
if [[ -z ${display:-} ]]; then
  echo "FAIL: Xvfb did not start"
  kill "$xvfb" 2>/dev/null
  exit 1
fi
DISPLAY=:$display "$@"
status=$?
kill "$xvfb" 2>/dev/null
wait "$xvfb" 2>/dev/null
exit "$status"
