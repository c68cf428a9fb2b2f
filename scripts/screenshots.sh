#!/usr/bin/env bash
# Retakes the software-centre screenshots in resources/screenshots/ from a built player on a private
# Xvfb with openbox: the panel playing a video with its timed text, the playlist editor, and the
# lyrics view of a song.
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

# A song with word-timed lyrics; the view caught while a word of its second line fills.
song="$work/Morning tram.flac"
ffmpeg -v error -f lavfi -i sine=frequency=330:duration=60 -c:a flac "$song" || fail "no song"
printf '%s\n' '[00:00.00]<00:00.00>The <00:00.80>morning <00:01.60>tram <00:02.40>is <00:03.20>running <00:04.00>late' \
  '[00:05.00]<00:05.00>Rain <00:05.80>on <00:06.60>the <00:07.40>window, <00:08.20>coffee <00:09.00>in <00:09.40>my <00:09.80>hand' \
  '[00:11.00]<00:11.00>Count <00:11.80>the <00:12.60>stops <00:13.40>and <00:14.20>sing <00:15.00>along' \
  '[00:17.00]<00:17.00>朝の<00:18.00>電車が<00:19.00>走る' > "$work/Morning tram.lrc"
# A data folder of its own: the one above keeps the strip under the video switched on.
mkdir -m 700 "$work/song-home"
FELUX_AO=null start_player "$work/song-home" "$song"
poll 30 player_focused || fail "the player never had the keyboard"
tap_until_video y 640x360 "Y shows the lyrics view"
sleep 8
read -r vx vy < <(video_position)
import -window root "$work/root.png"
convert "$work/root.png" -crop "640x360+$vx+$vy" +repage +dither -colors 64 -strip \
  -define png:compression-level=9 "PNG8:$out/lyrics-view.png" || fail "could not save lyrics-view"
quit_player
ls -l "$out"
