#!/usr/bin/env bash
# The mutation score of the `core` and `sim` tests: puts each small fault of a list into a
# scratch copy of the source, one at a time, rebuilds, runs those tests and reports
# whether they noticed. It is not part of CI.
#
#   scripts/mutation.sh [-l LIST] [-k] [-t REGEX] [NAME...]
#
#   -l LIST  the faults (default scripts/mutations.txt, whose head describes the format)
#   -k       check only that every fault's text is found, without building
#   -t REGEX only the tests whose names match (ctest -R): a quicker look at a few faults
#            whose tests are known; the score that counts runs them all
#   NAME...  only these faults
#
# The scratch copy and its build live in $VELLARO_MUTATION_DIR (default
# /tmp/vellaro-mutation); the working tree is never touched. Builds use ccache when it is
# installed. Exit status: 0 when every applicable fault is caught or explained, 1 otherwise.
# $VELLARO_MUTATION_DIR/times.log keeps each fault's seconds and what decided it.
#
# What a fault costs, measured on two cores shared with four other developers' builds (load
# 15-20). With the dev build's flags (-O2 -g, GNU ld) a fault in betting/ recompiled its
# file in about 20 s and relinked the four programs in about 35 CPU-seconds (the core tests
# alone 14-21 s); CTest then started one process per case, about 35 s for the `unit` cases
# when nothing failed early. Now the scratch build compiles at -O1 without debug
# information and links with lld when it is installed (the same file 5 s, each link 1-3
# s), and the tests begin with a quick look: each GoogleTest program runs its `unit` cases
# in one process, the first program to fail stops the others, and CTest runs the failed
# case again on its own to confirm. A fault so caught took 8-13 s with one run on the
# machine, 15-25 s with two. A fault the quick look misses gets the CTest run of before
# (the `unit` tests, then the others): 60-80 s when a test outside the GoogleTest programs
# catches it. A fault in a header many files include recompiles some 45 of them, test files
# among them: 8 minutes at that load. The build and test of the unchanged source, with
# everything it compiles found in ccache, took 4-8 minutes.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
list=$root/scripts/mutations.txt
check_only=0
only_tests=()
while getopts "l:kt:" opt; do
  case $opt in
    l) list=$OPTARG ;;
    k) check_only=1 ;;
    t) only_tests=(-R "$OPTARG") ;;
    *) sed -n '2,17s/^# \{0,1\}//p' "$0" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
wanted=("$@")

# ---- The list ---------------------------------------------------------------------------
names=() files=() finds=() replaces=() breaks=() misses=()
add_fault() {
  [[ -n $name ]] || return 0
  if [[ -z $file || -z $find || -z $breaks_text ]]; then
    echo "mutation: $list: fault '$name' needs file, find and breaks" >&2
    exit 2
  fi
  names+=("$name") files+=("$file") finds+=("$find") replaces+=("$replace")
  breaks+=("$breaks_text") misses+=("$missed")
}
name='' file='' find='' replace='' breaks_text='' missed='' last=''
while IFS= read -r line || [[ -n $line ]]; do
  case $line in
    '#'* | '') last='' ;;
    '== '*)
      add_fault
      name=${line#== } file='' find='' replace='' breaks_text='' missed='' last=''
      ;;
    file:*) file=$(echo "${line#file:}" | sed 's/^ *//') last='' ;;
    find:*) find=${line#find:} find=${find#"${find%%[! ]*}"} last='' ;;
    replace:*) replace=${line#replace:} replace=${replace#"${replace%%[! ]*}"} last='' ;;
    breaks:*) breaks_text=$(echo "${line#breaks:}" | sed 's/^ *//') last=breaks ;;
    missed:*) missed=$(echo "${line#missed:}" | sed 's/^ *//') last=missed ;;
    ' '*)
      # A continuation line of the field above.
      case $last in
        breaks) breaks_text+=" $(echo "$line" | sed 's/^ *//')" ;;
        missed) missed+=" $(echo "$line" | sed 's/^ *//')" ;;
        *) echo "mutation: $list: stray line: $line" >&2; exit 2 ;;
      esac
      ;;
    *) echo "mutation: $list: unknown line: $line" >&2; exit 2 ;;
  esac
done <"$list"
add_fault

