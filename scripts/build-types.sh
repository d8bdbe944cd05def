#!/usr/bin/env bash
# Builds every CMake build type with GCC and with Clang, warnings as errors, into
# build-types/<compiler>-<type>; extra CMake options go to every build (for instance
# -DVELLARO_BUILD_APP=OFF for the engine, the backtester and their tests only). Prints one
# line per build and fails if any of them failed; the log of a failed build is left
# as build-types/<compiler>-<type>.log.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
mkdir -p "$root/build-types"
failed=0
for compiler in gcc clang; do
  cxx=$([[ $compiler == gcc ]] && echo g++ || echo clang++)
  for type in Debug Release RelWithDebInfo MinSizeRel; do
    build="$root/build-types/$compiler-$type"
    start=$SECONDS
    if cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="$type" \
         -DCMAKE_CXX_COMPILER="$cxx" -DVELLARO_WERROR=ON "$@" >"$build.log" 2>&1 &&
       cmake --build "$build" --parallel "$(nproc)" >>"$build.log" 2>&1; then
      echo "ok     $compiler $type ($((SECONDS - start)) s)"
      rm -f "$build.log"
    else
      echo "FAILED $compiler $type ($((SECONDS - start)) s): see $build.log"
      failed=1
    fi
  done
done
exit "$failed"
