#!/usr/bin/env bash
# Checks the Debian package as a user gets it: lints it (lintian, desktop-file-validate,
# appstreamcli), installs it with apt-get, runs vellaro-sim and vellaro from /usr/bin (the
# window on its own Xvfb display, opening its session panel with every build folder moved
# away), removes it with apt-get and checks that none of its files is left, and that no
# installed file names a build folder. Needs root, and refuses to touch an installed vellaro it did not install.
# $1: the .deb; without it, scripts/package.sh builds one.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
deb=${1:-$("$root/scripts/package.sh" | tail -n 1)}
deb=$(realpath "$deb")
build_of_deb=$(dirname "$deb")
# shellcheck source=../tests/e2e/lib.sh
source "$root/tests/e2e/lib.sh"
require_tools lintian desktop-file-validate appstreamcli Xvfb xdotool

[[ $(id -u) -eq 0 ]] || fail "installing the package needs root"
if dpkg-query -W -f='${db:Status-Status}' vellaro 2>/dev/null | grep -qx installed; then
  fail "vellaro is installed already; remove it first"
fi

work=$(mktemp -d)
cp "$deb" "$work/"
deb=$work/$(basename "$deb")
installed=0
moved=()  # build folders moved aside, each to <folder>.away
finish() {
  e2e_cleanup
  for folder in "${moved[@]}"; do mv "$folder.away" "$folder"; done
  if ((installed)); then apt-get remove -y -qq vellaro >/dev/null 2>&1 || true; fi
  rm -rf "$work"
}
trap finish EXIT

echo "== lintian"
lintian --fail-on error --display-level '>=warning' "$deb" || fail "lintian found errors"

echo "== desktop entry and AppStream metadata"
dpkg-deb -x "$deb" "$work/tree"
desktop-file-validate "$work"/tree/usr/share/applications/*.desktop || fail "desktop entry"
appstreamcli validate --no-net "$work"/tree/usr/share/metainfo/*.metainfo.xml ||
  fail "AppStream metadata"

echo "== the session panel's plugin, and no build folder named"
triplet=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
[[ -f $work/tree/usr/lib/$triplet/vellaro/libvellaro_session_panel.so ]] ||
  fail "the package holds no /usr/lib/$triplet/vellaro/libvellaro_session_panel.so"
named=$(grep -rlaF -e "$root/build" -e "$build_of_deb" "$work/tree" || true)
[[ -z $named ]] || fail "installed files name a build folder: $named"
echo "the plugin is in /usr/lib/$triplet/vellaro; no installed file names a build folder"

echo "== install"
installed=1
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >"$work/install.log" 2>&1 ||
  { cat "$work/install.log"; fail "apt-get install"; }
version=$(dpkg-deb -f "$deb" Version)
[[ $(/usr/bin/vellaro-sim --version) == "vellaro-sim $version" ]] || fail "vellaro-sim --version"
[[ $(env -u DISPLAY -u WAYLAND_DISPLAY /usr/bin/vellaro --version) == "vellaro $version" ]] ||
  fail "vellaro --version"
man -w vellaro vellaro-sim >/dev/null || fail "the manual pages are not found"
echo "vellaro and vellaro-sim $version answer from /usr/bin; man finds their pages"
# Their languages come with them: the window's from the translations the package installed,
# found from the program's own place; the backtester's compiled in.
for program in vellaro vellaro-sim; do
  english=$(env -u DISPLAY -u WAYLAND_DISPLAY "/usr/bin/$program" --lang en --help)
  for language in de fr es it; do
    [[ $(env -u DISPLAY -u WAYLAND_DISPLAY "/usr/bin/$program" --lang "$language" --help) != "$english" ]] ||
      fail "$program --lang $language --help answers in English"
  done
done
echo "vellaro and vellaro-sim answer --help in German, French, Spanish and Italian"

echo "== the window"
start_xvfb "$work"
start_app /usr/bin/vellaro "$work"
echo "the window of /usr/bin/vellaro opened at $wx,$wy"
# The installed program loads only what the package installed: with every build folder
# gone, the panel still opens.
for folder in "$root"/build*/; do
  folder=${folder%/}
  mv "$folder" "$folder.away"
  moved+=("$folder")
done
xdotool mousemove $((wx + 434)) $((wy + 40)) click 1  # the panel's button
timeout 10 xdotool search --sync --onlyvisible --name '^Vellaro — Session$' >/dev/null ||
  fail "the panel's button opened no session panel from the installed program"
echo "the session panel of /usr/bin/vellaro opened with the build folders moved away"
e2e_cleanup
e2e_pids=()
for folder in "${moved[@]}"; do mv "$folder.away" "$folder"; done
moved=()

echo "== remove"
apt-get remove -y -qq vellaro >"$work/remove.log" 2>&1 || { cat "$work/remove.log"; fail "remove"; }
installed=0
status=$(dpkg-query -W -f='${db:Status-Status}' vellaro 2>/dev/null || echo not-installed)
[[ $status == not-installed ]] || fail "after apt-get remove, dpkg still knows vellaro as $status"
left=()
while read -r path; do
  [[ -e $path || -L $path ]] && left+=("$path")
done < <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }')
[[ -e /usr/share/doc/vellaro ]] && left+=(/usr/share/doc/vellaro)
((${#left[@]} == 0)) || fail "left behind: ${left[*]}"
echo "removed; none of its files is left"
echo "PASS: $deb"
