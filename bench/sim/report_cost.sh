#!/usr/bin/env bash
# What --report costs, side by side in one run: the Monte Carlo of 10,000 evenings of 1,000
# spins under the six systems, with and without the page, the two taking turns RUNS times so
# that both meet the same load. Prints the CPU time and the peak resident memory of each
# (medians), the size of the page, and checks that the CSV is the same either way.
#   bench/sim/report_cost.sh BUILD_DIR [RUNS]
# The build needs the target vellaro-sim (a Release build).
set -euo pipefail
build=$1 runs=${2:-3}
sim=$build/tools/sim/vellaro-sim

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache

# Runs the Monte Carlo with the extra options given; prints "CPU_SECONDS PEAK_KB WALL_SECONDS".
one_run() {
  local start end
  start=$(date +%s.%N)
  /usr/bin/time -o "$home/time" -f '%U %S %M' "$sim" --runs 10000 --spins 1000 --system all \
    --seed 7 --clock 1700000000 --threads 2 --format csv "$@" >"$home/out.csv" 2>/dev/null
  end=$(date +%s.%N)
  awk -v s="$start" -v e="$end" '{ printf "%.2f %d %.2f\n", $1 + $2, $3, e - s }' "$home/time"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

plain_cpu=() plain_rss=() page_cpu=() page_rss=() plain_wall=() page_wall=()
for ((i = 0; i < runs; i++)); do
  read -r cpu rss wall < <(one_run)
  plain_cpu+=("$cpu") plain_rss+=("$rss") plain_wall+=("$wall")
  cp "$home/out.csv" "$home/plain.csv"
  read -r cpu rss wall < <(one_run --report "$home/page.html")
  page_cpu+=("$cpu") page_rss+=("$rss") page_wall+=("$wall")
  cmp -s "$home/out.csv" "$home/plain.csv" || { echo "the CSV differs with --report" >&2; exit 1; }
done

m() { printf '%s\n' "$@" | median; }
pc=$(m "${plain_cpu[@]}") rc=$(m "${page_cpu[@]}")
pr=$(m "${plain_rss[@]}") rr=$(m "${page_rss[@]}")
printf '%-34s %14s %14s\n' "60 M spins, 2 threads, $runs runs" "without" "with --report"
printf '%-34s %14s %14s   %+.1f %%\n' "CPU time (s), median" "$pc" "$rc" \
  "$(awk -v a="$pc" -v b="$rc" 'BEGIN { print (b - a) / a * 100 }')"
printf '%-34s %14s %14s\n' "  each run" "$(IFS=,; echo "${plain_cpu[*]}")" "$(IFS=,; echo "${page_cpu[*]}")"
printf '%-34s %14s %14s\n' "wall time (s), each run" "$(IFS=,; echo "${plain_wall[*]}")" "$(IFS=,; echo "${page_wall[*]}")"
printf '%-34s %14s %14s   %+.1f MB\n' "peak RSS (kB), median" "$pr" "$rr" \
  "$(awk -v a="$pr" -v b="$rr" 'BEGIN { print (b - a) / 1024 }')"
printf '%-34s %14s %14s\n' "page size (bytes)" "" "$(stat -c %s "$home/page.html")"
