// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/history.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "game/match.h"
#include "game/play.h"
#include "game/purchase.h"
#include "game/sponsorship.h"
#include "support/qt_printers.h"
#include "support/scripted_random.h"
#include "support/test_career.h"

namespace {

// A press of Play that ends in the match being played, without the bookie.
PlayOutcome pressPlay(Career& career) {
    ScriptedRandom random;
    random.draws = {drawFor(0, 30)};
    return selectForMatch(career, random);
}

// A press of Play that moves the player and draws nothing.
PlayOutcome pressPlayWithoutMatch(Career& career) {
    ScriptedRandom random;
    return selectForMatch(career, random);
}

std::int32_t buy(Career& career, const PurchaseCentre& centre, int units) {
    Purchase purchase(centre, career);
    for (int row = 0; row < static_cast<int>(purchase.rows().size()); ++row) {
        purchase.setUnitsChosen(row, units);
    }
    EXPECT_EQ(confirmPurchase(career, purchase), PurchaseOutcome::bought);
    return purchase.totalCost();
}

TEST(HistoryRow, HoldsTheMatchAndTheCareerAsTheMatchLeftIt) {
    Career career = testCareer(60, 50, 40);
    career.bankBalance = 1000;
    career.sponsorship = 1200;
    const HistoryRow row = playMatch(career, MatchPerformance{104, 5, 2});

    EXPECT_EQ(row.match, 1);
    EXPECT_EQ(row.level, Level::club);
    EXPECT_EQ(row.team, career.team);
    EXPECT_EQ(row.performance, (MatchPerformance{104, 5, 2}));
    EXPECT_EQ(row.award, 1500);
    // After the match, not before: trained, worn and paid.
    EXPECT_EQ(row.skills, career.skills);
    EXPECT_NE(row.skills, (Skills{60, 50, 40}));
    EXPECT_EQ(row.gear, career.gear);
    EXPECT_LT(row.gear.bat, 100);
    EXPECT_EQ(row.body, career.body);
    EXPECT_EQ(row.matchFee, 3000);
    EXPECT_EQ(row.sponsorship, 1200);
    EXPECT_EQ(row.otherIncome, 1500);
    EXPECT_EQ(row.bankBalance, 1000 + 3000 + 1200);
    EXPECT_EQ(row.events, SinceLastMatch{});
}

// The match's number counts every match of the career at every level,
// including those played before a level change and those of a loaded
// career's record book.
TEST(HistoryRow, NumbersMatchesAcrossTheWholeCareer) {
    Career career = testCareer(160, 160, 160);
    career.recordBook[levelIndex(Level::club)].matches = 3;
    career.recordBook[levelIndex(Level::state)].matches = 2;
    EXPECT_EQ(careerMatches(career), 5);
    EXPECT_EQ(playMatch(career, {}).match, 6);

    ASSERT_EQ(pressPlayWithoutMatch(career).notices.front().kind, PlayNotice::promoted);
    const HistoryRow atCity = playMatch(career, {});
    EXPECT_EQ(atCity.match, 7);
    EXPECT_EQ(atCity.level, Level::city);
    EXPECT_EQ(career.recordBook[levelIndex(Level::city)].matches, 1);

    ASSERT_EQ(pressPlayWithoutMatch(career).notices.front().kind, PlayNotice::promoted);
    // Back at a level played before, its count goes on, and so does the
    // career's.
    EXPECT_EQ(playMatch(career, {}).match, 8);
    EXPECT_EQ(career.recordBook[levelIndex(Level::state)].matches, 3);
}

struct EventsCase {
    const char* name;
    // Starting skills, and the level and figures the career is set to.
    Skills skills;
    Level level;
    std::function<void(Career&)> setUp;
    // What the player does between the two matches; gives the events it
    // is expected to record.
    std::function<SinceLastMatch(Career&)> between;
    Level levelAfter;
};

void PrintTo(const EventsCase& c, std::ostream* out) {
    *out << c.name;
}

class EventsSinceLastMatch : public ::testing::TestWithParam<EventsCase> {};

// The next match's row carries what happened since the match before, and
// the career starts gathering afresh.
TEST_P(EventsSinceLastMatch, GoIntoTheNextRowAndNoFurther) {
    const EventsCase& c = GetParam();
    Career career = testCareer(c.skills.batting, c.skills.bowling, c.skills.fielding);
    placeAtLevel(career, c.level);
    career.bankBalance = 500000;
    if (c.setUp) c.setUp(career);
    const HistoryRow before = playMatch(career, MatchPerformance{10, 0, 0});
    EXPECT_EQ(before.events, SinceLastMatch{});

    const SinceLastMatch expected = c.between(career);
    const HistoryRow row = playMatch(career, MatchPerformance{10, 0, 0});
    EXPECT_EQ(row.events.levelChanges, expected.levelChanges);
    EXPECT_EQ(row.events.selectedForWorldCup, expected.selectedForWorldCup);
    EXPECT_EQ(row.events.sponsorTaken, expected.sponsorTaken);
    EXPECT_EQ(row.events.trainingCost, expected.trainingCost);
    EXPECT_EQ(row.events.gearCost, expected.gearCost);
    EXPECT_EQ(row.events.healthCareCost, expected.healthCareCost);
    EXPECT_EQ(row.events.bookieMoney, expected.bookieMoney);
    EXPECT_EQ(row.level, c.levelAfter);
    EXPECT_EQ(row.team, teamAt(career, c.levelAfter));
    EXPECT_EQ(row.match, before.match + 1);

    EXPECT_EQ(career.sinceLastMatch, SinceLastMatch{});
    EXPECT_EQ(playMatch(career, MatchPerformance{10, 0, 0}).events, SinceLastMatch{});
}

SinceLastMatch levelChanges(std::vector<Level> levels) {
    SinceLastMatch events;
    events.levelChanges = std::move(levels);
    return events;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EventsSinceLastMatch,
    ::testing::Values(
        EventsCase{"Promotion",
                   {100, 100, 100},
                   Level::club,
                   [](Career& career) {
                       career.skills = {200, 200, 200};
                   },
                   [](Career& career) {
                       EXPECT_EQ(pressPlayWithoutMatch(career).notices.front().kind,
                                 PlayNotice::promoted);
                       return levelChanges({Level::city});
                   },
                   Level::city},
        // Starting skills that earn promotion anywhere climb a level at every
        // press of Play, then reach the World Cup.
        EventsCase{
            "PromotionsOneAfterAnotherAndTheWorldCup",
            {170, 170, 170},
            Level::club,
            {},
            [](Career& career) {
                for (int press = 0; press < 4; ++press) pressPlayWithoutMatch(career);
                SinceLastMatch events = levelChanges({Level::city, Level::state, Level::national});
                events.selectedForWorldCup = true;
                return events;
            },
            Level::national},
        EventsCase{"Drop",
                   {100, 100, 100},
                   Level::state,
                   [](Career& career) { career.gear.bat = -40; },
                   [](Career& career) {
                       EXPECT_EQ(pressPlayWithoutMatch(career).next, PlayNext::nothing);
                       return levelChanges({Level::city});
                   },
                   Level::city},
        // Dropped, and his starting batting earns the level back at once.
        EventsCase{"DropThenPromotion",
                   {200, 10, 20},
                   Level::national,
                   {},
                   [](Career& career) {
                       // Fielding decayed below the national threshold.
                       pressPlayWithoutMatch(career);
                       pressPlayWithoutMatch(career);
                       return levelChanges({Level::state, Level::national});
                   },
                   Level::national},
        EventsCase{"TheLastSponsorTaken",
                   {100, 100, 100},
                   Level::city,
                   {},
                   [](Career& career) {
                       takeSponsor(career, 0);
                       takeSponsor(career, 3);
                       SinceLastMatch events;
                       events.sponsorTaken = QStringLiteral("Cable & Wireless");
                       return events;
                   },
                   Level::city},
        EventsCase{"PurchasesSummedByCentre",
                   {100, 100, 100},
                   Level::state,
                   [](Career& career) {
                       career.gear = {40, 50, 60, 70};
                       career.body = {30, 40, 50};
                   },
                   [](Career& career) {
                       SinceLastMatch events;
                       events.trainingCost = buy(career, purchase_centres::training(), 1);
                       events.trainingCost += buy(career, purchase_centres::training(), 2);
                       events.gearCost = buy(career, purchase_centres::store(), 3);
                       events.gearCost += buy(career, purchase_centres::store(), 4);
                       events.healthCareCost = buy(career, purchase_centres::health(), 5);
                       EXPECT_GT(events.trainingCost, 0);
                       EXPECT_GT(events.gearCost, 0);
                       EXPECT_GT(events.healthCareCost, 0);
                       return events;
                   },
                   Level::state},
        EventsCase{"ThePurchaseThatCouldNotBePaidForCountsNothing",
                   {100, 100, 100},
                   Level::state,
                   [](Career& career) { career.gear.bat = 40; },
                   [](Career& career) {
                       career.bankBalance = 10;
                       Purchase purchase(purchase_centres::store(), career);
                       EXPECT_EQ(confirmPurchase(career, purchase), PurchaseOutcome::shortOfMoney);
                       return SinceLastMatch{};
                   },
                   Level::state},
        EventsCase{"TheBookiesMoney",
                   {100, 100, 100},
                   Level::national,
                   {},
                   [](Career& career) {
                       ScriptedRandom random;
                       random.draws = {drawFor(15, 30), drawFor(0, 3)};
                       EXPECT_EQ(selectForMatch(career, random).next, PlayNext::bookieOffer);
                       EXPECT_EQ(answerBookie(career, true, random).next, PlayNext::match);
                       SinceLastMatch events;
                       events.bookieMoney = 50000;
                       return events;
                   },
                   Level::national},
        EventsCase{"TheBookieTurnedDown",
                   {100, 100, 100},
                   Level::national,
                   {},
                   [](Career& career) {
                       ScriptedRandom random;
                       random.draws = {drawFor(15, 30)};
                       selectForMatch(career, random);
                       answerBookie(career, false, random);
                       return SinceLastMatch{};
                   },
                   Level::national},
        EventsCase{"AnOrdinaryPlay",
                   {100, 100, 100},
                   Level::city,
                   {},
                   [](Career& career) {
                       EXPECT_EQ(pressPlay(career).next, PlayNext::match);
                       return SinceLastMatch{};
                   },
                   Level::city}),
    [](const ::testing::TestParamInfo<EventsCase>& info) { return info.param.name; });

}  // namespace
