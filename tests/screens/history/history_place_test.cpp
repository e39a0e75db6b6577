// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "screens/command_button.h"
#include "screens/history/history_screen.h"
#include "screens/main_screen.h"
#include "screens/window_place.h"
#include "support/qt_printers.h"
#include "support/scripted_platform.h"
#include "support/test_career.h"

namespace {

HistoryScreen* openHistory(MainScreen& main) {
    QTest::mouseClick(main.command(MainScreen::History), Qt::LeftButton);
    HistoryScreen* history = main.historyScreen();
    EXPECT_NE(history, nullptr);
    EXPECT_TRUE(history && history->isVisible());
    return history;
}

QRect screenRoom() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// The main window at the screen's bottom right, its commands at its right:
// the room left of them takes the History window.
class HistoryPlace : public ::testing::Test {
  protected:
    ScriptedPlatform scripted;
    MainScreen main{scripted.platform, testCareer(60, 60, 60)};

    void SetUp() override {
        const QRect room = screenRoom();
        main.move(room.right() - main.frameGeometry().width() + 1,
                  room.bottom() - main.frameGeometry().height() + 1);
        main.show();
    }

    // A place the player might choose: at the screen's top left, clear of
    // the commands.
    QRect chosenPlace() const {
        const QRect room = screenRoom();
        const QRect commands = main.commandsOnDesktop();
        QRect chosen(room.left() + 10, room.top() + 20, commands.left() - room.left() - 40,
                     room.height() - 60);
        EXPECT_FALSE(chosen.intersects(commands));
        return chosen;
    }
};

// Moved and resized, closed in any way and opened again, it comes back
// where the player left it.
TEST_F(HistoryPlace, ComesBackWhereThePlayerLeftIt) {
    HistoryScreen* history = openHistory(main);
    ASSERT_NE(history, nullptr);
    const QRect chosen = chosenPlace();
    ASSERT_NE(history->geometry(), chosen);
    history->setGeometry(chosen);
    ASSERT_EQ(history->geometry(), chosen);

    QTest::mouseClick(history->okButton(), Qt::LeftButton);
    ASSERT_FALSE(history->isVisible());
    // Somewhere else meanwhile, as a window system may move a hidden window.
    history->move(chosen.topLeft() + QPoint(30, 30));
    openHistory(main);
    EXPECT_EQ(history->geometry(), chosen);

    QTest::keyClick(history->focusWidget() ? history->focusWidget() : history, Qt::Key_Escape);
    ASSERT_FALSE(history->isVisible());
    history->move(chosen.topLeft() + QPoint(30, 30));
    openHistory(main);
    EXPECT_EQ(history->geometry(), chosen);
}

// A place that would now cover the main window's commands (the main window
// has moved under it) or is no longer wholly on a screen gives way to the
// place the window takes the first time: beside the main window, on the
// screen, clear of its commands.
TEST_F(HistoryPlace, APlaceThatNoLongerSuitsGivesWayToTheFirstPlace) {
    HistoryScreen* history = openHistory(main);
    ASSERT_NE(history, nullptr);
    const QRect chosen = chosenPlace();
    history->setGeometry(chosen);
    history->close();
    const QRect room = screenRoom();
    main.move(room.topLeft());
    ASSERT_TRUE(chosen.intersects(main.commandsOnDesktop()));
    openHistory(main);
    EXPECT_NE(history->geometry(), chosen);
    EXPECT_FALSE(history->frameGeometry().intersects(main.commandsOnDesktop()));
    EXPECT_TRUE(room.contains(history->frameGeometry()));

    // Half off the screen's right edge.
    const QRect hanging(room.right() - 200, room.top() + 10, 500, 400);
    ASSERT_FALSE(hanging.intersects(main.commandsOnDesktop()));
    history->setGeometry(hanging);
    history->close();
    openHistory(main);
    EXPECT_NE(history->geometry(), hanging);
    EXPECT_TRUE(room.contains(history->frameGeometry()));
    EXPECT_FALSE(history->frameGeometry().intersects(main.commandsOnDesktop()));
}

// Whether a remembered frame may take its place again.
TEST(RememberedPlace, AFrameMayStandAgainWhollyOnTheScreensAndClearOfTheCommands) {
    const QRegion twoScreens = QRegion(0, 0, 1366, 740) + QRegion(1366, 0, 1920, 1050);
    const QRect commands(1000, 100, 90, 340);
    EXPECT_TRUE(mayStandAgain(QRect(10, 10, 900, 700), commands, twoScreens));
    // Across from one screen to the other, as the player may leave it.
    EXPECT_TRUE(mayStandAgain(QRect(1100, 10, 600, 700), commands, twoScreens));
    // Below the first, shorter screen, out of reach.
    EXPECT_FALSE(mayStandAgain(QRect(1100, 500, 600, 300), commands, twoScreens));
    EXPECT_FALSE(mayStandAgain(QRect(10, 10, 1000, 400), commands, twoScreens));
    EXPECT_FALSE(mayStandAgain(QRect(-20, 10, 500, 400), commands, twoScreens));
    // The second screen unplugged.
    EXPECT_FALSE(mayStandAgain(QRect(1500, 10, 600, 700), commands, QRegion(0, 0, 1366, 740)));
    // Nothing remembered yet.
    EXPECT_FALSE(mayStandAgain(QRect(), commands, twoScreens));
}

}  // namespace
