#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when a C++ file of the source is named by no CMake file.

Each target lists its sources by name, so a file added without being listed
would be left out of the build without a word: a test file would silently
never run. A file counts as listed when a CMakeLists.txt of its folder or of a
folder above it names it by its path from there, or when any CMake file names
it from the top of the source as ${PROJECT_SOURCE_DIR}/path.
"""
import os
import re
import sys

ROOT = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(
    os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SKIPPED = {".git", "build", "debian", "obj-x86_64-linux-gnu"}


def cmake_files():
    for folder, folders, files in os.walk(ROOT):
        folders[:] = [f for f in folders if f not in SKIPPED and not f.startswith("build")]
        for name in files:
            if name == "CMakeLists.txt" or name.endswith(".cmake"):
                path = os.path.join(folder, name)
                with open(path, encoding="utf-8") as file:
                    yield folder, name, set(re.split(r"[\s()\"]+", file.read()))


def sources():
    for folder, folders, files in os.walk(ROOT):
        folders[:] = [f for f in folders if f not in SKIPPED and not f.startswith("build")]
        for name in files:
            if name.endswith((".cpp", ".h")):
                yield os.path.join(folder, name)


def main():
    words = list(cmake_files())
    from_top = set().union(*(w for _, _, w in words))
    unlisted = []
    for source in sources():
        top = "${PROJECT_SOURCE_DIR}/" + os.path.relpath(source, ROOT)
        listed = top in from_top or any(
            name == "CMakeLists.txt" and os.path.commonpath([folder, source]) == folder
            and os.path.relpath(source, folder) in w
            for folder, name, w in words)
        if not listed:
            unlisted.append(os.path.relpath(source, ROOT))
    for name in sorted(unlisted):
        print(f"{name} is in no target's list of sources", file=sys.stderr)
    return 1 if unlisted else 0


if __name__ == "__main__":
    sys.exit(main())
