// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/career_story.h"

#include <gtest/gtest.h>

#include <vector>

#include "game/level_change.h"
#include "game/match.h"
#include "game/play.h"
#include "game/selection.h"
#include "support/qt_printers.h"
#include "support/scripted_random.h"
#include "support/test_career.h"

namespace {

// Plays the matches through the rules into the history, as a confirmed match
// does.
void play(Career& career, std::vector<HistoryRow>& rows,
          const std::vector<MatchPerformance>& matches) {
    for (const MatchPerformance& match : matches) {
        rows.push_back(playMatch(career, match));
    }
}

// A career of three stays: the club, the city after a promotion, the club
// again after a drop.
struct ThreeSpells {
    Career career = testCareer(45, 20, 30);
    std::vector<HistoryRow> rows;

    ThreeSpells() {
        career.drawnClub = QStringLiteral("Five Star");
        play(career, rows, {{60, 1, 0}, {10, 0, 1}, {120, 5, 2}});
        promote(career);
        play(career, rows, {{80, 0, 0}, {0, 6, 1}});
        dropOneLevel(career);
        play(career, rows, {{41, 1, 1}});
    }
};

TEST(CareerStory, SpellsAreTheStaysAtALevelAndAddUpToTheRecordBook) {
    const ThreeSpells story;
    const std::vector<Stay> stays = staysInOrder(story.rows);
    ASSERT_EQ(stays.size(), 3u);
    const struct {
        Level level;
        std::int32_t first, last, matches, runs, highest, fifties, hundreds, wickets, best, hauls;
    } expected[] = {
        {Level::club, 1, 3, 3, 190, 120, 1, 1, 6, 5, 1},
        {Level::city, 4, 5, 2, 80, 80, 1, 0, 6, 6, 1},
        {Level::club, 6, 6, 1, 41, 41, 0, 0, 1, 1, 0},
    };
    for (std::size_t i = 0; i < stays.size(); ++i) {
        SCOPED_TRACE(i);
        const Stay& s = stays[i];
        const auto& e = expected[i];
        EXPECT_EQ(s.level, e.level);
        EXPECT_EQ(s.firstMatch, e.first);
        EXPECT_EQ(s.lastMatch, e.last);
        EXPECT_EQ(s.figures.matches, e.matches);
        EXPECT_EQ(s.figures.runs, e.runs);
        EXPECT_EQ(s.figures.highestScore, e.highest);
        EXPECT_EQ(s.figures.fifties, e.fifties);
        EXPECT_EQ(s.figures.hundreds, e.hundreds);
        EXPECT_EQ(s.figures.wickets, e.wickets);
        EXPECT_EQ(s.figures.mostWickets, e.best);
        EXPECT_EQ(s.figures.fiveWicketHauls, e.hauls);
    }
    EXPECT_EQ(stays[1].team, story.career.teams.city);

    // The stays of a level together are the record book's column of it.
    for (const Level level : allLevels) {
        StayFigures atLevel;
        for (const Stay& stay : stays) {
            if (stay.level == level) atLevel.add(stay.figures);
        }
        const LevelStatistics& book = story.career.recordBook[levelIndex(level)];
        EXPECT_EQ(atLevel.matches, book.matches);
        EXPECT_EQ(atLevel.runs, book.runs);
        EXPECT_EQ(atLevel.wickets, book.wickets);
        EXPECT_EQ(atLevel.catches, book.catches);
        EXPECT_EQ(atLevel.fifties, book.fifties);
        EXPECT_EQ(atLevel.hundreds, book.hundreds);
        EXPECT_EQ(atLevel.highestScore, book.highestScore);
        EXPECT_EQ(atLevel.fiveWicketHauls, book.fiveWicketHauls);
    }
    const StayFigures total = careerTotal(stays);
    EXPECT_EQ(total.matches, 6);
    EXPECT_EQ(total.runs, 311);
    EXPECT_DOUBLE_EQ(total.battingAverage(), 311 / 6.0);
    EXPECT_DOUBLE_EQ(StayFigures{}.battingAverage(), 0);
}

TEST(CareerStory, LevelMovesAreTakenFromTheLevelBefore) {
    const ThreeSpells story;
    EXPECT_EQ(levelBefore(story.rows, 0), Level::club);
    EXPECT_EQ(levelBefore(story.rows, 3), Level::club);
    const std::vector<LevelMove> promoted = levelMoves(story.rows, 3);
    ASSERT_EQ(promoted.size(), 1u);
    EXPECT_EQ(promoted[0].direction, LevelMove::promotion);
    const std::vector<LevelMove> dropped = levelMoves(story.rows, 5);
    ASSERT_EQ(dropped.size(), 1u);
    EXPECT_EQ(dropped[0].direction, LevelMove::drop);

    // A history kept from a later match does not know where it started.
    const std::vector<HistoryRow> later(story.rows.begin() + 4, story.rows.end());
    EXPECT_EQ(levelBefore(later, 0), std::nullopt);
}

TEST(CareerStory, MilestonesAreToldAtTheirMatchOnce) {
    const ThreeSpells story;
    const std::vector<Milestone> told = MilestoneLog(story.career, story.rows).milestones();
    const std::vector<Milestone> expected{
        {Milestone::firstFifty, 1, 60, Level::club, {}},
        {Milestone::firstHundred, 3, 120, Level::club, {}},
        {Milestone::firstFiveWickets, 3, 5, Level::club, {}},
        {Milestone::promotion, 4, 0, Level::city, story.career.teams.city},
        {Milestone::drop, 6, 0, Level::club, QStringLiteral("Five Star")},
    };
    EXPECT_EQ(told, expected);
}

TEST(CareerStory, CareerRunsAndWicketsAreToldAtEveryRoundFigure) {
    Career career = testCareer(45, 20, 30);
    std::vector<HistoryRow> rows;
    // 150 runs and 10 wickets a match: 1,000 runs in match 7, 2,000 in 14;
    // 100 wickets in match 10.
    for (int i = 0; i < 14; ++i) play(career, rows, {{150, 10, 0}});
    const std::vector<Milestone> told = MilestoneLog(career, rows).milestones();
    std::vector<std::pair<std::int32_t, std::int64_t>> runs;
    std::vector<std::pair<std::int32_t, std::int64_t>> wickets;
    for (const Milestone& m : told) {
        if (m.kind == Milestone::careerRuns) runs.emplace_back(m.match, m.amount);
        if (m.kind == Milestone::careerWickets) wickets.emplace_back(m.match, m.amount);
    }
    EXPECT_EQ(runs, (std::vector<std::pair<std::int32_t, std::int64_t>>{{7, 1000}, {14, 2000}}));
    EXPECT_EQ(wickets, (std::vector<std::pair<std::int32_t, std::int64_t>>{{10, 100}}));

    // Kept from match 8 on, the history goes on from the runs made before it
    // and claims no first hundred the record book had already counted.
    const std::vector<HistoryRow> later(rows.begin() + 7, rows.end());
    const std::vector<Milestone> laterTold = MilestoneLog(career, later).milestones();
    ASSERT_FALSE(laterTold.empty());
    for (const Milestone& m : laterTold) {
        EXPECT_NE(m.kind, Milestone::firstHundred);
        EXPECT_NE(m.kind, Milestone::firstFifty);
        if (m.kind == Milestone::careerRuns) {
            EXPECT_EQ(m.amount, 2000);
        }
    }
}

// A promotion and a drop between two matches visit a level without a match
// there: the stay they interrupt goes on as one row, the moves are told as
// milestones, and the drop's milestone says why. The levels' stays add up
// to the record book.
TEST(CareerStory, AVisitWithoutAMatchFoldsIntoTheStayAndTheDropSaysWhy) {
    Career career = testCareer(45, 20, 30);
    career.drawnClub = QStringLiteral("Five Star");
    std::vector<HistoryRow> rows;
    play(career, rows, {{60, 1, 0}, {10, 0, 1}});
    for (int visit = 0; visit < 2; ++visit) {
        // Promoted, then at once dropped with no gloves left.
        promote(career);
        career.gear.gloves = -4;
        ScriptedRandom random;
        ASSERT_EQ(selectForMatch(career, random).next, PlayNext::nothing);
        play(career, rows, {{30, 2, 1}});
    }
    promote(career);
    play(career, rows, {{120, 5, 0}, {0, 0, 0}});

    const std::vector<Stay> stays = staysInOrder(rows);
    ASSERT_EQ(stays.size(), 2u);
    EXPECT_EQ(stays[0].level, Level::club);
    EXPECT_EQ(stays[0].firstMatch, 1);
    EXPECT_EQ(stays[0].lastMatch, 4);
    EXPECT_EQ(stays[0].figures.matches, 4);
    EXPECT_EQ(stays[1].level, Level::city);
    EXPECT_EQ(stays[1].figures.matches, 2);

    const std::vector<LevelStays> byLevel = staysByLevel(stays);
    ASSERT_EQ(byLevel.size(), 2u);
    for (const LevelStays& stays : byLevel) {
        const LevelStatistics& book = career.recordBook[levelIndex(stays.level)];
        EXPECT_EQ(stays.figures.matches, book.matches);
        EXPECT_EQ(stays.figures.runs, book.runs);
        EXPECT_EQ(stays.figures.wickets, book.wickets);
        EXPECT_EQ(stays.figures.highestScore, book.highestScore);
        EXPECT_EQ(stays.figures.hundreds, book.hundreds);
    }
    EXPECT_EQ(byLevel[1].stays, std::vector<std::size_t>{1});

    const MilestoneLog log(career, rows);
    const std::vector<std::size_t>& drops = log.ofKind(Milestone::drop);
    ASSERT_EQ(drops.size(), 2u);
    for (const std::size_t at : drops) {
        EXPECT_EQ(log.milestones()[at].why, (Shortfall{Shortfall::gloves, -4, leastToPlay}));
    }
    EXPECT_EQ(log.ofKind(Milestone::promotion).size(), 3u);
    EXPECT_EQ(topicOf(Milestone::drop), MilestoneTopic::levelChanges);
    EXPECT_EQ(topicOf(Milestone::careerRuns), MilestoneTopic::runsAndWickets);
    EXPECT_EQ(topicOf(Milestone::sponsor), MilestoneTopic::sponsors);
    EXPECT_EQ(topicOf(Milestone::bookieMoney), MilestoneTopic::bookie);

    // A history read from a file that did not keep the reasons tells the
    // drops without them rather than pinning a reason on the wrong one.
    std::vector<HistoryRow> withoutReasons = rows;
    for (HistoryRow& row : withoutReasons) row.events.dropReasons.clear();
    const MilestoneLog toldWithoutReasons(career, withoutReasons);
    for (const Milestone& m : toldWithoutReasons.milestones()) EXPECT_EQ(m.why, std::nullopt);
}

// Told a match at a time, the milestones are those of the whole history
// told at once, and each kind's list points at its own.
TEST(CareerStory, MilestonesToldAsMatchesComeInAreThoseOfTheWholeHistory) {
    Career career = testCareer(45, 20, 30);
    std::vector<HistoryRow> rows;
    MilestoneLog log(career, rows);
    std::size_t added = 0;
    for (int i = 0; i < 30; ++i) {
        if (i % 3 == 0) career.sinceLastMatch.sponsorTaken = QStringLiteral("Wills");
        if (i == 10) promote(career);
        const MatchPerformance match{static_cast<std::int16_t>(i % 4 == 0 ? 110 : 40),
                                     static_cast<std::int16_t>(i % 5 == 0 ? 6 : 1), 0};
        play(career, rows, {match});
        added += log.catchUp(career, rows);
        EXPECT_EQ(log.rowsRead(), rows.size());
    }
    const std::vector<Milestone> whole = MilestoneLog(career, rows).milestones();
    EXPECT_EQ(log.milestones(), whole);
    EXPECT_EQ(added, whole.size());
    EXPECT_EQ(log.catchUp(career, rows), 0u);
    std::size_t kinds = 0;
    for (int kind = 0; kind < Milestone::kindCount; ++kind) {
        for (const std::size_t at : log.ofKind(static_cast<Milestone::Kind>(kind))) {
            EXPECT_EQ(log.milestones()[at].kind, kind);
            ++kinds;
        }
    }
    EXPECT_EQ(kinds, whole.size());
    EXPECT_EQ(log.ofKind(Milestone::sponsor).size(), 10u);
}

}  // namespace
