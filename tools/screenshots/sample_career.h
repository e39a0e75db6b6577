#pragma once

#include "core/start_up.h"

struct Career;
class Prompter;
class RandomSource;

// The cricketer every screenshot shows.
PlayerDetails sampleDetails();

// Brings a freshly started career to the middle of a season at city level:
// a run of club matches, the promotion, a few city matches and a sponsor,
// all through the game's own rules.
void playSampleSeason(Career& career, Prompter& prompter, RandomSource& random);
