// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "game/career.h"
#include "game/career_story.h"
#include "game/history.h"
#include "game/play.h"

// A career told in one card: its totals, its highs, its stays and teams, and
// how it ended.

// How a career came to an end, or that it goes on.
enum class CareerEnding : std::uint8_t {
    goingOn,
    // Dropped from club cricket.
    dropped,
    // Found guilty of taking the bookie's money.
    caughtByTheEnquiry,
};

// How the press of Play that gave the outcome ended the career, or goingOn
// when it did not end it.
CareerEnding careerEndingOf(const PlayOutcome& outcome);

// The figures of every stay with one team, at one level, summed.
struct TeamFigures {
    Level level = Level::club;
    QString team;
    StayFigures figures;
};

struct CareerSummary {
    QString player;
    // The levels the career has played at or stood at, and the highest.
    std::array<bool, levelCount> levelsReached{};
    Level highestLevel = Level::club;

    // The whole career as the record book counts it, every match since the
    // first, whether the history was kept from it or not.
    std::int32_t matches = 0;
    std::int64_t runs = 0;
    std::int64_t wickets = 0;
    std::int64_t catches = 0;
    std::int32_t highestScore = 0;
    // The most wickets in one match.
    std::int32_t bestBowling = 0;
    std::int64_t fifties = 0;
    std::int64_t hundreds = 0;
    std::int64_t fiveWicketHauls = 0;
    // Each level's figures as the record book holds them.
    RecordBook levels{};
    // The match of the highest score and that of the best bowling, the
    // earliest of equals: 0 when the high is none (nothing scored or taken)
    // or was made before the history was kept.
    std::int32_t highestScoreMatch = 0;
    std::int32_t bestBowlingMatch = 0;

    // What only the history tells, from the match it was kept from.
    std::int32_t historyKeptFrom = 1;
    // The stay with the most runs, the one with the best runs per match
    // (among stays of at least bestStayMatches matches, when there are any),
    // and the one of the most matches; none without a history.
    std::optional<Stay> mostRunsStay;
    std::optional<Stay> bestStay;
    std::optional<Stay> longestStay;
    // The highest overall skill after any match, or now.
    int peakOverallSkill = 0;
    // Each team's stays summed, in the order the career first reached it.
    std::vector<TeamFigures> teams;
    // Match fees, sponsorship and awards the history's matches earned.
    double moneyEarned = 0;
    double bankBalance = 0;

    CareerEnding ending = CareerEnding::goingOn;
};

// A stay shorter than this counts for the best stay only when none is as long.
inline constexpr int bestStayMatches = 5;

CareerSummary summarise(const Career& career, const CareerHistory& history,
                        CareerEnding ending = CareerEnding::goingOn);
