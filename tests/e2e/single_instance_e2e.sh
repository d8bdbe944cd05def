#!/usr/bin/env bash
# A second Vellaro on the same data folder: it opens no window of its own, says that one is
# running and ends with status 0, and the first window goes on. On another data folder a
# second window opens.
# Usage: single_instance_e2e.sh <vellaro binary> <folder for the logs>
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
app=$1
out=$2
rm -rf "$out"
mkdir -p "$out"
require_tools Xvfb xdotool

start_xvfb "$out"
start_app "$app" "$out"
first=$app_pid

windows() { xdotool search --onlyvisible --name "$(title_pattern "$title")" 2>/dev/null | wc -l; }

status=0
XDG_CONFIG_HOME="$out/config" XDG_DATA_HOME="$out/data" XDG_CACHE_HOME="$out/cache" \
  timeout 20 "$app" >"$out/second.log" 2>&1 || status=$?
[[ $status == 0 ]] || fail "the second start ended with status $status: $(cat "$out/second.log")"
grep -q "Vellaro is already running" "$out/second.log" ||
  fail "the second start did not say why it ended: $(cat "$out/second.log")"
[[ -f $out/data/vellaro/vellaro.lock ]] || fail "no lock in the data folder"
kill -0 "$first" 2>/dev/null || fail "the first window ended"
sleep 0.3
[[ $(windows) == 1 ]] || fail "$(windows) windows on one data folder"

# Another data folder is another player's evening: its window opens beside the first.
mkdir -p "$out/other"
XDG_CONFIG_HOME="$out/other/config" XDG_DATA_HOME="$out/other/data" \
  XDG_CACHE_HOME="$out/other/cache" "$app" \
  >"$out/other.log" 2>&1 &
e2e_pids+=($!)
for _ in $(seq 100); do
  [[ $(windows) == 2 ]] && break
  sleep 0.1
done
[[ $(windows) == 2 ]] || fail "a second data folder got no window of its own"
echo "PASS"
