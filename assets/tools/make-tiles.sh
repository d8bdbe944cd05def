#!/usr/bin/env bash
# Writes the number board tiles: tiles/tile_N.svg, tiles/tile_N_hover.svg (N = 0..36)
# and tiles/tile_inactive.svg. Run from anywhere: bash assets/tools/make-tiles.sh
set -euo pipefail

out="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/tiles"
mkdir -p "$out"

# Set to 0 to drop the small red/black pocket mark in the tile corner.
POCKET_MARK=${POCKET_MARK:-1}

is_red() {
  case " 1 3 5 7 9 12 14 16 18 19 21 23 25 27 30 32 34 36 " in
    *" $1 "*) return 0 ;;
    *) return 1 ;;
  esac
}

# pocket_mark N  -> a little corner wedge telling the colour of the pocket
pocket_mark() {
  local n=$1
  [[ $POCKET_MARK == 1 ]] || return 0
  if [[ $n == 0 ]]; then
    return 0
  elif is_red "$n"; then
    echo '  <path d="M 24 1.5 L 28.5 1.5 Q 31.5 1.5 31.5 4.5 L 31.5 9 Z" fill="#c8261c"/>'
    echo '  <path d="M 24 1.5 L 31.5 9" stroke="#ff8a70" stroke-width="0.6" opacity="0.6"/>'
  else
    echo '  <path d="M 24 1.5 L 28.5 1.5 Q 31.5 1.5 31.5 4.5 L 31.5 9 Z" fill="#141414"/>'
    echo '  <path d="M 24 1.5 L 31.5 9" stroke="#6a6a6a" stroke-width="0.6" opacity="0.6"/>'
  fi
}

# zero_accent -> thin green ring inside the zero tile
zero_accent() {
  echo '  <rect x="3.5" y="3.5" width="26" height="26" rx="3" ry="3" fill="none" stroke="#1f9a3a" stroke-width="1.2" opacity="0.85"/>'
}

# number_text N COLOUR : bold number with a faint light emboss under it
number_text() {
  local n=$1 colour=$2 size=15
  (( n >= 10 )) && size=14
  cat <<SVG
  <text x="16.5" y="22.8" font-family="Liberation Sans, Arial, sans-serif" font-size="$size" font-weight="bold" text-anchor="middle" fill="#ffffff" opacity="0.28">$n</text>
  <text x="16.5" y="22" font-family="Liberation Sans, Arial, sans-serif" font-size="$size" font-weight="bold" text-anchor="middle" fill="$colour">$n</text>
SVG
}

tile() {
  local n=$1
  cat <<SVG
<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" width="33" height="33" viewBox="0 0 33 33">
  <defs>
    <linearGradient id="face" x1="0" y1="0" x2="0" y2="33" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#8a9e2c"/>
      <stop offset="0.45" stop-color="#6b7d1f"/>
      <stop offset="1" stop-color="#55651a"/>
    </linearGradient>
  </defs>
  <rect x="0.5" y="0.5" width="32" height="32" rx="4" ry="4" fill="url(#face)" stroke="#232a08" stroke-width="1"/>
  <path d="M 2 27 L 2 5 Q 2 2 5 2 L 28 2" fill="none" stroke="#d8e88a" stroke-width="1" opacity="0.45"/>
  <path d="M 31 6 L 31 28 Q 31 31 28 31 L 5 31" fill="none" stroke="#2c360b" stroke-width="1" opacity="0.7"/>
  <rect x="3" y="3" width="27" height="12" rx="3" ry="3" fill="#ffffff" opacity="0.06"/>
SVG
  [[ $n == 0 ]] && zero_accent
  pocket_mark "$n"
  number_text "$n" "#0a0c02"
  echo '</svg>'
}

tile_hover() {
  local n=$1
  cat <<SVG
<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" width="33" height="33" viewBox="0 0 33 33">
  <defs>
    <linearGradient id="face" x1="0" y1="0" x2="0" y2="33" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#dcf25a"/>
      <stop offset="0.5" stop-color="#b4cc32"/>
      <stop offset="1" stop-color="#8ea222"/>
    </linearGradient>
  </defs>
  <rect x="0.5" y="0.5" width="32" height="32" rx="4" ry="4" fill="url(#face)" stroke="#3a4508" stroke-width="1"/>
  <rect x="2.5" y="2.5" width="28" height="28" rx="3" ry="3" fill="none" stroke="#f6ff9a" stroke-width="3" opacity="0.25"/>
  <rect x="2" y="2" width="29" height="29" rx="3" ry="3" fill="none" stroke="#f6ff9a" stroke-width="2" opacity="0.45"/>
  <rect x="1.5" y="1.5" width="30" height="30" rx="3.5" ry="3.5" fill="none" stroke="#fbffd0" stroke-width="1" opacity="0.95"/>
  <rect x="4" y="4" width="25" height="11" rx="3" ry="3" fill="#ffffff" opacity="0.14"/>
SVG
  [[ $n == 0 ]] && zero_accent
  pocket_mark "$n"
  number_text "$n" "#000000"
  echo '</svg>'
}

for n in $(seq 0 36); do
  tile "$n" > "$out/tile_$n.svg"
  tile_hover "$n" > "$out/tile_${n}_hover.svg"
done

cat > "$out/tile_inactive.svg" <<'SVG'
<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" width="33" height="33" viewBox="0 0 33 33">
  <defs>
    <linearGradient id="face" x1="0" y1="0" x2="0" y2="33" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#333333"/>
      <stop offset="1" stop-color="#242424"/>
    </linearGradient>
  </defs>
  <rect x="0.5" y="0.5" width="32" height="32" rx="4" ry="4" fill="url(#face)" stroke="#141414" stroke-width="1"/>
  <path d="M 2 27 L 2 5 Q 2 2 5 2 L 28 2" fill="none" stroke="#4a4a4a" stroke-width="1" opacity="0.6"/>
  <path d="M 10 10 L 23 23 M 23 10 L 10 23" fill="none" stroke="#161616" stroke-width="3.2" stroke-linecap="round"/>
  <path d="M 10 10 L 23 23 M 23 10 L 10 23" fill="none" stroke="#4c4c4c" stroke-width="1.6" stroke-linecap="round"/>
</svg>
SVG
