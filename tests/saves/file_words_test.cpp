// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/file_words.h"

#include <gtest/gtest.h>

#include "game/sponsorship.h"
#include "support/qt_printers.h"

namespace {

TEST(FileWords, EveryLevelHasOneWordThatReadsBackAsIt) {
    const char* const words[] = {"Club", "City", "State", "National"};
    for (const Level level : allLevels) {
        EXPECT_EQ(levelWord(level), QString::fromLatin1(words[levelIndex(level)]));
        EXPECT_EQ(levelFromWord(levelWord(level)), level);
    }
    for (const char* notALevel : {"club", "CLUB", " Club", "World Cup", ""}) {
        EXPECT_EQ(levelFromWord(QString::fromLatin1(notALevel)), std::nullopt) << notALevel;
    }
}

TEST(FileWords, CategoriesAreSpelledAsEveryEarlierFileSpellsThem) {
    EXPECT_EQ(categoryWord(Category::allRounder), QStringLiteral("All Rounder"));
    EXPECT_EQ(categoryWord(Category::batsman), QStringLiteral("Batsman"));
    EXPECT_EQ(categoryWord(Category::bowler), QStringLiteral("Bowler"));
}

// A sponsor's "&" is doubled in the files, as the game has always written
// it, and read back single; names without one are written as they are.
TEST(FileWords, SponsorNamesKeepTheirAmpersandsDoubledInTheFiles) {
    const struct {
        const char* name;
        const char* written;
    } cases[] = {{"Cable & Wireless", "Cable && Wireless"},
                 {"PEPSI", "PEPSI"},
                 {"...", "..."},
                 {"&", "&&"},
                 {"A && B", "A &&&& B"},
                 {"", ""}};
    for (const auto& c : cases) {
        const QString name = QString::fromUtf8(c.name);
        EXPECT_EQ(sponsorInFile(name), QString::fromUtf8(c.written)) << c.name;
        EXPECT_EQ(sponsorFromFile(sponsorInFile(name)), name) << c.name;
    }
    // Every sponsor of the game comes back from its file as it went in.
    for (const Sponsor& sponsor : sponsors) {
        EXPECT_EQ(sponsorFromFile(sponsorInFile(sponsor.name)), sponsor.name);
    }
    // A hand-edited file's lone "&" reads as itself.
    EXPECT_EQ(sponsorFromFile(QStringLiteral("A&B")), QStringLiteral("A&B"));
}

}  // namespace
