#!/usr/bin/env bash
# The window without the pointer, under Xvfb: ten spins entered by Tab to the board, the
# arrow keys and Enter give the same game log as the same ten clicked; the focus ring shows
# around the tile in focus (screenshot); and a screen reader's view over AT-SPI, on a
# private session bus with its own accessibility bus, names the controls and reads the
# board's number in focus as the arrows move it.
# Usage: access_e2e.sh <vellaro binary> <folder for logs and screenshots>
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
app=$1
out=$2
mkdir -p "$out"
require_tools Xvfb xdotool import convert
# The session bus and its accessibility bus are the test's own (lib.sh).
export HOME=$out/home
mkdir -p "$HOME"

spins=(17 0 36 3 1 34 22 0 9 28)
readonly first_analysed=5
# Tab stops before the board: the head's eight buttons and its two readouts.
readonly tabs_to_board=11

fail() {
  if [[ -n ${DISPLAY:-} ]] && import -window root "$out/access_failure.png" 2>/dev/null; then
    echo "FAIL: see $out/access_failure.png" >&2
  fi
  echo "FAIL: $*" >&2
  exit 1
}

# The arrow keys from the tile of $1 to the tile of $2, by the board's layout: 0 beside
# the middle row, then rows of three, 1 at the bottom left.
arrows() {
  local from=$1 to=$2 col row tcol trow keys=()
  if ((from == 0)); then col=-1 row=1; else col=$(((from - 1) / 3)) row=$(((from - 1) % 3)); fi
  if ((to == 0)); then tcol=-1 trow=1; else tcol=$(((to - 1) / 3)) trow=$(((to - 1) % 3)); fi
  if ((col == -1 && tcol != -1)); then keys+=(Right) col=0; fi
  while ((row < trow)); do keys+=(Up) row=$((row + 1)); done
  while ((row > trow)); do keys+=(Down) row=$((row - 1)); done
  while ((col < tcol)); do keys+=(Right) col=$((col + 1)); done
  while ((col > tcol)); do keys+=(Left) col=$((col - 1)); done
  echo "${keys[@]}"
}

wait_for_board() {
  local n=$1
  sleep 0.15
  wait_until 8000 tile_open "$(((n + 1) % 37))" || fail "the board did not open after $n"
}

play_clicks() {
  local i
  start_app "$app" "$out"
  for i in "${!spins[@]}"; do
    spin "${spins[i]}"
    if ((i + 1 >= first_analysed)); then wait_for_board "${spins[i]}"; fi
  done
  export_log "$out/clicks_log"
  kill "$app_pid"
  wait "$app_pid" 2>/dev/null || true
}

play_keys() {
  local i at=0 keys
  start_app "$app" "$out"
  pointer_aside
  xdotool windowfocus --sync "$window"
  local tabs=()
  for _ in $(seq $tabs_to_board); do tabs+=(Tab); done
  xdotool key --delay 30 "${tabs[@]}"
  # The board has the keyboard; its number in focus is 0, as a screen reader reads it.
  [[ $(/usr/bin/python3 "$e2e_dir/atspi_read.py" value "Number board") == 0 ]] ||
    fail "AT-SPI: the board's number in focus is not 0 after $tabs_to_board Tabs"
  for i in "${!spins[@]}"; do
    keys=$(arrows "$at" "${spins[i]}")
    # shellcheck disable=SC2086 # one word per key
    [[ -z $keys ]] || xdotool key --delay 20 $keys
    at=${spins[i]}
    if ((i % 2 == 0)); then xdotool key Return; else xdotool key space; fi
    if ((i + 1 >= first_analysed)); then wait_for_board "$at"; fi
  done
  [[ $(/usr/bin/python3 "$e2e_dir/atspi_read.py" value "Number board") == "$at" ]] ||
    fail "AT-SPI: the board's number in focus is not $at"
  sleep 0.3
  import -window root "$out/access_e2e_ring.png"
  check_ring "$at"
  /usr/bin/python3 "$e2e_dir/atspi_read.py" list >"$out/atspi_controls.txt" ||
    fail "AT-SPI: the controls could not be listed"
  export_log "$out/keys_log"
  kill "$app_pid"
  wait "$app_pid" 2>/dev/null || true
}

# The ring: bright cyan two pixels left of the tile in focus, at its middle height.
check_ring() {
  local x y w h r g b
  read -r x y w h <<<"$(tile_extents "$1")"
  IFS=, read -r r g b <<<"$(pixel "$out/access_e2e_ring.png" $((x - 2)) $((y + h / 2)))"
  ((r < 140 && g > 170 && b > 200)) ||
    fail "no focus ring left of the tile of $1 (pixel $r,$g,$b; see $out/access_e2e_ring.png)"
}

start_xvfb "$out"
play_clicks
play_keys

cmp -s "$out/clicks_log.txt" "$out/keys_log.txt" ||
  fail "the log of the arrow keys differs from the log of the clicks ($out/keys_log.txt)"
for expected in $'list\tNumber board' $'push button\tSave the spins' $'check box\tTrend Red' \
  $'label\tBet on Red' $'push button\tOptions'; do
  grep -qF "$expected" "$out/atspi_controls.txt" ||
    fail "AT-SPI: no \"${expected/$'\t'/ }\" among the controls ($out/atspi_controls.txt)"
done
echo "PASS: 10 spins by Tab, arrows and Enter give the log of 10 clicks; the focus ring shows;" \
  "AT-SPI names the controls and reads the board's number in focus"
