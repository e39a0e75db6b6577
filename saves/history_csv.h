// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

#include "game/history.h"

// The text of a history file: UTF-8 comma-separated values, a header line,
// then one line a match, oldest first, every line ending in a line feed (the
// reader also takes CR LF, as spreadsheets write it). Fields are quoted as
// CSV requires, since names may hold commas and quotes; levels are written as
// their words and money as the save file writes it. The first columns are
// match,level,team,runs,wickets,catches; the events since the match before
// come last.

// The header line and the line of one match, each with its line end.
QByteArray historyHeaderLine();
QByteArray historyLine(const HistoryRow& row);

// The rows of a history file's lines, in file order, and how many complete
// lines hold no row that reads (a stray quote, a missing column, a number
// beyond its width, overall figures that do not follow from the gear and
// body beside them). A last line without its line end, one being appended
// when the game stopped, is left out without a word; the header and empty
// lines are no rows.
struct HistoryLines {
    std::vector<HistoryRow> rows;
    int damaged = 0;
};
HistoryLines readHistoryLines(QByteArrayView bytes);
