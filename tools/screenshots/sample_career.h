// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/start_career.h"

struct Career;
class CareerHistory;
class RandomSource;

// The cricketer every screenshot shows.
PlayerDetails sampleDetails();

// A career freshly started at the club named (the English name of one of
// clubNames).
Career careerAtClub(const QString& club, RandomSource& random);

// Brings a freshly started career to the middle of a season at city level:
// a run of club matches, the promotion, a few city matches and a sponsor,
// all through the game's own rules.
void playSampleSeason(Career& career, RandomSource& random);

// Plays a freshly started career on as a careful player would, press by
// press of Play through the game's own rules, for the History window: he
// takes the best sponsor on offer, keeps his gear and body up, trains with
// what is left over and refuses the bookie. Each match goes into the history,
// up to the given number of matches or the end of the career.
void playSampleCareer(Career& career, CareerHistory& history, RandomSource& random, int matches);
