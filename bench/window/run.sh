#!/usr/bin/env bash
# Compares the Vellaro window with a bare Qt window of the same size under Xvfb: time from
# process start to the window's first paint and to its complete first frame (every picture
# drawn), peak resident memory, and CPU used while idle. The window starts twice: on an empty
# journal, and on one whose open session of SPINS spins (default 10,000) it resumes. Prints
# the median of each over RUNS runs (default 10), idle measured over IDLE_SECONDS (default 10).
# The three take turns, run by run, so that a slower spell of this shared machine falls on
# all of them alike. The window keeps its rendered pictures between runs, as between a
# player's starts: its first run renders them (that run's figures are printed as it goes).
# A resuming window starts with the settings file the first one wrote, as a player's does.
# BASELINE=<another build folder> adds that build's window, empty and resuming, to the turns,
# so that a change is measured side by side with the build before it; it resumes a session
# its own build wrote (when that build has the writer), so that a change in how the journal
# stores a session is measured too.
# Usage: bench/window/run.sh [build folder]   (default: build/ of the repository)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${1:-$root/build}
runs=${RUNS:-10}
idle=${IDLE_SECONDS:-10}

if [[ ! -x $build/app/vellaro ]]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" --target vellaro
fi
cmake -S "$root/bench/window" -B "$build/bench-window" -G Ninja >/dev/null
cmake --build "$build/bench-window" >/dev/null
cmake --build "$build" --target vellaro_long_session >/dev/null
baseline=${BASELINE:-}

display=
for n in $(seq 150 250); do
  if [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]]; then
    display=:$n
    break
  fi
done
[[ -n $display ]] || { echo "no free X display number" >&2; exit 1; }
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null || true; rm -rf "${config:-}" "${data:-}" "${stored:-}" "${cache:-}"' EXIT
export DISPLAY=$display
for _ in $(seq 100); do
  xdotool getdisplaygeometry >/dev/null 2>&1 && break
  sleep 0.05
done

# The window keeps its settings: each run starts from none, in a folder of its own.
config=$(mktemp -d)
export XDG_CONFIG_HOME=$config
# And its journal: none, or a copy of the long session for each run.
data=$(mktemp -d)
export XDG_DATA_HOME=$data
cache=$(mktemp -d)
export XDG_CACHE_HOME=$cache
stored=$(mktemp -d)
"$build/bench/journal/vellaro_long_session" "$stored/journal.sqlite" "${SPINS:-10000}" >&2
# The baseline's own session, in the format its journal writes.
mkdir "$stored/baseline"
if [[ -n $baseline && -x $baseline/bench/journal/vellaro_long_session ]]; then
  "$baseline/bench/journal/vellaro_long_session" "$stored/baseline/journal.sqlite" \
    "${SPINS:-10000}" >&2
else
  cp "$stored/journal.sqlite" "$stored/baseline/"
