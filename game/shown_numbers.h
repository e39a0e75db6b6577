// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

// Numbers as the player reads them: the digits, grouping and decimal point of
// the player's locale (an Indian locale writes one lakh "1,00,000"; the C
// locale writes plain digits). Files never use these: they keep one form
// under every locale (moneyText, QString::number).
QString shownNumber(qint64 value);

// A number with that many decimals, as a batting average is shown.
QString shownDecimal(double value, int decimals);

// The locale these write numbers in, for what writes its own (a chart's
// axes).
QLocale shownLocale();

// An amount of rupees: whole rupees grouped as the locale groups them, the
// fraction only when there is one (which only a save file changed by hand
// brings).
QString shownMoney(double amount);

