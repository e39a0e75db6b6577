// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "app/screen_navigator.h"
#include "saves/career_file.h"
#include "screens/career_in_play.h"
#include "screens/command_button.h"
#include "screens/main_screen.h"
#include "screens/player_screen.h"
#include "support/match_on_screen.h"
#include "support/qt_printers.h"
#include "support/scripted_platform.h"

namespace {

// Discarded screens go, and the end of a career reaches the navigator, once
// control is back in the event loop.
void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A career played with auto-save on continues after a fresh start of the
// player screen exactly where it stopped.
TEST(SavedCareer, AMatchSavedThroughTheScreensLoadsBackWhereItStopped) {
    QTemporaryDir programFolder;
    ScriptedPlatform scripted(programFolder.path());
    ScreenNavigator screens(scripted.platform);
    screens.start();
    QTest::mouseClick(screens.creditsScreen()->continueButton(), Qt::LeftButton);
    settle();

    PlayerScreen* player = screens.playerScreen();
    const QStringList texts{QStringLiteral(" Ravi "), QStringLiteral("Pune"), QStringLiteral("Goa"),
                            QStringLiteral("India")};
    for (int i = 0; i < 4; ++i) QTest::keyClicks(player->textField(i), texts.at(i));
    const int skills[3] = {80, 40, 30};
    for (int i = 0; i < 3; ++i) player->slider(i)->setValue(skills[i]);
    QTest::mouseClick(player->autoSaveBox(), Qt::LeftButton);
    scripted.random.draws = {0.1};  // the club
    QTest::mouseClick(player->command(PlayerScreen::Start), Qt::LeftButton);
    settle();

    MainScreen* main = screens.mainScreen();
    ASSERT_NE(main, nullptr);
    // No bookie, then 60 runs, 3 wickets and 1 catch.
    scripted.random.draws = {0.0, 0.75, 0.4, 0.9};
    playMatchOnScreen(*main);
    const QString saved = programFolder.path() + QStringLiteral("/Saves/ ravi_auto.bsg");
    ASSERT_TRUE(QFile::exists(saved));
    const Career played = main->career().career();
    EXPECT_EQ(played.statistics().runs, 60);

    // Exhausted at the club, the next press of Play ends the career; Yes
    // leads back to the player screen. Nothing of it is saved.
    main->career().update([](Career& c) { c.body.stamina = -3; });
    scripted.prompter.answers = {true};
    QTest::mouseClick(main->command(MainScreen::Play), Qt::LeftButton);
    continueFromCareerSummary(*main);
    settle();
    ASSERT_NE(screens.playerScreen(), nullptr);

    scripted.prompter.chosenFiles = {saved};
    scripted.random.draws = {0.9};  // the club drawn anew at start-up
    QTest::mouseClick(screens.playerScreen()->command(PlayerScreen::Load), Qt::LeftButton);
    settle();

    ASSERT_NE(screens.mainScreen(), nullptr);
    EXPECT_EQ(screens.playerScreen(), nullptr);
    const Career& loaded = screens.mainScreen()->career().career();
    // Every saved value, the record book with it, as it was after the match.
    EXPECT_EQ(saveFileOf(loaded, true).lines, saveFileOf(played, true).lines);
    EXPECT_EQ(loaded.teams.club, played.teams.club);
    EXPECT_EQ(loaded.drawnClub, QStringLiteral("Country Side"));
    EXPECT_EQ(scripted.prompter.dialogs.size(), 1);
    EXPECT_TRUE(scripted.prompter.dialogs.front().startsWith(
        QStringLiteral("Bailcrest: Load Game|") + programFolder.path() + QStringLiteral("/Saves")));
}

}  // namespace
