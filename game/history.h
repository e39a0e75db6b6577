// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "game/career.h"
#include "game/match.h"

// The figures of a career that its history keeps for every match: where he
// played, his skills and condition, and his money.
struct CareerFigures {
    Level level = Level::club;
    QString team;
    Skills skills;
    Gear gear;
    Body body;
    double matchFee = 0;
    double sponsorship = 0;
    double otherIncome = 0;
    double bankBalance = 0;

    bool operator==(const CareerFigures&) const = default;
};

// The career's figures as they stand.
CareerFigures figuresOf(const Career& career);

// One match of a career: the match, and the career's figures as they stood
// right after the match was applied.
struct HistoryRow : CareerFigures {
    // The match's number in the whole career: 1, 2, … across every level.
    std::int32_t match = 0;
    MatchPerformance performance;
    // The performance award the match earned, paid in with the next match.
    std::int32_t award = 0;
    SinceLastMatch events;

    bool operator==(const HistoryRow&) const = default;
};

// The matches a career has played at every level together, as far as the
// levels' 16-bit counts tell.
std::int32_t careerMatches(const Career& career);

// Whether a level's count of matches stands at its limit, so that the career
// may have played more matches than careerMatches() tells.
bool matchCountSaturated(const Career& career);

// The row of a match just applied to the career, with what happened since
// the match before; the career starts gathering afresh for the next one.
HistoryRow takeHistoryRow(Career& career, const MatchPerformance& match, double award);

// Whether the row holds the career's figures as they stand (level, team,
// skills, gear, body and money), as the row of a match just taken does.
bool holdsFiguresOf(const HistoryRow& row, const Career& career);

// Every match of a career that is known, oldest first, and from which match
// on it is known.
class CareerHistory {
  public:
    const std::vector<HistoryRow>& rows() const { return rows_; }
    // Adds the row of the match just played. Its number goes on from the row
    // before it: a level's match count stops at its 16-bit limit, and the
    // number taken from the counts would then stand still.
    void append(HistoryRow row) {
        if (!rows_.empty() && row.match <= rows_.back().match) row.match = rows_.back().match + 1;
        rows_.push_back(std::move(row));
    }

    CareerHistory() = default;
    // A history kept from a later match than the first: the rows known, and
    // the match the history starts from, which is the career's next when
    // none are known.
    explicit CareerHistory(std::vector<HistoryRow> rows, std::int32_t keptFrom = 1)
        : rows_(std::move(rows)), keptFrom_(keptFrom) {}

    // Matches before this one were played without a history kept.
    std::int32_t keptFrom() const { return keptFrom_; }

  private:
    std::vector<HistoryRow> rows_;
    std::int32_t keptFrom_ = 1;
};
