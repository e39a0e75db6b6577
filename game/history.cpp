// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/history.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <utility>

std::int32_t careerMatches(const Career& career) {
    return std::accumulate(
        career.recordBook.begin(), career.recordBook.end(), std::int32_t{0},
        [](std::int32_t total, const LevelStatistics& level) { return total + level.matches; });
}

bool matchCountSaturated(const Career& career) {
    return std::any_of(career.recordBook.begin(), career.recordBook.end(),
                       [](const LevelStatistics& level) {
                           return level.matches == std::numeric_limits<std::int16_t>::max();
                       });
}

CareerFigures figuresOf(const Career& career) {
    return {career.level,    career.team,        career.skills,      career.gear,       career.body,
            career.matchFee, career.sponsorship, career.otherIncome, career.bankBalance};
}

HistoryRow takeHistoryRow(Career& career, const MatchPerformance& match, double award) {
    HistoryRow row;
    static_cast<CareerFigures&>(row) = figuresOf(career);
    row.match = careerMatches(career);
    row.performance = match;
    row.award = static_cast<std::int32_t>(award);
    row.events = std::exchange(career.sinceLastMatch, SinceLastMatch{});
    return row;
}

bool holdsFiguresOf(const HistoryRow& row, const Career& career) {
    return static_cast<const CareerFigures&>(row) == figuresOf(career);
}
