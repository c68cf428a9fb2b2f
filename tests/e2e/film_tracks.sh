#!/usr/bin/env bash
# A film with two dubs and two subtitle tracks: B changes what is heard (read back from the sound
# the engine wrote), V changes the subtitle drawn in the picture, then none, then the first again.
source "$(dirname "$0")/common.bash"
command -v ffmpeg >/dev/null || fail "ffmpeg is not installed (scripts/install-deps.sh)"

# A still blue picture, so that only subtitles change it; a 440 Hz Japanese dub first and a
# 1000 Hz English one; two subtitle tracks of different text, the first marked default.
printf '1\n00:00:00,000 --> 00:02:00,000\nFIRST SUBTITLES\n' > "$home/first.srt"
printf '1\n00:00:00,000 --> 00:02:00,000\nW W W W W W W W\n' > "$home/second.srt"
ffmpeg -hide_banner -loglevel error -y -f lavfi -i "color=c=0x3050a0:s=320x240:d=120:r=10" \
  -f lavfi -i "sine=frequency=440:sample_rate=22050:duration=120" \
  -f lavfi -i "sine=frequency=1000:sample_rate=22050:duration=120" -i "$home/first.srt" -i "$home/second.srt" \
  -map 0:v -map 1:a -map 2:a -map 3:s -map 4:s -c:v libx264 -preset ultrafast -pix_fmt yuv420p -c:a flac -c:s srt \
  -metadata:s:a:0 language=jpn -metadata:s:a:1 language=eng -metadata:s:s:0 language=jpn \
  -metadata:s:s:1 language=eng -disposition:a:0 default -disposition:s:0 default "$home/film.mkv" ||
  fail "ffmpeg made no film.mkv"

# crossings: zero crossings per second of the first channel over the last half second of the
# sound the engine has written, from the WAV header's own layout; nothing while there is less.
wav=$home/audiodump.wav
crossings() {
  local size fmt channels rate bits frames frame from
  [[ -s $wav ]] || return 1
  size=$(stat -c %s "$wav")
  ((size > 44)) || return 1
  read -r fmt < <(od -An -t u4 -j16 -N4 "$wav")
  read -r channels < <(od -An -t u2 -j22 -N2 "$wav")
  read -r rate < <(od -An -t u4 -j24 -N4 "$wav")
  read -r bits < <(od -An -t u2 -j34 -N2 "$wav")
  # Said where the crossings would be, so that the failure names it.
  ((bits == 16 && channels > 0 && rate > 0)) || { echo "none (the sound is $bits-bit, $channels channels)"; return 1; }
  # The data chunk follows the format chunk; its length in the header is only final at the close.
  local data=$((20 + fmt + 8))
  frame=$((channels * 2))
  frames=$((rate / 2))
  (((size - data) / frame >= frames)) || return 1
  from=$((data + ((size - data) / frame - frames) * frame))
  od -An -v -t d2 -j "$from" -N $((frames * frame)) "$wav" |
    awk -v ch="$channels" '{ for (i = 1; i <= NF; i++) { if (n++ % ch) continue; s = ($i >= 0);
      if (seen && s != last) c++; last = s; seen = 1 } } END { print c * 2 }'
}
# hearing HZ: the last half second is a tone of HZ, give or take 15 %.
hearing() { local c; c=$(crossings) && ((c * 100 >= 2 * $1 * 85 && c * 100 <= 2 * $1 * 115)); }

# The engine's sound file lands in the folder the player starts in.
cd "$home" || fail "no folder $home"
FELUX_VO=x11 FELUX_AO=pcm start_player "$home" "$home/film.mkv"
cd - >/dev/null || fail "no way back from $home"
wait_video 320x240 "the film"
xdotool mousemove --window "$win" 100 44 click 1
read -r vx vy < <(video_position)
# subtitle_area: the lower part of the picture, where subtitles go, as raw pixels.
subtitle_area() { import -window root -crop "320x90+$vx+$((vy + 150))" rgb:-; }
colours() { import -window root -crop "320x90+$vx+$((vy + 150))" -format %k info:; }
# A plain picture stays a plain colour (give or take the encoder's few shades); letters bring dozens.
lettered() { (($(colours) > 16)); }
plain() { (($(colours) <= 16)); }
poll 30 lettered || fail "the default subtitle track is not drawn"
sleep 0.5
first=$(subtitle_area | md5sum)

poll 30 hearing 440 || fail "the first dub (440 Hz) is not heard: $(crossings) crossings a second"
tap_until b "B did not switch to the second dub (1000 Hz): $(crossings) crossings a second" hearing 1000
tap_until b "B after the last dub did not come back to the first: $(crossings) crossings a second" hearing 440

shows_other() { lettered && [[ $(subtitle_area | md5sum) != "$first" ]]; }
tap_until v "V did not show the second subtitle track" shows_other
tap_until v "V after the last subtitle track did not turn subtitles off" plain
shows_first() { [[ $(subtitle_area | md5sum) == "$first" ]]; }
tap_until v "V after none did not show the first subtitle track again" shows_first
quit_player
