// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/career_story.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "game/match_record.h"

namespace {

bool startsSpell(const std::vector<HistoryRow>& rows, std::size_t i) {
    return i == 0 || rows[i].level != rows[i - 1].level;
}

}  // namespace

std::optional<Level> levelBefore(const std::vector<HistoryRow>& rows, std::size_t i) {
    if (i > 0) return rows[i - 1].level;
    if (rows[i].match == 1) return Level::club;
    return std::nullopt;
}

std::vector<LevelMove> levelMoves(const std::vector<HistoryRow>& rows, std::size_t i) {
    std::optional<Level> before = levelBefore(rows, i);
    std::vector<LevelMove> moves;
    const std::vector<Level>& changes = rows[i].events.levelChanges;
    for (std::size_t c = 0; c < changes.size(); ++c) {
        const Level to = changes[c];
        LevelMove::Direction direction = LevelMove::unknown;
        if (before) {
            direction =
                levelIndex(to) > levelIndex(*before) ? LevelMove::promotion : LevelMove::drop;
        } else if (to == Level::club) {
            // Only a drop reaches the club, only a promotion the national side.
            direction = LevelMove::drop;
        } else if (to == Level::national) {
            direction = LevelMove::promotion;
        }
        QString team;
        if (c + 1 == changes.size() && to == rows[i].level) {
            team = rows[i].team;
        } else if (i > 0 && rows[i - 1].level == to) {
            team = rows[i - 1].team;
        }
        moves.push_back({to, direction, team});
        before = to;
    }
    return moves;
}

const QString& teamOf(const Career& career, const LevelMove& move) {
    return move.team.isEmpty() ? teamAt(career, move.to) : move.team;
}

std::vector<double> levelAverages(const Career& career, const std::vector<HistoryRow>& rows) {
    std::array<double, levelCount> runs{};
    std::array<double, levelCount> matches{};
    for (const Level level : allLevels) {
        runs[levelIndex(level)] = career.recordBook[levelIndex(level)].runs;
        matches[levelIndex(level)] = career.recordBook[levelIndex(level)].matches;
    }
    std::vector<double> averages(rows.size());
    for (std::size_t i = rows.size(); i-- > 0;) {
        const int level = levelIndex(rows[i].level);
        averages[i] = matches[level] > 0 ? std::max(runs[level], 0.0) / matches[level] : 0;
        runs[level] -= rows[i].performance.runs;
        matches[level] -= 1;
    }
    return averages;
}

void StayFigures::add(const HistoryRow& row) {
    recordMatch(*this, row.performance.runs, row.performance.wickets, row.performance.catches);
    moneyEarned += std::floor(row.matchFee) + std::floor(row.sponsorship) + row.award;
}

void StayFigures::add(const StayFigures& other) {
    matches += other.matches;
    runs += other.runs;
    highestScore = std::max(highestScore, other.highestScore);
    fifties += other.fifties;
    hundreds += other.hundreds;
    wickets += other.wickets;
    mostWickets = std::max(mostWickets, other.mostWickets);
    fiveWicketHauls += other.fiveWicketHauls;
    catches += other.catches;
    moneyEarned += other.moneyEarned;
}

double StayFigures::battingAverage() const {
    return matches > 0 ? static_cast<double>(runs) / matches : 0;
}

std::vector<Stay> staysInOrder(const std::vector<HistoryRow>& rows) {
    std::vector<Stay> stays;
    extendStays(stays, rows, 0);
    return stays;
}

void extendStays(std::vector<Stay>& stays, const std::vector<HistoryRow>& rows, std::size_t from) {
    for (std::size_t i = from; i < rows.size(); ++i) {
        if (stays.empty() || startsSpell(rows, i)) {
            Stay stay;
            stay.level = rows[i].level;
            stay.team = rows[i].team;
            stay.firstRow = i;
            stay.firstMatch = rows[i].match;
            stays.push_back(stay);
        }
        Stay& stay = stays.back();
        stay.endRow = i + 1;
        stay.lastMatch = rows[i].match;
        stay.figures.add(rows[i]);
    }
}

StayFigures careerTotal(const std::vector<Stay>& stays) {
    StayFigures total;
    for (const Stay& stay : stays) total.add(stay.figures);
    return total;
}

std::vector<LevelStays> staysByLevel(const std::vector<Stay>& stays) {
    std::array<LevelStays, levelCount> all;
    for (const Level level : allLevels) all[levelIndex(level)].level = level;
    for (std::size_t i = 0; i < stays.size(); ++i) {
        LevelStays& atLevel = all[levelIndex(stays[i].level)];
        atLevel.figures.add(stays[i].figures);
        atLevel.stays.push_back(i);
    }
    std::vector<LevelStays> played;
    for (LevelStays& stays : all) {
        if (!stays.stays.empty()) played.push_back(std::move(stays));
    }
    return played;
}

