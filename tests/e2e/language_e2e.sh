#!/usr/bin/env bash
# The window's language on the real program under Xvfb: LANG=de_DE.UTF-8 and `--lang de`
# each open it in German (a screen reader's view over AT-SPI names the controls in German;
# a screenshot shows the readout's German hint), and a language without a translation
# opens it in English. Then each shipped language (those compiled beside the program) at
# scale 1 and 2: screenshots of the options area and of the session panel,
# e2e_lang_<language>_<scale>_options.png and _panel.png, for a person to look over (the app
# test fit_test measures the texts against their places).
# Usage: language_e2e.sh <vellaro binary> <folder for logs and screenshots>
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
app=$1
out=$2
mkdir -p "$out"
require_tools Xvfb xdotool import convert dbus-run-session /usr/libexec/at-spi-bus-launcher

# A session bus of the test's own, so that its accessibility bus is the test's too.
if [[ -z ${VELLARO_E2E_OWN_BUS:-} ]]; then
  exec env VELLARO_E2E_OWN_BUS=1 dbus-run-session -- "$0" "$@"
fi
export HOME=$out/home XDG_RUNTIME_DIR=$out/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset LANGUAGE LC_ALL LC_MESSAGES

# Room for the window at twice its size.
start_xvfb "$out" 2048x1536

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
# A screenshot that shows something: a file of more than a handful of colours.
check_shot() {
  [[ -s $1 ]] || fail "no screenshot $1"
  local colours
  colours=$(convert "$1" -format '%k' info:)
  ((colours > 20)) || fail "$1 looks blank: $colours colours"
}

# The window in language $1 at scale $2: its options area, then the session panel (Ctrl+P).
shoot_language() {
  # shellcheck disable=SC2034 # set by the evals, kept local
  local lang=$1 s=$2 X Y WIDTH HEIGHT SCREEN WINDOW panel='' id
  rm -rf "$out/config_shots" "$out/data_shots"
  XDG_CONFIG_HOME="$out/config_shots" XDG_DATA_HOME="$out/data_shots" XDG_CACHE_HOME="$out/cache" \
    QT_SCALE_FACTOR=$s LANG=C.UTF-8 "$app" --lang "$lang" >"$out/vellaro_${lang}_$s.log" 2>&1 &
  app_pid=$!
  e2e_pids+=("$app_pid")
  window=$(timeout 20 xdotool search --sync --onlyvisible --name "$(title_pattern "$title")" |
    head -1) || fail "$lang at scale $s: the window did not appear"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [[ $WIDTH == $((449 * s)) && $HEIGHT == $((292 * s)) ]] ||
    fail "$lang at scale $s: the window is ${WIDTH}x$HEIGHT"
  e2e_scale=$s
  wait_until 20000 board_read || fail "$lang at scale $s: AT-SPI did not read the board"
  # The options button, by its name in the language; then away from every control so that
  # no hover is in the picture.
  # shellcheck disable=SC2046 # two words, x and y
  xdotool mousemove $(control_centre "$(translated Options "$lang")" "push button")
  sleep 0.1
  xdotool click 1
  for _ in $(seq 20); do
    eval "$(xdotool getwindowgeometry --shell "$window")"
    ((HEIGHT == 448 * s)) && break
    sleep 0.1
  done
  ((HEIGHT == 448 * s)) || fail "$lang at scale $s: the options area did not open"
  e2e_lang=$lang pointer_aside
  sleep 0.4
  local shot=$out/e2e_lang_${lang}_${s}_options.png
  import -window root -crop "${WIDTH}x$((HEIGHT - 292 * s))+$X+$((Y + 292 * s))" +repage "$shot"
  check_shot "$shot"
  # The panel is the program's other window, whatever its title says in this language.
  xdotool key ctrl+p
  for _ in $(seq 50); do
    for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
      [[ $id != "$window" ]] && panel=$id
    done
    [[ -n $panel ]] && break
    sleep 0.2
  done
  [[ -n $panel ]] || fail "$lang at scale $s: Ctrl+P opened no panel"
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$panel")"
  shot=$out/e2e_lang_${lang}_${s}_panel.png
  import -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$shot"
  check_shot "$shot"
  kill "$app_pid"
  wait "$app_pid" 2>/dev/null || true
}

translations=$(dirname "$app")/../share/vellaro/translations
shipped=$(find "$translations" -name 'vellaro_*.qm' 2>/dev/null |
  sed 's|.*/vellaro_\(.*\)\.qm$|\1|' | sort)
[[ -n $shipped ]] || fail "no translations in $translations"
for lang in $shipped; do
  for s in 1 2; do shoot_language "$lang" "$s"; done
done
echo "PASS: language (${shipped//$'\n'/ } at scale 1 and 2: $out/e2e_lang_*.png)"
