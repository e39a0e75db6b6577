// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/screen_navigator.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "game/ratings.h"
#include "screens/career_in_play.h"
#include "screens/command_button.h"
#include "screens/credits_screen.h"
#include "screens/history/history_screen.h"
#include "screens/main_screen.h"
#include "screens/picture_button.h"
#include "screens/player_screen.h"
#include "screens/records_screen.h"
#include "support/match_on_screen.h"
#include "support/qt_printers.h"
#include "support/scripted_platform.h"

namespace {

// Screens that are discarded go once control is back in the event loop; the
// end of a career reaches the navigator through it too.
void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void continueFromCredits(ScreenNavigator& screens) {
    QTest::mouseClick(screens.creditsScreen()->continueButton(), Qt::LeftButton);
    settle();
}

void typePlayer(PlayerScreen& player, const QStringList& texts, const int skills[3],
                bool autoSave) {
    for (int i = 0; i < 4; ++i) QTest::keyClicks(player.textField(i), texts.at(i));
    for (int i = 0; i < 3; ++i) player.slider(i)->setValue(skills[i]);
    if (autoSave) QTest::mouseClick(player.autoSaveBox(), Qt::LeftButton);
}

// From the start-up credits to the main screen of a new career, as a player
// gets there.
MainScreen* startCareer(ScreenNavigator& screens, const QStringList& texts, const int skills[3],
                        bool autoSave) {
    screens.start();
    continueFromCredits(screens);
    typePlayer(*screens.playerScreen(), texts, skills, autoSave);
    QTest::mouseClick(screens.playerScreen()->command(PlayerScreen::Start), Qt::LeftButton);
    settle();
    return screens.mainScreen();
}

// The text of a label of the window itself, not of a window it owns.
QString shown(const QWidget* screen, const char* objectName) {
    for (const QLabel* label : screen->findChildren<QLabel*>(QString::fromLatin1(objectName))) {
        if (label->window() == screen) return label->text();
    }
    return QStringLiteral("<none>");
}

// Exhausted at the club, the next press of Play ends the career.
void endCareer(MainScreen* main) {
    main->career().update([](Career& c) { c.body.stamina = -3; });
    QTest::mouseClick(main->command(MainScreen::Play), Qt::LeftButton);
    continueFromCareerSummary(*main);
    settle();
}

TEST(ScreenNavigator, TheProgramStartsOnTheCreditsThenThePlayerScreen) {
    ScriptedPlatform scripted;
    ScreenNavigator screens(scripted.platform);
    screens.start();
    ASSERT_NE(screens.creditsScreen(), nullptr);
    EXPECT_TRUE(screens.creditsScreen()->isVisible());
    EXPECT_FALSE(screens.creditsScreen()->isModal());
    EXPECT_EQ(screens.creditsScreen()->parentWidget(), nullptr);
    EXPECT_EQ(screens.creditsScreen()->mode(), CreditsScreen::atStartUp);
    EXPECT_EQ(screens.playerScreen(), nullptr);
    EXPECT_EQ(screens.mainScreen(), nullptr);

    continueFromCredits(screens);
    EXPECT_EQ(screens.creditsScreen(), nullptr);
    ASSERT_NE(screens.playerScreen(), nullptr);
    EXPECT_TRUE(screens.playerScreen()->isVisible());
    EXPECT_EQ(screens.playerScreen()->parentWidget(), nullptr);
    EXPECT_EQ(screens.mainScreen(), nullptr);
    EXPECT_FALSE(screens.programEnded());
    EXPECT_EQ(scripted.random.taken, 0);
}

// Each screen opens where the one it follows stood, and Escape on the player
// screen goes back to the credits, from which Continue leads on again.
TEST(ScreenNavigator, EscapeOnThePlayerScreenGoesBackToTheCreditsInPlace) {
    ScriptedPlatform scripted;
    ScreenNavigator screens(scripted.platform);
    screens.start();
    screens.creditsScreen()->move(40, 70);
    const QPoint creditsCentre = screens.creditsScreen()->frameGeometry().center();
    continueFromCredits(screens);
    ASSERT_NE(screens.playerScreen(), nullptr);
    const QPoint playerCentre = screens.playerScreen()->frameGeometry().center();
    EXPECT_LE((playerCentre - creditsCentre).manhattanLength(), 4);

    QTest::keyClick(screens.playerScreen()->textField(0), Qt::Key_Escape);
    settle();
    EXPECT_EQ(screens.playerScreen(), nullptr);
    ASSERT_NE(screens.creditsScreen(), nullptr);
    EXPECT_TRUE(screens.creditsScreen()->isVisible());
    EXPECT_FALSE(screens.programEnded());
    const QPoint backCentre = screens.creditsScreen()->frameGeometry().center();
    EXPECT_LE((backCentre - playerCentre).manhattanLength(), 4);

    continueFromCredits(screens);
    ASSERT_NE(screens.playerScreen(), nullptr);
    EXPECT_TRUE(screens.playerScreen()->isVisible());
    EXPECT_FALSE(screens.programEnded());
}

TEST(ScreenNavigator, ClosingTheStartUpCreditsEndsTheProgram) {
    ScriptedPlatform scripted;
    ScreenNavigator screens(scripted.platform);
    QSignalSpy ending(&screens, &ScreenNavigator::programEnding);
    screens.start();
    screens.creditsScreen()->close();
    settle();
    EXPECT_EQ(ending.count(), 1);
    EXPECT_TRUE(screens.programEnded());
    EXPECT_EQ(screens.creditsScreen(), nullptr);
    EXPECT_EQ(screens.playerScreen(), nullptr);
}

TEST(ScreenNavigator, StartHandsThePlayerToANewCareer) {
    const struct {
        const char* name;
        const char* file;
        bool autoSave;
    } cases[] = {{" Ramesh K ", " rame_auto.bsg", true},
                 {"ANIL KUMAR", "anil _auto.bsg", false},
                 {"Raj", "raj_auto.bsg", true}};
    for (const auto& c : cases) {
        ScriptedPlatform scripted;
        scripted.random.draws = {0.45};
        ScreenNavigator screens(scripted.platform);
        const int skills[3] = {45, 20, 30};
        const QString name = QString::fromLatin1(c.name);
        MainScreen* main = startCareer(
            screens,
            {name, QStringLiteral("Pune"), QStringLiteral("Maharashtra"), QStringLiteral("India")},
            skills, c.autoSave);

        ASSERT_NE(main, nullptr) << c.name;
        EXPECT_TRUE(main->isVisible());
        EXPECT_EQ(screens.playerScreen(), nullptr);
        const Career& career = main->career().career();
        EXPECT_EQ(career.player, name);
        EXPECT_EQ(shown(main, "player"), name);
        EXPECT_EQ(main->recordsScreen()->nameLabel()->text(), name);
        const AutoSave& autoSave = main->career().session().autoSave();
        EXPECT_EQ(autoSave.fileName, QString::fromLatin1(c.file));
        EXPECT_EQ(autoSave.on, c.autoSave);
        const Skills typed{45, 20, 30};
        EXPECT_TRUE(career.skills == typed);
        EXPECT_TRUE(career.startingSkills == typed);
        EXPECT_EQ(shown(main, "Label2_0"), QStringLiteral("45"));
        EXPECT_EQ(shown(main, "Label2_1"), QStringLiteral("20"));
        EXPECT_EQ(shown(main, "Label2_2"), QStringLiteral("30"));
        EXPECT_EQ(career.team, QStringLiteral("Shining Moon"));
        EXPECT_EQ(shown(main, "team"), QStringLiteral("Shining Moon"));
        EXPECT_EQ(career.teams.club, QStringLiteral("Shining Moon"));
        EXPECT_EQ(career.teams.city, QStringLiteral("Pune"));
        EXPECT_EQ(career.teams.state, QStringLiteral("Maharashtra"));
        EXPECT_EQ(career.teams.nation, QStringLiteral("India"));
        EXPECT_EQ(scripted.random.taken, 1);
        // Return plays, whatever the player screen's focus was.
        EXPECT_EQ(main->focusWidget(), main->command(MainScreen::Play));
    }
}

TEST(ScreenNavigator, ExitOrTheCloseBoxOnThePlayerScreenEndsTheProgram) {
    for (bool closeBox : {false, true}) {
        ScriptedPlatform scripted;
        ScreenNavigator screens(scripted.platform);
        QSignalSpy ending(&screens, &ScreenNavigator::programEnding);
        screens.start();
        continueFromCredits(screens);
        QTest::keyClicks(screens.playerScreen()->textField(0), QStringLiteral("Ravi"));
        if (closeBox) {
            screens.playerScreen()->close();
        } else {
            QTest::mouseClick(screens.playerScreen()->command(PlayerScreen::Exit), Qt::LeftButton);
        }
        EXPECT_EQ(ending.count(), 1) << closeBox;
        EXPECT_EQ(screens.mainScreen(), nullptr);
        EXPECT_TRUE(scripted.prompter.messages.isEmpty());
    }
}

TEST(ScreenNavigator, AboutFromTheMenuReturnsToTheUnchangedMainScreen) {
    ScriptedPlatform scripted;
    scripted.random.draws = {0.1};
    ScreenNavigator screens(scripted.platform);
    const int skills[3] = {45, 20, 30};
    MainScreen* main = startCareer(screens,
                                   {QStringLiteral("Ravi"), QStringLiteral("Pune"),
                                    QStringLiteral("Goa"), QStringLiteral("India")},
                                   skills, true);
    ASSERT_NE(main, nullptr);
    const Career before = main->career().career();

    CreditsScreen::Mode modeSeen = CreditsScreen::atStartUp;
    QWidget* ownerSeen = nullptr;
    bool modalSeen = false;
    QTimer::singleShot(0, [&] {
        auto* credits = qobject_cast<CreditsScreen*>(QApplication::activeModalWidget());
        ASSERT_NE(credits, nullptr);
        modeSeen = credits->mode();
        ownerSeen = credits->parentWidget();
        modalSeen = credits->isModal();
        // A banner click on the way changes nothing either.
        QTest::mouseClick(credits->banner(0), Qt::LeftButton);
        QTest::mouseClick(credits->continueButton(), Qt::LeftButton);
    });
    QTest::mouseClick(main->command(MainScreen::About), Qt::LeftButton);

    EXPECT_EQ(modeSeen, CreditsScreen::fromMenu);
    EXPECT_EQ(ownerSeen, main);
    EXPECT_TRUE(modalSeen);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(scripted.opener.opened, QStringList{CreditsScreen::bannerAddresses[0]});
    EXPECT_EQ(screens.mainScreen(), main);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(screens.playerScreen(), nullptr);
    EXPECT_TRUE(main->career().career() == before);
    EXPECT_FALSE(screens.programEnded());
}

TEST(ScreenNavigator, PlayingAgainOpensAFreshPlayerScreen) {
    ScriptedPlatform scripted;
    scripted.random.draws = {0.1};
    ScreenNavigator screens(scripted.platform);
    const int skills[3] = {60, 70, 80};
    QPointer<MainScreen> main = startCareer(screens,
                                            {QStringLiteral("Ravi"), QStringLiteral("Pune"),
                                             QStringLiteral("Goa"), QStringLiteral("India")},
                                            skills, true);
    ASSERT_FALSE(main.isNull());
    QPointer<RecordsScreen> book = main->recordsScreen();

    scripted.prompter.answers = {true};
    endCareer(main);
    EXPECT_EQ(scripted.prompter.questions,
              QStringList{QStringLiteral("Do you want to play again?")});
    EXPECT_TRUE(main.isNull());
    EXPECT_TRUE(book.isNull());
    EXPECT_EQ(screens.mainScreen(), nullptr);
    EXPECT_FALSE(screens.programEnded());
    PlayerScreen* player = screens.playerScreen();
    ASSERT_NE(player, nullptr);
    EXPECT_TRUE(player->isVisible());
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(player->textField(i)->text().isEmpty());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(player->slider(i)->value(), 0);
        EXPECT_EQ(player->skillDisplay(i)->text(), QStringLiteral("0"));
    }
    EXPECT_EQ(player->overallDisplay()->text(), QStringLiteral("0"));
    EXPECT_FALSE(player->details().autoSave);

