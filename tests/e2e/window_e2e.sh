#!/usr/bin/env bash
# Plays five spins on the real window under Xvfb with real X pointer events, checks by
# pixels that the recommendation, the history strip and a readout as tall as the captions are
# on screen, then drags the window. What it looks at is found by the names AT-SPI reads.
# Usage: window_e2e.sh <vellaro binary> <folder for the screenshots>
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
app=$1
out=$2
mkdir -p "$out"
require_tools Xvfb xdotool import convert

start_xvfb "$out"
start_app "$app" "$out"
window_geometry() { xdotool getwindowgeometry --shell "$window"; }

shot() { import -window root "$1"; }
# The mean of a rectangle of a screenshot, to compare one picture against another.
mean() { convert "$1" -crop "$2" +repage -format '%[fx:mean]' info:; }
# How many rows of a rectangle of a screenshot hold light pixels on the dark ground: the
# height of the text drawn there.
ink_rows() {
  convert "$1" -crop "$2" +repage -colorspace gray -threshold 45% -trim -format '%h' info:
}

# Let the first paint settle before the picture to compare against.
sleep 0.5
shot "$out/e2e_before.png"

for n in 17 25 0 0 0; do
  read -r cx cy < <(tile_centre "$n")
  xdotool mousemove "$cx" "$cy"
  sleep 0.15
  xdotool click 1
  sleep 0.25
done
# Away from the board, so that no highlight is in the picture.
pointer_aside

names=(Less Even Red Black Odd More)
black=3
# Each chance's chip, and its field: what lies between its trend switch and its chip.
chip=() field=()
for k in 0 1 2 3 4 5; do
  chip[k]=$(control_extents "Bet on ${names[k]}")
  read -r tx ty tw th <<<"$(control_extents "Trend ${names[k]}")"
  read -r _ cy _ _ <<<"${chip[k]}"
  field[k]="$tx $((ty + th)) $tw $((cy - ty - th))"
done

# The chip's ring, left of its centre, where neither the stake nor a notch lies.
ring_is_orange() {
  local x y w h r g b
  read -r x y w h <<<"${chip[$2]}"
  IFS=, read -r r g b < <(pixel "$1" $((x + 3)) $((y + h / 2)))
  ((r > g + 60 && r > b + 100))
}

shown=false
for _ in $(seq 50); do
  sleep 0.2
  shot "$out/e2e_window.png"
  if ring_is_orange "$out/e2e_window.png" $black; then
    shown=true
    break
  fi
done
$shown || fail "no Black chip after the analysis (see $out/e2e_window.png)"
# One more tick of the bet display writes the stake.
sleep 0.2
shot "$out/e2e_window.png"

for k in 0 1 2 3 4 5; do
  before_chip=$(mean "$out/e2e_before.png" "$(geometry "${chip[k]}")")
  after_chip=$(mean "$out/e2e_window.png" "$(geometry "${chip[k]}")")
  before_field=$(mean "$out/e2e_before.png" "$(geometry "${field[k]}")")
  after_field=$(mean "$out/e2e_window.png" "$(geometry "${field[k]}")")
  if ((k == black)); then
    [[ $before_chip != "$after_chip" ]] || fail "the Black chip looks like the grey one"
    [[ $before_field != "$after_field" ]] || fail "the Black field is not highlighted"
  else
    ring_is_orange "$out/e2e_window.png" "$k" && fail "the ${names[k]} chip is shown"
    [[ $before_chip == "$after_chip" ]] || fail "the ${names[k]} chip changed"
    [[ $before_field == "$after_field" ]] || fail "the ${names[k]} field changed"
  fi
done

# Newest first: 0, 0, 0, 25, 17. A corner of each of the strip's eight squares shows its
# colour.
expected=(0,128,0 0,128,0 0,128,0 128,0,0 0,0,0)
read -r sx sy sw _ <<<"$(control_extents "Last numbers")"
for i in 0 1 2 3 4; do
  got=$(pixel "$out/e2e_window.png" $((sx + i * sw / 8 + 2)) $((sy + 2)))
  [[ $got == "${expected[i]}" ]] || fail "history square $((i + 1)) is $got, not ${expected[i]}"
done

# The readout of the result ("Spins 5  Net 0") is drawn at least as tall as the options
# area's captions: the first capital of each, "S" and the "B" of "BET:", rows of light pixels.
click_control Options "push button"
sleep 0.5
eval "$(window_geometry)"
[[ $HEIGHT == 448 ]] || fail "the options area did not open"
pointer_aside
sleep 0.4
shot "$out/e2e_readout.png"
# The left edge of each, a little taller than its line.
read -r x y _ h <<<"$(control_extents "Session result")"
readout=$(ink_rows "$out/e2e_readout.png" "5x$((h + 3))+$x+$((y - 2))")
read -r x y _ h <<<"$(control_extents "BET:" label)"
caption=$(ink_rows "$out/e2e_readout.png" "5x$((h + 1))+$x+$((y - 1))")
((caption >= 7 && readout >= caption)) ||
  fail "the readout's letters are $readout px high, the captions' $caption (see $out/e2e_readout.png)"

# Drag by the background. Without a window manager the window follows the pointer itself.
read -r px py < <(control_centre "Where the game stands")
xdotool mousemove "$px" "$py"
sleep 0.1
xdotool mousedown 1
for step in 1 2 3 4 5 6; do
  xdotool mousemove $((px + 10 * step)) $((py + 7 * step))
  sleep 0.05
done
xdotool mouseup 1
sleep 0.3
eval "$(window_geometry)"
[[ $X == $((wx + 60)) && $Y == $((wy + 42)) ]] ||
  fail "the window is at $X,$Y after the drag, expected $((wx + 60)),$((wy + 42))"

echo "PASS: spins, recommendation, history strip, the readout's size and dragging; screenshot $out/e2e_window.png"
