#!/usr/bin/env bash
# Formats the project's C++ files in the style of .clang-format, with the clang-format that
# Debian 12 ships (version 14: another version lays some lines out differently).
#
#   scripts/format.sh [--check] [FILE...]
#
#   --check  changes nothing: fails, naming each file and line that is not formatted so
#   FILE...  only these files (default: every .h and .cpp of the tree, but for the build
#            folders, the hidden ones and tests/style/, whose misformatted file is there to
#            be caught)
#
# CLANG_FORMAT names another clang-format program.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
check=0
if [[ ${1:-} == --check ]]; then
  check=1
  shift
fi

format=${CLANG_FORMAT:-}
if [[ -z $format ]]; then
  format=clang-format-14
  command -v "$format" >/dev/null || format=clang-format
fi
if ! "$format" --version 2>/dev/null | grep -q 'version 14\.'; then
  echo "format: clang-format 14 is needed (Debian 12's clang-format package); found:" \
    "$("$format" --version 2>&1 | head -n 1)" >&2
  exit 2
fi

files=("$@")
if [[ ${#files[@]} -eq 0 ]]; then
  mapfile -d '' files < <(cd "$root" && find . -mindepth 1 \
    \( -path './build*' -o -path './.*' -o -path ./tests/style \) -prune -o \
    -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)
  cd "$root"
fi

if [[ $check -eq 1 ]]; then
  # One warning per place that would change; the status says whether there was one.
  printf '%s\0' "${files[@]}" |
    xargs -0 -n 64 "$format" --style=file --dry-run --Werror --ferror-limit=0 || {
    echo "format: not formatted as .clang-format says; run scripts/format.sh" >&2
    exit 1
  }
else
  printf '%s\0' "${files[@]}" | xargs -0 -n 64 "$format" --style=file -i
fi
