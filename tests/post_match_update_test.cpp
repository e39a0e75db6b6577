#include "match/post_match_update.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <vector>

#include "core/career.h"
#include "core/levels.h"
#include "match/batting_average.h"
#include "match/take_match_context.h"
#include "support/qt_printers.h"
#include "support/scripted_platform.h"
#include "support/test_career.h"

namespace {

using Fields = std::vector<std::pair<Field, const char*>>;

struct UpdateCase {
    const char* name;
    int level;
    Fields before;
    MatchPerformance match;
    Fields after;
    const char* notice;  // the award notice, or nothing
};

void PrintTo(const UpdateCase& c, std::ostream* out) {
    *out << c.name;
}

class ChangeDataCase : public ::testing::TestWithParam<UpdateCase> {};

TEST_P(ChangeDataCase, AppliesTheMatchToTheCareer) {
    const UpdateCase& c = GetParam();
    Career career;
    startTestCareer(career, 50, 50, 50);
    placeAtLevel(career, c.level);
    for (const auto& [field, text] : c.before) career.record.set(field, QString::fromUtf8(text));
    ScriptedPrompter prompter;
    MatchContext context = takeMatchContext(career.record);

    ChangeData(context, c.match, career, prompter);

    for (const auto& [field, text] : c.after) {
        EXPECT_EQ(career.record.text(field), QString::fromUtf8(text))
            << "field " << static_cast<int>(field);
    }
    if (c.notice) {
        EXPECT_EQ(prompter.messages, QStringList{QString::fromUtf8(c.notice)});
    } else {
        EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join('|').toStdString();
    }
    // The context keeps the figures the save writes.
    EXPECT_EQ(QString::number(context.batting), career.record.text(Label2(0)));
    EXPECT_EQ(QString::number(context.fielding), career.record.text(Label2(2)));
    EXPECT_EQ(QString::number(context.matches), career.record.text(Field::matches));
}

const char* const clubAward = "You are awarded Rs.1500 based on your performance.";

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, ChangeDataCase,
    ::testing::Values(
        UpdateCase{"NineteenRunsDecayBatting",
                   levels::club,
                   {{Label2(0), "60"}},
                   {19, 0, 0},
                   {{Label2(0), "59"}, {Field::fifty, "0"}},
                   nullptr},
        UpdateCase{"TwentyRunsRaiseBatting",
                   levels::club,
                   {{Label2(0), "60"}},
                   {20, 0, 0},
                   {{Label2(0), "64"}},
                   nullptr},
        UpdateCase{"NationalDecayToZero",
                   levels::national,
                   {{Label2(0), "5"}},
                   {0, 0, 0},
                   {{Label2(0), "0"}},
                   nullptr},
        UpdateCase{"FourOrLessNeverDecays",
                   levels::national,
                   {{Label2(0), "4"}, {Label2(1), "0"}, {Label2(2), "3"}},
                   {0, 0, 0},
                   {{Label2(0), "4"}, {Label2(1), "0"}, {Label2(2), "3"}},
                   nullptr},
        UpdateCase{"HundredWithDoubleBonus",
                   levels::club,
                   {{Label2(0), "150"}},
                   {100, 0, 0},
                   {{Label2(0), "180"},
                    {Field::hundred, "1"},
                    {Field::fifty, "0"},
                    {Field::highestscore, "100"},
                    {Field::otherincome, "1500"},
                    {Field::bankbalance, "3000"}},
                   clubAward},
        UpdateCase{"CapAtTwoHundredAndNoBonus",
                   levels::club,
                   {{Label2(0), "195"}},
                   {100, 0, 0},
                   {{Label2(0), "200"}, {Field::hundred, "1"}},
                   clubAward},
        UpdateCase{"BonusThatWouldPassTheCapIsNotGiven",
                   levels::club,
                   {{Label2(0), "185"}},
                   {60, 0, 0},
                   {{Label2(0), "197"}, {Field::fifty, "1"}, {Field::hundred, "0"}},
                   nullptr},
        UpdateCase{"FiveWicketsAtNationalLevel",
                   levels::national,
                   {{Label2(1), "100"}, {Field::mostwickets, "3"}},
                   {0, 5, 0},
                   {{Label2(1), "127"},
                    {Field::fivewickets, "1"},
                    {Field::mostwickets, "5"},
                    {Field::wickets, "5"},
                    {Field::otherincome, "8000"}},
                   "You are awarded Rs.8000 based on your performance."},
        UpdateCase{"FourWicketsSingleBonus",
                   levels::club,
                   {{Label2(1), "100"}, {Field::mostwickets, "6"}},
                   {0, 4, 0},
                   {{Label2(1), "125"},
                    {Field::fivewickets, "0"},
                    {Field::mostwickets, "6"},
                    {Field::otherincome, "0"}},
                   nullptr},
        UpdateCase{"FourWicketsBonusWithheldNearTheCap",
                   levels::club,
                   {{Label2(1), "178"}},
                   {0, 4, 0},
                   {{Label2(1), "198"}},
                   nullptr},
        UpdateCase{"NoCatchDecaysFielding",
                   levels::state,
                   {{Label2(2), "50"}},
                   {0, 0, 0},
                   {{Label2(2), "47"}, {Field::catches, "0"}},
                   nullptr},
        UpdateCase{"ThreeCatches",
                   levels::club,
                   {{Label2(2), "50"}},
                   {0, 0, 3},
                   {{Label2(2), "70"}, {Field::catches, "3"}},
                   nullptr},
        UpdateCase{"FiveCatchesAtCityLevel",
                   levels::city,
                   {{Label2(2), "50"}},
                   {0, 0, 5},
                   {{Label2(2), "81"}},
                   nullptr},
        UpdateCase{"TiedHighestScoreUnchanged",
                   levels::club,
                   {{Field::highestscore, "45"}},
                   {45, 0, 0},
                   {{Field::highestscore, "45"}},
                   nullptr},
        UpdateCase{"NewHighestScore",
                   levels::club,
                   {{Field::highestscore, "44"}},
                   {45, 0, 0},
                   {{Field::highestscore, "45"}},
                   nullptr},
        UpdateCase{"MatchFeePaidIn",
                   levels::club,
                   {},
                   {0, 0, 0},
                   {{Field::bankbalance, "3000"}, {Field::otherincome, "0"}},
                   nullptr},
        UpdateCase{"PendingAwardPaidIn",
                   levels::city,
                   {{Field::otherincome, "1500"},
                    {Field::bankbalance, "1000"},
                    {Field::sponsorship, "2000"}},
                   {0, 0, 0},
                   {{Field::bankbalance, "9500"}, {Field::otherincome, "0"}},
                   nullptr},
        UpdateCase{"PendingAwardPaidInAndANewOneHeld",
                   levels::city,
                   {{Field::otherincome, "1500"}},
                   {120, 0, 0},
                   {{Field::bankbalance, "6500"}, {Field::otherincome, "3000"}},
                   "You are awarded Rs.3000 based on your performance."},
        UpdateCase{"EachAmountRoundedDownFirst",
                   levels::club,
                   {{Field::bankbalance, "100.75"},
                    {Field::sponsorship, "250.5"},
                    {Field::otherincome, "0.9"}},
                   {0, 0, 0},
                   {{Field::bankbalance, "3350"}},
                   nullptr},
        UpdateCase{"WearOfFortyEightRuns",
                   levels::club,
                   {},
                   {48, 0, 0},
                   {{Label23(0), "92"},
                    {Label23(1), "88"},
                    {Label23(2), "94"},
                    {Label23(3), "97"},
                    {Label23(4), "98"},
                    {Label23(5), "99"},
                    {Label23(6), "96"},
                    {Field::Label24, "92"},
                    {Field::Label25, "97"}},
                   nullptr},
        UpdateCase{"WearOfWicketsAndCatchesBelowZero",
                   levels::club,
                   {{Label23(3), "1"}, {Label23(6), "5"}},
                   {30, 4, 2},
                   // Health: 30/30 + 4/3 + 2/3 adds up to just below 3 in
                   // double precision, so it wears by 2.
                   {{Label23(3), "-1"}, {Label23(4), "96"}, {Label23(5), "98"}, {Label23(6), "-4"}},
                   nullptr},
        UpdateCase{"AverageOfOneRunInTwoMatches",
                   levels::club,
                   {{Field::matches, "1"}, {Field::runs, "0"}},
                   {1, 0, 0},
                   {{Field::matches, "2"}, {Field::runs, "1"}},
                   nullptr},
        UpdateCase{"MatchesSaturateAtSixteenBits",
                   levels::club,
                   {{Field::matches, "32767"}},
                   {10, 0, 0},
                   {{Field::matches, "32767"}},
                   nullptr},
        UpdateCase{"CareerRunsSaturateAtThirtyTwoBits",
                   levels::club,
                   {{Field::runs, "2147483600"}},
                   {100, 0, 0},
                   {{Field::runs, "2147483647"}},
                   clubAward}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ChangeData, BattingAverageUsesTheLocalesSeparator) {
    const QString point = QLocale::system().decimalPoint();
    const struct {
        const char* matches;
        const char* runs;
        int r;
        QString average;
    } cases[] = {{"1", "0", 1, point + QStringLiteral("50")},
                 {"1", "0", 0, point + QStringLiteral("00")},
                 {"1", "0", 75, QStringLiteral("37") + point + QStringLiteral("50")},
                 {"7", "0", 1, point + QStringLiteral("13")},
                 {"3", "149", 0, QStringLiteral("37") + point + QStringLiteral("25")}};
    for (const auto& c : cases) {
        Career career;
        startTestCareer(career, 50, 50, 50);
        setFields(career.record, {{Field::matches, c.matches}, {Field::runs, c.runs}});
        ScriptedPrompter prompter;
        MatchContext context = takeMatchContext(career.record);
        ChangeData(context, MatchPerformance{c.r, 0, 0}, career, prompter);
        EXPECT_EQ(career.record.text(Field::bataverage), c.average) << c.runs << "+" << c.r;
    }
}

TEST(ChangeData, FilesTheStatisticsInTheCurrentLevelsColumnOnly) {
    Career career;
    startTestCareer(career, 50, 50, 50);
    placeAtLevel(career, levels::city);
    setFields(career.record, {{Field::matches, "4"}, {Field::runs, "100"}});
    ScriptedPrompter prompter;
    MatchContext context = takeMatchContext(career.record);
    ChangeData(context, MatchPerformance{55, 5, 1}, career, prompter);

    for (int row = 0; row < RecordBook::rowCount; ++row) {
        EXPECT_EQ(career.book.cell(row, levels::city), career.record.text(levelStatistics[row]))
            << row;
        for (int column : {levels::club, levels::state, levels::national}) {
            EXPECT_EQ(career.book.cell(row, column), QStringLiteral("0")) << row << column;
        }
    }
    EXPECT_EQ(career.book.cell(0, levels::city), QStringLiteral("5"));
    EXPECT_EQ(career.book.cell(1, levels::city), QStringLiteral("155"));
    EXPECT_EQ(career.book.cell(6, levels::city), QStringLiteral("1"));
    EXPECT_EQ(career.book.cell(9, levels::city), QStringLiteral("1"));
}

TEST(ChangeData, SkillWritesKeepOverallSkillAndCategoryInStep) {
    Career career;
    startTestCareer(career, 100, 40, 40);
    ScriptedPrompter prompter;
    MatchContext context = takeMatchContext(career.record);
    ChangeData(context, MatchPerformance{0, 6, 0}, career, prompter);
    // Batting 99, bowling 40 + 30 + 10 = 80, fielding 39.
    EXPECT_EQ(career.record.text(Field::skill), QStringLiteral("72"));
    EXPECT_EQ(career.record.text(Field::role), QStringLiteral("All Rounder"));
}

TEST(BattingAverage, TwoDecimalsHalvesAwayFromZero) {
    const struct {
        float average;
        const char* separator;
        const char* text;
    } cases[] = {
        {0.5f, ".", ".50"},        {0.0f, ".", ".00"},
        {0.125f, ".", ".13"},      {37.25f, ".", "37.25"},
        {37.5f, ".", "37.50"},     {29.0f / 200.0f, ".", ".15"},  // exactly 0.145 in decimal
        {1.0f / 3.0f, ".", ".33"}, {2.0f / 3.0f, ".", ".67"},
        {0.995f, ".", "1.00"},     {99.999f, ".", "100.00"},
        {0.004f, ".", ".00"},      {12.0f, ",", "12,00"},
        {0.5f, ",", ",50"},        {2147483647.0f, ".", "2147483648.00"},
        {-0.5f, ".", "-.50"}};
    for (const auto& c : cases) {
        EXPECT_EQ(formatBattingAverage(c.average, QString::fromLatin1(c.separator)),
                  QString::fromLatin1(c.text))
            << c.average;
    }
}

}  // namespace
