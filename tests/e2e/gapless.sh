#!/usr/bin/env bash
# The player plays a list of three cuts of one tone, twice over, into mpv's pcm output: one after
# another they must be the tone twice, sample for sample, with no silence and no jump at the joins.
# The output runs faster than real time, so a cut may end before the player has named its
# follower: then the player opens the next one at that end, and that must join just as well.
source "$(dirname "$0")/common.bash"
command -v ffmpeg >/dev/null || fail "ffmpeg is not installed (scripts/install-deps.sh)"
check=$(dirname "$felux")/felux_tone_joins
[[ -x $check ]] || fail "felux_tone_joins is not built beside the player"

# Lengths no decoder block divides; a WAV between two FLACs, all of one sample format.
frames=(61001 70003 45097)
total=$((frames[0] + frames[1] + frames[2]))
ffmpeg -hide_banner -loglevel error -f lavfi -i sine=frequency=440:sample_rate=44100 -ac 2 -c:a pcm_s16le \
  -af atrim=end_sample=$total "$home/tone.wav" || fail "ffmpeg made no tone"
start=0
joins=()
list=()
for i in 0 1 2; do
  ext=flac
  ((i == 1)) && ext=wav
  ffmpeg -hide_banner -loglevel error -i "$home/tone.wav" \
    -af "atrim=start_sample=$start:end_sample=$((start + frames[i])),asetpts=N/SR/TB" "$home/cut$i.$ext" ||
    fail "ffmpeg made no cut $i"
  list+=("$home/cut$i.$ext")
  start=$((start + frames[i]))
  joins+=("$start")
done
for i in 0 1 2; do joins+=($((total + ${joins[i]}))); done
unset 'joins[5]'
printf '%s\n' "${list[@]}" "${list[@]}" > "$home/cuts.m3u"
ffmpeg -hide_banner -loglevel error -i "$home/tone.wav" -i "$home/tone.wav" -filter_complex concat=n=2:v=0:a=1 \
  -c:a pcm_s16le "$home/twice.wav" || fail "ffmpeg could not join the tone to itself"
# The list plays once and stops: a settings file of every key, empty (the default) but this one.
while IFS= read -r key || [[ -n $key ]]; do
  key=${key%%=*}
  key=${key%$'\r'}
  value=
  [[ $key == repeatList ]] && value=0
  printf '%s=%s\r\n' "$key" "$value"
done < "$root/resources/KR02.sys" > "$home/KR02.CFG"

FELUX_AO=pcm FELUX_AO_PCM_FILE=$home/played.wav start_player "$home" "$home/cuts.m3u"
# 16-bit stereo, after a header of at most a few dozen bytes; a short output is left to the check.
played_all() { (($(stat -c %s "$home/played.wav" 2>/dev/null || echo 0) >= total * 8)); }
poll 60 played_all
quit_player
"$check" "$home/twice.wav" "$home/played.wav" "${joins[@]}" || fail "the cuts did not play as the tone"
echo "e2e gapless: 1 passed, 0 failed"
