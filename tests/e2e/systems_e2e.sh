#!/usr/bin/env bash
# A betting system of the player's on the real window under Xvfb: written as a file in the
# player's folder, chosen in the options area's box by the keyboard, ten spins clicked, the
# window killed and started again: the box shows the same system and the chip the same
# stake, and vellaro-sim replays the stored session under the journal's copy of the system.
# Usage: systems_e2e.sh <vellaro binary> <vellaro-sim binary> <folder for the screenshots>
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
app=$1
sim=$2
out=$3
mkdir -p "$out"
require_tools Xvfb xdotool import convert compare

# Stakes that triple after each loss: no built-in system asks for 3 after one loss.
rm -rf "$out/config" "$out/data"
mkdir -p "$out/config/vellaro/systems"
cat >"$out/config/vellaro/systems/triple.system" <<'SYSTEM'
# The e2e test's own system.
name = Triple up
kind = multiply
on_loss = times 3
on_win = reset
SYSTEM

start_xvfb "$out"
keep_config=1 start_app "$app" "$out"
journal=$out/data/vellaro/journal.sqlite

# The options button opens the area below the board.
toggle_options() {
  click_control Options "push button"
  sleep 0.5
}
# The betting-system box, away from the pointer.
box_picture() {
  pointer_aside
  sleep 0.4
  import -window root -crop "$(geometry "$(control_under "BETTING SYSTEM:" "combo box")")" +repage "$1"
}

toggle_options
box_picture "$out/systems_box_built_in.png"
# The box drops open on a click; the player's system is its last entry.
# shellcheck disable=SC2046 # two words, x and y
xdotool mousemove $(extents_centre "$(control_under "BETTING SYSTEM:" "combo box")")
sleep 0.2
xdotool click 1
sleep 0.5
xdotool key End
sleep 0.2
xdotool key Return
sleep 0.5
box_picture "$out/systems_box_before.png"
differ=$(compare -metric AE "$out/systems_box_built_in.png" "$out/systems_box_before.png" null: 2>&1) || true
[[ $differ != 0 ]] || fail "the box still shows the built-in system (see $out/systems_box_*.png)"
grep -q 'Triple up' "$out/config/vellaro/vellaro.conf" ||
  fail "the settings file does not keep the chosen system's text"

# The chips' row with their stakes, away from the pointer.
chips_picture() {
  pointer_aside
  sleep 0.4
  import -window root -crop "$(geometry "$(chips_extents)")" +repage "$1"
}
# The same spins as the journal's test: the last one loses the red bet on show.
spins=(1 2 3 4 5 6 7 8 9 10)
for n in "${spins[@]}"; do spin "$n"; done
sleep 1.5  # the last analysis ends, and a tick of the bet display writes the stake
# Closed again, so that the window starts at its closed height (and the options button
# looks the same in both pictures).
toggle_options
chips_picture "$out/systems_chips_before.png"

kill -9 "$app_pid"
wait "$app_pid" 2>/dev/null || true
keep_config=1 keep_data=1 start_app "$app" "$out"
sleep 1
chips_picture "$out/systems_chips_after.png"
toggle_options
# The box keeps the focus after a choice, and draws its frame so: it is given the focus
# again (dropped open and closed) so that both pictures show it alike.
# shellcheck disable=SC2046 # two words, x and y
xdotool mousemove $(extents_centre "$(control_under "BETTING SYSTEM:" "combo box")")
sleep 0.2
xdotool click 1
sleep 0.5
xdotool key Escape
sleep 0.3
box_picture "$out/systems_box_after.png"
for part in box chips; do
  differ=$(compare -metric AE "$out/systems_${part}_before.png" "$out/systems_${part}_after.png" null: 2>&1) || true
  [[ $differ == 0 ]] ||
    fail "the $part differs in $differ pixels after the restart (see $out/systems_${part}_*.png)"
done

# The stored session, replayed from the journal's copy of the system: the same spins, and
# a stake that only tripling gives.
"$sim" --journal "$journal" --session last >"$out/systems_trace.csv" ||
  fail "vellaro-sim could not replay the session (see $out/systems_trace.csv)"
numbers=$(tail -n +2 "$out/systems_trace.csv" | cut -d, -f3 | paste -sd' ')
[[ $numbers == "${spins[*]}" ]] || fail "the replay has the spins '$numbers', not '${spins[*]}'"
IFS=, read -r _ _ _ _ _ shown stake _ < <(tail -1 "$out/systems_trace.csv")
if [[ $shown != 1 ]] || ((stake <= 1 || stake % 3 != 0)); then
  fail "the replay ends at stake $stake (shown $shown): not the player's tripling system"
fi

echo "systems e2e: 'Triple up' chosen by the keyboard, ${#spins[@]} spins, stake $stake" \
  "before and after the restart, the box unchanged"
