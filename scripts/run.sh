#!/usr/bin/env bash
# Installs what is missing, builds, and starts the player (with the demo clip when no file is named).
set -euo pipefail
# The arguments are joined into one path by the player: a relative one is made absolute here,
# before the change of folder below.
if (($# > 0)) && [[ $1 != /* ]]; then
  set -- "$PWD/$1" "${@:2}"
fi
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
if (($# == 0)); then
  set -- "$PWD/resources/demo/demo.mpg"
fi
exec build/default/felux "$@"
