// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "game/career.h"

// What the simulator knows of a career besides the career itself: the
// starting skills it chose and the totals of every match it has played.
struct CareerLedger {
    Skills startingSkills;
    long long matches = 0;
    long long runs = 0;
    long long wickets = 0;
    long long catches = 0;
};

// Checks a career in play against the game's rules: skills and conditions
// lie in their ranges and the starting skills are those the career chose;
// team, match fee and World Cup flag agree with the level; the sponsorship is
// an offer its sponsor makes at this level or one below, the other income a
// performance award and the bank balance a whole number of rupees that the
// purchase screens can hold; every record-book column is consistent in itself
// and the book's columns add up to the ledger. Gives the first broken
// invariant, or nothing when all hold.
std::optional<QString> brokenInvariant(const Career& career, const CareerLedger& ledger);
