// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/career_file.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include "game/level_change.h"
#include "game/match.h"
#include "game/play.h"
#include "game/play_messages.h"
#include "game/ratings.h"
#include "saves/file_words.h"
#include "saves/save_career.h"
#include "support/qt_printers.h"
#include "support/save_fixtures.h"
#include "support/scripted_random.h"
#include "support/test_career.h"

namespace {

SaveFile fileOf(const QStringList& lines) {
    SaveFile file;
    for (int i = 0; i < saveFileLineCount; ++i) file.lines.at(i) = lines.at(i);
    return file;
}

// Loads with the club drawn at load being the k-th of the five.
Career load(const SaveFile& file, int club = 4) {
    ScriptedRandom random;
    random.draws = {drawFor(club, 5)};
    Career career = careerFromSave(file, random);
    EXPECT_EQ(random.taken, 1);
    return career;
}

const char* const midCareerLines[saveFileLineCount] = {
    "Bailcrest Saves", "  Zoë Ann  ", "Cape Town ", " Western Cape", "South Africa", "131", "97",
    "60", "1", "55", "48", "41", "Five Star", " Western Cape", "Batsman", "Cable && Wireless",
    "7000", "4500", "5500", "98765", "71", "52", "88", "-3", "64", "59", "12",
    // Club
    // The career's average was read from a file written with a decimal comma;
    // files take the point, whatever the locale.
    "20", "612", "14", "9", "104", "30.60", "4", "1", "4", "0",
    // City
    "11", "402", "8", "6", "77", "36.55", "3", "0", "5", "1",
    // State
    "6", "219", "3", "2", "91", ".50", "2", "0", "2", "0",
    // National
    "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "State"};

TEST(SaveFileOf, WritesEveryValueOfTheCareerOnItsLine) {
    QStringList lines;
    for (const char* line : midCareerLines) lines << QString::fromUtf8(line);
    const SaveFile file = saveFileOf(midCareer(), true);
    for (int number = 1; number <= saveFileLineCount; ++number) {
        EXPECT_EQ(file.line(number), lines.at(number - 1)) << "line " << number;
    }
    // The bytes as another program following the layout writes them.
    EXPECT_EQ(encodeSaveFile(file), utf16File(lines));
}

TEST(SaveFileOf, TakesTeamsSkillsAndCategoryFromTheCareerAsItIsNow) {
    Career career = midCareer();
    career.teams = {QStringLiteral("Club A"), QStringLiteral("City B"), QStringLiteral("State C"),
                    QStringLiteral("Nation D")};
    career.skills = {140, 101, 7};
    career.startingSkills = {55, 48, 41};
    const SaveFile file = saveFileOf(career, true);
    const struct {
        int line;
        const char* text;
    } expected[] = {{1, "Bailcrest Saves"},
                    {2, "  Zoë Ann  "},
                    {3, "City B"},
                    {4, "State C"},
                    {5, "Nation D"},
                    {6, "140"},
                    {7, "101"},
                    {8, "7"},
                    {9, "1"},
                    {10, "55"},
                    {11, "48"},
                    {12, "41"},
                    {13, "Club A"},
                    {14, " Western Cape"},
                    {15, "Batsman"},
                    {16, "Cable && Wireless"},
                    {17, "7000"},
                    {18, "4500"},
                    {19, "5500"},
                    {20, "98765"},
                    {21, "71"},
                    {24, "-3"},
                    {27, "12"},
                    {28, "20"},
                    {33, "30.60"},
                    {37, "0"},
                    {38, "11"},
                    {43, "36.55"},
                    {46, "5"},
                    {53, ".50"},
                    {57, "0"},
                    {58, "0"},
                    {68, "State"}};
    for (const auto& e : expected) {
        EXPECT_EQ(file.line(e.line), QString::fromUtf8(e.text)) << "line " << e.line;
    }
    career.skills = {40, 101, 7};
    EXPECT_EQ(saveFileOf(career, true).line(saveLine::role), QStringLiteral("Bowler"));
    career.level = Level::national;
    EXPECT_EQ(saveFileOf(career, false).line(saveLine::autoSave), QStringLiteral("0"));
    EXPECT_EQ(saveFileOf(career, true).line(saveLine::level), QStringLiteral("National"));
}

TEST(CareerFromSave, ASavedCareerContinuesExactlyWhereItStopped) {
    Career original = midCareer();
    original.selectedForWorldCup = true;
    const Career loaded = load(saveFileOf(original, true), 0);

    // The World Cup selection is not saved; everything else comes back, the
    // average read with a decimal comma now as the file writes it, with a point.
    Career expected = original;
    expected.selectedForWorldCup = false;
    expected.recordBook[levelIndex(Level::club)].battingAverage =
        BattingAverage::asWritten(QStringLiteral("30.60"));
    EXPECT_EQ(loaded, expected);
    // Saved again unchanged, the file is the same.
    EXPECT_EQ(saveFileOf(loaded, true).lines, saveFileOf(original, true).lines);
}

TEST(CareerFromSave, TakesEveryStoredValue) {
    QStringList lines = handBuiltLines();
    lines[14] = QStringLiteral("Bowler");  // the category follows from the skills instead
    const Career career = load(fileOf(lines));

    EXPECT_EQ(career.player, QStringLiteral(" Ravi  "));
    EXPECT_EQ(career.teams.city, QStringLiteral("Pune"));
    EXPECT_EQ(career.teams.state, QStringLiteral(" Maharashtra"));
    EXPECT_EQ(career.teams.nation, QStringLiteral("India "));
    EXPECT_EQ(career.skills, (Skills{87, 45, 30}));
    EXPECT_EQ(overallSkill(career.skills), 54);
    EXPECT_EQ(autoSaveFromSave(fileOf(lines), QStringLiteral("varer.bsg")),
              (AutoSave{true, QStringLiteral("varer.bsg")}));
    EXPECT_EQ(career.startingSkills, (Skills{45, 20, 30}));
    EXPECT_EQ(career.teams.club, QStringLiteral("Rising Sun"));
    EXPECT_EQ(career.team, QStringLiteral(" Maharashtra"));
    EXPECT_EQ(categoryWord(category(career.skills)), QStringLiteral("Batsman"));
    EXPECT_EQ(career.sponsor, QStringLiteral("Cable & Wireless"));
    EXPECT_EQ(career.matchFee, 7000);
    EXPECT_EQ(career.sponsorship, 2500);
    EXPECT_EQ(career.otherIncome, 1500);
    EXPECT_EQ(career.bankBalance, 123456);
    EXPECT_EQ(career.gear, (Gear{90, 85, 97, 60}));
    EXPECT_EQ(career.body, (Body{70, 75, 40}));
    EXPECT_EQ(overallGear(career.gear), 83);
    EXPECT_EQ(overallHealth(career.body), 61);
    EXPECT_EQ(career.level, Level::state);
    const LevelStatistics& s = career.statistics();
    EXPECT_EQ(s.matches, 4);
    EXPECT_EQ(s.runs, 150);
    EXPECT_EQ(s.wickets, 6);
    EXPECT_EQ(s.catches, 1);
    EXPECT_EQ(s.highestScore, 77);
    // Written with a decimal comma, read as the figure it is.
    EXPECT_EQ(s.battingAverage.text(QStringLiteral(".")), QStringLiteral("37.50"));
    EXPECT_EQ(s.fifties, 1);
    EXPECT_EQ(s.hundreds, 0);
    EXPECT_EQ(s.mostWickets, 5);
    EXPECT_EQ(s.fiveWicketHauls, 1);
    const auto average = [&career](Level level) {
        return career.recordBook[levelIndex(level)].battingAverage.text(QStringLiteral("."));
    };
    EXPECT_EQ(average(Level::club), QStringLiteral("28.75"));
    EXPECT_EQ(average(Level::city), QStringLiteral("33.44"));
    EXPECT_EQ(average(Level::national), QStringLiteral(".00"));
    EXPECT_EQ(career.recordBook[levelIndex(Level::city)].runs, 301);
    EXPECT_EQ(career.recordBook[levelIndex(Level::club)].mostWickets, 3);
    EXPECT_EQ(career.drawnClub, QStringLiteral("Country Side"));
    EXPECT_FALSE(career.selectedForWorldCup);

    // Written back, only the category line differs, and the averages written
    // with a comma, which files now write with a point.
    const SaveFile saved = saveFileOf(career, true);
    for (int number = 1; number <= saveFileLineCount; ++number) {
        QString expected =
            number == saveLine::role ? QStringLiteral("Batsman") : lines.at(number - 1);
        if (expected == QLatin1String("33,44") || expected == QLatin1String("37,50"))
            expected.replace(QLatin1Char(','), QLatin1Char('.'));
        EXPECT_EQ(saved.line(number), expected) << "line " << number;
    }
}

TEST(CareerFromSave, TheLevelSelectsTheStatistics) {
    const struct {
        const char* level;
        Level expected;
        int matches;
        int runs;
    } cases[] = {{"Club", Level::club, 12, 345},
                 {"City", Level::city, 9, 301},
                 {"State", Level::state, 4, 150},
                 {"National", Level::national, 0, 0}};
    for (const auto& c : cases) {
        QStringList lines = handBuiltLines();
        lines[saveLine::level - 1] = QString::fromLatin1(c.level);
        const Career career = load(fileOf(lines));
        EXPECT_EQ(career.level, c.expected) << c.level;
        EXPECT_EQ(career.statistics().matches, c.matches) << c.level;
        EXPECT_EQ(career.statistics().runs, c.runs) << c.level;
    }
}

TEST(CareerFromSave, TheClubDrawnAtLoadIsTheSideADroppedCityPlayerJoins) {
    QStringList lines = handBuiltLines();
    lines[saveLine::level - 1] = QStringLiteral("City");
    lines[saveLine::team - 1] = QStringLiteral("Pune");
    Career career = load(fileOf(lines), 3);
    EXPECT_EQ(career.drawnClub, QStringLiteral("Happy Valley"));
    EXPECT_EQ(career.teams.club, QStringLiteral("Rising Sun"));

    career.gear.bat = 0;
    ScriptedRandom random;
    const PlayOutcome outcome = selectForMatch(career, random);
    ASSERT_EQ(outcome.notices.size(), 2u);
    EXPECT_EQ(noticeText(outcome.notices[1]),
              QStringLiteral("You are dropped from the Pune team."));
    EXPECT_EQ(career.level, Level::club);
    EXPECT_EQ(career.team, QStringLiteral("Happy Valley"));
    // The club saved in the file is kept and saved again.
    EXPECT_EQ(saveFileOf(career, true).line(saveLine::clubTeam), QStringLiteral("Rising Sun"));
    EXPECT_EQ(saveFileOf(career, true).line(saveLine::team), QStringLiteral("Happy Valley"));
}

TEST(CareerFromSave, WholeNumberLinesAreReadAsTheNearestWholeNumber) {
    QStringList lines = handBuiltLines();
    lines[saveLine::skills] = QStringLiteral("45.0");
    lines[saveLine::conditions] = QStringLiteral(" 85.5 ");
    lines[saveLine::recordBook(2, 0) - 1] = QStringLiteral("12.5");
    lines[saveLine::recordBook(2, 1) - 1] = QStringLiteral("13.5");
    lines[saveLine::recordBook(2, 3) - 1] = QStringLiteral("1e1");
    lines[saveLine::bankbalance - 1] = QStringLiteral("-250.5");
    const Career career = load(fileOf(lines));
    EXPECT_EQ(career.skills.bowling, 45);
    EXPECT_EQ(career.gear.gloves, 86);
    EXPECT_EQ(career.statistics().matches, 12);
    EXPECT_EQ(career.statistics().runs, 14);
    EXPECT_EQ(career.statistics().catches, 10);
    EXPECT_EQ(career.bankBalance, -250.5);

    const SaveFile saved = saveFileOf(career, true);
    EXPECT_EQ(saved.line(saveLine::skills + 1), QStringLiteral("45"));
    EXPECT_EQ(saved.line(saveLine::conditions + 1), QStringLiteral("86"));
    EXPECT_EQ(saved.line(saveLine::recordBook(2, 0)), QStringLiteral("12"));
    EXPECT_EQ(saved.line(saveLine::recordBook(2, 1)), QStringLiteral("14"));
    EXPECT_EQ(saved.line(saveLine::bankbalance), QStringLiteral("-250.5"));
}

TEST(DetailsFromSave, ShowsNameTeamsSkillsAndTheAutoSaveChoice) {
    const PlayerDetails details = detailsFromSave(fileOf(handBuiltLines()));
    EXPECT_EQ(details.name, QStringLiteral(" Ravi  "));
    EXPECT_EQ(details.city, QStringLiteral("Pune"));
    EXPECT_EQ(details.state, QStringLiteral(" Maharashtra"));
    EXPECT_EQ(details.country, QStringLiteral("India "));
    EXPECT_EQ(details.skills, (Skills{87, 45, 30}));
    EXPECT_TRUE(details.autoSave);

    const PlayerDetails mid = detailsFromSave(saveFileOf(midCareer(), true));
    EXPECT_EQ(mid.name, QStringLiteral("  Zoë Ann  "));
    EXPECT_EQ(mid.country, QStringLiteral("South Africa"));
    EXPECT_EQ(mid.skills, (Skills{131, 97, 60}));
    EXPECT_TRUE(mid.autoSave);

    QStringList lines = handBuiltLines();
    lines[saveLine::autoSave - 1] = QStringLiteral("0");
    EXPECT_FALSE(detailsFromSave(fileOf(lines)).autoSave);
    lines[saveLine::autoSave - 1] = QStringLiteral(" 1.0 ");
    EXPECT_TRUE(detailsFromSave(fileOf(lines)).autoSave);
}

TEST(CareerFromSave, ASaveGoesToTheFileNameItWasLoadedFrom) {
    QTemporaryDir folder;
    const QString saves = folder.path() + QStringLiteral("/Saves");
    const Career career = load(fileOf(handBuiltLines()));
    const AutoSave autoSave =
        autoSaveFromSave(fileOf(handBuiltLines()), QStringLiteral("varer.bsg"));
    EXPECT_EQ(saveCareer(career, autoSave, saves), std::nullopt);
    QFile saved(saves + QStringLiteral("/varer.bsg"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    // As it was read, but for the averages written with a decimal comma.
    QStringList lines = handBuiltLines();
    lines.replaceInStrings(QStringLiteral("33,44"), QStringLiteral("33.44"));
    lines.replaceInStrings(QStringLiteral("37,50"), QStringLiteral("37.50"));
    EXPECT_EQ(saved.readAll(), utf16File(lines));
}

// A career played on gives back its own save file once loaded: computed
// batting averages are written as they are shown, and read back as written.
TEST(CareerFromSave, ARoundTripGivesBackTheSameSaveFile) {
    Career played = testCareer(80, 60, 40);
    const MatchPerformance matches[] = {{37, 1, 0}, {104, 0, 2}, {0, 5, 1}, {49, 2, 0}};
    for (const MatchPerformance& match : matches) applyMatch(played, match);
    promote(played);
    applyMatch(played, {12, 0, 1});
    applyMatch(played, {3, 0, 0});
    played.gear.pads = -7;
    played.bankBalance = 1234.5;
    // Files write the average with a point under every locale.
    const QString point = QStringLiteral(".");
    EXPECT_EQ(saveFileOf(played, true).line(saveLine::recordBook(0, 5)),
              QStringLiteral("47") + point + QStringLiteral("50"));
    EXPECT_EQ(saveFileOf(played, true).line(saveLine::recordBook(1, 5)),
              QStringLiteral("7") + point + QStringLiteral("50"));

    for (const Career& career : {midCareer(), played}) {
        const SaveFile file = saveFileOf(career, true);
        const Career loaded = load(file, 0);
        EXPECT_EQ(saveFileOf(loaded, true).lines, file.lines) << career.player.toStdString();
        EXPECT_EQ(encodeSaveFile(saveFileOf(loaded, true)), encodeSaveFile(file));
    }
}

}  // namespace
