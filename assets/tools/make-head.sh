#!/usr/bin/env bash
# Writes head.svg, the 449 x 449 window background (also the drag handle).
# The six chance fields repeat, so they are laid out here from their positions.
# Run from anywhere: bash assets/tools/make-head.sh
set -euo pipefail

out="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/head.svg"
FONT="Liberation Sans, Arial, sans-serif"
GOLD="#d29f04"

# name  tab_x caption_x chip_x  dim caption   caption colour  body gradient
FIELDS=(
  "less  32  36  37  1-18  #6a5f1c felt"
  "even  90  94  97  EVEN  #6a5f1c felt"
  "red   149 154 157 RED   #74201c red"
  "black 253 256 262 BLACK #5c5c5c black"
  "odd   312 316 320 ODD   #6a5f1c felt"
  "more  370 374 378 19-36 #6a5f1c felt"
)

field() {
  local name=$1 tab=$2 cap=$3 chip=$4 text=$5 colour=$6 body=$7
  local x=$((tab - 2)) w=51
  local cx=$((cap + 21))
  local chipc; chipc=$(awk "BEGIN{print $chip + 16.5}")
  local squeeze=1
  [[ $text == BLACK ]] && squeeze=0.8
  [[ $text == 19-36 ]] && squeeze=0.92
  cat <<SVG
  <!-- field: $name -->
  <rect x="$x.5" y="188.5" width="$((w - 1))" height="99" rx="6" ry="6" fill="url(#body_$body)" stroke="#0c0c0c" stroke-width="1"/>
  <rect x="$((x + 1)).5" y="189.5" width="$((w - 3))" height="97" rx="5" ry="5" fill="none" stroke="$GOLD" stroke-width="1" opacity="0.38"/>
  <path d="M $((x + 3)) 190.5 L $((x + w - 3)) 190.5" stroke="#ffffff" stroke-width="1" opacity="0.10"/>
  <rect x="$((tab - 1)).5" y="192.5" width="48" height="18" rx="4" ry="4" fill="#0e0e0e" opacity="0.75"/>
  <path d="M $((x + 5)) 214.5 L $((x + w - 5)) 214.5" stroke="#000000" stroke-width="1" opacity="0.45"/>
  <path d="M $((x + 5)) 215.5 L $((x + w - 5)) 215.5" stroke="#ffffff" stroke-width="1" opacity="0.07"/>
  <text transform="translate($cx 233.2) scale($squeeze 1)" x="0" y="0" font-family="$FONT" font-size="13" font-weight="bold" text-anchor="middle" fill="$colour">$text</text>
  <path d="M $((x + 5)) 242.5 L $((x + w - 5)) 242.5" stroke="#000000" stroke-width="1" opacity="0.45"/>
  <path d="M $((x + 5)) 243.5 L $((x + w - 5)) 243.5" stroke="#ffffff" stroke-width="1" opacity="0.07"/>
  <circle cx="$chipc" cy="263.5" r="18.5" fill="none" stroke="$GOLD" stroke-width="1" opacity="0.28"/>
  <circle cx="$chipc" cy="263.5" r="17.5" fill="#0a0a0a" opacity="0.6"/>
SVG
}

