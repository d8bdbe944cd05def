#!/bin/sh
# Brings the catalogues of translations/core/ up to date with the Qt-free code's English
# text (the engine and vellaro-sim: the texts marked Tr, TrFormat and N_): new English text is
# added untranslated, text no longer in the code is dropped. Translate the new entries with
# any .po editor (or by hand), then build: the test core_translations_complete fails while an
# entry is untranslated or fuzzy. Needs Debian's gettext.
# Usage: scripts/update-core-translations.sh [LANGUAGE...]   (default: every .po there)
# TRANSLATIONS_DIR updates the files of another folder instead (the test's copy).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
folder=$(cd "${TRANSLATIONS_DIR:-$root/translations/core}" && pwd)
cd "$root"
template=$(mktemp)
trap 'rm -f "$template"' EXIT
find env export game betting analysis front session journal replay host tools/sim text \
  \( -name '*.cpp' -o -name '*.h' \) | LC_ALL=C sort |
  xargs xgettext --language=C++ --from-code=UTF-8 --keyword= --keyword=Tr --keyword=TrFormat \
    --keyword=N_ --no-location --sort-output --no-wrap --package-name=Vellaro -o "$template"
if [ $# -eq 0 ]; then
  set -- $(ls "$folder"/*.po | sed 's/.*\/\(.*\)\.po/\1/')
fi
for language in "$@"; do
  po="$folder/$language.po"
  msgmerge --quiet --no-fuzzy-matching --no-wrap --sort-output --lang="$language" \
    --update --backup=off "$po" "$template"
  msgattrib --no-obsolete --no-wrap --sort-output -o "$po" "$po"
  # The date the template was made changes at every run; nothing is kept of it.
  sed -i '/^"POT-Creation-Date:/d' "$po"
done
