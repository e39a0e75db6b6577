// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

#include "game/random_source.h"

// One generator for the whole program, seeded once from the clock mixed with
// the system's entropy source. Re-seeding before every draw would make draws
// taken within one clock tick identical; a single stream keeps them independent.
class SystemRandom final : public RandomSource {
  public:
    SystemRandom();
    double draw() override;

  private:
    std::mt19937_64 engine_;
};
