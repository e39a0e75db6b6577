// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "game/match.h"
#include "screens/career_in_play.h"
#include "screens/command_button.h"
#include "screens/main_screen.h"
#include "screens/match_screen.h"
#include "screens/records_screen.h"
#include "support/match_on_screen.h"
#include "support/qt_printers.h"
#include "support/scripted_platform.h"
#include "support/test_career.h"

namespace {

// The text of a label of the window itself, not of a window it owns.
QString shown(const QWidget& screen, const char* objectName) {
    for (const QLabel* label : screen.findChildren<QLabel*>(QString::fromLatin1(objectName))) {
        if (label->window() == &screen) return label->text();
    }
    return QStringLiteral("<none>");
}

TEST(MatchScreen, ShowsTheDrawnMatchAndOnlyOkAppliesAndClosesIt) {
    ScriptedPlatform scripted;
    CareerInPlay career(testCareer(100, 100, 100));
    scripted.random.draws = {drawFor(60, 100), drawFor(70, 100), drawFor(50, 100)};
    MatchScreen screen(career, scripted.platform, nullptr);
    screen.show();

    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Bailcrest: Match Details"));
    EXPECT_EQ(screen.size(), QSize(265, 160));
    EXPECT_EQ(shown(screen, "Label2_1"), QStringLiteral("Ravi"));
    EXPECT_EQ(shown(screen, "Label2_2"), QStringLiteral("Five Star"));
    EXPECT_EQ(shown(screen, "Label2_0"), QStringLiteral("MATCH STATISTICS"));
    EXPECT_EQ(shown(screen, "Label4"), QStringLiteral("60"));
    EXPECT_EQ(shown(screen, "Label5"), QStringLiteral("4"));
    EXPECT_EQ(shown(screen, "Label6"), QStringLiteral("2"));
    EXPECT_EQ(screen.findChild<QLabel*>(QStringLiteral("Label5"))->accessibleDescription(),
              QStringLiteral("Wickets Taken"));
    EXPECT_EQ(screen.okButton()->accessibleName(), QStringLiteral("OK"));

    QTest::keyClick(&screen, Qt::Key_Escape);
    EXPECT_FALSE(screen.close());
    EXPECT_TRUE(screen.isVisible());
    EXPECT_FALSE(screen.applied());
    EXPECT_EQ(career.career().statistics().matches, 0);

    QTest::mouseClick(screen.okButton(), Qt::LeftButton);
    EXPECT_TRUE(screen.applied());
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(screen.result(), QDialog::Accepted);
    const LevelStatistics& club = career.career().statistics();
    EXPECT_EQ(club.matches, 1);
    EXPECT_EQ(club.runs, 60);
    EXPECT_EQ(club.wickets, 4);
    EXPECT_EQ(club.catches, 2);
}

// Drives a whole career through the main screen as a player would: Play is
// pressed with the mouse, and the match screen, once open, is first tried
// with Escape and its close box, then confirmed with OK.
class CareerOnScreen : public ::testing::Test {
  protected:
    void SetUp() override {
        main = std::make_unique<MainScreen>(scripted.platform, testCareer(100, 100, 100));
        QObject::connect(main.get(), &MainScreen::careerEnded,
                         [this](bool playAgain) { ++(playAgain ? newCareers : programEnds); });
        QObject::connect(main.get(), &MainScreen::exitRequested, [this] { ++programEnds; });
        main->show();
    }

    void change(const std::function<void(Career&)>& edit) { main->career().update(edit); }
    const Career& career() const { return main->career().career(); }

    // Presses Play; with a match expected, confirms the match screen and
    // returns the figures it showed.
    MatchPerformance play(std::vector<double> draws, bool matchExpected) {
        scripted.random.draws.assign(draws.begin(), draws.end());
        MatchPerformance seen{-1, -1, -1};
        bool matchShown = false;
        if (matchExpected) {
            QTimer::singleShot(0, [&] {
                auto* match = qobject_cast<MatchScreen*>(QApplication::activeModalWidget());
                ASSERT_NE(match, nullptr);
                matchShown = true;
                seen = {static_cast<std::int16_t>(shown(*match, "Label4").toInt()),
                        static_cast<std::int16_t>(shown(*match, "Label5").toInt()),
                        static_cast<std::int16_t>(shown(*match, "Label6").toInt())};
                QTest::keyClick(match, Qt::Key_Escape);
                match->close();
                EXPECT_TRUE(match->isVisible());
                QTest::mouseClick(match->okButton(), Qt::LeftButton);
            });
        }
        QTest::mouseClick(main->command(MainScreen::Play), Qt::LeftButton);
        if (main->careerSummary()) continueFromCareerSummary(*main);
        EXPECT_EQ(matchShown, matchExpected);
        EXPECT_TRUE(scripted.random.draws.empty()) << scripted.random.draws.size() << " draws left";
        return seen;
    }

