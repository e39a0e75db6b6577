// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/shown_numbers.h"

#include <QLocale>
#include <cmath>

#include "game/career.h"

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

QString shownAverage(const BattingAverage& average) {
    // The average's own form, with a point, written again character by
    // character: a digit as the locale writes it (Bengali "৩৭.২৫").
    const QLocale locale = shownLocale();
    QString shown;
    for (const QChar c : average.text(QStringLiteral("."))) {
        if (c.isDigit()) {
            shown += locale.toString(c.digitValue());
        } else if (c == QLatin1Char('.')) {
            shown += locale.decimalPoint();
        } else if (c == QLatin1Char('-')) {
            shown += locale.negativeSign();
        } else {
            shown += c;
        }
    }
    return shown;
}

QString shownSign(qint64 change) {
    const QLocale locale = shownLocale();
    if (change > 0) return locale.positiveSign();
    if (change < 0) return locale.negativeSign();
    return QStringLiteral("\u00b1");
}

QString shownMoney(double amount) {
    const QLocale locale = shownLocale();
    if (std::floor(amount) == amount && std::fabs(amount) < 1e15)
        return locale.toString(static_cast<qint64>(amount));
    return locale.toString(amount, 'f',
                           std::floor(amount) == amount ? 0 : QLocale::FloatingPointShortest);
}
