# Checks after an exit whose saves the disk refused, for scripts that set $home, $work and $files
# and keep the files' earlier versions in $work/old and the player's standard error in $work/stderr.

# saves_refused WHAT: every data file is as it was, the failure was told once on standard error,
# and no temporary was left.
saves_refused() {
  local f
  for f in "${files[@]}"; do cmp -s "$home/$f" "$work/old/$f" || fail "$1: $f changed"; done
  [[ $(grep -c "could not save" "$work/stderr") -eq 1 ]] ||
    fail "$1: the failure was not told once: $(cat "$work/stderr")"
  compgen -G "$home/*.tmp*" > /dev/null && fail "$1: a temporary was left: $(ls "$home")"
  return 0
}
