#pragma once

#include <QString>
#include <array>
#include <optional>

struct Career;

// What the simulator knows of a career besides its record: the starting
// skills it chose and the totals of every match it has played.
struct CareerLedger {
    std::array<int, 3> startingSkills{};
    long long matches = 0;
    long long runs = 0;
    long long wickets = 0;
    long long catches = 0;
};

// Checks a career in play against the game's rules: every number is a whole
// number written plainly and lies in its range, the level is a level word,
// team, match fee, sponsorship and World Cup flag agree with the level, the
// overall skill, category, overall accessories and health and their bars
// follow from their sources, every record-book column is consistent in
// itself, the current level's column equals the current statistics, and the
// book's columns add up to the ledger. Gives the first broken invariant, or
// nothing when all hold.
std::optional<QString> brokenInvariant(const Career& career, const CareerLedger& ledger);
