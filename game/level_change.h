// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/level.h"

struct Career;

// Moves the career to another level. The skills go back to the values the
// career started with; the statistics shown are those of the new level,
// which go on from where they stopped when he was last there.
void changeLevel(Career& career, Level to);

// Up one level, with its match fee and team. A national player is picked for
// the World Cup instead, at the World Cup fee.
void promote(Career& career);

// Down one level (never below the club), with its match fee and team, gear
// and body fully restored and no sponsorship income. The sponsor's name stays.
void dropOneLevel(Career& career);
