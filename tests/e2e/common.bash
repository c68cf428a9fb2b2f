# Helpers for the end-to-end scripts: start the player, find its window, quit it with Ctrl+Alt+Q.
fail() { echo "FAIL: $*"; exit 1; }

# start_player HOME [ARGS...]: sets $pid and $win.
start_player() {
  local home=$1
  shift
  FELUX_HOME=$home XDG_RUNTIME_DIR=$home "$felux" "$@" &
  pid=$!
  win=""
  for _ in $(seq 50); do
    win=$(xdotool search --name '^ ◎ FELUX$' 2>/dev/null | head -n1)
    [[ -n $win ]] && return 0
    sleep 0.1
  done
  fail "no window titled ' ◎ FELUX'"
}

# quit_player: holds Ctrl+Alt+Q over the panel and waits up to two seconds for the exit.
quit_player() {
  sleep 0.5
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
  wait "$pid" || fail "player exited with status $?"
}
