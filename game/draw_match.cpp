// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cmath>

#include "game/career.h"
#include "game/match.h"
#include "game/random_source.h"
#include "game/ratings.h"
#include "game/saturating.h"

namespace {

constexpr int mostRuns = 200;
constexpr int mostWickets = 10;
constexpr int mostCatches = 10;

// How the draws become figures at full gear and health (both 100): a run for
// every point of the batting draw, a wicket for every 17.5 points of the
// bowling draw (35 × 50 / 100) and a catch for every 25 points of the
// fielding draw.
constexpr double wicketGearScale = 35;
constexpr double wicketBowlingScale = 50;
constexpr double catchGearScale = 25;

// With skills, gear and health in the game's ranges a match is accepted at
// least nine times in ten. Only figures far outside them (a save file edited
// by hand) could reject every draw; after this many the last draw is kept
// within the limits instead of hanging the game.
constexpr int mostDraws = 1000;

double rawDraw(RandomSource& random, int skill) {
    return std::floor(random.draw() * skill);
}

MatchPerformance drawOnce(const Skills& skills, double gear, double health, RandomSource& random) {
    MatchPerformance match;
    const double batting = rawDraw(random, skills.batting);
    match.runs = saturate16(std::floor((gear / 100) * batting * (health / 100)));
    const double bowling = rawDraw(random, skills.bowling);
    match.wickets = saturate16(
        std::floor((gear / wicketGearScale) * (bowling / wicketBowlingScale) * (health / 100)));
    const double fielding = rawDraw(random, skills.fielding);
    match.catches =
        saturate16(std::floor((gear / catchGearScale) * (fielding / 100) * (health / 100)));
    return match;
}

bool acceptable(const MatchPerformance& match) {
    return match.runs <= mostRuns && match.wickets <= mostWickets && match.catches <= mostCatches;
}

}  // namespace

MatchPerformance drawMatch(const Career& career, RandomSource& random) {
    const double gear = overallGear(career.gear);
    const double health = overallHealth(career.body);
    MatchPerformance match = drawOnce(career.skills, gear, health, random);
    for (int draws = 1; !acceptable(match); ++draws) {
        if (draws == mostDraws) {
            match.runs = std::min<std::int16_t>(match.runs, mostRuns);
            match.wickets = std::min<std::int16_t>(match.wickets, mostWickets);
            match.catches = std::min<std::int16_t>(match.catches, mostCatches);
            break;
        }
        match = drawOnce(career.skills, gear, health, random);
    }
    return match;
}
