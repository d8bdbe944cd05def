#!/bin/bash
# The window under a file-size limit (ulimit -f) smaller than the pictures it keeps in its
# cache: it starts and shows its first frame (the cache's writes fail as on a full disk)
# instead of being ended by SIGXFSZ, and a picture too large for the limit is not kept.
# Usage: file_size_limit_window.sh VELLARO
set -u
vellaro=$1
home=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  rm -rf "$home"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data \
  XDG_CACHE_HOME=$home/cache QT_QPA_PLATFORM=offscreen VELLARO_REPORT_FIRST_PAINT=1
(
  ulimit -f 40  # 40 kB
  exec "$vellaro" >"$home/out.txt" 2>"$home/err.txt"
) &
pid=$!
# The first frame needs every picture, each rendered and its cache written first.
for _ in $(seq 600); do
  grep -q '^first-frame-ms' "$home/out.txt" 2>/dev/null && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.05
done
if ! kill -0 "$pid" 2>/dev/null; then
  wait "$pid"
  fail "the window ended with status $? before its first frame: $(cat "$home/err.txt")"
fi
grep -q '^first-frame-ms' "$home/out.txt" || fail "no first frame in 30 s"
large=$(find "$home/cache" -type f -size +40k)
[ -z "$large" ] || fail "a file past the limit: $large"
[ -n "$(find "$home/cache" -type f -name '*.argb')" ] || fail "no picture kept at all"
echo "ok"
