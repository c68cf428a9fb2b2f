#!/usr/bin/env bash
# With no sound output that opens, an MP3 and a clip play silently, one after the other, and
# standard error gets one line about it instead of the sound libraries' complaints per file.
source "$(dirname "$0")/common.bash"
printf '%s\n%s\n' "$data/tone.mp3" "$data/clip.mpg" > "$home/list.m3u"
# ALSA without a configuration opens no device, whatever the machine has.
: > "$home/empty.conf"

exec 3>&2 2>"$home/err"
FELUX_AO=alsa ALSA_CONFIG_PATH=$home/empty.conf start_player "$home" "$home/list.m3u"
exec 2>&3
# The 2 s MP3, then the clip: both play through.
wait_video 64x48 "the clip after the MP3"
quit_player
[[ $(cat "$home/err") == "FELUX: no sound device could be opened; playing without sound" ]] ||
  fail "standard error holds: $(head -c 600 "$home/err")"
