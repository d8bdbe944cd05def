#!/usr/bin/env bash
# Plays five spins on the real window under Xvfb with real X pointer events, checks by
# pixels that the recommendation, the history strip and a readout as tall as the captions are
# on screen, then drags the window.
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
xdotool mousemove $((wx + 100)) $((wy + 66))

chip_x=(37 97 157 262 320 378)
field_x=(36 94 154 256 316 374)
names=(Less Even Red Black Odd More)
black=3

# The chip's ring, left of its centre, where neither the stake nor a notch lies.
ring_is_orange() {
  local r g b
  IFS=, read -r r g b < <(pixel "$1" $((wx + chip_x[$2] + 3)) $((wy + 247 + 17)))
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
  chip="33x33+$((wx + chip_x[k]))+$((wy + 247))"
  field="42x21+$((wx + field_x[k]))+$((wy + 218))"
  before_chip=$(mean "$out/e2e_before.png" "$chip")
  after_chip=$(mean "$out/e2e_window.png" "$chip")
  before_field=$(mean "$out/e2e_before.png" "$field")
  after_field=$(mean "$out/e2e_window.png" "$field")
  if ((k == black)); then
    [[ $before_chip != "$after_chip" ]] || fail "the Black chip looks like the grey one"
    [[ $before_field != "$after_field" ]] || fail "the Black field is not highlighted"
  else
    ring_is_orange "$out/e2e_window.png" "$k" && fail "the ${names[k]} chip is shown"
    [[ $before_chip == "$after_chip" ]] || fail "the ${names[k]} chip changed"
    [[ $before_field == "$after_field" ]] || fail "the ${names[k]} field changed"
  fi
done

# Newest first: 0, 0, 0, 25, 17. A corner of each square shows its colour.
expected=(0,128,0 0,128,0 0,128,0 128,0,0 0,0,0)
for i in 0 1 2 3 4; do
  got=$(pixel "$out/e2e_window.png" $((wx + 214 + 16 * i + 2)) $((wy + 19 + 2)))
  [[ $got == "${expected[i]}" ]] || fail "history square $((i + 1)) is $got, not ${expected[i]}"
done

# The readout of the result ("Spins 5  Net 0") is drawn at least as tall as the options
# area's captions: the first capital of each, "S" and the "B" of "BET:", rows of light pixels.
xdotool mousemove $((wx + 225)) $((wy + 265))
sleep 0.2
xdotool click 1
sleep 0.5
eval "$(window_geometry)"
[[ $HEIGHT == 448 ]] || fail "the options area did not open"
xdotool mousemove $((wx + 100)) $((wy + 66))
sleep 0.4
shot "$out/e2e_readout.png"
readout=$(ink_rows "$out/e2e_readout.png" "5x16+$((wx + 214))+$((wy + 38))")
caption=$(ink_rows "$out/e2e_readout.png" "5x14+$((wx + 16))+$((wy + 302))")
((caption >= 7 && readout >= caption)) ||
  fail "the readout's letters are $readout px high, the captions' $caption (see $out/e2e_readout.png)"

# Drag by the background. Without a window manager the window follows the pointer itself.
xdotool mousemove $((wx + 100)) $((wy + 66))
sleep 0.1
xdotool mousedown 1
for step in 1 2 3 4 5 6; do
  xdotool mousemove $((wx + 100 + 10 * step)) $((wy + 66 + 7 * step))
  sleep 0.05
done
xdotool mouseup 1
sleep 0.3
eval "$(window_geometry)"
[[ $X == $((wx + 60)) && $Y == $((wy + 42)) ]] ||
  fail "the window is at $X,$Y after the drag, expected $((wx + 60)),$((wy + 42))"

echo "PASS: spins, recommendation, history strip, the readout's size and dragging; screenshot $out/e2e_window.png"
