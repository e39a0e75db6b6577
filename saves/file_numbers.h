// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Reads a number from a line of a save file: decimal digits with an optional
// sign and fraction, blanks around it allowed. False for anything else,
// infinities and NaN included.
bool parseFileNumber(const QString& text, double& result);
