// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/selection.h"

#include "game/career.h"
#include "game/ratings.h"

bool earnsPromotion(const Career& career) {
    if (career.selectedForWorldCup) return false;
    return overallSkill(career.skills) >= promotionSkill ||
           career.skills.batting >= promotionSpecialism ||
           career.skills.bowling >= promotionSpecialism;
}

std::optional<PlayNotice> rejection(const Career& career) {
    const int threshold = selectionThreshold(career.level);
    if (overallSkill(career.skills) < threshold) return PlayNotice::notGoodEnough;
    if (career.skills.fielding < threshold) return PlayNotice::poorFielding;
    if (lowestGearItem(career.gear) <= wornOutCondition) return PlayNotice::shortOfGear;
    if (lowestOfBody(career.body) <= wornOutCondition) return PlayNotice::unfit;
    return std::nullopt;
}
