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

// Every match of a career that is known, oldest first, and what is known of
// the matches that are not.
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

    // The history of a career loaded without all of it: the rows kept, the
    // first match the history is to start from when none are, and how many
    // rows of the history file were left out and why.
    struct Gaps {
        // Matches before this one were played without a history kept.
        std::int32_t keptFrom = 1;
        // Rows that could not be read.
        int damagedRows = 0;
        // Rows that do not belong to this career.
        int foreignRows = 0;
        // The history file could not be read at all.
        bool unreadable = false;
    };

    CareerHistory() = default;
    CareerHistory(std::vector<HistoryRow> rows, Gaps gaps) : rows_(std::move(rows)), gaps_(gaps) {}

    const Gaps& gaps() const { return gaps_; }

  private:
    std::vector<HistoryRow> rows_;
    Gaps gaps_;
};
