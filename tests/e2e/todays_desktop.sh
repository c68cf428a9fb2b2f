#!/usr/bin/env bash
# Phone and screen-sized H.264 clips on a desktop: the video window fits the work area with its
# shape kept, the panel stays on screen over the picture (after a click on it, in full screen and
# after), the keys work after every change of window and for taps quicker than the poll, and
# topmost keeps both windows above. Under a window manager its stacking order has the panel above
# the picture; where a compositing manager runs, what the screen shows at the panel's place is
# compared with what the panel window holds.
source "$(dirname "$0")/common.bash"

# Plain pictures compress to almost nothing: a 30 s clip of each shape is made in a moment.
make_clip() {
  ffmpeg -loglevel error -y -f lavfi -i "color=c=0x3050a0:s=$2:d=30:r=10" -f lavfi -i "sine=d=30" \
    -c:v libx264 -preset ultrafast -pix_fmt yuv420p -c:a aac -shortest "$home/$1" || fail "ffmpeg made no $1"
}
make_clip tall.mp4 1080x1920
make_clip screen.mp4 1280x1024

# crop_at X Y: the CONFIG and POWER buttons, as the screen shows them at the panel's place.
buttons_on_screen() {
  local x y
  read -r x y < <(panel_xy)
  import -window root -crop "46x30+$((x + 13))+$((y + 16))" +repage png:-
}
# The null video output draws nothing: a picture covering the buttons is one colour.
panel_shown() { (($(buttons_on_screen | convert - -format %k info:) > 8)); }
# Under a compositing manager (picom, or xfwm4's own) a window keeps its contents where another
# covers it, and reading a window no longer reads the screen.
composited() { [[ ${FELUX_E2E_WM:-} == *picom* || ${FELUX_E2E_WM:-} == xfwm4 ]]; }
# With a compositor, the screen is the manager's drawing of the windows' own contents: the two
# must agree. Without one, reading a window reads the screen, and panel_shown is the check.
screen_matches_panel() {
  composited || return 0
  local differ
  buttons_on_screen > screen-buttons.png
  import -window "$win" -crop 46x30+13+16 +repage panel-buttons.png
  differ=$(compare -metric AE screen-buttons.png panel-buttons.png null: 2>&1)
  [[ $differ == 0 ]]
}
# The manager's stacking order (bottom first) puts the panel above the picture. Without a manager
# there is no such list, and what the screen shows is the check.
panel_above_video() {
  with_wm || return 0
  local stacking panel video
  stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
  panel=$(list_index "$(printf '0x%x' "$win")" $stacking)
  video=$(list_index "$(printf '0x%x' "$(video_id)")" $stacking)
  [[ -n $panel && -n $video ]] && ((panel > video))
}
# list_index ITEM LIST...: where ITEM stands in LIST, counted from 0; nothing when it is absent.
list_index() {
  local item=$1 i=0
  shift
  for entry; do
    ((entry == item)) && { echo "$i"; return; }
    ((i++))
  done
}
panel_visible() { panel_above_video && panel_shown && screen_matches_panel; }
# video_fits: the window lies wholly on the 1280 x 1024 screen, with the picture's shape.
video_fits() {
  local w h x y
  read -r w h < <(video_geometry | tr x ' ')
  [[ -n ${w:-} ]] || return 1
  read -r x y < <(video_position)
  ((x >= 0 && y >= 0 && x + w <= 1280 && y + h <= 1024)) || return 1
  # Shape: within a pixel of the clip's.
  (( (w * $2 - h * $1) ** 2 <= ($1 + $2) ** 2 )) || return 1
  # A manager takes an undecorated window covering the whole screen for a full-screen one.
  ((w < 1280 || h < 1024))
}
# Taps quicker than the poll, as remote-control tools send them.
tap() { xdotool key "$1"; }

# The first drag after the start moves the panel.
start_player "$home" "$home/tall.mp4"
wait_for "the 1080 x 1920 clip did not open fitting the screen" video_fits 1080 1920
[[ $(video_geometry) =~ x102[0-3]$ ]] || fail "the tall clip is '$(video_geometry)', not about the screen's height"
drag_panel
wait_for "the first drag did not move the panel to 70,90" panel_at "70 90"
wait_for "the panel over the tall picture is not drawn" panel_visible

# Quick taps are seen: were they lost, no number of them would pause. (A tap in the moments
# the player takes no keys is dropped whole, hence the repeats.)
playing=$(still)
tap_until space "quick taps of SPACE did not pause" still_not "$playing"
tap_until space "quick taps of SPACE did not resume" still_is "$playing"

