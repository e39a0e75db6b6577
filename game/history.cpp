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

HistoryRow takeHistoryRow(Career& career, const MatchPerformance& match, double award) {
    HistoryRow row;
    row.match = careerMatches(career);
    row.level = career.level;
    row.team = career.team;
    row.performance = match;
    row.award = static_cast<std::int32_t>(award);
    row.skills = career.skills;
    row.gear = career.gear;
    row.body = career.body;
    row.matchFee = career.matchFee;
    row.sponsorship = career.sponsorship;
    row.otherIncome = career.otherIncome;
    row.bankBalance = career.bankBalance;
    row.events = std::exchange(career.sinceLastMatch, SinceLastMatch{});
    return row;
}

bool holdsFiguresOf(const HistoryRow& row, const Career& career) {
    return row.level == career.level && row.team == career.team && row.skills == career.skills &&
           row.gear == career.gear && row.body == career.body && row.matchFee == career.matchFee &&
           row.sponsorship == career.sponsorship && row.otherIncome == career.otherIncome &&
           row.bankBalance == career.bankBalance;
}
