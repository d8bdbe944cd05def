#!/usr/bin/env bash
# Dialogs over the always-on-top window, under a window manager as a player's desktop has
# one: Ctrl+S, a name in /proc, where no file can be made, and the error box that says so
# must stack above the main window, lie whole on the screen and show its text uncovered.
# Usage: dialogs_e2e.sh <vellaro binary> <folder for logs and screenshots> <selection reader>
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
app=$1
out=$2
selection=$3
mkdir -p "$out"
require_tools Xvfb xdotool xwininfo openbox import convert

# The screen at the moment of a failure, beside the message.
fail() {
  if [[ -n ${DISPLAY:-} ]] && import -window root "$out/dialogs_failure.png" 2>/dev/null; then
    echo "FAIL: see $out/dialogs_failure.png" >&2
  fi
  echo "FAIL: $*" >&2
  exit 1
}

# The window a top-level window of the program lies in: the frame the window manager put
# it in, a child of the root window.
frame_of() {
  local id=$1 parent root
  root=$(xwininfo -root | sed -n 's/^xwininfo: Window id: \(0x[0-9a-f]*\).*/\1/p')
  id=$(printf '0x%x' "$id")
  while :; do
    parent=$(xwininfo -id "$id" -tree | sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p')
    [[ $parent == "$root" ]] && break
    id=$parent
  done
  echo "$id"
}
# Where a child of the root window stands in the stacking order: 1 for the topmost.
stacking_place() {
  xwininfo -root -children | grep -o '^ *0x[0-9a-f]*' | tr -d ' ' | grep -nx "$1" | cut -d: -f1
}

start_xvfb "$out"
start_app "$app" "$out"
sleep 0.5
pointer_aside
xdotool click 1
xdotool key ctrl+s
timeout 10 xdotool search --sync --onlyvisible --name '^Save Vellaro 4 Game History' >/dev/null ||
  fail "Ctrl+S opened no save dialog"
name=/proc/vellaro-test
# Pasted whole: the name field opens a popup of the folders matching what is typed so far,
# and keys typed while it opens are lost.
"$selection" --offer "$name" &
e2e_pids+=($!)
sleep 1
xdotool key ctrl+a ctrl+v
sleep 1
# Its Save button, at the right of the name: Return can go to a popup still opening.
click_control Save "push button"
box=$(timeout 5 xdotool search --sync --onlyvisible --name '^Vellaro$' | head -1) || true
[[ -n $box ]] || fail "no error box after saving to $name"
# The window manager comes now, as on the player's desktop: it stacks the windows it
# finds by their kind, the always-on-top window above every window that is not its own.
openbox >"$out/openbox.log" 2>&1 &
e2e_pids+=($!)
sleep 1.5
shot=$out/e2e_dialogs_error.png
import -window root "$shot"

box_frame=$(frame_of "$box")
window_frame=$(frame_of "$window")
(($(stacking_place "$box_frame") < $(stacking_place "$window_frame"))) ||
  fail "the error box lies under the main window (see $shot)"
# Where the box's own window lies on the screen, inside its frame.
geometry() { xwininfo -id "$box" | sed -n "s/^ *$1: *\(-*[0-9]*\)$/\1/p"; }
X=$(geometry 'Absolute upper-left X')
Y=$(geometry 'Absolute upper-left Y')
WIDTH=$(geometry Width)
HEIGHT=$(geometry Height)
((X >= 0 && Y >= 0 && X + WIDTH <= 1024 && Y + HEIGHT <= 768)) ||
  fail "the error box at ${WIDTH}x$HEIGHT+$X+$Y is not whole on the screen"
# Seen on the screen: a light box whose text is dark. Any part of the dark main window over
# it would darken the band along its edges.
darkest() {
  convert "$shot" -crop "$1" +repage -colorspace Gray -format '%[fx:int(255*minima)]' info:
}
for band in "6x$HEIGHT+$X+$Y" "6x$HEIGHT+$((X + WIDTH - 6))+$Y" "${WIDTH}x4+$X+$Y" \
  "${WIDTH}x4+$X+$((Y + HEIGHT - 4))"; do
  (($(darkest "$band") > 150)) ||
    fail "the edge $band of the error box is covered (see $shot)"
done
(($(darkest "$((WIDTH - 100))x30+$((X + 80))+$((Y + 10))") < 80)) ||
  fail "no text in the error box (see $shot)"
echo "PASS: the error box of a save to $name stacks above the main window, whole on the screen ($shot)"
