#!/usr/bin/env bash
# The command line as a desktop uses it: --help and --version without a display, unknown options,
# no X display, file:// URLs from a file manager, and files handed to the running player.
source "$(dirname "$0")/common.bash"

out=$(env -u DISPLAY FELUX_HOME="$home/data" "$felux" --help) || fail "--help exited with $?"
for word in --version FELUX_HOME FELUX_VO FELUX_AO "$home/data"; do
  [[ $out == *"$word"* ]] || fail "--help does not mention $word"
done
[[ -e $home/data ]] && fail "--help created the data folder"
[[ $(env -u DISPLAY "$felux" --version) == "felux "[0-9]* ]] || fail "--version"
err=$(FELUX_HOME=$home "$felux" --play-fast "$demo" 2>&1 >/dev/null)
status=$?
[[ $status -eq 2 && $err == *"unknown option '--play-fast'"* ]] || fail "unknown option: status $status, '$err'"
err=$(env -u DISPLAY FELUX_HOME=$home XDG_RUNTIME_DIR=$home "$felux" "$demo" 2>&1)
status=$?
[[ $status -eq 1 && $err == *"cannot open the X display"* ]] || fail "no display: status $status, '$err'"
err=$(DISPLAY=:4711 FELUX_HOME=$home XDG_RUNTIME_DIR=$home "$felux" 2>&1)
[[ $? -eq 1 && $err == *"':4711'"* ]] || fail "unreachable display: '$err'"

# A file manager passes an escaped URL for a name with blanks and non-ASCII letters.
mkdir -p "$home/my clips"
cp "$demo" "$home/my clips/デモ 1.mpg"
cp "$data/clip.mpg" "$home/my clips/clip #2.mpg"
url=$(python3 -c 'import pathlib,sys; print(pathlib.Path(sys.argv[1]).as_uri())' "$home/my clips/デモ 1.mpg")
start_player "$home" "$url"
wait_video 320x240 "file URL"

quit_player
grep -q '^handOverFiles=1'$'\r$' "$home/KR02.CFG" || fail "a new settings file does not hand files over"

# Switched off, a second start stays silent and the list keeps one entry.
sed -i 's/^handOverFiles=1/handOverFiles=0/' "$home/KR02.CFG"
start_player "$home" "$url"
wait_video 320x240 "file URL, hand-over off"
FELUX_HOME=$home XDG_RUNTIME_DIR=$home timeout 60 "$felux" "$home/my clips/clip #2.mpg" || fail "second start failed"
quit_player
[[ $(grep -c '\.mpg'$'\r$' "$home/KR01.tob") -eq 1 ]] || fail "a second start changed the list with hand-over off"
grep -q '^handOverFiles=0'$'\r$' "$home/KR02.CFG" || fail "handOverFiles=0 not kept as stored"

# On (the default), the second start hands its file over and the running player plays it.
sed -i 's/^handOverFiles=0/handOverFiles=1/' "$home/KR02.CFG"
start_player "$home" "$url"
wait_video 320x240 "file URL, second run"
cd "$home/my clips" || fail "no folder"
FELUX_HOME=$home XDG_RUNTIME_DIR=$home timeout 60 "$felux" "clip #2.mpg" || fail "hand-over start failed"
cd - >/dev/null || fail "no folder"
kill -0 "$pid" 2>/dev/null || fail "the running player ended on a hand-over"
# Playing, the engine holds the file open.
handed_file_open() { ls -l "/proc/$pid/fd" 2>/dev/null | grep -q "clip #2.mpg"; }
poll 30 handed_file_open || fail "the player did not open the handed file"
quit_player
grep -q "^$home/my clips/clip #2.mpg"$'\r$' "$home/KR01.tob" || fail "the handed file (relative name) is not in the list"
grep -q "clip #2.mpg" "$home/HIS.tob" || fail "the handed file was not played"
[[ -S $home/felux-open.socket ]] && fail "the socket outlived the player"
echo "e2e command_line: 1 passed, 0 failed"
