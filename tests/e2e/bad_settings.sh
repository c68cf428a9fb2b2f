#!/usr/bin/env bash
# Hostile settings files: the player starts, quits cleanly and loses nothing it could read.
source "$(dirname "$0")/common.bash"

# Megabytes of binary garbage and an empty key list: nothing can be saved, so nothing is touched.
head -c 3000000 /dev/urandom > "$home/KR02.CFG"
: > "$home/KR02.sys"
before=$(md5sum < "$home/KR02.CFG")
start_player "$home"
quit_player
[[ $(md5sum < "$home/KR02.CFG") == "$before" ]] || fail "KR02.CFG changed although no key list was there"

# Long values, lines without '=', and the right key list: what was readable survives the exit.
rm "$home/KR02.sys"
long=$(printf 'v%.0s' $(seq 10000))
{
  printf 'first=hello\r\nmainWindowX=40\r\n'
  printf 'no equals sign here\r\n'
  for _ in $(seq 3 13); do printf 'k=1\r\n'; done
  printf 'lastMediaPath=/m/%s.mpg\r\n' "$long"
} > "$home/KR02.CFG"
start_player "$home"
quit_player
grep -q "^lastMediaPath=/m/$long.mpg"$'\r$' "$home/KR02.CFG" || fail "the long value was lost"
grep -q $'^firstLineText=hello\r$' "$home/KR02.CFG" || fail "the first line's value was lost"
[[ $(wc -l < "$home/KR02.CFG") -eq $settings_lines ]] || fail "KR02.CFG does not have $settings_lines lines"
echo "e2e bad_settings: 1 passed, 0 failed"
