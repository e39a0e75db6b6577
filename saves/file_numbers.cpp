// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/file_numbers.h"

#include <cmath>

bool parseFileNumber(const QString& text, double& result) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) return false;
    result = value;
    return true;
}
