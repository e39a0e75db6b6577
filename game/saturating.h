// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// The game's counts and values have fixed widths. Past a width's limit a
// value stands at the limit instead of wrapping.

template <typename Whole>
Whole saturate(double value) {
    constexpr auto low = std::numeric_limits<Whole>::min();
    constexpr auto high = std::numeric_limits<Whole>::max();
    if (std::isnan(value)) return 0;
    // Compared as doubles: a 64-bit limit becomes the nearest power of two,
    // 2^63 for the highest, at and above which no cast is safe.
    if (value <= static_cast<double>(low)) return low;
    if (value >= static_cast<double>(high)) return high;
    return static_cast<Whole>(value);
}

inline std::int16_t saturate16(double value) {
    return saturate<std::int16_t>(value);
}

inline std::int32_t saturate32(double value) {
    return saturate<std::int32_t>(value);
}

// Rounded to the nearest whole number, halves to even, as the game reads a
// figure into a whole-number width.
inline std::int16_t round16(double value) {
    return saturate16(std::nearbyint(value));
}

inline std::int32_t round32(double value) {
    return saturate32(std::nearbyint(value));
}
