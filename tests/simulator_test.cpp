#include <gtest/gtest.h>

#include <functional>

#include "manage/purchase_centres.h"
#include "sim/record_invariants.h"
#include "sim/spending_policy.h"
#include "support/scripted_platform.h"
#include "support/test_career.h"

namespace {

struct Breakage {
    const char* name;
    std::function<void(Career&, CareerLedger&)> breakIt;
    const char* reported;  // part of the message that names what broke
};

void PrintTo(const Breakage& breakage, std::ostream* out) {
    *out << breakage.name;
}

class InvariantChecker : public ::testing::TestWithParam<Breakage> {};

// A soak run that reports nothing is only worth as much as the checker that
// would have spoken: every kind of fault it watches for must be reported.
TEST_P(InvariantChecker, ReportsTheBrokenRule) {
    Career career;
    startTestCareer(career, 60, 35, 40);
    CareerLedger ledger;
    ledger.startingSkills = {60, 35, 40};
    ASSERT_EQ(brokenInvariant(career, ledger), std::nullopt);

    GetParam().breakIt(career, ledger);
    const auto problem = brokenInvariant(career, ledger);
    ASSERT_TRUE(problem.has_value());
    EXPECT_TRUE(problem->contains(QLatin1String(GetParam().reported))) << problem->toStdString();
}

void setText(Career& career, Field field, const char* text) {
    career.record.set(field, QString::fromLatin1(text));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, InvariantChecker,
    ::testing::Values(
        Breakage{"OverallSkill", [](Career& c, CareerLedger&) { setText(c, Field::skill, "50"); },
                 "overall skill"},
        Breakage{"Category", [](Career& c, CareerLedger&) { setText(c, Field::role, "Bowler"); },
                 "category"},
        Breakage{"OverallHealth",
                 [](Career& c, CareerLedger&) { setText(c, Field::Label25, "99"); },
                 "overall health"},
        Breakage{"NotANumber",
                 [](Career& c, CareerLedger&) { setText(c, Field::bankbalance, "12a"); },
                 "not a whole number"},
        Breakage{"SkillPastCap", [](Career& c, CareerLedger&) { setText(c, Label2(1), "201"); },
                 "outside"},
        Breakage{"LevelWord", [](Career& c, CareerLedger&) { setText(c, Field::level, "club"); },
                 "level"},
        Breakage{"MatchFee", [](Career& c, CareerLedger&) { setText(c, Field::matchfee, "5000"); },
                 "match fee"},
        Breakage{"BookColumn",
                 [](Career& c, CareerLedger&) { c.book.setCell(1, 0, QStringLiteral("7")); },
                 "Club column"},
        Breakage{"MatchesPlayed", [](Career&, CareerLedger& l) { l.matches = 1; },
                 "matches of all levels"}));

// The simulated player never spends more than he has: short of money he buys
// what he can afford, row by row, down to the last rupee.
TEST(SpendingPolicy, BuysWhatTheBalanceAllowsRowByRow) {
    Career career;
    startTestCareer(career, 60, 35, 40);
    CareerRecord& record = career.record;
    setText(career, Label23(0), "90");  // 10 units at 150
    setText(career, Label23(1), "95");  // 5 units at 100
    setText(career, Label23(2), "99");  // 1 unit at 225
    setText(career, Field::bankbalance, "1000");
    ScriptedPrompter prompter;

    ASSERT_TRUE(buyWhatIsAffordable(purchase_centres::store(), record, prompter));
    EXPECT_EQ(record.text(Label23(0)), QStringLiteral("96"));
    EXPECT_EQ(record.text(Label23(1)), QStringLiteral("96"));
    EXPECT_EQ(record.text(Label23(2)), QStringLiteral("99"));
    EXPECT_EQ(record.text(Field::bankbalance), QStringLiteral("0"));
    EXPECT_TRUE(prompter.notices.isEmpty());

    EXPECT_FALSE(buyWhatIsAffordable(purchase_centres::store(), record, prompter));
}

}  // namespace
