#include "core/career_record.h"

#include <gtest/gtest.h>

#include "core/numbers.h"
#include "support/qt_printers.h"

namespace {

void setSkills(CareerRecord& record, const char* batting, const char* bowling,
               const char* fielding) {
    record.set(Label2(0), QString::fromLatin1(batting));
    record.set(Label2(1), QString::fromLatin1(bowling));
    record.set(Label2(2), QString::fromLatin1(fielding));
}

struct SkillCase {
    const char* batting;
    const char* bowling;
    const char* fielding;
    const char* skill;
    const char* role;
};

void PrintTo(const SkillCase& c, std::ostream* out) {
    *out << c.batting << '/' << c.bowling << '/' << c.fielding;
}

class DerivedSkill : public ::testing::TestWithParam<SkillCase> {};

TEST_P(DerivedSkill, OverallSkillAndCategoryFollowTheSkills) {
    const SkillCase& c = GetParam();
    CareerRecord record;
    setSkills(record, c.batting, c.bowling, c.fielding);
    EXPECT_EQ(record.text(Field::skill), QString::fromLatin1(c.skill));
    EXPECT_EQ(record.text(Field::role), QString::fromLatin1(c.role));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DerivedSkill,
    ::testing::Values(SkillCase{"60", "40", "0", "33", "All Rounder"},
                      SkillCase{"61", "40", "0", "33", "Batsman"},
                      SkillCase{"40", "61", "0", "33", "Bowler"},
                      SkillCase{"70", "70", "0", "46", "All Rounder"},
                      SkillCase{"50", "51", "52", "51", "All Rounder"},
                      SkillCase{"50", "50", "51", "50", "All Rounder"},
                      SkillCase{"0", "0", "0", "0", "All Rounder"},
                      SkillCase{"45", "20", "30", "31", "Batsman"},
                      // Fielding never decides the category.
                      SkillCase{"10", "10", "200", "73", "All Rounder"},
                      // Halves round to even when a skill text is parsed.
                      SkillCase{"2.5", "0", "0.5", "0", "All Rounder"},
                      SkillCase{"3.5", "0", "0", "1", "All Rounder"},
                      // Past 16 bits the values stand at the limit instead of wrapping.
                      SkillCase{"40000", "40000", "40000", "10922", "All Rounder"},
                      SkillCase{"32767", "-32768", "0", "-1", "Batsman"}));

struct ConditionCase {
    std::array<const char*, 7> conditions;
    const char* accessories;
    const char* health;
    int accessoriesBar;
    int healthBar;
    BarColour accessoriesColour;
    BarColour healthColour;
};

void PrintTo(const ConditionCase& c, std::ostream* out) {
    for (const char* value : c.conditions) *out << value << ' ';
}

class DerivedCondition : public ::testing::TestWithParam<ConditionCase> {};

TEST_P(DerivedCondition, OverallValuesBarsAndColoursFollowTheConditions) {
    const ConditionCase& c = GetParam();
    CareerRecord record;
    for (int i = 0; i < 7; ++i) record.set(Label23(i), QString::fromLatin1(c.conditions[i]));
    EXPECT_EQ(record.text(Field::Label24), QString::fromLatin1(c.accessories));
    EXPECT_EQ(record.text(Field::Label25), QString::fromLatin1(c.health));
    EXPECT_EQ(record.accessoriesBarTwips(), c.accessoriesBar);
    EXPECT_EQ(record.healthBarTwips(), c.healthBar);
    EXPECT_EQ(record.accessoriesColour(), c.accessoriesColour);
    EXPECT_EQ(record.healthColour(), c.healthColour);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DerivedCondition,
    ::testing::Values(ConditionCase{{"100", "100", "100", "100", "100", "100", "100"},
                                    "100",
                                    "100",
                                    1335,
                                    1335,
                                    BarColour::green,
                                    BarColour::green},
                      ConditionCase{{"100", "100", "100", "99", "49", "50", "50"},
                                    "99",
                                    "49",
                                    1321,
                                    654,
                                    BarColour::green,
                                    BarColour::red},
                      ConditionCase{{"50", "50", "50", "50", "50", "50", "50"},
                                    "50",
                                    "50",
                                    667,
                                    667,
                                    BarColour::green,
                                    BarColour::green},
                      // Worn below zero: the overall value goes negative but its bar is empty.
                      ConditionCase{{"-12", "-20", "0", "0", "-5", "-5", "-5"},
                                    "-8",
                                    "-5",
                                    0,
                                    0,
                                    BarColour::red,
                                    BarColour::red},
                      ConditionCase{{"1", "1", "1", "1", "1", "1", "1"},
                                    "1",
                                    "1",
                                    13,
                                    13,
                                    BarColour::red,
                                    BarColour::red}));

TEST(ConditionBar, WidthFollowsItsValueAndIsEmptyBelowZero) {
    const struct {
        const char* value;
        int twips;
    } cases[] = {{"100", 1335}, {"50", 667}, {"49", 654}, {"1", 13}, {"0", 0}, {"-3", 0}};
    for (const auto& c : cases) {
        CareerRecord record;
        record.set(Label23(2), QString::fromLatin1(c.value));
        EXPECT_EQ(record.conditionBarTwips(2), c.twips) << c.value;
    }
}

TEST(CareerRecord, ChangingOneAccessoryUpdatesBothOverallValuesAndNotifiesEachField) {
    CareerRecord record;
    record.set(Label23(4), QStringLiteral("10"));
    std::vector<Field> changed;
    record.setChangeListener([&](Field f) { changed.push_back(f); });
    record.set(Label23(0), QStringLiteral("60"));
    EXPECT_EQ(record.text(Field::Label24), QStringLiteral("90"));
    EXPECT_EQ(record.text(Field::Label25), QStringLiteral("70"));
    EXPECT_NE(std::find(changed.begin(), changed.end(), Field::Label24), changed.end());
    EXPECT_NE(std::find(changed.begin(), changed.end(), Field::Label25), changed.end());
}

TEST(CareerRecord, StartsWithTheStartValues) {
    CareerRecord record;
    EXPECT_EQ(record.text(Field::team), QStringLiteral("India"));
    EXPECT_EQ(record.text(Field::sponsor), QStringLiteral("..."));
    EXPECT_EQ(record.text(Field::matchfee), QStringLiteral("3000"));
    EXPECT_EQ(record.text(Field::level), QStringLiteral("Club"));
    EXPECT_EQ(record.text(Field::filename), QStringLiteral("default.bsg"));
    EXPECT_EQ(record.text(Field::save), QStringLiteral("Auto-Save: 1"));
    EXPECT_EQ(record.text(teams(3)), QStringLiteral("nation"));
    for (int i = 0; i < 7; ++i) EXPECT_EQ(record.conditionBarTwips(i), 1335);
    for (Field statistic : levelStatistics) EXPECT_EQ(record.text(statistic), QStringLiteral("0"));
}

TEST(Numbers, ParsingRoundsHalvesToEvenAndSaturates) {
    EXPECT_EQ(numbers::toInt16(QStringLiteral("0.5")), 0);
    EXPECT_EQ(numbers::toInt16(QStringLiteral("1.5")), 2);
    EXPECT_EQ(numbers::toInt16(QStringLiteral("-2.5")), -2);
    EXPECT_EQ(numbers::toInt16(QStringLiteral(" 7 ")), 7);
    EXPECT_EQ(numbers::toInt16(QStringLiteral("99999")), 32767);
    EXPECT_EQ(numbers::toInt16(QStringLiteral("-99999")), -32768);
    EXPECT_EQ(numbers::toInt32(QStringLiteral("1e12")), INT32_MAX);
    EXPECT_EQ(numbers::wholePart(QStringLiteral("100.75")), 100);
    EXPECT_EQ(numbers::wholePart(QStringLiteral("-0.5")), -1);
    EXPECT_EQ(numbers::text(-12), QStringLiteral("-12"));
    EXPECT_EQ(numbers::text(3000000000.0), QStringLiteral("3000000000"));
    EXPECT_EQ(numbers::text(-0.0), QStringLiteral("0"));
}

}  // namespace