# ---- The scratch copy ---------------------------------------------------------------------
scratch=${VELLARO_MUTATION_DIR:-/tmp/vellaro-mutation}
src=$scratch/src
build=$scratch/build
# The files of the working tree as they are now, committed or not. Stamped with the time of
# the copy (-m): a build kept from an earlier run is older than every file, so nothing of
# that run's tree is left in it, however old a changed file's own time.
rm -rf "$src"
mkdir -p "$src"
(cd "$root" && git ls-files -z --cached --others --exclude-standard |
  tar --null -T - -cf -) | tar -xmf - -C "$src"

# How often TEXT (with \n for line breaks) occurs in FILE; and the replacement itself.
occurrences() {
  FIND=$2 perl -0777 -ne '$f = $ENV{FIND}; $f =~ s/\\n/\n/g; print scalar(() = /\Q$f\E/g)' "$1"
}
apply() {
  FIND=$2 REPL=$3 perl -0777 -i -pe \
    'BEGIN { ($f, $r) = ($ENV{FIND}, $ENV{REPL}); s/\\n/\n/g for $f, $r } s/\Q$f\E/$r/' "$1"
}

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
export CCACHE_BASEDIR=$scratch CCACHE_NOHASHDIR=1
# The scratch build is no build anyone runs: -O1 without debug information compiles a faulted
# file faster, and lld links the four programs each fault relinks in a fraction of the time.
fast=(-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g0 -DNDEBUG")
if command -v ld.lld >/dev/null; then
  fast+=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld -DCMAKE_SHARED_LINKER_FLAGS=-fuse-ld=lld)
fi
# vellaro_host is read by the check of the engine's process state, and the consistency harness
# plays the window's front (host/), whose faults only it sees.
targets=(vellaro_core_tests vellaro_storm_tests vellaro_sim_tests vellaro_consistency_tests
  vellaro-sim vellaro_host)
programs=(tests/vellaro_core_tests tests/storm/vellaro_storm_tests tests/sim/vellaro_sim_tests
  tests/consistency/vellaro_consistency_tests)
