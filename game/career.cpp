#include "game/career.h"

#include "game/batting_average.h"

QString BattingAverage::text(const QString& decimalPoint) const {
    if (const float* computed = std::get_if<float>(&figure_)) {
        return formatBattingAverage(*computed, decimalPoint);
    }
    return std::get<QString>(figure_);
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
