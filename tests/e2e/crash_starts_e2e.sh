#!/usr/bin/env bash
# Start-ups killed at random moments. An evening of a few spins is on show; then start after
# start is killed with SIGKILL at a random moment of its start-up, its resume or its first
# spins (some clicked just before the kill). Every start after a kill must open the window
# on the same evening: the journal's last session is the same one, it lost no spin it had,
# it gained at most the one clicked, and no start says it is running already or that the
# evening cannot be resumed.
# Usage: crash_starts_e2e.sh <vellaro binary> <vellaro-sim binary> <folder> [kills] [seed]
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
app=$1
sim=$2
out=$3
kills=${4:-10}
RANDOM=${5:-1}
mkdir -p "$out"
require_tools Xvfb xdotool import

start_xvfb "$out"
# The first start reads where the board's numbers lie: every start shows the window there.
start_app "$app" "$out"
pattern=$(title_pattern "$title")
journal=$out/data/vellaro/journal.sqlite
for n in 1 2 3 4 5 6; do spin "$n"; done
sleep 0.5
kill -9 "$app_pid"
wait "$app_pid" 2>/dev/null || true

# The journal's last session as "id spins".
last_session() {
  "$sim" --journal "$journal" --list | tail -n 1 | awk -F, '{ print $1, $4 }'
}
read -r session spins < <(last_session)
((spins == 6)) || fail "the first evening has $spins spins, not 6"

# Starts the window on the evening's data, without waiting for it.
start() {
  XDG_CONFIG_HOME="$out/config" XDG_DATA_HOME="$out/data" XDG_CACHE_HOME="$out/cache" \
    "$app" >"$out/start.log" 2>&1 &
  app_pid=$!
  e2e_pids+=("$app_pid")
}

# The tile of a number whose click may or may not be taken before the kill.
click_some_tile() {
  local cx cy
  read -r cx cy < <(tile_centre $((RANDOM % 37)))
  xdotool mousemove "$cx" "$cy" click 1
}

began=$(date +%s%N)
for ((i = 1; i <= kills; i++)); do
  # A start killed at a random moment: before its window, while it resumes, or once it shows.
  start
  sleep "0.$(printf '%03d' $((RANDOM % 1000)))"
  clicked=0
  if ((RANDOM % 2)) && xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1; then
    click_some_tile
    clicked=1
    sleep "0.$(printf '%03d' $((RANDOM % 300)))"
  fi
  kill -9 "$app_pid"
  wait "$app_pid" 2>/dev/null || true
  grep -q "already running\|cannot be resumed" "$out/start.log" &&
    fail "kill $i: $(cat "$out/start.log")"
  read -r now_session now_spins < <(last_session)
  [[ $now_session == "$session" ]] || fail "kill $i: the journal's last session is $now_session, not $session"
  ((now_spins >= spins && now_spins <= spins + clicked)) ||
    fail "kill $i: the evening had $spins spins and has $now_spins"
  spins=$now_spins
  ((i % 50 == 0)) && echo "$i kills: $((($(date +%s%N) - began) / 1000000)) ms, $spins spins" >&2

  # The next start opens the window on that evening.
  start
  timeout 20 xdotool search --sync --onlyvisible --name "$pattern" >/dev/null ||
    fail "after kill $i the window did not open: $(cat "$out/start.log")"
  kill -9 "$app_pid"
  wait "$app_pid" 2>/dev/null || true
  grep -q "already running\|cannot be resumed" "$out/start.log" &&
    fail "the start after kill $i: $(cat "$out/start.log")"
  read -r now_session now_spins < <(last_session)
  [[ "$now_session $now_spins" == "$session $spins" ]] ||
    fail "the start after kill $i left session $now_session with $now_spins spins, not $session with $spins"
done
ms=$((($(date +%s%N) - began) / 1000000))
echo "PASS: $kills starts killed at random moments, each followed by a start that opened the" \
  "window on the evening (session $session, $spins spins), in $ms ms"
