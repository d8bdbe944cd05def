#!/usr/bin/env bash
# A list of spins pasted into the real window: the list on the clipboard, Ctrl+Shift+V
# opens "Add spins" with it, Return enters it. The strip shows the newest spin, the readout
# the spins and the net result that vellaro-sim gives for the same list as a file, the
# saved game log holds the spins one by one, and the session panel opens on them.
# Usage: add_spins_e2e.sh <vellaro binary> <folder> <vellaro-sim binary> <selection program>
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
app=$1
out=$2
sim=$3
selection=$4
mkdir -p "$out"
require_tools Xvfb xdotool import convert
export HOME=$out/home XDG_CONFIG_HOME=$out/home/config XDG_DATA_HOME=$out/home/data \
  XDG_CACHE_HOME=$out/home/cache
rm -rf "$HOME"
mkdir -p "$XDG_CONFIG_HOME"

# Thirty-nine spins as a table's display might give them: commas, semicolons, new lines.
list="17, 25, 0; 3 8
11 1 2 4 36, 5, 19; 22 7 30
14 9 31 20 33 6 12 27 34 10 15 26 18 21 13
28 16 35 24 32 23 29 2 5"
printf '%s\n' "$list" >"$out/list.txt"
count=$(tr ',;' '  ' <"$out/list.txt" | wc -w)
newest=5

start_xvfb "$out"
start_app "$app" "$out"
sleep 0.5

"$selection" --offer "$list" &
e2e_pids+=($!)
sleep 1
# The keyboard goes to the window under the pointer (there is no window manager).
pointer_aside
xdotool key ctrl+shift+v
dialog=$(timeout 10 xdotool search --sync --onlyvisible --name '^Vellaro — Add spins$' | head -1) ||
  fail "Ctrl+Shift+V opened no 'Add spins' dialog"
import -window root "$out/add_spins_dialog.png"
xdotool mousemove --window "$dialog" 20 20
xdotool key Return
for _ in $(seq 50); do
  xdotool search --onlyvisible --name '^Vellaro — Add spins$' >/dev/null || break
  sleep 0.1
done
xdotool search --onlyvisible --name '^Vellaro — Add spins$' >/dev/null &&
  fail "Return did not enter the list (see $out/add_spins_dialog.png)"
sleep 0.5
import -window root "$out/add_spins_window.png"

# The strip: the newest spin at its left, in its pocket's colour.
read -r -a square < <(newest_square)
newest_colour=$(screen_pixel "${square[@]}")
[[ $newest_colour == "$(pocket_colour "$newest")" ]] ||
  fail "the strip's newest square is $newest_colour, not the colour of $newest"

# The readout against the backtester on the same list as a file.
expected=$("$sim" --summary "$out/list.txt" |
  sed -n 's/^net result of the shown bets, from 0: \(.*\) units\?$/\1/p')
[[ -n $expected ]] || fail "vellaro-sim gave no net result for $out/list.txt"
select_readout
sleep 0.3
readout=$("$selection") || fail "the readout's text could not be selected"
[[ $readout == "Spins $count  Net $expected" ]] ||
  fail "the readout says '$readout'; vellaro-sim gives $count spins and a net result of $expected"

# The session panel follows: it opens on the evening and is not blank.
pointer_aside
xdotool key ctrl+p
panel=$(timeout 10 xdotool search --sync --onlyvisible --name '^Vellaro — Session$' | head -1) ||
  fail "Ctrl+P opened no session panel"
# shellcheck disable=SC2034 # set by the eval
eval "$(xdotool getwindowgeometry --shell "$panel" | sed 's/^/P_/')"
sleep 1
import -window root -crop "${P_WIDTH}x$P_HEIGHT+$P_X+$P_Y" +repage "$out/add_spins_panel.png"
colours=$(convert "$out/add_spins_panel.png" -format '%k' info:)
((colours > 20)) || fail "the panel looks blank: $colours colours (see $out/add_spins_panel.png)"
xdotool windowraise "$window"
pointer_aside
xdotool key ctrl+p
for _ in $(seq 50); do
  xdotool search --onlyvisible --name '^Vellaro — Session$' >/dev/null || break
  sleep 0.1
done

# The game log holds the spins as they were entered, one by one.
pointer_aside
export_log "$out/add_spins_log"
diff <(tr ',; ' '\n\n\n' <"$out/list.txt" | grep .) <(tr -d '\r' <"$out/add_spins_log.txt" | grep .) >/dev/null ||
  fail "the saved game log is not the list (see $out/add_spins_log.txt)"

echo "PASS: $count pasted spins entered at once; the strip shows $newest, the readout" \
  "'$readout' is vellaro-sim's, the log holds them one by one, the panel opened"
