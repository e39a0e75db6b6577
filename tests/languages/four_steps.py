#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Adds a language to a copy of the source in the four steps that
docs/translating.md gives, and checks that everything a language is made of
follows: its .ts files, its compiled translation, its banners, its font, its
lines in the desktop entry, its screen checks, and the share the checks report.

    four_steps.py SOURCE_FOLDER WORK_FOLDER

The language is Telugu, one the game does not speak yet, translated by a
pseudo-translation (each message bracketed, its arguments and access keys
kept).
"""
import glob
import os
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET

LOCALE, CODE, NAME, FONT = "te_IN", "te", "Telugu", "Noto Sans Telugu"


def run(*command, cwd=None, expect_failure=False):
    result = subprocess.run(command, cwd=cwd, capture_output=True, text=True)
    if (result.returncode != 0) != expect_failure:
        sys.exit(f"{' '.join(command)} exited {result.returncode}:\n{result.stdout}\n{result.stderr}")
    return result.stdout + result.stderr


def edit(path, change):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    changed = change(text)
    if changed == text:
        sys.exit(f"{path}: nothing changed")
    with open(path, "w", encoding="utf-8") as f:
        f.write(changed)


def translate(path):
    """Step 2, as a translator's editor leaves a file: every message finished,
    the file otherwise as lupdate wrote it."""
    special = {"QT_LAYOUT_DIRECTION": "LTR", "en": CODE, "0": "0"}

    def finish(match):
        message = match.group(0)
        source = re.search(r"<source>(.*?)</source>", message, re.S).group(1)
        text = special.get(source, f"[{source}]")
        message = message.replace('<translation type="unfinished">', "<translation>")
        message = message.replace("<numerusform></numerusform>",
                                  f"<numerusform>{text}</numerusform>")
        return message.replace("<translation></translation>",
                               f"<translation>{text}</translation>")

    with open(path, encoding="utf-8") as f:
        text = f.read()
    with open(path, "w", encoding="utf-8") as f:
        f.write(re.sub(r"<message[^>]*>.*?</message>", finish, text, flags=re.S))


def expect(condition, what):
    if not condition:
        sys.exit(f"four steps: {what}")


def main():
    source, work = (os.path.abspath(folder) for folder in sys.argv[1:3])
    copy = os.path.join(work, "source")
    build = os.path.join(work, "build")
    shutil.rmtree(work, ignore_errors=True)
    # The source without its build folders, its history and its pictures.
    left_out = lambda folder, names: [name for name in names if folder == source and (
        name.startswith("build") or name in (".git", "docs"))]
    shutil.copytree(source, copy, ignore=left_out)
    translations = os.path.join(copy, "translations")
    game_ts = os.path.join(translations, f"bailcrest_{CODE}.ts")
    qt_ts = os.path.join(translations, f"qt_extra_{CODE}.ts")

    # 1. Add its code to the list, and its name.
    edit(os.path.join(translations, "languages.cmake"),
         lambda text: re.sub(r"set\(BAILCREST_LANGUAGES ([^)]*)\)",
                             rf"set(BAILCREST_LANGUAGES \1 {LOCALE})", text)
         + f"set(BAILCREST_NAME_{CODE} {NAME})\n")
    run("cmake", "-S", copy, "-B", build, "-G", "Ninja", "-DBAILCREST_BENCHMARKS=OFF")
    run("cmake", "--build", build, "--target", "update_translations")
    for path in (game_ts, qt_ts):
        root = ET.parse(path).getroot()
        expect(root.get("language") == LOCALE, f"{path} names {root.get('language')}")
        expect(all(t.get("type") == "unfinished" for t in root.iter("translation")),
               f"{path} starts with a message finished")
    # Untranslated, the language may ship: its share is reported, nothing fails.
    report = run(sys.executable, os.path.join(copy, "tools", "check-translations"), "--root", copy)
    expect(f"translations/bailcrest_{CODE}.ts: 0% finished" in report, report)
    # Qt's texts copied from another language and marked finished are a fault.
    shutil.copyfile(os.path.join(translations, "qt_extra_hi.ts"), qt_ts)
    report = run(sys.executable, os.path.join(copy, "tools", "check-translations"), "--root", copy,
                 expect_failure=True)
    expect("DEVANAGARI" in report, report)
    run("cmake", "--build", build, "--target", "update_translations")
    with open(qt_ts, "w", encoding="utf-8") as f:
        f.write(f'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n'
                f'<TS version="2.1" language="{LOCALE}">\n</TS>\n')
    run("cmake", "--build", build, "--target", "update_translations")

    # 2. Translate its files.
    translate(game_ts)
    translate(qt_ts)

    # 3. Name a font, as its script needs one.
    edit(os.path.join(translations, "languages.cmake"),
         lambda text: text + f'set(BAILCREST_FONT_{CODE} "{FONT}")\n')

    # 4. Run the checks.
    report = run(sys.executable, os.path.join(copy, "tools", "check-translations"), "--root", copy)
    expect(f"translations/bailcrest_{CODE}.ts: 100% finished" in report, report)
    run("cmake", "-S", copy, "-B", build)
    run("cmake", "--build", build, "--target", "bailcrest_app_lrelease", "bailcrest_banners",
        "bailcrest_packaging_files")

    # Everything else followed from the list.
    qm = os.path.join(build, f"bailcrest_{CODE}.qm")
    expect(os.path.getsize(qm) > 1000, f"{qm} is nearly empty")
    for banner in ("banner_left.png", "banner_left@2x.png", "banner_right.png"):
        expect(os.path.exists(os.path.join(build, "banners", CODE, banner)), f"no {banner}")
    with open(os.path.join(build, "generated", "screens", "script_fonts.h"), encoding="utf-8") as f:
        expect(f'{{"{CODE}", "{FONT}"}}' in f.read(), "the font is not in the table")
    desktop, = glob.glob(os.path.join(build, "packaging", "*.desktop"))
    with open(desktop, encoding="utf-8") as f:
        expect(f"GenericName[{CODE}]=[Cricket Career Game]" in f.read(), "no desktop name")
    with open(os.path.join(build, "packaging", "bailcrest.6"), encoding="utf-8") as f:
        expect(f"Tamil and {NAME})" in f.read(), "the man page does not name the language")
    metainfo, = glob.glob(os.path.join(build, "packaging", "*.metainfo.xml"))
    with open(metainfo, encoding="utf-8") as f:
        expect(f">{CODE}</lang>" in f.read(), "the metadata does not list the language")
    tests = run("ctest", "-N", "-R", f"screen_texts_{LOCALE}", cwd=build)
    expect("Total Tests: 1" in tests, tests)
    print(f"{LOCALE} added in four steps")


if __name__ == "__main__":
    main()
