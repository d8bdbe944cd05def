# shellcheck shell=bash
# Helpers shared by the end-to-end scripts: their own X server, the real binary, and the
# places of the board in window coordinates. Source it; it sets `set -euo pipefail`.
set -euo pipefail

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
e2e_cleanup() {
  local i
  for ((i = ${#e2e_pids[@]} - 1; i >= 0; i--)); do
    kill "${e2e_pids[i]}" 2>/dev/null || true
    wait "${e2e_pids[i]}" 2>/dev/null || true
  done
}
trap e2e_cleanup EXIT
# A script stopped by a signal (a time-out, Ctrl+C, a closed pipe) cleans up as well.
trap 'exit 129' HUP PIPE
trap 'exit 130' INT
trap 'exit 143' TERM

# Starts Xvfb on a display number nobody uses and exports DISPLAY. $1: folder for its log,
# $2: the screen's size (1024x768 unless given).
start_xvfb() {
  local n display=
  for n in $(seq 90 190); do
    if [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]]; then
      display=:$n
      break
    fi
  done
  [[ -n $display ]] || fail "no free X display number"
  Xvfb "$display" -screen 0 "${2:-1024x768}x24" -nolisten tcp >"$1/xvfb.log" 2>&1 &
  e2e_pids+=($!)
  export DISPLAY=$display
  for _ in $(seq 100); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  fail "Xvfb did not start on $display"
}

# Starts the program and waits for its window. Sets app_pid, window, wx and wy.
# $1: the binary, $2: folder for its log. The program keeps its settings in $2/config and
# its journal in $2/data, new for each start unless keep_config=1 or keep_data=1 (a restart
# that should find them again), and its rendered pictures in $2/cache.
start_app() {
  if [[ ${keep_config:-0} != 1 ]]; then rm -rf "$2/config"; fi
  if [[ ${keep_data:-0} != 1 ]]; then rm -rf "$2/data"; fi
  mkdir -p "$2/config" "$2/data"
  XDG_CONFIG_HOME="$2/config" XDG_DATA_HOME="$2/data" XDG_CACHE_HOME="$2/cache" "$1" \
    >"$2/vellaro.log" 2>&1 &
  app_pid=$!
  e2e_pids+=("$app_pid")
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vellaro 7\.2$' | head -1) ||
    fail "the Vellaro window did not appear"
  # shellcheck disable=SC2034 # set by the eval, kept local
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [[ $X == 242 && $Y == 112 ]] || fail "window shown at $X,$Y instead of 242,112"
  [[ $WIDTH == 449 && $HEIGHT == 292 ]] || fail "window is ${WIDTH}x$HEIGHT instead of 449x292"
  wx=$X
  wy=$Y
}

# The top-left corner of the tile of number $1, in window coordinates.
tile_place() {
  local n=$1
  if ((n == 0)); then
    echo "16 112"
  else
    echo "$((48 + 32 * ((n - 1) / 3))) $((144 - 32 * ((n - 1) % 3)))"
  fi
}

# The centre of the tile of number $1, in screen coordinates.
tile_centre() {
  local x y
  read -r x y < <(tile_place "$1")
  echo "$((wx + x + 16)) $((wy + y + 16))"
}

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

# Clicks number $1 until the newest square of the history strip shows its colour: a click
# while an analysis runs is refused and changes nothing, so it is safe to click again. The
# caller's spins alternate colours, so a new colour means a new spin.
spin() {
  local n=$1 want cx cy
  local newest_x=$((wx + 214 + 2)) newest_y=$((wy + 19 + 2))
  want=$(pocket_colour "$n")
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

# A tile is open (olive) again once the analysis has ended; the window's place is in wx, wy.
tile_open() {
  local x y g b
  read -r x y < <(tile_place "$1")
  IFS=, read -r _ g b < <(screen_pixel $((wx + x + 5)) $((wy + y + 27)))
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

# Opens the session limits with their button (under the minimise button) and types $1 and
# Return into the table maximum, their fourth edit. Leaves the dialog open, its place and
# size in D_X, D_Y, D_WIDTH and D_HEIGHT.
set_table_maximum() {
  local dialog
  xdotool mousemove $((wx + 408)) $((wy + 40))
  sleep 0.2
  xdotool click 1
  dialog=$(timeout 10 xdotool search --sync --onlyvisible --name '^Session limits$' | head -1) ||
    fail "the limits button opened no dialog"
  eval "$(xdotool getwindowgeometry --shell "$dialog" | sed 's/^/D_/')"
  xdotool mousemove $((D_X + 161)) $((D_Y + 126))
  sleep 0.1
  xdotool click 1
  xdotool type --delay 20 "$1"
  xdotool key Return
}
