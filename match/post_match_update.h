#pragma once

#include <array>

#include "match/match_context.h"

class CareerRecord;
struct Career;
class Prompter;

// The figures of the record that a match changes, as numbers, besides those
// the match context carries (matches, career runs and the three skills).
struct MatchFigures {
    double wickets = 0;
    double catches = 0;
    double highestScore = 0;
    double fifty = 0;
    double hundred = 0;
    double mostWickets = 0;
    double fiveWickets = 0;
    float battingAverage = 0;
    double matchFee = 0;
    double sponsorship = 0;
    double otherIncome = 0;
    double bankBalance = 0;
    std::array<double, 7> conditions{};  // bat, gloves, pads, others, fitness, health, stamina
};

MatchFigures readMatchFigures(const CareerRecord& record);

// Applies one match to the context and the figures: statistics, skills with
// their decay and bonuses, batting average, pay-out into the bank and wear.
// Returns the performance award the match earns (0 for none); it waits in
// other income until the next match pays it in. Pure arithmetic, no
// allocation, so whole careers can be simulated through it.
double applyMatch(MatchContext& context, const MatchPerformance& match, MatchFigures& figures);

// Applies the match to the career as the record shows it: every changed
// field in turn, the award notice, then the current level's record-book
// column.
void ChangeData(MatchContext& context, const MatchPerformance& match, Career& career,
                Prompter& prompter);
