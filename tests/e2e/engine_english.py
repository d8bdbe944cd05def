#!/usr/bin/python3
"""Finds the engine's English among texts a window shows in another language.

Usage: engine_english.py <catalogue.po> < texts   (one text a line)

Each finished entry of the catalogue that says its English otherwise gives what to look
for: the longest piece of the English between its placeholders ("Nothing here is unusual
for {1} spins" gives "Nothing here is unusual for"), when it is a phrase of 12 characters
or more, and a one-word text ("Red") whole, as a cell shows it alone. Prints each text that
holds one, and exits 1 if any does, or if not one text holds the catalogue's own words (the
window's texts were not read, or the engine's are not among them).
"""
import re
import sys


def unquote(line):
    body = line[line.index('"') + 1:line.rindex('"')]
    return re.sub(r'\\(.)', lambda m: {"n": "\n", "t": "\t"}.get(m.group(1), m.group(1)), body)


def entries(path):
    """(English, translation) of every finished entry."""
    source = translated = None
    field = None
    fuzzy = False
    with open(path, encoding="utf-8") as po:
        for line in list(po) + [""]:
            line = line.strip()
            if line.startswith("#,") and "fuzzy" in line:
                fuzzy = True
            elif line.startswith("msgid "):
                source, translated, field = unquote(line), None, "id"
            elif line.startswith("msgstr "):
                translated, field = unquote(line), "str"
            elif line.startswith('"') and field == "id":
                source += unquote(line)
            elif line.startswith('"') and field == "str":
                translated += unquote(line)
            elif not line:
                if source and translated and not fuzzy:
                    yield source, translated
                source = translated = field = None
                fuzzy = False


def looked_for(text):
    """The pieces of `text` to look for, and whether it is one word."""
    pieces = [p.strip() for p in re.split(r"\{\d\}", text)]
    longest = max(pieces, key=len)
    if len(longest) >= 12 and " " in longest:
        return longest, False
    if " " not in text and "{" not in text:
        return text, True
    return None, False


def main():
    english, own = [], []
    for source, translated in entries(sys.argv[1]):
        if source == translated:
            continue
        for text, found in ((source, english), (translated, own)):
            piece, whole = looked_for(text)
            if piece:
                found.append((piece, whole))
    shown = [line.rstrip("\n").strip() for line in sys.stdin]

    def holds(text, piece, whole):
        return text == piece if whole else piece in text

    left = dict.fromkeys(f"{piece}  in  {text}" for text in shown for piece, whole in english
                         if holds(text, piece, whole))
    for line in left:
        print(line)
    if not any(holds(text, piece, whole) for text in shown for piece, whole in own):
        print("not one of the catalogue's own texts is shown", file=sys.stderr)
        return 1
    return 1 if left else 0


if __name__ == "__main__":
    sys.exit(main())
