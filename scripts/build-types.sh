#!/usr/bin/env bash
# Builds every CMake build type with GCC and with Clang, warnings as errors, into
# build-types/<compiler>-<type>; extra CMake options go to every build (for instance
# -DVELLARO_BUILD_APP=OFF to leave the window out). Prints one line per build and fails if
# any of them failed; the log of a failed build is left as build-types/<compiler>-<type>.log.
#   VELLARO_BUILDS="gcc-Release clang-Debug"  only these of the eight
#   VELLARO_TARGETS="vellaro_core vellaro-sim" only these targets, not everything
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
all="gcc-Debug gcc-Release gcc-RelWithDebInfo gcc-MinSizeRel"
all+=" clang-Debug clang-Release clang-RelWithDebInfo clang-MinSizeRel"
targets=()
for target in ${VELLARO_TARGETS:-}; do targets+=(--target "$target"); done
mkdir -p "$root/build-types"
failed=0
for name in ${VELLARO_BUILDS:-$all}; do
  compiler=${name%%-*}
  type=${name#*-}
  cxx=$([[ $compiler == gcc ]] && echo g++ || echo clang++)
  build="$root/build-types/$name"
  start=$SECONDS
  if cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="$type" \
       -DCMAKE_CXX_COMPILER="$cxx" -DVELLARO_WERROR=ON "$@" >"$build.log" 2>&1 &&
     cmake --build "$build" --parallel "$(nproc)" "${targets[@]}" >>"$build.log" 2>&1; then
    echo "ok     $name ($((SECONDS - start)) s)"
    rm -f "$build.log"
  else
    echo "FAILED $name ($((SECONDS - start)) s): see $build.log"
    failed=1
  fi
done
exit "$failed"
