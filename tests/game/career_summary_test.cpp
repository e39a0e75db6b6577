// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/career_summary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "game/level_change.h"
#include "game/match.h"
#include "game/ratings.h"
#include "support/qt_printers.h"
#include "support/test_career.h"

namespace {

// The club, the city after a promotion, the club again after a drop.
struct ThreeStays {
    Career career = testCareer(45, 20, 30);
    CareerHistory history;

    ThreeStays() {
        career.drawnClub = QStringLiteral("Five Star");
        playMatches(career, history, {{60, 1, 0}, {10, 0, 1}, {120, 5, 2}});
        promote(career);
        playMatches(career, history, {{80, 0, 0}, {0, 6, 1}});
        dropOneLevel(career);
        playMatches(career, history, {{41, 1, 1}});
    }
};

TEST(CareerSummary, TotalsAndHighsAreTheRecordBooksAndStaysComeFromTheHistory) {
    const ThreeStays story;
    const CareerSummary s = summarise(story.career, story.history);

    // The totals are the record book's, summed over its levels.
    std::int64_t runs = 0, wickets = 0, catches = 0, fifties = 0, hundreds = 0, hauls = 0;
    int matches = 0, highest = 0, best = 0;
    for (const LevelStatistics& level : story.career.recordBook) {
        matches += level.matches;
        runs += level.runs;
        wickets += level.wickets;
        catches += level.catches;
        fifties += level.fifties;
        hundreds += level.hundreds;
        hauls += level.fiveWicketHauls;
        highest = std::max(highest, level.highestScore);
        best = std::max(best, level.mostWickets);
    }
    EXPECT_EQ(s.matches, matches);
    EXPECT_EQ(s.matches, 6);
    EXPECT_EQ(s.runs, runs);
    EXPECT_EQ(s.runs, 311);
    EXPECT_EQ(s.wickets, wickets);
    EXPECT_EQ(s.catches, catches);
    EXPECT_EQ(s.fifties, fifties);
    EXPECT_EQ(s.hundreds, hundreds);
    EXPECT_EQ(s.fiveWicketHauls, hauls);
    EXPECT_EQ(s.highestScore, highest);
    EXPECT_EQ(s.highestScore, 120);
    EXPECT_EQ(s.bestBowling, best);
    EXPECT_EQ(s.bestBowling, 6);
    EXPECT_EQ(s.levels, story.career.recordBook);

    EXPECT_TRUE(s.levelsReached[levelIndex(Level::club)]);
    EXPECT_TRUE(s.levelsReached[levelIndex(Level::city)]);
    EXPECT_FALSE(s.levelsReached[levelIndex(Level::state)]);
    EXPECT_EQ(s.highestLevel, Level::city);

    ASSERT_TRUE(s.mostRunsStay && s.bestStay && s.longestStay);
    EXPECT_EQ(s.mostRunsStay->figures.runs, 190);
    EXPECT_EQ(s.longestStay->firstMatch, 1);
    // No stay is long enough to count on its own, so the best of all of them.
    EXPECT_EQ(s.bestStay->firstMatch, 1);

    // The two club stays are one team's; the city's another.
    ASSERT_EQ(s.teams.size(), 2u);
    EXPECT_EQ(s.teams[0].level, Level::club);
    EXPECT_EQ(s.teams[0].figures.matches, 4);
    EXPECT_EQ(s.teams[0].figures.runs, 231);
    EXPECT_EQ(s.teams[1].level, Level::city);
    EXPECT_EQ(s.teams[1].figures.matches, 2);

    double earned = 0;
    int peak = overallSkill(story.career.skills);
    for (const HistoryRow& row : story.history.rows()) {
        earned += std::floor(row.matchFee) + std::floor(row.sponsorship) + row.award;
        peak = std::max(peak, overallSkill(row.skills));
    }
    EXPECT_EQ(s.moneyEarned, earned);
    EXPECT_GT(s.moneyEarned, 0);
    EXPECT_EQ(s.peakOverallSkill, peak);
    EXPECT_EQ(s.bankBalance, story.career.bankBalance);
    EXPECT_EQ(s.historyKeptFrom, 1);
}

TEST(CareerSummary, AHistoryKeptFromALaterMatchLeavesTheTotalsWholeAndSaysWhereItBegins) {
    const ThreeStays story;
    // The history of the last two matches alone, as a career loaded with a
    // history file begun late would have.
    const std::vector<HistoryRow> last(story.history.rows().end() - 2, story.history.rows().end());
    const CareerSummary s = summarise(story.career, CareerHistory(last, 5));
    EXPECT_EQ(s.matches, 6);
    EXPECT_EQ(s.runs, 311);
    EXPECT_EQ(s.highestScore, 120);
    EXPECT_EQ(s.historyKeptFrom, 5);
    // The club's record book still tells he played there before the history.
    EXPECT_TRUE(s.levelsReached[levelIndex(Level::club)]);
    ASSERT_TRUE(s.mostRunsStay);
    EXPECT_EQ(s.mostRunsStay->figures.runs, 41);
}

// A high leads to the first match of the history that made it; one made
// before the history was kept, or a high of nothing, leads nowhere.
TEST(CareerSummary, EachHighKnowsTheMatchThatMadeIt) {
    const ThreeStays story;
    const CareerSummary whole = summarise(story.career, story.history);
    EXPECT_EQ(whole.highestScoreMatch, 3);  // 120 runs
    EXPECT_EQ(whole.bestBowlingMatch, 5);   // 6 wickets, after the promotion

    const std::vector<HistoryRow> last(story.history.rows().end() - 2, story.history.rows().end());
    const CareerSummary late = summarise(story.career, CareerHistory(last, 5));
    EXPECT_EQ(late.highestScoreMatch, 0);
    EXPECT_EQ(late.bestBowlingMatch, 5);

    // Equal highs: the earlier match made it first. No wicket: no best bowling.
    Career career = testCareer(45, 20, 30);
    CareerHistory history;
    playMatches(career, history, {{30, 0, 0}, {75, 0, 1}, {12, 0, 0}, {75, 0, 0}});
    const CareerSummary even = summarise(career, history);
    EXPECT_EQ(even.highestScore, 75);
    EXPECT_EQ(even.highestScoreMatch, 2);
    EXPECT_EQ(even.bestBowling, 0);
    EXPECT_EQ(even.bestBowlingMatch, 0);
}

TEST(CareerSummary, TheBestStayIsOneOfFiveMatchesWhenThereIsOne) {
    Career career = testCareer(45, 20, 30);
    CareerHistory history;
    // Two matches of 90 at the club, then five of 30 in the city.
    playMatches(career, history, {{90, 0, 0}, {90, 0, 0}});
    promote(career);
    playMatches(career, history, {{30, 0, 0}, {30, 0, 0}, {30, 0, 0}, {30, 0, 0}, {30, 0, 0}});
    const CareerSummary s = summarise(career, history);
    ASSERT_TRUE(s.bestStay && s.mostRunsStay && s.longestStay);
    EXPECT_EQ(s.bestStay->level, Level::city);
    EXPECT_EQ(s.mostRunsStay->level, Level::club);
    EXPECT_EQ(s.longestStay->level, Level::city);
}

TEST(CareerSummary, TheEndingFollowsTheNoticesOfThePressThatEndedIt) {
    EXPECT_EQ(careerEndingOf({{{PlayNotice::dropped, {}}}, PlayNext::nothing}),
              CareerEnding::goingOn);
    EXPECT_EQ(careerEndingOf(
                  {{{PlayNotice::unfit, {}}, {PlayNotice::dropped, {}}}, PlayNext::careerOver}),
              CareerEnding::dropped);
    EXPECT_EQ(careerEndingOf({{{PlayNotice::caughtByTheEnquiry, {}}}, PlayNext::careerOver}),
              CareerEnding::caughtByTheEnquiry);
}

TEST(CareerSummary, ACareerWithoutMatchesStandsAtItsLevelWithNoStays) {
    Career career = testCareer(45, 20, 30);
    placeAtLevel(career, Level::state);
    const CareerSummary s = summarise(career, CareerHistory({}, 1));
    EXPECT_EQ(s.highestLevel, Level::state);
    EXPECT_EQ(s.matches, 0);
    EXPECT_FALSE(s.mostRunsStay || s.bestStay || s.longestStay);
    EXPECT_TRUE(s.teams.empty());
}

}  // namespace
