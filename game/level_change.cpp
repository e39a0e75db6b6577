// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/level_change.h"

#include "game/career.h"

void changeLevel(Career& career, Level to) {
    career.skills = career.startingSkills;
    career.level = to;
}

void promote(Career& career) {
    if (career.level == Level::national) {
        career.matchFee = worldCupFee;
        career.selectedForWorldCup = true;
        career.sinceLastMatch.selectedForWorldCup = true;
        return;
    }
    const Level to = levelAbove(career.level);
    career.matchFee = arrivalFee(to);
    changeLevel(career, to);
    career.team = teamAt(career, to);
    career.sinceLastMatch.levelChanges.push_back(to);
}

void dropOneLevel(Career& career) {
    career.selectedForWorldCup = false;
    if (career.level == Level::club) return;
    const Level to = levelBelow(career.level);
    career.matchFee = arrivalFee(to);
    changeLevel(career, to);
    career.team = teamAt(career, to);
    career.gear = Gear{};
    career.body = Body{};
    career.sponsorship = 0;
    career.sinceLastMatch.levelChanges.push_back(to);
}
