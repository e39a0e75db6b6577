// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ratings.h"

#include <QCoreApplication>
#include <algorithm>
#include <initializer_list>

#include "game/saturating.h"

namespace {

// The sum is formed in 16 bits, as the skills and conditions are held, and
// saturates there; the mean is rounded down, below zero too.
int floorMean(std::initializer_list<int> values) {
    int sum = 0;
    for (const int value : values) sum += value;
    const int clamped = saturate16(sum);
    const int count = static_cast<int>(values.size());
    const int quotient = clamped / count;
    return clamped % count < 0 ? quotient - 1 : quotient;
}

}  // namespace

int overallSkill(const Skills& skills) {
    return floorMean({skills.batting, skills.bowling, skills.fielding});
}

Category category(const Skills& skills) {
    const int difference = saturate16(skills.batting - skills.bowling);
    if (difference > 20) return Category::batsman;
    if (difference < -20) return Category::bowler;
    return Category::allRounder;
}

namespace {

const char* const categoryNames[] = {QT_TRANSLATE_NOOP("Category", "All Rounder"),
                                     QT_TRANSLATE_NOOP("Category", "Batsman"),
                                     QT_TRANSLATE_NOOP("Category", "Bowler")};

}  // namespace

QString categoryName(Category category) {
    return QCoreApplication::translate("Category", categoryNames[static_cast<int>(category)]);
}

int overallGear(const Gear& gear) {
    return floorMean({gear.bat, gear.gloves, gear.pads, gear.others});
}

int overallHealth(const Body& body) {
    return floorMean({body.fitness, body.health, body.stamina});
}

int lowestGearItem(const Gear& gear) {
    return std::min({gear.bat, gear.gloves, gear.pads, gear.others});
}

int lowestOfBody(const Body& body) {
    return std::min({body.fitness, body.health, body.stamina});
}
