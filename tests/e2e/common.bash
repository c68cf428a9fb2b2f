# Helpers for the end-to-end scripts: start the player, find its window, quit it with Ctrl+Alt+Q.
fail() { echo "FAIL: $*"; exit 1; }

# FELUX_E2E_KEEP_GL_DRIVER (the sanitizer run): the player starts with Mesa's software GL driver
# preloaded. mpv's default video output loads the driver and unloads it with its GL context; what
# the driver's statics still point to then looks leaked, from a library LeakSanitizer can no longer
# name. Kept loaded, that memory stays reachable. The wrapper lives beside the player, so paths
# taken from the player's folder still hold.
if [[ -n ${FELUX_E2E_KEEP_GL_DRIVER:-} ]]; then
  gl_driver=$(compgen -G '/usr/lib/*/dri/swrast_dri.so' | head -n1)
  if [[ -n $gl_driver ]]; then
    wrapper=$(dirname "$felux")/felux-with-gl-driver
    printf '#!/bin/sh\nLD_PRELOAD="%s${LD_PRELOAD:+ $LD_PRELOAD}" exec "%s" "$@"\n' "$gl_driver" "$felux" > "$wrapper.$$"
    chmod +x "$wrapper.$$"
    mv -f "$wrapper.$$" "$wrapper"
    felux=$wrapper
  fi
fi

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

# with_wm: true when the test runs under a window manager (with-xvfb.bash, FELUX_E2E_WM).
with_wm() { [[ ${FELUX_E2E_WM:-bare} != bare ]]; }

# focused_window: the window that has the keyboard now.
focused_window() { xdotool getwindowfocus -f 2>/dev/null; }

# player_focused: the keyboard is on one of the player's windows, or on a window inside one.
player_focused() {
  local focus ours w parent
  focus=$(focused_window)
  [[ $focus =~ ^[0-9]+$ ]] || return 1
  ours=" $(xdotool search --name '^(FELUX Video| ◎ FELUX)$' 2>/dev/null | tr '\n' ' ') "
  w=$focus
  for _ in 1 2 3 4 5 6; do
    [[ $ours == *" $w "* ]] && return 0
    parent=$(xwininfo -tree -id "$w" 2>/dev/null | sed -n 's/.*Parent window id: \(0x[0-9a-f]*\).*/\1/p')
    [[ -n $parent ]] || return 1
    # The root's parent is 0x0; xwininfo would ask for a click on it.
    (( parent )) || return 1
    w=$((parent))
  done
  return 1
}

# quit_and_wait [WHAT]: holds Ctrl+Alt+Q, sent to whatever has the keyboard, waits up to two
# seconds for the exit and sets $status to the player's exit status.
quit_and_wait() {
  sleep 0.5
  # Held as a person would hold it: the poll reads the keys every 40 ms.
  xdotool keydown ctrl alt q
  sleep 0.4
  xdotool keyup q alt ctrl
  for _ in $(seq 20); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "${1:+$1: }Ctrl+Alt+Q did not end the player within two seconds"
  wait "$pid"
  status=$?
}

# quit_player: quit_and_wait, and the player must have exited with status 0.
quit_player() {
  quit_and_wait
  ((status == 0)) || fail "player exited with status $status"
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

# show_strip: K adds the timed-text strip under the 320 x 240 picture.
show_strip() {
  sleep 0.8  # keys are ignored for a moment after playback starts
  xdotool keydown k
  sleep 0.15
  xdotool keyup k
  wait_video 320x256 "K adds the strip"
}

# video_position: the video window's top-left corner on the screen, as "X Y".
video_position() {
  xdotool getwindowgeometry "$(xdotool search --onlyvisible --name '^FELUX Video$' | head -n1)" |
    sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p'
}

# drag_panel: drags the panel by bare area 70 pixels right and 90 down, step by step as a hand does.
drag_panel() {
  xdotool mousemove --window "$win" 395 40 mousedown 1
  sleep 0.2
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove_relative -- 7 9
    sleep 0.05
  done
  xdotool mouseup 1
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

# wait_window TITLE WHAT: prints the id of the visible window titled TITLE (a regular expression),
# waiting up to three seconds for it to show. Otherwise it reports WHAT as the failure and returns
# 1: the caller, which captures the id, ends with `|| exit 1`.
wait_window() {
  local id
  for _ in $(seq 30); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)
    [[ -n $id ]] && { echo "$id"; return 0; }
    sleep 0.1
  done
  echo "FAIL: $2" >&2
  return 1
}

# two_clip_list HOME: writes HOME/two.m3u with the demo clip and the small test clip, and prints its path.
two_clip_list() {
  local root
  root=$(realpath "$(dirname "${BASH_SOURCE[0]}")/../..")
  printf '%s\n%s\n' "$root/resources/demo/demo.mpg" "$root/tests/data/clip.mpg" > "$1/two.m3u"
  echo "$1/two.m3u"
}
