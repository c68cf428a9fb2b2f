#!/usr/bin/env bash
# Installs what is missing, builds the player, and starts it (with the demo clip when no file is named).
set -euo pipefail
# The player starts in the repository, so a relative file name is made absolute here, before
# the change of folder below; options (before the first file) and URLs pass as they are. Words
# that together name one existing file (a name with blanks, unquoted) stay that one name.
args=()
while (($# > 0)) && [[ $1 == -* ]]; do
  args+=("$1")
  shift
  [[ ${args[-1]} == -- ]] && break
done
if (($# > 1)) && [[ -e "$*" ]]; then
  set -- "$*"
fi
for arg in "$@"; do
  if [[ $arg == /* || $arg =~ ^[A-Za-z][A-Za-z0-9+.-]+:// ]]; then
    args+=("$arg")
  else
    args+=("$PWD/$arg")
  fi
done
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target felux
if ((${#args[@]} == 0)); then
  args=("$PWD/resources/demo/demo.mpg")
fi
exec build/default/felux "${args[@]}"
