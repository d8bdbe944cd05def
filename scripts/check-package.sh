#!/usr/bin/env bash
# Checks the Debian package as a user gets it: lints it (lintian, desktop-file-validate,
# appstreamcli), installs it with apt-get, runs vellaro-sim and vellaro from /usr/bin (the
# window on its own Xvfb display), removes it with apt-get and checks that none of its
# files is left. Needs root, and refuses to touch an installed vellaro it did not install.
# $1: the .deb; without it, scripts/package.sh builds one.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
deb=${1:-$("$root/scripts/package.sh" | tail -n 1)}
deb=$(realpath "$deb")
# shellcheck source=../tests/e2e/lib.sh
source "$root/tests/e2e/lib.sh"
require_tools lintian desktop-file-validate appstreamcli Xvfb xdotool

[[ $(id -u) -eq 0 ]] || fail "installing the package needs root"
if dpkg-query -W -f='${db:Status-Status}' vellaro 2>/dev/null | grep -qx installed; then
  fail "vellaro is installed already; remove it first"
fi

work=$(mktemp -d)
installed=0
finish() {
  e2e_cleanup
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

echo "== the window"
start_xvfb "$work"
start_app /usr/bin/vellaro "$work"
echo "the window of /usr/bin/vellaro opened at $wx,$wy"
e2e_cleanup
e2e_pids=()

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
