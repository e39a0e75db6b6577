// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/auto_save.h"

#include <gtest/gtest.h>

#include "game/start_career.h"
#include "support/qt_printers.h"

namespace {

TEST(AutoSave, SavesToAFileNamedAfterTheFirstFiveCharactersInLowerCase) {
    const struct {
        const char* name;
        const char* file;
    } cases[] = {{"Raj", "raj_auto.bsg"},
                 {"ANIL KUMAR", "anil _auto.bsg"},
                 {"Ramesh", "rames_auto.bsg"},
                 {"Rezavi", "rezav_auto.bsg"},
                 {"REZAVI T", "rezav_auto.bsg"},
                 {"  x", "  x_auto.bsg"},
                 {"ZOË ANN", "zoë a_auto.bsg"},
                 // Characters no file name may hold cannot lead a save elsewhere.
                 {"../..", "_._.._auto.bsg"},
                 {"a/b\\c", "a_b_c_auto.bsg"},
                 {"C:*?\"", "c_____auto.bsg"},
                 {"<|>ab", "___ab_auto.bsg"},
                 {"a\tb", "a_b_auto.bsg"},
                 // A leading dot would hide the save from the Load dialog.
                 {".Ravi", "_ravi_auto.bsg"},
                 {"..", "_._auto.bsg"},
                 {" .x", " .x_auto.bsg"},
                 {"R.K. Rao", "r.k. _auto.bsg"},
                 // A letter of several characters is never cut: the name
                 // runs on to its end; a blank fifth stays, as in Latin.
                 {"সৌরভ গাঙ্গুলী", "সৌরভ _auto.bsg"},
                 {"রবীন্দ্রনাথ", "রবীন্দ্র_auto.bsg"},
                 {"राहुल द्रविड़", "राहुल_auto.bsg"},
                 {"علی رضا", "علی ر_auto.bsg"},
                 {"Rene\u0301e", "rene\u0301_auto.bsg"},
                 {"Abcd\U0001F3CFx", "abcd\U0001F3CF_auto.bsg"}};
    for (const auto& c : cases) {
        EXPECT_EQ(autoSaveFileName(QString::fromUtf8(c.name)), QString::fromUtf8(c.file)) << c.name;
    }
}

// As the player chose at the start, to the file named after him; a career
// that never chose saves nowhere, and would save to the default file.
TEST(AutoSave, ANewCareerSavesAsThePlayerChose) {
    for (const bool chosen : {false, true}) {
        const AutoSave autoSave = autoSaveOf(
            PlayerDetails{QStringLiteral(" Ravi "), QStringLiteral("Pune"), QStringLiteral("Goa"),
                          QStringLiteral("India"), Skills{45, 20, 30}, chosen});
        EXPECT_EQ(autoSave.on, chosen);
        EXPECT_EQ(autoSave.fileName, QStringLiteral(" ravi_auto.bsg"));
    }
    EXPECT_FALSE(AutoSave{}.on);
    EXPECT_EQ(AutoSave{}.fileName, QStringLiteral("default.bsg"));
}

}  // namespace
