// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The batting average as the record shows it: two decimals, halves rounded
// away from zero, no digit before the separator below 1 (".50", ".00", ".13",
// "37.25"). The float is read as its shortest decimal form, so an average of
// exactly 0.145 shows ".15" although the nearest float lies just below it.
QString formatBattingAverage(float average, const QString& decimalPoint);
