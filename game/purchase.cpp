// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/purchase.h"

#include "game/career.h"
#include "game/money.h"
#include "game/saturating.h"

namespace {

// The value in a career, or in a career only read.
template <typename AnyCareer>
auto& valueIn(AnyCareer& career, Purchasable value) {
    switch (value) {
        case Purchasable::batting:
            return career.skills.batting;
        case Purchasable::bowling:
            return career.skills.bowling;
        case Purchasable::fielding:
            return career.skills.fielding;
        case Purchasable::bat:
            return career.gear.bat;
        case Purchasable::gloves:
            return career.gear.gloves;
        case Purchasable::pads:
            return career.gear.pads;
        case Purchasable::others:
            return career.gear.others;
        case Purchasable::fitness:
            return career.body.fitness;
        case Purchasable::health:
            return career.body.health;
        case Purchasable::stamina:
            return career.body.stamina;
    }
    return career.skills.batting;
}

}  // namespace

std::int16_t& valueOf(Career& career, Purchasable value) {
    return valueIn(career, value);
}

std::int16_t valueOf(const Career& career, Purchasable value) {
    return valueIn(career, value);
}

int unitsOffered(UnitsRule rule, int currentValue) {
    double units = 0;
    if (rule == UnitsRule::restore) {
        units = 100.0 - currentValue;
    } else if (currentValue < 50) {
        units = 50.0 - currentValue;
    } else if (currentValue < 200) {
        const int nextStep = (currentValue / 25 + 1) * 25;
        units = nextStep - currentValue;
    }
    // A value past the top (only a hand-edited save holds one) is offered nothing.
    return units < 0 ? 0 : saturate16(units);
}

namespace purchase_centres {

const PurchaseCentre& training() {
    static const PurchaseCentre centre{
        {{Purchasable::batting, 1500}, {Purchasable::bowling, 1500}, {Purchasable::fielding, 1000}},
        true,
        UnitsRule::ladder,
        &SinceLastMatch::trainingCost};
    return centre;
}

const PurchaseCentre& store() {
    static const PurchaseCentre centre{{{Purchasable::bat, 150},
                                        {Purchasable::gloves, 100},
                                        {Purchasable::pads, 225},
                                        {Purchasable::others, 350}},
                                       false,
                                       UnitsRule::restore,
                                       &SinceLastMatch::gearCost};
    return centre;
}

const PurchaseCentre& health() {
    static const PurchaseCentre centre{
        {{Purchasable::fitness, 200}, {Purchasable::health, 350}, {Purchasable::stamina, 150}},
        true,
        UnitsRule::restore,
        &SinceLastMatch::healthCareCost};
    return centre;
}

}  // namespace purchase_centres

std::int32_t PurchaseRow::amount() const {
    return saturate32(static_cast<double>(unitsOffered) * rate);
}

std::int32_t PurchaseRow::cost() const {
    return saturate32(static_cast<double>(unitsChosen) * rate);
}

Purchase::Purchase(const PurchaseCentre& centre, const Career& career)
    : balanceBefore_(career.bankBalance), spending_(centre.spending) {
    const int multiplier = centre.ratesByLevel ? levelNumber(career.level) : 1;
    for (const PurchaseCentre::Row& offer : centre.rows) {
        PurchaseRow row;
        row.value = offer.value;
        row.rate = saturate16(static_cast<double>(offer.rate) * multiplier);
        row.currentValue = valueOf(career, offer.value);
        row.unitsOffered = unitsOffered(centre.rule, row.currentValue);
        row.unitsChosen = row.unitsOffered;
        rows_.push_back(row);
    }
}

void Purchase::setUnitsChosen(int row, int units) {
    PurchaseRow& r = rows_.at(row);
    r.unitsChosen = units < 0 ? 0 : (units > r.unitsOffered ? r.unitsOffered : units);
}

double Purchase::exactTotalCost() const {
    double total = 0;
    for (const PurchaseRow& row : rows_) total += row.cost();
    return total;
}

std::int32_t Purchase::totalCost() const {
    return saturate32(exactTotalCost());
}

double Purchase::balanceAfter() const {
    return saturateMoney(balanceBefore_ - exactTotalCost());
}

PurchaseOutcome confirmPurchase(Career& career, const Purchase& purchase) {
    if (!purchase.affordable()) return PurchaseOutcome::shortOfMoney;
    for (const PurchaseRow& row : purchase.rows()) {
        std::int16_t& value = valueOf(career, row.value);
        value = saturate16(value + row.unitsChosen);
    }
    career.bankBalance = purchase.balanceAfter();
    std::int32_t& spent = career.sinceLastMatch.*purchase.spending();
    spent = saturate32(static_cast<double>(spent) + purchase.totalCost());
    return PurchaseOutcome::bought;
}
