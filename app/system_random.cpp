// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/system_random.h"

#include <chrono>

SystemRandom::SystemRandom() {
    std::random_device entropy;
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq seed{static_cast<std::uint32_t>(ticks),
                       static_cast<std::uint32_t>(ticks >> 32),
                       entropy(),
                       entropy(),
                       entropy(),
                       entropy()};
    engine_.seed(seed);
}

double SystemRandom::draw() {
    return unitInterval(engine_());
}
