#!/usr/bin/env bash
# Settings at the edges of int and beyond any screen: the windows stay within reach of the
# screen, the panel keeps drawing, Ctrl+Alt+Q quits, and the settings are saved again.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/support/panel.bash"
keys=$root/resources/KR02.sys

# settings NAME=VALUE...: a KR02.CFG in the key list's order, every other value empty.
settings() {
  local key value pair
  while IFS= read -r key || [[ -n $key ]]; do
    key=${key%%=*}
    key=${key%$'\r'}
    value=
    for pair in "$@"; do [[ ${pair%%=*} == "$key" ]] && value=${pair#*=}; done
    printf '%s=%s\r\n' "$key" "$value"
  done < "$keys" > "$home/KR02.CFG"
}

# A square preset far larger than any screen at the largest zoom; 1280x1024 screen: the window
# is fitted into twice the screen.
big=(aspectPresets='16384*16384;4:3;16:9;320*240;352*240;640*480;704*480;720*480;off;off;'
     aspectPresetIndex=0 windowZoomStep=6 secondaryMonitorFix=2147483647 repeatList=1)
settings "${big[@]}"
start_player "$home" "$data/clip.mpg"
# A window manager may shrink it further; it must never be larger.
poll 30 video_shown
size=$(video_geometry)
[[ $size =~ ^([0-9]+)x([0-9]+)$ ]] || fail "no video window with the huge preset"
(( BASH_REMATCH[1] <= 2048 && BASH_REMATCH[2] <= 2048 )) || fail "the video window is $size"
panel_answers "a huge video window"
quit_player
[[ $(wc -l < "$home/KR02.CFG") -eq $settings_lines ]] || fail "KR02.CFG was not saved whole after the huge window"

# The same with the program's own video output, which once crashed on such a window.
settings "${big[@]}"
(
  unset FELUX_VO
  start_player "$home" "$data/clip.mpg"
  sleep 2
  kill -0 "$pid" 2>/dev/null || fail "the player died with its own video output on a huge window"
  quit_player
)

# Every number at the int limits or far past them.
settings windowZoomStep=2147483647 fullScreenZoomStep=-2147483648 secondaryMonitorFix=2147483647 \
  overscanPreset=5 overscanX5=-2147483648 overscanY5=2147483647 overscanScaleX=-2147483648 \
  mainWindowX=1000000000 mainWindowY=-1000000000 videoWindowX=1000000000 videoWindowY=1000000000 \
  editorWindowWidth=-5 editorWindowHeight=-2147483648 fontHeight=1000000000 lineMaskTop=-2147483648 \
  lineMaskBottom=2147483647 searchWait=-1 volumeLogMax=2147483647 wheelNotchFeel=99999999999999 repeatList=1
start_player "$home" "$data/clip.mpg"
sleep 1
panel_answers "settings at the int limits"
# The zoom keys walk from a level at the limits.
for k in x x z; do
  xdotool keydown "$k"
  sleep 0.15
  xdotool keyup "$k"
  sleep 0.3
done
quit_player
[[ $(wc -l < "$home/KR02.CFG") -eq $settings_lines ]] || fail "KR02.CFG was not saved whole after the int limits"
echo "e2e absurd_settings: 1 passed, 0 failed"
