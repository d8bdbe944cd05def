#!/usr/bin/env bash
# Configures and builds one of the configurations of CMakePresets.json: the development build
# (dev, into build/) unless another preset is named as $1; extra CMake options go after it
# (-DVELLARO_WERROR=OFF turns off warnings as errors, which every preset but package turns
# on). The folder and the targets are the preset's: `cmake --preset dev && cmake --build
# --preset dev` is the same build.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
preset=${1:-dev}
shift || true
cd "$root"
cmake --preset "$preset" "$@" >/dev/null
cmake --build --preset "$preset" --parallel "$(nproc)"
