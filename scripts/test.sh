#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the whole suite, bounded runs of
# the fuzzers of vellaro-sim's input, of the list of spins entered at once, of the system
# file's parser, of the journal's blocks of events, of stored journals and of the window's
# settings (VELLARO_FUZZ_SECONDS each, default 60), and the engine and simulator tests
# again under AddressSanitizer and UndefinedBehaviorSanitizer. Warnings are errors in every
# build here, and the engine, the backtester and their tests are built once more as Release,
# whose -O3 brings warnings of its own.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/install-deps.sh"

"$root/scripts/build.sh" "$root/build"
(cd "$root/build" && ctest --output-on-failure --timeout 600 -j "$(nproc)")

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
(cd "$root/build-sanitize" && ctest --output-on-failure --timeout 900 -L 'core|sim' -j "$(nproc)")

# The fuzzers of the journal's blocks of events, of stored journals (damaged databases grown
# from small real ones, laid down in /dev/shm), and of the settings the window reads back,
# VELLARO_FUZZ_SECONDS each, in the shape of the runs above.
run_new_fuzzers() {
  local entry name max_len
  for entry in event_block:1024 stored_session:65536 settings:4096; do
    name=${entry%%:*} max_len=${entry##*:}
    echo "Fuzzing ${name//_/ } for ${VELLARO_FUZZ_SECONDS:-60} s"
    mkdir -p "$corpus/$name"
    "$root/build-fuzz/tests/fuzz/vellaro_${name}_fuzzer" -max_total_time="${VELLARO_FUZZ_SECONDS:-60}" \
      -max_len="$max_len" -timeout=10 -artifact_prefix="$root/build-fuzz/" -print_final_stats=1 \
      "$corpus/$name" "$root/tests/fuzz/corpus/$name" 2>&1 | tail -n 12
  done
}
run_new_fuzzers
# The tests that start threads (label `threads`, tests/threads.cmake) again, built with
# ThreadSanitizer: Clang, and only what those tests run (the target vellaro_threads_tests).
# Any report fails its test: the tests carry TSAN_OPTIONS with halt_on_error=1 and
# tests/tsan.supp, which holds reports of Qt's own code only.
stage_tsan() {
  local build=$root/build-tsan
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" -DCMAKE_CXX_COMPILER=clang++ \
    -DVELLARO_WERROR=ON -DVELLARO_TSAN=ON >/dev/null
  cmake --build "$build" --target vellaro_threads_tests --parallel "$(nproc)"
  (cd "$build" && ctest --output-on-failure --timeout 900 -L threads -LE slow -j "$(nproc)")
}
stage_tsan