# Zooming in where the window already fills the screen's height changes nothing: the geometry
# stays while taps of X, a second apart to outlast the lockout after the last key, and then SPACE
# go in, and SPACE is taken.
before=$(video_geometry)
for _ in 1 2 3; do
  sleep 1
  tap x
done
tap_until space "SPACE after X did not pause" still_not "$playing"
[[ $(video_geometry) == "$before" ]] || fail "X grew the window from $before to $(video_geometry)"
quit_player

# A clip the size of the screen, under the panel; a click on the picture leaves the panel on top.
start_player "$home" "$home/screen.mp4"
wait_for "the screen-sized clip does not fit" video_fits 1280 1024
wait_for "the panel over the screen-sized picture is not drawn" panel_visible
# picture_click BUTTON: a click on the picture.
picture_click() {
  xdotool mousemove --window "$(video_id)" 640 700 mousedown "$1"
  sleep 0.1
  xdotool mouseup "$1"
}
picture_click 1
wait_for "after a click on the picture the panel is covered" panel_visible

# Full screen, then a click on the picture shows the panel where it stands.
tap_until_video f 1280x1024 "F"
shown_by_click() { picture_click 1; poll 8 panel_visible; }
wait_for "the panel shown in full screen is not drawn" shown_by_click
left_by_click() { picture_click 3; poll 8 video_fits 1280 1024; }
wait_for "a right click did not leave full screen" left_by_click
wait_for "the panel after full screen is not drawn" panel_visible

# A dialog closed with Escape hands the keys back, wherever the pointer rests.
click_until 36 23 1 "CONFIG opened no settings dialog" shown 設定
settings=$(wait_window '^設定$' "CONFIG opened no settings dialog") || exit 1
xdotool mousemove 1270 1010
xdotool key --window "$settings" Escape
wait_for "Escape did not close the settings dialog" gone 設定
playing=$(still)
tap_until space "SPACE after the settings dialog closed did not pause" still_not "$playing"
tap_until space "SPACE after the settings dialog closed did not resume" still_is "$playing"

# Video only (the minimise box's right button): one of the player's windows has the keyboard.
click 384 5 3
wait_for "video-only mode left no player window with the keyboard" player_focused
quit_player

# Topmost: both windows are kept above ordinary ones.
if with_wm; then
  sed -i 's/^topmostMode=.*/topmostMode=1/' "$home/KR02.CFG"
  start_player "$home" "$home/tall.mp4"
  wait_for "the tall clip did not open" video_fits 1080 1920
  above() { xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
  wait_for "topmost left the panel among ordinary windows" above "$win"
  wait_for "topmost left the picture among ordinary windows" above "$(video_id)"
  quit_player
fi

# Lyrics beside a clip are the player's own timed text: the engine burns none of them into the
# picture. A subtitle file beside it is a subtitle track, drawn in the picture. A plain picture
# stays a plain colour (give or take the encoder's few shades) where mpv draws no subtitle; the
# antialiased letters of one bring dozens.
ffmpeg -loglevel error -y -f lavfi -i "color=c=0x3050a0:s=320x240:d=30:r=25" -c:v mpeg1video "$home/song.mpg" ||
  fail "ffmpeg made no song.mpg"
printf '[00:00.00]First <00:00.50>line of the song\r\n[00:20.00]Second line\r\n' > "$home/song.lrc"
# picture_colours SHOT: the colours in the lower part of the picture, where subtitles go, clear
# of the panel dragged over its top.
picture_colours() {
  FELUX_VO=x11 start_player "$home" "$home/song.mpg"
  wait_video 320x240 "the clip beside $1"
  read -r vx vy < <(video_position)
  picture_drawn() { [[ $(import -window root -crop "1x1+$((vx + 160))+$((vy + 200))" txt:- | tail -n1) != *"#000000"* ]]; }
  wait_for "the clip beside $1 shows no picture" picture_drawn
  # A moment for a subtitle, were the engine drawing one, to follow the picture.
  sleep 1
  import -window root "$1.png"
  colours=$(convert "$1.png" -crop "320x90+$vx+$((vy + 150))" -format %k info:)
  quit_player
}
picture_colours lyrics-beside
((colours <= 16)) || fail "the picture holds $colours colours: the engine drew the lyrics into it"
printf '1\r\n00:00:00,000 --> 00:00:30,000\r\nA SUBTITLE LINE\r\n' > "$home/song.srt"
picture_colours subtitles-beside
((colours > 16)) || fail "the picture holds $colours colours: the subtitle file beside the clip was not drawn"
