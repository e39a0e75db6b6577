// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QSplitterHandle>
#include <QStyle>
#include <functional>
#include <map>
#include <memory>

#include "screens/career_in_play.h"
#include "screens/credits_screen.h"
#include "screens/history/history_screen.h"
#include "screens/look.h"
#include "screens/main_screen.h"
#include "screens/match_screen.h"
#include "screens/player_screen.h"
#include "screens/purchase_screen.h"
#include "screens/records_screen.h"
#include "screens/sponsors_screen.h"
#include "support/qt_printers.h"
#include "support/scripted_platform.h"
#include "support/test_career.h"

namespace {

// The application's direction for one test, as a translation sets it.
class Direction {
  public:
    explicit Direction(Qt::LayoutDirection direction) {
        QApplication::setLayoutDirection(direction);
    }
    ~Direction() { QApplication::setLayoutDirection(Qt::LayoutDirectionAuto); }
};

struct Placed {
    QRect geometry;
    int parentWidth;
    Qt::Alignment alignment;
    bool isText;
};

// Every widget the screen places itself (not a layout, nor a widget's own
// insides), by its path of object names.
std::map<QString, Placed> placedWidgets(QWidget& screen) {
    std::map<QString, Placed> placed;
    for (QWidget* widget : screen.findChildren<QWidget*>()) {
        QWidget* parent = widget->parentWidget();
        // A splitter's handles are its own.
        if (widget->objectName().isEmpty() || widget->window() != &screen || parent->layout() ||
            widget->isWindow() || qobject_cast<QSplitterHandle*>(widget))
            continue;
        const auto* label = qobject_cast<QLabel*>(widget);
        placed[parent->objectName() + QLatin1Char('/') + widget->objectName()] = {
            widget->geometry(), parent->width(), label ? label->alignment() : Qt::Alignment(),
            label && label->pixmap().isNull()};
    }
    return placed;
}

// Builds the screen once left to right and once right to left, and expects
// the second the mirror image of the first: every widget as far from its
// parent's right edge as it stood from the left, and every label's text
// aligned to the other side.
void expectMirrored(const std::function<std::unique_ptr<QWidget>()>& build) {
    std::map<QString, Placed> leftToRight;
    std::map<QString, Placed> rightToLeft;
    {
        Direction direction(Qt::LeftToRight);
        const std::unique_ptr<QWidget> screen = build();
        screen->show();
        leftToRight = placedWidgets(*screen);
    }
    {
        Direction direction(Qt::RightToLeft);
        const std::unique_ptr<QWidget> screen = build();
        screen->show();
        rightToLeft = placedWidgets(*screen);
    }
    ASSERT_FALSE(leftToRight.empty());
    ASSERT_EQ(leftToRight.size(), rightToLeft.size());
    for (const auto& [name, ltr] : leftToRight) {
        SCOPED_TRACE(name.toStdString());
        const Placed& rtl = rightToLeft.at(name);
        EXPECT_EQ(rtl.parentWidth, ltr.parentWidth);
        EXPECT_EQ(rtl.geometry.size(), ltr.geometry.size());
        EXPECT_EQ(rtl.geometry.y(), ltr.geometry.y());
        EXPECT_EQ(rtl.geometry.x(), ltr.parentWidth - ltr.geometry.x() - ltr.geometry.width());
        if (ltr.isText) {
            EXPECT_EQ(rtl.alignment & ~Qt::AlignAbsolute,
                      QStyle::visualAlignment(Qt::RightToLeft, ltr.alignment) & ~Qt::AlignAbsolute);
        }
    }
}

TEST(MirroredScreens, EveryScreenRightToLeftIsTheMirrorImageOfTheEnglish) {
    ScriptedPlatform scripted;
    MainScreen owner(scripted.platform, testCareer(50, 50, 50));
    CareerInPlay& career = owner.career();

    expectMirrored([&] {
        return std::make_unique<CreditsScreen>(CreditsScreen::atStartUp, scripted.opener,
                                               scripted.prompter);
    });
    expectMirrored([&] { return std::make_unique<PlayerScreen>(scripted.prompter); });
    expectMirrored(
        [&] { return std::make_unique<MainScreen>(scripted.platform, testCareer(50, 50, 50)); });
    expectMirrored([&] {
        scripted.random.draws = {drawFor(60, 100), drawFor(70, 100), drawFor(50, 100)};
        return std::make_unique<MatchScreen>(career, scripted.platform, &owner);
    });
    for (auto centre : {PurchaseScreen::training, PurchaseScreen::store, PurchaseScreen::health}) {
        expectMirrored([&] {
            return std::make_unique<PurchaseScreen>(centre, career, scripted.prompter, &owner);
        });
    }
    expectMirrored(
        [&] { return std::make_unique<SponsorsScreen>(career, scripted.prompter, &owner); });
    expectMirrored([&] { return std::make_unique<RecordsScreen>(career, &owner); });
}

TEST(MirroredScreens, AConditionBarGrowsFromTheRightRightToLeft) {
    Direction direction(Qt::RightToLeft);
    ScriptedPlatform scripted;
    MainScreen screen(scripted.platform, testCareer(50, 50, 50));
    screen.show();
    const QWidget* bar = screen.findChild<QWidget*>(QStringLiteral("Shape3_0"));
    ASSERT_NE(bar, nullptr);
    const int right = bar->geometry().right();
    screen.career().update([](Career& c) { c.gear.bat = 20; });
    EXPECT_EQ(bar->geometry().right(), right);
    EXPECT_LT(bar->width(), look::px(1335));
}

TEST(MirroredScreens, TheHistoryWindowsValuesStandBesideTheirOwnCaptions) {
    ScriptedPlatform scripted;
    for (auto direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        Direction chosen(direction);
        MainScreen main(scripted.platform, testCareer(50, 50, 50));
        HistoryScreen history(main.career(), &main);
        history.show();
        QApplication::processEvents();
        const auto values = history.findChildren<QLabel*>();
        int pairs = 0;
        for (const QLabel* value : values) {
            if (value->accessibleDescription().isEmpty()) continue;
            const auto* caption =
                history.findChild<QLabel*>(QStringLiteral("caption_") + value->objectName());
            if (!caption || !value->isVisible()) continue;
            ++pairs;
            SCOPED_TRACE(value->objectName().toStdString());
            // The value follows its caption in the reading direction, its
            // text at the caption's side.
            const QRect c = caption->geometry();
            const QRect v = value->geometry();
            if (direction == Qt::LeftToRight) {
                EXPECT_GE(v.left(), c.right());
                EXPECT_TRUE(value->alignment() & Qt::AlignLeft);
            } else {
                EXPECT_LE(v.right(), c.left());
                EXPECT_TRUE(value->alignment() & Qt::AlignRight);
            }
        }
        EXPECT_GT(pairs, 5);
        // Whole at its default size: nothing of the window's own cut at its edges.
        EXPECT_GE(history.childrenRect().left(), 0);
        EXPECT_LE(history.childrenRect().right(), history.width() - 1);
    }
}

}  // namespace
