#!/usr/bin/env bash
# Prints the .cpp files of the named folders, the most recently changed first: the order in
# which a check that has time for only some of them (the tidy stage of scripts/test.sh)
# takes them. First those changed and not yet committed, then by the time of the last commit
# that touched the file or its header of the same name. Files that tie (one commit made
# them all, or a clone of the last commit alone) follow an order that the commit shuffles:
# each new commit checks another share of them, and one tree the same share each time.
# Without git (a tree unpacked from an archive) the files' own times stand in.
#
#   scripts/sources-newest-first.sh [-C ROOT] FOLDER...
#
# ROOT is the tree's root (default: this script's tree); the folders and the paths printed
# are relative to it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [[ ${1:-} == -C ]]; then
  root=$(cd "$2" && pwd)
  shift 2
fi
cd "$root"
for folder in "$@"; do
  [[ -d $folder ]] || { echo "sources-newest-first: no folder $folder in $root" >&2; exit 2; }
done
# A folder takes in its subfolders; one named beside it (app/panel beside app) adds nothing.
mapfile -t files < <(find "$@" -name '*.cpp' -type f | sed 's|^\./||' | sort -u)
[[ ${#files[@]} -eq 0 ]] && exit 0

# The time of each path's last change, as seconds since the epoch.
declare -A changed
seed=''
if seed=$(git rev-parse -q --verify HEAD 2>/dev/null) &&
  [[ $(git rev-parse --show-toplevel) == "$root" ]]; then
  # The log lists the newest commit first: a path's first time is its last change.
  while read -r time path; do
    changed[$path]=$time
  done < <(git log --format='@%ct' --name-only --no-renames -- "$@" |
    awk '/^@/ { time = substr($0, 2); next } NF && !seen[$0]++ { print time, $0 }')
  # Work not yet committed, and files git does not know yet, come before any commit.
  while read -r path; do
    changed[$path]=9999999999
  done < <(git diff --name-only HEAD -- "$@"; git ls-files --others --exclude-standard -- "$@")
else
  seed=''
  while read -r time path; do
    changed[$path]=${time%.*}
  done < <(find "$@" -type f \( -name '*.cpp' -o -name '*.h' \) -printf '%T@ %p\n' |
    sed 's| \./| |')
fi

for file in "${files[@]}"; do
  header=${file%.cpp}.h
  time=${changed[$file]:-0}
  [[ ${changed[$header]:-0} -gt $time ]] && time=${changed[$header]}
  shuffle=$(printf '%s %s' "$seed" "$file" | sha256sum | cut -c1-16)
  printf '%s %s %s\n' "$time" "$shuffle" "$file"
done | sort -k1,1nr -k2,2 | cut -d' ' -f3-
