// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/career.h"
#include "game/history.h"

struct PlayedCareer {
    Career career;
    CareerHistory history;
};

// The longest career there can be: seed 1, the bookie always turned down,
// stopped at 32,767 matches. `bailcrest_simulator --careers 1 --seed 1
// --match-cap 32767 --bribe-acceptance 0 --history DIR` writes the very same
// history file. Played once, on first use.
const PlayedCareer& longestCareerPlayed();
