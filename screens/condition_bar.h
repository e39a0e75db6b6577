// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The width of the bar that shows a condition or an overall condition on the
// main screen: the full width at 100, in proportion below, empty at 0 or less.
inline constexpr int fullBarTwips = 1335;
int barTwips(int value);
