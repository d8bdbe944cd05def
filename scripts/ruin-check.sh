#!/usr/bin/env bash
# Holds the Monte Carlo's share of evenings stopped by the bankroll and its mean result
# against their exact values (the engine's dynamic program), for every system at bankrolls
# of 50, 100 and 500 over 100 and 300 spins, with many evenings:
#   scripts/ruin-check.sh [evenings] [build folder]     (default 1000000, build)
# Prints one line per system and case, with each deviation in standard errors, and fails
# if any is beyond 3. 1,000,000 evenings replay about 8e9 spins: some 30 minutes on two cores.
set -euo pipefail
evenings=${1:-1000000}
build=${2:-build}
tests="$build/tests/sim/vellaro_sim_tests"
[[ -x $tests ]] || { echo "ruin-check: build $tests first" >&2; exit 2; }
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache
start=$(date +%s)
VELLARO_RUIN_EVENINGS=$evenings "$tests" --gtest_filter='ExactRuinAgreement.*' --gtest_brief=1
echo "ruin-check: $evenings evenings per case in $(( $(date +%s) - start )) s"
