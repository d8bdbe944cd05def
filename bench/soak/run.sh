#!/usr/bin/env bash
# The full soak of the real window: 300 spins (SPINS to change) entered as fast as the board
# takes them, with refused clicks, undos and option changes, then the export. Prints the
# time taken, the counts and the resident memory at spin 100 and at the end; fails as the
# end-to-end soak test does. SOAK_SEED picks another game.
# Usage: bench/soak/run.sh [build folder]   (default: build/ of the repository)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${1:-$root/build}
spins=${SPINS:-300}

if [[ ! -x $build/app/vellaro ]]; then
  cmake -S "$root" -B "$build" -G Ninja >/dev/null
  cmake --build "$build" --target vellaro
fi
out=$build/bench-soak
started=$SECONDS
"$root/tests/e2e/window_soak.sh" "$build/app/vellaro" "$out" "$spins"
echo "soak: wall time $((SECONDS - started)) s; log, screenshot and program output in $out"
