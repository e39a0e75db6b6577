// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripted_random.h"

#include <gtest/gtest.h>

double ScriptedRandom::draw() {
    ++taken;
    if (draws.empty()) {
        ADD_FAILURE() << "unscripted random draw";
        return 0;
    }
    const double value = draws.front();
    draws.pop_front();
    return value;
}
