// SPDX-License-Identifier: GPL-3.0-or-later
// With auto-save on, what the player buys or takes between matches is in
// his save at once: Exit straight after it loses nothing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/screen_navigator.h"
#include "saves/career_file.h"
#include "saves/save_file_io.h"
#include "screens/career_in_play.h"
#include "screens/command_button.h"
#include "screens/main_screen.h"
#include "screens/player_screen.h"
#include "screens/purchase_screen.h"
#include "screens/sponsors_screen.h"
#include "support/file_contents.h"
#include "support/match_on_screen.h"
#include "support/qt_printers.h"
#include "support/scripted_platform.h"

namespace {

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class PurchaseSaved : public ::testing::Test {
  protected:
    QTemporaryDir programFolder;
    ScriptedPlatform scripted{programFolder.path()};
    ScreenNavigator screens{scripted.platform};
    QString saved = programFolder.path() + QStringLiteral("/Saves/ravi_auto.bsg");

    // A new career with auto-save on, through the player screen, and one
    // match played, so that its save stands.
    MainScreen* startAndPlay() {
        screens.start();
        QTest::mouseClick(screens.creditsScreen()->continueButton(), Qt::LeftButton);
        settle();
        PlayerScreen* player = screens.playerScreen();
        const QStringList texts{QStringLiteral("Ravi"), QStringLiteral("Pune"),
                                QStringLiteral("Goa"), QStringLiteral("India")};
        for (int i = 0; i < 4; ++i) QTest::keyClicks(player->textField(i), texts.at(i));
        for (int i = 0; i < 3; ++i) player->slider(i)->setValue(70);
        QTest::mouseClick(player->autoSaveBox(), Qt::LeftButton);
        scripted.random.draws = {0.1};  // the club
        QTest::mouseClick(player->command(PlayerScreen::Start), Qt::LeftButton);
        settle();
        MainScreen* main = screens.mainScreen();
        if (!main) return nullptr;
        scripted.random.draws = {0.0, 0.75, 0.4, 0.9};
        playMatchOnScreen(*main);
        return main;
    }

    // Presses a command whose modal screen `drive` then closes.
    template <typename Screen>
    void openFromMenu(MainScreen& main, MainScreen::Command command,
                      const std::function<void(Screen&)>& drive) {
        bool driven = false;
        QTimer::singleShot(0, [&] {
            auto* screen = qobject_cast<Screen*>(QApplication::activeModalWidget());
            ASSERT_NE(screen, nullptr);
            drive(*screen);
            driven = true;
        });
        QTest::mouseClick(main.command(command), Qt::LeftButton);
        EXPECT_TRUE(driven);
    }

    // What the save file holds.
    QByteArray savedBytes() const { return contents(saved); }
};

// Gear bought, then Exit: the save holds the balance after the purchase and
// the gear bought, which Load brings back.
TEST_F(PurchaseSaved, APurchaseThenExitLeavesASaveWithWhatWasBought) {
    MainScreen* main = startAndPlay();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(QFile::exists(saved));
    const QByteArray afterMatch = savedBytes();
    // Enough money for every unit the store offers; the change itself is no
    // rule's and saves nothing.
    main->career().update([](Career& c) { c.bankBalance = 500000; });
    EXPECT_EQ(savedBytes(), afterMatch);

    openFromMenu<PurchaseScreen>(*main, MainScreen::Store, [](PurchaseScreen& store) {
        QTest::mouseClick(store.okButton(), Qt::LeftButton);
    });
    const Career bought = main->career().career();
    ASSERT_LT(bought.bankBalance, 500000);
    EXPECT_TRUE(scripted.prompter.notices.isEmpty())
        << scripted.prompter.notices.join(QLatin1Char('\n')).toStdString();

    QSignalSpy ending(&screens, &ScreenNavigator::programEnding);
    QTest::mouseClick(main->command(MainScreen::Exit), Qt::LeftButton);
    settle();
    EXPECT_EQ(ending.count(), 1);
    EXPECT_EQ(savedBytes(), encodeSaveFile(saveFileOf(bought, true)));
}

// A sponsor taken, then Exit: the save holds him.
TEST_F(PurchaseSaved, ASponsorTakenThenExitIsInTheSave) {
    MainScreen* main = startAndPlay();
    ASSERT_NE(main, nullptr);
    openFromMenu<SponsorsScreen>(*main, MainScreen::Sponsors, [](SponsorsScreen& sponsors) {
        sponsors.option(0)->setChecked(true);
        QTest::mouseClick(sponsors.okButton(), Qt::LeftButton);
    });
    const Career taken = main->career().career();
    ASSERT_EQ(taken.sponsor, QStringLiteral("PEPSI"));
    QTest::mouseClick(main->command(MainScreen::Exit), Qt::LeftButton);
    settle();
    EXPECT_EQ(savedBytes(), encodeSaveFile(saveFileOf(taken, true)));
}

}  // namespace