fi
ticks_per_second=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# One run: prints "<ms to first paint> <ms to first frame> <peak RSS kB> <idle CPU %>".
# $2: the folder of a long session to start on a copy of; none for an empty journal.
measure() {
  local binary=$1 log pid start painted framed first frame before after
  log=$(mktemp)
  rm -rf "${config:?}/vellaro" "${data:?}/vellaro"
  if [[ -n ${2:-} ]]; then
    mkdir -p "$data/vellaro"
    cp "$2"/journal.sqlite* "$data/vellaro/"
    # With the settings file the window left, as a player's resumed start has it: the
    # window writes the session's options there as soon as it has resumed the session.
    [[ -d $stored/config ]] && cp -r "$stored/config" "$config/vellaro"
  fi
  start=$(date +%s%3N)
  VELLARO_REPORT_FIRST_PAINT=1 "$binary" >"$log" 2>/dev/null &
  pid=$!
  painted=
  for _ in $(seq 1000); do
    painted=$(awk '/^first-paint-ms/ { print $2; exit }' "$log")
    framed=$(awk '/^first-frame-ms/ { print $2; exit }' "$log")
    [[ -n $painted && -n $framed ]] && break
    sleep 0.01
  done
  [[ -n $framed ]] || { echo "no first frame from $binary" >&2; kill "$pid"; exit 1; }
  first=$((painted - start))
  frame=$((framed - start))
  sleep 1  # let start-up work finish before measuring idle
  before=$(cpu_ticks "$pid")
  sleep "$idle"
  after=$(cpu_ticks "$pid")
  local peak
  peak=$(awk '/^VmHWM/ { print $2 }' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  if [[ -n ${2:-} && ! -d $stored/config ]]; then cp -r "$config/vellaro" "$stored/config"; fi
  rm -f "$log"
  awk -v f="$first" -v r="$frame" -v p="$peak" -v t=$((after - before)) \
    -v hz="$ticks_per_second" -v s="$idle" \
    'BEGIN { printf "%d %d %d %.2f\n", f, r, p, 100 * t / hz / s }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

names=(minimal vellaro resumed)
if [[ -n $baseline ]]; then
  [[ -x $baseline/app/vellaro ]] || { echo "no window in $baseline/app" >&2; exit 1; }
  names+=(baseline-vellaro baseline-resumed)
fi
declare -A results files
for name in "${names[@]}"; do files[$name]=$(mktemp); done
for i in $(seq "$runs"); do
  for name in "${names[@]}"; do
    binary=$build/app/vellaro
    [[ $name == minimal ]] && binary=$build/bench-window/minimal_window
    [[ $name == baseline-* ]] && binary=$baseline/app/vellaro
    journal=
    [[ $name == resumed ]] && journal=$stored
    [[ $name == baseline-resumed ]] && journal=$stored/baseline
    measure "$binary" "$journal" >>"${files[$name]}"
    echo "  $name run $i: $(tail -1 "${files[$name]}")" >&2
  done
done
for name in "${names[@]}"; do
  file=${files[$name]}
  results[$name.first]=$(cut -d' ' -f1 "$file" | median)
  results[$name.frame]=$(cut -d' ' -f2 "$file" | median)
  results[$name.peak]=$(cut -d' ' -f3 "$file" | median)
  results[$name.cpu]=$(cut -d' ' -f4 "$file" | median)
  rm -f "$file"
done

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
# One line: the figure of each, the ratios to the minimal window, the targets.
row() {
  local key=$1 what=$2 target=$3 target_resumed=$4
  printf '%-31s %8s %8s %8s %7s %7s  %s\n' "$what" "${results[minimal.$key]}" \
    "${results[vellaro.$key]}" "${results[resumed.$key]}" \
    "$(ratio "${results[vellaro.$key]}" "${results[minimal.$key]}")" \
    "$(ratio "${results[resumed.$key]}" "${results[minimal.$key]}")" "$target / $target_resumed"
}
echo "resumed: the window resuming a session of ${SPINS:-10000} spins from its journal"
printf '%-31s %8s %8s %8s %7s %7s  %s\n' "median of $runs runs" minimal vellaro resumed ratio ratio \
  "targets (vellaro / resumed)"
row first "start to first paint (ms)" "<= 1.5" "<= 1.6"
row frame "start to full first frame (ms)" "<= 1.5" "<= 1.6"
row peak "peak resident memory (kB)" "<= 1.3" "-"
printf '%-31s %8s %8s %8s %7s %7s  %s\n' "idle CPU over ${idle} s (%)" "${results[minimal.cpu]}" \
  "${results[vellaro.cpu]}" "${results[resumed.cpu]}" "-" "-" "<= 1 % of one core"
if [[ -n $baseline ]]; then
  echo "baseline: $baseline, in the same turns"
  for key in first frame peak; do
    what="start to first paint (ms)"
    [[ $key == frame ]] && what="start to full first frame (ms)"
    [[ $key == peak ]] && what="peak resident memory (kB)"
    printf '%-31s %8s %8s %8s %7s %7s\n' "$what" "${results[minimal.$key]}" \
      "${results[baseline-vellaro.$key]}" "${results[baseline-resumed.$key]}" \
      "$(ratio "${results[baseline-vellaro.$key]}" "${results[minimal.$key]}")" \
      "$(ratio "${results[baseline-resumed.$key]}" "${results[minimal.$key]}")"
  done
fi
