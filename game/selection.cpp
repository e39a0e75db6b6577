#include "game/selection.h"

#include <algorithm>
#include <initializer_list>

#include "game/career.h"
#include "game/ratings.h"

namespace {

bool anyWornOut(std::initializer_list<std::int16_t> conditions) {
    return std::any_of(conditions.begin(), conditions.end(),
                       [](int value) { return value <= wornOutCondition; });
}

}  // namespace

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
    const Gear& gear = career.gear;
    if (anyWornOut({gear.bat, gear.gloves, gear.pads, gear.others})) return PlayNotice::shortOfGear;
    const Body& body = career.body;
    if (anyWornOut({body.fitness, body.health, body.stamina})) return PlayNotice::unfit;
    return std::nullopt;
}
