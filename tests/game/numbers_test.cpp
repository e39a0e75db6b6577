// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "game/money.h"
#include "game/saturating.h"
#include "support/qt_printers.h"

namespace {

constexpr std::int32_t int32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();

TEST(WholeNumbers, RoundHalvesToEvenAndStandAtTheLimitOfTheirWidth) {
    const struct {
        double value;
        std::int16_t as16;
        std::int32_t as32;
    } cases[] = {{0.5, 0, 0},
                 {1.5, 2, 2},
                 {2.5, 2, 2},
                 {-2.5, -2, -2},
                 {-0.6, -1, -1},
                 {7, 7, 7},
                 {32767.4, 32767, 32767},
                 {32767.5, 32767, 32768},
                 {99999, 32767, 99999},
                 {-99999, -32768, -99999},
                 {1e12, 32767, int32Max},
                 {-1e12, -32768, int32Min},
                 {std::nan(""), 0, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(round16(c.value), c.as16) << c.value;
        EXPECT_EQ(round32(c.value), c.as32) << c.value;
    }
}

TEST(WholeNumbers, SaturatingCutsTheFractionTowardsZero) {
    EXPECT_EQ(saturate16(2.9), 2);
    EXPECT_EQ(saturate16(-2.9), -2);
    EXPECT_EQ(saturate16(40000), 32767);
    EXPECT_EQ(saturate32(-3e9), int32Min);
    EXPECT_EQ(saturate32(2147483647.9), int32Max);
}

TEST(MoneyText, PlainDigitsAndAFractionOnlyWhenThereIsOne) {
    const struct {
        double amount;
        const char* text;
    } cases[] = {{-12, "-12"},
                 {0, "0"},
                 {-0.0, "0"},
                 {3000000000.0, "3000000000"},
                 {250.5, "250.5"},
                 {-0.25, "-0.25"},
                 {1e20, "100000000000000000000"}};
    for (const auto& c : cases) {
        EXPECT_EQ(moneyText(c.amount), QString::fromLatin1(c.text)) << c.amount;
    }
}

TEST(MoneyLimit, AmountsStandAtTheLimitEitherWayAndKeepTheirFraction) {
    constexpr double infinity = std::numeric_limits<double>::infinity();
    const struct {
        double amount;
        double held;
    } cases[] = {{0, 0},
                 {-250.5, -250.5},
                 {5000000000.0, 5000000000.0},
                 {999999999999999.0, 999999999999999.0},
                 {-999999999999999.0, -999999999999999.0},
                 {1000000000000000.0, 999999999999999.0},
                 {-1000000000000000.0, -999999999999999.0},
                 {std::numeric_limits<double>::max(), 999999999999999.0},
                 {infinity, 999999999999999.0},
                 {-infinity, -999999999999999.0},
                 {std::nan(""), 0}};
    for (const auto& c : cases) EXPECT_EQ(saturateMoney(c.amount), c.held) << c.amount;
    // Every sum of four whole amounts within the limit is exact, so a
    // pay-out never loses a rupee before it is held to the limit.
    EXPECT_LT(4 * moneyLimit, 9007199254740992.0);  // 2^53
    EXPECT_EQ(moneyText(moneyLimit), QStringLiteral("999999999999999"));
    EXPECT_EQ(moneyText(-moneyLimit), QStringLiteral("-999999999999999"));
}

}  // namespace
