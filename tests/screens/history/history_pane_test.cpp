// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "screens/command_button.h"
#include "screens/history/history_screen.h"
#include "screens/main_screen.h"
#include "screens/records_screen.h"
#include "support/qt_printers.h"
#include "support/scripted_platform.h"
#include "support/test_career.h"

namespace {

// Where no part of the History pane stands over the commands.
QRect onDesktop(const QWidget& widget) {
    return {widget.mapToGlobal(QPoint(0, 0)), widget.size()};
}

class HistoryPane : public ::testing::Test {
  protected:
    ScriptedPlatform scripted;
    MainScreen main{scripted.platform, testCareer(60, 60, 60)};
    QSize screenSize;

    void SetUp() override {
        main.move(QGuiApplication::primaryScreen()->availableGeometry().topLeft() + QPoint(20, 20));
        main.show();
        screenSize = main.size();
    }

    HistoryScreen* openHistory() {
        QTest::mouseClick(main.command(MainScreen::History), Qt::LeftButton);
        return main.historyScreen();
    }

    // As a window manager that places a window where it chooses would:
    // over the main window's commands, just after it is shown.
    HistoryScreen* openHistoryOverTheCommands() {
        HistoryScreen* history = openHistory();
        EXPECT_TRUE(history && history->isWindow());
        if (history) history->move(main.commandsOnDesktop().topLeft());
        return history;
    }

    void expectInPane(HistoryScreen* history) {
        ASSERT_NE(history, nullptr);
        EXPECT_FALSE(history->isWindow());
        EXPECT_TRUE(main.isAncestorOf(history));
        EXPECT_TRUE(history->isVisible());
        EXPECT_TRUE(history->detachButton()->isVisible());
        EXPECT_FALSE(onDesktop(*history).intersects(main.commandsOnDesktop()));
        // The design's screen keeps its size; the pane holds at least the
        // window's least size beside it, or all the screen has beside it.
        EXPECT_EQ(main.screenPane()->size(), screenSize);
        const QSize room = main.screen()
                               ->availableGeometry()
                               .marginsRemoved(HistoryScreen::expectedFrame())
                               .size();
        const QSize least = history->leastUsefulSize().boundedTo(
            room - QSize(screenSize.width() + main.panes()->handleWidth(), 0));
        EXPECT_GE(history->width(), least.width());
        EXPECT_GE(history->height(), least.height());
        EXPECT_GE(main.width(), screenSize.width() + least.width());
    }
};

// Placed over the commands by the window manager, the window moves into a
// pane of the main window, and opens there for the rest of the run: the
// same widget, with the tab the player left it on. Closed, it gives its
// room back.
TEST_F(HistoryPane, AWindowPlacedOverTheCommandsMovesIntoAPane) {
    HistoryScreen* history = openHistoryOverTheCommands();
    ASSERT_NE(history, nullptr);
    QTRY_VERIFY(!history->isWindow());
    expectInPane(history);
    history->showTab(HistoryScreen::milestonesTab);

    QTest::mouseClick(history->okButton(), Qt::LeftButton);
    EXPECT_FALSE(history->isVisible());
    EXPECT_EQ(main.size(), screenSize);

    EXPECT_EQ(openHistory(), history);
    expectInPane(history);
    EXPECT_EQ(history->currentTab(), HistoryScreen::milestonesTab);
    QTest::keyClick(history->focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(history->isVisible());
    EXPECT_EQ(main.size(), screenSize);
}

// Its least size is told to the window system, and in the pane the player
// cannot make it smaller either (on a small screen, than the room it has).
TEST_F(HistoryPane, KeepsItsLeastSizeAsAWindowAndAsAPane) {
    EXPECT_EQ(HistoryScreen(main.career(), nullptr).minimumSize(), QSize(560, 420));
    HistoryScreen* history = openHistoryOverTheCommands();
    ASSERT_NE(history, nullptr);
    QTRY_VERIFY(!history->isWindow());
    const int least = history->minimumWidth();
    EXPECT_GT(least, 0);
    main.panes()->setSizes({main.width(), 0});
    EXPECT_GE(history->width(), least);
    main.resize(main.minimumSize());
    EXPECT_GE(history->width(), least);
    EXPECT_EQ(main.screenPane()->size(), screenSize);
}

// Detach makes the pane a window of its own again, beside the main window
// and clear of its commands; once that window closes, History opens in the
// pane again.
TEST_F(HistoryPane, DetachedItStandsAsAWindowUntilClosed) {
    HistoryScreen* history = openHistoryOverTheCommands();
    ASSERT_NE(history, nullptr);
    QTRY_VERIFY(!history->isWindow());
    QTest::mouseClick(history->detachButton(), Qt::LeftButton);
    EXPECT_TRUE(history->isWindow());
    EXPECT_TRUE(history->isVisible());
    EXPECT_FALSE(history->detachButton()->isVisible());
    EXPECT_EQ(main.size(), screenSize);
    EXPECT_FALSE(history->frameGeometry().intersects(main.commandsOnDesktop()));

    history->close();
    expectInPane(openHistory());
}

// In the pane, a command's keys go to the command once: the History window's
// own copies of them would make every key ambiguous in one window.
TEST_F(HistoryPane, TheCommandsKeysWorkFromThePane) {
    HistoryScreen* history = openHistoryOverTheCommands();
    ASSERT_NE(history, nullptr);
    QTRY_VERIFY(!history->isWindow());
    main.activateWindow();
    QTRY_VERIFY(main.isActiveWindow());
    history->table()->setFocus();
    ASSERT_TRUE(history->table()->hasFocus());
    // The record book is modal, and opens once the command's press has been
    // shown: it is seen, then closed, from within.
    bool recordsShown = false;
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (QApplication::activeModalWidget() != main.recordsScreen()) return;
        recordsShown = true;
        main.recordsScreen()->reject();
    });
    watch.start();
    QTest::keySequence(history->table(), QKeySequence(Qt::CTRL | Qt::Key_R));
    EXPECT_TRUE(QTest::qWaitFor([&] { return recordsShown; }));
}

}  // namespace
