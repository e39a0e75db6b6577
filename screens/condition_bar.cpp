// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/condition_bar.h"

int barTwips(int value) {
    return value <= 0 ? 0 : static_cast<int>(static_cast<long long>(value) * fullBarTwips / 100);
}
