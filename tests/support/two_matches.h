// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "game/career.h"
#include "game/history.h"
#include "game/match.h"

// A history row of the match, level, side, performance and skills given, its
// other figures left at their start.
HistoryRow row(std::int32_t match, Level level, const char* team, MatchPerformance performance,
               Skills skills);

// Ravi after two matches: one at his club, then, promoted, one for Pune.
struct TwoMatches {
    Career career;
    std::vector<HistoryRow> rows;

    TwoMatches();
    CareerHistory history() const { return CareerHistory(rows); }
};
