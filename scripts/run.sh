#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
cmake -S "$here" -B "$here/build" -G Ninja >/dev/null
cmake --build "$here/build" --target ZRW7310N_II
exec "$here/build/root/V200/ZRW7310N_II" "$@"
