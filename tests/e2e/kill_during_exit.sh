#!/usr/bin/env bash
# Saves that die: killed at each step of the exit sequence's saves, every data file is its old or
# its new version, never a part; on a full or read-only disk nothing is lost and the failure is
# told once on standard error.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/support/refused_saves.bash"
work=$(mktemp -d)
at_exit 'rm -rf "$work"'
files=(KR02.CFG KR01.tob HIS.tob data.vol)
cc -shared -fPIC -O1 -o "$work/dying_disk.so" "$(dirname "$0")/support/dying_disk.c" -ldl ||
  fail "the dying disk stand-in did not build"

# run_with ENV...: one start with the clip and a quit, under the dying disk.
run_with() {
  export LD_PRELOAD=$work/dying_disk.so "$@"
  start_player "$home" "$data/clip.mpg" 2> "$work/stderr"
  unset LD_PRELOAD FELUX_KILL_AT_STEP FELUX_FAIL_SAVES
  sleep 0.5
  quit_and_wait "$*"
}

restore() { for f in "${files[@]}"; do cp "$work/old/$f" "$home/$f"; done; }

# The old versions, then the new ones a clean exit writes from them (the volume log's record
# makes data.vol change too).
start_player "$home" "$data/clip.mpg"
quit_player
sed -i 's/^volumeLogAutoUpdate=.*/volumeLogAutoUpdate=1\r/' "$home/KR02.CFG"
mkdir "$work/old" "$work/new"
for f in "${files[@]}"; do cp "$home/$f" "$work/old/$f"; done
start_player "$home" "$data/clip.mpg"
quit_player
for f in "${files[@]}"; do cp "$home/$f" "$work/new/$f"; done

killed=0
for step in $(seq 1 40); do
  restore
  run_with FELUX_KILL_AT_STEP=$step
  (( status == 0 )) && break
  (( status == 137 )) || fail "step $step: the player ended with status $status"
  killed=$((killed + 1))
  for f in "${files[@]}"; do
    cmp -s "$home/$f" "$work/old/$f" || cmp -s "$home/$f" "$work/new/$f" ||
      fail "step $step: $f is neither its old nor its new version"
  done
done
(( killed >= 8 )) || fail "only $killed kills: the saves were not reached"
(( status == 0 )) || fail "the player was still killed after 40 steps"
# The temporaries the kills left are gone after the next start.
start_player "$home"
quit_player
compgen -G "$home/*.tmp*" > /dev/null && fail "temporaries were left: $(ls "$home")"

for disk in full readonly; do
  restore
  run_with FELUX_FAIL_SAVES=$disk
  (( status == 0 )) || fail "$disk disk: the player ended with status $status"
  saves_refused "$disk disk"
done
echo "e2e kill_during_exit: $killed kills, 1 passed, 0 failed"
