// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "game/batting_average.h"
#include "game/career.h"
#include "game/match.h"
#include "game/play_messages.h"
#include "game/ratings.h"
#include "support/qt_printers.h"
#include "support/test_career.h"

namespace {

using enum Figure;

struct UpdateCase {
    const char* name;
    Level level;
    Figures before;
    MatchPerformance match;
    Figures after;
    const char* notice;  // the award notice, or nothing
};

UpdateCase update(const char* name, Level level, Figures before, MatchPerformance match,
                  Figures after, const char* notice = nullptr) {
    return {name, level, std::move(before), match, std::move(after), notice};
}

void PrintTo(const UpdateCase& c, std::ostream* out) {
    *out << c.name;
}

class ApplyMatchCase : public ::testing::TestWithParam<UpdateCase> {};

TEST_P(ApplyMatchCase, AppliesTheMatchToTheCareer) {
    const UpdateCase& c = GetParam();
    Career career = testCareer(50, 50, 50);
    placeAtLevel(career, c.level);
    setFigures(career, c.before);

    const double award = applyMatch(career, c.match);

    expectFigures(career, c.after);
    if (c.notice) {
        EXPECT_EQ(awardNotice(award), QString::fromUtf8(c.notice));
        EXPECT_EQ(career.otherIncome, award);
    } else {
        EXPECT_EQ(award, 0);
    }
}

const char* const clubAward = "You are awarded Rs.1500 based on your performance.";

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, ApplyMatchCase,
    ::testing::Values(
        update("NineteenRunsDecayBatting", Level::club, {{batting, 60}}, {19, 0, 0},
               {{batting, 59}, {fifties, 0}}),
        update("TwentyRunsRaiseBatting", Level::club, {{batting, 60}}, {20, 0, 0}, {{batting, 64}}),
        update("FiftyExactlyGivesOneBonus", Level::club, {{batting, 60}}, {50, 0, 0},
               {{batting, 75}, {fifties, 1}}),
        update("NinetyNineRunsEarnNoAward", Level::club, {{batting, 60}}, {99, 0, 0},
               {{batting, 84}, {fifties, 1}, {hundreds, 0}, {otherIncome, 0}}),
        update("CityIdleSkillsDecayByTwo", Level::city, {}, {0, 0, 0},
               {{batting, 48}, {bowling, 48}, {fielding, 48}}),
        update("NationalDecayToZero", Level::national, {{batting, 5}}, {0, 0, 0}, {{batting, 0}}),
        update("FourOrLessNeverDecays", Level::national,
               {{batting, 4}, {bowling, 0}, {fielding, 3}}, {0, 0, 0},
               {{batting, 4}, {bowling, 0}, {fielding, 3}}),
        update("HundredWithDoubleBonus", Level::club, {{batting, 150}}, {100, 0, 0},
               {{batting, 180},
                {hundreds, 1},
                {fifties, 0},
                {highestScore, 100},
                {otherIncome, 1500},
                {bankBalance, 3000}},
               clubAward),
        update("CapAtTwoHundredAndNoBonus", Level::club, {{batting, 195}}, {100, 0, 0},
               {{batting, 200}, {hundreds, 1}}, clubAward),
        update("BonusThatWouldPassTheCapIsNotGiven", Level::club, {{batting, 185}}, {60, 0, 0},
               {{batting, 197}, {fifties, 1}, {hundreds, 0}}),
        update("BonusUpToExactlyTheCap", Level::club, {{batting, 185}}, {50, 0, 0},
               {{batting, 200}, {fifties, 1}}),
        update("FiveWicketsAtNationalLevel", Level::national, {{bowling, 100}, {mostWickets, 3}},
               {0, 5, 0},
               {{bowling, 127},
                {fiveWicketHauls, 1},
                {mostWickets, 5},
                {wickets, 5},
                {otherIncome, 8000}},
               "You are awarded Rs.8000 based on your performance."),
        update("FiveWicketsAtStateLevel", Level::state, {{bowling, 100}}, {0, 5, 0},
               {{bowling, 129}}, "You are awarded Rs.5500 based on your performance."),
        update("FourWicketsSingleBonus", Level::club, {{bowling, 100}, {mostWickets, 6}}, {0, 4, 0},
               {{bowling, 125}, {fiveWicketHauls, 0}, {mostWickets, 6}, {otherIncome, 0}}),
        update("ThreeWicketsSingleBonus", Level::club, {{bowling, 100}}, {0, 3, 0},
               {{bowling, 120}}),
        update("OneWicketAndOneCatchRaiseBoth", Level::club, {{bowling, 100}}, {0, 1, 1},
               {{batting, 49}, {bowling, 105}, {fielding, 55}}),
        update("FourWicketsBonusWithheldNearTheCap", Level::club, {{bowling, 178}}, {0, 4, 0},
               {{bowling, 198}}),
        update("NoCatchDecaysFielding", Level::state, {}, {0, 0, 0},
               {{fielding, 47}, {catches, 0}}),
        update("ThreeCatches", Level::club, {}, {0, 0, 3}, {{fielding, 70}, {catches, 3}}),
        update("FiveCatchesAtCityLevel", Level::city, {}, {0, 0, 5}, {{fielding, 81}}),
        update("TiedHighestScoreUnchanged", Level::club, {{highestScore, 45}}, {45, 0, 0},
               {{highestScore, 45}}),
        update("NewHighestScore", Level::club, {{highestScore, 44}}, {45, 0, 0},
               {{highestScore, 45}}),
        update("MatchFeePaidIn", Level::club, {}, {0, 0, 0},
               {{bankBalance, 3000}, {otherIncome, 0}}),
        update("PendingAwardPaidIn", Level::city,
               {{otherIncome, 1500}, {bankBalance, 1000}, {sponsorship, 2000}}, {0, 0, 0},
               {{bankBalance, 9500}, {otherIncome, 0}}),
        update("PendingAwardPaidInAndANewOneHeld", Level::city, {{otherIncome, 1500}}, {120, 0, 0},
               {{bankBalance, 6500}, {otherIncome, 3000}},
               "You are awarded Rs.3000 based on your performance."),
        update("EachAmountRoundedDownFirst", Level::club,
               {{bankBalance, 100.75}, {sponsorship, 250.5}, {otherIncome, 0.9}}, {0, 0, 0},
               {{bankBalance, 3350}}),
        update("ANegativeFractionIsRoundedDownToo", Level::club, {{bankBalance, -0.5}}, {0, 0, 0},
               {{bankBalance, 2999}}),
        update("PayOutBeyond32BitsIsExact", Level::national,
               {{bankBalance, 5000000000}, {sponsorship, 40000}, {otherIncome, 8000}}, {0, 0, 0},
               {{bankBalance, 5000058000}}),
        update("PayOutJustBelowTheMoneyLimitIsExact", Level::club,
               {{bankBalance, 999999999990000}, {sponsorship, 6999}}, {0, 0, 0},
               {{bankBalance, 999999999999999}}),
        update("PayOutStandsAtTheMoneyLimit", Level::club,
               {{bankBalance, 999999999999999},
                {sponsorship, 999999999999999},
                {otherIncome, 999999999999999}},
               {0, 0, 0}, {{bankBalance, 999999999999999}, {otherIncome, 0}}),
        update("NearTheLargestDoubleThePayOutStandsAtTheMoneyLimit", Level::club,
               {{bankBalance, 1.7e308}, {sponsorship, 1.7e308}}, {0, 0, 0},
               {{bankBalance, 999999999999999}}),
        update("ADebtAtTheMoneyLimitIsPaidDownExactly", Level::club,
               {{bankBalance, -999999999999999}}, {0, 0, 0}, {{bankBalance, -999999999996999}}),
        update("WearOfFortyEightRuns", Level::club, {}, {48, 0, 0},
               {{bat, 92},
                {gloves, 88},
                {pads, 94},
                {others, 97},
                {fitness, 98},
                {health, 99},
                {stamina, 96}}),
        // Health: 30/30 + 4/3 + 2/3 adds up to just below 3 in double
        // precision, so it wears by 2.
        update("WearOfWicketsAndCatchesBelowZero", Level::club, {{others, 1}, {stamina, 5}},
               {30, 4, 2}, {{others, -1}, {fitness, 96}, {health, 98}, {stamina, -4}}),
        update("AverageOfOneRunInTwoMatches", Level::club, {{matches, 1}, {runs, 0}}, {1, 0, 0},
               {{matches, 2}, {runs, 1}}),
        update("MatchesSaturateAtSixteenBits", Level::club, {{matches, 32767}}, {10, 0, 0},
               {{matches, 32767}}),
        update("CareerRunsSaturateAtThirtyTwoBits", Level::club, {{runs, 2147483600}}, {100, 0, 0},
               {{runs, 2147483647}}, clubAward),
        update("ConditionsStandAtTheSixteenBitLimit", Level::club, {{stamina, -32760}},
               {200, 10, 10}, {{stamina, -32768}}, clubAward)),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ApplyMatch, OverallValuesFollowTheWear) {
    Career career = testCareer(50, 50, 50);
    applyMatch(career, MatchPerformance{48, 0, 0});
    EXPECT_EQ(overallGear(career.gear), 92);
    EXPECT_EQ(overallHealth(career.body), 97);
}

