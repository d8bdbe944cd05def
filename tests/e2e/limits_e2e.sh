#!/usr/bin/env bash
# The session limits on the real window under Xvfb: a table maximum typed into its edit in
# the limits dialog, a Martingale run lost by clicks until the banner holds the next stake
# back (a screenshot shows it, no chip is on show), its reason there even right after an
# undo and a refused number, and never replaced by keys; then "Continue anyway" pressed with the
# pointer puts the chip on show and the banner goes. With vellaro-sim given, one more spin
# settles that bet, and the journal's session list and the replay of the session must count
# it alike.
# Usage: limits_e2e.sh <vellaro binary> <folder for logs and screenshots> [<vellaro-sim binary>]
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
app=$1
out=$2
sim=${3:-}
mkdir -p "$out"
require_tools Xvfb xdotool import convert md5sum

# The screen at the moment of a failure, beside the message.
fail() {
  if [[ -n ${DISPLAY:-} ]] && import -window root "$out/limits_failure.png" 2>/dev/null; then
    echo "FAIL: see $out/limits_failure.png" >&2
  fi
  echo "FAIL: $*" >&2
  exit 1
}

names=(Less Even Red Black Odd More)
# The ring of chip $1, left of its centre, is orange while the chip is on show.
chip_shown() {
  local r g b
  # shellcheck disable=SC2046 # two words, x and y
  IFS=, read -r r g b < <(screen_pixel $(chip_ring "${names[$1]}"))
  ((r > g + 60 && r > b + 100))
}
chips_shown() {
  local k n=0
  for k in 0 1 2 3 4 5; do chip_shown "$k" && n=$((n + 1)); done
  echo "$n"
}
banner_gone() { ! banner_shown; }

start_xvfb "$out"
start_app "$app" "$out"
sleep 0.5
banner_shown && fail "a banner before any limit was set"

set_table_maximum 1
sleep 0.3
import -window root -crop "${D_WIDTH}x$D_HEIGHT+$D_X+$D_Y" +repage "$out/e2e_limits_dialog.png"
conf="$out/config/vellaro/vellaro.conf"
wait_until 3000 grep -qx 'table_max=1' "$conf" ||
  fail "the table maximum typed is not in force (see $conf and $out/e2e_limits_dialog.png)"
grep -qx 'bankroll=off' "$conf" || fail "the 1 went to another limit (see $conf)"

# The left of the line under the head, where the progress, the digits typed and refusals
# are told; the banner, over it while a bet is held back.
readout_look() {
  local x y w h
  read -r x y w h <<<"$readout"
  import -window root -crop "$((w * 3 / 4))x$h+$x+$y" -depth 8 rgb:- | md5sum
}
banner_look() { readout_look; }
# Away from the board and the button, over a trend's switch, so that no highlight is in a
# picture.
pointer_off_board() {
  # shellcheck disable=SC2046 # two words, x and y
  xdotool mousemove $(control_centre "Trend Even")
}
# Keys go to the window, as a player types them after clicking the board.
keys() {
  xdotool key --delay 50 "$@"
  sleep 0.3
}

# Martingale, the system at start: Black at 1 unit after five spins, and 0 loses it; the
# next stake, 2, is above the table maximum. A slip refused on the way passes at the next
# spin.
readout=$(control_extents "Where the game stands")
for n in 17 25 0 0; do play "$n"; done
before=$(readout_look)
keys 3 7
refused=$(readout_look)
[[ $refused != "$before" ]] || fail "37 typed was not refused in the line"
play 5
[[ $(readout_look) != "$refused" ]] || fail "the refusal of 37 stayed after the next spin"
banner_shown && fail "a banner for a stake within the table maximum"
# The fifth spin taken back and typed again: refused, its tile is crossed out. The spin
# entered instead, 0, loses the bet on Black, and the stake of 2 is held back.
keys ctrl+z
read -r -a square < <(newest_square)
[[ $(screen_pixel "${square[@]}") == "$(pocket_colour 0)" ]] ||
  fail "Ctrl+Z did not take the fifth spin back"
keys 5 Return
[[ $(readout_look) != "$before" ]] || fail "5 typed again was not refused"
play 0
wait_until 3000 banner_shown || fail "no banner when the stake went above the table maximum"
pointer_off_board
sleep 0.3
held=$(banner_look)
import -window root -crop "449x292+$wx+$wy" +repage "$out/e2e_limits_refused_then_held.png"
# The reason beside "Continue anyway" is the one the banner shows once nothing else is
# waiting (a digit typed and cleared): not the refusal before it, not the digits typed.
keys 3
[[ $(banner_look) == "$held" ]] ||
  fail "a digit typed took the reason's place (see $out/e2e_limits_refused_then_held.png)"
keys Escape
[[ $(banner_look) == "$held" ]] ||
  fail "the banner showed something else than the reason after the refusal (see $out/e2e_limits_refused_then_held.png)"
pointer_off_board
sleep 0.3
import -window root -crop "449x292+$wx+$wy" +repage "$out/e2e_limits_banner.png"
(($(chips_shown) == 0)) || fail "a chip is on show while its bet is held back"

click_control "Continue anyway" "push button"
wait_until 3000 banner_gone || fail "the banner stayed after Continue anyway"
wait_until 2000 chip_shown 3 || fail "no chip on show after Continue anyway"
(($(chips_shown) == 1)) || fail "more than one chip on show"
sleep 0.3
import -window root -crop "449x292+$wx+$wy" +repage "$out/e2e_limits_continued.png"
if [[ -n $sim ]]; then
  play 17 # Black wins the 2 units played anyway
  journal=$out/data/vellaro/journal.sqlite
  listed=$("$sim" --journal "$journal" --list) || fail "vellaro-sim --list: $listed"
  IFS=, read -r _ _ _ list_spins list_shown list_net _ <<<"$(tail -1 <<<"$listed")"
  summary=$("$sim" --journal "$journal" --session last --summary) ||
    fail "the replay of the session failed: $summary"
  field() { sed -n "s/^$1: //p" <<<"$summary"; }
  net=$(field 'net result of the shown bets, from 0')
  net=${net% unit*} # "+1 unit", "+2 units"
  [[ $(field spins) == "$list_spins" && $(field 'bets shown') == "$list_shown" &&
    ${net#+} == "$list_net" ]] ||
    fail "the list says $list_spins spins, $list_shown bets shown, net $list_net; the replay: $summary"
  grep -q 'placed with "Continue anyway"' <<<"$summary" ||
    fail "the replay does not say the held-back bet was played anyway: $summary"
fi
echo "PASS: table maximum typed, banner shown ($out/e2e_limits_banner.png), Continue anyway shows the chip ($out/e2e_limits_continued.png)"
