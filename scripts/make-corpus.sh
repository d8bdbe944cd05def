#!/usr/bin/env bash
# The corpus of replayed sessions in tests/sim/corpus: each session is a spin log whose
# first line names the vellaro-sim options it is replayed with, and beside it what
# vellaro-sim printed for it then (its trace, and its summary). The `sim` test
# CorpusReplay replays them all and fails on the first byte that differs.
#
#   scripts/make-corpus.sh [BUILD]        rewrite the traces and summaries of the sessions
#   scripts/make-corpus.sh --new [BUILD]  draw the sessions anew, then write them
#   scripts/make-corpus.sh --journals [BUILD]
#                                         write the seeds of the journal's fuzzers anew
#
# BUILD is the build folder holding tools/sim/vellaro-sim (default: build). Run it when
# behaviour changes on purpose; the change then shows as a diff of the traces. Drawing
# anew is for when the options themselves change: it replaces every session.
set -euo pipefail
# vellaro-sim's texts for people follow the locale; what is compared here is English.
export LANGUAGE= LC_ALL=C LC_MESSAGES= LANG=C
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
corpus=$root/tests/sim/corpus

# The seeds of the fuzzers of the journal's blocks of events and of stored journals: small
# journals written by the journal's own writer (tests/fuzz/journal_seeds.cpp), and their
# blocks, in tests/fuzz/corpus/{stored_session,event_block}.
if [[ ${1:-} == --journals ]]; then
  seeds=${2:-$root/build}/tests/fuzz/vellaro_journal_seeds
  [[ -x $seeds ]] || { echo "make-corpus: no $seeds; build it first" >&2; exit 1; }
  "$seeds" "$root/tests/fuzz/corpus"
  echo "make-corpus: $(ls "$root/tests/fuzz/corpus/stored_session" | wc -l) journals," \
    "$(ls "$root/tests/fuzz/corpus/event_block" | wc -l) blocks in tests/fuzz/corpus"
  exit 0
fi

new=0
if [[ ${1:-} == --new ]]; then
  new=1
  shift
fi
build=${1:-$root/build}
sim=$build/tools/sim/vellaro-sim
[[ -x $sim ]] || { echo "make-corpus: no $sim; build first" >&2; exit 1; }

readonly kSessions=300
readonly kSeed=13
readonly systems=(martingale parlay havrel quorvel blind up-trender)
readonly chances=(less even red black odd more)
readonly bases=(1 1 1 1 2 3 5 10 25 1000)
readonly gaps=(0 1 20 250 1000 1000 1000 3700 60000)

# The draws come from a generator of our own, so that the sessions do not depend on the
# shell's. `draw N` leaves a number below N in R; nothing here draws in a subshell.
state=$kSeed
draw() {
  state=$(((state * 1103515245 + 12345) % 2147483648))
  R=$(((state >> 8) % $1))
}
pick() {
  local -n list=$1
  draw ${#list[@]}
  R=${list[$R]}
}

# The options of session $1, left in ARGS. Every mode meets every system ten times over
# the corpus.
options_of() {
  local i=$1 mode system t
  mode=$((i % 5 + 1))
  system=${systems[$((i / 5 % 6))]}
  draw 100000000
  ARGS="--system $system --mode $mode --clock $((1700000000 + R))"
  pick gaps
  ARGS+=" --gap-ms $R"
  pick bases
  ARGS+=" --base $R"
  draw 3
  if ((R == 0)); then draw 11; else draw 3; fi
  ARGS+=" --safe-level $R"
  draw 4
  if [[ $system == up-trender ]] || ((R == 0)); then
    draw 4
    ARGS+=" --on-wins $((R + 1))"
    draw 5
    ARGS+=" --add-to-bet $((R + 1))"
  fi
  draw 5
  if ((R < 2)); then
    ARGS+=" --auto-reset"
    draw 2
    ((R == 0)) && ARGS+=" --min-profit"
  fi
  draw 4
  local trends=$R
  for ((t = 0; t < trends; t++)); do
    pick chances
    ARGS+=" --trend $R"
  done
  if ((mode == 1 || mode == 4)); then
    draw 2
    ((R == 0)) && ARGS+=" --cat-rows"
  fi
  LEARN=0
  if ((mode == 5)); then
    draw 40
    LEARN=$((R + 1))
    ARGS+=" --learn $LEARN"
  fi
  return 0
}

# Writes the entries of a session to $3: spins, from three numbers only in some sessions
# so that long streaks come up, and undos where the window offers one (from the fifth spin
# on, two spins after the last undo).
write_entries() {
  local count=$1 narrow=$2 out=$3 spins=0 since_undo=99 e pool=()
  for ((e = 0; e < 3; e++)); do
    draw 37
    pool+=("$R")
  done
  for ((e = 0; e < count; e++)); do
    draw 100
    if ((spins >= 5 && since_undo >= 2 && R < 8)); then
      echo undo >>"$out"
      since_undo=0
      continue
    fi
    if ((narrow)); then
      draw 3
      echo "${pool[$R]}" >>"$out"
    else
      draw 37
      echo "$R" >>"$out"
    fi
    spins=$((spins + 1))
    since_undo=$((since_undo + 1))
  done
}

options_line() { sed -n '1s/^# vellaro-sim //p' "$1"; }

# Writes the trace and the summary of one session. An undo the replay refuses (the window
# withdrew the offer) is dropped and the session tried again.
replay() {
  local log=$1 base=${1%.log} args status
  args=$(options_line "$log")
  [[ -n $args ]] || { echo "make-corpus: $log has no options line" >&2; exit 1; }
  while :; do
    status=0
    # shellcheck disable=SC2086  # the options are words
    # On standard input: what is recorded must not name the folder the corpus lies in.
    "$sim" $args - <"$log" >"$base.trace.csv" 2>"$base.err" || status=$?
    if ((status == 2)) && ((new)) && grep -q 'undo is not offered here' "$base.err"; then
      local line
      line=$(sed -n 's/.*:\([0-9]*\): undo is not offered here$/\1/p' "$base.err")
      sed -i "${line}d" "$log"
      continue
    fi
    ((status == 0)) || { echo "make-corpus: $log:" >&2; cat "$base.err" >&2; exit 1; }
    break
  done
  rm -f "$base.err"
  # shellcheck disable=SC2086
  "$sim" $args --summary - <"$log" >"$base.summary.txt"
}

if ((new)); then
  rm -rf "$corpus"
  mkdir -p "$corpus"
  for ((i = 0; i < kSessions; i++)); do
    log=$(printf '%s/s%03d.log' "$corpus" "$i")
    options_of "$i"
    draw 90
    count=$((R + 6 + LEARN))
    draw 5
    narrow=$((R == 0 ? 1 : 0))
    echo "# vellaro-sim $ARGS" >"$log"
    write_entries "$count" "$narrow" "$log"
  done
fi

shopt -s nullglob
logs=("$corpus"/*.log)
((${#logs[@]} > 0)) || { echo "make-corpus: no sessions in $corpus (try --new)" >&2; exit 1; }
for log in "${logs[@]}"; do replay "$log"; done
echo "make-corpus: ${#logs[@]} sessions in ${corpus#"$root"/}, $(cat "$corpus"/* | wc -c) bytes"
