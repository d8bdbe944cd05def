#!/usr/bin/env bash
# Installs the build into a temporary root under /usr, as the package does, and checks what
# lands there: both programs, the preset betting systems, a valid desktop entry whose program and icon are installed,
# valid AppStream metadata for that entry, the icons, and a manual page per program that
# names every option its --help lists. $1: the build folder.
set -euo pipefail
build=$1
for tool in desktop-file-validate appstreamcli help2man; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
usr=$stage/usr

for program in vellaro vellaro-sim; do
  [[ -x $usr/bin/$program ]] || fail "bin/$program is not installed"
done
# Every preset betting system of the source tree, installed and read as vellaro-sim reads it.
source_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
for preset in "$source_root"/data/systems/*.system; do
  installed=$usr/share/vellaro/systems/$(basename "$preset")
  cmp -s "$preset" "$installed" || fail "the preset ${installed#"$usr"/} is not installed as written"
  "$usr/bin/vellaro-sim" --system-file "$installed" --random 1 --seed 1 --clock 0 --summary \
    >/dev/null || fail "vellaro-sim does not read the preset ${installed#"$usr"/}"
done
(($(ls "$usr"/share/vellaro/systems | wc -l) == $(ls "$source_root"/data/systems/*.system | wc -l))) ||
  fail "share/vellaro/systems holds files that are not presets"
# The window's translations, compiled, where the program looks for them from its own place.
for language in de es fr it; do
  [[ -s $usr/share/vellaro/translations/vellaro_$language.qm ]] ||
    fail "share/vellaro/translations/vellaro_$language.qm is not installed"
done
desktop=("$usr"/share/applications/*.desktop)
((${#desktop[@]} == 1)) || fail "one desktop entry expected, found ${#desktop[@]}"
id=$(basename "${desktop[0]}" .desktop)
desktop-file-validate "${desktop[0]}" || fail "desktop entry"
grep -qx "Exec=vellaro" "${desktop[0]}" || fail "the desktop entry does not start vellaro"
grep -qx "Icon=$id" "${desktop[0]}" || fail "the desktop entry's icon is not named $id"
[[ -f $usr/share/icons/hicolor/scalable/apps/$id.svg ]] || fail "no scalable icon $id.svg"
[[ -f $usr/share/icons/hicolor/48x48/apps/$id.png ]] || fail "no 48x48 icon $id.png"
[[ $(file -b "$usr/share/icons/hicolor/48x48/apps/$id.png") == "PNG image data, 48 x 48,"* ]] ||
  fail "the bitmap icon is not a 48 x 48 PNG"
metainfo=$usr/share/metainfo/$id.metainfo.xml
[[ -f $metainfo ]] || fail "no AppStream metadata $id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" >/dev/null || fail "AppStream metadata"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "the AppStream metadata does not launch $id.desktop"
grep -q "<project_license>GPL-3.0-or-later</project_license>" "$metainfo" ||
  fail "the AppStream metadata does not give the licence GPL-3.0-or-later"
# The project has no web site yet: no address in the metadata may point at one.
! grep -qE "<url|<image|https?://" "$metainfo" || fail "the AppStream metadata names an address"
copyright=$usr/share/doc/vellaro/copyright
[[ -f $copyright ]] || fail "no copyright file"
grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" "$copyright" &&
  grep -qx "License: GPL-3+" "$copyright" &&
  grep -q "/usr/share/common-licenses/GPL-3" "$copyright" ||
  fail "the copyright file does not license the program GPL-3+ in the machine-readable format"
! grep -q "Source:" "$copyright" || fail "the copyright file names a source address"
version=$("$usr/bin/vellaro-sim" --version | cut -d' ' -f2)
grep -q "<release version=\"$version\"" "$metainfo" || fail "no release $version in the metadata"

for program in vellaro vellaro-sim; do
  page=$usr/share/man/man1/$program.1.gz
  [[ -f $page ]] || fail "no manual page $program(1)"
  text=$(zcat "$page")
  for option in $("$usr/bin/$program" --help | grep -oE '^ +--[a-z-]+' | tr -d ' '); do
    grep -qF -- "${option//-/\\-}" <<<"$text" || fail "$program(1) does not name $option"
  done
done
for section in KEYS FILES "EXIT STATUS"; do
  zcat "$usr/share/man/man1/vellaro.1.gz" | grep -q "^\.SH \"\?$section" ||
    fail "vellaro(1) has no $section"
done
echo "installed tree of $id $version is complete"
