#pragma once

#include <QString>
#include <array>

#include "game/history.h"

// The figures of a history row, one description each, in the order of the
// history file's first columns and of the History window's table: the name
// a column has in the file, the heading the table shows (translated where it
// is shown, in the HistoryTableModel context), how the figure is taken from a
// row, and what kind of figure it is, which decides how it is written and
// shown. The events since the match before follow these columns, in the file
// as fields of their own and in the table as one text.
struct HistoryColumn {
    enum Kind {
        // A whole number: written in digits, shown with the locale's grouping.
        whole,
        // Rupees: written and shown as the save file writes money.
        money,
        // The level: written as its word, shown in the player's language,
        // sorted in the levels' order.
        level,
        // The team's name: written quoted as CSV needs, sorted as text.
        team,
    };
    const char* fileName;
    const char* heading;
    Kind kind;
    // The figure as a number: the level's place for the level, nothing for
    // the team.
    double (*figure)(const HistoryRow& row);
};

inline constexpr int historyFigureCount = 23;
extern const std::array<HistoryColumn, historyFigureCount> historyColumns;
