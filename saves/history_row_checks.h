// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <vector>

#include "game/history.h"

// What a history row must be to be read as one: every field within the
// longest the game writes, text that is UTF-8 without NUL, and figures the
// game can produce. A row that is not is a damaged row. And a career's
// history is its own only when every row agrees with the career.

// The bytes of a history file without the UTF-8 byte-order mark a
// spreadsheet puts in front when it saves the file again.
QByteArrayView withoutByteOrderMark(QByteArrayView bytes);

// What a field of a history row holds, for its bound.
enum class HistoryField { number, name, levelChanges };

// A whole number or an amount of money is at most 15 digits with a sign and
// a fraction; 32 bytes leave room.
constexpr qsizetype maxNumberBytes = 32;

// The level words a row may list as changes since the match before. A player
// may rise and fall many times between two matches, but not this often.
constexpr qsizetype maxLevelChangesBytes = 64 * 1024;

// The longest a name may be: a save file holds at most 64 KiB of UTF-16, and
// a UTF-16 unit takes at most three bytes in UTF-8.
constexpr qsizetype maxHistoryNameBytes = 64 * 1024 / 2 * 3;

// Whether the field is within the bound of what it holds, and, for a name,
// UTF-8 without NUL.
bool historyFieldFits(QByteArrayView field, HistoryField kind);

// Whether the game could have written the row: no negative runs, wickets,
// catches, award, money or costs, drop reasons whose figure fell short of a
// bound the game sets (both 16-bit), and a sponsor taken that is one of the
// game's sponsors.
bool plausibleHistoryRow(const HistoryRow& row);

// Whether every row could be one of the career's: each names the team the
// career plays for at the row's level (at club level one of the game's
// clubs or the career's own), and each row right after another is at the
// level of the row before or the level it moved to since.
bool rowsAgreeWithCareer(const std::vector<HistoryRow>& rows, const Career& career);

// Whether the rows can be matches of the career's past: at each level,
// together they scored no more runs and took no more wickets or catches than
// the career's record book holds for that level, and none of them beat its
// highest score or most wickets. (How many matches a level counts is left
// out: a count at its 16-bit limit stops counting.) A shorter history of
// another career fails this more often than not.
bool rowsLeadToCareer(const std::vector<HistoryRow>& rows, const Career& career);

// Whether the rows are the whole of the career's past: one for every match
// it played, from the first, that together score the runs, take the wickets
// and catches and set the highest score and most wickets of each level of
// its record book, to the last.
bool rowsMakeRecordBook(const std::vector<HistoryRow>& rows, const Career& career);