MilestoneTopic topicOf(Milestone::Kind kind) {
    switch (kind) {
        case Milestone::firstFifty:
        case Milestone::firstHundred:
        case Milestone::firstFiveWickets:
        case Milestone::careerRuns:
        case Milestone::careerWickets:
            return MilestoneTopic::runsAndWickets;
        case Milestone::promotion:
        case Milestone::drop:
        case Milestone::worldCup:
            return MilestoneTopic::levelChanges;
        case Milestone::sponsor:
            return MilestoneTopic::sponsors;
        case Milestone::bookieMoney:
            return MilestoneTopic::bookie;
    }
    return MilestoneTopic::runsAndWickets;
}

MilestoneLog::MilestoneLog(const Career& career, const std::vector<HistoryRow>& rows) {
    // What the career had made before the history's first row.
    for (const LevelStatistics& level : career.recordBook) {
        runs_ += level.runs;
        wickets_ += level.wickets;
        fifties_ += level.fifties + level.hundreds;
        hundreds_ += level.hundreds;
        hauls_ += level.fiveWicketHauls;
    }
    for (const HistoryRow& row : rows) {
        runs_ -= row.performance.runs;
        wickets_ -= row.performance.wickets;
        fifties_ -= row.performance.runs >= fiftyRuns ? 1 : 0;
        hundreds_ -= row.performance.runs >= hundredRuns ? 1 : 0;
        hauls_ -= row.performance.wickets >= fiveWickets ? 1 : 0;
    }
    // A record book that holds less than the history (one changed by hand)
    // counts as nothing made before it.
    for (std::int64_t* before : {&runs_, &wickets_, &fifties_, &hundreds_, &hauls_}) {
        *before = std::max<std::int64_t>(*before, 0);
    }
    catchUp(career, rows);
}

std::size_t MilestoneLog::catchUp(const Career& career, const std::vector<HistoryRow>& rows) {
    const std::size_t before = milestones_.size();
    for (; rowsRead_ < rows.size(); ++rowsRead_) addMilestonesOf(career, rows, rowsRead_);
    return milestones_.size() - before;
}

void MilestoneLog::addMilestonesOf(const Career& career, const std::vector<HistoryRow>& rows,
                                   std::size_t i) {
    const std::size_t first = milestones_.size();
    const HistoryRow& row = rows[i];
    const std::int32_t match = row.match;

    // Each drop's reason, in order; the reasons of the drops known to be
    // drops are the last ones when the first move's direction is unknown.
    const std::vector<LevelMove> moves = levelMoves(rows, i);
    const auto knownDrops =
        static_cast<std::size_t>(std::count_if(moves.begin(), moves.end(), [](const LevelMove& m) {
            return m.direction == LevelMove::drop;
        }));
    const std::vector<Shortfall>& reasons = row.events.dropReasons;
    const bool reasonsKnown = reasons.size() >= knownDrops;
    std::size_t reason = reasonsKnown ? reasons.size() - knownDrops : 0;
    for (const LevelMove& move : moves) {
        if (move.direction == LevelMove::unknown) continue;
        Milestone told{
            move.direction == LevelMove::promotion ? Milestone::promotion : Milestone::drop, match,
            0, move.to, teamOf(career, move)};
        if (move.direction == LevelMove::drop && reasonsKnown) told.why = reasons[reason++];
        milestones_.push_back(std::move(told));
    }
    if (row.events.selectedForWorldCup) {
        milestones_.push_back({Milestone::worldCup, match, 0, Level::national, QString()});
    }
    if (!row.events.sponsorTaken.isEmpty()) {
        milestones_.push_back({Milestone::sponsor, match, 0, row.level, row.events.sponsorTaken});
    }
    if (row.events.bookieMoney != 0) {
        milestones_.push_back(
            {Milestone::bookieMoney, match, row.events.bookieMoney, row.level, {}});
    }
    const int r = row.performance.runs;
    const int w = row.performance.wickets;
    if (r >= fiftyRuns && fifties_++ == 0) {
        milestones_.push_back({Milestone::firstFifty, match, r, row.level, {}});
    }
    if (r >= hundredRuns && hundreds_++ == 0) {
        milestones_.push_back({Milestone::firstHundred, match, r, row.level, {}});
    }
    if (w >= fiveWickets && hauls_++ == 0) {
        milestones_.push_back({Milestone::firstFiveWickets, match, w, row.level, {}});
    }
    for (std::int64_t mark = (runs_ / runsMilestone + 1) * runsMilestone; mark <= runs_ + r;
         mark += runsMilestone) {
        milestones_.push_back({Milestone::careerRuns, match, mark, row.level, {}});
    }
    for (std::int64_t mark = (wickets_ / wicketsMilestone + 1) * wicketsMilestone;
         mark <= wickets_ + w; mark += wicketsMilestone) {
        milestones_.push_back({Milestone::careerWickets, match, mark, row.level, {}});
    }
    runs_ += r;
    wickets_ += w;
    for (std::size_t at = first; at < milestones_.size(); ++at)
        byKind_[milestones_[at].kind].push_back(at);
}
