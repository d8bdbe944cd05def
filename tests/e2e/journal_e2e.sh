#!/usr/bin/env bash
# The journal on the real window under Xvfb: spins entered by clicking, the window killed
# with SIGKILL, and started again: the history strip, the chip on show and its stake are
# as they were, and vellaro-sim replays the stored session with the same spins and the same
# bet on show. A journal that cannot be made at start is made at a later spin.
# Usage: journal_e2e.sh <vellaro binary> <vellaro-sim binary> <folder for the screenshots>
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
app=$1
sim=$2
out=$3
mkdir -p "$out"
require_tools Xvfb xdotool import convert compare

start_xvfb "$out"
start_app "$app" "$out"
journal=$out/data/vellaro/journal.sqlite
[[ -f $journal ]] || fail "no journal at $journal"

names=(Less Even Red Black Odd More)

# The chance whose chip is on show in a screenshot (its orange ring), or nothing.
chip_on_show() {
  local k r g b
  for k in 0 1 2 3 4 5; do
    # shellcheck disable=SC2046 # two words, x and y
    IFS=, read -r r g b < <(pixel "$1" $(chip_ring "${names[k]}"))
    if ((r > g + 60 && r > b + 100)); then
      echo "${names[k]}"
      return
    fi
  done
}

# The strip and the row of chips with their stakes, away from the pointer.
picture() {
  pointer_aside
  sleep 0.4
  import -window root "$1.png"
  convert "$1.png" -crop "$(geometry "$(control_extents "Last numbers")")" +repage "$1_strip.png"
  convert "$1.png" -crop "$(geometry "$(chips_extents)")" +repage "$1_chips.png"
}

# The last one loses the red bet on show: a stake of 2 is on show when the window is killed.
spins=(1 2 3 4 5 6 7 8 9 10)
for n in "${spins[@]}"; do spin "$n"; done
# The last analysis ends with a chip on show.
for _ in $(seq 50); do
  sleep 0.2
  import -window root "$out/journal_before.png"
  [[ -n $(chip_on_show "$out/journal_before.png") ]] && break
done
before_chip=$(chip_on_show "$out/journal_before.png")
[[ -n $before_chip ]] || fail "no chip on show after ${#spins[@]} spins (see $out/journal_before.png)"
sleep 0.5  # a tick of the bet display writes the stake
picture "$out/journal_before"

kill -9 "$app_pid"
wait "$app_pid" 2>/dev/null || true
keep_config=1 keep_data=1 start_app "$app" "$out"
sleep 1
picture "$out/journal_after"
after_chip=$(chip_on_show "$out/journal_after.png")
[[ $after_chip == "$before_chip" ]] ||
  fail "the chip on show was $before_chip before the kill, '$after_chip' after (see $out/journal_after.png)"
for part in strip chips; do
  differ=$(compare -metric AE "$out/journal_before_$part.png" "$out/journal_after_$part.png" null: 2>&1) || true
  [[ $differ == 0 ]] ||
    fail "the $part differs in $differ pixels after the restart (see $out/journal_*_$part.png)"
done

# The stored session, replayed by the simulator: the same spins, the same chip, shown.
"$sim" --journal "$journal" --session last >"$out/journal_trace.csv" ||
  fail "vellaro-sim could not replay the session (see $out/journal_trace.csv)"
numbers=$(tail -n +2 "$out/journal_trace.csv" | cut -d, -f3 | paste -sd' ')
[[ $numbers == "${spins[*]}" ]] || fail "the replay has the spins '$numbers', not '${spins[*]}'"
IFS=, read -r _ _ _ _ chance shown stake _ < <(tail -1 "$out/journal_trace.csv")
[[ ${chance,,} == "${before_chip,,}" && $shown == 1 ]] ||
  fail "the replay shows '$chance' (shown $shown), the window showed $before_chip"
((stake > 1)) || fail "stake $stake: the spins no longer leave a progression running"

# A journal whose folder cannot be made at start (a file in its place) is made at a later
# spin, and holds the whole evening.
kill -9 "$app_pid"
wait "$app_pid" 2>/dev/null || true
rm -rf "$out/data"
mkdir -p "$out/data"
: >"$out/data/vellaro"
keep_data=1 start_app "$app" "$out"
spin 1
spin 2
[[ -f $out/data/vellaro ]] || fail "the file in the journal's place was touched"
rm "$out/data/vellaro"
spin 3
"$sim" --journal "$journal" --session last >"$out/journal_later.csv" ||
  fail "no session in the journal opened at a later spin (see $out/journal_later.csv)"
numbers=$(tail -n +2 "$out/journal_later.csv" | cut -d, -f3 | paste -sd' ')
[[ $numbers == "1 2 3" ]] || fail "the journal opened later has the spins '$numbers', not '1 2 3'"

echo "journal e2e: ${#spins[@]} spins, $before_chip at stake $stake before and after the kill;" \
  "a journal opened at the third spin holds all three"
