#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A banner's line in a script of its own is drawn whole on one line, at both
scales, or the drawing fails naming it: never wrapped, with half of it lost
below the banner's box."""
import os
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
DRAW = os.path.join(ROOT, "tools", "draw-artwork")


def draw(scale, line, family, folder):
    out = os.path.join(folder, f"banner{scale}.png")
    done = subprocess.run([sys.executable, DRAW, "banner", "left", str(scale), out, line, family],
                          capture_output=True, text=True)
    return done, out


class BannerLines(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.addCleanup(self.folder.cleanup)

    def test_a_line_that_once_wrapped_at_the_small_scale_is_drawn_whole(self):
        line = "প্রতিটি স্তরের জন্য ব্যাট, প্যাড আর গ্লাভস"
        for scale in (1, 2):
            with self.subTest(scale=scale):
                done, out = draw(scale, line, "Noto Sans Bengali", self.folder.name)
                self.assertEqual(done.returncode, 0, done.stderr)
                self.assertTrue(os.path.exists(out))
                self.assertEqual(os.listdir(self.folder.name).count(
                    os.path.basename(out) + ".line.png"), 0)

    def test_a_line_wider_than_the_banner_fails_naming_it(self):
        line = "প্রতিটি স্তরের জন্য ব্যাট, প্যাড আর গ্লাভস, আর আরও অনেক কিছু"
        done, out = draw(1, line, "Noto Sans Bengali", self.folder.name)
        self.assertNotEqual(done.returncode, 0)
        self.assertIn(line, done.stderr)
        self.assertFalse(os.path.exists(out))


if __name__ == "__main__":
    unittest.main()