    // The new player starts a career of his own.
    scripted.random.draws = {0.9};
    QTest::keyClicks(player->textField(0), QStringLiteral("Sunil"));
    for (int i = 1; i < 4; ++i) QTest::keyClicks(player->textField(i), QStringLiteral("X"));
    QTest::mouseClick(player->command(PlayerScreen::Start), Qt::LeftButton);
    settle();
    ASSERT_NE(screens.mainScreen(), nullptr);
    EXPECT_EQ(screens.mainScreen()->career().career().player, QStringLiteral("Sunil"));
    EXPECT_EQ(overallSkill(screens.mainScreen()->career().career().skills), 0);
    EXPECT_EQ(shown(screens.mainScreen(), "skill"), QStringLiteral("0"));
}

// Where the player left the History window is the program's to keep, not
// the career's: the next career's window opens there.
TEST(ScreenNavigator, TheNextCareersHistoryOpensWhereThePlayerLeftTheLast) {
    ScriptedPlatform scripted;
    scripted.random.draws = {0.1};
    ScreenNavigator screens(scripted.platform);
    const int skills[3] = {60, 70, 80};
    MainScreen* main = startCareer(screens,
                                   {QStringLiteral("Ravi"), QStringLiteral("Pune"),
                                    QStringLiteral("Goa"), QStringLiteral("India")},
                                   skills, false);
    ASSERT_NE(main, nullptr);
    // Each main screen at the screen's right, so that its commands leave the
    // place in sight on a small screen.
    const QRect room = main->screen()->availableGeometry();
    const auto toTheRight = [&room](MainScreen* screen) {
        screen->move(room.right() - screen->frameGeometry().width() + 1, room.top());
    };
    toTheRight(main);
    QTest::mouseClick(main->command(MainScreen::History), Qt::LeftButton);
    ASSERT_NE(main->historyScreen(), nullptr);
    // As small as the player may make it.
    const QRect chosen(room.topLeft() + QPoint(5, 15), main->historyScreen()->leastUsefulSize());
    ASSERT_FALSE(chosen.intersects(main->commandsOnDesktop()));
    main->historyScreen()->setGeometry(chosen);

    scripted.prompter.answers = {true};
    endCareer(main);
    scripted.random.draws = {0.9};
    typePlayer(
        *screens.playerScreen(),
        {QStringLiteral("Sunil"), QStringLiteral("X"), QStringLiteral("X"), QStringLiteral("X")},
        skills, false);
    QTest::mouseClick(screens.playerScreen()->command(PlayerScreen::Start), Qt::LeftButton);
    settle();
    MainScreen* next = screens.mainScreen();
    ASSERT_NE(next, nullptr);
    toTheRight(next);
    ASSERT_FALSE(chosen.intersects(next->commandsOnDesktop()));
    QTest::mouseClick(next->command(MainScreen::History), Qt::LeftButton);
    ASSERT_NE(next->historyScreen(), nullptr);
    EXPECT_EQ(next->historyScreen()->geometry(), chosen);
}

TEST(ScreenNavigator, NoToPlayingAgainEndsTheProgram) {
    ScriptedPlatform scripted;
    scripted.random.draws = {0.1};
    ScreenNavigator screens(scripted.platform);
    QSignalSpy ending(&screens, &ScreenNavigator::programEnding);
    const int skills[3] = {1, 2, 3};
    MainScreen* main = startCareer(
        screens,
        {QStringLiteral("Ravi"), QStringLiteral("X"), QStringLiteral("X"), QStringLiteral("X")},
        skills, false);
    ASSERT_NE(main, nullptr);
    scripted.prompter.answers = {false};
    endCareer(main);
    EXPECT_EQ(ending.count(), 1);
    EXPECT_TRUE(screens.programEnded());
    EXPECT_EQ(screens.playerScreen(), nullptr);
}

}  // namespace
