// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "game/career.h"

struct Career;
class RandomSource;

// What a press of Play tells the player.
enum class PlayNotice {
    promoted,             // selected in the team of the next level
    selectedForWorldCup,  // selected for the World Cup in the national team
    notGoodEnough,        // overall skill below the level's threshold
    poorFielding,         // fielding below the level's threshold
    shortOfGear,          // an item of gear worn out
    unfit,                // fitness, health or stamina exhausted
    dropped,              // dropped from the team
    caughtByTheEnquiry,   // found guilty of taking the bookie's money
};

struct Notice {
    PlayNotice kind;
    // The team the notice names, for promotions, the World Cup and drops.
    QString team;
    // For the reason a player is not selected: the figure that failed.
    std::optional<Shortfall> shortfall = std::nullopt;

    bool operator==(const Notice&) const = default;
};

// What the screen does once the player has read the notices.
enum class PlayNext {
    nothing,      // the press of Play is over
    bookieOffer,  // ask whether he takes the bookie's money; answerBookie() goes on
    match,        // play the match he was selected for
    careerOver,   // the career has ended; ask whether he wants to play again
};

// What a press of Play came to: the career has already changed; the notices
// tell the player what happened, in this order, and the next step follows.
struct PlayOutcome {
    std::vector<Notice> notices;
    PlayNext next = PlayNext::nothing;
};

// A press of Play. A player whose overall skill reaches 150, or whose batting
// or bowling reaches 200, is promoted to the next level (at the top, picked
// for the World Cup) and plays no match this time. Otherwise a player below
// the level's skill or fielding threshold, with worn-out gear or an
// exhausted body, is told why and dropped one level; a club player's career
// ends there. Anyone else goes on to the match day, where before one match
// in thirty a bookie offers money to play badly.
PlayOutcome selectForMatch(Career& career, RandomSource& random);

// What the bookie offers, in rupees.
inline constexpr double bookiesBribe = 50000;

// The player's answer to the bookie. Taking the money puts the bribe in the
// bank, but one time in three an enquiry finds him out and his career is
// over. Otherwise the match is played.
PlayOutcome answerBookie(Career& career, bool takesTheMoney, RandomSource& random);
