#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The rules of tools/check-translations, each shown failing on a small .ts file."""
import importlib.machinery
import importlib.util
import os
import tempfile
import unittest
from xml.sax.saxutils import escape

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
_loader = importlib.machinery.SourceFileLoader(
    "check_translations", os.path.join(ROOT, "tools", "check-translations"))
_spec = importlib.util.spec_from_loader(_loader.name, _loader)
check_translations = importlib.util.module_from_spec(_spec)
_loader.exec_module(check_translations)


class TranslationFile(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.addCleanup(self.folder.cleanup)

    def glossary(self, language, *rows):
        with open(os.path.join(self.folder.name, f"glossary_{language}.tsv"), "w",
                  encoding="utf-8") as file:
            file.write(f"term\t{language}\tnote\n")
            file.writelines(row + "\n" for row in rows)

    def problems(self, language, *messages):
        """What the check finds in a file of (source, translation) messages."""
        body = "".join(f"<message><source>{escape(s)}</source>"
                       f"<translation>{escape(t)}</translation></message>"
                       for s, t in messages)
        path = os.path.join(self.folder.name, f"bailcrest_{language}.ts")
        with open(path, "w", encoding="utf-8") as file:
            file.write(f'<?xml version="1.0" encoding="utf-8"?>\n<TS version="2.1" '
                       f'language="{language}"><context><name>Screen</name>{body}'
                       f'</context></TS>\n')
        problems, _ = check_translations.check(path)
        return problems


class AccessKeys(TranslationFile):
    def test_a_key_before_a_letter_of_a_joining_script_fails(self):
        for language, text in [("hi", "&ठीक है"), ("hi", "फ़ाइल का &नाम:"),
                               ("bn", "&ঠিক আছে"), ("ur", "&ٹھیک ہے")]:
            with self.subTest(text=text):
                problems = self.problems(language, ("&OK", text))
                self.assertEqual(len(problems), 1, problems)
                self.assertIn("splits a letter of a joining script", problems[0])

    def test_the_key_after_the_text_passes(self):
        self.assertEqual(self.problems("hi", ("&OK", "ठीक है (&O)"),
                                       ("File &name:", "फ़ाइल का नाम (&N):"),
                                       ("Show &hidden files", "छिपी फ़ाइलें दिखाएँ (&H)")), [])
        self.assertEqual(self.problems("ur", ("&OK", "ٹھیک ہے (&O)")), [])

    def test_a_latin_key_inside_the_text_fails(self):
        problems = self.problems("hi", ("&OK", "ठीक (&O) है"))
        self.assertEqual(len(problems), 1, problems)
        self.assertIn("not after the text", problems[0])

    def test_the_key_after_the_text_is_the_english_letter(self):
        problems = self.problems("hi", ("&Cancel", "रद्द करें (&R)"))
        self.assertEqual(len(problems), 1, problems)
        self.assertIn("'R'", problems[0])

    def test_a_text_without_its_key_still_fails(self):
        problems = self.problems("hi", ("&OK", "ठीक है"))
        self.assertEqual(len(problems), 1, problems)
        self.assertIn("access key(s) became 0", problems[0])

    def test_a_script_of_separate_letters_keeps_its_key_inside(self):
        self.assertEqual(self.problems("de", ("&Cancel", "&Abbrechen")), [])


class Counts(TranslationFile):
    def test_a_count_in_latin_digits_fails_and_one_in_the_locales_passes(self):
        problems = self.problems("bn", ("Drops marked: %n.", "চিহ্নিত বাদ পড়া: %n।"))
        self.assertEqual(len(problems), 1, problems)
        self.assertIn("write %Ln", problems[0])
        self.assertEqual(self.problems("bn", ("Drops marked: %Ln.", "চিহ্নিত বাদ পড়া: %Ln।"),
                                       ("100%% sure", "১০০%% নিশ্চিত")), [])


class Glossaries(TranslationFile):
    def test_a_term_translated_another_way_fails(self):
        self.glossary("hi", "promotion / promoted\tप्रमोशन\tto the level above")
        problems = self.problems("hi", ("Promotion", "प्रमोशन"),
                                 ("Promoted to %1 (%2)", "%1 (%2) में तरक़्क़ी"))
        self.assertEqual(len(problems), 1, problems)
        self.assertIn("'promotion' is 'प्रमोशन'", problems[0])
        self.assertIn("तरक़्क़ी", problems[0])

    def test_any_listed_form_of_the_word_passes_for_any_case_and_plural_of_the_term(self):
        self.glossary("hi", "unit\tइकाई / इकाइयाँ\t")
        self.assertEqual(self.problems("hi", ("UNITS YOU INTEND TO BUY",
                                              "आप कितनी इकाइयाँ ख़रीदना चाहते हैं?"),
                                       ("Unit", "इकाई")), [])
        self.assertEqual(len(self.problems("hi", ("%1 units", "%1 यूनिट"))), 1)

    def test_only_whole_words_are_terms(self):
        self.glossary("hi", "sponsor\tप्रायोजक\t", "bat\tबल्ला\t")
        self.assertEqual(self.problems("hi", ("Sponsorship (Rs.):", "प्रायोजन (रु.):"),
                                       ("Batting:", "बल्लेबाज़ी:")), [])

    def test_a_word_kept_in_english_on_purpose_passes(self):
        self.glossary("hi", "save\tसेव\t")
        self.assertEqual(self.problems("hi", ("its Saves folder", "अपने Saves फ़ोल्डर")), [])

    def test_each_language_follows_its_own_glossary(self):
        self.glossary("hi", "wicket\tविकेट\t")
        self.glossary("ur", "wicket\tوکٹ\t")
        self.assertEqual(self.problems("ur", ("Wickets:", "وکٹ:")), [])
        self.assertEqual(len(self.problems("ur", ("Wickets:", "विकेट:"))), 1)
        self.assertEqual(len(self.problems("ur_PK", ("Wickets:", "विकेट:"))), 1)
        self.assertEqual(self.problems("bn", ("Wickets:", "উইকেট:")), [])

    def test_a_term_given_twice_or_a_row_without_its_columns_fails(self):
        self.glossary("hi", "drop\tड्रॉप\t", "Drop / dropped\tबाहर\t", "gear\tकिट")
        problems = self.problems("hi", ("Drop", "ड्रॉप"))
        self.assertEqual(len(problems), 2, problems)
        self.assertIn("'Drop' is in the glossary twice", problems[0])
        self.assertIn("not term, translation and note", problems[1])


if __name__ == "__main__":
    unittest.main()
