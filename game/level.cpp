// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/level.h"

#include <QCoreApplication>

namespace {

//: A level of play, as the record book heads its column.
const char* const names[levelCount] = {
    QT_TRANSLATE_NOOP("Level", "Club"), QT_TRANSLATE_NOOP("Level", "City"),
    QT_TRANSLATE_NOOP("Level", "State"), QT_TRANSLATE_NOOP("Level", "National")};

}  // namespace

QString levelName(Level level) {
    return QCoreApplication::translate("Level", names[levelIndex(level)]);
}

int selectionThreshold(Level level) {
    static constexpr std::array<int, levelCount> thresholds{0, 10, 15, 25};
    return thresholds[levelIndex(level)];
}

double arrivalFee(Level level) {
    static constexpr std::array<double, levelCount> fees{3000, 5000, 7000, 10000};
    return fees[levelIndex(level)];
}
