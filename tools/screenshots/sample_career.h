#pragma once

#include "game/start_career.h"

struct Career;
class RandomSource;

// The cricketer every screenshot shows.
PlayerDetails sampleDetails();

// Brings a freshly started career to the middle of a season at city level:
// a run of club matches, the promotion, a few city matches and a sponsor,
// all through the game's own rules.
void playSampleSeason(Career& career, RandomSource& random);
