#!/usr/bin/env bash
# Real disks that refuse the exit's saves: the data folder on a 64 KiB tmpfs filled to the last
# block, then remounted read-only. Nothing that was there is lost, no temporary is left, and the
# failure is told once on standard error. Needs the right to mount (root); skipped without it.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/support/refused_saves.bash"
files=(KR02.CFG KR01.tob HIS.tob data.vol)
# The player's data folder is the tmpfs, mounted inside the folder the prologue made.
work=$home
home=$work/disk
mkdir "$home" "$work/old"
at_exit 'umount "$home" 2>/dev/null; rm -rf "$work"'
mount -t tmpfs -o size=64k,mode=0700 tmpfs "$home" 2>/dev/null || { echo "SKIP: no right to mount a tmpfs"; exit 77; }

# The files as two clean runs leave them; the volume log records on its own from then on.
start_player "$home" "$data/clip.mpg"
quit_player
sed -i 's/^volumeLogAutoUpdate=.*/volumeLogAutoUpdate=1\r/' "$home/KR02.CFG"
start_player "$home" "$data/clip.mpg"
quit_player
for f in "${files[@]}"; do
  [[ -f $home/$f ]] || fail "a clean run left no $f"
  cp "$home/$f" "$work/old/$f"
done

# run_on DISK: one start with the other clip, which the exit would add to the saved files.
run_on() {
  start_player "$home" "$data/tone.mp3" 2> "$work/stderr"
  sleep 1
  quit_and_wait "$1 disk"
  (( status == 0 )) || fail "$1 disk: the player ended with status $status"
  saves_refused "$1 disk"
}

# Full: a filler takes every block left.
dd if=/dev/zero of="$home/filler" bs=1k 2>/dev/null
[[ $(df --output=avail -k "$home" | tail -n1 | tr -d ' ') -eq 0 ]] || fail "the tmpfs is not full"
run_on full

rm -f "$home/filler"
mount -o remount,ro "$home" || fail "could not remount the tmpfs read-only"
run_on read-only
echo "e2e full_disk: 1 passed, 0 failed"
