// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "game/career.h"
#include "game/history.h"
#include "game/match.h"

// A fresh career of "Ravi" at the Five Star club, city Pune, state Goa,
// country India, with the given starting skills and auto-save off.
Career testCareer(int batting, int bowling, int fielding);

// A match as the match screen confirms it: applied to the career, then its
// row taken.
HistoryRow playMatch(Career& career, const MatchPerformance& match);
// The matches played in turn, the row of each kept in the history.
void playMatches(Career& career, CareerHistory& history,
                 const std::vector<MatchPerformance>& matches);

// Puts the career at a level as a loaded career would be: level, its team
// and the fee of arriving there.
void placeAtLevel(Career& career, Level level);

// The figures of a career that tables of cases set before and check after;
// the statistics are those of the career's level.
enum class Figure {
    batting,
    bowling,
    fielding,
    bat,
    gloves,
    pads,
    others,
    fitness,
    health,
    stamina,
    matchFee,
    sponsorship,
    otherIncome,
    bankBalance,
    matches,
    runs,
    wickets,
    catches,
    highestScore,
    fifties,
    hundreds,
    mostWickets,
    fiveWicketHauls,
};

struct FigureValue {
    Figure figure;
    double value;
};

using Figures = std::vector<FigureValue>;

double figureOf(const Career& career, Figure figure);
void setFigures(Career& career, const Figures& figures);
// One test failure for each figure that differs, naming it.
void expectFigures(const Career& career, const Figures& figures);
