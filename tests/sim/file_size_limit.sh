#!/bin/bash
# vellaro-sim under a file-size limit (ulimit -f) larger than its standard error and
# smaller than its report page: the write fails as on a full disk, the program says so and
# exits with its failure status (not killed by SIGXFSZ), an existing page is kept and no
# temporary file is left beside it.
# Usage: file_size_limit.sh VELLARO-SIM
set -u
sim=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

echo "the page before" >page.html
(
  ulimit -f 4  # 4 kB
  exec "$sim" --random 5 --seed 1 --summary --report page.html >/dev/null 2>err.txt
)
status=$?
[ "$status" -eq 1 ] || fail "exit status $status, expected 1 (128 and more: killed by a signal)"
grep -q "^vellaro-sim: cannot write the report page 'page.html': .*: File too large$" err.txt ||
  fail "no message of the limit: $(cat err.txt)"
[ "$(cat page.html)" = "the page before" ] || fail "the page before was not kept"
leftover=$(find . -name '.vellaro-*')
[ -z "$leftover" ] || fail "temporary file left: $leftover"
echo "ok"
