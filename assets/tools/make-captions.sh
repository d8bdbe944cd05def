#!/usr/bin/env bash
# Writes the six glowing captions of the even-money fields (42 x 21 each).
# The glow is a halo of faint copies of the letters around the letters themselves,
# because text strokes are not drawn by every SVG renderer.
# Run from anywhere: bash assets/tools/make-captions.sh
set -euo pipefail

dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
FONT="Liberation Sans, Arial, sans-serif"

# halo COLOUR RADIUS OPACITY TEXT SQUEEZE : eight copies around the centre
halo() {
  local colour=$1 r=$2 op=$3 text=$4 sq=$5
  local d; d=$(awk "BEGIN{printf \"%.2f\", $r * 0.7071}")
  local off
  for off in "$r 0" "-$r 0" "0 $r" "0 -$r" "$d $d" "-$d $d" "$d -$d" "-$d -$d"; do
    set -- $off
    local x; x=$(awk "BEGIN{printf \"%.2f\", 21 + $1}")
    local y; y=$(awk "BEGIN{printf \"%.2f\", 15.2 + $2}")
    echo "  <text transform=\"translate($x $y) scale($sq 1)\" x=\"0\" y=\"0\" font-family=\"$FONT\" font-size=\"13\" font-weight=\"bold\" text-anchor=\"middle\" fill=\"$colour\" opacity=\"$op\">$text</text>"
  done
}

# caption FILE TEXT LETTERS GLOW CORE SQUEEZE
caption() {
  local file=$1 text=$2 letters=$3 glow=$4 core=$5 sq=$6
  {
    echo '<?xml version="1.0" encoding="UTF-8"?>'
    echo '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" width="42" height="21" viewBox="0 0 42 21">'
    halo "$glow" 2.2 0.07 "$text" "$sq"
    halo "$glow" 1.3 0.13 "$text" "$sq"
    echo "  <text transform=\"translate(21 15.2) scale($sq 1)\" x=\"0\" y=\"0\" font-family=\"$FONT\" font-size=\"13\" font-weight=\"bold\" text-anchor=\"middle\" fill=\"$letters\">$text</text>"
    echo "  <text transform=\"translate(21 14.7) scale($sq 1)\" x=\"0\" y=\"0\" font-family=\"$FONT\" font-size=\"13\" font-weight=\"bold\" text-anchor=\"middle\" fill=\"$core\" opacity=\"0.35\">$text</text>"
    echo '</svg>'
  } > "$dir/$file"
}

caption field_less.svg  "1-18"  "#ffd61f" "#ffc400" "#fff6b0" 1
caption field_even.svg  "EVEN"  "#ffd61f" "#ffc400" "#fff6b0" 1
caption field_red.svg   "RED"   "#ff3426" "#ff1a0a" "#ffb0a0" 1
caption field_black.svg "BLACK" "#ffffff" "#c8d8ff" "#ffffff" 0.8
caption field_odd.svg   "ODD"   "#ffd61f" "#ffc400" "#fff6b0" 1
caption field_more.svg  "19-36" "#ffd61f" "#ffc400" "#fff6b0" 0.92
