#!/usr/bin/env bash
# MPRIS2 on a private session bus: playerctl sees and drives the player as a desktop's media keys do.
if [[ -z ${FELUX_PRIVATE_BUS:-} ]]; then
  FELUX_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/common.bash"
command -v playerctl >/dev/null || fail "playerctl is not installed (scripts/install-deps.sh)"
command -v ffmpeg >/dev/null || fail "ffmpeg is not installed (scripts/install-deps.sh)"
follow=""
at_exit 'kill $follow 2>/dev/null'
# expect WHAT VALUE COMMAND...: waits for the command to print VALUE (a pattern).
expect() {
  local what=$1 want=$2 got
  shift 2
  prints() { got=$("$@"); [[ $got == $want ]]; }
  poll 30 prints "$@" || fail "$what: '$got', not '$want'"
}

start_player "$home" "$(two_clip_list "$home")"
wait_video 320x240 "start"
expect "status at start" Playing pc status
expect "title of a clip without tags" demo pc metadata xesam:title
expect "length" 60[0-9][0-9][0-9][0-9][0-9][0-9] pc metadata mpris:length
expect "url" "file://*/demo.mpg" pc metadata xesam:url

# Changes reach a client that listens, not only one that asks.
playerctl -p felux --follow status > "$home/follow.txt" 2>/dev/null &
follow=$!
# It prints the status it starts with once it listens.
expect "a listening client" "*Playing*" cat "$home/follow.txt"
pc pause
expect "after pause" Paused pc status
expect "signalled pause" "*Paused*" cat "$home/follow.txt"
pc play-pause
expect "after play-pause" Playing pc status

pc position 2
expect "position after a seek" 2.* pc position
pc volume 0.5
expect "volume" 0.5* pc volume

pc next
expect "next entry" "file://*/clip.mpg" pc metadata xesam:url
pc previous
expect "previous entry" "file://*/demo.mpg" pc metadata xesam:url
pc loop None
expect "loop off" None pc loop

# MP3s as ffmpeg tags them: ID3v2.3 in UTF-16, ID3v2.4 in UTF-8, and an ID3v1 tag the v2 text beats.
for v in 3 4; do
  ffmpeg -hide_banner -loglevel error -f lavfi -i sine=frequency=440:duration=4 -ac 2 -ar 44100 \
    -c:a libmp3lame -b:a 128k -id3v2_version $v -write_id3v1 1 -metadata title="Tom & Jerry 日本 v$v" \
    -metadata artist="Bänd $v" -metadata album="Album $v" "$home/tagged$v.mp3" || fail "ffmpeg made no MP3"
  pc open "file://$home/tagged$v.mp3"
  expect "ID3v2.$v title" "Tom & Jerry 日本 v$v" pc metadata xesam:title
  expect "ID3v2.$v artist" "Bänd $v" pc metadata xesam:artist
  expect "ID3v2.$v album" "Album $v" pc metadata xesam:album
done

# Other formats carry their tags in their own containers; the engine reads them.
for ext in m4a flac opus; do
  ffmpeg -hide_banner -loglevel error -f lavfi -i sine=frequency=440:duration=4 -metadata title="Song $ext" \
    -metadata artist="Bänd" -metadata album="LP" -metadata track=3/12 "$home/song.$ext" || fail "ffmpeg made no $ext"
  pc open "file://$home/song.$ext"
  expect "$ext title" "Song $ext" pc metadata xesam:title
  expect "$ext artist" "Bänd" pc metadata xesam:artist
  expect "$ext album" "LP" pc metadata xesam:album
  expect "$ext track number" 3 pc metadata xesam:trackNumber
done

# Desktops find the player's name and icon through the desktop file this names.
expect "desktop entry" '*"io.github.felux.Felux"*' dbus-send --session --print-reply \
  --dest=org.mpris.MediaPlayer2.felux /org/mpris/MediaPlayer2 org.freedesktop.DBus.Properties.Get \
  string:org.mpris.MediaPlayer2 string:DesktopEntry

# The front cover of either tag version (on tracks that outlast a busy machine's polls), as a file
# of the runtime folder ($home) with the picture's bytes; a track without a picture has none.
# Not named cover.*: beside the tracks that would be their folder's cover.
ffmpeg -hide_banner -loglevel error -f lavfi -i color=c=red:size=8x8 -frames:v 1 -c:v png "$home/picture.png" ||
  fail "ffmpeg made no PNG"
