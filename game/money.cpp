// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/money.h"

#include <QLocale>
#include <cmath>

double saturateMoney(double amount) {
    if (std::isnan(amount)) return 0;
    if (amount > moneyLimit) return moneyLimit;
    if (amount < -moneyLimit) return -moneyLimit;
    return amount;
}

QString moneyText(double amount) {
    if (std::floor(amount) != amount) {
        return QString::number(amount, 'f', QLocale::FloatingPointShortest);
    }
    if (std::fabs(amount) < 1e15) return QString::number(static_cast<qlonglong>(amount));
    return QString::number(amount, 'f', 0);
}