# The environment CTest gives the cases that need one; the quick look gives it them all.
quick_env=(env LANGUAGE= LC_ALL=C LC_MESSAGES= LANG=C)
run_ctest() {
  (cd "$build" && ctest -L 'core|sim' "${only_tests[@]}" -j "$(nproc)" --stop-on-failure \
    --timeout 600 "$@" >>"$scratch/test.log" 2>&1)
}
# The quick look: the `unit` cases of the four GoogleTest programs, each program in one
# process (CTest starts one per case), stopping at the first failure. What fails here is
# then run again by CTest as the score runs it, and only CTest's verdict counts: a case that
# failed only for sharing a process with others does not make a fault caught.
quick_look() {
  local program pid status failed=() failed_logs=()
  local -A running=()
  for program in "${programs[@]}"; do
    (cd "$build/$(dirname "$program")" &&
      exec "${quick_env[@]}" timeout 600 "./$(basename "$program")" --gtest_fail_fast \
        "--gtest_filter=$quick_filter" >"$scratch/quick-$(basename "$program").log" 2>&1) &
    running[$!]=$scratch/quick-$(basename "$program").log
  done
  # The first program to fail stops the others: one failure is all the look needs. (Bash's
  # `wait -n` with process ids loses those that ended before it was called, hence the polling.)
  while ((${#running[@]} > 0)); do
    sleep 0.1
    for pid in "${!running[@]}"; do
      kill -0 "$pid" 2>/dev/null && continue
      status=0
      wait "$pid" || status=$?
      ((status == 0)) || failed_logs+=("${running[$pid]}")
      unset "running[$pid]"
    done
    ((${#failed_logs[@]} == 0)) || break
  done
  for pid in "${!running[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${!running[@]}"; do wait "$pid" 2>/dev/null || true; done
  ((${#failed_logs[@]} > 0)) || return 0
  mapfile -t failed < <(cat "${failed_logs[@]}" | perl -ne '
    $run{$1} = 1 if /^\[ RUN      \] (\S+)/;
    delete $run{$1} if /^\[ {7}OK \] (\S+)/ || /^\[  SKIPPED \] (\S+)/;
    END { print "$_\n" for sort keys %run }')
  ((${#failed[@]} > 0)) || return 0
  local regex
  regex=$(printf '%s\n' "${failed[@]}" | sed 's/[][\.*^$+?(){}|]/\\&/g' | paste -sd'|')
  echo "quick look failed: ${failed[*]}" >>"$scratch/test.log"
  run_ctest -R "^($regex)\$"
}
# 0: the tests pass; 1: a test fails; 2: it does not build. The `unit` tests first and the
# others only when those pass: a fault is missed only when every test has passed.
build_and_test() {
  cmake --build "$build" --target "${targets[@]}" >"$scratch/build.log" 2>&1 || return 2
  : >"$scratch/test.log"
  if ((${#only_tests[@]} == 0)) && [[ -n $quick_filter ]]; then
    # (Bash says how a program that crashed ended on the look's stderr.)
    quick_look 2>>"$scratch/test.log" || { decided_by=quick; return 1; }
  fi
  decided_by=unit
  run_ctest -L unit || return 1
  decided_by=slow
  run_ctest -LE unit || return 1
}

selected() {
  ((${#wanted[@]} == 0)) && return 0
  local w
  for w in "${wanted[@]}"; do [[ $w == "$1" ]] && return 0; done
  return 1
}

if ((!check_only)); then
  cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLARO_BUILD_APP=OFF \
    "${launcher[@]}" "${fast[@]}" >/dev/null
  echo "mutation: building and testing the unchanged source in $scratch ..."
  quick_filter=''
  if ! build_and_test; then
    echo "mutation: the unchanged source fails its own tests; see $scratch/*.log" >&2
    exit 2
  fi
  # The quick look leaves out the `slow` cases, by name.
  quick_filter=-$( (cd "$build" && ctest -N -L 'core|sim' -L slow) |
    sed -n 's/^ *Test *#[0-9]*: //p' | paste -sd:)
  : >"$scratch/times.log"
fi

caught=0 missed=0 explained=0 inapplicable=0 broken=0 total=0
missed_names=() inapplicable_names=()
for i in "${!names[@]}"; do
  selected "${names[$i]}" || continue
  total=$((total + 1))
  name=${names[$i]} path=$src/${files[$i]}
  count=0
  [[ -f $path ]] && count=$(occurrences "$path" "${finds[$i]}")
  if ((count != 1)); then
    if ((count == 0)); then
      why="its text is not in ${files[$i]}"
    else
      why="its text is in ${files[$i]} $count times"
    fi
    printf '%-46s NOT APPLICABLE  <<< %s: update the list\n' "$name" "$why"
    inapplicable=$((inapplicable + 1))
    inapplicable_names+=("$name")
    continue
  fi
  if ((check_only)); then
    printf '%-46s found\n' "$name"
    continue
  fi
  cp "$path" "$scratch/original"
  apply "$path" "${finds[$i]}" "${replaces[$i]}"
  status=0 started=$SECONDS decided_by=build
  build_and_test || status=$?
  echo "$name $((SECONDS - started)) s $decided_by" >>"$scratch/times.log"
  cp "$scratch/original" "$path"
  case $status in
    1)
      printf '%-46s caught\n' "$name"
      caught=$((caught + 1))
      ;;
    2)
      # A fault that does not compile is no test of the tests.
      printf '%-46s DOES NOT BUILD  <<< fix the fault; see %s\n' "$name" "$scratch/build.log"
      cp "$scratch/build.log" "$scratch/build-$name.log"
      broken=$((broken + 1))
      ;;
    *)
      if [[ -n ${misses[$i]} ]]; then
        printf '%-46s missed (explained: %s)\n' "$name" "${misses[$i]}"
        explained=$((explained + 1))
      else
        printf '%-46s MISSED  <<< %s\n' "$name" "${breaks[$i]}"
      fi
      missed=$((missed + 1))
      missed_names+=("$name")
      ;;
  esac
done

if ((check_only)); then
  echo "mutation: $((total - inapplicable)) of $total faults apply"
  ((inapplicable == 0))
  exit
fi
# Put the scratch copy back as it was, so that a later run starts from a built tree.
cmake --build "$build" --target "${targets[@]}" >/dev/null 2>&1 || true

counted=$((caught + missed))
echo
echo "mutation: $total faults: $caught caught, $missed missed ($explained explained)," \
  "$inapplicable NOT APPLICABLE, $broken do not build"
if ((counted > 0)); then
  tenths=$(((caught * 1000 + counted / 2) / counted))
  echo "mutation: caught $caught of $counted applicable: $((tenths / 10)).$((tenths % 10)) %"
fi
((${#missed_names[@]} == 0)) || echo "mutation: missed: ${missed_names[*]}"
((${#inapplicable_names[@]} == 0)) || echo "mutation: NOT APPLICABLE: ${inapplicable_names[*]}"
((missed == explained && inapplicable == 0 && broken == 0))
