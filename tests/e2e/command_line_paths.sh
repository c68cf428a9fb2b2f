#!/usr/bin/env bash
# A relative file argument is opened from the working folder and stored absolute in the current
# list and the history; scripts/run.sh passes it on from whatever folder it is started in.
set -u
felux=$1
source "$(dirname "$0")/common.bash"
home=$(mktemp -d)
trap 'rm -rf "$home"; kill "$pid" 2>/dev/null' EXIT
root=$(realpath "$(dirname "$0")/../..")
data=$root/tests/data

cd "$data"
start_player "$home" clip.mpg
wait_video 64x48 "a relative argument"
quit_player
grep -qx "$data/clip.mpg"$'\r' "$home/HIS.tob" || fail "the history holds '$(head -n1 "$home/HIS.tob")'"
grep -qx "$data/clip.mpg"$'\r' "$home/KR01.tob" || fail "the current list holds '$(head -n1 "$home/KR01.tob")'"

# run.sh in a copy of the tree whose installer, build and player only record what they are given.
tree=$home/tree
mkdir -p "$tree/scripts" "$tree/build/default" "$home/bin" "$home/work"
cp "$root/scripts/run.sh" "$tree/scripts/"
: > "$tree/scripts/install-deps.sh"
printf '#!/bin/sh\n' > "$home/bin/cmake"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" > "%s/args"\n' "$home" > "$tree/build/default/felux"
chmod +x "$home/bin/cmake" "$tree/build/default/felux"
cd "$home/work"
PATH=$home/bin:$PATH bash "$tree/scripts/run.sh" my clip.mpg || fail "run.sh failed"
[[ $(cat "$home/args") == "$home/work/my"$'\n'"clip.mpg" ]] || fail "run.sh passed '$(cat "$home/args")'"
PATH=$home/bin:$PATH bash "$tree/scripts/run.sh" /abs/clip.mpg || fail "run.sh failed"
[[ $(cat "$home/args") == "/abs/clip.mpg" ]] || fail "run.sh changed an absolute path to '$(cat "$home/args")'"
