#!/usr/bin/env bash
# Runs clang-tidy (Debian 12's, version 14) with the checks of .clang-tidy, on the
# compile commands of a build, and fails on any finding.
#
#   scripts/tidy.sh [-p BUILD] [--budget SECONDS] [--all | --since REF | FILE...]
#
#   -p BUILD     the build whose compile_commands.json says how each file is compiled
#                (default build/; the dev build writes it)
#   --all        every .cpp of the build: about 30 CPU-minutes, run on all cores
#   --since REF  the .cpp files changed since REF (committed or not), and those named as a
#                changed header (default: since the merge-base with origin/main, or main):
#                what a branch changed
#   FILE...      only these files
#   --budget S   check the files in the order given, one a processor, and start no more once
#                those checked have used S seconds of CPU: the rest are named (CI's stage)
#
# CLANG_TIDY names another clang-tidy program.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build
mode=since
since=''
files=()
budget=''
while [[ $# -gt 0 ]]; do
  case $1 in
    -p) build=$(cd "$2" && pwd); shift 2 ;;
    --all) mode=all; shift ;;
    --since) since=$2; shift 2 ;;
    --budget) budget=$2; shift 2 ;;
    -*) sed -n '5,17s/^# \{0,1\}//p' "$0" >&2; exit 2 ;;
    *) mode=files; files+=("$1"); shift ;;
  esac
done

tidy=${CLANG_TIDY:-}
if [[ -z $tidy ]]; then
  tidy=clang-tidy-14
  command -v "$tidy" >/dev/null || tidy=clang-tidy
fi
if ! "$tidy" --version 2>/dev/null | grep -q 'version 14\.'; then
  echo "tidy: clang-tidy 14 is needed (Debian 12's clang-tidy package)" >&2
  exit 2
fi
if [[ ! -f $build/compile_commands.json ]]; then
  echo "tidy: no $build/compile_commands.json: configure the build first" >&2
  exit 2
fi

# The Release build's commands are not those the files are checked with, in two ways; the
# checks see a copy of them put right, as the development build compiles (one file a
# command, no precompiled header):
# - the window's files name a precompiled header of GCC's (target_precompile_headers),
#   `-include .../cmake_pch.hxx`, and clang takes the .gch beside it for its own and cannot
#   read it, so none of them would compile;
# - the big test programs are unity builds: their files are named only in the generated
#   Unity/unity_N_cxx.cxx that includes them, and clang would guess a command for each from
#   another file, without the include folders it needs. Each gets its batch's command.
if grep -q 'cmake_pch\.hxx\|/Unity/unity_' "$build/compile_commands.json"; then
  plain=$(mktemp -d)
  trap 'rm -rf "$plain"' EXIT
  python3 -c '
import json, os, re, shlex, sys
def without_pch(args):
    kept = []
    for arg in args:
        if kept and kept[-1] == "-include" and arg.endswith("cmake_pch.hxx"):
            kept.pop()
        else:
            kept.append(arg)
    return kept
def for_file(entry, path):
    if "arguments" in entry:
        args = [path if arg == entry["file"] else arg for arg in entry["arguments"]]
        return {**entry, "file": path, "arguments": args}
    args = [path if arg == entry["file"] else arg for arg in shlex.split(entry["command"])]
    return {**entry, "file": path, "command": shlex.join(args)}
entries = json.load(open(sys.argv[1]))
named = {entry["file"] for entry in entries}
for entry in list(entries):
    if re.search(r"/Unity/unity_\w+\.cxx$", entry["file"]) and os.path.isfile(entry["file"]):
        for path in re.findall(r"^#include \"(.+)\"$", open(entry["file"]).read(), re.M):
            if path not in named:
                named.add(path)
                entries.append(for_file(entry, path))
for entry in entries:
    if "arguments" in entry:
        entry["arguments"] = without_pch(entry["arguments"])
    if "command" in entry:
        entry["command"] = shlex.join(without_pch(shlex.split(entry["command"])))
json.dump(entries, open(sys.argv[2], "w"), indent=0)
' "$build/compile_commands.json" "$plain/compile_commands.json"
  build=$plain
fi

# The project's sources the build compiles, from the root; not the generated ones.
compiled() {
  python3 -c '
import json, sys
root = sys.argv[2] + "/"
for entry in json.load(open(sys.argv[1])):
    path = entry["file"]
    if path.startswith(root) and not path[len(root):].startswith("build"):
        print(path[len(root):])
' "$build/compile_commands.json" "$root" | sort -u
}

case $mode in
  all) mapfile -t files < <(compiled) ;;
  since)
    cd "$root"
    if [[ -z $since ]]; then
      # Without a main branch to start from (a clone of one branch), the last commit.
      since=$(git merge-base HEAD origin/main 2>/dev/null || git merge-base HEAD main 2>/dev/null ||
        git rev-parse HEAD~1)
    fi
    # A changed header brings in the .cpp of the same name, which checks it as well.
    mapfile -t changed < <(git diff --name-only --diff-filter=d "$since" -- '*.cpp' '*.h' |
      sed 's/\.h$/.cpp/' | sort -u)
    mapfile -t files < <(comm -12 <(printf '%s\n' "${changed[@]}" | sort) <(compiled))
    ;;
esac
if [[ ${#files[@]} -eq 0 ]]; then
  echo "tidy: no file to check"
  exit 0
fi

cd "$root"
# Headers are checked where the project's sources include them; the build folders' are not
# the project's to fix.
folders=$(find "$root" -mindepth 1 -maxdepth 1 -type d ! -name 'build*' ! -name '.*' \
  -printf '%f|' | sed 's/|$//')
check() {
  "$tidy" -p "$build" --quiet --extra-arg=-Wno-unknown-warning-option \
    --header-filter="^$root/($folders)/" "$@" 2>/dev/null
}
found() {
  echo "tidy: findings above (or a file that did not compile); fix them, or say in a" \
    "NOLINT(check) comment why the code is right" >&2
  exit 1
}


# shellcheck source=scripts/children_cpu.sh
source "$root/scripts/children_cpu.sh"

# Checks the files in their order, as many at a time as there are processors, and starts
# none once the checks that ended have used the budget's CPU seconds; the run may go past
# the budget by the checks still running then. Fails if a check found something.
check_within_budget() {
  local budget_ms start running=0 started=0 failed=0 file
  budget_ms=$(awk -v s="$1" 'BEGIN { printf "%d", s * 1000 }')
  shift
  children_cpu_ms
  start=$children_cpu
  for file in "$@"; do
    children_cpu_ms
    ((children_cpu - start < budget_ms)) || break
    check "$file" &
    started=$((started + 1))
    running=$((running + 1))
    if ((running >= $(nproc))); then
      wait -n || failed=1
      running=$((running - 1))
    fi
  done
  while ((running > 0)); do
    wait -n || failed=1
    running=$((running - 1))
  done
  children_cpu_ms
  local spent=$((children_cpu - start))
  echo "tidy: $started of $# files checked in $((spent / 1000)).$((spent % 1000 / 100)) CPU-s"
  ((started == $#)) || echo "tidy: not checked this time (over the budget): ${*:started+1}"
  return $failed
}

if [[ -n $budget ]]; then
  check_within_budget "$budget" "${files[@]}" || found
  exit 0
fi
echo "tidy: ${#files[@]} files"
export -f check
export tidy build root folders
printf '%s\0' "${files[@]}" | xargs -0 -n 1 -P "$(nproc)" bash -c 'check "$1"' check || found
