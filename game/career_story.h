// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "game/career.h"
#include "game/history.h"

// What a career's history tells when read as a whole: how the player moved
// between levels, his stays at each level, and the matches worth telling.

// One level the player moved to between two matches. Whether it was a
// promotion or a drop follows from the level he left; it is unknown only for
// a move to a middle level at the start of a history kept from a later match.
struct LevelMove {
    enum Direction { promotion, drop, unknown };
    Level to;
    Direction direction;
    // The side he joined, as the history tells it: the row's own for the
    // move that brought him to the row's level, the side he had at that
    // level in the match before for a move back to it; empty when the
    // history does not tell.
    QString team;
};

// The side the player joined with the move: the history's, else the side
// the career has at that level now (for the club, the one drawn when the
// career was loaded).
const QString& teamOf(const Career& career, const LevelMove& move);

// The level the player was at for the match before row i, when known: that
// of the row before, or the club for the career's first match.
std::optional<Level> levelBefore(const std::vector<HistoryRow>& rows, std::size_t i);

// The moves between the match before row i and its own, in order.
std::vector<LevelMove> levelMoves(const std::vector<HistoryRow>& rows, std::size_t i);

// The batting average of each row's level right after its match, worked back
// from the career's record book as it stands now, so that a history kept
// from a later match shows the averages the record book had then too.
std::vector<double> levelAverages(const Career& career, const std::vector<HistoryRow>& rows);

// The figures of a run of matches, summed as the record book sums a level's.
struct StayFigures {
    std::int32_t matches = 0;
    std::int64_t runs = 0;
    std::int32_t highestScore = 0;
    std::int32_t fifties = 0;
    std::int32_t hundreds = 0;
    std::int64_t wickets = 0;
    std::int32_t mostWickets = 0;
    std::int32_t fiveWicketHauls = 0;
    std::int64_t catches = 0;
    // Match fees, sponsorship and awards the matches earned, in whole rupees.
    double moneyEarned = 0;

    void add(const HistoryRow& row);
    void add(const StayFigures& other);
    // Runs per match; 0 before the first match.
    double battingAverage() const;
};

// One stay at one level, from the first match after the player arrived to
// the last before he left. A visit to another level between two matches at
// which he played no match (a promotion and a drop at once) does not end a
// stay: it is told by the moves' milestones alone.
struct Stay {
    Level level = Level::club;
    QString team;
    std::size_t firstRow = 0;
    std::size_t endRow = 0;
    std::int32_t firstMatch = 0;
    std::int32_t lastMatch = 0;
    StayFigures figures;
};

// The history's stays at a level, in order.
std::vector<Stay> staysInOrder(const std::vector<HistoryRow>& rows);

// Adds the rows from `from` on to the stays told of the rows before them, so
// that a match played costs its own row alone.
void extendStays(std::vector<Stay>& stays, const std::vector<HistoryRow>& rows, std::size_t from);

// Every stay's figures together.
StayFigures careerTotal(const std::vector<Stay>& stays);

// The stays at one level and their figures together, which are the record
// book's column of the level as far as the history goes.
struct LevelStays {
    Level level = Level::club;
    StayFigures figures;
    // Indices into the stays, in order.
    std::vector<std::size_t> stays;
};

// The levels the player played at, lowest first, each with its stays.
std::vector<LevelStays> staysByLevel(const std::vector<Stay>& stays);

// A moment of a career worth telling, at the match where it happened (for
// what happened between two matches, the match after it).
struct Milestone {
    enum Kind {
        firstFifty,
        firstHundred,
        firstFiveWickets,
        careerRuns,
        careerWickets,
        promotion,
        drop,
        worldCup,
        sponsor,
        bookieMoney,
    };
    static constexpr int kindCount = bookieMoney + 1;
    Kind kind;
    std::int32_t match;
    // The runs or wickets reached, or the bookie's money.
    std::int64_t amount = 0;
    // The level moved to.
    Level level = Level::club;
    // The team moved to, or the sponsor taken.
    QString name;
    // For a drop, the figure that kept the player out, when it is known.
    std::optional<Shortfall> why = std::nullopt;

    bool operator==(const Milestone&) const = default;
};

// The kinds of milestone a player looks for together.
enum class MilestoneTopic { runsAndWickets, levelChanges, sponsors, bookie };
inline constexpr int milestoneTopicCount = 4;
MilestoneTopic topicOf(Milestone::Kind kind);

// Career runs are told at every thousand, career wickets at every hundred.
inline constexpr int runsMilestone = 1000;
inline constexpr int wicketsMilestone = 100;

// The milestones of a history, oldest first, told as its matches come in:
// each new match costs only its own row. Counts of the career that began
// before the history was kept are taken from the record book, so a history
// kept from a later match neither claims a first fifty the player had
// already made nor starts his career runs again from nothing.
class MilestoneLog {
  public:
    MilestoneLog() = default;
    MilestoneLog(const Career& career, const std::vector<HistoryRow>& rows);

    // Tells the rows added to the history since the last call, and returns
    // how many milestones they brought. The history must be the one the log
    // was made from, grown at its end, with the career that played it.
    std::size_t catchUp(const Career& career, const std::vector<HistoryRow>& rows);

    const std::vector<Milestone>& milestones() const { return milestones_; }
    // Where each kind's milestones stand in milestones(), in order.
    const std::vector<std::size_t>& ofKind(Milestone::Kind kind) const { return byKind_[kind]; }
    std::size_t rowsRead() const { return rowsRead_; }

  private:
    void addMilestonesOf(const Career& career, const std::vector<HistoryRow>& rows, std::size_t i);

    std::int64_t runs_ = 0;
    std::int64_t wickets_ = 0;
    std::int64_t fifties_ = 0;
    std::int64_t hundreds_ = 0;
    std::int64_t hauls_ = 0;
    std::size_t rowsRead_ = 0;
    std::vector<Milestone> milestones_;
    std::array<std::vector<std::size_t>, Milestone::kindCount> byKind_;
};
