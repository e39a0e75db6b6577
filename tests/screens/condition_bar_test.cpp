// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/condition_bar.h"

#include <gtest/gtest.h>

namespace {

// The bars of the main screen, from a condition or an overall condition:
// full at 100, in proportion below, empty at 0 or less, and past 100 (a
// career loaded from a hand-edited file) as wide as the value asks.
TEST(ConditionBar, WidthFollowsItsValueAndIsEmptyBelowZero) {
    const struct {
        int value;
        int twips;
    } cases[] = {{100, 1335}, {99, 1321}, {50, 667}, {49, 654},      {1, 13},
                 {0, 0},      {-3, 0},    {-8, 0},   {8191, 109349}, {10922, 145808}};
    for (const auto& c : cases) EXPECT_EQ(barTwips(c.value), c.twips) << c.value;
}

}  // namespace
