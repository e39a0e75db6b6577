// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>

#include "game/random_source.h"

// Draws from a script; once the script runs out, draws fail the test.
class ScriptedRandom final : public RandomSource {
  public:
    std::deque<double> draws;
    int taken = 0;
    double draw() override;
};

// A draw that makes floor(draw × n) equal k.
inline double drawFor(int k, int n) {
    return (k + 0.5) / n;
}
