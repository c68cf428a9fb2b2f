#!/usr/bin/env bash
# Damaged, endless, missing and enormous media, lists and data files, each given to the real
# player: it keeps running, Ctrl+Alt+Q quits within two seconds, and the data files stay sound.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/support/panel.bash"
media=$(mktemp -d)
at_exit 'rm -rf "$media"'

# sound: the settings were saved whole and no save left a temporary behind.
sound() {
  [[ $(wc -l < "$home/KR02.CFG") -eq $settings_lines ]] || fail "$1: KR02.CFG is not whole"
  compgen -G "$home/*.tmp*" > /dev/null && fail "$1: a temporary was left: $(ls "$home")"
  return 0
}

# Damaged media of each kind.
: > "$media/zero.mpg"
: > "$media/zero.mp3"
: > "$media/zero.mp4"
head -c 4000 "$data/clip.mpg" > "$media/cut.mpg"
cp "$data/truncated.mp3" "$media/cut.mp3"
head -c 200000 /dev/urandom > "$media/noise.mpg"
head -c 200000 /dev/urandom > "$media/noise.mp3"
head -c 200000 /dev/urandom > "$media/noise.mp4"
# A picture that declares 16384 x 16384 and brings a few bytes of it.
{ printf 'YUV4MPEG2 W16384 H16384 F25:1 Ip A1:1 C420jpeg\nFRAME\n'; head -c 4096 /dev/zero; } > "$media/huge.y4m"
ln -s "$media/gone.mpg" "$media/dangling.mpg"
# The player takes its first argument: each is started on its own.
for file in "$media"/zero.* "$media"/cut.* "$media"/noise.* "$media/huge.y4m" "$media/dangling.mpg" \
  /dev/zero /dev/urandom; do
  start_player "$home" "$file"
  sleep 0.5
  panel_answers "$file"
  quit_player
done
sound "damaged media"

# A list of 100,000 entries; a list with NUL bytes and a line of a megabyte.
for i in $(seq 100000); do echo "/nowhere/clip$i.mpg"; done > "$media/long.m3u"
{
  printf '/a\0b.mpg\n%s\n' "$data/clip.mpg"
  head -c 1048576 /dev/zero | tr '\0' 'x'
  printf '.mpg\n\0\0\0\n'
} > "$media/odd.m3u"
start_player "$home" "$media/long.m3u"
sleep 1
panel_answers "a list of 100,000 entries"
quit_player
sound "a list of 100,000 entries"
start_player "$home" "$media/odd.m3u"
sleep 1
panel_answers "a list with NUL bytes"
quit_player
sound "a list with NUL bytes and a long line"
[[ $(tr -cd '\0' < "$home/KR01.tob" | wc -c) -eq 0 ]] || fail "a NUL byte went into KR01.tob"
grep -q "^$data/clip.mpg"$'\r$' "$home/KR01.tob" || fail "the list lost the clip beside the NUL bytes"

# Ten megabytes of noise in each data file: read as far as they are bounded, replaced at exit.
for f in KR01.tob HIS.tob data.vol; do head -c 10000000 /dev/urandom > "$home/$f"; done
start_player "$home" "$data/clip.mpg"
panel_answers "random data files"
quit_player
sound "random data files"
grep -q "$data/clip.mpg" "$home/HIS.tob" || fail "the history lost the clip after random data"
echo "e2e hostile_media: 1 passed, 0 failed"
