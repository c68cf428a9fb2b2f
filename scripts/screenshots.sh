#!/usr/bin/env bash
# Retakes the software-centre screenshots in resources/screenshots/ from a built player on a private
# Xvfb with openbox: the panel playing a video with its timed text, and the playlist editor.
# Usage: bash scripts/screenshots.sh [path/to/felux]   (LANG picks the language shown)
set -u
root=$(realpath "$(dirname "$0")/..")
felux=$(realpath "${1:-$root/build/default/felux}")
if [[ -z ${FELUX_SHOTS_ON_XVFB:-} ]]; then
  FELUX_SHOTS_ON_XVFB=1 FELUX_E2E_WM=openbox exec bash "$root/tests/e2e/with-xvfb.bash" bash "$0" "$felux"
fi
source "$root/tests/e2e/common.bash"
work=$(mktemp -d)
pid=""
trap 'kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
out=$root/resources/screenshots
mkdir -p "$out" "$work/home"
chmod 700 "$work/home"

# The clips: a zoom into the Mandelbrot set with lines of timed text, and a list's worth of others.
clip="$work/Mandelbrot zoom.mp4"
ffmpeg -v error -f lavfi -i "mandelbrot=size=640x360:rate=10:start_scale=2.5:end_scale=0.05" -t 20 \
  -c:v libx264 -preset ultrafast -pix_fmt yuv420p "$clip" || fail "ffmpeg made no clip"
printf '%s\n' '[00:00:50]Deeper [00:01:00]into [00:01:50]the [00:02:00]Mandelbrot [00:02:60]set' \
  '[00:05:00]Every [00:05:50]edge [00:06:00]holds [00:06:50]another [00:07:00]shore' \
  '[00:10:00]Zoom [00:10:50]on, [00:11:00]and [00:11:50]on' \
  '[00:15:00]There [00:15:50]is [00:16:00]always [00:16:50]more' > "$work/Mandelbrot zoom.txt"
list=("$clip")
for name in "Evening rain" "Harbour lights" "Night train"; do
  ffmpeg -v error -f lavfi -i sine=frequency=220:duration=5 -c:a libmp3lame "$work/$name.mp3" || fail "no MP3"
  list+=("$work/$name.mp3")
done

# save SHOT WIDTHxHEIGHT: the screen's top-left corner, in at most 128 colours to stay small.
save() {
  import -window root "$work/root.png"
  convert "$work/root.png" -crop "$2+0+0" +repage +dither -colors 128 -strip \
    -define png:compression-level=9 "PNG8:$out/$1.png" || fail "could not save $1"
}

FELUX_AO=null start_player "$work/home" "${list[@]}"
wait_video 640x360 "start"
tap_until_video k 640x384 "K adds the strip"
# A line of text half lit: orange letters in the strip under the picture.
lit() {
  import -window root -crop 640x24+0+420 "$work/strip.png"
  [[ $(convert "$work/strip.png" -fuzz 10% -fill black +opaque '#ff9224' -format '%[fx:mean>0.002]' info:) == 1 ]]
}
poll 30 lit || fail "no lit text under the picture"
save panel 640x445

editor_up() { ed=$(xdotool search --onlyvisible --name '^Torvel( Playlist)?$' 2>/dev/null | head -n1); [[ -n $ed ]]; }
click_until 220 8 3 "no editor window after a right press on FILE" editor_up
xdotool windowmove "$ed" 646 20
editor_moved() { [[ $(xdotool getwindowgeometry "$ed") == *"Position: 64"[6-9]","* ]]; }
poll 30 editor_moved || fail "the editor did not move beside the video"
sleep 1
save playlist-editor 900x445
quit_player
ls -l "$out"
