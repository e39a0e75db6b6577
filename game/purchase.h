// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "game/career.h"

// The values of a career that money can raise.
enum class Purchasable {
    batting,
    bowling,
    fielding,
    bat,
    gloves,
    pads,
    others,
    fitness,
    health,
    stamina
};

std::int16_t& valueOf(Career& career, Purchasable value);
std::int16_t valueOf(const Career& career, Purchasable value);

// How many units a row can take in one visit, from its current value.
enum class UnitsRule {
    ladder,   // a skill rises at most to the next step of 25 between 50 and 200
    restore,  // a condition comes back at most to 100
};

// Never below 0 and never past 16 bits.
int unitsOffered(UnitsRule rule, int currentValue);

// What one purchase centre sells: its rows with their rates, and how many
// units a row is offered.
struct PurchaseCentre {
    struct Row {
        Purchasable value;
        int rate;  // per unit at club level, or at every level when rates are fixed
    };

    std::vector<Row> rows;
    bool ratesByLevel = false;
    UnitsRule rule = UnitsRule::restore;
    // Where the history adds up what is spent here between two matches.
    std::int32_t SinceLastMatch::*spending;
};

namespace purchase_centres {

// Batting, bowling and fielding, priced by level, up the ladder of skills.
const PurchaseCentre& training();

// Bat, gloves, pads and other gear at fixed prices, back up to 100.
const PurchaseCentre& store();

// Fitness, health and stamina, priced by level, back up to 100.
const PurchaseCentre& health();

}  // namespace purchase_centres

// One row of a purchase, from the career's value at opening to the units the
// player has chosen.
struct PurchaseRow {
    Purchasable value = Purchasable::batting;
    int rate = 0;
    int currentValue = 0;
    int unitsOffered = 0;
    int unitsChosen = 0;

    // Every offered unit at the rate.
    std::int32_t amount() const;
    // The chosen units at the rate.
    std::int32_t cost() const;
};

// One visit to a purchase centre. It opens from the career proposing every
// offered unit; the career changes only when the purchase is confirmed.
class Purchase {
  public:
    Purchase(const PurchaseCentre& centre, const Career& career);

    const std::vector<PurchaseRow>& rows() const { return rows_; }
    // The bank balance at opening, as it is.
    double balanceBefore() const { return balanceBefore_; }

    // Kept between 0 and the row's units offered.
    void setUnitsChosen(int row, int units);

    std::int32_t totalCost() const;
    // The balance before less the total cost, exact for whole rupees, held
    // within the money limit (which keeps its sign, so a shortage never
    // passes for a balance of 0 or more).
    double balanceAfter() const;
    bool affordable() const { return balanceAfter() >= 0; }

    std::int32_t SinceLastMatch::*spending() const { return spending_; }

  private:
    double exactTotalCost() const;

    std::vector<PurchaseRow> rows_;
    double balanceBefore_ = 0;
    std::int32_t SinceLastMatch::*spending_;
};

enum class PurchaseOutcome { bought, shortOfMoney };

// OK on a purchase centre: a purchase the balance cannot cover changes
// nothing; otherwise each row's chosen units are added to its value, in row
// order, and the bank balance becomes the balance after, so that it falls by
// exactly the total cost.
PurchaseOutcome confirmPurchase(Career& career, const Purchase& purchase);
