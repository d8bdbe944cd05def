#!/usr/bin/env bash
# The fuzzers scripts/test.sh runs, tests/fuzz/fuzzers.txt, are the fuzzers tests/fuzz builds:
# a fuzzer left off the list would be built and never run, and each seed corpus exists.
#   check_fuzzer_list.sh <source root>
set -uo pipefail
root=$1
built=$(sed -n 's/^ *add_executable(\([^ )]*_fuzzer\)[ )].*/\1/p' "$root/tests/fuzz/CMakeLists.txt" | sort)
listed=$(grep -v '^#' "$root/tests/fuzz/fuzzers.txt" | awk 'NF { print $1 }' | sort)
status=0
if [[ $built != "$listed" ]]; then
  echo "FAIL: tests/fuzz builds and fuzzers.txt lists different fuzzers:"
  diff <(echo "$built") <(echo "$listed")
  status=1
fi
while read -r target max_len corpora; do
  [[ -z $target || $target == \#* ]] && continue
  [[ $max_len =~ ^[1-9][0-9]*$ ]] || { echo "FAIL: $target: max_len '$max_len'"; status=1; }
  [[ -n $corpora ]] || { echo "FAIL: $target has no seed corpus"; status=1; }
  for corpus in $corpora; do
    [[ -d $root/$corpus ]] || { echo "FAIL: $target: no folder $corpus"; status=1; }
  done
done <"$root/tests/fuzz/fuzzers.txt"
[[ $status == 0 ]] && echo "fuzzer list: ok"
exit "$status"
