#!/usr/bin/env python3
"""Keeps the shipped language files in step with the program's default language file.

The program writes its built-in texts to "Language.lng" in its folder at every start. This
script compares each file in data/Languages/ with it: it lists keys a translation lacks and
keys the program no longer has. With --update it rewrites each translation in the order of the
default file, keeping every translated value, dropping keys the program no longer has, and
adding missing keys with the English text, marked in the listing for a translator.

Usage: scripts/languages.py DEFAULT_LANGUAGE_FILE [--update] [LANGUAGE_FILE...]
"""
import glob
import os
import sys

SECTION = "[Translations]"


def read_lines(path):
    """Key/value pairs of section Translations, in file order."""
    with open(path, encoding="utf-8", newline="") as f:
        lines = f.read().replace("\r\n", "\n").split("\n")
    pairs, inside = [], False
    for line in lines:
        if line.startswith("["):
            inside = line.strip().lower() == SECTION.lower()
            continue
        if inside and "=" in line:
            key, value = line.split("=", 1)
            pairs.append((key, value))
    return pairs


def write_lines(path, pairs):
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write(SECTION + "\r\n")
        for key, value in pairs:
            f.write(f"{key}={value}\r\n")


def main(argv):
    if len(argv) < 2:
        print(__doc__)
        return 2
    default = read_lines(argv[1])
    update = "--update" in argv[2:]
    files = [a for a in argv[2:] if a != "--update"]
    if not files:
        root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
        files = sorted(glob.glob(os.path.join(root, "data", "Languages", "*.lng")))
    status = 0
    for path in files:
        translated = dict(read_lines(path))
        keys = [k for k, _ in default]
        missing = [k for k in keys if k not in translated]
        extra = [k for k in translated if k not in set(keys)]
        name = os.path.basename(path)
        for key in missing:
            print(f"{name}: missing {key}")
        for key in extra:
            print(f"{name}: no longer used {key}")
        if missing or extra:
            status = 1
        if update:
            write_lines(path, [(k, translated.get(k, v)) for k, v in default])
    return 0 if update else status


if __name__ == "__main__":
    sys.exit(main(sys.argv))
