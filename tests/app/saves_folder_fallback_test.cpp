// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "app/screen_navigator.h"
#include "game/shown_numbers.h"
#include "saves/saves_folder.h"
#include "screens/career_in_play.h"
#include "screens/command_button.h"
#include "screens/main_screen.h"
#include "screens/player_screen.h"
#include "support/file_contents.h"
#include "support/match_on_screen.h"
#include "support/own_data_folder.h"
#include "support/qt_printers.h"
#include "support/scripted_platform.h"

namespace {

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A program folder that holds a file called Saves, so no Saves folder can go
// beside the program until the file is taken away; and the user's own Saves
// folder, this test's alone.
class FallbackFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        usersFolder = usersSavesFolder();
        QFile blocker(besideTheProgram());
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }

    QString besideTheProgram() const { return program.path() + QStringLiteral("/Saves"); }
    QString toldWhere() const {
        return QStringLiteral(
                   "The folder beside the game cannot hold saves, so your career is "
                   "saved in this folder:\n\n%1")
            .arg(shownPath(usersFolder));
    }

    // Presses Play on a fit and able player: no bookie, then a quiet match
    // of 10 runs, no wicket and no catch.
    void playAMatch(ScreenNavigator& screens) {
        scripted.random.draws = {0.0, 0.11, 0.0, 0.0};
        playMatchOnScreen(*screens.mainScreen());
    }

    OwnDataFolder data;
    QTemporaryDir program;
    ScriptedPlatform scripted{program.path()};
    QString usersFolder;
};

TEST_F(FallbackFolder, ThePlayerIsToldOnceAndTheCareerStaysInOneFolder) {
    ScreenNavigator screens(scripted.platform);
    screens.start();
    QTest::mouseClick(screens.creditsScreen()->continueButton(), Qt::LeftButton);
    settle();
    PlayerScreen* player = screens.playerScreen();
    const QStringList texts{QStringLiteral("Ravi"), QStringLiteral("Pune"), QStringLiteral("Goa"),
                            QStringLiteral("India")};
    for (int i = 0; i < 4; ++i) QTest::keyClicks(player->textField(i), texts.at(i));
    for (int i = 0; i < 3; ++i) player->slider(i)->setValue(60);
    QTest::mouseClick(player->autoSaveBox(), Qt::LeftButton);
    scripted.random.draws = {0.1};  // the club
    QTest::mouseClick(player->command(PlayerScreen::Start), Qt::LeftButton);
    settle();
    ASSERT_NE(screens.mainScreen(), nullptr);

    const QString saved = usersFolder + QStringLiteral("/ravi_auto.bsg");
    playAMatch(screens);
    EXPECT_TRUE(QFile::exists(saved));
    EXPECT_EQ(scripted.prompter.notices, QStringList{toldWhere()});

    // The program's folder can hold saves again: the career does not split.
    ASSERT_TRUE(QFile::remove(besideTheProgram()));
    const QByteArray first = contents(saved);
    playAMatch(screens);
    EXPECT_FALSE(QFileInfo::exists(besideTheProgram()));
    // Saved there again: the file holds the match just played.
    EXPECT_NE(contents(saved), first);
    EXPECT_EQ(scripted.prompter.notices, QStringList{toldWhere()});

    // Loaded again from the user's folder, it goes on saving there, without
    // a word, since the player chose it from there.
    screens.mainScreen()->career().update([](Career& c) { c.body.stamina = -3; });
    scripted.prompter.answers = {true};
    QTest::mouseClick(screens.mainScreen()->command(MainScreen::Play), Qt::LeftButton);
    continueFromCareerSummary(*screens.mainScreen());
    settle();
    scripted.prompter.notices.clear();
    scripted.prompter.chosenFiles = {saved};
    scripted.random.draws = {0.1};
    QTest::mouseClick(screens.playerScreen()->command(PlayerScreen::Load), Qt::LeftButton);
    settle();
    ASSERT_NE(screens.mainScreen(), nullptr);
    playAMatch(screens);
    // The Load dialog opened in the Saves folder beside the program, which
    // it made, but the career did not follow it there.
    EXPECT_TRUE(QDir(besideTheProgram()).isEmpty());
    EXPECT_TRUE(scripted.prompter.notices.isEmpty())
        << scripted.prompter.notices.join('|').toStdString();
    EXPECT_EQ(screens.mainScreen()->career().career().statistics().matches, 3);
}

}  // namespace
