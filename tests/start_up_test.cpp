#include "core/start_up.h"

#include <gtest/gtest.h>

#include "core/career.h"
#include "support/qt_printers.h"
#include "support/scripted_platform.h"

namespace {

TEST(SaveFileName, FirstFiveCharactersInLowerCase) {
    const struct {
        const char* name;
        const char* file;
    } cases[] = {{"Raj", "raj_auto.bsg"},
                 {"ANIL KUMAR", "anil _auto.bsg"},
                 {"Ramesh", "rames_auto.bsg"},
                 {"Rezavi", "rezav_auto.bsg"},
                 {"REZAVI T", "rezav_auto.bsg"},
                 {"  x", "  x_auto.bsg"},
                 // Characters no file name may hold cannot lead a save elsewhere.
                 {"../..", ".._.._auto.bsg"},
                 {"a/b\\c", "a_b_c_auto.bsg"},
                 {"C:*?\"", "c_____auto.bsg"},
                 {"<|>ab", "___ab_auto.bsg"},
                 {"a\tb", "a_b_auto.bsg"}};
    for (const auto& c : cases) {
        EXPECT_EQ(saveFileName(QString::fromUtf8(c.name)), QString::fromUtf8(c.file)) << c.name;
    }
}

TEST(StartCareer, FillsEveryFieldFromThePlayersDetails) {
    ScriptedPlatform scripted;
    scripted.random.draws = {0.99};
    Career career;
    startCareer(career,
                PlayerDetails{QStringLiteral(" Ravi "), QStringLiteral("Pune"),
                              QStringLiteral("Goa"), QStringLiteral("India"), 45, 20, 30, 0},
                scripted.random);
    const CareerRecord& r = career.record;
    EXPECT_EQ(r.text(Field::player), QStringLiteral(" Ravi "));
    EXPECT_EQ(career.book.playerName(), QStringLiteral(" Ravi "));
    EXPECT_EQ(r.text(Field::filename), QStringLiteral(" ravi_auto.bsg"));
    EXPECT_EQ(r.text(Field::save), QStringLiteral("0"));
    EXPECT_EQ(r.text(Field::skill), QStringLiteral("31"));
    EXPECT_EQ(r.text(Field::role), QStringLiteral("Batsman"));
    EXPECT_EQ(r.text(skills(0)), QStringLiteral("45"));
    EXPECT_EQ(r.text(skills(2)), QStringLiteral("30"));
    EXPECT_EQ(career.working.ClubTeam, QStringLiteral("Country Side"));
    EXPECT_EQ(r.text(Field::team), QStringLiteral("Country Side"));
    EXPECT_EQ(r.text(teams(0)), QStringLiteral("Country Side"));
    EXPECT_EQ(r.text(teams(1)), QStringLiteral("Pune"));
    EXPECT_EQ(career.working.StateTeam, QStringLiteral("Goa"));
    EXPECT_EQ(r.text(teams(3)), QStringLiteral("India"));
    EXPECT_EQ(r.text(Field::level), QStringLiteral("Club"));
    EXPECT_EQ(r.text(Field::matchfee), QStringLiteral("3000"));
    EXPECT_EQ(career.working.WorldCup, 0);
}

TEST(StartCareer, EachOfTheFiveClubsCanBeDrawn) {
    const double draws[] = {0.0, 0.2, 0.39999, 0.6, 0.8, 0.99999999};
    const char* clubs[] = {"Five Star",    "Rising Sun",   "Rising Sun",
                           "Happy Valley", "Country Side", "Country Side"};
    for (int i = 0; i < 6; ++i) {
        ScriptedPlatform scripted;
        scripted.random.draws = {draws[i]};
        Career career;
        startCareer(career, PlayerDetails{QStringLiteral("A"), {}, {}, {}, 0, 0, 0, 1},
                    scripted.random);
        EXPECT_EQ(career.working.ClubTeam, QString::fromLatin1(clubs[i])) << draws[i];
        EXPECT_EQ(career.record.text(Field::save), QStringLiteral("1"));
    }
}

}  // namespace
