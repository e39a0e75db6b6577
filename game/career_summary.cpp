// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/career_summary.h"

#include <algorithm>

#include "game/ratings.h"

CareerEnding careerEndingOf(const PlayOutcome& outcome) {
    if (outcome.next != PlayNext::careerOver) return CareerEnding::goingOn;
    const bool caught = std::any_of(
        outcome.notices.begin(), outcome.notices.end(),
        [](const Notice& notice) { return notice.kind == PlayNotice::caughtByTheEnquiry; });
    return caught ? CareerEnding::caughtByTheEnquiry : CareerEnding::dropped;
}

namespace {

void addRecordBook(CareerSummary& summary, const Career& career) {
    summary.levels = career.recordBook;
    summary.matches = careerMatches(career);
    for (const Level level : allLevels) {
        const LevelStatistics& s = career.recordBook[levelIndex(level)];
        if (s.matches > 0) summary.levelsReached[levelIndex(level)] = true;
        summary.runs += s.runs;
        summary.wickets += s.wickets;
        summary.catches += s.catches;
        summary.highestScore = std::max(summary.highestScore, s.highestScore);
        summary.bestBowling = std::max(summary.bestBowling, s.mostWickets);
        summary.fifties += s.fifties;
        summary.hundreds += s.hundreds;
        summary.fiveWicketHauls += s.fiveWicketHauls;
    }
}

// The first match of the history in which the figure reached the high.
template <class Figure>
std::int32_t matchOfHigh(const std::vector<HistoryRow>& rows, std::int32_t high, Figure figure) {
    if (high <= 0) return 0;
    const auto made = std::find_if(rows.begin(), rows.end(),
                                   [&](const HistoryRow& row) { return figure(row) == high; });
    return made == rows.end() ? 0 : made->match;
}

void addMatchesOfHighs(CareerSummary& summary, const std::vector<HistoryRow>& rows) {
    summary.highestScoreMatch = matchOfHigh(rows, summary.highestScore, [](const HistoryRow& row) {
        return std::int32_t{row.performance.runs};
    });
    summary.bestBowlingMatch = matchOfHigh(rows, summary.bestBowling, [](const HistoryRow& row) {
        return std::int32_t{row.performance.wickets};
    });
}

void addStays(CareerSummary& summary, const std::vector<Stay>& stays) {
    const auto runsPerMatch = [](const Stay& stay) { return stay.figures.battingAverage(); };
    const bool anyLongEnough = std::any_of(stays.begin(), stays.end(), [](const Stay& stay) {
        return stay.figures.matches >= bestStayMatches;
    });
    for (const Stay& stay : stays) {
        // The earliest stay wins a tie: it got there first.
        if (!summary.mostRunsStay || stay.figures.runs > summary.mostRunsStay->figures.runs)
            summary.mostRunsStay = stay;
        if (!summary.longestStay || stay.figures.matches > summary.longestStay->figures.matches)
            summary.longestStay = stay;
        if (anyLongEnough && stay.figures.matches < bestStayMatches) continue;
        if (!summary.bestStay || runsPerMatch(stay) > runsPerMatch(*summary.bestStay))
            summary.bestStay = stay;
    }
}

void addTeams(CareerSummary& summary, const std::vector<Stay>& stays) {
    for (const Stay& stay : stays) {
        const auto same = [&stay](const TeamFigures& t) {
            return t.level == stay.level && t.team == stay.team;
        };
        auto found = std::find_if(summary.teams.begin(), summary.teams.end(), same);
        if (found == summary.teams.end()) {
            summary.teams.push_back({stay.level, stay.team, {}});
            found = std::prev(summary.teams.end());
        }
        found->figures.add(stay.figures);
    }
}

}  // namespace

CareerSummary summarise(const Career& career, const CareerHistory& history, CareerEnding ending) {
    CareerSummary summary;
    summary.player = career.player;
    summary.ending = ending;
    summary.bankBalance = career.bankBalance;
    summary.historyKeptFrom = history.keptFrom();
    addRecordBook(summary, career);

    const std::vector<HistoryRow>& rows = history.rows();
    summary.levelsReached[levelIndex(career.level)] = true;
    summary.peakOverallSkill = overallSkill(career.skills);
    for (const HistoryRow& row : rows) {
        summary.levelsReached[levelIndex(row.level)] = true;
        for (const Level moved : row.events.levelChanges)
            summary.levelsReached[levelIndex(moved)] = true;
        summary.peakOverallSkill = std::max(summary.peakOverallSkill, overallSkill(row.skills));
    }
    for (const Level level : allLevels) {
        if (summary.levelsReached[levelIndex(level)]) summary.highestLevel = level;
    }

    addMatchesOfHighs(summary, rows);

    const std::vector<Stay> stays = staysInOrder(rows);
    addStays(summary, stays);
    addTeams(summary, stays);
    summary.moneyEarned = careerTotal(stays).moneyEarned;
    return summary;
}
