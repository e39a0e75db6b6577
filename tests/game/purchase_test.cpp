// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/purchase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/career.h"
#include "game/money.h"
#include "support/qt_printers.h"

namespace {

TEST(UnitsOffered, SkillsClimbTheLadderAndConditionsComeBackTo100) {
    const struct {
        UnitsRule rule;
        int value;
        int units;
    } cases[] = {
        {UnitsRule::ladder, 0, 50},
        {UnitsRule::ladder, 49, 1},
        {UnitsRule::ladder, 50, 25},
        {UnitsRule::ladder, 74, 1},
        {UnitsRule::ladder, 75, 25},
        {UnitsRule::ladder, 100, 25},
        {UnitsRule::ladder, 124, 1},
        {UnitsRule::ladder, 150, 25},
        {UnitsRule::ladder, 175, 25},
        {UnitsRule::ladder, 199, 1},
        {UnitsRule::ladder, 200, 0},
        {UnitsRule::ladder, 250, 0},
        {UnitsRule::ladder, -12, 62},
        {UnitsRule::restore, 100, 0},
        {UnitsRule::restore, 0, 100},
        {UnitsRule::restore, 99, 1},
        {UnitsRule::restore, -12, 112},
        {UnitsRule::restore, -5, 105},
        // Above 100 only a hand-edited save can go; it is offered nothing.
        {UnitsRule::restore, 101, 0},
        {UnitsRule::restore, 32767, 0},
        {UnitsRule::restore, -32768, 32767},
        {UnitsRule::ladder, -32768, 32767},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(unitsOffered(c.rule, c.value), c.units)
            << (c.rule == UnitsRule::ladder ? "ladder " : "restore ") << c.value;
    }
}

// A career at the level with the bank balance, every skill and condition at
// the value.
Career careerAt(Level level, double bank, int value) {
    Career career;
    career.level = level;
    career.bankBalance = bank;
    const auto v = static_cast<std::int16_t>(value);
    career.skills = {v, v, v};
    career.gear = {v, v, v, v};
    career.body = {v, v, v};
    return career;
}

struct RatesCase {
    const char* centreName;
    const PurchaseCentre& (*centre)();
    Level level;
    std::vector<int> rates;
    std::vector<int> amounts;  // with every value at 0
};

TEST(PurchaseRates, RatesAndAmountsFollowTheLevelWhereTheyShould) {
    using namespace purchase_centres;
    const RatesCase cases[] = {
        {"training", training, Level::club, {1500, 1500, 1000}, {75000, 75000, 50000}},
        {"training", training, Level::city, {3000, 3000, 2000}, {150000, 150000, 100000}},
        {"training", training, Level::state, {4500, 4500, 3000}, {225000, 225000, 150000}},
        {"training", training, Level::national, {6000, 6000, 4000}, {300000, 300000, 200000}},
        {"health", health, Level::club, {200, 350, 150}, {20000, 35000, 15000}},
        {"health", health, Level::city, {400, 700, 300}, {40000, 70000, 30000}},
        {"health", health, Level::state, {600, 1050, 450}, {60000, 105000, 45000}},
        {"health", health, Level::national, {800, 1400, 600}, {80000, 140000, 60000}},
        {"store", store, Level::club, {150, 100, 225, 350}, {15000, 10000, 22500, 35000}},
        {"store", store, Level::national, {150, 100, 225, 350}, {15000, 10000, 22500, 35000}},
    };
    for (const RatesCase& c : cases) {
        const Purchase purchase(c.centre(), careerAt(c.level, 0, 0));
        SCOPED_TRACE(std::string(c.centreName) + " at level " +
                     std::to_string(levelNumber(c.level)));
        ASSERT_EQ(purchase.rows().size(), c.rates.size());
        std::int32_t total = 0;
        for (std::size_t i = 0; i < c.rates.size(); ++i) {
            EXPECT_EQ(purchase.rows()[i].rate, c.rates[i]) << "row " << i;
            EXPECT_EQ(purchase.rows()[i].amount(), c.amounts[i]) << "row " << i;
            EXPECT_EQ(purchase.rows()[i].unitsChosen, purchase.rows()[i].unitsOffered);
            total += c.amounts[i];
        }
        // Every offered unit is proposed at opening.
        EXPECT_EQ(purchase.totalCost(), total);
        EXPECT_EQ(purchase.balanceAfter(), -total);
    }
}

TEST(PurchaseRates, EachRowRaisesItsOwnValue) {
    using namespace purchase_centres;
    const struct {
        const PurchaseCentre& (*centre)();
        std::vector<Purchasable> values;
    } cases[] = {
        {training, {Purchasable::batting, Purchasable::bowling, Purchasable::fielding}},
        {store, {Purchasable::bat, Purchasable::gloves, Purchasable::pads, Purchasable::others}},
        {health, {Purchasable::fitness, Purchasable::health, Purchasable::stamina}}};
    for (const auto& c : cases) {
        // Every value apart, so that a row raising another value shows.
        Career career = careerAt(Level::club, 10000000, 0);
        std::int16_t start = 10;
        for (const Purchasable value : c.values) valueOf(career, value) = start++;
        const Purchase purchase(c.centre(), career);
        ASSERT_EQ(purchase.rows().size(), c.values.size());
        for (std::size_t row = 0; row < c.values.size(); ++row) {
            EXPECT_EQ(purchase.rows()[row].value, c.values[row]) << row;
            EXPECT_EQ(purchase.rows()[row].currentValue, 10 + static_cast<int>(row)) << row;
        }
        ASSERT_EQ(confirmPurchase(career, purchase), PurchaseOutcome::bought);
        for (const Purchasable value : c.values) {
            EXPECT_EQ(valueOf(career, value), c.centre().rule == UnitsRule::ladder ? 50 : 100);
        }
    }
}

TEST(Purchase, LoweringARowGivesBackItsCostAndLeavesTheAmountsAlone) {
    const Purchase opened(purchase_centres::training(), careerAt(Level::national, 900000, 0));
    Purchase purchase = opened;
    EXPECT_EQ(purchase.balanceBefore(), 900000);
    EXPECT_EQ(purchase.balanceAfter(), 100000);
    purchase.setUnitsChosen(1, 0);
    EXPECT_EQ(purchase.balanceAfter(), 400000);
    EXPECT_EQ(purchase.rows()[1].amount(), 300000);
    EXPECT_EQ(purchase.rows()[1].cost(), 0);
    purchase.setUnitsChosen(1, 10);
    EXPECT_EQ(purchase.balanceAfter(), 340000);
    EXPECT_EQ(purchase.rows()[1].cost(), 60000);
    // Units stay within what the row offers.
    purchase.setUnitsChosen(1, 99);
    EXPECT_EQ(purchase.rows()[1].unitsChosen, 50);
    purchase.setUnitsChosen(1, -3);
    EXPECT_EQ(purchase.rows()[1].unitsChosen, 0);
}

TEST(ConfirmPurchase, AddsEveryRowsUnitsThenSetsTheBalance) {
    Career career = careerAt(Level::club, 100000, 90);
    career.gear.gloves = -12;
    career.gear.pads = 150;
    Purchase purchase(purchase_centres::store(), career);
    EXPECT_EQ(purchase.rows()[1].unitsOffered, 112);
    purchase.setUnitsChosen(3, 4);
    EXPECT_EQ(confirmPurchase(career, purchase), PurchaseOutcome::bought);
    EXPECT_EQ(career.gear, (Gear{100, 100, 150, 94}));
    EXPECT_EQ(career.bankBalance, 100000 - 10 * 150 - 112 * 100 - 4 * 350);
    // The skills and body are not sold here.
    EXPECT_EQ(career.skills, (Skills{90, 90, 90}));
    EXPECT_EQ(career.body, (Body{90, 90, 90}));
}

TEST(ConfirmPurchase, RefusesAShortageAndChangesNothing) {
    const struct {
        double bank;
        int unitsOfRow0;  // the other rows at 0
    } cases[] = {{1499, 1}, {-1, 0}, {-2147483000, 50}};
    for (const auto& c : cases) {
        Career career = careerAt(Level::club, c.bank, 0);
        const Career before = career;
        Purchase purchase(purchase_centres::training(), career);
        for (int row = 0; row < 3; ++row) purchase.setUnitsChosen(row, 0);
        purchase.setUnitsChosen(0, c.unitsOfRow0);
        EXPECT_FALSE(purchase.affordable()) << c.bank;
        EXPECT_EQ(confirmPurchase(career, purchase), PurchaseOutcome::shortOfMoney) << c.bank;
        EXPECT_EQ(career, before) << c.bank;
    }
}

TEST(ConfirmPurchase, AcceptsABalanceOfExactlyZero) {
    Career career = careerAt(Level::club, 1500, 49);
    Purchase purchase(purchase_centres::training(), career);
    purchase.setUnitsChosen(1, 0);
    purchase.setUnitsChosen(2, 0);
    EXPECT_EQ(purchase.balanceAfter(), 0);
    EXPECT_EQ(confirmPurchase(career, purchase), PurchaseOutcome::bought);
    EXPECT_EQ(career.bankBalance, 0);
    EXPECT_EQ(career.skills.batting, 50);
    EXPECT_EQ(career.skills.bowling, 49);
    // Up the ladder: the next visit offers the next 25.
    EXPECT_EQ(Purchase(purchase_centres::training(), career).rows()[0].unitsOffered, 25);
}

TEST(ConfirmPurchase, ValuesWornBelowZeroComeBackToExactly100) {
    Career career = careerAt(Level::state, 1000000, 100);
    career.body.fitness = -5;
    career.body.stamina = -12;
    const Purchase purchase(purchase_centres::health(), career);
    EXPECT_EQ(purchase.rows()[0].unitsOffered, 105);
    EXPECT_EQ(purchase.rows()[2].unitsOffered, 112);
    EXPECT_EQ(confirmPurchase(career, purchase), PurchaseOutcome::bought);
    EXPECT_EQ(career.body, (Body{100, 100, 100}));
    EXPECT_EQ(career.bankBalance, 1000000 - 105 * 600 - 112 * 450);
}

TEST(Purchase, BalancesBeyond32BitsChangeByExactlyTheCost) {
    // A shortage past the 32-bit range stays a shortage.
    const Purchase poor(purchase_centres::store(), careerAt(Level::club, -2147483000, 0));
    EXPECT_EQ(poor.balanceBefore(), -2147483000);
    EXPECT_EQ(poor.balanceAfter(), -2147565500);
    EXPECT_FALSE(poor.affordable());

    Career rich = careerAt(Level::club, 5000000000, 0);
    const Purchase purchase(purchase_centres::store(), rich);
    EXPECT_EQ(purchase.balanceBefore(), 5000000000);
    EXPECT_EQ(purchase.balanceAfter(), 4999917500);
    EXPECT_EQ(confirmPurchase(rich, purchase), PurchaseOutcome::bought);
    EXPECT_EQ(rich.bankBalance, 4999917500);
}

TEST(Purchase, AHandEditedFortuneIsNotCutTo32Bits) {
    // Training at city level: 25 batting units and 22 bowling units at 3000.
    Career career = careerAt(Level::city, 5000000000, 200);
    career.skills.batting = 75;
    career.skills.bowling = 128;
    const Purchase purchase(purchase_centres::training(), career);
    EXPECT_EQ(purchase.totalCost(), 141000);
    EXPECT_EQ(purchase.balanceAfter(), 4999859000);
    EXPECT_EQ(confirmPurchase(career, purchase), PurchaseOutcome::bought);
    EXPECT_EQ(career.bankBalance, 4999859000);
    EXPECT_EQ(career.skills, (Skills{100, 150, 200}));
}

TEST(Purchase, BalancesAtTheMoneyLimit) {
    Career richest = careerAt(Level::club, moneyLimit, 0);
    const Purchase purchase(purchase_centres::store(), richest);
    EXPECT_EQ(purchase.balanceAfter(), 999999999917499);
    EXPECT_EQ(confirmPurchase(richest, purchase), PurchaseOutcome::bought);
    EXPECT_EQ(richest.bankBalance, 999999999917499);

    // The deepest debt stays within the limit and is refused, even for a
    // purchase of nothing.
    for (const int value : {0, 100}) {
        Career poorest = careerAt(Level::club, -moneyLimit, value);
        const Career before = poorest;
        const Purchase owing(purchase_centres::store(), poorest);
        EXPECT_EQ(owing.balanceAfter(), -moneyLimit) << value;
        EXPECT_EQ(confirmPurchase(poorest, owing), PurchaseOutcome::shortOfMoney) << value;
        EXPECT_EQ(poorest, before) << value;
    }
}

TEST(Purchase, AFractionOfARupeeStaysInTheBalance) {
    const struct {
        double bank;
        int bat;  // the other gear at 100, so only the bat is offered, at 150 a unit
        double balanceAfter;
        PurchaseOutcome outcome;
    } cases[] = {{100.5, 100, 100.5, PurchaseOutcome::bought},
                 {101.5, 99, -48.5, PurchaseOutcome::shortOfMoney},
                 {150.25, 99, 0.25, PurchaseOutcome::bought},
                 {149.5, 99, -0.5, PurchaseOutcome::shortOfMoney}};
    for (const auto& c : cases) {
        Career career = careerAt(Level::club, c.bank, 100);
        career.gear.bat = static_cast<std::int16_t>(c.bat);
        const Purchase purchase(purchase_centres::store(), career);
        EXPECT_EQ(purchase.balanceBefore(), c.bank);
        EXPECT_EQ(purchase.balanceAfter(), c.balanceAfter) << c.bank;
        EXPECT_EQ(confirmPurchase(career, purchase), c.outcome) << c.bank;
        EXPECT_EQ(career.bankBalance,
                  c.outcome == PurchaseOutcome::bought ? c.balanceAfter : c.bank);
    }
}

}  // namespace
