#!/usr/bin/env bash
# A fast player on the real window under Xvfb, with real X events only: enters spins as
# soon as the board takes them, clicks into the locked board, takes spins back, changes
# options between spins, and finally exports the game log, which must hold exactly the
# spins that were accepted. Fails if the program's memory grows, if any other window
# appears (an error box), or if the board stops locking and reopening.
#
# Usage: window_soak.sh <vellaro binary> <folder for logs and screenshots> [spins]
#   spins   also from SPINS (default 60); the argument wins.
#   SOAK_SEED   seed of the number sequence and of the player's choices; a failure
#               prints it, and the same seed replays the same game.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
app=$1
out=$2
spins=${3:-${SPINS:-60}}
seed=${SOAK_SEED:-7211}
if ! [[ $spins =~ ^[0-9]+$ ]] || ((spins < 10)); then
  fail "spins must be a whole number of at least 10, not \"$spins\""
fi
mkdir -p "$out"
require_tools Xvfb xdotool import convert

# From this many accepted spins on, the analysis locks the board after every entry.
readonly first_analysed=5
# Memory is compared between this spin and the end; the early spins are left out because
# caches and the options area are still being built then.
memory_spin=$((spins / 2 < 100 ? spins / 2 : 100))

started_us=${EPOCHREALTIME/./}

# The screen at the moment of a failure, beside the message.
fail() {
  if [[ -n ${DISPLAY:-} ]] && import -window root "$out/soak_failure.png" 2>/dev/null; then
    echo "FAIL: see $out/soak_failure.png" >&2
  fi
  echo "FAIL: $*" >&2
  exit 1
}

# ---- Reproducible choices ---------------------------------------------------------------
rng=$seed
# Sets `drawn` to a number in 0 .. $1-1. A global rather than output, so that the state
# survives (a subshell would lose it).
draw() {
  rng=$(((rng * 6364136223846793005 + 1442695040888963407) & 0x7fffffffffffffff))
  drawn=$(((rng >> 29) % $1))
}

# ---- Reading the screen ---------------------------------------------------------------

# The undo arrow is olive while it is offered, grey otherwise: low in its left part. Its
# place is known once a screen reader has found it on show (it is not while the undo is not
# offered); until then that is the answer, read over AT-SPI.
undo_x='' undo_y='' undo_w='' undo_h=''
undo_offered() {
  local g b
  if [[ -z $undo_x ]]; then
    read_places
    read -r undo_x undo_y undo_w undo_h < <(places_match "Undo the last spin" "push button") ||
      return 1
  fi
  IFS=, read -r _ g b < <(screen_pixel $((undo_x + 3)) $((undo_y + 20)))
  ((g > b + 40 && g > 70))
}
undo_greyed() { ! undo_offered; }
tile_closed() { ! tile_open "$1"; }
newest_history_is() { [[ $(screen_pixel "${newest[@]}") == "$(pocket_colour "$1")" ]]; }
# What a control of the options area reads to a screen reader: its value, its switch, or for
# a box whose name is the item it shows, its name.
reading() { /usr/bin/python3 "$e2e_dir/atspi_read.py" states | awk -F'\t' -v role="$1" -v name="${2:-}" '$1 == role && (name == "" || $2 == name)'; }
reading_changed() { [[ $(reading "$1" "$2") != "$3" ]]; }
window_height_is() {
  # shellcheck disable=SC2034 # set by the eval, kept local
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [[ $HEIGHT == "$1" ]] || { sleep 0.02 && return 1; }
}
# Every visible top-level window, the program's or not: without a window manager these are
# the root's children, and a box need not carry the program's id to count.
visible_windows() { xdotool search --onlyvisible --maxdepth 1 --name '' 2>/dev/null || true; }
# Set once the main window is up: what the server shows besides.
baseline=()
new_windows() {
  local w
  for w in $(visible_windows); do
    [[ " ${baseline[*]} " == *" $w "* ]] || echo "$w"
  done
}
new_window_count_is() { [[ $(new_windows | wc -l) == "$1" ]]; }

