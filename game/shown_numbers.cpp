// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/shown_numbers.h"

#include <QDir>
#include <QLocale>
#include <cmath>

#include "game/career.h"

// The C (or POSIX) locale writes plain digits, as the game always has.
QLocale shownLocale() {
    QLocale locale;
    if (locale.language() == QLocale::C) locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

namespace {

// A figure with a sign in front. The Urdu locale writes its minus after a
// left-to-right mark, but other locales under an Urdu translation do not.
QString leftToRightIfSigned(const QString& figure, bool negative) {
    return negative ? shownLeftToRight(figure) : figure;
}

}  // namespace

QString shownLeftToRight(const QString& text) {
    return QChar(0x202a) + text + QChar(0x202c);
}

QString shownPath(const QString& path) {
    return shownLeftToRight(QDir::toNativeSeparators(path));
}

QString shownNumber(qint64 value) {
    return leftToRightIfSigned(shownLocale().toString(value), value < 0);
}

QString shownDecimal(double value, int decimals) {
    const QString shown = shownLocale().toString(value, 'f', decimals);
    return leftToRightIfSigned(shown, shown.startsWith(shownLocale().negativeSign()));
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
    return leftToRightIfSigned(shown,
                               average.text(QStringLiteral(".")).startsWith(QLatin1Char('-')));
}

QString shownChange(qint64 change) {
    const QLocale locale = shownLocale();
    const QString sign = change > 0   ? locale.positiveSign()
                         : change < 0 ? locale.negativeSign()
                                      : QStringLiteral("\u00b1");
    // Kept left to right even when positive: "+" before digits in a right-to-left
    // sentence moves after them as "-" does.
    return shownLeftToRight(sign + locale.toString(change < 0 ? -change : change));
}

QString shownMoney(double amount) {
    const QLocale locale = shownLocale();
    if (std::floor(amount) == amount && std::fabs(amount) < 1e15)
        return shownNumber(static_cast<qint64>(amount));
    return leftToRightIfSigned(
        locale.toString(amount, 'f',
                        std::floor(amount) == amount ? 0 : QLocale::FloatingPointShortest),
        amount < 0);
}
