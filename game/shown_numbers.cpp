// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/shown_numbers.h"

#include <QLocale>
#include <cmath>

// The C (or POSIX) locale writes plain digits, as the game always has.
QLocale shownLocale() {
    QLocale locale;
    if (locale.language() == QLocale::C) locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString shownNumber(qint64 value) {
    return shownLocale().toString(value);
}

QString shownDecimal(double value, int decimals) {
    return shownLocale().toString(value, 'f', decimals);
}

QString shownMoney(double amount) {
    const QLocale locale = shownLocale();
    if (std::floor(amount) == amount && std::fabs(amount) < 1e15)
        return locale.toString(static_cast<qint64>(amount));
    return locale.toString(amount, 'f',
                           std::floor(amount) == amount ? 0 : QLocale::FloatingPointShortest);
}
