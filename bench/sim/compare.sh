#!/usr/bin/env bash
# The engine's speed before and after a change, side by side in one run: replay spins per
# second on one core (Mode 2, the window's defaults: BM_ReplayRows of vellaro_sim_bench), the
# median of RUNS runs with the two builds taking turns, so that both meet the same load; then
# the Monte Carlo of 10,000 evenings of 1,000 spins under the six systems (60 million spins)
# on 2 threads, wall time and CPU time of each build.
#   bench/sim/compare.sh OLD_BUILD_DIR NEW_BUILD_DIR [RUNS]
# Both builds need the targets vellaro_sim_bench and vellaro-sim (a Release build).
set -euo pipefail
old=$1 new=$2 runs=${3:-5}

# Settings and the benchmark's files go to a temporary home, never the real one.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache

spins_per_second() {
  "$1/bench/sim/vellaro_sim_bench" --benchmark_filter='BM_ReplayRows$' --benchmark_format=csv \
    2>/dev/null | awk -F, 'NR == 2 { printf "%.0f\n", $NF }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

old_rates=() new_rates=()
for ((i = 0; i < runs; i++)); do
  old_rates+=("$(spins_per_second "$old")")
  new_rates+=("$(spins_per_second "$new")")
done
old_median=$(printf '%s\n' "${old_rates[@]}" | median)
new_median=$(printf '%s\n' "${new_rates[@]}" | median)
printf '%-44s %14s %14s\n' "replay, one core (spins/s of CPU time)" "before" "after"
printf '%-44s %14s %14s\n' "  runs" "${old_rates[*]// /,}" "${new_rates[*]// /,}" | cut -c1-200
printf '%-44s %14s %14s   x%s\n' "  median of $runs" "$old_median" "$new_median" \
  "$(awk -v a="$old_median" -v b="$new_median" 'BEGIN { printf "%.2f", b / a }')"

monte_carlo() {
  local start end
  start=$(date +%s.%N)
  /usr/bin/time -o "$home/time" -f '%U %S' "$1/tools/sim/vellaro-sim" --runs 10000 --spins 1000 \
    --system all --seed 7 --clock 1700000000 --threads 2 --format csv >"$home/$2.csv" 2>/dev/null
  end=$(date +%s.%N)
  awk -v s="$start" -v e="$end" -v c="$(cat "$home/time")" \
    'BEGIN { split(c, u, " "); printf "%.1f s wall, %.1f s CPU\n", e - s, u[1] + u[2] }'
}
printf '%-44s %s\n' "Monte Carlo, 60 M spins, 2 threads, before" "$(monte_carlo "$old" before)"
printf '%-44s %s\n' "Monte Carlo, 60 M spins, 2 threads, after" "$(monte_carlo "$new" after)"
if cmp -s "$home/before.csv" "$home/after.csv"; then
  echo "Monte Carlo reports: identical"
else
  echo "Monte Carlo reports: DIFFERENT" >&2
  exit 1
fi
