#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QTest>
#include <QTimer>
#include <vector>

#include "core/career_host.h"
#include "core/main_screen.h"
#include "match/match_screen.h"
#include "records/records_screen.h"
#include "support/qt_printers.h"
#include "support/scripted_platform.h"
#include "support/test_career.h"
#include "ui/command_button.h"

namespace {

class CountingCareerHost final : public CareerHost {
  public:
    int programEnds = 0;
    int newCareers = 0;
    void endProgram() override { ++programEnds; }
    void playAgain() override { ++newCareers; }
};

// A draw that makes floor(draw × n) equal k.
double drawFor(int k, int n) {
    return (k + 0.5) / n;
}

QString shown(const QWidget& screen, const char* objectName) {
    const auto* label = screen.findChild<QLabel*>(QString::fromLatin1(objectName));
    return label ? label->text() : QStringLiteral("<none>");
}

TEST(MatchScreen, ShowsTheDrawnMatchAndOnlyOkAppliesAndClosesIt) {
    ScriptedPlatform scripted;
    Career career;
    startTestCareer(career, 100, 100, 100);
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
    EXPECT_EQ(career.record.text(Field::matches), QStringLiteral("0"));

    QTest::mouseClick(screen.okButton(), Qt::LeftButton);
    EXPECT_TRUE(screen.applied());
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(screen.result(), QDialog::Accepted);
    EXPECT_EQ(career.record.text(Field::matches), QStringLiteral("1"));
    EXPECT_EQ(career.record.text(Field::runs), QStringLiteral("60"));
    EXPECT_EQ(career.record.text(Field::wickets), QStringLiteral("4"));
    EXPECT_EQ(career.record.text(Field::catches), QStringLiteral("2"));
}

// Drives a whole career through the main screen as a player would: Play is
// pressed with the mouse, and the match screen, once open, is first tried
// with Escape and its close box, then confirmed with OK.
class CareerOnScreen : public ::testing::Test {
  protected:
    void SetUp() override {
        scripted.random.draws = {0.0};  // the club: Five Star
        main = std::make_unique<MainScreen>(
            scripted.platform, host,
            PlayerDetails{QStringLiteral("Ravi"), QStringLiteral("Pune"), QStringLiteral("Goa"),
                          QStringLiteral("India"), 100, 100, 100, 0});
        main->show();
    }

    CareerRecord& record() { return main->career().record; }

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
                seen = {shown(*match, "Label4").toInt(), shown(*match, "Label5").toInt(),
                        shown(*match, "Label6").toInt()};
                QTest::keyClick(match, Qt::Key_Escape);
                match->close();
                EXPECT_TRUE(match->isVisible());
                QTest::mouseClick(match->okButton(), Qt::LeftButton);
            });
        }
        QTest::mouseClick(main->command(MainScreen::Play), Qt::LeftButton);
        EXPECT_EQ(matchShown, matchExpected);
        EXPECT_TRUE(scripted.random.draws.empty()) << scripted.random.draws.size() << " draws left";
        return seen;
    }

    QString onMain(Field field) { return main->fieldLabel(field)->text(); }
    QString inBook(int row, int column) {
        return main->recordsScreen()->cellLabel(row, column)->text();
    }

    ScriptedPlatform scripted;
    CountingCareerHost host;
    std::unique_ptr<MainScreen> main;
};

