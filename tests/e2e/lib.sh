# shellcheck shell=bash
# Helpers shared by the end-to-end scripts: their own X server and session bus, the real
# binary, and the controls of its windows found by the names a screen reader reads over
# AT-SPI, so that a redesign that moves a control leaves the scripts as they are. Source it;
# it sets `set -euo pipefail`.
set -euo pipefail

e2e_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Each script runs on a session bus of its own, so that the accessibility bus its window
# speaks to is its own too: scripts run side by side never read each other's windows.
if [[ -z ${VELLARO_E2E_OWN_BUS:-} ]]; then
  if ! command -v dbus-run-session >/dev/null; then
    echo "SKIP: dbus-run-session is not installed (see scripts/packages.txt)"
    exit 77
  fi
  exec env VELLARO_E2E_OWN_BUS=1 dbus-run-session -- "$0" "$@"
fi

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Exits with CTest's skip code when a tool the test drives the window with is missing.
require_tools() {
  local tool
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null; then
      echo "SKIP: $tool is not installed (see scripts/packages.txt)"
      exit 77
    fi
  done
}

# Everything started here is ended on exit, newest first, by its own process id.
e2e_pids=()
e2e_runtime=
e2e_cleanup() {
  local i
  for ((i = ${#e2e_pids[@]} - 1; i >= 0; i--)); do
    kill "${e2e_pids[i]}" 2>/dev/null || true
    wait "${e2e_pids[i]}" 2>/dev/null || true
  done
  if [[ -n $e2e_runtime ]]; then rm -rf "$e2e_runtime"; fi
}
trap e2e_cleanup EXIT
# A script stopped by a signal (a time-out, Ctrl+C, a closed pipe) cleans up as well.
trap 'exit 129' HUP PIPE
trap 'exit 130' INT
trap 'exit 143' TERM

# Starts Xvfb on a display number it takes itself (-displayfd: the server picks a free
# number and writes it once it accepts clients, so two scripts never race for one), exports
# DISPLAY, and starts the session's accessibility bus. $1: folder for its log, $2: the
# screen's size (1024x768 unless given).
start_xvfb() {
  local number=$1/xvfb.display
  rm -f "$number"
  Xvfb -displayfd 3 -screen 0 "${2:-1024x768}x24" -nolisten tcp 3>"$number" >"$1/xvfb.log" 2>&1 &
  e2e_pids+=($!)
  wait_until 20000 line_written "$number" || fail "Xvfb gave no display number (see $1/xvfb.log)"
  DISPLAY=:$(<"$number")
  export DISPLAY
  start_accessibility "$1"
}

# Whether the file $1 holds a whole line.
line_written() { [[ -s $1 && $(wc -l <"$1") -ge 1 ]]; }

# The accessibility bus of this session, which the window reports its controls on, in a
# runtime folder of the script's own.
start_accessibility() {
  require_tools /usr/libexec/at-spi-bus-launcher gdbus
  /usr/bin/python3 -c 'import gi' 2>/dev/null || {
    echo "SKIP: python3-gi is not installed (see scripts/packages.txt)"
    exit 77
  }
  e2e_runtime=$(mktemp -d)
  export XDG_RUNTIME_DIR=$e2e_runtime QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$1/at-spi.log" 2>&1 &
  e2e_pids+=($!)
  gdbus wait --session --timeout 20 org.a11y.Bus || fail "no accessibility bus (see $1/at-spi.log)"
}

# The window's title, from the version the binary $1 reports: "Vellaro 7.2".
window_title() {
  local line
  line=$("$1" --version) || fail "$1 --version failed"
  echo "Vellaro ${line##* }"
}

# A pattern for xdotool's --name that matches the text $1 alone.
title_pattern() { printf '^%s$' "$(sed 's/[][\\.^$*+?(){}|]/\\&/g' <<<"$1")"; }

# The controls on show and where they lie on the screen, as a screen reader is told:
# "role<TAB>name<TAB>x y width height", read anew into $e2e_places.
# A window started with QT_SCALE_FACTOR tells its places in unscaled pixels: set e2e_scale
# to the factor, and they are scaled here to the screen's.
read_places() {
  e2e_places=$e2e_runtime/places
  /usr/bin/python3 "$e2e_dir/atspi_read.py" places >"$e2e_places.read" ||
    fail "AT-SPI: the controls could not be read"
  awk -F'\t' -v OFS='\t' -v s="${e2e_scale:-1}" '{
      split($3, e, " "); $3 = e[1] * s " " e[2] * s " " e[3] * s " " e[4] * s; print
    }' "$e2e_places.read" >"$e2e_places"
}

# "x y width height" of the first control on show named $1, of role $2 if given; $3 may
# be "prefix" (the name starts with $1). From the places last read, and read anew when it
# is not among them (a dialog just opened). A control not on show has no place (0 0 0 0).
control_extents() {
  local found
  [[ -n ${e2e_places:-} && -f $e2e_places ]] || read_places
  found=$(places_match "$@") || {
    read_places
    found=$(places_match "$@")
  } || fail "AT-SPI: no control named \"$1\"${2:+ of role $2} on show"
  echo "$found"
}

places_match() {
  awk -F'\t' -v name="$1" -v role="${2:-}" -v how="${3:-}" '
    (how == "prefix" ? index($2, name) == 1 : $2 == name) && (role == "" || $1 == role) &&
    $4 == "shown" { print $3; found = 1; exit }
    END { exit !found }' "$e2e_places"
}

# The control of role $2 right under the label named $1 (a box whose own name is the item
# it shows): the first of that role that starts where the label starts, below it.
control_under() {
  local lx ly found
  read -r lx ly _ < <(control_extents "$1")
  found=$(awk -F'\t' -v role="$2" -v lx="$lx" -v ly="$ly" '
    $1 == role && $4 == "shown" { split($3, e, " "); if (e[1] == lx && e[2] > ly) { print $3; found = 1; exit } }
    END { exit !found }' "$e2e_places") || fail "AT-SPI: no $2 under \"$1\""
  echo "$found"
}

# The centre of a control (the arguments of control_extents), in screen coordinates.
control_centre() { extents_centre "$(control_extents "$@")"; }
extents_centre() {
  local x y w h
  read -r x y w h <<<"$1"
  echo "$((x + w / 2)) $((y + h / 2))"
}

# Points at a control as a player would, then clicks it: the hover comes first.
click_control() {
  local cx cy
  read_places
  read -r cx cy < <(control_centre "$@")
  xdotool mousemove "$cx" "$cy"
  sleep 0.1
  xdotool click 1
}

# Moves the pointer off the controls, onto the line that says where the game stands (the
# artwork beneath it takes no clicks), so that no hover lights a picture in a screenshot.
# e2e_lang: the window's language, if not English.
pointer_aside() {
  local cx cy
  read -r cx cy < <(control_centre "$(translated "Where the game stands" "${e2e_lang:-en}")")
  xdotool mousemove "$cx" "$cy"
}

# Starts the program and waits for its window and for its controls over AT-SPI. Sets
# app_pid, window, title (the window's, from the binary's version), wx and wy.
# $1: the binary, $2: folder for its log. The program keeps its settings in $2/config and
# its journal in $2/data, new for each start unless keep_config=1 or keep_data=1 (a restart
# that should find them again), and its rendered pictures in $2/cache.
start_app() {
  if [[ ${keep_config:-0} != 1 ]]; then rm -rf "$2/config"; fi
  if [[ ${keep_data:-0} != 1 ]]; then rm -rf "$2/data"; fi
  mkdir -p "$2/config" "$2/data"
  title=$(window_title "$1")
  XDG_CONFIG_HOME="$2/config" XDG_DATA_HOME="$2/data" XDG_CACHE_HOME="$2/cache" "$1" \
    >"$2/vellaro.log" 2>&1 &
  app_pid=$!
  e2e_pids+=("$app_pid")
  window=$(timeout 20 xdotool search --sync --onlyvisible --name "$(title_pattern "$title")" |
    head -1) || fail "the $title window did not appear"
  window_place
  [[ $wx == 242 && $wy == 112 ]] || fail "window shown at $wx,$wy instead of 242,112"
  [[ $WIDTH == 449 && $HEIGHT == 292 ]] || fail "window is ${WIDTH}x$HEIGHT instead of 449x292"
  wait_until 20000 board_read || fail "AT-SPI: the board's numbers were not read"
}

# The window's place on the screen into wx and wy, its size into WIDTH and HEIGHT.
window_place() {
  # shellcheck disable=SC2034 # set by the eval, kept local
  local X Y SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$window")"
  wx=$X
  wy=$Y
}

# Whether the places read hold all 37 numbers of the board (the window tells a screen reader
# of its controls a moment after it shows); keeps each number's place in tile_places, read
# again by a script that moves the window.
board_read() {
  read_places
  mapfile -t tile_places < <(awk -F'\t' '$1 == "list item" && $4 == "shown" {
      split($2, words, " "); print words[1] "\t" $3 }' "$e2e_places" | sort -n | cut -f2)
  ((${#tile_places[@]} == 37))
}

# "x y width height" of the tile of number $1 on the screen, as the board tells a screen
# reader: its numbers in order, each named by its number ("17 red", in any language).
tile_extents() { echo "${tile_places[$1]}"; }

# The centre of the tile of number $1, in screen coordinates.
tile_centre() { extents_centre "${tile_places[$1]}"; }

# The colour of one pixel of a screenshot file, as "r,g,b".
pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# The colour of one pixel of the screen as it is now, as "r,g,b": a grab of that pixel
# alone, cheap enough to poll with.
screen_pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- |
    sed -n 's/^0,0: *(\([0-9]*\),\([0-9]*\),\([0-9]*\)).*/\1,\2,\3/p'
}

# The colour a history square shows for number $1, as "r,g,b".
pocket_colour() {
  case $1 in
    0) echo 0,128,0 ;;
    1 | 3 | 5 | 7 | 9 | 12 | 14 | 16 | 18 | 19 | 21 | 23 | 25 | 27 | 30 | 32 | 34 | 36) echo 128,0,0 ;;
    *) echo 0,0,0 ;;
  esac
}

# A point of the newest square of the history strip, on the screen: its first square.
# e2e_lang: the window's language, if not English.
newest_square() {
  local x y w h
  read -r x y w h < <(control_extents "$(translated "Last numbers" "${e2e_lang:-en}")")
  echo "$((x + 2)) $((y + 2))"
}

# Clicks number $1 until the newest square of the history strip shows its colour: a click
# while an analysis runs is refused and changes nothing, so it is safe to click again. The
# caller's spins alternate colours, so a new colour means a new spin.
spin() {
  local n=$1 want cx cy newest_x newest_y
  want=$(pocket_colour "$n")
  read -r newest_x newest_y < <(newest_square)
  read -r cx cy < <(tile_centre "$n")
  for _ in $(seq 40); do
    xdotool mousemove "$cx" "$cy" click 1
    for _ in 1 2 3; do
      sleep 0.1
      [[ $(screen_pixel "$newest_x" "$newest_y") == "$want" ]] && return 0
    done
  done
  fail "spin $n was not taken"
}

# Exports the game log by Ctrl+S to $1.txt (the save dialog adds the extension).
export_log() {
  rm -f "$1.txt"
  xdotool key ctrl+s
  sleep 1
  xdotool key ctrl+a
  xdotool type --delay 1 "$1"
  xdotool key Return
  for _ in $(seq 50); do
    [[ -f $1.txt ]] && return 0
    sleep 0.1
  done
  fail "no $1.txt after the export"
}

# Milliseconds since the epoch, from the shell itself.
now_ms() { echo $((${EPOCHREALTIME/./} / 1000)); }

# Runs the command given after the time limit (in ms) until it succeeds; fails otherwise.
wait_until() {
  local deadline=$(($(now_ms) + $1))
  shift
  until "$@"; do
    (($(now_ms) < deadline)) || return 1
    sleep 0.05
  done
}

# A tile is open (olive) again once the analysis has ended: its lower left, where the
# number leaves the tile's own colour.
tile_open() {
  local x y w h g b
  read -r x y w h <<<"${tile_places[$1]}"
  IFS=, read -r _ g b < <(screen_pixel $((x + 5)) $((y + h - 6)))
  ((g > b + 40 && g > 70))
}

# Clicks the tile of $1 as a player would, then waits for the board to open again.
play() {
  local cx cy
  read -r cx cy < <(tile_centre "$1")
  xdotool mousemove "$cx" "$cy"
  sleep 0.1
  xdotool click 1
  sleep 0.2
  wait_until 8000 tile_open "$((($1 + 1) % 37))" || fail "the board did not open after $1"
}

# Opens the session limits with their button and types $1 and Return into the table
# maximum. Leaves the dialog open, its place and size in D_X, D_Y, D_WIDTH and D_HEIGHT.
set_table_maximum() {
  local dialog
  click_control "Session limits" "push button"
  dialog=$(timeout 10 xdotool search --sync --onlyvisible --name '^Session limits$' | head -1) ||
    fail "the limits button opened no dialog"
  eval "$(xdotool getwindowgeometry --shell "$dialog" | sed 's/^/D_/')"
  click_control "TABLE MAXIMUM:" text
  xdotool type --delay 20 "$1"
  xdotool key Return
}

# What the bet display reads to a screen reader: each trend's switch and each chip's stake.
bet_reading() {
  /usr/bin/python3 "$e2e_dir/atspi_read.py" states | grep -E $'^[^\t]*\t(Trend|Bet on) ' ||
    fail "AT-SPI: the bet display could not be read"
}

# Selects the session readout's line by a triple click, for the selection to be read.
select_readout() {
  # shellcheck disable=SC2046 # two words, x and y
  xdotool mousemove $(control_centre "Session result") click --repeat 3 --delay 80 1
}

# A rectangle "x y width height" as ImageMagick's geometry.
geometry() {
  local x y w h
  read -r x y w h <<<"$1"
  echo "${w}x$h+$x+$y"
}

# A point of the ring of the chip of chance $1 ("Red"), left of its centre, where neither
# the stake nor a notch lies: orange while the chip is on show.
chip_ring() {
  local x y w h
  read -r x y w h <<<"$(control_extents "Bet on $1")"
  echo "$((x + 3)) $((y + h / 2))"
}

# The row of the six chips with their stakes, "x y width height".
chips_extents() {
  local x y w h left right
  read -r left y _ h <<<"$(control_extents "Bet on Less")"
  read -r x _ w _ <<<"$(control_extents "Bet on More")"
  right=$((x + w))
  echo "$left $y $((right - left)) $h"
}

# The text $1 as the window shows it in language $2 (de, fr, ...), from its translation.
translated() {
  local ts=$e2e_dir/../../translations/vellaro_$2.ts found
  found=$(awk -v source="<source>$1</source>" '
    index($0, source) { want = 1; next }
    want && /<translation/ { sub(/.*<translation[^>]*>/, ""); sub(/<\/translation>.*/, ""); print; exit }
    /<\/message>/ { want = 0 }' "$ts" 2>/dev/null)
  echo "${found:-$1}"
}

# The banner of a bet held back lies over the readout line: its "Continue anyway" is on show
# to a screen reader while it does.
banner_shown() {
  read_places
  places_match "Continue anyway" "push button" >/dev/null
}
