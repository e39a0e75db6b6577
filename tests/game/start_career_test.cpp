// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/start_career.h"

#include <gtest/gtest.h>

#include "game/career.h"
#include "game/ratings.h"
#include "support/qt_printers.h"
#include "support/scripted_random.h"

namespace {

TEST(StartCareer, FillsEveryFieldFromThePlayersDetails) {
    ScriptedRandom random;
    random.draws = {0.99};
    const Career career = startCareer(
        PlayerDetails{QStringLiteral(" Ravi "), QStringLiteral("Pune"), QStringLiteral("Goa"),
                      QStringLiteral("India"), Skills{45, 20, 30}, false},
        random);
    EXPECT_EQ(random.taken, 1);
    EXPECT_EQ(career.player, QStringLiteral(" Ravi "));
    EXPECT_EQ(overallSkill(career.skills), 31);
    EXPECT_EQ(category(career.skills), Category::batsman);
    EXPECT_EQ(career.skills, (Skills{45, 20, 30}));
    EXPECT_EQ(career.startingSkills, (Skills{45, 20, 30}));
    EXPECT_EQ(career.drawnClub, QStringLiteral("Country Side"));
    EXPECT_EQ(career.team, QStringLiteral("Country Side"));
    EXPECT_EQ(career.teams.club, QStringLiteral("Country Side"));
    EXPECT_EQ(career.teams.city, QStringLiteral("Pune"));
    EXPECT_EQ(career.teams.state, QStringLiteral("Goa"));
    EXPECT_EQ(career.teams.nation, QStringLiteral("India"));
    EXPECT_EQ(career.level, Level::club);
    EXPECT_EQ(career.matchFee, 3000);
    EXPECT_FALSE(career.selectedForWorldCup);
    // Everything else as every career starts.
    EXPECT_EQ(career.sponsor, QStringLiteral("..."));
    EXPECT_EQ(career.sponsorship, 0);
    EXPECT_EQ(career.otherIncome, 0);
    EXPECT_EQ(career.bankBalance, 0);
    EXPECT_EQ(career.gear, Gear{});
    EXPECT_EQ(career.body, Body{});
    EXPECT_EQ(career.recordBook, RecordBook{});
}

TEST(StartCareer, EachOfTheFiveClubsCanBeDrawn) {
    const double draws[] = {0.0, 0.2, 0.39999, 0.6, 0.8, 0.99999999};
    const char* clubs[] = {"Five Star",    "Rising Sun",   "Rising Sun",
                           "Happy Valley", "Country Side", "Country Side"};
    for (int i = 0; i < 6; ++i) {
        ScriptedRandom random;
        random.draws = {draws[i]};
        const Career career =
            startCareer(PlayerDetails{QStringLiteral("A"), {}, {}, {}, Skills{}, true}, random);
        EXPECT_EQ(career.drawnClub, QString::fromLatin1(clubs[i])) << draws[i];
    }
}

}  // namespace
