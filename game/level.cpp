// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/level.h"

#include <QCoreApplication>

namespace {

// The levels' names, wherever the game names a level: the main screen, the
// record book's columns, the History window, the notices of a promotion or
// a drop.
const char* const names[levelCount] = {
    //: A level of play.
    QT_TRANSLATE_NOOP("Level", "Club"),
    //: A level of play.
    QT_TRANSLATE_NOOP("Level", "City"),
    //: A level of play.
    QT_TRANSLATE_NOOP("Level", "State"),
    //: A level of play.
    QT_TRANSLATE_NOOP("Level", "National")};

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
