#include "game/level.h"

int selectionThreshold(Level level) {
    static constexpr std::array<int, levelCount> thresholds{0, 10, 15, 25};
    return thresholds[levelIndex(level)];
}

double arrivalFee(Level level) {
    static constexpr std::array<double, levelCount> fees{3000, 5000, 7000, 10000};
    return fees[levelIndex(level)];
}
