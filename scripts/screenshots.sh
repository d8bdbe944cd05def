#!/usr/bin/env bash
# The screenshots of the player's guide, taken from the real window on its own Xvfb
# display: a short evening clicked with xdotool (Martingale, DEEP SCAN, the settings a new
# player starts with), a table maximum that holds a bet back, the options area and the
# session panel. Each is written as a small PNG; the guide in README.md embeds them.
# Usage: scripts/screenshots.sh [build folder (build)] [folder for the pictures (docs/screenshots)]
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/../tests/e2e/lib.sh"
build=${1:-build}
pictures=${2:-docs/screenshots}
app=$build/app/vellaro
[[ -x $app ]] || fail "no $app: build it first (ninja -C $build vellaro)"
require_tools Xvfb xdotool import convert
mkdir -p "$pictures"
work=$(mktemp -d)
trap 'e2e_cleanup; rm -rf "$work"' EXIT
# Settings, journal and pictures of this run only: never the player's own.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data \
  XDG_CACHE_HOME=$work/home/cache XDG_RUNTIME_DIR=$work/home/run
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# Writes the screen's rectangle WxH+X+Y as $1.png, small: the artwork has few colours. $3:
# the largest width (a guide's page is about 650 pixels wide).
shoot() {
  import -window root -crop "$2" +repage "$work/shot.png"
  convert "$work/shot.png" -resize "${3:-650}x>" -strip -colors 128 \
    -define png:compression-level=9 "$pictures/$1.png"
}
# Points at the background, so that no highlight or tooltip is in the picture.
point_away() {
  pointer_aside
  sleep 0.4
}

start_xvfb "$work"
start_app "$app" "$work"
sleep 0.5

# Five spins: the first recommendation, Black at the base stake of 1 unit.
for n in 17 25 0 0 0; do play "$n"; done
point_away
shoot window "449x292+$wx+$wy"

# The options area, under the board.
click_control Options "push button"
sleep 0.5
point_away
window_place
shoot options "${WIDTH}x$HEIGHT+$wx+$wy"
click_control Options "push button"
sleep 0.3

# A table maximum of 2 units, typed into its edit of the limits.
set_table_maximum 2
sleep 0.4
shoot limits "${D_WIDTH}x$D_HEIGHT+$D_X+$D_Y"
xdotool key Escape
sleep 0.3

# Two zeros: the stake doubles to 2, then would be 4, above the table maximum.
play 0
play 0
wait_until 3000 banner_shown || fail "no banner for a stake above the table maximum"
point_away
shoot banner "449x292+$wx+$wy"

# The session panel, by Ctrl+P (the keys go to the window under the pointer).
for n in 7 8 9 10 11 12 13; do play "$n"; done
point_away
xdotool key ctrl+p
panel=$(timeout 10 xdotool search --sync --onlyvisible --name '^Vellaro — Session$' | head -1) ||
  fail "Ctrl+P opened no session panel"
# shellcheck disable=SC2034 # set by the eval
eval "$(xdotool getwindowgeometry --shell "$panel" | sed 's/^/P_/')"
sleep 1
shoot panel "${P_WIDTH}x$P_HEIGHT+$P_X+$P_Y"

ls -l "$pictures"/{window,limits,banner,options,panel}.png
