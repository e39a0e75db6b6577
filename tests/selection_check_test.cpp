#include "core/selection_check.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/career.h"
#include "core/levels.h"
#include "support/qt_printers.h"
#include "support/scripted_platform.h"
#include "support/test_career.h"

namespace {

using Fields = std::vector<std::pair<Field, const char*>>;

const char* const notGoodEnough = "You are not good enough at this level.";
const char* const poorFielding = "You are not selected due to poor fielding.";
const char* const shortOfGear = "You are short of proper cricket accessories.";
const char* const unfit = "You are unfit to play at this level.";

struct CheckCase {
    const char* name;
    int level;
    int worldCup;
    Fields before;
    std::vector<const char*> messages;
    Fields after;
    int worldCupAfter;
    int matchesPlayed;
    int careersEnded;
};

const Fields restored{{Label23(0), "100"},       {Label23(3), "100"},     {Label23(4), "100"},
                      {Label23(6), "100"},       {Field::Label24, "100"}, {Field::Label25, "100"},
                      {Field::sponsorship, "0"}, {Field::sponsor, "Acme"}};

Fields with(Fields fields, const Fields& more) {
    fields.insert(fields.end(), more.begin(), more.end());
    return fields;
}

void PrintTo(const CheckCase& c, std::ostream* out) {
    *out << c.name;
}

class SelectionCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(SelectionCheck, DecidesPromotionDropOrMatch) {
    const CheckCase& c = GetParam();
    Career career;
    startTestCareer(career, 50, 50, 50);
    placeAtLevel(career, c.level);
    setFields(career.record, {{Field::sponsor, "Acme"}, {Field::sponsorship, "4000"}});
    for (const auto& [field, text] : c.before) career.record.set(field, QString::fromUtf8(text));
    career.working.WorldCup = c.worldCup;
    ScriptedPlatform scripted;
    scripted.random.draws = {0.0};  // no bookie, should the match day come
    CountingPlayHost host;

    CheckData(career, scripted.prompter, scripted.random, host);

