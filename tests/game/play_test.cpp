// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/play.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <vector>

#include "game/career.h"
#include "game/play_messages.h"
#include "support/qt_printers.h"
#include "support/scripted_random.h"
#include "support/test_career.h"

namespace {

const char* const notGoodEnough = "You are not good enough at this level.";
const char* const poorFielding = "You are not selected due to poor fielding.";
const char* const shortOfGear = "You are short of proper cricket accessories.";
const char* const unfit = "You are unfit to play at this level.";

QStringList textsOf(const PlayOutcome& outcome) {
    QStringList texts;
    for (const Notice& notice : outcome.notices) texts << noticeText(notice);
    return texts;
}

using enum Figure;

// A dropped player starts the lower level with gear and body as new and no
// sponsorship income.
Figures restored(Figures more) {
    more.insert(more.end(), {{bat, 100},
                             {gloves, 100},
                             {pads, 100},
                             {others, 100},
                             {fitness, 100},
                             {health, 100},
                             {stamina, 100},
                             {sponsorship, 0}});
    return more;
}

struct PlayCase {
    const char* name;
    Level level;
    bool worldCup;
    Figures before;
    std::vector<const char*> notices;
    PlayNext next;
    Level levelAfter;
    const char* teamAfter;
    Figures after;
    bool worldCupAfter;
};

void PrintTo(const PlayCase& c, std::ostream* out) {
    *out << c.name;
}

// The case's name, the level it starts at, its figures and whether the
// player is already picked for the World Cup; then the notices, the next
// step, the level, team and figures after, and the World Cup after.
PlayCase play(const char* name, Level level, Figures before, std::vector<const char*> notices,
              PlayNext next, Level levelAfter, const char* teamAfter, Figures after = {},
              bool worldCup = false, bool worldCupAfter = false) {
    return {name, level,      worldCup,  std::move(before), std::move(notices),
            next, levelAfter, teamAfter, std::move(after),  worldCupAfter};
}

class SelectForMatch : public ::testing::TestWithParam<PlayCase> {};

TEST_P(SelectForMatch, DecidesPromotionDropOrMatch) {
    const PlayCase& c = GetParam();
    Career career = testCareer(50, 50, 50);
    placeAtLevel(career, c.level);
    career.sponsor = QStringLiteral("Acme");
    career.sponsorship = 4000;
    setFigures(career, c.before);
    career.selectedForWorldCup = c.worldCup;
    ScriptedRandom random;
    random.draws = {0.0};  // no bookie, should the match day come

    const PlayOutcome outcome = selectForMatch(career, random);

    QStringList notices;
    for (const char* n : c.notices) notices << QString::fromUtf8(n);
    EXPECT_EQ(textsOf(outcome), notices);
    EXPECT_EQ(outcome.next, c.next);
    EXPECT_EQ(career.level, c.levelAfter);
    EXPECT_EQ(career.team, QString::fromUtf8(c.teamAfter));
    expectFigures(career, c.after);
    // The sponsor's name stays whatever happens.
    EXPECT_EQ(career.sponsor, QStringLiteral("Acme"));
    EXPECT_EQ(career.selectedForWorldCup, c.worldCupAfter);
    // Only the match day draws: the bookie's chance.
    EXPECT_EQ(random.taken, c.next == PlayNext::match ? 1 : 0);
}

const Level club = Level::club;
const Level city = Level::city;
const Level state = Level::state;
const Level national = Level::national;
const PlayNext nothing = PlayNext::nothing;
const PlayNext match = PlayNext::match;
const PlayNext careerOver = PlayNext::careerOver;

INSTANTIATE_TEST_SUITE_P(
    Outcomes, SelectForMatch,
    ::testing::Values(
        play("ClubSkill150PromotedEvenWithWornGearAndHealth", club,
             {{batting, 150}, {bowling, 150}, {fielding, 150}, {gloves, 0}, {health, -4}},
             {"You are selected in the Pune team."}, nothing, city, "Pune",
             {{matchFee, 5000},
              {batting, 50},
              {fielding, 50},
              {gloves, 0},
              {health, -4},
              {sponsorship, 4000}}),
        play("ClubBatting200Promoted", club, {{batting, 200}, {bowling, 0}, {fielding, 0}},
             {"You are selected in the Pune team."}, nothing, city, "Pune", {{matchFee, 5000}}),
        play("ClubBowling200Promoted", club, {{batting, 0}, {bowling, 200}, {fielding, 0}},
             {"You are selected in the Pune team."}, nothing, city, "Pune"),
        play("CityPromotedToState", city, {{bowling, 250}}, {"You are selected in the Goa team."},
             nothing, state, "Goa", {{matchFee, 7000}}),
        play("StatePromotedToNational", state, {{batting, 200}},
             {"You are selected in the India team."}, nothing, national, "India",
             {{matchFee, 10000}}),
        play("NationalSelectedForTheWorldCup", national, {{bowling, 210}},
             {"You are selected for the World Cup in the India team."}, nothing, national, "India",
             {{matchFee, 12000}, {bowling, 210}}, false, true),
        // An overall skill of 149.
        play("JustShortOfPromotionPlays", club, {{batting, 199}, {bowling, 199}, {fielding, 49}},
             {}, match, club, "Five Star", {{batting, 199}}),
        play("WorldCupPlayerPlaysUnderTheOrdinaryTest", national, {{bowling, 210}}, {}, match,
             national, "India", {{matchFee, 10000}}, true, true),
        play("CitySkill9NotGoodEnough", city,
             {{batting, 9}, {bowling, 9}, {fielding, 9}, {bat, 20}},
             {notGoodEnough, "You are dropped from the Pune team."}, nothing, club, "Five Star",
             restored({{matchFee, 3000}, {batting, 50}})),
        play("CityAtTheThresholdPlays", city, {{batting, 10}, {bowling, 10}, {fielding, 10}}, {},
             match, city, "Pune"),
        play("StatePoorFielding", state,
             {{batting, 50}, {bowling, 56}, {fielding, 14}, {fitness, 3}},
             {poorFielding, "You are dropped from the Goa team."}, nothing, city, "Pune",
             restored({{matchFee, 5000}, {batting, 50}, {bowling, 50}, {fielding, 50}})),
        play("StateAtTheThresholdPlays", state, {{batting, 15}, {bowling, 15}, {fielding, 15}}, {},
             match, state, "Goa"),
        play("AccessoriesTestedBeforeHealth", state, {{pads, 0}, {fitness, 0}},
             {shortOfGear, "You are dropped from the Goa team."}, nothing, city, "Pune",
             restored({})),
        play("NationalUnfitDroppedWithTheWorldCupReset", national, {{fitness, 0}},
             {unfit, "You are dropped from the India team."}, nothing, state, "Goa",
             restored({{matchFee, 7000}}), true, false),
        play("ClubWornBatEndsTheCareer", club, {{bat, 0}},
             {shortOfGear, "You are dropped from the Five Star team."}, careerOver, club,
             "Five Star", {{bat, 0}, {sponsorship, 4000}}),
        play("ClubExhaustedStaminaEndsTheCareer", club, {{stamina, 0}},
             {unfit, "You are dropped from the Five Star team."}, careerOver, club, "Five Star",
             {{stamina, 0}}),
        play("ClubOneOfEverythingIsEnough", club,
             {{batting, 0},
              {bowling, 0},
              {fielding, 0},
              {bat, 1},
              {gloves, 1},
              {pads, 1},
              {others, 1},
              {fitness, 1},
              {health, 1},
              {stamina, 1}},
             {}, match, club, "Five Star"),
        play("NationalAtExactlyTheThresholdPlays", national,
             {{batting, 25}, {bowling, 25}, {fielding, 25}}, {}, match, national, "India"),
        play("NationalFieldingJustBelowTheThreshold", national,
             {{batting, 26}, {bowling, 26}, {fielding, 24}},
             {poorFielding, "You are dropped from the India team."}, nothing, state, "Goa")),
    [](const auto& info) { return std::string(info.param.name); });

// A loaded career may play for another club than the one drawn.
TEST(SelectForMatch, AClubPlayerIsDroppedFromTheSideHePlaysFor) {
    Career career = testCareer(50, 50, 50);
    career.team = QStringLiteral("Rising Sun");
    career.body.health = -2;
    ScriptedRandom random;
    const PlayOutcome outcome = selectForMatch(career, random);
    EXPECT_EQ(textsOf(outcome),
              (QStringList{QString::fromLatin1(unfit),
                           QStringLiteral("You are dropped from the Rising Sun team.")}));
    EXPECT_EQ(outcome.next, PlayNext::careerOver);
    EXPECT_EQ(career.team, QStringLiteral("Rising Sun"));
}

TEST(SelectForMatch, PromotionFilesTheLevelsStatistics) {
    Career career = testCareer(50, 50, 50);
    career.skills.batting = 200;
    career.statistics().matches = 12;
    career.statistics().runs = 640;
    ScriptedRandom random;
    selectForMatch(career, random);
    EXPECT_EQ(career.recordBook[levelIndex(Level::club)].matches, 12);
    EXPECT_EQ(career.recordBook[levelIndex(Level::club)].runs, 640);
    EXPECT_EQ(career.statistics().matches, 0);
    EXPECT_EQ(random.taken, 0);
}

TEST(SelectForMatch, ADroppedWorldCupPlayerCanBePickedAgain) {
    Career career = testCareer(50, 50, 50);
    placeAtLevel(career, Level::national);
    ScriptedRandom random;
    QStringList notices;
    const auto play = [&] {
        const PlayOutcome outcome = selectForMatch(career, random);
        EXPECT_EQ(outcome.next, PlayNext::nothing);
        notices << textsOf(outcome);
    };

    career.skills.batting = 200;
    play();
    EXPECT_TRUE(career.selectedForWorldCup);

    career.body.health = 0;
    play();
    EXPECT_EQ(career.level, Level::state);
    EXPECT_FALSE(career.selectedForWorldCup);

    career.skills.batting = 200;
    play();
    career.skills.batting = 200;
    play();
    EXPECT_TRUE(career.selectedForWorldCup);
    EXPECT_EQ(career.matchFee, 12000);
    EXPECT_EQ(
        notices,
        (QStringList{QStringLiteral("You are selected for the World Cup in the India team."),
                     QString::fromLatin1(unfit),
                     QStringLiteral("You are dropped from the India team."),
                     QStringLiteral("You are selected in the India team."),
                     QStringLiteral("You are selected for the World Cup in the India team.")}));
    EXPECT_EQ(random.taken, 0);
}

// The drop says which figure failed and by how much, in the notice the
// player reads and in the history's record of the move; of several worn-out
// items the most worn is named, and the first tested rule is the one told.
TEST(SelectForMatch, ADropTellsTheFigureThatFailedAndByHowMuch) {
    const struct {
        const char* name;
        Level level;
        Figures figures;
        Shortfall expected;
        const char* secondLine;
    } cases[] = {
        {"OverallSkill",
         Level::city,
         {{batting, 9}, {bowling, 9}, {fielding, 9}},
         {Shortfall::overallSkill, 9, 10},
         "Overall skill 9, 1 short of the 10 needed."},
        {"Fielding",
         Level::national,
         {{batting, 60}, {bowling, 60}, {fielding, 7}},
         {Shortfall::fielding, 7, 25},
         "Fielding 7, 18 short of the 25 needed."},
        {"MostWornGear",
         Level::state,
         {{bat, 0}, {gloves, -3}, {pads, -3}, {fitness, 0}},
         {Shortfall::gloves, -3, 1},
         "Gloves worn down to \u202a-3\u202c; each item of gear must be at least 1."},
        {"Body",
         Level::city,
         {{stamina, -2}, {health, 0}},
         {Shortfall::stamina, -2, 1},
         "Stamina down to \u202a-2\u202c; fitness, health and stamina must each be at least 1."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Career career = testCareer(50, 50, 50);
        placeAtLevel(career, c.level);
        setFigures(career, c.figures);
        ScriptedRandom random;
        const PlayOutcome outcome = selectForMatch(career, random);
        ASSERT_EQ(outcome.notices.size(), 2u);
        EXPECT_EQ(outcome.notices[0].shortfall, c.expected);
        EXPECT_EQ(outcome.notices[1].shortfall, std::nullopt);
        const QStringList lines = shownNoticeText(outcome.notices[0]).split(u'\n');
        ASSERT_EQ(lines.size(), 2);
        EXPECT_EQ(lines[0], noticeText(outcome.notices[0]));
        EXPECT_EQ(lines[1], QString::fromUtf8(c.secondLine));
        EXPECT_EQ(career.sinceLastMatch.dropReasons, std::vector<Shortfall>{c.expected});
    }

    // A club player's career ends: there is no row to come that could tell it.
    Career clubPlayer = testCareer(50, 50, 50);
    setFigures(clubPlayer, {{bat, 0}});
    ScriptedRandom random;
    EXPECT_EQ(selectForMatch(clubPlayer, random).notices[0].shortfall,
              (Shortfall{Shortfall::bat, 0, 1}));
    EXPECT_TRUE(clubPlayer.sinceLastMatch.dropReasons.empty());
}

}  // namespace
