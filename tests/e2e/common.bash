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

# video_geometry: WxH of the visible video window, empty when it is hidden.
video_geometry() {
  local id
  id=$(xdotool search --onlyvisible --name '^FELUX Video$' 2>/dev/null | head -n1)
  [[ -n $id ]] && xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: //p'
}

# wait_video SIZE WHAT: waits up to four seconds for the video window to be SIZE ("" = hidden).
wait_video() {
  for _ in $(seq 40); do
    [[ $(video_geometry) == "$1" ]] && return 0
    sleep 0.1
  done
  fail "$2: video window is '$(video_geometry)', not '$1'"
}

# click X Y [BUTTON]: a click on the panel, held long enough for the 40 ms tick to see it.
click() {
  xdotool mousemove --window "$win" "$1" "$2"
  sleep 0.1
  xdotool mousedown "${3:-1}"
  sleep 0.15
  xdotool mouseup "${3:-1}"
  sleep 0.4
}

# two_clip_list HOME: writes HOME/two.m3u with the demo clip and the small test clip, and prints its path.
two_clip_list() {
  local root
  root=$(realpath "$(dirname "${BASH_SOURCE[0]}")/../..")
  printf '%s\n%s\n' "$root/resources/demo/demo.mpg" "$root/tests/data/clip.mpg" > "$1/two.m3u"
  echo "$1/two.m3u"
}