{
cat <<SVG
<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" width="449" height="449" viewBox="0 0 449 449">
  <defs>
    <linearGradient id="window" x1="0" y1="0" x2="0" y2="449" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#262626"/>
      <stop offset="0.6" stop-color="#232323"/>
      <stop offset="1" stop-color="#202020"/>
    </linearGradient>
    <linearGradient id="topbar" x1="0" y1="0" x2="0" y2="51" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#343434"/>
      <stop offset="0.55" stop-color="#2a2a2a"/>
      <stop offset="1" stop-color="#222222"/>
    </linearGradient>
    <linearGradient id="felt" x1="0" y1="76" x2="0" y2="181" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#1f4220"/>
      <stop offset="0.5" stop-color="#173418"/>
      <stop offset="1" stop-color="#112812"/>
    </linearGradient>
    <linearGradient id="zero" x1="16" y1="0" x2="48" y2="0" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#16501f"/>
      <stop offset="1" stop-color="#1d5e26"/>
    </linearGradient>
    <linearGradient id="body_felt" x1="0" y1="188" x2="0" y2="288" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#2e3224"/>
      <stop offset="1" stop-color="#1a1c15"/>
    </linearGradient>
    <linearGradient id="body_red" x1="0" y1="188" x2="0" y2="288" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#431a17"/>
      <stop offset="1" stop-color="#230d0b"/>
    </linearGradient>
    <linearGradient id="body_black" x1="0" y1="188" x2="0" y2="288" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#222222"/>
      <stop offset="1" stop-color="#0f0f0f"/>
    </linearGradient>
    <linearGradient id="goldline" x1="0" y1="0" x2="449" y2="0" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="$GOLD" stop-opacity="0"/>
      <stop offset="0.18" stop-color="$GOLD" stop-opacity="0.85"/>
      <stop offset="0.5" stop-color="#f0c030" stop-opacity="1"/>
      <stop offset="0.82" stop-color="$GOLD" stop-opacity="0.85"/>
      <stop offset="1" stop-color="$GOLD" stop-opacity="0"/>
    </linearGradient>
    <linearGradient id="panel" x1="0" y1="293" x2="0" y2="449" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#1c1c1c"/>
      <stop offset="0.15" stop-color="#1f1f1f"/>
      <stop offset="1" stop-color="#1a1a1a"/>
    </linearGradient>
    <linearGradient id="group" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#ffffff" stop-opacity="0.035"/>
      <stop offset="1" stop-color="#ffffff" stop-opacity="0.01"/>
    </linearGradient>
    <radialGradient id="hub" cx="225.5" cy="218" r="11" fx="222" fy="214" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#5a3a18"/>
      <stop offset="1" stop-color="#24160a"/>
    </radialGradient>
    <linearGradient id="titlegold" x1="0" y1="14" x2="0" y2="36" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#f6cf45"/>
      <stop offset="0.5" stop-color="$GOLD"/>
      <stop offset="1" stop-color="#9c7403"/>
    </linearGradient>
  </defs>

  <!-- window -->
  <rect x="0" y="0" width="449" height="449" fill="url(#window)"/>

  <!-- top bar -->
  <rect x="0" y="0" width="449" height="51" fill="url(#topbar)"/>
  <path d="M 0 51.5 L 449 51.5" stroke="#111111" stroke-width="1"/>
  <path d="M 0 52.5 L 449 52.5" stroke="#393939" stroke-width="1" opacity="0.7"/>
  <path d="M 2 1.5 L 447 1.5" stroke="#ffffff" stroke-width="1" opacity="0.06"/>

  <!-- emblem: a little wheel -->
  <circle cx="24" cy="26.5" r="13" fill="#1a1208" stroke="$GOLD" stroke-width="1.6"/>
  <circle cx="24" cy="26.5" r="10.2" fill="none" stroke="#b21f17" stroke-width="3"/>
  <circle cx="24" cy="26.5" r="10.2" fill="none" stroke="#111111" stroke-width="3" stroke-dasharray="1.73 1.73"/>
  <circle cx="24" cy="26.5" r="8.2" fill="none" stroke="#8a6a10" stroke-width="0.8"/>
  <circle cx="24" cy="26.5" r="7.6" fill="#3c2610"/>
  <path d="M 24 20.5 L 24 32.5 M 18 26.5 L 30 26.5" stroke="$GOLD" stroke-width="1.3" stroke-linecap="round"/>
  <circle cx="24" cy="26.5" r="2.2" fill="#f2cb3c"/>
  <circle cx="31.2" cy="20.2" r="1.6" fill="#f4f4f4"/>

  <!-- product name -->
  <text x="45" y="36" font-family="$FONT" font-size="22" font-weight="bold" fill="#000000" opacity="0.7">VELLARO</text>
  <text x="44" y="35" font-family="$FONT" font-size="22" font-weight="bold" fill="url(#titlegold)">VELLARO</text>
  <text x="156" y="24" font-family="$FONT" font-size="10" font-weight="bold" fill="#8e8e8e">7.2</text>
  <path d="M 44 41.5 L 148 41.5" stroke="url(#goldline)" stroke-width="1" opacity="0.5"/>

  <!-- history strip (the eight squares sit on it) -->
  <rect x="204" y="15" width="165" height="25" rx="5" ry="5" fill="#161616"/>
  <path d="M 208 15.5 L 365 15.5" stroke="#000000" stroke-width="1" opacity="0.8"/>
  <rect x="203.5" y="14.5" width="166" height="26" rx="5.5" ry="5.5" fill="none" stroke="#0c0c0c" stroke-width="1"/>
  <path d="M 208 41.5 L 365 41.5" stroke="#ffffff" stroke-width="1" opacity="0.09"/>

  <!-- progress groove -->
  <rect x="0" y="55" width="449" height="6" fill="#111111"/>
  <path d="M 0 55.5 L 449 55.5" stroke="#050505" stroke-width="1"/>
  <path d="M 0 61.5 L 449 61.5" stroke="#3c3c3c" stroke-width="1" opacity="0.8"/>

  <!-- number board -->
  <rect x="11.5" y="75.5" width="426" height="107" rx="7" ry="7" fill="#000000" opacity="0.35"/>
  <rect x="12.5" y="76.5" width="424" height="104" rx="6" ry="6" fill="url(#felt)" stroke="$GOLD" stroke-width="1" opacity="1"/>
  <rect x="13.5" y="77.5" width="422" height="102" rx="5" ry="5" fill="none" stroke="#000000" stroke-width="1" opacity="0.45"/>
  <path d="M 18 78.5 L 431 78.5" stroke="#ffffff" stroke-width="1" opacity="0.07"/>
  <rect x="48" y="80" width="386" height="98" fill="#0d1f0e"/>
SVG

# grid lines between the cells (the tiles cover the cells themselves)
for c in $(seq 0 12); do
  x=$((48 + 32 * c))
  echo "  <path d=\"M $x.5 80 L $x.5 178\" stroke=\"#3b7a3a\" stroke-width=\"1\" opacity=\"0.55\"/>"
done
for r in 0 1 2 3; do
  y=$((80 + 32 * r))
  echo "  <path d=\"M 48 $y.5 L 434 $y.5\" stroke=\"#3b7a3a\" stroke-width=\"1\" opacity=\"0.55\"/>"
done

cat <<SVG
  <!-- the zero pocket, tall, with its tile in the middle -->
  <path d="M 48.5 80.5 L 30 80.5 Q 16.5 80.5 16.5 94 L 16.5 163 Q 16.5 176.5 30 176.5 L 48.5 176.5 Z" fill="url(#zero)" stroke="#3b7a3a" stroke-width="1"/>
  <path d="M 18.5 160 L 18.5 95 Q 18.5 82.5 30 82.5 L 46 82.5" fill="none" stroke="#ffffff" stroke-width="1" opacity="0.08"/>
  <path d="M 32.5 89 L 37 96 L 32.5 103 L 28 96 Z" fill="$GOLD" opacity="0.85"/>
  <path d="M 32.5 89 L 37 96 L 32.5 96 Z" fill="#ffe27a" opacity="0.5"/>
  <path d="M 32.5 154 L 37 161 L 32.5 168 L 28 161 Z" fill="$GOLD" opacity="0.85"/>
  <path d="M 32.5 154 L 37 161 L 32.5 161 Z" fill="#ffe27a" opacity="0.5"/>

  <!-- the six even-money chances -->
SVG

for f in "${FIELDS[@]}"; do
  # shellcheck disable=SC2086
  field $f
done

cat <<SVG

  <!-- centre piece between RED and BLACK, above the options button -->
  <circle cx="225.5" cy="218" r="19" fill="none" stroke="$GOLD" stroke-width="1" opacity="0.25"/>
  <circle cx="225.5" cy="218" r="16.5" fill="#15100a" stroke="$GOLD" stroke-width="1.6"/>
  <circle cx="225.5" cy="218" r="13.6" fill="none" stroke="#b21f17" stroke-width="4"/>
  <circle cx="225.5" cy="218" r="13.6" fill="none" stroke="#101010" stroke-width="4" stroke-dasharray="2.31 2.31"/>
  <circle cx="225.5" cy="218" r="11.3" fill="none" stroke="#9a7510" stroke-width="0.8"/>
  <circle cx="225.5" cy="218" r="10.8" fill="url(#hub)"/>
  <path d="M 225.5 209 L 225.5 227 M 216.5 218 L 234.5 218" stroke="$GOLD" stroke-width="1.6" stroke-linecap="round"/>
  <circle cx="225.5" cy="218" r="3" fill="#f2cb3c"/>
  <circle cx="224.6" cy="217.1" r="1" fill="#fff3b8"/>
  <circle cx="235.1" cy="208.4" r="2" fill="#f4f4f4"/>
  <circle cx="234.6" cy="207.9" r="0.8" fill="#ffffff"/>
  <rect x="203.5" y="248.5" width="44" height="33" rx="6" ry="6" fill="#0c0c0c" opacity="0.45"/>

  <!-- options area -->
  <rect x="0" y="293" width="449" height="156" fill="url(#panel)"/>
  <path d="M 0 292.5 L 449 292.5" stroke="url(#goldline)" stroke-width="1"/>
  <path d="M 0 293.5 L 449 293.5" stroke="#000000" stroke-width="1" opacity="0.6"/>
  <rect x="8.5" y="300.5" width="432" height="45" rx="5" ry="5" fill="url(#group)" stroke="#363636" stroke-width="1"/>
  <path d="M 13 301.5 L 436 301.5" stroke="#ffffff" stroke-width="1" opacity="0.05"/>
  <rect x="8.5" y="385.5" width="432" height="55" rx="5" ry="5" fill="url(#group)" stroke="#363636" stroke-width="1"/>
  <path d="M 13 386.5 L 436 386.5" stroke="#ffffff" stroke-width="1" opacity="0.05"/>
  <path d="M 8.5 310 L 8.5 305.5 Q 8.5 300.5 13.5 300.5 L 19 300.5 M 430 300.5 L 435.5 300.5 Q 440.5 300.5 440.5 305.5 L 440.5 310 M 8.5 335 L 8.5 340.5 Q 8.5 345.5 13.5 345.5 L 19 345.5 M 430 345.5 L 435.5 345.5 Q 440.5 345.5 440.5 340.5 L 440.5 335" fill="none" stroke="$GOLD" stroke-width="1" opacity="0.6"/>
  <path d="M 8.5 395 L 8.5 390.5 Q 8.5 385.5 13.5 385.5 L 19 385.5 M 430 385.5 L 435.5 385.5 Q 440.5 385.5 440.5 390.5 L 440.5 395 M 8.5 430 L 8.5 435.5 Q 8.5 440.5 13.5 440.5 L 19 440.5 M 430 440.5 L 435.5 440.5 Q 440.5 440.5 440.5 435.5 L 440.5 430" fill="none" stroke="$GOLD" stroke-width="1" opacity="0.6"/>
  <path d="M 40 365.5 L 409 365.5" stroke="#ffffff" stroke-width="1" opacity="0.03"/>

  <!-- window edge -->
  <rect x="0.5" y="0.5" width="448" height="448" fill="none" stroke="#0a0a0a" stroke-width="1"/>
  <rect x="1.5" y="1.5" width="446" height="446" fill="none" stroke="#ffffff" stroke-width="1" opacity="0.05"/>
</svg>
SVG
} > "$out"
