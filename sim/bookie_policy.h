// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/random_source.h"

// The simulated player's answer to the bookie's offer: he takes the money
// with the given probability, on one draw of the career's own random stream.
inline bool takesTheBookiesMoney(RandomSource& random, double bribeAcceptance) {
    return random.draw() < bribeAcceptance;
}
