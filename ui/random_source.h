#pragma once

// The one source of chance in the game: every draw is uniform in [0, 1).
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual double draw() = 0;
};

// floor(draw × n): an index or amount from 0 to n - 1.
inline int drawBelow(RandomSource& random, int n) {
    const int index = static_cast<int>(random.draw() * n);
    return index < n ? index : n - 1;
}
