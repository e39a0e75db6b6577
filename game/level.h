// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// The four levels of play, from the bottom. A level's place (0 to 3) is its
// column in the record book; its number (1 to 4) multiplies prices and offers.
enum class Level : std::uint8_t { club, city, state, national };

inline constexpr int levelCount = 4;
inline constexpr std::array<Level, levelCount> allLevels{Level::club, Level::city, Level::state,
                                                         Level::national};

constexpr int levelIndex(Level level) {
    return static_cast<int>(level);
}

constexpr int levelNumber(Level level) {
    return levelIndex(level) + 1;
}

constexpr Level levelAbove(Level level) {
    return level == Level::national ? level : static_cast<Level>(levelIndex(level) + 1);
}

constexpr Level levelBelow(Level level) {
    return level == Level::club ? level : static_cast<Level>(levelIndex(level) - 1);
}

// The level's name in the player's language, for the screens and messages.
QString levelName(Level level);

// The least overall skill, and the least fielding, that the level selects.
int selectionThreshold(Level level);

// The match fee on arriving at the level, promoted or dropped.
double arrivalFee(Level level);

// The match fee of a national player picked for the World Cup.
inline constexpr double worldCupFee = 12000;