// Every divisor of the wear is told apart: with these figures a divisor one
// larger or one smaller, or whole terms rounded down one by one, changes at
// least one condition.
TEST(ApplyMatch, WearsGearAndBodyDownByTheirShareOfTheMatch) {
    const struct {
        MatchPerformance match;
        Gear gear;
        Body body;
    } cases[] = {
        // bat 152/6, gloves 152/4, pads 152/8, others 152/16 + 7/8 + 8/4,
        // fitness 152/20 + 7/2 + 8/2, health 152/30 + 7/3 + 8/3, stamina 152/10 + 7 + 8
        {{152, 7, 8}, {75, 62, 81, 88}, {85, 90, 70}},
        {{58, 1, 5}, {91, 86, 93, 95}, {95, 97, 89}},
        {{7, 4, 0}, {99, 99, 100, 100}, {98, 99, 96}},
        {{0, 0, 0}, {100, 100, 100, 100}, {100, 100, 100}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.match.runs << " runs, " << c.match.wickets
                                          << " wickets, " << c.match.catches << " catches");
        Career career = testCareer(50, 50, 50);
        applyMatch(career, c.match);
        EXPECT_EQ(career.gear, c.gear);
        EXPECT_EQ(career.body, c.body);
    }
}

TEST(ApplyMatch, BattingAverageIsTheLevelsRunsPerMatch) {
    const struct {
        std::int16_t matches;
        std::int32_t runs;
        std::int16_t r;
        const char* withPoint;
        const char* withComma;
    } cases[] = {{1, 0, 1, ".50", ",50"},
                 {1, 0, 0, ".00", ",00"},
                 {1, 0, 75, "37.50", "37,50"},
                 {7, 0, 1, ".13", ",13"},
                 {3, 149, 0, "37.25", "37,25"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.runs << " + " << c.r);
        Career career = testCareer(50, 50, 50);
        career.statistics().matches = c.matches;
        career.statistics().runs = c.runs;
        applyMatch(career, MatchPerformance{c.r, 0, 0});
        const BattingAverage& average = career.statistics().battingAverage;
        EXPECT_EQ(average.text(QStringLiteral(".")), QString::fromLatin1(c.withPoint));
        EXPECT_EQ(average.text(QStringLiteral(",")), QString::fromLatin1(c.withComma));
    }
}

