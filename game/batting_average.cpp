// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/batting_average.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

QString formatBattingAverage(float average, const QString& decimalPoint) {
    if (!std::isfinite(average)) average = 0;
    char shortest[64];
    const auto written = std::to_chars(shortest, shortest + sizeof shortest, std::fabs(average),
                                       std::chars_format::fixed);
    const std::string_view decimal(shortest, written.ptr - shortest);
    const std::size_t point = decimal.find('.');
    const std::string_view whole = decimal.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : decimal.substr(point + 1);

    // Hundredths as decimal digits, rounded on the third decimal.
    std::string digits(whole);
    for (std::size_t i = 0; i < 2; ++i) digits += i < fraction.size() ? fraction[i] : '0';
    if (fraction.size() > 2 && fraction[2] >= '5') {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
        if (i == 0) {
            digits.insert(digits.begin(), '1');
        } else {
            ++digits[i - 1];
        }
    }

    const std::size_t firstDigit = std::min(digits.find_first_not_of('0'), digits.size() - 2);
    const std::string_view units(digits.data() + firstDigit, digits.size() - 2 - firstDigit);
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    QString text;
    if (std::signbit(average) && !zero) text += QLatin1Char('-');
    text += QLatin1String(units.data(), static_cast<qsizetype>(units.size()));
    text += decimalPoint;
    text += QLatin1String(digits.data() + digits.size() - 2, 2);
    return text;
}
