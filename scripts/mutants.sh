#!/usr/bin/env bash
# Breaks one behaviour of the player at a time, the way a slip would, and lists the unit tests
# that catch it. Each mutant replaces one exact piece of text that must occur exactly once in its
# file; one that no longer matches is reported as "did not apply" rather than passing unseen.
# Takes minutes (a rebuild and a run of the unit tests per mutant): run by hand, never by ctest.
# Usage: scripts/mutants.sh [build-dir]
set -uo pipefail
cd "$(dirname "$0")/.." || exit 2
build=${1:-build/default}
tests="$build/tests/felux_unit_tests"

descs=() files=() froms=() tos=()
mutant() { descs+=("$1") files+=("$2") froms+=("$3") tos+=("$4"); }

mutant "pause toggle resumes a paused file" src/core/player/Playback.cpp \
    $'void Playback::TogglePause() {\n    if (paused_)' $'void Playback::TogglePause() {\n    if (!paused_)'
mutant "NEXT at the list's end stops unless the list repeats" src/core/player/Playback.cpp \
    'settings_.repeatList == 0};' 'settings_.repeatList != 0};'
mutant "shuffle order holds every entry once" src/core/player/Playback.cpp \
    'std::iota(shuffleOrder_.begin(), shuffleOrder_.end(), 0);' 'std::iota(shuffleOrder_.begin() + 1, shuffleOrder_.end(), 0);'
mutant "play segment ends at its end time" src/core/player/Playback.cpp \
    '} else if (positionMs < status_.segmentEndMs) {' '} else if (positionMs <= status_.segmentEndMs) {'
mutant "A-B loop needs its minimum length" src/core/model/AbLoop.cpp \
    'if (bMs_ >= aMs_ + kAbMinimumMs) {' 'if (bMs_ > aMs_ + kAbMinimumMs) {'
mutant "keys wait out the lockout after a key" src/core/model/InputGate.h \
    'bool Locked() const { return ticksLeft_ != 0; }' 'bool Locked() const { return ticksLeft_ > 1; }'
mutant "wheel seek step stops at its limit" src/core/wheel/WheelSeek.cpp \
    'std::clamp(step, -kWheelStepLimit, kWheelStepLimit)' 'std::clamp(step, -kWheelStepLimit, kWheelStepLimit - 1)'
mutant "volume level 0 is silence" src/core/engine/Volume.cpp \
    'if (level == 0) return 0.0;' 'if (level < 0) return 0.0;'
mutant "full volume level is full engine volume" src/core/engine/Volume.cpp \
    'static_cast<double>(level - kVolumeFull) / 100.0' 'static_cast<double>(level - kVolumeFull - 1) / 100.0'
mutant "volume log keeps one record per file" src/core/engine/VolumeLog.cpp \
    $'if (!options.autoUpdate || !MayWrite(options, file)) return;\n    Remove(file.nameKey);\n' \
    $'if (!options.autoUpdate || !MayWrite(options, file)) return;\n'
mutant "resume point kept from 5 s on" src/core/player/ResumeMemory.cpp \
    'if (at < kNothingBefore ||' 'if (at <= kNothingBefore ||'
mutant "settings file keeps a window position up to its limit" src/core/settings/SettingsFile.cpp \
    'return v >= -2000 && v <= limit - 5;' 'return v >= -2000 && v < limit - 5;'
mutant "segment suffix needs a path before it" src/core/playlist/PlaySegmentSuffix.cpp \
    'if (!start || start->begin < 3 ||' 'if (!start || start->begin < 2 ||'
mutant "history holds at most its length" src/core/playlist/History.cpp \
    'if (entries_.size() >= kMaxEntries)' 'if (entries_.size() > kMaxEntries)'
mutant "timed-text line shows from its start time" src/core/playlist/IndexList.cpp \
    'std::upper_bound(first + 1, rows_.startMs.end(), ms)' 'std::lower_bound(first + 1, rows_.startMs.end(), ms)'
mutant "word fill steps back after a seek back" src/core/skin/WordTags.h \
    $'    while (segment > 0 && positionMs < timeAt(segment)) --segment;\n' ''
