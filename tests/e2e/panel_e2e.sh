#!/usr/bin/env bash
# Twenty clicked spins on the real window under Xvfb, then Ctrl+P: the session panel opens
# as a window of its own, at least 600 x 400 and not blank, and the main window still
# takes spins while it is open; Ctrl+P again closes it. The readout's net result is what
# vellaro-sim --summary makes of the spins the window exports, at the same settings.
# Usage: panel_e2e.sh <vellaro binary> <folder for the screenshots> <vellaro-sim binary>
#        <program printing the selected text>
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
app=$1
out=$2
sim=$3
selection=$4
mkdir -p "$out"
require_tools Xvfb xdotool import convert
# The panel remembers its place in the XDG config folder and reads the journal in the data
# folder: not the real ones.
export HOME=$out/home XDG_CONFIG_HOME=$out/home/config XDG_DATA_HOME=$out/home/data \
  XDG_CACHE_HOME=$out/home/cache
rm -rf "$HOME"
mkdir -p "$XDG_CONFIG_HOME"

start_xvfb "$out"
start_app "$app" "$out"
sleep 0.5

for n in 1 2 3 4 5 6 7 8 9 10 12 11 14 13 16 15 18 17 19 20; do spin "$n"; done

# The keyboard goes to the window under the pointer (there is no window manager).
pointer_aside
xdotool key ctrl+p
panel=$(timeout 10 xdotool search --sync --onlyvisible --name '^Vellaro — Session$' | head -1) ||
  fail "Ctrl+P opened no window titled 'Vellaro — Session'"
# shellcheck disable=SC2034 # set by the eval
eval "$(xdotool getwindowgeometry --shell "$panel" | sed 's/^/P_/')"
((P_WIDTH >= 600 && P_HEIGHT >= 400)) || fail "the panel is ${P_WIDTH}x$P_HEIGHT"
sleep 1
import -window root -crop "${P_WIDTH}x$P_HEIGHT+$P_X+$P_Y" +repage "$out/panel.png"
colours=$(convert "$out/panel.png" -format '%k' info:)
((colours > 20)) || fail "the panel looks blank: $colours colours (see $out/panel.png)"

# The main window still takes spins with the panel open (it may lie beneath it here).
xdotool windowraise "$window"
sleep 0.2
spin 21
spin 22

pointer_aside
xdotool key ctrl+p
for _ in $(seq 50); do
  xdotool search --onlyvisible --name '^Vellaro — Session$' >/dev/null || break
  sleep 0.1
done
xdotool search --onlyvisible --name '^Vellaro — Session$' >/dev/null &&
  fail "Ctrl+P did not close the panel"
# start_app gives the window a settings folder of its own under the output folder.
[[ -f $out/config/vellaro/session-panel.ini ]] || fail "the panel did not remember its place"

# The readout against the backtester: the window's spins exported, replayed at the same
# (default) settings. A triple click selects the readout's line of text.
export_log "$out/panel_log"
expected=$("$sim" --summary "$out/panel_log.txt" |
  sed -n 's/^net result of the shown bets, from 0: \(.*\) units\?$/\1/p')
[[ -n $expected ]] || fail "vellaro-sim gave no net result for $out/panel_log.txt"
select_readout
sleep 0.3
readout=$("$selection") || fail "the readout's text could not be selected"
[[ $readout == "Spins 22  Net $expected" ]] ||
  fail "the readout says '$readout'; vellaro-sim gives a net result of $expected"
echo "PASS: 22 spins, the panel opened at ${P_WIDTH}x$P_HEIGHT with $colours colours and" \
  "closed; the readout's '$readout' is vellaro-sim's net result"
