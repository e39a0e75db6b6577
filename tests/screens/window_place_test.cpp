// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/window_place.h"

#include <gtest/gtest.h>

#include "screens/look.h"

namespace {

// The main screen's frame as a window manager draws it: the client area
// with a title bar and thin edges, centred on the screen; its commands are
// the menu column at its right.
struct Desk {
    const char* name;
    QRect screen;
};

QRect mainFrameOn(const QRect& screen) {
    const QSize client(look::px(9015), look::px(5295));
    const QSize frame = client + QSize(2, 26);
    return centredOn(screen.center(), frame, screen);
}

QRect commandsOf(const QRect& mainFrame) {
    return QRect(mainFrame.left() + 1 + look::px(7560), mainFrame.top() + 25 + look::px(120),
                 look::px(1335), look::px(5055));
}

// At 1366x768 at scale 1 and 1.5, and 1920x1080 at scale 2 (in logical
// pixels, less a panel), the companion lies on the screen, never over the
// main screen's commands, and takes a free side where one holds its least
// size.
TEST(WindowPlace, TheCompanionOpensBesideTheMainWindowClearOfItsCommands) {
    const QSize wanted(860, 660);
    const QSize least(480, 360);
    const Desk desks[] = {{"1366@1", QRect(0, 0, 1366, 740)},
                          {"1366@1.5", QRect(0, 0, 911, 493)},
                          {"1920@2", QRect(0, 0, 960, 526)},
                          {"wide", QRect(0, 0, 2560, 1400)}};
    for (const Desk& desk : desks) {
        SCOPED_TRACE(desk.name);
        const QRect main = mainFrameOn(desk.screen);
        const QRect commands = commandsOf(main);
        const QRect place = besideMainWindow(main, commands, wanted, least, desk.screen);
        EXPECT_TRUE(desk.screen.contains(place));
        EXPECT_FALSE(place.intersects(commands));
        EXPECT_GE(place.width(), least.width());
        EXPECT_GE(place.height(), std::min(least.height(), desk.screen.height()));
        EXPECT_LE(place.width(), wanted.width());
        EXPECT_LE(place.height(), wanted.height());
        if (std::string(desk.name) == "wide") {
            // Room enough: beside it, not over it, level with its top.
            EXPECT_FALSE(place.intersects(main));
            EXPECT_EQ(place.size(), wanted);
            EXPECT_EQ(place.top(), main.top());
        }
    }

    // A main window moved to the screen's right edge has its room on the left.
    const QRect screen(0, 0, 1920, 1050);
    QRect main = mainFrameOn(screen);
    main.moveRight(screen.right());
    const QRect place = besideMainWindow(main, commandsOf(main), wanted, least, screen);
    EXPECT_FALSE(place.intersects(main));
    EXPECT_LT(place.right(), main.left());
    EXPECT_GE(place.right(), main.left() - 8);
}

TEST(WindowPlace, AWindowCentredOnAnotherStaysOnTheScreen) {
    const QRect screen(0, 0, 1366, 768);
    EXPECT_EQ(centredOn(QPoint(683, 384), QSize(100, 50), screen), QRect(634, 360, 100, 50));
    EXPECT_EQ(centredOn(QPoint(10, 760), QSize(100, 50), screen), QRect(0, 718, 100, 50));
    // Larger than the screen: its top left corner shows.
    EXPECT_EQ(centredOn(QPoint(683, 384), QSize(1500, 900), screen).topLeft(), QPoint(0, 0));
}

}  // namespace
