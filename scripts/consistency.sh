#!/usr/bin/env bash
# Plays many random evenings through the window's front and checks that every place that
# shows a figure agrees with every other (tests/consistency):
#   scripts/consistency.sh [EVENINGS [FIRST_SEED]]      (10000 evenings from seed 1)
# The evenings are split between JOBS processes (the number of processors). A disagreement
# prints its seed and the evening's actions, shrunk, ready for a regression test. Uses the
# build in $VELLARO_BUILD_DIR (build/ by default), building the harness first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELLARO_BUILD_DIR:-$root/build}
evenings=${1:-10000} first=${2:-1} jobs=${JOBS:-$(nproc)}

cmake --build "$build" --target vellaro_consistency_tests -- -j"$jobs" >/dev/null
harness=$build/tests/consistency/vellaro_consistency_tests

scratch=$(mktemp -d)
# The journals on a memory file system where there is one: their syncs cost nothing there.
shm=""
if [[ -d /dev/shm && -w /dev/shm ]]; then shm=$(mktemp -d /dev/shm/vellaro-consistency-XXXXXX); fi
trap 'rm -rf "$scratch" ${shm:+"$shm"}' EXIT
export HOME=$scratch XDG_DATA_HOME=$scratch/data XDG_CONFIG_HOME=$scratch/config \
       XDG_CACHE_HOME=$scratch/cache XDG_RUNTIME_DIR=$scratch/run TMPDIR=${shm:-$scratch}

start=$EPOCHREALTIME
pids=()
for (( j = 0; j < jobs; j++ )); do
  count=$(( evenings / jobs + (j < evenings % jobs ? 1 : 0) ))
  from=$(( first + j * (evenings / jobs) + (j < evenings % jobs ? j : evenings % jobs) ))
  (( count > 0 )) || continue
  VELLARO_HARNESS_EVENINGS=$count VELLARO_HARNESS_SEED=$from \
    "$harness" --gtest_filter='Consistency.*' >"$scratch/job$j.log" 2>&1 &
  pids+=($!)
done
status=0
for j in "${!pids[@]}"; do
  if ! wait "${pids[$j]}"; then status=1; cat "$scratch/job$j.log"; fi
done
end=$EPOCHREALTIME
# Each kind of disagreement, with its evenings over all the jobs and the first of their seeds.
cat "$scratch"/job*.log | awk '
  /^FAILED / {
    match($0, /: [0-9]+ evenings, seeds /)
    kind = substr($0, 1, RSTART - 1)
    split(substr($0, RSTART + 2), f, " ")
    count[kind] += f[1]
    if (!(kind in seeds)) seeds[kind] = substr($0, RSTART + RLENGTH)
  }
  END { for (k in count) printf "%s: %d evenings, first seeds %s\n", k, count[k], seeds[k] }' | sort
printf '%d evenings from seed %d in %.1f s (%d jobs): %s\n' "$evenings" "$first" \
  "$(awk "BEGIN { print $end - $start }")" "$jobs" "$([[ $status == 0 ]] && echo agree || echo DISAGREE)"
exit $status
