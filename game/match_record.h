// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/saturating.h"

// What a match counts as in the record book, and how a match is counted into
// a level's figures: the record book's, and those the career's story sums
// for a stay at a level.

// A score that counts as a fifty or a hundred, and a five-wicket match.
inline constexpr int fiftyRuns = 50;
inline constexpr int hundredRuns = 100;
inline constexpr int fiveWickets = 5;

// Adds to a count, which stands at its width's limit instead of wrapping.
template <typename Whole>
void countUp(Whole& total, double more) {
    total = saturate<Whole>(static_cast<double>(total) + more);
}

// Counts one match of `runs`, `wickets` and `catches` into the figures: the
// matches, the totals, the highest score and most wickets, and a hundred, or
// else a fifty, and a five-wicket match.
template <typename Figures>
void recordMatch(Figures& figures, int runs, int wickets, int catches) {
    countUp(figures.matches, 1);
    countUp(figures.runs, runs);
    countUp(figures.wickets, wickets);
    countUp(figures.catches, catches);
    if (figures.highestScore < runs) figures.highestScore = runs;
    if (runs >= hundredRuns) {
        countUp(figures.hundreds, 1);
    } else if (runs >= fiftyRuns) {
        countUp(figures.fifties, 1);
    }
    if (figures.mostWickets < wickets) figures.mostWickets = wickets;
    if (wickets >= fiveWickets) countUp(figures.fiveWicketHauls, 1);
}
