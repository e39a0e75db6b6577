#pragma once

#include "match/match_context.h"

class RandomSource;

// Draws one match: runs from batting, wickets from bowling and catches from
// fielding, each from a draw of its own and scaled down by the overall
// accessories and overall health. A match of more than 200 runs, 10 wickets
// or 10 catches is drawn again as a whole.
MatchPerformance RandomGen(const MatchContext& context, RandomSource& random);
