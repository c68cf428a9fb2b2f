# Helpers for the end-to-end scripts: start the player, find its window, quit it with Ctrl+Alt+Q.
# Sourced first by every script, which runs with the player's path as its argument: the script gets
# $felux, the source tree's $root, $data (the test clips), the $demo clip and an empty data folder
# $home; when it ends the player ($pid) is ended, its own steps (at_exit) run and $home goes.
set -u
felux=$1
root=$(realpath "$(dirname "${BASH_SOURCE[0]}")/../..")
data=$root/tests/data
demo=$root/resources/demo/demo.mpg
home=$(mktemp -d)
pid=""
exit_steps=()

# at_exit COMMAND: one more step for the end of the script, after the player is ended and before
# $home is removed.
at_exit() { exit_steps+=("$1"); }
end_of_script() {
  local step
  kill "$pid" 2>/dev/null
  for step in "${exit_steps[@]}"; do eval "$step"; done
  rm -rf "$home"
}
trap end_of_script EXIT

# fail WHAT: reports the failure, keeping the screen and who had the keyboard for a look: a fault
# seen once on a busy machine may not show again.
fail() {
  echo "FAIL: $*"
  if [[ -n ${DISPLAY:-} ]]; then
    import -window root failed-screen.png 2>/dev/null
    [[ -n ${win:-} ]] && import -window "$win" failed-panel.png 2>/dev/null
    echo "keyboard on: $(xdotool getwindowfocus -f 2>/dev/null); $(xprop -root _NET_CLIENT_LIST_STACKING 2>/dev/null)"
  fi
  exit 1
}

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

# The lines of a whole settings file: one for each key the bundled key list names.
settings_lines=$(wc -l < "$root/resources/KR02.sys")

# Every wait polls for the state it needs, with limits generous enough for a machine whose cores
# other work keeps busy: the tests measure what the player does, not how fast the machine is.

# poll SECONDS COMMAND...: runs COMMAND every tenth of a second until it succeeds; false when it
# has not within SECONDS.
poll() {
  local end=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < end)) || return 1
    sleep 0.1
  done
}

# tap KEY: a key pressed and let go as a hand does; held for $hold seconds when that is set.
tap() {
  xdotool keydown "$1"
  sleep "${hold:-0.15}"
  xdotool keyup "$1"
}

# tap_until KEY WHAT COMMAND...: taps KEY until COMMAND succeeds, else fails with WHAT. The player
# takes no keys for some ticks after playback starts, after it is activated and after each key it
# took, and a loaded machine stretches ticks: a tap in such a moment is dropped whole, so it is
# tapped again. A tap that was taken is never repeated while its effect can still be on its way.
tap_until() {
  local key=$1 what=$2 end=$((SECONDS + 60))
  shift 2
  while ((SECONDS < end)); do
    tap "$key"
    poll 5 "$@" && return 0
  done
  fail "$what"
}

# start_player HOME [ARGS...]: sets $pid and $win.
start_player() {
  local home=$1
  shift
  FELUX_HOME=$home XDG_RUNTIME_DIR=$home "$felux" "$@" &
  pid=$!
  win=""
  find_panel() { win=$(xdotool search --name '^ ◎ FELUX$' 2>/dev/null | head -n1); [[ -n $win ]]; }
  poll 60 find_panel || fail "no window titled ' ◎ FELUX'"
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

# player_gone: the player's process has ended.
player_gone() { ! kill -0 "$pid" 2>/dev/null; }

# quit_and_wait [WHAT]: holds Ctrl+Alt+Q, sent to whatever has the keyboard, waits for the exit
# and sets $status to the player's exit status.
quit_and_wait() {
  local end=$((SECONDS + 60))
  while ((SECONDS < end)); do
    # Held as a person would hold it: the poll reads the keys every 40 ms.
    xdotool keydown ctrl alt q
    sleep 0.4
    xdotool keyup q alt ctrl
    poll 10 player_gone && break
  done
  player_gone || fail "${1:+$1: }Ctrl+Alt+Q did not end the player"
  wait "$pid"
  status=$?
}

# quit_player: quit_and_wait, and the player must have exited with status 0.
quit_player() {
  quit_and_wait
  ((status == 0)) || fail "player exited with status $status"
}

# window_id TITLE: the id of a visible window titled exactly TITLE, empty when there is none.
window_id() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }

# shown TITLE / gone TITLE: a window titled TITLE is visible / is not.
shown() { [[ -n $(window_id "$1") ]]; }
gone() { ! shown "$1"; }

# focused TITLE: the window titled TITLE has the keyboard, so that typed keys reach it.
focused() { [[ $(xdotool getwindowfocus getwindowname 2>/dev/null) == "$1" ]]; }

# editor_up: the playlist editor is visible; sets $ed to its window.
editor_up() { ed=$(window_id Torvel); [[ -n $ed ]]; }

# video_id: the id of the visible video window, empty when it is hidden.
video_id() { window_id 'FELUX Video'; }

