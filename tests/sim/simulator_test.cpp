// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QLocale>
#include <functional>
#include <string>

#include "game/match.h"
#include "game/purchase.h"
#include "session/career_session.h"
#include "sim/record_invariants.h"
#include "sim/simulation_options.h"
#include "sim/spending_policy.h"
#include "support/qt_printers.h"
#include "support/test_career.h"

namespace {

struct Breakage {
    const char* name;
    std::function<void(Career&, CareerLedger&)> breakIt;
    const char* reported;  // part of the message that names what broke
};

void PrintTo(const Breakage& breakage, std::ostream* out) {
    *out << breakage.name;
}

// A club player of 60, 35 and 40 after one match of 40 runs, a wicket and a
// catch, with the ledger that saw the match: every invariant holds.
struct PlayedCareer {
    Career career = testCareer(60, 35, 40);
    CareerLedger ledger;

    PlayedCareer() {
        ledger.startingSkills = career.startingSkills;
        applyMatch(career, MatchPerformance{40, 1, 1});
        ledger.matches = 1;
        ledger.runs = 40;
        ledger.wickets = 1;
        ledger.catches = 1;
    }
};

class InvariantChecker : public ::testing::TestWithParam<Breakage> {};

// A soak run that reports nothing is only worth as much as the checker that
// would have spoken: every kind of fault it watches for must be reported.
TEST_P(InvariantChecker, ReportsTheBrokenRule) {
    PlayedCareer played;
    ASSERT_EQ(brokenInvariant(played.career, played.ledger), std::nullopt);

    GetParam().breakIt(played.career, played.ledger);
    const auto problem = brokenInvariant(played.career, played.ledger);
    ASSERT_TRUE(problem.has_value());
    EXPECT_TRUE(problem->contains(QLatin1String(GetParam().reported))) << problem->toStdString();
}

std::string breakageName(const ::testing::TestParamInfo<Breakage>& info) {
    return info.param.name;
}

LevelStatistics& club(Career& career) {
    return career.recordBook[levelIndex(Level::club)];
}

INSTANTIATE_TEST_SUITE_P(
    Skills, InvariantChecker,
    ::testing::Values(
        Breakage{"PastTheCap", [](Career& c, CareerLedger&) { c.skills.bowling = 201; },
                 "bowling is 201, outside"},
        Breakage{"BelowZero", [](Career& c, CareerLedger&) { c.skills.fielding = -1; },
                 "fielding is -1, outside"},
        Breakage{"StartingSkills", [](Career& c, CareerLedger&) { c.startingSkills.batting = 61; },
                 "the starting batting"}),
    breakageName);

INSTANTIATE_TEST_SUITE_P(
    Conditions, InvariantChecker,
    ::testing::Values(Breakage{"WornPastAnyMatch",
                               [](Career& c, CareerLedger&) { c.body.stamina = -50; },
                               "the stamina is -50, outside"},
                      Breakage{"AboveNew", [](Career& c, CareerLedger&) { c.gear.bat = 101; },
                               "the bat is 101, outside"}),
    breakageName);

INSTANTIATE_TEST_SUITE_P(
    Level, InvariantChecker,
    ::testing::Values(Breakage{"TeamOfAnotherLevel",
                               [](Career& c, CareerLedger&) {
                                   c.level = Level::city;
                                   c.matchFee = arrivalFee(Level::city);
                               },
                               "the current team"},
                      Breakage{"WorldCupBelowNational",
                               [](Career& c, CareerLedger&) {
                                   placeAtLevel(c, Level::state);
                                   c.selectedForWorldCup = true;
                               },
                               "World Cup"},
                      Breakage{"MatchFee", [](Career& c, CareerLedger&) { c.matchFee = 5000; },
                               "match fee"},
                      Breakage{"WorldCupFee",
                               [](Career& c, CareerLedger&) {
                                   placeAtLevel(c, Level::national);
                                   c.selectedForWorldCup = true;
                               },
                               "match fee"}),
    breakageName);

INSTANTIATE_TEST_SUITE_P(
    Money, InvariantChecker,
    ::testing::Values(
        Breakage{"SponsorshipNoSponsorOffers",
                 [](Career& c, CareerLedger&) {
                     c.sponsor = QStringLiteral("PEPSI");
                     c.sponsorship = 1000;
                 },
                 "no offer"},
        Breakage{"SponsorshipOfAHigherLevel",
                 [](Career& c, CareerLedger&) {
                     c.sponsor = QStringLiteral("PEPSI");
                     c.sponsorship = 2400;
                 },
                 "no offer"},
        Breakage{"SponsorshipOfAnotherSponsor",
                 [](Career& c, CareerLedger&) {
                     c.sponsor = QStringLiteral("Coca Cola");
                     c.sponsorship = 1200;
                 },
                 "no offer"},
        Breakage{"OtherIncome", [](Career& c, CareerLedger&) { c.otherIncome = 1000; },
                 "no performance award"},
        Breakage{"NegativeBalance", [](Career& c, CareerLedger&) { c.bankBalance = -1; },
                 "bank balance"},
        Breakage{"BalancePast32Bits",
                 [](Career& c, CareerLedger&) { c.bankBalance = 2147483648.0; }, "bank balance"},
        Breakage{"FractionOfARupee", [](Career& c, CareerLedger&) { c.bankBalance = 12.5; },
                 "bank balance"}),
    breakageName);

INSTANTIATE_TEST_SUITE_P(
    RecordBook, InvariantChecker,
    ::testing::Values(
        Breakage{"RunsOfAnUnplayedLevel",
                 [](Career& c, CareerLedger&) { c.recordBook[levelIndex(Level::city)].runs = 7; },
                 "City column"},
        Breakage{"HighestScoreAboveTheRuns",
                 [](Career& c, CareerLedger&) { club(c).highestScore = 41; },
                 "the highest score in the Club column"},
        Breakage{"HundredWithoutAHundred", [](Career& c, CareerLedger&) { club(c).hundreds = 1; },
                 "100s without a score of 100"},
        Breakage{"FiftyWithoutAFifty", [](Career& c, CareerLedger&) { club(c).fifties = 1; },
                 "50s without a score of 50"},
        Breakage{"FiveWicketsWithoutFive",
                 [](Career& c, CareerLedger&) { club(c).fiveWicketHauls = 1; },
                 "5 wickets without 5 wickets in a match"},
        Breakage{"BattingAverageOfAPlayedLevel",
                 [](Career& c, CareerLedger&) { club(c).battingAverage = BattingAverage::of(39); },
                 "the batting average in the Club column"},
        Breakage{"BattingAverageOfAnUnplayedLevel",
                 [](Career& c, CareerLedger&) {
                     c.recordBook[levelIndex(Level::state)].battingAverage = BattingAverage::of(0);
                 },
                 "the batting average in the State column"},
        Breakage{"MatchesPlayed", [](Career&, CareerLedger& l) { l.matches = 2; },
                 "matches of all levels"},
        Breakage{"RunsScored", [](Career&, CareerLedger& l) { l.runs = 41; }, "runs of all levels"},
        Breakage{"CatchesHeld", [](Career&, CareerLedger& l) { l.catches = 0; },
                 "catches of all levels"}),
    breakageName);

TEST(SimulationOptions, HistoryTakesAFolder) {
    const ParsedOptions parsed =
        parseOptions({QStringLiteral("--history"), QStringLiteral("charts"),
                      QStringLiteral("--careers"), QStringLiteral("3")});
    ASSERT_TRUE(parsed.options) << parsed.error.toStdString();
    EXPECT_EQ(parsed.options->historyFolder, QStringLiteral("charts"));
    EXPECT_EQ(parsed.options->careers, 3);
    EXPECT_TRUE(parseOptions({}).options->historyFolder.isEmpty());
    EXPECT_FALSE(parseOptions({QStringLiteral("--history"), QString()}).options);
    EXPECT_FALSE(parseOptions({QStringLiteral("--history")}).options);
    EXPECT_EQ(historyFileName(12), QStringLiteral("career-12.history.csv"));
}

// A loaded career holds its averages as the save file wrote them: the same
// figure in writing is no fault.
TEST(InvariantCheckerOfALoadedCareer, AcceptsAnAverageAsTheSaveFileWroteIt) {
    PlayedCareer played;
    club(played.career).battingAverage = BattingAverage::asWritten(
        QStringLiteral("40") + QLocale::system().decimalPoint() + QStringLiteral("00"));
    EXPECT_EQ(brokenInvariant(played.career, played.ledger), std::nullopt);
}

// The simulated player never spends more than he has: short of money he buys
// what he can afford, row by row, down to the last rupee.
TEST(SpendingPolicy, BuysWhatTheBalanceAllowsRowByRow) {
    Career career = testCareer(60, 35, 40);
    career.gear.bat = 90;     // 10 units at 150
    career.gear.gloves = 95;  // 5 units at 100
    career.gear.pads = 99;    // 1 unit at 225
    career.bankBalance = 1000;

    CareerSession session(career);
    // Bought, so never refused for a shortage of money.
    ASSERT_TRUE(buyWhatIsAffordable(purchase_centres::store(), session));
    EXPECT_EQ(session.career().gear.bat, 96);
    EXPECT_EQ(session.career().gear.gloves, 96);
    EXPECT_EQ(session.career().gear.pads, 99);
    EXPECT_EQ(session.career().bankBalance, 0);

    EXPECT_FALSE(buyWhatIsAffordable(purchase_centres::store(), session));
}

TEST(SpendingPolicy, BuysEveryUnitOfferedWhenTheBalanceCoversThem) {
    Career career = testCareer(60, 35, 40);
    placeAtLevel(career, Level::city);
    career.body.fitness = 90;  // 10 units at 400
    career.body.stamina = 95;  // 5 units at 300
    career.bankBalance = 10000;

    CareerSession session(career);
    ASSERT_TRUE(buyWhatIsAffordable(purchase_centres::health(), session));
    EXPECT_EQ(session.career().body, Body{});
    EXPECT_EQ(session.career().bankBalance, 4500);
}

struct SponsorChoice {
    const char* name;
    Level level;
    int skills;  // all three, so the overall skill too
    double sponsorshipBefore;
    bool changes;
    const char* sponsor;
    double sponsorship;
};

void PrintTo(const SponsorChoice& choice, std::ostream* out) {
    *out << choice.name;
}

class BestSponsor : public ::testing::TestWithParam<SponsorChoice> {};

TEST_P(BestSponsor, TakesTheOfferThatPaysMostWhenItPaysMore) {
    const SponsorChoice& choice = GetParam();
    Career career = testCareer(choice.skills, choice.skills, choice.skills);
    placeAtLevel(career, choice.level);
    career.sponsor = QStringLiteral("Standard Bank");
    career.sponsorship = choice.sponsorshipBefore;

    CareerSession session(career);
    EXPECT_EQ(takeBestSponsor(session), choice.changes);
    EXPECT_EQ(session.career().sponsor, QString::fromLatin1(choice.sponsor));
    EXPECT_EQ(session.career().sponsorship, choice.sponsorship);
}

INSTANTIATE_TEST_SUITE_P(
    Offers, BestSponsor,
    ::testing::Values(
        SponsorChoice{"NoneAtTheFirstThreshold", Level::club, 55, 0, false, "Standard Bank", 0},
        SponsorChoice{"FirstAboveThreshold", Level::club, 61, 0, true, "Coca Cola", 1500},
        SponsorChoice{"BestOfManyByLevel", Level::state, 96, 1800, true, "Hero Honda", 9000},
        SponsorChoice{"NoneBetterThanTheCurrent", Level::club, 96, 3600, false, "Standard Bank",
                      3600},
        SponsorChoice{"NotForTheSameMoney", Level::city, 61, 3000, false, "Standard Bank", 3000}),
    [](const ::testing::TestParamInfo<SponsorChoice>& info) {
        return std::string(info.param.name);
    });

}  // namespace
