#!/usr/bin/env bash
# The program as the package installs it: the build installed under a prefix of its own, its
# window started from there with --lang de under Xvfb, a few spins, then the session panel by
# Ctrl+P, which it loads from the installed plugin (no build folder is named to it). Every
# text of the panel's tabs, those behind the first too, as a screen reader reads them over
# AT-SPI: none is an English text of the engine that its German catalogue says otherwise.
# Usage: installed_panel_e2e.sh <build folder> <folder for logs>
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
build=$1
out=$2
mkdir -p "$out"
require_tools Xvfb xdotool import
prefix=$out/prefix
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >"$out/install.log" 2>&1 ||
  fail "the build did not install (see $out/install.log)"
unset VELLARO_TEST_PANEL_DIR LANGUAGE LC_ALL LC_MESSAGES
export LANG=C.UTF-8 HOME=$out/home
rm -rf "$HOME"
mkdir -p "$HOME"

start_xvfb "$out"
printf '#!/bin/sh\nexec "%s" --lang de "$@"\n' "$prefix/bin/vellaro" >"$out/vellaro_de"
chmod +x "$out/vellaro_de"
e2e_lang=de
start_app "$out/vellaro_de" "$out"
sleep 0.5
# Enough for the panel's figures to be worded: streaks, the risk of the next spins.
for n in 1 2 3 4 5 6 7 8; do spin "$n"; done

pointer_aside
xdotool key ctrl+p
panel_title=$(translated "Vellaro — Session" de)
timeout 10 xdotool search --sync --onlyvisible --name "$(title_pattern "$panel_title")" >/dev/null ||
  fail "Ctrl+P opened no window titled '$panel_title' (see $out/vellaro.log)"
panel_read() {
  /usr/bin/python3 "$e2e_dir/atspi_read.py" texts "$panel_title" >"$out/panel_texts.txt" 2>/dev/null &&
    (($(wc -l <"$out/panel_texts.txt") > 20))
}
wait_until 20000 panel_read || fail "AT-SPI: the panel's texts were not read"
english=$(/usr/bin/python3 "$e2e_dir/engine_english.py" "$e2e_dir/../../translations/core/de.po" \
  <"$out/panel_texts.txt" 2>&1) ||
  fail "the installed panel shows the engine's English in a German window:
$english
(all its texts: $out/panel_texts.txt)"
echo "PASS: the installed program's panel, $(wc -l <"$out/panel_texts.txt") texts read," \
  "shows none of the engine's English under --lang de"