# video_geometry: WxH of the visible video window, empty when it is hidden.
video_geometry() {
  local id
  id=$(video_id)
  [[ -n $id ]] && xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: //p'
}

# video_shown: the video window is visible.
video_shown() { [[ -n $(video_geometry) ]]; }

# video_is SIZE: the video window is SIZE ("" = hidden).
video_is() { [[ $(video_geometry) == "$1" ]]; }

# wait_video SIZE WHAT: waits for the video window to be SIZE ("" = hidden).
wait_video() {
  poll 30 video_is "$1" || fail "$2: video window is '$(video_geometry)', not '$1'"
}

# tap_until_video KEY SIZE WHAT: taps KEY until the video window is SIZE.
tap_until_video() {
  tap_until "$1" "$3: the video window did not become '$2'" video_is "$2"
}

# show_strip: K adds the timed-text strip under the 320 x 240 picture.
show_strip() {
  tap_until_video k 320x256 "K adds the strip"
}

# video_position: the video window's top-left corner on the screen, as "X Y".
video_position() {
  xdotool getwindowgeometry "$(video_id)" | sed -n 's/.*Position: \([0-9-]*\),\([0-9-]*\).*/\1 \2/p'
}

# panel_xy: the panel's top-left corner on the screen, as "X Y"; panel_at "X Y": it is there.
panel_xy() { xdotool getwindowgeometry "$win" | sed -n 's/.*Position: \([0-9-]*\),\([0-9-]*\).*/\1 \2/p'; }
panel_at() { [[ $(panel_xy) == "$1" ]]; }

# still: a digest of the STILL button as the screen shows it; still_is DIGEST / still_not DIGEST:
# it shows / does not show DIGEST.
still() {
  local x y
  read -r x y < <(panel_xy)
  import -window root -crop "31x21+$((x + 273))+$y" png:- | md5sum
}
still_is() { [[ $(still) == "$1" ]]; }
still_not() { [[ $(still) != "$1" ]]; }

# panel_colours: how many colours the screen shows where the CONFIG and POWER buttons are;
# panel_uncovered: more than the single black of the null video output's picture covering them.
panel_colours() {
  local x y
  read -r x y < <(panel_xy)
  import -window root -crop "46x30+$((x + 13))+$((y + 16))" png:- | convert - -format %k info:
}
panel_uncovered() { (($(panel_colours) > 8)); }

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

# click_until X Y BUTTON WHAT COMMAND...: clicks the panel until COMMAND succeeds, else fails with
# WHAT; like tap_until, for a click that a busy moment of the player dropped.
click_until() {
  local x=$1 y=$2 button=$3 what=$4 end=$((SECONDS + 60))
  shift 4
  while ((SECONDS < end)); do
    click "$x" "$y" "$button"
    poll 8 "$@" && return 0
  done
  fail "$what"
}

# wait_for WHAT COMMAND...: polls COMMAND for up to thirty seconds, else fails with WHAT and what
# the script's wait_details, when it has one, tells of the state then.
wait_for() {
  local what=$1
  shift
  poll 30 "$@" && return 0
  fail "$what$(declare -F wait_details >/dev/null && wait_details)"
}

# pc ARGS...: playerctl, asking the player.
pc() { playerctl -p felux "$@" 2>/dev/null; }

# status_is STATUS: the player's playback status on the session bus is STATUS (Playing, Paused,
# Stopped).
status_is() {
  dbus-send --session --print-reply --dest=org.mpris.MediaPlayer2.felux /org/mpris/MediaPlayer2 \
    org.freedesktop.DBus.Properties.Get string:org.mpris.MediaPlayer2.Player string:PlaybackStatus 2>/dev/null |
    grep -q "\"$1\""
}

# wait_window TITLE WHAT: prints the id of the visible window titled TITLE (a regular expression),
# waiting for it to show. Otherwise it reports WHAT as the failure and returns
# 1: the caller, which captures the id, ends with `|| exit 1`.
wait_window() {
  local id
  for _ in $(seq 300); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)
    [[ -n $id ]] && { echo "$id"; return 0; }
    sleep 0.1
  done
  echo "FAIL: $2" >&2
  return 1
}

# minute_clip FILE: makes FILE, a minute of 320 x 240 picture with a tone, and prints its path.
# Tests whose first clip must still play when they act use it: a clip of a few seconds can end
# while a loaded machine runs the test.
minute_clip() {
  [[ -s $1 ]] || ffmpeg -loglevel error -f lavfi -i "testsrc=size=320x240:rate=25" -f lavfi -i "sine=frequency=440" \
    -t 60 -c:v mpeg1video -q:v 20 -c:a mp2 -b:a 64k -f mpeg "$1" || fail "ffmpeg made no clip"
  echo "$1"
}

# two_clip_list HOME: writes HOME/two.m3u with a minute-long HOME/demo.mpg and the small test
# clip, and prints its path.
two_clip_list() {
  minute_clip "$1/demo.mpg" >/dev/null
  printf '%s\n%s\n' "$1/demo.mpg" "$data/clip.mpg" > "$1/two.m3u"
  echo "$1/two.m3u"
}