mutant "full-screen fill crops the longer side" src/core/video/VideoSize.cpp \
    'if (h > v) {' 'if (h < v) {'
mutant "hand-over takes up to its file limit" src/core/app/HandOver.cpp \
    'files.empty() || files.size() > kHandOverMaxFiles' 'files.empty() || files.size() >= kHandOverMaxFiles'
mutant "remote seek saturates at the int64 limit" src/core/app/RemoteControl.cpp \
    'if (b > MediaTime{} && a > MediaTime::max() - b)' 'if (b > MediaTime{} && a > MediaTime::max())'
mutant "UTF-8 check rejects an overlong sequence" src/core/io/TextFile.cpp \
    '(len == 2 && cp < 0x80)' '(len == 2 && cp < 0x7F)'

mapfile -t unique_files < <(printf '%s\n' "${files[@]}" | sort -u)
if [[ -n "$(git status --porcelain -- "${unique_files[@]}")" ]]; then
    echo "mutants.sh: uncommitted changes in the files it mutates; commit or stash them first" >&2
    git status --short -- "${unique_files[@]}" >&2
    exit 2
fi

work=$(mktemp -d)
current=""
restore() {
    if [[ -n "$current" ]]; then git checkout -- "$current"; current=""; fi
}
trap 'restore; rm -rf "$work"' EXIT
trap 'exit 130' INT TERM

build_tests() { cmake --build "$build" --target felux_unit_tests >"$work/build.log" 2>&1; }

# The failing tests' names, or what went wrong instead; empty when every test passed.
run_tests() {
    timeout --foreground 600 "$tests" --gtest_brief=1 >"$work/run.log" 2>&1
    local rc=$?
    local names
    names=$(grep -oP '^\[  FAILED  \] \K[A-Za-z0-9_/.]+' "$work/run.log" | sort -u)
    local count
    count=$(grep -c . <<<"$names")
    if [[ -n "$names" ]]; then
        # A long list says little more than its first names.
        head -n 4 <<<"$names" | paste -sd ',' | sed 's/,/, /g'
        ((count > 4)) && echo " (+$((count - 4)) more)"
    elif ((rc != 0)); then
        echo "crashed or timed out (exit $rc)"
    fi
}

echo "Baseline build and run..." >&2
if ! build_tests; then
    cat "$work/build.log" >&2
    echo "mutants.sh: the unmutated tests do not build" >&2
    exit 2
fi
if [[ -n "$(run_tests)" ]]; then
    tail -n 20 "$work/run.log" >&2
    echo "mutants.sh: the unmutated tests fail; fix them first" >&2
    exit 2
fi

results=()
failures=0
for i in "${!descs[@]}"; do
    file=${files[$i]}
    echo "[$((i + 1))/${#descs[@]}] ${descs[$i]}" >&2
    current=$file
    if ! FROM=${froms[$i]} TO=${tos[$i]} perl -e '
        my ($f) = @ARGV;
        local $/;
        open my $h, "<", $f or die "$f: $!";
        my $s = <$h>;
        close $h;
        my $n = () = $s =~ /\Q$ENV{FROM}\E/g;
        exit 3 if $n != 1;
        substr($s, index($s, $ENV{FROM}), length $ENV{FROM}) = $ENV{TO};
        open $h, ">", $f or die "$f: $!";
        print $h $s;
        close $h;' "$file"; then
        outcome="did not apply"
    elif ! build_tests; then
        outcome="did not build"
    else
        outcome=$(run_tests | tr -d '\n')
        [[ -z "$outcome" ]] && outcome="NOT CAUGHT"
    fi
    restore
    case $outcome in "did not apply" | "did not build" | "NOT CAUGHT") ((failures++)) ;; esac
    results+=("${descs[$i]} | $file | $outcome")
done

# Leave the build as the sources are.
build_tests || echo "mutants.sh: rebuilding the restored sources failed" >&2

echo "behaviour | file | tests that failed"
echo "--- | --- | ---"
printf '%s\n' "${results[@]}"
echo "$failures of ${#descs[@]} mutants not caught or not applied" >&2
((failures == 0))
