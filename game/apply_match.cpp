// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <cmath>

#include "game/career.h"
#include "game/match.h"
#include "game/match_record.h"
#include "game/money.h"
#include "game/saturating.h"

namespace {

// The higher the level, the faster an idle skill decays and the smaller the
// bonus for a good match.
struct LevelFactors {
    int skillDecay;
    int skillBonus;
    double performanceAward;
};

constexpr std::array<LevelFactors, levelCount> factors{
    {{1, 5, 1500}, {2, 3, 3000}, {3, 2, 5500}, {5, 1, 8000}}};

constexpr int skillCap = 200;
constexpr int idleFloor = 4;

// Batting counts as used from 20 runs on, and then rises a point for every 5
// runs; bowling and fielding rise 5 points a wicket and a catch.
constexpr int runsThatTrainBatting = 20;
constexpr int runsPerBattingPoint = 5;
constexpr int pointsPerWicket = 5;
constexpr int pointsPerCatch = 5;

// Three wickets or catches are a good match, five an outstanding one.
constexpr int goodWicketsOrCatches = 3;
constexpr int outstandingWicketsOrCatches = 5;

// A skill used in the match rises by its gain up to the cap; an idle one
// decays unless it is already 4 or less.
std::int16_t trained(std::int16_t skill, bool used, int gain, int decay) {
    if (used) {
        const std::int16_t raised = saturate16(skill + gain);
        return raised >= skillCap ? skillCap : raised;
    }
    return skill > idleFloor ? saturate16(skill - decay) : skill;
}

// A bonus that would pass the cap is not given at all.
std::int16_t withBonus(std::int16_t skill, int bonuses, int skillBonus) {
    const int raised = skill + bonuses * skillBonus;
    return raised <= skillCap ? static_cast<std::int16_t>(raised) : skill;
}

// Two bonuses for an outstanding figure, one for a good one.
int bonusesFor(int figure, int good, int outstanding) {
    if (figure >= outstanding) return 2;
    return figure >= good ? 1 : 0;
}

void train(Skills& skills, int r, int w, int c, const LevelFactors& level) {
    skills.batting = trained(skills.batting, r >= runsThatTrainBatting, r / runsPerBattingPoint,
                             level.skillDecay);
    skills.bowling = trained(skills.bowling, w >= 1, pointsPerWicket * w, level.skillDecay);
    skills.fielding = trained(skills.fielding, c >= 1, pointsPerCatch * c, level.skillDecay);
    skills.batting =
        withBonus(skills.batting, bonusesFor(r, fiftyRuns, hundredRuns), level.skillBonus);
    skills.bowling =
        withBonus(skills.bowling, bonusesFor(w, goodWicketsOrCatches, outstandingWicketsOrCatches),
                  level.skillBonus);
    skills.fielding =
        withBonus(skills.fielding, bonusesFor(c, goodWicketsOrCatches, outstandingWicketsOrCatches),
                  level.skillBonus);
}

// Each amount lies within the money limit, so the sum is exact before it is
// held to the limit.
void payOut(Career& career) {
    career.bankBalance =
        saturateMoney(std::floor(career.sponsorship) + std::floor(career.matchFee) +
                      std::floor(career.otherIncome) + std::floor(career.bankBalance));
    career.otherIncome = 0;
}

void wear(std::int16_t& condition, double amount) {
    condition = saturate16(condition - std::floor(amount));
}

void wearDown(Gear& gear, Body& body, int r, int w, int c) {
    wear(gear.bat, r / 6.0);
    wear(gear.gloves, r / 4.0);
    wear(gear.pads, r / 8.0);
    wear(gear.others, r / 16.0 + w / 8.0 + c / 4.0);
    wear(body.fitness, r / 20.0 + w / 2.0 + c / 2.0);
    wear(body.health, r / 30.0 + w / 3.0 + c / 3.0);
    wear(body.stamina, r / 10.0 + w + c);
}

}  // namespace

double applyMatch(Career& career, const MatchPerformance& match) {
    const LevelFactors& level = factors[levelIndex(career.level)];
    const int r = match.runs;
    const int w = match.wickets;
    const int c = match.catches;

    LevelStatistics& statistics = career.statistics();
    recordMatch(statistics, r, w, c);
    train(career.skills, r, w, c, level);
    statistics.battingAverage = BattingAverage::of(
        statistics.matches == 0
            ? 0.0f
            : static_cast<float>(static_cast<double>(statistics.runs) / statistics.matches));
    payOut(career);
    wearDown(career.gear, career.body, r, w, c);

    if (r >= hundredRuns || w >= fiveWickets) {
        career.otherIncome = level.performanceAward;
        return level.performanceAward;
    }
    return 0;
}
