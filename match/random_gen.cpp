#include "match/random_gen.h"

#include <algorithm>
#include <cmath>

#include "core/numbers.h"
#include "ui/random_source.h"

namespace {

constexpr int mostRuns = 200;
constexpr int mostWickets = 10;
constexpr int mostCatches = 10;

// With skills, gear and health in the game's ranges a match is accepted at
// least nine times in ten. Only figures far outside them (a save file edited
// by hand) could reject every draw; after this many the last draw is kept
// within the limits instead of hanging the game.
constexpr int mostDraws = 1000;

double rawDraw(RandomSource& random, int skill) {
    return std::floor(random.draw() * skill);
}

MatchPerformance drawOnce(const MatchContext& context, RandomSource& random) {
    const double a = context.overallAccessories;
    const double h = context.overallHealth;
    MatchPerformance match;
    const double batting = rawDraw(random, context.batting);
    match.runs = numbers::saturate16(std::floor((a / 100) * batting * (h / 100)));
    const double bowling = rawDraw(random, context.bowling);
    match.wickets = numbers::saturate16(std::floor((a / 35) * (bowling / 50) * (h / 100)));
    const double fielding = rawDraw(random, context.fielding);
    match.catches = numbers::saturate16(std::floor((a / 25) * (fielding / 100) * (h / 100)));
    return match;
}

bool acceptable(const MatchPerformance& match) {
    return match.runs <= mostRuns && match.wickets <= mostWickets && match.catches <= mostCatches;
}

}  // namespace

MatchPerformance RandomGen(const MatchContext& context, RandomSource& random) {
    MatchPerformance match = drawOnce(context, random);
    for (int draws = 1; !acceptable(match); ++draws) {
        if (draws == mostDraws) {
            match.runs = std::min(match.runs, mostRuns);
            match.wickets = std::min(match.wickets, mostWickets);
            match.catches = std::min(match.catches, mostCatches);
            break;
        }
        match = drawOnce(context, random);
    }
    return match;
}
