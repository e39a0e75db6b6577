// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "game/career.h"

// What follows from the skills and conditions: the figures the main screen
// shows beside them and the rules judge the player by.

enum class Category { allRounder, batsman, bowler };

// The mean of the three skills, rounded down.
int overallSkill(const Skills& skills);

// A batsman bats more than 20 better than he bowls, a bowler the other way
// round; fielding never decides it.
Category category(const Skills& skills);

// The category as the screens show it, in the player's language.
QString categoryName(Category category);

// The mean of the four gear conditions, rounded down.
int overallGear(const Gear& gear);

// The mean of fitness, health and stamina, rounded down.
int overallHealth(const Body& body);

// The most worn item of gear, and the lowest of fitness, health and stamina:
// what keeps a player out of the side, more than the overall figures.
int lowestGearItem(const Gear& gear);
int lowestOfBody(const Body& body);

// Below this an overall condition is running low.
inline constexpr int lowOverallCondition = 50;

inline constexpr bool runningLow(int overall) {
    return overall < lowOverallCondition;
}
