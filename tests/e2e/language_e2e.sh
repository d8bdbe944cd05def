#!/usr/bin/env bash
# The window's language on the real program under Xvfb: LANG=de_DE.UTF-8 and `--lang de`
# each open it in German (a screen reader's view over AT-SPI names the controls in German;
# a screenshot shows the readout's German hint), and a language without a translation
# opens it in English.
# Usage: language_e2e.sh <vellaro binary> <folder for logs and screenshots>
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
app=$1
out=$2
mkdir -p "$out"
require_tools Xvfb xdotool import dbus-run-session /usr/libexec/at-spi-bus-launcher

# A session bus of the test's own, so that its accessibility bus is the test's too.
if [[ -z ${VELLARO_E2E_OWN_BUS:-} ]]; then
  exec env VELLARO_E2E_OWN_BUS=1 dbus-run-session -- "$0" "$@"
fi
export HOME=$out/home XDG_RUNTIME_DIR=$out/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset LANGUAGE LC_ALL LC_MESSAGES

start_xvfb "$out"

# The controls' names as a screen reader reads them, into $out/$1.txt; then the window closes.
read_names() {
  local try
  # The window's tree reaches the accessibility bus a little after the window shows.
  for try in 1 2 3 4 5 6 7 8 9 10; do
    /usr/bin/python3 "$(dirname "$0")/atspi_read.py" list >"$out/$1.txt" ||
      fail "AT-SPI: the controls could not be listed ($1)"
    grep -q $'\t' "$out/$1.txt" && break
    sleep 0.5
  done
  kill "$app_pid"
  wait "$app_pid" 2>/dev/null || true
}

# German from the locale, in a screenshot: the readout's hint is German.
LANG=de_DE.UTF-8 start_app "$app" "$out"
sleep 0.3
import -window root -crop "449x292+$wx+$wy" +repage "$out/e2e_language_de.png"
read_names locale_de
grep -q $'\tNeue Sitzung$' "$out/locale_de.txt" || fail "LANG=de_DE.UTF-8: no German names"
grep -q $'\tNew session$' "$out/locale_de.txt" && fail "LANG=de_DE.UTF-8: English names"

# German from the command line, whatever the locale says.
printf '#!/bin/sh\nexec "%s" --lang de "$@"\n' "$app" >"$out/vellaro_de"
chmod +x "$out/vellaro_de"
LANG=C.UTF-8 start_app "$out/vellaro_de" "$out"
read_names option_de
grep -q $'\tNeue Sitzung$' "$out/option_de.txt" || fail "--lang de: no German names"

# No translation for Portuguese: English, and the window opens all the same.
LANGUAGE=pt LANG=pt_BR.UTF-8 start_app "$app" "$out"
read_names missing_pt
grep -q $'\tNew session$' "$out/missing_pt.txt" || fail "LANGUAGE=pt: not English"
echo "PASS: language"
