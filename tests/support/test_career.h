#pragma once

#include "game/career.h"

// A fresh career of "Ravi" at the Five Star club, city Pune, state Goa,
// country India, with the given starting skills and auto-save off.
Career testCareer(int batting, int bowling, int fielding);

// Puts the career at a level as a loaded career would be: level, its team
// and the fee of arriving there.
void placeAtLevel(Career& career, Level level);
