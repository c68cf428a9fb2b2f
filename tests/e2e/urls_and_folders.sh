#!/usr/bin/env bash
# Streams and folders named on the command line: an http URL plays from a local server and stays
# in the list even with missing files removed, other schemes are left out with a message, a URL
# that never answers leaves the player responsive, and a folder lists its files in natural order.
source "$(dirname "$0")/common.bash"
server="" silent=""
at_exit 'kill "$server" "$silent" 2>/dev/null'

# The served clip: MPEG-4 in an MP4 of the demo's size, its index first (the test server answers
# no range requests), or the demo clip itself where ffmpeg is missing.
mkdir "$home/www"
clip=a.mp4
ffmpeg -hide_banner -loglevel error -f lavfi -i testsrc=size=64x48:rate=25:duration=6 \
  -c:v mpeg4 -q:v 10 -movflags +faststart "$home/www/$clip" 2>/dev/null || { clip=a.mpg; cp "$demo" "$home/www/$clip"; }
free_port() { python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }
port=$(free_port)
python3 -m http.server --bind 127.0.0.1 --directory "$home/www" "$port" >/dev/null 2>&1 &
server=$!
serving() { python3 -c 'import sys, urllib.request; urllib.request.urlopen(sys.argv[1], timeout=2)' \
  "http://127.0.0.1:$port/$clip" 2>/dev/null; }
poll 30 serving || fail "the local server did not come up"
url=http://127.0.0.1:$port/$clip

# Other schemes are left out with a word on standard error; the URL and the file play.
start_player "$home" "rtsp://127.0.0.1:1/x.mp4" "$url" "$demo" 2>"$home/err"
wait_video 320x240 "the URL from the command line"
grep -q "cannot play 'rtsp://127.0.0.1:1/x.mp4'" "$home/err" || fail "no message for rtsp: $(cat "$home/err")"
quit_player
grep -qx "$url"$'\r' "$home/KR01.tob" || fail "the URL is not in the list as given: $(cat "$home/KR01.tob")"
grep -q "rtsp:" "$home/KR01.tob" && fail "the rtsp address joined the list"
grep -q "$(pwd)/http" "$home/KR01.tob" && fail "the URL was taken for a relative path"
grep -qx "$url"$'\r' "$home/HIS.tob" || fail "the URL is not in the history as given"

# With missing files removed, the stream is no missing file: the current list plays it again.
sed -i 's/^keepMissingFiles=1/keepMissingFiles=0/' "$home/KR02.CFG"
grep -q '^keepMissingFiles=0' "$home/KR02.CFG" || fail "could not switch the removal of missing files on"
start_player "$home"
wait_video 320x240 "the URL from the current list, missing files removed"
quit_player
grep -qx "$url"$'\r' "$home/KR01.tob" || fail "the URL was removed as a missing file"
sed -i 's/^keepMissingFiles=0/keepMissingFiles=1/' "$home/KR02.CFG"

# A server that takes the connection and never answers: the open gives up within its bound and
# the player still answers its keys.
silent_port=$(free_port)
python3 -c 'import socket, sys, time
s = socket.socket(); s.bind(("127.0.0.1", int(sys.argv[1]))); s.listen(8)
while True:
    time.sleep(60)' "$silent_port" &
silent=$!
start_player "$home" "http://127.0.0.1:$silent_port/never.mp4"
sleep 8
kill -0 "$pid" 2>/dev/null || fail "the player ended on a URL that never answers"
quit_player

# A folder from the command line is scanned as a drop of it is: numbers by value, case ignored.
mkdir -p "$home/folder/sub"
for name in "d 10.mpg" "d 9.mpg" "D 1.mpg" "d 100.mpg"; do cp "$data/clip.mpg" "$home/folder/$name"; done
: > "$home/folder/notes.txt"
cd "$home" || fail "no home"
start_player "$home" folder
cd - >/dev/null || fail "no folder"
poll 30 video_shown || fail "nothing of the folder plays"
quit_player
expected=$(printf '%s\r\n' "$home/folder/D 1.mpg" "$home/folder/d 9.mpg" "$home/folder/d 10.mpg" "$home/folder/d 100.mpg")
[[ $(cat "$home/KR01.tob") == "$expected" ]] || fail "the folder's list is $(cat -A "$home/KR01.tob")"
echo "e2e urls_and_folders: 1 passed, 0 failed"
