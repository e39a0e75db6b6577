// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The one source of chance in the game: every draw is uniform in [0, 1).
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual double draw() = 0;
};

// The top 53 bits of a 64-bit random word as an evenly spread double that
// never reaches 1.
inline double unitInterval(std::uint64_t bits) {
    return static_cast<double>(bits >> 11) * 0x1.0p-53;
}

// floor(draw × n): an index or amount from 0 to n - 1.
inline int drawBelow(RandomSource& random, int n) {
    const int index = static_cast<int>(random.draw() * n);
    return index < n ? index : n - 1;
}
