#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every shipped text that says which languages the game speaks names each one.

    shipped_texts.py NAMES CODES METAINFO FILE...

NAMES and CODES are the languages of translations/languages.cmake, English
first, separated by commas. The texts written by hand (NEWS,
debian/changelog, the package description, the README) and those the build
writes from the list (the man page, the AppStream metadata) must each name
every language; the metadata must also list every code in <languages>.
"""
import re
import sys


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    names = sys.argv[1].split(",")
    codes = sys.argv[2].split(",")
    metainfo = sys.argv[3]
    failures = []
    for path in sys.argv[3:]:
        with open(path, encoding="utf-8") as text:
            words = text.read()
        for name in names:
            if not re.search(rf"\b{name}\b", words):
                failures.append(f"{path} does not name {name}")
    with open(metainfo, encoding="utf-8") as text:
        listed = re.findall(r"<lang[^>]*>([^<]*)</lang>", text.read())
    for code in codes:
        if code not in listed:
            failures.append(f"{metainfo} does not list {code} among its <languages>")
    for failure in failures:
        print(failure, file=sys.stderr)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
