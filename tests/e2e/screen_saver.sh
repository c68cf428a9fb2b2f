#!/usr/bin/env bash
# The screen saver on a private session bus: a playing video holds it off once, pausing and quitting let it go.
if [[ -z ${FELUX_PRIVATE_BUS:-} ]]; then
  command -v dbus-run-session >/dev/null || { echo "SKIP: dbus-run-session is not installed"; exit 77; }
  FELUX_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/common.bash"
command -v ffmpeg >/dev/null || fail "ffmpeg is not installed (scripts/install-deps.sh)"
stand_in=$(dirname "$felux")/felux_screen_saver_stand_in
[[ -x $stand_in ]] || fail "no $stand_in: build the tests"
service=""
at_exit 'kill $service 2>/dev/null'
clip=$(minute_clip "$home/demo.mpg")
calls=$home/calls.txt

# start_service [OPTIONS...]: a fresh stand-in owning both names, with an empty record.
start_service() {
  [[ -n $service ]] && { kill "$service"; wait "$service" 2>/dev/null; }
  rm -f "$calls"
  "$stand_in" "$calls" "$@" &
  service=$!
  ready() { grep -qx ready "$calls" 2>/dev/null; }
  poll 30 ready || fail "the stand-in service did not start"
}
# count KIND: how many calls of that kind the service got.
count() { grep -c "^$1 " "$calls"; }
# seen KIND N [KIND N...]: exactly these counts.
seen() {
  while (($#)); do [[ $(count "$1") == "$2" ]] || return 1; shift 2; done
}
# nth_word KIND N FIELD: a field of the Nth call of that kind.
nth_word() { grep "^$1 " "$calls" | sed -n "$2p" | cut -d' ' -f"$3"; }
# released_as_held N: the Nth UnInhibit and Close name what the Nth Inhibit handed out.
released_as_held() {
  [[ -n $(nth_word Inhibit "$1" 2) && $(nth_word UnInhibit "$1" 2) == "$(nth_word Inhibit "$1" 2)" ]] &&
    [[ -n $(nth_word PortalInhibit "$1" 3) && $(nth_word Close "$1" 2) == "$(nth_word PortalInhibit "$1" 3)" ]]
}

# A service that comes while the video already plays is asked then; while it was absent the player
# said nothing about it.
start_player "$home" "$clip" 2>"$home/stderr.txt"
wait_video 320x240 "start"
start_service
poll 30 seen Inhibit 1 PortalInhibit 1 || fail "a service that came later was not asked: $(cat "$calls")"
[[ $(nth_word Inhibit 1 3) == FELUX ]] || fail "the inhibition is not FELUX's: $(cat "$calls")"
[[ $(nth_word PortalInhibit 1 2) == 8 ]] || fail "the portal was not asked to hold off idle: $(cat "$calls")"

paused() { seen Inhibit 1 UnInhibit 1 PortalInhibit 1 Close 1; }
tap_until space "SPACE did not release the inhibition: $(cat "$calls")" paused
released_as_held 1 || fail "released other than what was held: $(cat "$calls")"
playing_again() { seen Inhibit 2 UnInhibit 1 PortalInhibit 2 Close 1; }
tap_until space "SPACE again did not inhibit again: $(cat "$calls")" playing_again
[[ $(nth_word Inhibit 2 2) != "$(nth_word Inhibit 1 2)" ]] || fail "no new cookie for the new stretch"
quit_player
seen Inhibit 2 UnInhibit 2 PortalInhibit 2 Close 2 || fail "quitting did not release: $(cat "$calls")"
released_as_held 2 || fail "quitting released other than what was held: $(cat "$calls")"
if grep -qi "screen saver" "$home/stderr.txt"; then
  fail "the absent service was reported: $(cat "$home/stderr.txt")"
fi

# Paused before the service answered: the inhibition is released as soon as its answer comes.
start_service --reply-when "$home/answer"
start_player "$home" "$clip"
wait_video 320x240 "second start"
poll 30 seen Inhibit 1 PortalInhibit 1 || fail "the second start asked nothing: $(cat "$calls")"
tap_until space "SPACE did not pause the second start" status_is Paused
seen Inhibit 1 UnInhibit 0 PortalInhibit 1 Close 0 || fail "released before anything was handed out: $(cat "$calls")"
touch "$home/answer"
poll 30 seen Inhibit 1 UnInhibit 1 PortalInhibit 1 Close 1 || fail "the late answer was not released: $(cat "$calls")"
released_as_held 1 || fail "the late answer was released as something else: $(cat "$calls")"
quit_player
seen Inhibit 1 UnInhibit 1 PortalInhibit 1 Close 1 || fail "a paused player released again at exit: $(cat "$calls")"

# A desktop that serves the screen saver at its older object path.
start_service --path /ScreenSaver
start_player "$home" "$clip"
wait_video 320x240 "third start"
poll 30 seen Inhibit 1 || fail "the older object path was not found: $(cat "$calls")"
quit_player
seen Inhibit 1 UnInhibit 1 || fail "the older object path was not released: $(cat "$calls")"
# Answers that are not a 32-bit cookie hold nothing of ours: nothing made up is released, and the
# player says once what it got.
for kind in string uint64; do
  start_service --answer-as "$kind"
  start_player "$home" "$clip" 2>"$home/stderr.txt"
  wait_video 320x240 "a start with a $kind answer"
  poll 30 seen Inhibit 1 || fail "a $kind answer: nothing asked: $(cat "$calls")"
  quit_player
  seen Inhibit 1 UnInhibit 0 || fail "a $kind answer was released as a cookie: $(cat "$calls")"
  grep -q "answered '[st]' where 'u' was due" "$home/stderr.txt" ||
    fail "a $kind answer went unsaid: $(cat "$home/stderr.txt")"
done

# A service that gives its names up and takes them again: what it handed out is released where
# it came from and one new inhibition is taken, so it never holds two of ours.
start_service --retake-when "$home/retake"
start_player "$home" "$clip"
wait_video 320x240 "a start before the names are retaken"
poll 30 seen Inhibit 1 PortalInhibit 1 || fail "nothing asked before the retake: $(cat "$calls")"
touch "$home/retake"
poll 30 seen Inhibit 2 UnInhibit 1 PortalInhibit 2 Close 1 ||
  fail "the retaken names gathered inhibitions: $(cat "$calls")"
released_as_held 1 || fail "released other than what the first owner held: $(cat "$calls")"
quit_player
seen Inhibit 2 UnInhibit 2 PortalInhibit 2 Close 2 || fail "quitting after the retake: $(cat "$calls")"
released_as_held 2 || fail "quitting released other than what was held after the retake: $(cat "$calls")"
echo "PASS"