    QString onMain(const char* objectName) { return shown(*main, objectName); }
    QString inBook(int row, Level level) {
        return main->recordsScreen()->cellLabel(row, level)->text();
    }

    ScriptedPlatform scripted;
    int programEnds = 0;
    int newCareers = 0;
    std::unique_ptr<MainScreen> main;
};

TEST_F(CareerOnScreen, FromClubToNationalAndBackDownToTheEnd) {
    const QString point = QLocale::system().decimalPoint();

    // Club: 99 runs, no wickets or catches.
    MatchPerformance match = play({0.0, drawFor(99, 100), 0.0, 0.0}, true);
    EXPECT_EQ(match.runs, 99);
    EXPECT_EQ(onMain("matches"), QStringLiteral("1"));
    EXPECT_EQ(onMain("runs"), QStringLiteral("99"));
    EXPECT_EQ(onMain("fifty"), QStringLiteral("1"));
    EXPECT_EQ(onMain("bataverage"), QStringLiteral("99") + point + QStringLiteral("00"));
    EXPECT_EQ(onMain("Label2_0"), QStringLiteral("124"));
    EXPECT_EQ(onMain("Label2_1"), QStringLiteral("99"));
    EXPECT_EQ(onMain("bankbalance"), QStringLiteral("3000"));
    EXPECT_EQ(onMain("Label23_1"), QStringLiteral("76"));
    EXPECT_EQ(onMain("Label24"), QStringLiteral("85"));
    EXPECT_EQ(inBook(0, Level::club), QStringLiteral("1"));
    EXPECT_EQ(inBook(1, Level::club), QStringLiteral("99"));
    EXPECT_EQ(inBook(0, Level::city), QStringLiteral("0"));

    // Batting brought to 200 (the training centre's work): promoted to the city.
    change([](Career& c) { c.skills.batting = 200; });
    play({}, false);
    EXPECT_EQ(onMain("team"), QStringLiteral("Pune"));
    EXPECT_EQ(onMain("matchfee"), QStringLiteral("5000"));
    EXPECT_EQ(onMain("matches"), QStringLiteral("0"));
    EXPECT_EQ(onMain("Label2_0"), QStringLiteral("100"));
    EXPECT_EQ(inBook(0, Level::club), QStringLiteral("1"));

    // City: the bookie's offer declined; what the screen showed is applied.
    scripted.prompter.answers = {false};
    match = play({drawFor(15, 30), drawFor(50, 100), drawFor(40, 100), drawFor(30, 100)}, true);
    EXPECT_EQ(onMain("matches"), QStringLiteral("1"));
    EXPECT_EQ(onMain("runs"), QString::number(match.runs));
    EXPECT_EQ(onMain("wickets"), QString::number(match.wickets));
    EXPECT_EQ(onMain("catches"), QString::number(match.catches));
    EXPECT_EQ(onMain("bankbalance"), QStringLiteral("8000"));
    EXPECT_EQ(inBook(1, Level::city), QString::number(match.runs));
    const QString cityRuns = onMain("runs");

    change([](Career& c) { c.skills.batting = 200; });
    play({}, false);
    EXPECT_EQ(onMain("team"), QStringLiteral("Goa"));
    change([](Career& c) { c.skills.bowling = 200; });
    play({}, false);
    EXPECT_EQ(onMain("team"), QStringLiteral("India"));
    EXPECT_EQ(onMain("matchfee"), QStringLiteral("10000"));
    change([](Career& c) { c.skills.bowling = 200; });
    play({}, false);
    EXPECT_EQ(onMain("matchfee"), QStringLiteral("12000"));

    // National: the money taken, the enquiry clears him, the match is played.
    change([](Career& c) {
        c.gear = {100, 100, 100, 100};
        c.body = {100, 100, 100};
    });
    scripted.prompter.answers = {true};
    play({drawFor(15, 30), drawFor(0, 3), drawFor(120, 200), drawFor(100, 200), 0.0}, true);
    EXPECT_EQ(onMain("bankbalance"), QStringLiteral("70000"));
    EXPECT_EQ(onMain("otherincome"), QStringLiteral("8000"));
    EXPECT_EQ(inBook(0, Level::national), QStringLiteral("1"));

    // Worn gloves: down to the state side, gear and body restored.
    change([](Career& c) { c.gear.gloves = 0; });
    play({}, false);
    EXPECT_EQ(onMain("team"), QStringLiteral("Goa"));
    EXPECT_EQ(onMain("matchfee"), QStringLiteral("7000"));
    EXPECT_EQ(onMain("Label23_1"), QStringLiteral("100"));
    EXPECT_EQ(onMain("Label25"), QStringLiteral("100"));
    EXPECT_FALSE(career().selectedForWorldCup);

    // Not good enough for the state: back to the city and its statistics.
    change([](Career& c) { c.skills = {10, 10, 10}; });
    play({}, false);
    EXPECT_EQ(onMain("team"), QStringLiteral("Pune"));
    EXPECT_EQ(onMain("runs"), cityRuns);

    // Poor fielding for the city: back to the club and its statistics.
    change([](Career& c) { c.skills.fielding = 5; });
    play({}, false);
    EXPECT_EQ(onMain("team"), QStringLiteral("Five Star"));
    EXPECT_EQ(onMain("runs"), QStringLiteral("99"));
    EXPECT_EQ(onMain("matchfee"), QStringLiteral("3000"));

    // Exhausted at the club: the career is over, and Yes starts another.
    change([](Career& c) { c.body.stamina = -3; });
    scripted.prompter.answers = {true};
    play({}, false);
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(newCareers, 1);
    EXPECT_EQ(programEnds, 0);

    EXPECT_EQ(
        scripted.prompter.messages,
        (QStringList{
            QStringLiteral("You are selected in the Pune team."),
            QStringLiteral("A bookie offers you Rs. 50000 if you play badly. Accept the offer?"),
            QStringLiteral("You are selected in the Goa team."),
            QStringLiteral("You are selected in the India team."),
            QStringLiteral("You are selected for the World Cup in the India team."),
            QStringLiteral("A bookie offers you Rs. 50000 if you play badly. Accept the offer?"),
            QStringLiteral("You are awarded Rs.8000 based on your performance."),
            // Each reason with the figure that failed, and by how much.
            QStringLiteral("You are short of proper cricket accessories.\n"
                           "Gloves worn down to 0; each item of gear must be at least 1."),
            QStringLiteral("You are dropped from the India team."),
            QStringLiteral("You are not good enough at this level.\n"
                           "Overall skill 10, 5 short of the 15 needed."),
            QStringLiteral("You are dropped from the Goa team."),
            QStringLiteral("You are not selected due to poor fielding.\n"
                           "Fielding 5, 5 short of the 10 needed."),
            QStringLiteral("You are dropped from the Pune team."),
            QStringLiteral("You are unfit to play at this level.\n"
                           "Stamina down to \u202a-3\u202c; fitness, health and stamina must each "
                           "be at least 1."),
            QStringLiteral("You are dropped from the Five Star team."),
            QStringLiteral("Do you want to play again?")}));
    // The award is told once the match screen has closed, over the main screen.
    const qsizetype award = scripted.prompter.messages.indexOf(
        QStringLiteral("You are awarded Rs.8000 based on your performance."));
    ASSERT_LT(static_cast<std::size_t>(award), scripted.prompter.owners.size());
    EXPECT_EQ(scripted.prompter.owners[static_cast<std::size_t>(award)], main.get());
}

TEST_F(CareerOnScreen, CaughtTakingTheBribeAndNoToPlayingAgainEndsTheProgram) {
    change([](Career& c) { c.bankBalance = 12000; });
    scripted.prompter.answers = {true, false};
    play({drawFor(15, 30), drawFor(1, 3)}, false);
    EXPECT_EQ(
        scripted.prompter.messages,
        (QStringList{
            QStringLiteral("A bookie offers you Rs. 50000 if you play badly. Accept the offer?"),
            QStringLiteral("You're found guilty of match fixing in an enquiry. "
                           "Your career is over."),
            QStringLiteral("Do you want to play again?")}));
    // Return or Escape refuses the bribe; Return plays again.
    EXPECT_EQ(scripted.prompter.questionDefaults,
              (std::vector<Prompter::Answer>{Prompter::Answer::no, Prompter::Answer::yes}));
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(newCareers, 0);
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(onMain("matches"), QStringLiteral("0"));
}

}  // namespace
