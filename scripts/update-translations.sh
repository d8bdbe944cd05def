#!/bin/sh
# Brings the Linguist files in translations/ up to date with the window's source text:
# new English text is added unfinished, text no longer in the code is dropped. Translate
# the new entries with Linguist (or by hand), then build: the test translations_complete
# fails while an entry is unfinished.
# Usage: scripts/update-translations.sh [LANGUAGE...]   (default: every translations/*.ts)
# TRANSLATIONS_DIR updates the files of another folder instead (the test's copy).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
folder=$(cd "${TRANSLATIONS_DIR:-$root/translations}" && pwd)
cd "$root"
if [ $# -eq 0 ]; then
  set -- $(ls "$folder"/vellaro_*.ts | sed 's/.*vellaro_\(.*\)\.ts/\1/')
fi
for language in "$@"; do
  "$lupdate" -silent -no-obsolete -locations none -extensions cpp,h app \
    -target-language "$language" -ts "$folder/vellaro_$language.ts"
done
