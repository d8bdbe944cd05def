#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test, in stages, each a function below:
# the whole suite on the Release build of CMakePresets.json (-O3, warnings as errors, the
# window and the benchmarks included), bounded runs of the fuzzers of tests/fuzz/fuzzers.txt
# (VELLARO_FUZZ_SECONDS each, default 60), and the engine and simulator tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the tests that start threads under
# ThreadSanitizer. Each stage's wall time and CPU time (user
# and system of the programs it ran) is printed when it ends, and all of them at the end, so
# that a slow stage shows. A new stage is one function, stage_<name>, and one call, run_stage
# <name>, at the bottom.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc)
cd "$root"

stage_deps() {
  "$root/scripts/install-deps.sh"
}

# The benchmarks are left out: no stage runs them (the release preset builds them again).
stage_main_build() {
  "$root/scripts/build.sh" release -DVELLARO_BUILD_BENCHMARKS=OFF
}

# The e2e tests each take an X display of their own; they run one at a time.
stage_main_tests() {
  ctest --preset release -LE e2e -j "$jobs"
  ctest --preset release -L e2e
}

stage_fuzz_build() {
  "$root/scripts/build.sh" fuzz
}

# One line of tests/fuzz/fuzzers.txt per fuzzer: its target, the longest input it is given,
# and its seed corpora. What a run finds goes to a scratch corpus of its own, not to the tree.
stage_fuzzers() {
  # A fixed seed by default, so that CI gives a tree the same inputs each time and a crash is
  # the tree's, not the draw's; VELLARO_FUZZ_SEED=0 draws one, for longer runs that explore.
  local seconds=${VELLARO_FUZZ_SECONDS:-60} seed=${VELLARO_FUZZ_SEED:-1}
  local scratch target max_len corpora corpus seeds
  scratch=$(mktemp -d)
  while read -r target max_len corpora; do
    [[ -z $target || $target == \#* ]] && continue
    echo "Fuzzing with $target for $seconds s"
    mkdir "$scratch/$target"
    seeds=()
    for corpus in $corpora; do seeds+=("$root/$corpus"); done
    "$root/build-fuzz/tests/fuzz/$target" -max_total_time="$seconds" -max_len="$max_len" \
      -seed="$seed" -timeout=10 -artifact_prefix="$root/build-fuzz/" -print_final_stats=1 \
      "$scratch/$target" "${seeds[@]}" 2>&1 | tail -n 12
  done <"$root/tests/fuzz/fuzzers.txt"
  rm -rf "$scratch"
}

stage_sanitize_build() {
  "$root/scripts/build.sh" sanitize
}

stage_sanitize_tests() {
  ctest --preset sanitize -j "$jobs"
}

# The tests that start threads (label `threads`, tests/threads.cmake) again, built with
# ThreadSanitizer (only what those tests run: the target vellaro_threads_tests), but for the
# slow statistical ones, which run the same threads as the quick ones. Any report fails its
# test: the tests carry TSAN_OPTIONS with halt_on_error=1 and tests/tsan.supp, which holds
# reports of Qt's own code only.
stage_tsan_build() {
  "$root/scripts/build.sh" tsan
}

stage_tsan_tests() {
  ctest --preset tsan -j "$jobs"
}

# clang-tidy's checks (.clang-tidy) on the folders of tests/style/tidy_clean.txt, those
# shown clean so far, with the main build's compile commands: a finding there fails the run.
# All of them would take several CPU-minutes, so the stage has a budget of CPU time
# (VELLARO_TIDY_SECONDS, default 100): it takes the files newest first (work not committed,
# then by their last commit; scripts/sources-newest-first.sh) and starts none once the
# budget is spent. `scripts/tidy.sh --all` checks the whole tree.
stage_tidy() {
  local folders=() files=() listed
  mapfile -t folders < <(grep -v '^#' "$root/tests/style/tidy_clean.txt")
  # Not through a pipe: a folder misnamed in the list fails the stage.
  listed=$("$root/scripts/sources-newest-first.sh" "${folders[@]}") || return 1
  mapfile -t files <<<"$listed"
  "$root/scripts/tidy.sh" -p "$root/build-release" --budget "${VELLARO_TIDY_SECONDS:-100}" \
    "${files[@]}"
}

source "$root/scripts/stages.sh"

run_stage deps
run_stage main_build
run_stage main_tests
run_stage fuzz_build
run_stage fuzzers
run_stage sanitize_build
run_stage sanitize_tests
run_stage tsan_build
run_stage tsan_tests
run_stage tidy
