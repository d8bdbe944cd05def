#!/usr/bin/env bash
# Replays the same random sessions through two builds of vellaro-sim and stops at the first
# session whose output differs. For changes that must not change behaviour (a refactoring, a
# faster engine): build the old commit somewhere, then
#   scripts/compare-sim.sh OLD/tools/sim/vellaro-sim build/tools/sim/vellaro-sim [sessions]
# Every session draws its options, clock, gap, length and wheel seed from its number, so a
# difference is reproduced by the command line printed with it.
set -euo pipefail
# vellaro-sim's texts for people follow the locale; what is compared here is English.
export LANGUAGE= LC_ALL=C LC_MESSAGES= LANG=C
old=$1 new=$2 sessions=${3:-2000}
systems=(martingale parlay havrel quorvel blind up-trender)
chances=(less even red black odd more)

args_of() {
  local i=$1 r=$(( ($1 * 2654435761) % 4294967296 ))
  local a=(--clock $((1700000000 + r % 100000)) --gap-ms $(( (r >> 3) % 3000 ))
           --system "${systems[r % 6]}" --base $(( 1 + (r >> 5) % 7 ))
           --safe-level $(( (r >> 8) % 4 )))
  local mode=$(( 1 + (r >> 12) % 5 ))
  a+=(--mode "$mode")
  (( mode == 5 )) && a+=(--learn $(( 1 + (r >> 15) % 12 )))
  (( (mode == 1 || mode == 4) && (r >> 16) % 2 == 1 )) && a+=(--cat-rows)
  (( (r >> 17) % 3 == 0 )) && a+=(--auto-reset)
  (( (r >> 17) % 3 == 0 && (r >> 19) % 2 == 1 )) && a+=(--min-profit)
  (( (r >> 20) % 4 == 0 )) && a+=(--trend "${chances[(r >> 22) % 6]}")
  [[ ${systems[r % 6]} == up-trender ]] && a+=(--on-wins $(( 1 + (r >> 24) % 3 )) --add-to-bet $(( 1 + (r >> 26) % 3 )))
  (( (r >> 28) % 5 == 0 )) && a+=(--summary)
  printf '%s\n' "${a[@]}"
}

# A log with undos at random places (the window refuses some: both builds must agree).
log_of() {
  local n
  RANDOM=$1
  for ((n = 0; n < 5 + RANDOM % 100; n++)); do
    if ((RANDOM % 8 == 0)); then echo undo; else echo $((RANDOM % 37)); fi
  done
}

log=$(mktemp)
trap 'rm -f "$log"' EXIT
for ((i = 1; i <= sessions; i++)); do
  mapfile -t args < <(args_of "$i")
  if ((i % 3 == 0)); then
    log_of "$i" >"$log"
    args+=("$log")
  else
    args+=(--random $((5 + i % 120)) --seed "$i")
  fi
  if ! cmp -s <("$old" "${args[@]}" 2>&1; echo "status $?") <("$new" "${args[@]}" 2>&1; echo "status $?"); then
    echo "session $i differs: vellaro-sim ${args[*]}" >&2
    exit 1
  fi
done
echo "$sessions sessions: identical"
