#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "game/career.h"
#include "game/history.h"

// One level the player moved to between two matches. Whether it was a
// promotion or a drop follows from the level he left; it is unknown only for
// a move to a middle level at the start of a history kept from a later match.
struct LevelMove {
    enum Direction { promotion, drop, unknown };
    Level to;
    Direction direction;
};

// The moves of a row, in order, from the level of the match before (nothing
// when that is not known).
std::vector<LevelMove> levelMoves(const HistoryRow& row, std::optional<Level> before);

// How the History window words a career's history: levels, the events
// between two matches, what a value did since the match before, and what of
// the history is missing.
class HistoryTexts {
    Q_DECLARE_TR_FUNCTIONS(HistoryTexts)

  public:
    // The level as the player reads it: "Club", "City", "State", "National".
    static QString levelName(Level level);

    // What happened between the match before and this one, one item each
    // ("Promoted to City (Pune)", "Training Rs. 3000"); none when nothing did.
    static QStringList events(const HistoryRow& row, std::optional<Level> before,
                              const Teams& teams);

    // A value and how it changed since the match before: "64 (+4)", "88 (-7)",
    // "50 (±0)"; the value alone when there is nothing to compare it with.
    static QString withChange(int value, std::optional<int> before);

    // The sentences that tell what the history lacks, one a gap; none for a
    // history kept whole from the first match.
    static QStringList gaps(const CareerHistory& history);
};
