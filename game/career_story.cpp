// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/career_story.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "game/match_record.h"

namespace {

bool startsSpell(const std::vector<HistoryRow>& rows, std::size_t i) {
    return i == 0 || !rows[i].events.levelChanges.empty() || rows[i].level != rows[i - 1].level;
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

void SpellFigures::add(const HistoryRow& row) {
    recordMatch(*this, row.performance.runs, row.performance.wickets, row.performance.catches);
    moneyEarned += std::floor(row.matchFee) + std::floor(row.sponsorship) + row.award;
}

void SpellFigures::add(const SpellFigures& other) {
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

double SpellFigures::battingAverage() const {
    return matches > 0 ? static_cast<double>(runs) / matches : 0;
}

std::vector<Spell> levelSpells(const std::vector<HistoryRow>& rows) {
    std::vector<Spell> spells;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (startsSpell(rows, i)) {
            Spell spell;
            spell.level = rows[i].level;
            spell.team = rows[i].team;
            spell.firstRow = i;
            spell.firstMatch = rows[i].match;
            spells.push_back(spell);
        }
        Spell& spell = spells.back();
        spell.endRow = i + 1;
        spell.lastMatch = rows[i].match;
        spell.figures.add(rows[i]);
    }
    return spells;
}

SpellFigures careerTotal(const std::vector<Spell>& spells) {
    SpellFigures total;
    for (const Spell& spell : spells) total.add(spell.figures);
    return total;
}

std::vector<Milestone> milestones(const Career& career, const std::vector<HistoryRow>& rows) {
    // What the career had made before the history's first row.
    std::int64_t runs = 0;
    std::int64_t wickets = 0;
    std::int64_t fifties = 0;
    std::int64_t hundreds = 0;
    std::int64_t hauls = 0;
    for (const LevelStatistics& level : career.recordBook) {
        runs += level.runs;
        wickets += level.wickets;
        fifties += level.fifties + level.hundreds;
        hundreds += level.hundreds;
        hauls += level.fiveWicketHauls;
    }
    for (const HistoryRow& row : rows) {
        runs -= row.performance.runs;
        wickets -= row.performance.wickets;
        fifties -= row.performance.runs >= fiftyRuns ? 1 : 0;
        hundreds -= row.performance.runs >= hundredRuns ? 1 : 0;
        hauls -= row.performance.wickets >= fiveWickets ? 1 : 0;
    }
    // A record book that holds less than the history (one changed by hand)
    // counts as nothing made before it.
    for (std::int64_t* before : {&runs, &wickets, &fifties, &hundreds, &hauls}) {
        *before = std::max<std::int64_t>(*before, 0);
    }

    std::vector<Milestone> told;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const HistoryRow& row = rows[i];
        const std::int32_t match = row.match;
        for (const LevelMove& move : levelMoves(rows, i)) {
            if (move.direction == LevelMove::unknown) continue;
            told.push_back(
                {move.direction == LevelMove::promotion ? Milestone::promotion : Milestone::drop,
                 match, 0, move.to, teamOf(career, move)});
        }
        if (row.events.selectedForWorldCup) {
            told.push_back({Milestone::worldCup, match, 0, Level::national, QString()});
        }
        if (!row.events.sponsorTaken.isEmpty()) {
            told.push_back({Milestone::sponsor, match, 0, row.level, row.events.sponsorTaken});
        }
        if (row.events.bookieMoney != 0) {
            told.push_back({Milestone::bookieMoney, match, row.events.bookieMoney, row.level, {}});
        }
        const int r = row.performance.runs;
        const int w = row.performance.wickets;
        if (r >= fiftyRuns && fifties++ == 0) {
            told.push_back({Milestone::firstFifty, match, r, row.level, {}});
        }
        if (r >= hundredRuns && hundreds++ == 0) {
            told.push_back({Milestone::firstHundred, match, r, row.level, {}});
        }
        if (w >= fiveWickets && hauls++ == 0) {
            told.push_back({Milestone::firstFiveWickets, match, w, row.level, {}});
        }
        for (std::int64_t mark = (runs / runsMilestone + 1) * runsMilestone; mark <= runs + r;
             mark += runsMilestone) {
            told.push_back({Milestone::careerRuns, match, mark, row.level, {}});
        }
        for (std::int64_t mark = (wickets / wicketsMilestone + 1) * wicketsMilestone;
             mark <= wickets + w; mark += wicketsMilestone) {
            told.push_back({Milestone::careerWickets, match, mark, row.level, {}});
        }
        runs += r;
        wickets += w;
    }
    return told;
}
