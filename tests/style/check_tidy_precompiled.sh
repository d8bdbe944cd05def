#!/usr/bin/env bash
# The Release build compiles the window's files with a precompiled header of GCC's
# (target_precompile_headers): each file's command names `-include .../cmake_pch.hxx`, and
# clang finds the .gch beside it, which it cannot read. scripts/tidy.sh must still check such
# a file, as the development build compiles it (no precompiled header): pass a clean one and
# refuse one with a finding.
#   check_tidy_precompiled.sh <the tree's root>
set -uo pipefail
source_root=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}

mkdir -p "$work/build/pch" "$work/src"
# The checks are those of the tree's .clang-tidy, found above the file checked.
cp "$source_root/.clang-tidy" "$work/"
cp "$source_root/tests/style/well_written.cpp" "$source_root/tests/style/tidy_finding.cpp" \
  "$work/src/"
printf '#pragma once\n#include <string>\n' >"$work/build/pch/cmake_pch.hxx"
echo "a precompiled header of GCC's, which clang cannot read" >"$work/build/pch/cmake_pch.hxx.gch"
entry() {
  printf '{"directory": "%s", "file": "%s", "command": "/usr/bin/c++ -std=c++20 -Winvalid-pch' \
    "$work/build" "$work/src/$1"
  printf ' -include %s -o %s.o -c %s"}' "$work/build/pch/cmake_pch.hxx" "$1" "$work/src/$1"
}
echo "[$(entry well_written.cpp), $(entry tidy_finding.cpp)]" >"$work/build/compile_commands.json"

tidy() { "$source_root/scripts/tidy.sh" -p "$work/build" "$@" >"$work/out" 2>&1; }
tidy "$work/src/well_written.cpp" ||
  fail "a clean file built with GCC's precompiled header is refused: $(cat "$work/out")"
tidy "$work/src/tidy_finding.cpp" &&
  fail "a finding in a file built with GCC's precompiled header passes: $(cat "$work/out")"
grep -q 'bugprone-use-after-move' "$work/out" || fail "the finding is not shown: $(cat "$work/out")"
cmp -s <(echo "[$(entry well_written.cpp), $(entry tidy_finding.cpp)]") \
  "$work/build/compile_commands.json" || fail "the build's compile commands were changed"
exit 0
