#!/usr/bin/env bash
# scripts/stages.sh, which times the stages of scripts/test.sh: a stage's CPU time counts the
# programs it ran, the table at the end holds every stage that ran and their total, and a
# stage that fails ends the run with its status, named, the later stages not run.
#   check_stage_times.sh <scripts/stages.sh>
set -uo pipefail
stages=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; cat "$work/out"; exit 1; }

cat >"$work/run.sh" <<EOF
set -euo pipefail
source "$stages"
# A few tenths of a second of CPU in children of the stage: hashing zeros.
stage_busy() { head -c 100000000 /dev/zero | sha256sum >/dev/null; }
stage_idle() { :; }
stage_broken() { return 3; }
stage_last() { echo "the last stage ran"; }
run_stage busy
run_stage "\$1"
run_stage last
EOF

bash "$work/run.sh" idle >"$work/out" 2>&1 || fail "a run of passing stages failed"
cpu=$(sed -n 's/^=== stage busy: .* s wall, \(.*\) s CPU$/\1/p' "$work/out")
[[ -n $cpu ]] || fail "no time printed for the stage busy"
awk -v c="$cpu" 'BEGIN { exit !(c >= 0.1) }' || fail "the CPU time of the stage's programs was not counted: $cpu s"
idle=$(sed -n 's/^=== stage idle: .* s wall, \(.*\) s CPU$/\1/p' "$work/out")
awk -v c="$idle" 'BEGIN { exit !(c < 0.1) }' || fail "a stage that ran nothing is charged $idle s of CPU"
table=$(sed -n '/^stage  *wall (s)  *CPU (s)$/,$p' "$work/out" | awk '{ print $1 }' | tr '\n' ' ')
[[ $table == "stage busy idle last total " ]] || fail "the table lists: $table"
total=$(awk '$1 == "total" { print $3 }' "$work/out")
awk -v t="$total" -v c="$cpu" 'BEGIN { exit !(t >= c) }' || fail "the total CPU $total s is below a stage's $cpu s"
grep -q FAILED "$work/out" && fail "a passing run says FAILED"

bash "$work/run.sh" broken >"$work/out" 2>&1
status=$?
[[ $status == 3 ]] || fail "a failed stage's status 3 became $status"
grep -q '^FAILED in stage broken$' "$work/out" || fail "the failed stage is not named"
grep -q 'the last stage ran' "$work/out" && fail "a stage ran after a failed one"
table=$(sed -n '/^stage  *wall (s)  *CPU (s)$/,$p' "$work/out" | awk '{ print $1 }' | tr '\n' ' ')
[[ $table == "stage busy total FAILED " ]] || fail "after a failure the table lists: $table"
echo "stage times: ok"
