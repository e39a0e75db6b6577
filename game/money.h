// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The most money of any kind a career holds, either way from zero: match
// fee, sponsorship, other income and bank balance. Below 2^53, so a sum of
// the four whole-rupee amounts a match pays in is exact in a double, and far
// above anything a career earns; only a save file changed by hand comes near.
constexpr double moneyLimit = 999'999'999'999'999.0;

// The amount, or the limit it passes. Money held at the limit stays a number
// that a save file can hold, where growing without bound would reach
// infinity.
double saturateMoney(double amount);

// An amount of rupees as the save and history files write it, the same
// under every locale: plain digits without grouping, a minus sign only below
// zero, and the fraction only when there is one (which only a save file
// changed by hand brings). The screens show an amount with shownMoney.
QString moneyText(double amount);
