#!/usr/bin/env bash
# Configures and builds into build/ (or the folder given as $1, with extra CMake options
# after it). A development build: warnings are errors (-DVELLARO_WERROR=OFF after the folder
# turns that off).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
shift || true
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLARO_WERROR=ON "$@" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
