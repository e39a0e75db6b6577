// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/two_matches.h"

#include "game/level_change.h"
#include "support/test_career.h"

HistoryRow row(std::int32_t match, Level level, const char* team, MatchPerformance performance,
               Skills skills) {
    HistoryRow r;
    r.match = match;
    r.level = level;
    r.team = QString::fromLatin1(team);
    r.performance = performance;
    r.skills = skills;
    return r;
}

TwoMatches::TwoMatches() : career(testCareer(45, 20, 30)) {
    HistoryRow first = row(1, Level::club, "Five Star", {60, 1, 0}, {62, 25, 29});
    first.gear = {90, 85, 93, 97};
    first.body = {97, 98, 93};
    first.matchFee = 3000;
    first.bankBalance = 3000;
    HistoryRow second = row(2, Level::city, "Pune", {120, 5, 2}, {50, 45, 40});
    second.award = 3000;
    second.gear = {70, 55, 78, 90};
    second.body = {80, 88, 71};
    second.matchFee = 5000;
    second.sponsorship = 4000;
    second.bankBalance = 900;
    second.events.levelChanges = {Level::city};
    second.events.sponsorTaken = QStringLiteral("Cable & Wireless");
    second.events.trainingCost = 4500;
    rows = {first, second};
    placeAtLevel(career, Level::city);
    career.recordBook[levelIndex(Level::club)].matches = 1;
    career.recordBook[levelIndex(Level::club)].runs = 60;
    career.recordBook[levelIndex(Level::city)].matches = 1;
    career.recordBook[levelIndex(Level::city)].runs = 120;
}
