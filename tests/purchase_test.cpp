#include "manage/purchase.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/career_record.h"
#include "manage/purchase_centres.h"
#include "support/qt_printers.h"
#include "support/scripted_platform.h"

namespace {

constexpr std::int32_t int32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();

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

CareerRecord recordAt(const char* level, const char* bank, const char* value) {
    CareerRecord record;
    record.set(Field::level, QString::fromLatin1(level));
    record.set(Field::bankbalance, QString::fromLatin1(bank));
    for (int i = 0; i < 3; ++i) record.set(Label2(i), QString::fromLatin1(value));
    for (int i = 0; i < 7; ++i) record.set(Label23(i), QString::fromLatin1(value));
    return record;
}

struct RatesCase {
    const PurchaseCentre& (*centre)();
    const char* level;
    std::vector<int> rates;
    std::vector<int> amounts;  // with every value at 0
};

TEST(PurchaseRates, RatesAndAmountsFollowTheLevelWhereTheyShould) {
    using namespace purchase_centres;
    const RatesCase cases[] = {
        {training, "Club", {1500, 1500, 1000}, {75000, 75000, 50000}},
        {training, "City", {3000, 3000, 2000}, {150000, 150000, 100000}},
        {training, "State", {4500, 4500, 3000}, {225000, 225000, 150000}},
        {training, "National", {6000, 6000, 4000}, {300000, 300000, 200000}},
        {health, "Club", {200, 350, 150}, {20000, 35000, 15000}},
        {health, "City", {400, 700, 300}, {40000, 70000, 30000}},
        {health, "State", {600, 1050, 450}, {60000, 105000, 45000}},
        {health, "National", {800, 1400, 600}, {80000, 140000, 60000}},
        {store, "Club", {150, 100, 225, 350}, {15000, 10000, 22500, 35000}},
        {store, "National", {150, 100, 225, 350}, {15000, 10000, 22500, 35000}},
    };
    for (const RatesCase& c : cases) {
        const Purchase purchase(c.centre(), recordAt(c.level, "0", "0"));
        const std::string label = c.centre().objectName.toStdString() + ' ' + c.level;
        ASSERT_EQ(purchase.rows().size(), c.rates.size()) << label;
        std::int32_t total = 0;
        for (std::size_t i = 0; i < c.rates.size(); ++i) {
            EXPECT_EQ(purchase.rows()[i].rate, c.rates[i]) << label << " row " << i;
            EXPECT_EQ(purchase.rows()[i].amount(), c.amounts[i]) << label << " row " << i;
            EXPECT_EQ(purchase.rows()[i].unitsChosen, purchase.rows()[i].unitsOffered);
            total += c.amounts[i];
        }
        // Every offered unit is proposed at opening.
        EXPECT_EQ(purchase.balanceAfter(), -total) << label;
    }
}

TEST(Purchase, LoweringARowGivesBackItsCostAndLeavesTheAmountsAlone) {
    const Purchase opened(purchase_centres::training(), recordAt("National", "900000", "0"));
    Purchase purchase = opened;
    EXPECT_EQ(purchase.balanceAfter(), 100000);
    purchase.setUnitsChosen(1, 0);
    EXPECT_EQ(purchase.balanceAfter(), 400000);
    EXPECT_EQ(purchase.rows()[1].amount(), 300000);
    purchase.setUnitsChosen(1, 10);
    EXPECT_EQ(purchase.balanceAfter(), 340000);
    // Units stay within what the row offers.
    purchase.setUnitsChosen(1, 99);
    EXPECT_EQ(purchase.rows()[1].unitsChosen, 50);
    purchase.setUnitsChosen(1, -3);
    EXPECT_EQ(purchase.rows()[1].unitsChosen, 0);
}

// The fields set while the action runs, in order, leaving out those derived
// from them (a condition is reported again once its bar has followed).
std::vector<Field> writesOf(CareerRecord& record, const std::function<void()>& action) {
    std::vector<Field> written;
    record.setChangeListener([&](Field field) {
        const bool derived = field == Field::skill || field == Field::role ||
                             field == Field::Label24 || field == Field::Label25;
        if (!derived && (written.empty() || written.back() != field)) written.push_back(field);
    });
    action();
    record.setChangeListener(nullptr);
    return written;
}

TEST(CheckData, WritesEveryRowInOrderThenTheBalance) {
    ScriptedPlatform scripted;
    CareerRecord record = recordAt("Club", "100000", "90");
    record.set(Label23(1), QStringLiteral("-12"));
    record.set(Label23(2), QStringLiteral("150"));
    Purchase purchase(purchase_centres::store(), record);
    EXPECT_EQ(purchase.rows()[1].unitsOffered, 112);
    purchase.setUnitsChosen(3, 4);
    const auto written =
        writesOf(record, [&] { EXPECT_TRUE(CheckData(purchase, record, scripted.prompter)); });
    EXPECT_EQ(written, (std::vector<Field>{Label23(0), Label23(1), Label23(2), Label23(3),
                                           Field::bankbalance}));
    EXPECT_EQ(record.text(Label23(0)), QStringLiteral("100"));
    EXPECT_EQ(record.text(Label23(1)), QStringLiteral("100"));
    EXPECT_EQ(record.text(Label23(2)), QStringLiteral("150"));
    EXPECT_EQ(record.text(Label23(3)), QStringLiteral("94"));
    EXPECT_EQ(record.text(Field::bankbalance),
              QString::number(100000 - 10 * 150 - 112 * 100 - 4 * 350));
    EXPECT_TRUE(scripted.prompter.messages.isEmpty());
}

TEST(CheckData, RefusesAShortageAndWritesNothing) {
    const struct {
        const char* bank;
        int unitsOfRow0;  // the other rows at 0
    } cases[] = {{"1499", 1}, {"-1", 0}, {"-2147483000", 50}};
    for (const auto& c : cases) {
        ScriptedPlatform scripted;
        CareerRecord record = recordAt("Club", c.bank, "0");
        Purchase purchase(purchase_centres::training(), record);
        for (int row = 0; row < 3; ++row) purchase.setUnitsChosen(row, 0);
        purchase.setUnitsChosen(0, c.unitsOfRow0);
        const auto written = writesOf(record, [&] {
            EXPECT_FALSE(CheckData(purchase, record, scripted.prompter)) << c.bank;
        });
        EXPECT_TRUE(written.empty()) << c.bank;
        EXPECT_EQ(scripted.prompter.notices,
                  QStringList{QStringLiteral("You don't have enough money to buy the units.")});
    }
}

TEST(CheckData, AcceptsABalanceOfExactlyZero) {
    ScriptedPlatform scripted;
    CareerRecord record = recordAt("Club", "1500", "49");
    Purchase purchase(purchase_centres::training(), record);
    purchase.setUnitsChosen(1, 0);
    purchase.setUnitsChosen(2, 0);
    EXPECT_EQ(purchase.balanceAfter(), 0);
    EXPECT_TRUE(CheckData(purchase, record, scripted.prompter));
    EXPECT_EQ(record.text(Field::bankbalance), QStringLiteral("0"));
    EXPECT_EQ(record.text(Label2(0)), QStringLiteral("50"));
    EXPECT_EQ(record.text(Label2(1)), QStringLiteral("49"));
    // Up the ladder: the next visit offers the next 25.
    EXPECT_EQ(Purchase(purchase_centres::training(), record).rows()[0].unitsOffered, 25);
}

TEST(CheckData, ValuesWornBelowZeroComeBackToExactly100) {
    ScriptedPlatform scripted;
    CareerRecord record = recordAt("State", "1000000", "100");
    record.set(Label23(4), QStringLiteral("-5"));
    record.set(Label23(6), QStringLiteral("-12"));
    Purchase purchase(purchase_centres::health(), record);
    EXPECT_EQ(purchase.rows()[0].unitsOffered, 105);
    EXPECT_EQ(purchase.rows()[2].unitsOffered, 112);
    EXPECT_TRUE(CheckData(purchase, record, scripted.prompter));
    for (int i = 4; i < 7; ++i) EXPECT_EQ(record.text(Label23(i)), QStringLiteral("100"));
    EXPECT_EQ(record.text(Field::bankbalance), QString::number(1000000 - 105 * 600 - 112 * 450));
}

TEST(Purchase, BalancesBeyond32BitsSaturateInsteadOfWrapping) {
    // Wrapping would turn this shortage into a fortune and let it pass.
    const Purchase poor(purchase_centres::store(), recordAt("Club", "-2147483000", "0"));
    EXPECT_EQ(poor.balanceBefore(), -2147483000);
    EXPECT_EQ(poor.balanceAfter(), int32Min);
    EXPECT_FALSE(poor.affordable());

    const Purchase rich(purchase_centres::store(), recordAt("Club", "5000000000", "0"));
    EXPECT_EQ(rich.balanceBeforeText(), QStringLiteral("5000000000"));
    EXPECT_EQ(rich.balanceBefore(), int32Max);
    EXPECT_EQ(rich.balanceAfter(), int32Max - 82500);
}

}  // namespace
