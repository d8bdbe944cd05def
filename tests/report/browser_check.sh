#!/bin/bash
# Opens report pages in headless Chromium: the sample page and, given vellaro-sim, a real
# --runs page and a real one-evening page it writes. Prints each to PNG at a phone's width
# and a desktop's, light and dark, and checks that every chart is drawn (its colours are
# there), that the page logs no error and that it fetches nothing; every picture of the
# real pages must also read as SVG for rsvg-convert. A page that does try to fetch a picture
# must be caught, so the check is known to see what it looks for.
# $1: the program that writes the sample page, $2: the screenshot checker, $3: a work folder,
# $4 (optional): vellaro-sim.
set -euo pipefail

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

writer=$1
checker=$2
work=$3
sim=${4:-}
browser=$(command -v chromium || true)
if [[ -z $browser ]]; then
  echo "SKIP: chromium is not installed (see scripts/packages.txt)"
  exit 77
fi

rm -rf "$work"
mkdir -p "$work/home"
# Chromium keeps its profile, caches and crash reports here, never in the real home.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_CACHE_HOME=$work/home/cache
export XDG_DATA_HOME=$work/home/data

"$writer" "$work/report.html" || fail "the sample page was not written"
"$writer" "$work/fetching.html" --fetch || fail "the fetching page was not written"
pages=(report:all)
if [[ -n $sim ]]; then
  "$sim" --runs 400 --spins 300 --system all --bankroll 60 --seed 11 --clock 1700000000 \
    --threads 2 --report "$work/runs.html" >"$work/runs.txt" || fail "vellaro-sim --runs --report failed"
  "$sim" --random 240 --seed 5 --clock 1700000000 --summary --report "$work/evening.html" \
    >"$work/evening.txt" || fail "vellaro-sim --random --report failed"
  pages+=(runs:runs evening:evening)
fi

# Prints $1 to $2 at width $3; $4 is "dark" for the dark scheme. The browser's log goes to $2.log.
shoot() {
  local page=$1 shot=$2 width=$3 scheme=${4:-light}
  local flags=(--headless --no-sandbox --disable-gpu --disable-background-networking
    --disable-component-update --disable-sync --no-first-run --disable-default-apps
    --hide-scrollbars --force-device-scale-factor=1
    --user-data-dir="$(mktemp -d "$work/profile.XXXXXX")"
    --enable-logging=stderr --v=0 --window-size="$width,6000" --screenshot="$shot")
  if [[ $scheme == dark ]]; then flags+=(--force-dark-mode --blink-settings=preferredColorScheme=0); fi
  timeout 60 "$browser" "${flags[@]}" "file://$page" >"$shot.log" 2>&1 ||
    fail "chromium failed on $page at $width; its log: $shot.log"
  [[ -s $shot ]] || fail "no screenshot of $page at $width"
}

# Lines of the browser's log that say the page broke a rule or logged an error.
complaints() {
  grep -E "Refused to|CONSOLE|Uncaught|net::ERR|Failed to load" "$1" || true
}

for entry in "${pages[@]}"; do
  page=${entry%%:*} charts=${entry#*:}
  for width in 390 1280; do
    for scheme in light dark; do
      shot=$work/$page-$width-$scheme.png
      shoot "$work/$page.html" "$shot" "$width" "$scheme"
      "$checker" "$shot" "$scheme" "$charts" >"$shot.colours" || {
        cat "$shot.colours"
        fail "a chart of $page.html is not drawn at $width ($scheme): $shot"
      }
      found=$(complaints "$shot.log")
      [[ -z $found ]] || fail "$page.html logged at $width ($scheme): $found"
    done
  done
done

# Every picture of the real pages, cut out whole, must read as SVG.
if [[ -n $sim ]] && command -v rsvg-convert >/dev/null; then
  for page in runs evening; do
    count=$(CUT=$work/$page perl -0777 -ne 'my $n = 0;
      while (m{(<svg\b.*?</svg>)}gs) { $n++; open(my $f, ">", "$ENV{CUT}-$n.svg") or die; print $f $1 }
      print "$n\n"' "$work/$page.html") || fail "cannot cut the pictures out of $page.html"
    for ((n = 1; n <= count; n++)); do
      rsvg-convert -o "$work/$page-$n.png" "$work/$page-$n.svg" ||
        fail "picture $n of $page.html is no valid SVG"
    done
    [[ $count -gt 0 ]] || fail "no picture found in $page.html"
  done
fi

shoot "$work/fetching.html" "$work/fetching.png" 390
[[ -n $(complaints "$work/fetching.png.log") ]] ||
  fail "a page that fetches a picture went unnoticed; the check cannot see fetches"

echo "PASS: ${pages[*]%%:*}: every chart drawn at 390 and 1280 pixels, light and dark; nothing fetched"
