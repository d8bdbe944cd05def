#!/usr/bin/env bash
# The options area on the real window under Xvfb, at 100 % and at 200 % (QT_SCALE_FACTOR=2):
# screenshots of it beside the window's, and checks by pixels that the spin edits have no
# white arrow column and that the buttons stay inside their frames. Then, under a window
# manager, a press and release on the background with no time between them must leave the
# window where it is.
# Usage: options_e2e.sh <vellaro binary> <folder for the screenshots>
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
app=$1
out=$2
mkdir -p "$out"
require_tools Xvfb xdotool import convert

# Room for the window at twice its size.
start_xvfb "$out" 2048x1536

# Starts the program at a scale and waits for its window and its controls over AT-SPI; sets
# app_pid, window, wx, wy, WIDTH and HEIGHT.
start_scaled() {
  # Its own settings folder, new each time: nothing carries over from another start.
  rm -rf "$out/config_x$1" "$out/data_x$1"
  XDG_CONFIG_HOME="$out/config_x$1" XDG_DATA_HOME="$out/data_x$1" XDG_CACHE_HOME="$out/cache" \
    QT_SCALE_FACTOR=$1 "$app" >"$out/vellaro_x$1.log" 2>&1 &
  app_pid=$!
  e2e_pids+=("$app_pid")
  title=$(window_title "$app")
  window=$(timeout 20 xdotool search --sync --onlyvisible --name "$(title_pattern "$title")" |
    head -1) || fail "the $title window did not appear at scale $1 ($2)"
  window_place
  [[ $WIDTH == $((449 * $1)) && $HEIGHT == $((292 * $1)) ]] ||
    fail "at scale $1 the window is ${WIDTH}x$HEIGHT"
  e2e_scale=$1
  wait_until 20000 board_read || fail "AT-SPI: the board's numbers were not read at scale $1"
}

stop_app() {
  kill "$app_pid" 2>/dev/null || true
  wait "$app_pid" 2>/dev/null || true
}

# The brightest channel over a rectangle of a screenshot, 0..255. $2: WxH+X+Y.
brightest() { convert "$1" -crop "$2" +repage -format '%[fx:int(255*maxima)]' info:; }

for s in 1 2; do
  start_scaled $s "no window manager"
  closed=$HEIGHT
  click_control Options "push button"
  sleep 0.5
  window_place
  [[ $HEIGHT == $((448 * s)) ]] || fail "at scale $s the options area did not open"
  # Away from every control, so that no hover is in the picture.
  pointer_aside
  sleep 0.4
  shot="$out/e2e_options.png"
  import -window root "$shot"
  # The area the options opened, below the window as it was.
  import -window root -crop "${WIDTH}x$((HEIGHT - closed))+$wx+$((wy + closed))" +repage \
    "$out/e2e_options_x$s.png"

  # The arrow column of the base stake, its right end less the frame, is dark.
  read -r x y w h <<<"$(control_extents "Base stake" "spin box")"
  column="$((10 * s))x$((18 * s))+$((x + w - 12 * s))+$((y + 3 * s))"
  ((($(brightest "$shot" "$column")) < 200)) ||
    fail "at scale $s the arrows of the base stake sit on a white column (see $shot)"
  # Right of the buttons, up to the frame line of their group, lies only the dark group
  # (below the gold corners of the frame: from the middle of the upper button down).
  read -r x y w h <<<"$(control_extents "ReCalculate" "push button")"
  gap="$((2 * s))x$((26 * s))+$((x + w))+$((y + h * 2 / 3))"
  ((($(brightest "$shot" "$gap")) < 120)) ||
    fail "at scale $s a button reaches the frame of its group (see $shot)"
  stop_app
done

if command -v openbox >/dev/null; then
  openbox >"$out/openbox.log" 2>&1 &
  e2e_pids+=($!)
  sleep 0.5
  start_scaled 1 openbox
  window_place
  for _ in 1 2 3; do
    pointer_aside
    sleep 0.2
    xdotool mousedown 1 mouseup 1
    sleep 0.2
    # shellcheck disable=SC2046 # two words, x and y
    xdotool mousemove $(control_centre "Number board")
    sleep 0.3
    eval "$(xdotool getwindowgeometry --shell "$window")"
    [[ $X == "$wx" && $Y == "$wy" ]] ||
      fail "after a press and release the window followed the pointer to $X,$Y"
  done
  stop_app
  echo "PASS: options area at 100 % and 200 % ($out/e2e_options_x1.png, _x2.png); no drag left behind"
else
  echo "PASS: options area at 100 % and 200 % ($out/e2e_options_x1.png, _x2.png); no window manager to check the drag with"
fi