art() { pc metadata mpris:artUrl; }
playerctl -p felux --follow metadata mpris:artUrl > "$home/follow-art.txt" 2>/dev/null &
follow="$follow $!"
for v in 3 4; do
  ffmpeg -hide_banner -loglevel error -f lavfi -i sine=frequency=440:duration=30 -i "$home/picture.png" \
    -map 0:a -map 1:v -c:a libmp3lame -b:a 64k -c:v copy -disposition:v attached_pic -metadata:s:v \
    comment="Cover (front)" -id3v2_version $v "$home/cover$v.mp3" || fail "ffmpeg made no MP3 with a cover"
  pc open "file://$home/cover$v.mp3"
  # Both files hold the same picture: the cover is looked at once the new track is seen.
  expect "ID3v2.$v track" "file://$home/cover$v.mp3" pc metadata xesam:url
  expect "ID3v2.$v cover" "file://$home/felux-cover-*.png" art
  cover=$(art)
  cover=${cover#file://}
  cmp -s "$cover" "$home/picture.png" || fail "ID3v2.$v cover: $cover does not hold the picture"
done
expect "signalled cover" "*file://$home/felux-cover-*.png*" cat "$home/follow-art.txt"
pc open "file://$home/tagged4.mp3"
expect "title after the cover" "Tom & Jerry 日本 v4" pc metadata xesam:title
[[ -z $(art) ]] || fail "a track without a picture has the cover '$(art)'"
cover_gone() { [[ ! -e $cover ]]; }
poll 30 cover_gone || fail "the last cover stayed when a track without one played"
# A track without a picture of its own shows its folder's cover.
mkdir "$home/album"
cp "$home/tagged4.mp3" "$home/album/untagged.mp3"
cp "$home/picture.png" "$home/album/Cover.PNG"
pc open "file://$home/album/untagged.mp3"
expect "the folder's cover" "file://$home/felux-cover-*.png" art
cover=$(art)
cmp -s "${cover#file://}" "$home/picture.png" || fail "the folder's cover: $cover does not hold the picture"
pc open "file://$home/cover3.mp3"
expect "the covered track again" "file://$home/cover3.mp3" pc metadata xesam:url
expect "the cover again" "file://$home/felux-cover-*.png" art
cover=$(art)
cover=${cover#file://}

pc stop
expect "stopped" Stopped pc status
[[ -z $(video_geometry) ]] || fail "the video window stayed after stop"

dbus-send --session --dest=org.mpris.MediaPlayer2.felux --type=method_call /org/mpris/MediaPlayer2 \
  org.mpris.MediaPlayer2.Quit || fail "Quit was not accepted"
poll 30 player_gone || fail "Quit did not end the player"
wait "$pid" || fail "player exited with status $?"
grep -q $'^savedVolume=31\r$' "$home/KR02.CFG" || fail "the remote's volume was not saved"
grep -q $'^repeatList=0\r$' "$home/KR02.CFG" || fail "the remote's loop switch was not saved"
[[ ! -e $cover ]] || fail "the cover stayed after the player ended"

# Times at the int64 limits, as any client on the bus may send them, on two clips long enough to
# outlast a busy machine's polls.
ffmpeg -v error -f lavfi -i testsrc=size=160x120:rate=5:duration=30 -c:v libx264 -pix_fmt yuv420p \
  "$home/one.mp4" || fail "ffmpeg could not make a clip"
cp "$home/one.mp4" "$home/two.mp4"
printf '%s\n%s\n' "$home/one.mp4" "$home/two.mp4" > "$home/long.m3u"
call() {
  gdbus call --session --dest org.mpris.MediaPlayer2.felux --object-path /org/mpris/MediaPlayer2 --method "$@" \
    >/dev/null 2>&1
}
player_get() {
  gdbus call --session --dest org.mpris.MediaPlayer2.felux --object-path /org/mpris/MediaPlayer2 \
    --method org.freedesktop.DBus.Properties.Get org.mpris.MediaPlayer2.Player "$1" 2>/dev/null
}
position() { player_get Position | sed -n 's/.*int64 \(-\?[0-9]*\).*/\1/p'; }
track() { player_get Metadata | grep -o "/org/felux/Track/[0-9]*" | sed 's|.*/||'; }
# wait_details: where the player was when a wait_for failed.
wait_details() { echo " (track '$(track)', position '$(position)')"; }
# at TRACK FROM TO: the entry playing is TRACK, between FROM and TO µs.
at() {
  local t p
  t=$(track)
  p=$(position)
  [[ $t == "$1" && -n $p ]] && ((p >= $2 && p < $3))
}

start_player "$home" "$home/long.m3u"
wait_for "the first clip did not start" at 0 0 30000000
pc position 10
wait_for "the first clip did not reach 10 s" at 0 10000000 30000000
pc pause
wait_for "no pause" status_is Paused
call org.mpris.MediaPlayer2.Player.SetPosition /org/felux/Track/0 9223372036854775807 ||
  fail "SetPosition was not accepted"
pc play
wait_for "no play after SetPosition" status_is Playing
at 0 10000000 30000000 || fail "SetPosition(INT64_MAX) moved the clip to $(position) µs"

call org.mpris.MediaPlayer2.Player.Seek -- -1000000000000000000 || fail "Seek back was not accepted"
wait_for "Seek -1e18 did not go to the start of the same clip" at 0 0 5000000
call org.mpris.MediaPlayer2.Player.Seek 1000000000000000000 || fail "Seek ahead was not accepted"
wait_for "Seek 1e18 did not go to the next clip" at 1 0 30000000
kill -0 "$pid" 2>/dev/null || fail "the player died after Seek 1e18"
wait_for "not playing after the far seeks" status_is Playing
# Just below the bound where the offset's 100 ns value stops fitting: still past the end, which
# with the list repeating is the first clip again.
pc loop Playlist
pc position 10
wait_for "the second clip did not reach 10 s" at 1 10000000 30000000
call org.mpris.MediaPlayer2.Player.Seek 922337203685477579 || fail "Seek INT64_MAX/10-1 was not accepted"
wait_for "Seek INT64_MAX/10-1 did not go to the next clip" at 0 0 30000000

# The rate as a desktop sets it: read back, and the position runs that much faster than the wall
# clock (wide bounds: a busy machine stretches both readings). Rates the player cannot take are
# refused (0) or held to its bounds.
set_rate() {
  gdbus call --session --dest org.mpris.MediaPlayer2.felux --object-path /org/mpris/MediaPlayer2 --method \
    org.freedesktop.DBus.Properties.Set org.mpris.MediaPlayer2.Player Rate "<$1>" >/dev/null 2>&1
}
rate_is() { [[ $(player_get Rate) == "(<$1>,)" ]]; }
now_us() { echo $(($(date +%s%N) / 1000)); }
pc position 2
wait_for "the first clip did not go back to 2 s" at 0 2000000 10000000
set_rate 1.5 || fail "Rate 1.5 was not accepted"
wait_for "Rate did not read back 1.5" rate_is 1.5
sleep 0.5
p1=$(position) t1=$(now_us)
sleep 4
p2=$(position) t2=$(now_us)
ratio=$(((p2 - p1) * 100 / (t2 - t1)))
echo "at rate 1.5 the position ran $ratio/100 of the wall clock"
((ratio > 120 && ratio < 200)) || fail "at rate 1.5 the position ran $ratio/100 of the wall clock ($p1 -> $p2 µs)"
set_rate 0 || fail "Rate 0 was not answered"
sleep 0.5
rate_is 1.5 || fail "Rate 0 changed the rate to $(player_get Rate)"
set_rate 0.25
wait_for "Rate 0.25 was not held to the minimum 0.5" rate_is 0.5
set_rate 2.5
wait_for "Rate 2.5 was not held to the maximum 2.0" rate_is 2.0
set_rate 1.0
wait_for "Rate did not go back to 1.0" rate_is 1.0

# Repeat one: at its end the track starts again, under the same title; the other modes read back.
pc loop Track
expect "loop one" Track pc loop
# Each reading polls: one playerctl call may time out on a slow build and print nothing.
expect "title before repeat one" one pc metadata xesam:title
pc position 25
wait_for "the clip did not reach its last seconds" at 0 25000000 30000000
wait_for "the clip did not start again at its end" at 0 0 5000000
expect "title on repeat one" one pc metadata xesam:title
pc loop None
expect "loop off again" None pc loop
pc loop Playlist
expect "loop the list" Playlist pc loop
call org.mpris.MediaPlayer2.Quit || fail "Quit was not accepted"
wait_for "Quit did not end the player" eval '! kill -0 "$pid" 2>/dev/null'
wait "$pid" || fail "player exited with status $?"

# A stream whose server takes the connection and never answers: while the player opens it, the
# remote is answered at once (the figure is printed; the bound only tells an answer from a wait
# for the open's 5 s), and a quit during the open ends the player cleanly.
stall_port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -c 'import socket, sys, time
s = socket.socket(); s.bind(("127.0.0.1", int(sys.argv[1]))); s.listen(8)
open(sys.argv[2], "w").close()
held = [s.accept()]
open(sys.argv[3], "w").close()
time.sleep(600)' "$stall_port" "$home/stall-listening" "$home/stall-began" &
follow="$follow $!"
listening() { [[ -e $home/stall-listening ]]; }
poll 30 listening || fail "the stalling server did not come up"
start_player "$home" "http://127.0.0.1:$stall_port/never.mp4"
began() { [[ -e $home/stall-began ]]; }
poll 30 began || fail "the player never reached the stalling server"
wait_for "the player is not on the bus" player_get PlaybackStatus
before=$(date +%s%N)
answer=$(player_get PlaybackStatus)
after=$(date +%s%N)
ms=$(((after - before) / 1000000))
echo "PlaybackStatus answered in $ms ms while a stream's open stalls"
[[ $answer == *Stopped* ]] || fail "status while opening: '$answer', not Stopped"
((ms < 1000)) || fail "PlaybackStatus took $ms ms while a stream's open stalled"
call org.mpris.MediaPlayer2.Quit || fail "Quit during an open was not accepted"
wait_for "Quit during an open did not end the player" eval '! kill -0 "$pid" 2>/dev/null'
wait "$pid" || fail "player exited with status $? after a quit during an open"
echo "e2e mpris: 1 passed, 0 failed"
