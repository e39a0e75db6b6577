// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/career.h"

#include <QRegularExpression>

#include "game/batting_average.h"

QString BattingAverage::text(const QString& decimalPoint) const {
    if (const float* computed = std::get_if<float>(&figure_)) {
        return formatBattingAverage(*computed, decimalPoint);
    }
    // A figure read from a file may have been written with a decimal comma
    // (older saves took the writer's locale): its one separator, between
    // digits, takes the point asked for. Any other text stays as it was read.
    const QString& written = std::get<QString>(figure_);
    static const QRegularExpression decimal(QStringLiteral(R"(^(-?\d*)[.,](\d+)$)"));
    const QRegularExpressionMatch figure = decimal.match(written);
    if (!figure.hasMatch()) return written;
    return figure.captured(1) + decimalPoint + figure.captured(2);
}

const QString& teamAt(const Career& career, Level level) {
    switch (level) {
        case Level::club:
            return career.drawnClub;
        case Level::city:
            return career.teams.city;
        case Level::state:
            return career.teams.state;
        case Level::national:
            return career.teams.nation;
    }
    return career.drawnClub;
}
