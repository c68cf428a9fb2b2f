#!/usr/bin/env bash
# A relative file argument is opened from the working folder and stored absolute in the current
# list and the history; several file arguments (a shell's *.mp4) become several entries in their
# order; scripts/run.sh passes them on, each as meant, from whatever folder it is started in.
source "$(dirname "$0")/common.bash"

cd "$data"
start_player "$home" clip.mpg
wait_video 64x48 "a relative argument"
quit_player
grep -qx "$data/clip.mpg"$'\r' "$home/HIS.tob" || fail "the history holds '$(head -n1 "$home/HIS.tob")'"
grep -qx "$data/clip.mpg"$'\r' "$home/KR01.tob" || fail "the current list holds '$(head -n1 "$home/KR01.tob")'"

mkdir -p "$home/clips"
ffmpeg -v error -f lavfi -i testsrc=size=160x120:rate=5:duration=2 -c:v libx264 -pix_fmt yuv420p \
  "$home/clips/a.mp4" || fail "ffmpeg could not make a clip"
cp "$home/clips/a.mp4" "$home/clips/b.mp4"
cd "$home/clips"
start_player "$home" b.mp4 a.mp4
wait_video 160x120 "two file arguments"
quit_player
expected=$(printf '%s\r\n' "$home/clips/b.mp4" "$home/clips/a.mp4")
[[ $(cat "$home/KR01.tob") == "$expected" ]] || fail "two file arguments left this list: $(cat -A "$home/KR01.tob")"

# run.sh in a copy of the tree whose installer, build and player only record what they are given.
tree=$home/tree
mkdir -p "$tree/scripts" "$tree/build/default" "$home/bin" "$home/work"
cp "$root/scripts/run.sh" "$tree/scripts/"
: > "$tree/scripts/install-deps.sh"
printf '#!/bin/sh\n' > "$home/bin/cmake"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" > "%s/args"\n' "$home" > "$tree/build/default/felux"
chmod +x "$home/bin/cmake" "$tree/build/default/felux"
cd "$home/work"
# Each relative name is made absolute; options before the first file and URLs pass as they are.
PATH=$home/bin:$PATH bash "$tree/scripts/run.sh" --version a.mp4 b.mp4 http://127.0.0.1:1/c.mp4 -d.mp4 ||
  fail "run.sh failed"
printf -v expected '%s\n' --version "$home/work/a.mp4" "$home/work/b.mp4" http://127.0.0.1:1/c.mp4 "$home/work/-d.mp4"
[[ $(cat "$home/args")$'\n' == "$expected" ]] || fail "run.sh passed '$(cat "$home/args")'"
# Words that together name one file stay that one name.
: > "$home/work/my clip.mpg"
PATH=$home/bin:$PATH bash "$tree/scripts/run.sh" my clip.mpg || fail "run.sh failed"
[[ $(cat "$home/args") == "$home/work/my clip.mpg" ]] || fail "run.sh passed '$(cat "$home/args")'"
PATH=$home/bin:$PATH bash "$tree/scripts/run.sh" /abs/clip.mpg || fail "run.sh failed"
[[ $(cat "$home/args") == "/abs/clip.mpg" ]] || fail "run.sh changed an absolute path to '$(cat "$home/args")'"
