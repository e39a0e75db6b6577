// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/level_change.h"

#include <gtest/gtest.h>

#include "game/career.h"
#include "game/ratings.h"
#include "support/qt_printers.h"
#include "support/test_career.h"

namespace {

const LevelStatistics& column(const Career& career, Level level) {
    return career.recordBook[levelIndex(level)];
}

TEST(ChangeLevel, PromotionFilesTheLevelAndRestartsFromTheStartingSkills) {
    Career career = testCareer(40, 35, 30);
    career.skills = {180, 150, 120};
    LevelStatistics& s = career.statistics();
    s.matches = 12;
    s.runs = 640;
    s.battingAverage = BattingAverage::asWritten(QStringLiteral("53.33"));
    s.fiveWicketHauls = 2;
    const LevelStatistics club = career.statistics();

    changeLevel(career, Level::city);

    EXPECT_EQ(column(career, Level::club), club);
    EXPECT_EQ(career.statistics(), LevelStatistics{});
    EXPECT_EQ(career.level, Level::city);
    EXPECT_EQ(career.skills, (Skills{40, 35, 30}));
    EXPECT_EQ(overallSkill(career.skills), 35);
    EXPECT_EQ(category(career.skills), Category::allRounder);
}

TEST(ChangeLevel, EachLevelKeepsItsStatisticsAcrossClubCityClubCity) {
    Career career = testCareer(40, 35, 30);
    career.statistics().matches = 12;
    career.statistics().highestScore = 88;
    const LevelStatistics club = career.statistics();
    changeLevel(career, Level::city);

    // An average is kept as written, a locale's comma included.
    career.statistics().matches = 3;
    career.statistics().battingAverage = BattingAverage::asWritten(QStringLiteral("12,50"));
    const LevelStatistics city = career.statistics();
    changeLevel(career, Level::club);
    EXPECT_EQ(career.statistics(), club);
    EXPECT_EQ(column(career, Level::city), city);
    EXPECT_EQ(career.level, Level::club);

    career.statistics().matches = 13;
    const LevelStatistics clubLater = career.statistics();
    changeLevel(career, Level::city);
    EXPECT_EQ(career.statistics(), city);
    EXPECT_EQ(career.statistics().battingAverage.text(QStringLiteral(",")),
              QStringLiteral("12,50"));
    EXPECT_EQ(column(career, Level::club), clubLater);
    EXPECT_EQ(column(career, Level::state), LevelStatistics{});
    EXPECT_EQ(column(career, Level::national), LevelStatistics{});
}

TEST(ChangeLevel, LeavesGearHealthMoneyAndTeamAlone) {
    Career career = testCareer(40, 35, 30);
    career.gear.pads = 7;
    career.bankBalance = 999;
    changeLevel(career, Level::national);
    EXPECT_EQ(career.gear.pads, 7);
    EXPECT_EQ(career.bankBalance, 999);
    EXPECT_EQ(career.team, QStringLiteral("Five Star"));
    EXPECT_EQ(career.matchFee, 3000);
}

TEST(PromoteAndDrop, MoveOneLevelWithItsFeeAndTeam) {
    const struct {
        Level from;
        void (*change)(Career&);
        Level to;
        double fee;
        const char* team;
    } cases[] = {{Level::club, promote, Level::city, 5000, "Pune"},
                 {Level::city, promote, Level::state, 7000, "Goa"},
                 {Level::state, promote, Level::national, 10000, "India"},
                 {Level::national, promote, Level::national, 12000, "India"},
                 {Level::national, dropOneLevel, Level::state, 7000, "Goa"},
                 {Level::state, dropOneLevel, Level::city, 5000, "Pune"},
                 {Level::city, dropOneLevel, Level::club, 3000, "Five Star"},
                 // Nothing lies below the club: nothing changes but the World Cup.
                 {Level::club, dropOneLevel, Level::club, 3000, "Five Star"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(levelNumber(c.from)) + " to " +
                     std::to_string(levelNumber(c.to)));
        Career career = testCareer(40, 35, 30);
        placeAtLevel(career, c.from);
        career.skills = {120, 110, 100};
        career.gear.bat = 5;
        career.body.health = 6;
        career.sponsorship = 2000;
        career.selectedForWorldCup = c.from == Level::national && c.change == dropOneLevel;
        c.change(career);
        EXPECT_EQ(career.level, c.to);
        EXPECT_EQ(career.matchFee, c.fee);
        EXPECT_EQ(career.team, QString::fromLatin1(c.team));
        const bool moved = c.to != c.from;
        const bool dropped = moved && c.change == dropOneLevel;
        EXPECT_EQ(career.skills, (moved ? Skills{40, 35, 30} : Skills{120, 110, 100}));
        EXPECT_EQ(career.gear.bat, dropped ? 100 : 5);
        EXPECT_EQ(career.body.health, dropped ? 100 : 6);
        EXPECT_EQ(career.sponsorship, dropped ? 0 : 2000);
        EXPECT_EQ(career.selectedForWorldCup, !moved && c.change == promote);
    }
}

}  // namespace
