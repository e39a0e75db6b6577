// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/selection.h"

#include <initializer_list>
#include <utility>

#include "game/career.h"
#include "game/ratings.h"

bool earnsPromotion(const Career& career) {
    if (career.selectedForWorldCup) return false;
    return overallSkill(career.skills) >= promotionSkill ||
           career.skills.batting >= promotionSpecialism ||
           career.skills.bowling >= promotionSpecialism;
}

namespace {

// The lowest of a few figures, the first named of equals.
Shortfall mostWorn(std::initializer_list<std::pair<Shortfall::Figure, int>> figures) {
    auto lowest = *figures.begin();
    for (const auto& figure : figures) {
        if (figure.second < lowest.second) lowest = figure;
    }
    return {lowest.first, lowest.second, leastToPlay};
}

}  // namespace

std::optional<Rejection> rejection(const Career& career) {
    const int threshold = selectionThreshold(career.level);
    const int overall = overallSkill(career.skills);
    if (overall < threshold) {
        return Rejection{PlayNotice::notGoodEnough, {Shortfall::overallSkill, overall, threshold}};
    }
    if (career.skills.fielding < threshold) {
        return Rejection{PlayNotice::poorFielding,
                         {Shortfall::fielding, career.skills.fielding, threshold}};
    }
    if (lowestGearItem(career.gear) <= wornOutCondition) {
        const Gear& g = career.gear;
        return Rejection{PlayNotice::shortOfGear, mostWorn({{Shortfall::bat, g.bat},
                                                            {Shortfall::gloves, g.gloves},
                                                            {Shortfall::pads, g.pads},
                                                            {Shortfall::others, g.others}})};
    }
    if (lowestOfBody(career.body) <= wornOutCondition) {
        const Body& b = career.body;
        return Rejection{PlayNotice::unfit, mostWorn({{Shortfall::fitness, b.fitness},
                                                      {Shortfall::health, b.health},
                                                      {Shortfall::stamina, b.stamina}})};
    }
    return std::nullopt;
}

std::vector<DropWarning> dropWarnings(const Career& career) {
    std::vector<DropWarning> warnings;
    if (earnsPromotion(career)) return warnings;
    const int threshold = selectionThreshold(career.level);
    const auto skill = [&](Shortfall::Figure figure, int value) {
        if (value < threshold) warnings.push_back({figure, value, threshold, true});
    };
    const auto condition = [&](Shortfall::Figure figure, int value) {
        if (value <= wornOutWarning) {
            warnings.push_back({figure, value, wornOutCondition, value <= wornOutCondition});
        }
    };
    skill(Shortfall::overallSkill, overallSkill(career.skills));
    skill(Shortfall::fielding, career.skills.fielding);
    condition(Shortfall::bat, career.gear.bat);
    condition(Shortfall::gloves, career.gear.gloves);
    condition(Shortfall::pads, career.gear.pads);
    condition(Shortfall::others, career.gear.others);
    condition(Shortfall::fitness, career.body.fitness);
    condition(Shortfall::health, career.body.health);
    condition(Shortfall::stamina, career.body.stamina);
    return warnings;
}
