#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the whole suite, bounded runs of
# the fuzzers of vellaro-sim's input, of the list of spins entered at once and of the system
# file's parser (VELLARO_FUZZ_SECONDS each, default 60), and the engine and simulator tests
# again under AddressSanitizer and UndefinedBehaviorSanitizer. Warnings are errors in every
# build here, and the engine, the backtester and their tests are built once more as Release,
# whose -O3 brings warnings of its own.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/install-deps.sh"

"$root/scripts/build.sh" "$root/build"
(cd "$root/build" && ctest --output-on-failure --timeout 600)

"$root/scripts/build.sh" "$root/build-fuzz" -DCMAKE_CXX_COMPILER=clang++ -DVELLARO_FUZZ=ON \
  -DVELLARO_BUILD_APP=OFF
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
echo "Fuzzing vellaro-sim's options and log reader for ${VELLARO_FUZZ_SECONDS:-60} s"
"$root/build-fuzz/tests/fuzz/vellaro_sim_fuzzer" -max_total_time="${VELLARO_FUZZ_SECONDS:-60}" \
  -max_len=2048 -timeout=10 -artifact_prefix="$root/build-fuzz/" -print_final_stats=1 \
  "$corpus" "$root/tests/fuzz/corpus/sim" 2>&1 | tail -n 12
echo "Fuzzing the list of spins entered at once for ${VELLARO_FUZZ_SECONDS:-60} s"
mkdir -p "$corpus/spin_list"
"$root/build-fuzz/tests/fuzz/vellaro_spin_list_fuzzer" -max_total_time="${VELLARO_FUZZ_SECONDS:-60}" \
  -max_len=4096 -timeout=10 -artifact_prefix="$root/build-fuzz/" -print_final_stats=1 \
  "$corpus/spin_list" "$root/tests/fuzz/corpus/spin_list" 2>&1 | tail -n 12
echo "Fuzzing the system file's parser for ${VELLARO_FUZZ_SECONDS:-60} s"
mkdir -p "$corpus/systems"
"$root/build-fuzz/tests/fuzz/vellaro_system_file_fuzzer" -max_total_time="${VELLARO_FUZZ_SECONDS:-60}" \
  -max_len=8192 -timeout=10 -artifact_prefix="$root/build-fuzz/" -print_final_stats=1 \
  "$corpus/systems" "$root/tests/fuzz/corpus/systems" "$root/data/systems" 2>&1 | tail -n 12

"$root/scripts/build.sh" "$root/build-release" -DCMAKE_BUILD_TYPE=Release -DVELLARO_BUILD_APP=OFF

"$root/scripts/build.sh" "$root/build-sanitize" -DVELLARO_SANITIZE=ON -DVELLARO_BUILD_APP=OFF
(cd "$root/build-sanitize" && ctest --output-on-failure --timeout 900 -L 'core|sim')

# clang-tidy's checks (.clang-tidy) on the files changed since the main branch, with the dev
# build's compile commands: the whole tree would take about 30 CPU-minutes on its own
# (scripts/tidy.sh --all runs it). The layout of every file is a test of the suite above.
tidy_stage() {
  "$root/scripts/tidy.sh" -p "$root/build"
}

tidy_stage