    QStringList messages;
    for (const char* m : c.messages) messages << QString::fromUtf8(m);
    EXPECT_EQ(scripted.prompter.messages, messages);
    for (const auto& [field, text] : c.after) {
        EXPECT_EQ(career.record.text(field), QString::fromUtf8(text))
            << "field " << static_cast<int>(field);
    }
    EXPECT_EQ(career.working.SelectionLevel, levels::words.at(c.level));
    EXPECT_EQ(career.working.WorldCup, c.worldCupAfter);
    EXPECT_EQ(host.matchesPlayed, c.matchesPlayed);
    EXPECT_EQ(host.careersEnded, c.careersEnded);
    EXPECT_EQ(scripted.random.taken, c.matchesPlayed);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, SelectionCheck,
    ::testing::Values(
        CheckCase{"ClubSkill150PromotedEvenWithWornGearAndHealth",
                  levels::club,
                  0,
                  {{Label2(0), "150"},
                   {Label2(1), "150"},
                   {Label2(2), "150"},
                   {Label23(1), "0"},
                   {Label23(5), "-4"}},
                  {"You are selected in the Pune team."},
                  {{Field::level, "City"},
                   {Field::matchfee, "5000"},
                   {Field::team, "Pune"},
                   {Label2(0), "50"},
                   {Label2(2), "50"},
                   {Label23(1), "0"},
                   {Field::sponsorship, "4000"}},
                  0,
                  0,
                  0},
        CheckCase{"ClubBatting200Promoted",
                  levels::club,
                  0,
                  {{Label2(0), "200"}, {Label2(1), "0"}, {Label2(2), "0"}},
                  {"You are selected in the Pune team."},
                  {{Field::level, "City"}},
                  0,
                  0,
                  0},
        CheckCase{"ClubBowling200Promoted",
                  levels::club,
                  0,
                  {{Label2(0), "0"}, {Label2(1), "200"}, {Label2(2), "0"}},
                  {"You are selected in the Pune team."},
                  {{Field::level, "City"}},
                  0,
                  0,
                  0},
        CheckCase{"CityPromotedToState",
                  levels::city,
                  0,
                  {{Label2(1), "250"}},
                  {"You are selected in the Goa team."},
                  {{Field::level, "State"}, {Field::matchfee, "7000"}, {Field::team, "Goa"}},
                  0,
                  0,
                  0},
        CheckCase{"StatePromotedToNational",
                  levels::state,
                  0,
                  {{Label2(0), "200"}},
                  {"You are selected in the India team."},
                  {{Field::level, "National"}, {Field::matchfee, "10000"}, {Field::team, "India"}},
                  0,
                  0,
                  0},
        CheckCase{"NationalSelectedForTheWorldCup",
                  levels::national,
                  0,
                  {{Label2(1), "210"}},
                  {"You are selected for the World Cup in the India team."},
                  {{Field::level, "National"},
                   {Field::matchfee, "12000"},
                   {Field::team, "India"},
                   {Label2(1), "210"}},
                  1,
                  0,
                  0},
        CheckCase{"JustShortOfPromotionPlays",
                  levels::club,
                  0,
                  {{Label2(0), "199"}, {Label2(1), "199"}, {Label2(2), "49"}},
                  {},
                  {{Field::skill, "149"}, {Field::level, "Club"}},
                  0,
                  1,
                  0},
        CheckCase{"WorldCupPlayerPlaysUnderTheOrdinaryTest",
                  levels::national,
                  1,
                  {{Label2(1), "210"}},
                  {},
                  {{Field::matchfee, "10000"}},
                  1,
                  1,
                  0},
        CheckCase{"CitySkill9NotGoodEnough",
                  levels::city,
                  0,
                  {{Label2(0), "9"}, {Label2(1), "9"}, {Label2(2), "9"}, {Label23(0), "20"}},
                  {notGoodEnough, "You are dropped from the Pune team."},
                  with({{Field::level, "Club"},
                        {Field::matchfee, "3000"},
                        {Field::team, "Five Star"},
                        {Label2(0), "50"}},
                       restored),
                  0,
                  0,
                  0},
        CheckCase{"StatePoorFielding",
                  levels::state,
                  0,
                  {{Label2(0), "50"}, {Label2(1), "56"}, {Label2(2), "14"}, {Label23(4), "3"}},
                  {poorFielding, "You are dropped from the Goa team."},
                  with({{Field::skill, "50"},
                        {Field::level, "City"},
                        {Field::matchfee, "5000"},
                        {Field::team, "Pune"}},
                       restored),
                  0,
                  0,
                  0},
        CheckCase{"AccessoriesTestedBeforeHealth",
                  levels::state,
                  0,
                  {{Label23(2), "0"}, {Label23(4), "0"}},
                  {shortOfGear, "You are dropped from the Goa team."},
                  with({{Field::level, "City"}, {Label23(2), "100"}}, restored),
                  0,
                  0,
                  0},
        CheckCase{"NationalUnfitDroppedWithTheWorldCupReset",
                  levels::national,
                  1,
                  {{Label23(4), "0"}},
                  {unfit, "You are dropped from the India team."},
                  with({{Field::level, "State"}, {Field::matchfee, "7000"}, {Field::team, "Goa"}},
                       restored),
                  0,
                  0,
                  0},
        CheckCase{"ClubWornBatEndsTheCareer",
                  levels::club,
                  0,
                  {{Label23(0), "0"}},
                  {shortOfGear, "You are dropped from the Five Star team."},
                  {{Field::level, "Club"}, {Label23(0), "0"}, {Field::sponsorship, "4000"}},
                  0,
                  0,
                  1},
        CheckCase{"ClubWholePartOfStaminaIsZero",
                  levels::club,
                  0,
                  {{Label23(6), "0.9"}},
                  {unfit, "You are dropped from the Five Star team."},
                  {},
                  0,
                  0,
                  1},
        CheckCase{"ClubOneOfEverythingIsEnough",
                  levels::club,
                  0,
                  {{Label2(0), "0"},
                   {Label2(1), "0"},
                   {Label2(2), "0"},
                   {Label23(0), "1"},
                   {Label23(1), "1"},
                   {Label23(2), "1"},
                   {Label23(3), "1"},
                   {Label23(4), "1"},
                   {Label23(5), "1"},
                   {Label23(6), "1"}},
                  {},
                  {},
                  0,
                  1,
                  0},
        CheckCase{"NationalAtExactlyTheThresholdPlays",
                  levels::national,
                  0,
                  {{Label2(0), "25"}, {Label2(1), "25"}, {Label2(2), "25"}},
                  {},
                  {},
                  0,
                  1,
                  0},
        CheckCase{"NationalFieldingJustBelowTheThreshold",
                  levels::national,
                  0,
                  {{Label2(0), "26"}, {Label2(1), "26"}, {Label2(2), "24"}},
                  {poorFielding, "You are dropped from the India team."},
                  {},
                  0,
                  0,
                  0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CheckData, PromotionFilesTheLevelsStatistics) {
    Career career;
    startTestCareer(career, 50, 50, 50);
    setFields(career.record, {{Label2(0), "200"}, {Field::matches, "12"}, {Field::runs, "640"}});
    ScriptedPlatform scripted;
    CountingPlayHost host;
    CheckData(career, scripted.prompter, scripted.random, host);
    EXPECT_EQ(career.book.cell(0, levels::club), QStringLiteral("12"));
    EXPECT_EQ(career.book.cell(1, levels::club), QStringLiteral("640"));
    EXPECT_EQ(career.record.text(Field::matches), QStringLiteral("0"));
}

TEST(CheckData, ADroppedWorldCupPlayerCanBePickedAgain) {
    Career career;
    startTestCareer(career, 50, 50, 50);
    placeAtLevel(career, levels::national);
    ScriptedPlatform scripted;
    CountingPlayHost host;
    const auto play = [&] { CheckData(career, scripted.prompter, scripted.random, host); };

    setFields(career.record, {{Label2(0), "200"}});
    play();
    EXPECT_EQ(career.working.WorldCup, 1);

    setFields(career.record, {{Label23(5), "0"}});
    play();
    EXPECT_EQ(career.record.text(Field::level), QStringLiteral("State"));
    EXPECT_EQ(career.working.WorldCup, 0);

    setFields(career.record, {{Label2(0), "200"}});
    play();
    setFields(career.record, {{Label2(0), "200"}});
    play();
    EXPECT_EQ(career.working.WorldCup, 1);
    EXPECT_EQ(career.record.text(Field::matchfee), QStringLiteral("12000"));
    EXPECT_EQ(
        scripted.prompter.notices,
        (QStringList{QStringLiteral("You are selected for the World Cup in the India team."),
                     QString::fromLatin1(unfit),
                     QStringLiteral("You are dropped from the India team."),
                     QStringLiteral("You are selected in the India team."),
                     QStringLiteral("You are selected for the World Cup in the India team.")}));
    EXPECT_EQ(host.matchesPlayed, 0);
}

}  // namespace
