// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ratings.h"

#include <gtest/gtest.h>

#include <array>

#include "game/career.h"
#include "support/qt_printers.h"

namespace {

struct SkillCase {
    Skills skills;
    int overall;
    const char* category;
};

void PrintTo(const SkillCase& c, std::ostream* out) {
    *out << c.skills.batting << '/' << c.skills.bowling << '/' << c.skills.fielding;
}

class DerivedSkill : public ::testing::TestWithParam<SkillCase> {};

TEST_P(DerivedSkill, OverallSkillAndCategoryFollowTheSkills) {
    const SkillCase& c = GetParam();
    EXPECT_EQ(overallSkill(c.skills), c.overall);
    EXPECT_EQ(categoryName(category(c.skills)), QString::fromLatin1(c.category));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DerivedSkill,
    ::testing::Values(
        SkillCase{{60, 40, 0}, 33, "All Rounder"}, SkillCase{{61, 40, 0}, 33, "Batsman"},
        SkillCase{{40, 61, 0}, 33, "Bowler"}, SkillCase{{70, 70, 0}, 46, "All Rounder"},
        SkillCase{{50, 51, 52}, 51, "All Rounder"}, SkillCase{{50, 50, 51}, 50, "All Rounder"},
        SkillCase{{0, 0, 0}, 0, "All Rounder"}, SkillCase{{45, 20, 30}, 31, "Batsman"},
        SkillCase{{199, 199, 49}, 149, "All Rounder"},
        // Fielding never decides the category.
        SkillCase{{10, 10, 200}, 73, "All Rounder"},
        // The sum and the difference stand at the 16-bit limit
        // instead of wrapping, and the mean rounds down below zero.
        SkillCase{{32767, 32767, 32767}, 10922, "All Rounder"},
        SkillCase{{32767, -32768, 0}, -1, "Batsman"}, SkillCase{{-32768, 32767, 0}, -1, "Bowler"},
        SkillCase{{-32768, -32768, -32768}, -10923, "All Rounder"},
        SkillCase{{-1, 0, 0}, -1, "All Rounder"}));

struct ConditionCase {
    Gear gear;
    Body body;
    int gearOverall;
    int healthOverall;
    bool gearLow;
    bool healthLow;
};

void PrintTo(const ConditionCase& c, std::ostream* out) {
    *out << c.gear.bat << ' ' << c.gear.gloves << ' ' << c.gear.pads << ' ' << c.gear.others << ' '
         << c.body.fitness << ' ' << c.body.health << ' ' << c.body.stamina;
}

class DerivedCondition : public ::testing::TestWithParam<ConditionCase> {};

TEST_P(DerivedCondition, OverallValuesAndWarningsFollowTheConditions) {
    const ConditionCase& c = GetParam();
    EXPECT_EQ(overallGear(c.gear), c.gearOverall);
    EXPECT_EQ(overallHealth(c.body), c.healthOverall);
    EXPECT_EQ(runningLow(overallGear(c.gear)), c.gearLow);
    EXPECT_EQ(runningLow(overallHealth(c.body)), c.healthLow);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DerivedCondition,
    ::testing::Values(
        ConditionCase{{100, 100, 100, 100}, {100, 100, 100}, 100, 100, false, false},
        ConditionCase{{100, 100, 100, 99}, {49, 50, 50}, 99, 49, false, true},
        ConditionCase{{50, 50, 50, 50}, {50, 50, 50}, 50, 50, false, false},
        // Worn below zero: the overall value goes negative.
        ConditionCase{{-12, -20, 0, 0}, {-5, -5, -5}, -8, -5, true, true},
        ConditionCase{{1, 1, 1, 1}, {1, 1, 1}, 1, 1, true, true},
        // Past 16 bits the sum stands at the limit.
        ConditionCase{
            {32767, 32767, 32767, 32767}, {32767, 32767, 32767}, 8191, 10922, false, false}));

TEST(Career, ChangingOneConditionMovesItsOverallValue) {
    Career career;
    career.body.fitness = 10;
    career.gear.bat = 60;
    EXPECT_EQ(overallGear(career.gear), 90);
    EXPECT_EQ(overallHealth(career.body), 70);
}

TEST(Career, StartsWithTheStartValues) {
    const Career career;
    EXPECT_EQ(career.team, QStringLiteral("India"));
    EXPECT_EQ(career.sponsor, QStringLiteral("..."));
    EXPECT_EQ(career.matchFee, 3000);
    EXPECT_EQ(career.level, Level::club);
    EXPECT_EQ(career.teams.nation, QStringLiteral("nation"));
    const std::array<int, 7> conditions{career.gear.bat,    career.gear.gloves,  career.gear.pads,
                                        career.gear.others, career.body.fitness, career.body.health,
                                        career.body.stamina};
    for (const int condition : conditions) EXPECT_EQ(condition, 100);
    for (const Level level : allLevels) {
        EXPECT_EQ(career.recordBook[levelIndex(level)], LevelStatistics{});
    }
    const LevelStatistics& s = career.statistics();
    for (const int figure : {int{s.matches}, s.runs, s.wickets, s.catches, s.highestScore,
                             s.fifties, s.hundreds, s.mostWickets, s.fiveWicketHauls}) {
        EXPECT_EQ(figure, 0);
    }
    EXPECT_EQ(s.battingAverage.text(QStringLiteral(".")), QStringLiteral("0"));
}

TEST(Career, TheStatisticsShownAreTheRecordBookColumnOfTheLevel) {
    Career career;
    for (const Level level : allLevels) {
        career.level = level;
        career.statistics().matches = static_cast<std::int16_t>(levelNumber(level));
    }
    for (const Level level : allLevels) {
        EXPECT_EQ(career.recordBook[levelIndex(level)].matches, levelNumber(level));
    }
}

TEST(Career, EachLevelPlaysForItsOwnTeam) {
    Career career;
    career.drawnClub = QStringLiteral("Happy Valley");
    career.teams = {QStringLiteral("Saved Club"), QStringLiteral("Pune"), QStringLiteral("Goa"),
                    QStringLiteral("India")};
    // At club level the drawn club plays, not the club a loaded file names.
    EXPECT_EQ(teamAt(career, Level::club), QStringLiteral("Happy Valley"));
    EXPECT_EQ(teamAt(career, Level::city), QStringLiteral("Pune"));
    EXPECT_EQ(teamAt(career, Level::state), QStringLiteral("Goa"));
    EXPECT_EQ(teamAt(career, Level::national), QStringLiteral("India"));
}

}  // namespace
