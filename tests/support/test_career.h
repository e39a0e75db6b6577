#pragma once

#include <initializer_list>
#include <utility>

#include "core/career.h"
#include "core/play_host.h"

// A play host that only counts what the rules asked of it.
class CountingPlayHost final : public PlayHost {
  public:
    int matchesPlayed = 0;
    int careersEnded = 0;
    void playMatch() override { ++matchesPlayed; }
    void endCareer() override { ++careersEnded; }
};

// A fresh career of "Ravi" at the Five Star club, city Pune, state Goa,
// country India, with the given starting skills.
void startTestCareer(Career& career, int batting, int bowling, int fielding);

// Puts the career at a level as a loaded career would be: level word, team
// and the fee of arriving there.
void placeAtLevel(Career& career, int column);

void setFields(CareerRecord& record, std::initializer_list<std::pair<Field, const char*>> fields);
