#include "ui/system_random.h"

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
    // The top 53 bits make an evenly spread double that never reaches 1.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}
