// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "game/career.h"
#include "game/play_messages.h"
#include "game/selection.h"
#include "support/qt_printers.h"
#include "support/test_career.h"

namespace {

struct Shortfallen {
    const char* name;
    Level level;
    Skills skills;
    Figures figures;
    std::vector<DropWarning> warnings;
    const char* firstText;
};

void PrintTo(const Shortfallen& c, std::ostream* out) {
    *out << c.name;
}

class ADropWarning : public ::testing::TestWithParam<Shortfallen> {};

using enum Figure;

// Each kind of shortfall at its edge: the skills the next check fails on
// below the level's threshold, not at it; gear and the body at the warning
// of one match from worn out, not above it, and at worn out itself.
TEST_P(ADropWarning, MarksWhatTheNextSelectionFailsOnOrComesClose) {
    const Shortfallen& c = GetParam();
    Career career = testCareer(c.skills.batting, c.skills.bowling, c.skills.fielding);
    placeAtLevel(career, c.level);
    setFigures(career, c.figures);
    const std::vector<DropWarning> warnings = dropWarnings(career);
    EXPECT_EQ(warnings, c.warnings);
    if (!warnings.empty()) {
        EXPECT_EQ(dropWarningText(warnings.front()), c.firstText);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EachShortfall, ADropWarning,
    ::testing::Values(
        Shortfallen{"none", Level::city, {40, 40, 40}, {}, {}, ""},
        Shortfallen{"overall at the threshold", Level::national, {25, 25, 25}, {}, {}, ""},
        Shortfallen{"overall below",
                    Level::national,
                    {24, 25, 25},
                    {},
                    {{Shortfall::overallSkill, 24, 25, true}},
                    "Overall skill 24: below 25 you will not be selected."},
        Shortfallen{"fielding below",
                    Level::state,
                    {60, 60, 14},
                    {},
                    {{Shortfall::fielding, 14, 15, true}},
                    "Fielding 14: below 15 you will not be selected."},
        Shortfallen{"stamina above the warning", Level::city, {40, 40, 40}, {{stamina, 3}}, {}, ""},
        Shortfallen{"stamina at the warning",
                    Level::city,
                    {40, 40, 40},
                    {{stamina, 2}},
                    {{Shortfall::stamina, 2, 0, false}},
                    "Stamina 2: at 0 you will not be selected."},
        Shortfallen{"a worn-out bat and tired gloves",
                    Level::club,
                    {40, 40, 40},
                    {{bat, 0}, {gloves, 1}},
                    {{Shortfall::bat, 0, 0, true}, {Shortfall::gloves, 1, 0, false}},
                    "Bat 0: at 0 you will not be selected."},
        Shortfallen{"pads and others",
                    Level::club,
                    {40, 40, 40},
                    {{pads, 2}, {others, -3}},
                    {{Shortfall::pads, 2, 0, false}, {Shortfall::others, -3, 0, true}},
                    "Pads 2: at 0 you will not be selected."},
        Shortfallen{"fitness and health",
                    Level::club,
                    {40, 40, 40},
                    {{fitness, 1}, {health, 0}},
                    {{Shortfall::fitness, 1, 0, false}, {Shortfall::health, 0, 0, true}},
                    "Fitness 1: at 0 you will not be selected."},
        Shortfallen{
            "promotion is not checked", Level::city, {200, 40, 5}, {{stamina, 0}}, {}, ""}));

// Whatever the next press of Play drops the player for is marked as failing
// now, and nothing marked so lets him play.
TEST(DropWarning, FailsNowExactlyWhenTheSelectionRejects) {
    for (const Level level : {Level::club, Level::city, Level::state, Level::national}) {
        for (int fielding = 0; fielding <= 30; fielding += 3) {
            for (int stamina = -1; stamina <= 3; ++stamina) {
                for (int bat = -1; bat <= 3; bat += 2) {
                    Career career = testCareer(30, 20, fielding);
                    placeAtLevel(career, level);
                    career.body.stamina = static_cast<std::int16_t>(stamina);
                    career.gear.bat = static_cast<std::int16_t>(bat);
                    bool failsNow = false;
                    for (const DropWarning& warning : dropWarnings(career))
                        failsNow = failsNow || warning.failsNow;
                    EXPECT_EQ(failsNow, rejection(career).has_value())
                        << levelIndex(level) << " " << fielding << " " << stamina << " " << bat;
                }
            }
        }
    }
}

}  // namespace