# Nothing may be up besides the main window; anything else is a box the program opened by
# itself.
check_alone() {
  kill -0 "$app_pid" 2>/dev/null || fail "the program has ended ($1; see $out/vellaro.log)"
  local w others=()
  for w in $(new_windows); do
    others+=("$w \"$(xdotool getwindowname "$w" 2>/dev/null)\"")
  done
  ((${#others[@]} == 0)) || fail "a window of the program appeared ($1): ${others[*]}"
}

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$app_pid/status"; }

# ---- Acting on the window ---------------------------------------------------------------
# xdotool waits 100 ms after a click by default: longer than a player, and long enough to
# miss the start of a short analysis.
click=(click --delay 0 1)
enter() {
  local cx cy
  read -r cx cy < <(tile_centre "$1")
  xdotool mousemove "$cx" "$cy" "${click[@]}"
}
# The options button shows its clickable picture only under the pointer.
options_button() {
  xdotool mousemove "${options[@]}"
  sleep 0.05
  xdotool "${click[@]}"
}

# ---- What the game should hold ----------------------------------------------------------
accepted=()     # the game log as it should be
ever=0          # spins accepted, undone ones included: the engine's count never goes back
credit=1        # entries since the last undo, plus one; the undo is offered from 2
offered=false   # whether the undo arrow should be olive now
crossed=-1      # the tile an undo leaves crossed out until the board next reopens
refused=0
undos=0
option_rounds=0
safe_level=0
safe_step=2
system=0
system_step=1
systems=6
rss_mid=
context() { echo "spin $entered of $spins, seed $seed"; }

options_round() {
  local before
  options_button
  wait_until 2000 window_height_is 448 || fail "the options area did not open ($(context))"

  read_places
  before=$(reading "check box" "Show Bet")
  # shellcheck disable=SC2046 # two words, x and y
  xdotool mousemove $(control_centre "Show Bet" "check box") "${click[@]}"
  wait_until 3000 reading_changed "check box" "Show Bet" "$before" ||
    fail "\"Show Bet\" did not change on a click ($(context))"

  # A click beside the handle moves it by a page, toward the click: at either end of the
  # groove, which runs along the upper half of the slider's place.
  ((safe_level + safe_step >= 0 && safe_level + safe_step <= 10)) || safe_step=$((-safe_step))
  before=$(reading slider "SAFE LEVEL")
  local x y w h
  read -r x y w h < <(control_extents "SAFE LEVEL" slider)
  if ((safe_step > 0)); then
    xdotool mousemove $((x + w - 3)) $((y + h * 3 / 8)) "${click[@]}"
  else
    xdotool mousemove $((x + 3)) $((y + h * 3 / 8)) "${click[@]}"
  fi
  safe_level=$((safe_level + safe_step))
  wait_until 3000 reading_changed slider "SAFE LEVEL" "$before" ||
    fail "the SAFE LEVEL slider did not move toward $safe_level ($(context))"

  # The list drops open as a window of its own; the keys go to it. The box's name is the
  # system it shows.
  local box
  box=$(control_under "BETTING SYSTEM:" "combo box")
  before=$(reading "combo box")
  # shellcheck disable=SC2046 # two words, x and y
  xdotool mousemove $(extents_centre "$box") "${click[@]}"
  wait_until 2000 new_window_count_is 1 || fail "the betting-system list did not open ($(context))"
  ((system + system_step >= 0 && system + system_step < systems)) || system_step=$((-system_step))
  if ((system_step > 0)); then
    xdotool key Down Return
  else
    xdotool key Up Return
  fi
  system=$((system + system_step))
  wait_until 2000 new_window_count_is 0 || fail "the betting-system list did not close ($(context))"
  wait_until 3000 reading_changed "combo box" "" "$before" ||
    fail "the betting system shown did not change to item $system ($(context))"
  # A change of the system withdraws the undo until the next analysis.
  offered=false

  options_button
  wait_until 2000 window_height_is 292 || fail "the options area did not close ($(context))"
  option_rounds=$((option_rounds + 1))
}

take_back() {
  xdotool mousemove $((undo_x + undo_w / 2)) $((undo_y + undo_h / 2)) "${click[@]}"
  local gone=${accepted[-1]}
  unset 'accepted[-1]'
  undos=$((undos + 1))
  credit=0
  offered=false
  crossed=$gone
  wait_until 1000 undo_greyed || fail "the undo arrow stayed olive after taking back $gone ($(context))"
  wait_until 1000 newest_history_is "${accepted[-1]}" ||
    fail "after taking back $gone the history does not start with ${accepted[-1]} ($(context))"
  # Straight from the arrow back onto the crossed-out tile: it takes nothing. An entry would
  # show in the history now and in the exported log at the end.
  local cx cy
  read -r cx cy < <(tile_centre "$gone")
  xdotool mousemove "$cx" "$cy" "${click[@]}"
  refused=$((refused + 1))
}

# ---- The game -----------------------------------------------------------------------------
start_xvfb "$out"
start_app "$app" "$out"
# Places that stay while the window does: the newest square of the history strip, the
# options button.
read -r -a newest < <(newest_square)
read -r -a options < <(control_centre "Options" "push button")
mapfile -t baseline < <(visible_windows)
[[ " ${baseline[*]} " == *" $window "* ]] || fail "the main window is not among the visible ones"
echo "soak: $spins spins, seed $seed"

entered=0
while ((entered < spins)); do
  # The tile taken back stays crossed out until the board reopens; a player picks another.
  draw 37
  while ((drawn == crossed)); do draw 37; done
  n=$drawn
  enter "$n"
  entered=$((entered + 1))
  accepted+=("$n")
  ever=$((ever + 1))
  credit=$((credit + 1))

  if ((ever >= first_analysed)); then
    offered=false
    # A tile that was open before the entry shows when the board locks and reopens.
    draw 37
    while ((drawn == n || drawn == crossed)); do draw 37; done
    probe=$drawn
    draw 4
    clicker=
    if ((drawn == 0)); then
      # Straight after the entry: the entered tile, the only one left, and a crossed-out one.
      # X delivers them after the entry, whenever the program reads them; sent beside the
      # polling, they leave it the whole analysis to see the board locked.
      draw 37
      while ((drawn == n)); do draw 37; done
      read -r cx cy < <(tile_centre "$drawn")
      xdotool "${click[@]}" mousemove "$cx" "$cy" "${click[@]}" &
      clicker=$!
      refused=$((refused + 2))
    fi
    wait_until 3000 tile_closed "$probe" ||
      fail "the board did not lock after $n was entered ($(context))"
    if [[ -n $clicker ]]; then
      wait "$clicker" || fail "xdotool could not click into the locked board ($(context))"
    fi
    wait_until 5000 tile_open "$probe" ||
      fail "the board did not open again after the analysis of $n ($(context))"
    crossed=-1
    if ((credit >= 2)); then offered=true; fi
  fi
  check_alone "after $(context)"

  if ((entered == memory_spin)); then
    rss_mid=$(rss_kb)
  fi

  if ((entered < spins)); then
    draw 6
    if ((drawn == 0)); then
      if $offered; then
        wait_until 500 undo_offered || fail "the undo arrow is not offered ($(context))"
        take_back
      else
        undo_greyed || fail "the undo arrow is offered although nothing may be taken back ($(context))"
      fi
    fi
    if ((entered % 20 == 7)); then
      options_round
      check_alone "after the options, $(context)"
    fi
  fi
done
rss_end=$(rss_kb)

# ---- The export -----------------------------------------------------------------------
log_base=$out/soak_log
rm -f "$log_base.txt"
xdotool key ctrl+s
wait_until 5000 new_window_count_is 1 || fail "Ctrl+S did not open the save dialog"
# The file-name field has the focus; whatever it holds is replaced.
xdotool key ctrl+a
xdotool type --delay 1 "$log_base"
xdotool key Return
wait_until 5000 new_window_count_is 0 || fail "the save dialog did not close"
wait_until 3000 test -f "$log_base.txt" || fail "no $log_base.txt after the export"
check_alone "after the export"
printf '%s\r\n' "${accepted[@]}" >"$out/soak_expected.txt"
if ! cmp -s "$out/soak_expected.txt" "$log_base.txt"; then
  diff <(tr -d '\r' <"$out/soak_expected.txt") <(tr -d '\r' <"$log_base.txt") | head -20 >&2 || true
  fail "the exported log differs from the ${#accepted[@]} accepted spins (seed $seed;" \
    "expected $out/soak_expected.txt, got $log_base.txt)"
fi

pointer_aside
sleep 0.2
import -window root "$out/soak_end.png"

elapsed_ms=$(((${EPOCHREALTIME/./} - started_us) / 1000))
printf 'soak: %d spins in %d.%01d s (seed %d): %d accepted, %d refused clicks, %d undos, %d option rounds\n' \
  "$entered" $((elapsed_ms / 1000)) $((elapsed_ms % 1000 / 100)) "$seed" "${#accepted[@]}" \
  "$refused" "$undos" "$option_rounds"
awk -v mid="$rss_mid" -v end="$rss_end" -v at="$memory_spin" 'BEGIN {
  printf "soak: VmRSS %d kB at spin %d, %d kB at the end (%+.1f %%)\n", mid, at, end, 100 * (end - mid) / mid
}'
((rss_end * 100 <= rss_mid * 105)) ||
  fail "resident memory grew by more than 5 % between spin $memory_spin and the end"
echo "PASS: the log holds exactly the accepted spins; screenshot $out/soak_end.png"