TEST(ApplyMatch, FilesTheStatisticsInTheCurrentLevelsColumnOnly) {
    Career career = testCareer(50, 50, 50);
    placeAtLevel(career, Level::city);
    career.statistics().matches = 4;
    career.statistics().runs = 100;
    applyMatch(career, MatchPerformance{55, 5, 1});

    const LevelStatistics& city = career.recordBook[levelIndex(Level::city)];
    EXPECT_EQ(city.matches, 5);
    EXPECT_EQ(city.runs, 155);
    EXPECT_EQ(city.wickets, 5);
    EXPECT_EQ(city.catches, 1);
    EXPECT_EQ(city.highestScore, 55);
    EXPECT_EQ(city.battingAverage.text(QStringLiteral(".")), QStringLiteral("31.00"));
    EXPECT_EQ(city.fifties, 1);
    EXPECT_EQ(city.hundreds, 0);
    EXPECT_EQ(city.mostWickets, 5);
    EXPECT_EQ(city.fiveWicketHauls, 1);
    for (const Level level : {Level::club, Level::state, Level::national}) {
        EXPECT_EQ(career.recordBook[levelIndex(level)], LevelStatistics{}) << levelIndex(level);
    }
}

TEST(ApplyMatch, SkillChangesMoveOverallSkillAndCategory) {
    Career career = testCareer(100, 40, 40);
    applyMatch(career, MatchPerformance{0, 6, 0});
    // Batting 99, bowling 40 + 30 + 10 = 80, fielding 39.
    EXPECT_EQ(career.skills, (Skills{99, 80, 39}));
    EXPECT_EQ(overallSkill(career.skills), 72);
    EXPECT_EQ(category(career.skills), Category::allRounder);
}

TEST(BattingAverage, TwoDecimalsHalvesAwayFromZero) {
    const struct {
        float average;
        const char* separator;
        const char* text;
    } cases[] = {
        {0.5f, ".", ".50"},        {0.0f, ".", ".00"},
        {0.125f, ".", ".13"},      {37.25f, ".", "37.25"},
        {37.5f, ".", "37.50"},     {29.0f / 200.0f, ".", ".15"},  // exactly 0.145 in decimal
        {1.0f / 3.0f, ".", ".33"}, {2.0f / 3.0f, ".", ".67"},
        {0.995f, ".", "1.00"},     {99.999f, ".", "100.00"},
        {0.004f, ".", ".00"},      {12.0f, ",", "12,00"},
        {0.5f, ",", ",50"},        {2147483647.0f, ".", "2147483648.00"},
        {-0.5f, ".", "-.50"}};
    for (const auto& c : cases) {
        EXPECT_EQ(formatBattingAverage(c.average, QString::fromLatin1(c.separator)),
                  QString::fromLatin1(c.text))
            << c.average;
    }
}

// A figure read from a file is shown as written, but with the decimal point
// asked for: older files hold the writer's locale's separator.
TEST(BattingAverage, AFigureNotYetComputedIsShownAsWritten) {
    EXPECT_EQ(BattingAverage().text(QStringLiteral(",")), QStringLiteral("0"));
    EXPECT_EQ(BattingAverage::asWritten(QStringLiteral("33,44")).text(QStringLiteral(".")),
              QStringLiteral("33.44"));
    EXPECT_EQ(BattingAverage::asWritten(QStringLiteral("33.44")).text(QStringLiteral(",")),
              QStringLiteral("33,44"));
    EXPECT_EQ(BattingAverage::asWritten(QStringLiteral("n/a")).text(QStringLiteral(".")),
              QStringLiteral("n/a"));
    EXPECT_EQ(BattingAverage::of(37.25f).text(QStringLiteral(",")), QStringLiteral("37,25"));
}

}  // namespace
