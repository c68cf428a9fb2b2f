#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the full suite; the unit tests, the soak and
# the end-to-end tests on a bare server against the whole program built with ASan/UBSan (one
# sanitizer build for both); then a short run of each parser's fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default -j2
cmake --preset asan-app >/dev/null
cmake --build --preset asan-app
ctest --preset asan-app -j2
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz -j2
