// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Reads a number from a line of a save file as QString::toDouble reads it,
// whatever the locale: decimal digits with an optional sign, fraction and
// exponent ("1e3" reads as 1000), blanks around it allowed. False for
// anything else, infinities and NaN included.
bool parseFileNumber(const QString& text, double& result);