TEST_F(CareerOnScreen, FromClubToNationalAndBackDownToTheEnd) {
    const QString point = QLocale::system().decimalPoint();

    // Club: 99 runs, no wickets or catches.
    MatchPerformance match = play({0.0, drawFor(99, 100), 0.0, 0.0}, true);
    EXPECT_EQ(match.runs, 99);
    EXPECT_EQ(onMain(Field::matches), QStringLiteral("1"));
    EXPECT_EQ(onMain(Field::runs), QStringLiteral("99"));
    EXPECT_EQ(onMain(Field::fifty), QStringLiteral("1"));
    EXPECT_EQ(onMain(Field::bataverage), QStringLiteral("99") + point + QStringLiteral("00"));
    EXPECT_EQ(onMain(Label2(0)), QStringLiteral("124"));
    EXPECT_EQ(onMain(Label2(1)), QStringLiteral("99"));
    EXPECT_EQ(onMain(Field::bankbalance), QStringLiteral("3000"));
    EXPECT_EQ(onMain(Label23(1)), QStringLiteral("76"));
    EXPECT_EQ(onMain(Field::Label24), QStringLiteral("85"));
    EXPECT_EQ(inBook(0, 0), QStringLiteral("1"));
    EXPECT_EQ(inBook(1, 0), QStringLiteral("99"));
    EXPECT_EQ(inBook(0, 1), QStringLiteral("0"));

    // Batting brought to 200 (the training centre's work): promoted to the city.
    record().set(Label2(0), QStringLiteral("200"));
    play({}, false);
    EXPECT_EQ(onMain(Field::team), QStringLiteral("Pune"));
    EXPECT_EQ(onMain(Field::matchfee), QStringLiteral("5000"));
    EXPECT_EQ(onMain(Field::matches), QStringLiteral("0"));
    EXPECT_EQ(onMain(Label2(0)), QStringLiteral("100"));
    EXPECT_EQ(inBook(0, 0), QStringLiteral("1"));

    // City: the bookie's offer declined; what the screen showed is applied.
    scripted.prompter.answers = {false};
    match = play({drawFor(15, 30), drawFor(50, 100), drawFor(40, 100), drawFor(30, 100)}, true);
    EXPECT_EQ(onMain(Field::matches), QStringLiteral("1"));
    EXPECT_EQ(onMain(Field::runs), QString::number(match.runs));
    EXPECT_EQ(onMain(Field::wickets), QString::number(match.wickets));
    EXPECT_EQ(onMain(Field::catches), QString::number(match.catches));
    EXPECT_EQ(onMain(Field::bankbalance), QStringLiteral("8000"));
    EXPECT_EQ(inBook(1, 1), QString::number(match.runs));
    const QString cityRuns = onMain(Field::runs);

    record().set(Label2(0), QStringLiteral("200"));
    play({}, false);
    EXPECT_EQ(onMain(Field::team), QStringLiteral("Goa"));
    record().set(Label2(1), QStringLiteral("200"));
    play({}, false);
    EXPECT_EQ(onMain(Field::team), QStringLiteral("India"));
    EXPECT_EQ(onMain(Field::matchfee), QStringLiteral("10000"));
    record().set(Label2(1), QStringLiteral("200"));
    play({}, false);
    EXPECT_EQ(onMain(Field::matchfee), QStringLiteral("12000"));

    // National: the money taken, the enquiry clears him, the match is played.
    for (int i = 0; i < 7; ++i) record().set(Label23(i), QStringLiteral("100"));
    scripted.prompter.answers = {true};
    play({drawFor(15, 30), drawFor(0, 3), drawFor(120, 200), drawFor(100, 200), 0.0}, true);
    EXPECT_EQ(onMain(Field::bankbalance), QStringLiteral("70000"));
    EXPECT_EQ(onMain(Field::otherincome), QStringLiteral("8000"));
    EXPECT_EQ(inBook(0, 3), QStringLiteral("1"));

    // Worn gloves: down to the state side, gear and body restored.
    record().set(Label23(1), QStringLiteral("0"));
    play({}, false);
    EXPECT_EQ(onMain(Field::team), QStringLiteral("Goa"));
    EXPECT_EQ(onMain(Field::matchfee), QStringLiteral("7000"));
    EXPECT_EQ(onMain(Label23(1)), QStringLiteral("100"));
    EXPECT_EQ(onMain(Field::Label25), QStringLiteral("100"));
    EXPECT_EQ(main->career().working.WorldCup, 0);

    // Not good enough for the state: back to the city and its statistics.
    for (int i = 0; i < 3; ++i) record().set(Label2(i), QStringLiteral("10"));
    play({}, false);
    EXPECT_EQ(onMain(Field::team), QStringLiteral("Pune"));
    EXPECT_EQ(onMain(Field::runs), cityRuns);

    // Poor fielding for the city: back to the club and its statistics.
    record().set(Label2(2), QStringLiteral("5"));
    play({}, false);
    EXPECT_EQ(onMain(Field::team), QStringLiteral("Five Star"));
    EXPECT_EQ(onMain(Field::runs), QStringLiteral("99"));
    EXPECT_EQ(onMain(Field::matchfee), QStringLiteral("3000"));

    // Exhausted at the club: the career is over, and Yes starts another.
    record().set(Label23(6), QStringLiteral("-3"));
    scripted.prompter.answers = {true};
    play({}, false);
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(host.newCareers, 1);
    EXPECT_EQ(host.programEnds, 0);

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
            QStringLiteral("You are short of proper cricket accessories."),
            QStringLiteral("You are dropped from the India team."),
            QStringLiteral("You are not good enough at this level."),
            QStringLiteral("You are dropped from the Goa team."),
            QStringLiteral("You are not selected due to poor fielding."),
            QStringLiteral("You are dropped from the Pune team."),
            QStringLiteral("You are unfit to play at this level."),
            QStringLiteral("You are dropped from the Five Star team."),
            QStringLiteral("Do you want to play again?")}));
}

TEST_F(CareerOnScreen, CaughtTakingTheBribeAndNoToPlayingAgainEndsTheProgram) {
    record().set(Field::bankbalance, QStringLiteral("12000"));
    scripted.prompter.answers = {true, false};
    play({drawFor(15, 30), drawFor(1, 3)}, false);
    EXPECT_EQ(
        scripted.prompter.messages,
        (QStringList{
            QStringLiteral("A bookie offers you Rs. 50000 if you play badly. Accept the offer?"),
            QStringLiteral("You're found guilty of match fixing in an enquiry. "
                           "Your career is over."),
            QStringLiteral("Do you want to play again?")}));
    EXPECT_EQ(host.programEnds, 1);
    EXPECT_EQ(host.newCareers, 0);
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(onMain(Field::matches), QStringLiteral("0"));
}

}  // namespace
