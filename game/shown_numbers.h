// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Numbers as the player reads them: the digits, grouping and decimal point of
// the player's locale (an Indian locale writes one lakh "1,00,000"; the C
// locale writes plain digits). Files never use these: they keep one form
// under every locale (moneyText, QString::number).
QString shownNumber(qint64 value);

// An amount of rupees: whole rupees grouped as the locale groups them, the
// fraction only when there is one (which only a save file changed by hand
// brings).
QString shownMoney(double amount);

// A figure with a fraction (runs per match), with the given decimals.
QString shownDecimal(double value, int decimals);
