#!/usr/bin/env bash
# Runs the Monte Carlo report's calibration check at full size: for every system, over 20
# seeds of `--runs 500 --spins 200 --system all`, the 95 % interval of the result per unit
# staked must contain the house edge, -1/37, in at least 17 of the 20 (a true 95 % rate does
# so 98.4 % of the time), or be withheld with its reason every time. Extra options (for
# instance --bankroll 50) go to every run.
#   scripts/calibrate.sh [build/tools/sim/vellaro-sim] [options...]
# Prints, per system, the seeds where the interval covered, missed and was withheld, with
# the reasons, and fails when a system's given intervals covered in fewer than 17 of 20.
set -euo pipefail
# vellaro-sim's texts for people follow the locale; what is compared here is English.
export LANGUAGE= LC_ALL=C LC_MESSAGES= LANG=C
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
sim=$root/build/tools/sim/vellaro-sim
if [[ $# -gt 0 && $1 != -* ]]; then sim=$1; shift; fi
seeds=20 needed=17

# No setting of the user's is read, and nothing is written but to a temporary folder.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export HOME=$tmp XDG_CONFIG_HOME=$tmp/config XDG_DATA_HOME=$tmp/data XDG_CACHE_HOME=$tmp/cache

for seed in $(seq 1 "$seeds"); do
  "$sim" --runs 500 --spins 200 --system all --seed "$seed" --clock 1700000000 --format csv \
    "$@" 2>/dev/null >"$tmp/$seed.csv"
done

awk -F, -v seeds="$seeds" -v needed="$needed" -v edge="$(awk 'BEGIN { printf "%.17g", -1/37 }')" '
  FNR == 1 { for (i = 1; i <= NF; ++i) at[$i] = i; next }
  {
    sys = $at["system"]
    if (!(sys in order)) { order[sys] = ++count; name[count] = sys }
    if ($at["interval_withheld"] != "") {
      ++withheld[sys]; reasons[sys] = reasons[sys] " " $at["interval_withheld"]
    } else if ($at["result_per_unit_staked_low95"] + 0 <= edge && edge <= $at["result_per_unit_staked_high95"] + 0) {
      ++covered[sys]
    } else {
      ++missed[sys]
    }
  }
  END {
    failed = 0
    for (s = 1; s <= count; ++s) {
      sys = name[s]
      given = covered[sys] + missed[sys]
      verdict = "ok"
      if (given > 0 && covered[sys] < needed * given / seeds) { verdict = "FAILED"; failed = 1 }
      if (given > 0 && withheld[sys] > 0) verdict = verdict ", given in some seeds only"
      split(reasons[sys], why, " ")
      printf "%-11s covered %2d, missed %2d, withheld %2d of %d%s  %s\n", sys, covered[sys],
             missed[sys], withheld[sys], seeds,
             withheld[sys] ? " (" why[1] ")" : "", verdict
    }
    exit failed
  }' "$tmp"/*.csv
