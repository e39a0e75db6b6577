// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/hall_of_fame.h"

#include <gtest/gtest.h>

#include "support/qt_printers.h"

namespace {

FameEntry career(const char* player, std::int64_t runs, std::int64_t wickets, Level level,
                 std::int32_t matches, double balance, bool ended = false) {
    FameEntry e;
    e.player = QString::fromLatin1(player);
    e.saveFile = e.player.toLower() + QStringLiteral("_auto.bsg");
    e.runs = runs;
    e.wickets = wickets;
    e.highestLevel = level;
    e.matches = matches;
    e.bankBalance = balance;
    e.ended = ended;
    return e;
}

QStringList players(const std::vector<FameEntry>& entries) {
    QStringList names;
    for (const FameEntry& e : entries) names << e.player;
    return names;
}

TEST(HallOfFame, EachListPutsTheBestFirstAndBreaksTiesByTheLongerCareer) {
    const std::vector<FameEntry> all = {
        career("Ravi", 900, 10, Level::city, 30, 5000),
        career("Arjun", 1500, 2, Level::national, 80, 900),
        career("Dev", 900, 40, Level::city, 45, 250000),
        career("Kapil", 10, 41, Level::state, 20, 0, true),
    };
    EXPECT_EQ(players(ranked(all, FameList::mostRuns, 10)),
              (QStringList{"Arjun", "Dev", "Ravi", "Kapil"}));
    EXPECT_EQ(players(ranked(all, FameList::mostWickets, 10)),
              (QStringList{"Kapil", "Dev", "Ravi", "Arjun"}));
    EXPECT_EQ(players(ranked(all, FameList::highestLevel, 10)),
              (QStringList{"Arjun", "Kapil", "Dev", "Ravi"}));
    EXPECT_EQ(players(ranked(all, FameList::longestCareer, 2)), (QStringList{"Arjun", "Dev"}));
    EXPECT_EQ(players(ranked(all, FameList::richest, 1)), QStringList{"Dev"});
}

TEST(HallOfFame, ACareerGoingOnIsUpdatedButAnEndedOneKeepsItsPlace) {
    std::vector<FameEntry> entries;
    remember(entries, career("Ravi", 100, 1, Level::club, 10, 0));
    remember(entries, career("Ravi", 300, 2, Level::city, 20, 0));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].runs, 300);

    // The career ends where it stood; its save file, seen again in the
    // folder, changes nothing.
    FameEntry end = career("Ravi", 300, 2, Level::city, 20, 0, true);
    remember(entries, end);
    remember(entries, career("Ravi", 300, 2, Level::city, 20, 0));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_TRUE(entries[0].ended);

    // A new Ravi saving to the same file comes in beside him.
    remember(entries, career("Ravi", 5, 0, Level::club, 1, 0));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_TRUE(entries[0].ended);
    EXPECT_EQ(entries[0].runs, 300);
    EXPECT_EQ(entries[1].runs, 5);
    // Another player altogether is another career.
    remember(entries, career("Dev", 5, 0, Level::club, 1, 0));
    EXPECT_EQ(entries.size(), 3u);
}

// The career the enquiry ended, loaded again from its save as it stood
// before, and played on: still one entry, which goes on with the figures it
// reaches and remembers where it ended, however often its files are seen.
TEST(HallOfFame, AnEndedCareerPlayedOnIsStillOneEntry) {
    std::vector<FameEntry> entries;
    remember(entries, career("Arjun", 4000, 90, Level::national, 229, 597700));
    remember(entries, career("Arjun", 4000, 90, Level::national, 229, 597700, true));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].endedAfter, 229);

    remember(entries, career("Arjun", 4060, 91, Level::national, 230, 610000));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_FALSE(entries[0].ended);
    EXPECT_EQ(entries[0].matches, 230);
    EXPECT_EQ(entries[0].runs, 4060);
    EXPECT_EQ(entries[0].bankBalance, 610000);
    EXPECT_EQ(entries[0].endedAfter, 229);
    EXPECT_TRUE(playedOnAfterItsEnd(entries[0], entries[0].saveFile, entries[0].player, 230));
    EXPECT_FALSE(playedOnAfterItsEnd(entries[0], entries[0].saveFile, entries[0].player, 229));

    // An earlier copy of it, kept aside, lowers nothing it reached.
    remember(entries, career("Arjun", 3000, 70, Level::state, 180, 1000));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].runs, 4060);
    EXPECT_EQ(entries[0].highestLevel, Level::national);
    EXPECT_EQ(entries[0].bankBalance, 610000);

    // It ends again: ended where it now stands, and first ended where it did.
    remember(entries, career("Arjun", 4100, 93, Level::national, 240, 620000, true));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_TRUE(entries[0].ended);
    EXPECT_EQ(entries[0].matches, 240);
    EXPECT_EQ(entries[0].endedAfter, 229);
    EXPECT_FALSE(playedOnAfterItsEnd(entries[0], entries[0].saveFile, entries[0].player, 240));
    EXPECT_TRUE(endedWith(entries[0], entries[0].saveFile, entries[0].player, 240));

    // A new Arjun in the same file, past the matches of the first but
    // short of his runs, is another career.
    remember(entries, career("Arjun", 10, 0, Level::club, 1, 0));
    remember(entries, career("Arjun", 900, 30, Level::city, 241, 0));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].matches, 240);
    EXPECT_EQ(entries[1].matches, 241);
    EXPECT_EQ(entries[1].endedAfter, 0);
}

}  // namespace
