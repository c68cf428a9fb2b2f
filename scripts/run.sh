#!/usr/bin/env bash
# Installs what is missing, builds, and starts the player (with the demo clip when no file is named).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
if (($# == 0)); then
  set -- "$PWD/resources/demo/demo.mpg"
fi
exec build/default/felux "$@"
