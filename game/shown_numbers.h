// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

class BattingAverage;

// Numbers as the player reads them: the digits, grouping and decimal point of
// the player's locale (an Indian locale writes one lakh "1,00,000"; the C
// locale writes plain digits). Files never use these: they keep one form
// under every locale (moneyText, QString::number).
QString shownNumber(qint64 value);

// A figure with a fraction (runs per match, a chart's mean), with that many
// decimals.
QString shownDecimal(double value, int decimals);

// The locale these write numbers in, for what writes its own (a chart's
// axes).
QLocale shownLocale();

// An amount of rupees: whole rupees grouped as the locale groups them, the
// fraction only when there is one (which only a save file changed by hand
// brings).
QString shownMoney(double amount);

// A batting average as the record book shows it (".50", "37.25"), in the
// locale's digits and decimal point.
QString shownAverage(const BattingAverage& average);

// A change since before with its sign, "+5", "-3" as the locale writes them,
// "±0" for none: "45 (+5)" is shownNumber(45) and shownChange(5).
QString shownChange(qint64 change);

// A run that reads left to right whatever the sentence around it: a file's
// path or name, a signed figure. Embedded left to right (U+202A ... U+202C)
// so that in a right-to-left sentence the leading "/" of a path or the "-"
// of a figure stays before what follows it instead of moving to its end.
// Not isolated (U+2066 ... U+2069): DejaVu Sans, in every font list, has no
// isolate marks, and the stand-in font Qt takes for them asks for a taller
// line than the design's labels have. Negative figures from the functions
// above come so already.
QString shownLeftToRight(const QString& text);

// A file's or folder's path as the player reads it: the platform's
// separators, kept left to right.
QString shownPath(const QString& path);

