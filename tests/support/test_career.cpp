// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_career.h"

#include <gtest/gtest.h>

#include <type_traits>
#include <variant>

#include "game/start_career.h"
#include "support/scripted_random.h"

Career testCareer(int batting, int bowling, int fielding) {
    ScriptedRandom random;
    random.draws = {0.0};
    const Skills skills{static_cast<std::int16_t>(batting), static_cast<std::int16_t>(bowling),
                        static_cast<std::int16_t>(fielding)};
    return startCareer(PlayerDetails{QStringLiteral("Ravi"), QStringLiteral("Pune"),
                                     QStringLiteral("Goa"), QStringLiteral("India"), skills, false},
                       random);
}

HistoryRow playMatch(Career& career, const MatchPerformance& match) {
    const double award = applyMatch(career, match);
    return takeHistoryRow(career, match, award);
}

void playMatches(Career& career, CareerHistory& history,
                 const std::vector<MatchPerformance>& matches) {
    for (const MatchPerformance& match : matches) history.append(playMatch(career, match));
}

void placeAtLevel(Career& career, Level level) {
    career.level = level;
    career.team = teamAt(career, level);
    career.matchFee = arrivalFee(level);
}

namespace {

using Slot = std::variant<std::int16_t*, std::int32_t*, double*>;

Slot slot(Career& c, Figure figure) {
    LevelStatistics& s = c.statistics();
    switch (figure) {
        case Figure::batting:
            return &c.skills.batting;
        case Figure::bowling:
            return &c.skills.bowling;
        case Figure::fielding:
            return &c.skills.fielding;
        case Figure::bat:
            return &c.gear.bat;
        case Figure::gloves:
            return &c.gear.gloves;
        case Figure::pads:
            return &c.gear.pads;
        case Figure::others:
            return &c.gear.others;
        case Figure::fitness:
            return &c.body.fitness;
        case Figure::health:
            return &c.body.health;
        case Figure::stamina:
            return &c.body.stamina;
        case Figure::matchFee:
            return &c.matchFee;
        case Figure::sponsorship:
            return &c.sponsorship;
        case Figure::otherIncome:
            return &c.otherIncome;
        case Figure::bankBalance:
            return &c.bankBalance;
        case Figure::matches:
            return &s.matches;
        case Figure::runs:
            return &s.runs;
        case Figure::wickets:
            return &s.wickets;
        case Figure::catches:
            return &s.catches;
        case Figure::highestScore:
            return &s.highestScore;
        case Figure::fifties:
            return &s.fifties;
        case Figure::hundreds:
            return &s.hundreds;
        case Figure::mostWickets:
            return &s.mostWickets;
        case Figure::fiveWicketHauls:
            return &s.fiveWicketHauls;
    }
    return &c.bankBalance;
}

// In the order of Figure.
const char* const figureNames[] = {
    "batting",      "bowling",     "fielding", "bat",         "gloves",         "pads",
    "others",       "fitness",     "health",   "stamina",     "matchFee",       "sponsorship",
    "otherIncome",  "bankBalance", "matches",  "runs",        "wickets",        "catches",
    "highestScore", "fifties",     "hundreds", "mostWickets", "fiveWicketHauls"};

}  // namespace

double figureOf(const Career& career, Figure figure) {
    return std::visit([](const auto* value) { return static_cast<double>(*value); },
                      slot(const_cast<Career&>(career), figure));
}

void setFigures(Career& career, const Figures& values) {
    for (const FigureValue& v : values) {
        std::visit(
            [&v](auto* value) {
                *value = static_cast<std::remove_pointer_t<decltype(value)>>(v.value);
            },
            slot(career, v.figure));
    }
}

void expectFigures(const Career& career, const Figures& values) {
    for (const FigureValue& v : values) {
        EXPECT_EQ(figureOf(career, v.figure), v.value) << figureNames[static_cast<int>(v.figure)];
    }
}
