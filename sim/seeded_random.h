// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

#include "game/random_source.h"

// The simulator's source of chance: one Mersenne Twister stream from a given
// seed, so that a run can be repeated draw for draw.
class SeededRandom final : public RandomSource {
  public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}

    double draw() override { return unitInterval(engine_()); }

  private:
    std::mt19937_64 engine_;
};
