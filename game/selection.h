// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "game/play.h"

struct Career;

// The overall skill, and the batting or bowling, that earn promotion.
inline constexpr int promotionSkill = 150;
inline constexpr int promotionSpecialism = 200;
// An item of gear, or fitness, health or stamina, at this or below keeps the
// player out of the side.
inline constexpr int wornOutCondition = 0;

// An overall skill of 150, or batting or bowling of 200, earns the next level
// (at the top, the World Cup) whatever the state of gear and body. A player
// already picked for the World Cup has nothing more to earn.
bool earnsPromotion(const Career& career);

// The least a figure that keeps a player out must be for him to play: the
// level's threshold for the overall skill and fielding, and for each item of
// gear and of the body a value above worn out.
inline constexpr int leastToPlay = wornOutCondition + 1;

// Why the player is not selected: the notice that says so, and the figure
// that failed. Of several worn-out items the most worn is named.
struct Rejection {
    PlayNotice reason;
    Shortfall shortfall;

    bool operator==(const Rejection&) const = default;
};

// Why the player is not selected at his level, or nothing when he is: in this
// order, an overall skill or fielding below the level's threshold, any item
// of gear worn out to 0 or less, and fitness, health or stamina exhausted.
std::optional<Rejection> rejection(const Career& career);

// A gear or body item at this or below is within a match of being worn out,
// and warned of before Play.
inline constexpr int wornOutWarning = wornOutCondition + 2;

// A figure on the main screen that warns of a drop: one the next selection
// check fails on, or an item of gear or the body one match could wear out.
// `failsAt` is, for the overall skill and fielding, the level's threshold
// they are below, and for gear and the body the value at which the player
// is not selected.
struct DropWarning {
    Shortfall::Figure figure;
    int value;
    int failsAt;
    // Whether the next press of Play drops the player for it.
    bool failsNow;

    bool operator==(const DropWarning&) const = default;
};

// Every figure that warns of a drop, in the order of the main screen's
// figures: the overall skill and fielding below the level's threshold,
// then each item of gear and of the body at or below the warning. None for
// a player who earns promotion, who is not checked for selection.
std::vector<DropWarning> dropWarnings(const Career& career);
