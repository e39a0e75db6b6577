// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

struct Career;
class RandomSource;

// One match: the player's runs, wickets and catches.
struct MatchPerformance {
    std::int16_t runs = 0;
    std::int16_t wickets = 0;
    std::int16_t catches = 0;

    bool operator==(const MatchPerformance&) const = default;
};

// Draws one match: runs from batting, wickets from bowling and catches from
// fielding, each from a draw of its own and scaled down by the overall gear
// and overall health. A match of more than 200 runs, 10 wickets or 10
// catches is drawn again as a whole.
MatchPerformance drawMatch(const Career& career, RandomSource& random);

// Applies a played match to the career: the statistics of the level, the
// skills with their decay and bonuses, the batting average, the pay-out of
// match fee, sponsorship and waiting award into the bank, and the wear of
// gear and body. Returns the performance award the match earns (0 for
// none), which waits in other income until the next match pays it in.
double applyMatch(Career& career, const MatchPerformance& match);
