#!/usr/bin/env bash
# The keyboard entry on the real window under Xvfb: the same 25 spins entered once by
# clicks and once by keys (typed digits and Enter) give the same exported game log and the
# same recommendation on show. While the analysis runs, a number typed is refused and is
# not kept for later: it never reaches the log. Backspace edits typed digits only: one press
# too many takes no spin back. Ctrl+Z takes the last spin back, and Ctrl+Shift+Z or Ctrl+Y
# brings it back.
# Usage: keys_e2e.sh <vellaro binary> <folder for logs and screenshots>
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
app=$1
out=$2
mkdir -p "$out"
require_tools Xvfb xdotool import convert

# DEEP SCAN, the mode at start, chooses from the numbers alone: no clock is involved.
spins=(17 25 0 32 15 19 4 21 2 25 17 34 6 27 13 36 11 30 8 23 10 5 24 16 33)
readonly first_analysed=5

# The screen at the moment of a failure, beside the message.
fail() {
  if [[ -n ${DISPLAY:-} ]] && import -window root "$out/keys_failure.png" 2>/dev/null; then
    echo "FAIL: see $out/keys_failure.png" >&2
  fi
  echo "FAIL: $*" >&2
  exit 1
}

# The log now, exported as $out/<name>.txt, against the first `count` spins.
expect_log() {
  local name=$1 count=$2
  xdotool windowfocus --sync "$window"
  export_log "$out/$name"
  printf '%s\r\n' "${spins[@]:0:count}" >"$out/$name.expected"
  cmp -s "$out/$name.expected" "$out/$name.txt" ||
    fail "$name: the log holds $(wc -l <"$out/$name.txt") spins where $count were expected" \
      "($out/$name.txt)"
}

# The undo and redo keys after the last spin, the keyboard on the window.
undo_and_redo_keys() {
  local all=${#spins[@]}
  xdotool windowfocus --sync "$window"
  # A digit typed, then Backspace twice: the digit goes, the spins stay.
  xdotool key --delay 50 2 BackSpace BackSpace
  expect_log keys_backspace "$all"
  xdotool windowfocus --sync "$window"
  xdotool key --delay 50 ctrl+z
  expect_log keys_undone $((all - 1))
  xdotool windowfocus --sync "$window"
  xdotool key --delay 50 ctrl+shift+z
  expect_log keys_redone "$all"
  xdotool windowfocus --sync "$window"
  xdotool key --delay 50 ctrl+z ctrl+y
  expect_log keys_redone_by_y "$all"
}

# Plays the spins by "clicks" or "keys"; leaves the log in $out/<how>_log.txt and the look
# of the bet display in $out/<how>_bet.
play() {
  local how=$1 i n cx cy probe d digits
  start_app "$app" "$out"
  sleep 0.5
  for i in "${!spins[@]}"; do
    n=${spins[i]}
    probe=$(((n + 1) % 37))
    if [[ $how == clicks ]]; then
      read -r cx cy < <(tile_centre "$n")
      xdotool mousemove "$cx" "$cy" click --delay 0 1
    else
      # Off the controls, with the keyboard on the window.
      pointer_aside
      xdotool windowfocus --sync "$window"
      digits=()
      for ((d = 0; d < ${#n}; d++)); do digits+=("${n:d:1}"); done
      if ((i + 1 >= first_analysed)); then
        # 9 and Enter right behind: the analysis of n has locked the board by then.
        xdotool key --delay 0 "${digits[@]}" Return 9 Return
      else
        xdotool key --delay 0 "${digits[@]}" Return
      fi
    fi
    if ((i + 1 >= first_analysed)); then
      # A short analysis may lock and reopen the board between two looks at the screen:
      # what counts is that it is open again before the next spin.
      sleep 0.15
      wait_until 8000 tile_open "$probe" || fail "$how: the board did not open after $n"
    fi
  done
  pointer_aside
  # A tick of the bet display writes the stake.
  sleep 0.5
  import -window root "$out/keys_e2e_$how.png"
  bet_reading >"$out/${how}_bet"
  export_log "$out/${how}_log"
  if [[ $how == keys ]]; then undo_and_redo_keys; fi
  kill "$app_pid"
  wait "$app_pid" 2>/dev/null || true
}

start_xvfb "$out"
play clicks
play keys

printf '%s\r\n' "${spins[@]}" >"$out/keys_expected.txt"
cmp -s "$out/keys_expected.txt" "$out/clicks_log.txt" ||
  fail "the log of the clicks differs from the spins entered ($out/clicks_log.txt)"
cmp -s "$out/clicks_log.txt" "$out/keys_log.txt" ||
  fail "the log of the keys differs from the log of the clicks ($out/keys_log.txt): a key was" \
    "lost, or one typed during an analysis was kept"
cmp -s "$out/clicks_bet" "$out/keys_bet" ||
  fail "the recommendation on show differs ($out/clicks_bet, $out/keys_bet; see" \
    "$out/keys_e2e_clicks.png and keys_e2e_keys.png)"
echo "PASS: 25 spins by keys and by clicks give the same log and the same bet on show;" \
  "Backspace kept the spins, Ctrl+Shift+Z and Ctrl+Y brought back what Ctrl+Z took"
