// SPDX-License-Identifier: GPL-3.0-or-later
// The History window as narrow as it opens beside the main screen: its
// header and last match in more, shorter rows, nothing to scroll sideways.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "screens/career_in_play.h"
#include "screens/history/history_screen.h"
#include "support/qt_printers.h"
#include "support/two_matches.h"

namespace {

QScrollArea* contentOf(const HistoryScreen& screen) {
    return screen.findChild<QScrollArea*>(QStringLiteral("content"));
}

QLabel* label(const HistoryScreen& screen, const char* objectName) {
    return screen.findChild<QLabel*>(QString::fromLatin1(objectName));
}

// The labels of the career card, the header and the last match, in their
// reading order.
QList<QLabel*> panelLabels(const HistoryScreen& screen) {
    QList<QLabel*> labels;
    for (const char* frame : {"Frame_career_card", "Frame_CAREER", "Frame_LAST_MATCH"}) {
        labels += screen.findChild<QWidget*>(QString::fromLatin1(frame))
                      ->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    }
    return labels;
}

// Whether the label stands whole in the window's viewport, given at least
// the room its text asks for.
bool whole(const HistoryScreen& screen, const QLabel* shown) {
    const QWidget* viewport = contentOf(screen)->viewport();
    const QRect place(shown->mapTo(viewport, QPoint(0, 0)), shown->size());
    return viewport->rect().contains(place) && shown->width() >= shown->minimumSizeHint().width();
}

// Whether `after` is read after `before`: on the same row further along the
// line (to the left right to left), or on a row below.
bool readAfter(const QWidget* before, const QWidget* after) {
    const QRect first = before->geometry();
    const QRect second = after->geometry();
    if (second.top() > first.top()) return true;
    if (second.top() < first.top()) return false;
    return before->isRightToLeft() ? second.right() < first.left() : second.left() > first.right();
}

class NarrowHistory : public ::testing::Test {
  protected:
    TwoMatches two;
    CareerInPlay model{two.career, two.history()};

    static void open(HistoryScreen& screen, const QRect& place) {
        screen.openWhereLeft(place);
        screen.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
        QApplication::processEvents();
    }

    // Every label of the header and the last match whole, in reading order,
    // with nothing to scroll sideways.
    static void expectWholeAndInOrder(const HistoryScreen& screen) {
        EXPECT_EQ(contentOf(screen)->horizontalScrollBar()->maximum(), 0);
        const QList<QLabel*> labels = panelLabels(screen);
        ASSERT_GT(labels.size(), 40);
        for (qsizetype at = 0; at < labels.size(); ++at) {
            const QLabel* shown = labels[at];
            if (!shown->isVisible()) continue;
            EXPECT_TRUE(whole(screen, shown)) << qPrintable(shown->objectName());
            if (at > 0 && labels[at - 1]->parent() == shown->parent()) {
                EXPECT_TRUE(readAfter(labels[at - 1], shown)) << qPrintable(shown->objectName());
            }
        }
    }
};

// At each width the window takes beside the main screen, from 560 at
// 1366x768 to those at scale 1.5 and 2, every caption and value of the header
// and of the last match stands whole, caption then value, row by row.
TEST_F(NarrowHistory, EveryFigureStandsWholeWithNothingToScrollSideways) {
    for (int width : {560, 620, 680, 760, 900}) {
        SCOPED_TRACE(width);
        HistoryScreen screen(model, nullptr);
        open(screen, QRect(0, 0, width, 1000));
        ASSERT_TRUE(label(screen, "lastRuns")->isVisible());
        ASSERT_TRUE(screen.cardAtHead());
        expectWholeAndInOrder(screen);
        // Every tab's name in sight, without scrolling the bar.
        const QTabBar* bar = screen.chartTabs()->tabBar();
        for (int tab = 0; tab < bar->count(); ++tab) {
            EXPECT_TRUE(bar->rect().contains(bar->tabRect(tab)))
                << tab << " " << bar->sizeHint().width() << " " << bar->width();
        }
        // The chart's tabs and the table as wide as the window, not wider.
        EXPECT_LE(screen.chartTabs()->width(), contentOf(screen)->viewport()->width());
        EXPECT_LE(screen.table()->width(), contentOf(screen)->viewport()->width());
    }
}

// Narrow, the last match's figures stand two to a row, the header's fewer
// than three; widened, they go back to four and three a row, and narrowed
// again to two. The window stays on the rows it lays out.
TEST_F(NarrowHistory, FewerPairsARowWhenNarrowAndTheWideRowsWhenWidened) {
    HistoryScreen screen(model, nullptr);
    open(screen, QRect(0, 0, 560, 1000));
    const auto sameRow = [&](const char* first, const char* second) {
        return label(screen, first)->geometry().top() == label(screen, second)->geometry().top();
    };
    EXPECT_TRUE(sameRow("lastRuns", "lastWickets"));
    EXPECT_FALSE(sameRow("lastRuns", "lastCatches"));
    EXPECT_TRUE(sameRow("lastCatches", "lastAward"));

    screen.resize(1300, 1000);
    QApplication::processEvents();
    EXPECT_TRUE(sameRow("lastRuns", "lastAward"));
    EXPECT_TRUE(sameRow("player", "team"));
    expectWholeAndInOrder(screen);

    screen.resize(560, 1000);
    QApplication::processEvents();
    EXPECT_FALSE(sameRow("lastRuns", "lastCatches"));
    expectWholeAndInOrder(screen);
}

// Right to left, the narrow rows are mirrored: each value stands to the left
// of its caption, and a row reads from the right.
TEST_F(NarrowHistory, RightToLeftTheNarrowRowsAreMirrored) {
    QApplication::setLayoutDirection(Qt::RightToLeft);
    {
        HistoryScreen screen(model, nullptr);
        open(screen, QRect(0, 0, 560, 1000));
        expectWholeAndInOrder(screen);
        EXPECT_LT(label(screen, "lastRuns")->geometry().right(),
                  label(screen, "caption_lastRuns")->geometry().left());
    }
    QApplication::setLayoutDirection(Qt::LeftToRight);
}

// At the size it opens with beside the main screen at 1366x768, the window
// shows the last match in its narrow rows above the chart and five rows of
// the table, nothing to scroll either way.
TEST_F(NarrowHistory, TheNarrowRowsLeaveRoomForTheChartAndFiveRows) {
    HistoryScreen screen(model, nullptr);
    open(screen, QRect(0, 0, 560, 660));
    QScrollArea* content = contentOf(screen);
    EXPECT_EQ(content->verticalScrollBar()->maximum(), 0);
    ASSERT_TRUE(label(screen, "lastRuns")->isVisible());
    expectWholeAndInOrder(screen);
    const QTableView* table = screen.table();
    EXPECT_GE(table->viewport()->height(), 5 * table->verticalHeader()->defaultSectionSize());
    // Every tab's name in sight, the Career tab's too, without scrolling the
    // bar.
    ASSERT_FALSE(screen.cardAtHead());
    const QTabBar* bar = screen.chartTabs()->tabBar();
    for (int tab = 0; tab < bar->count(); ++tab) {
        EXPECT_TRUE(bar->rect().contains(bar->tabRect(tab)))
            << tab << " " << bar->sizeHint().width() << " " << bar->width();
    }
}

// Narrower than it ever opens, as a player may make it, the window scrolls
// sideways with a scroll bar in the table's navy, not the style's grey.
TEST_F(NarrowHistory, ItsOwnScrollBarIsAsDarkAsTheTables) {
    HistoryScreen screen(model, nullptr);
    open(screen, QRect(0, 0, 300, 600));
    const QScrollBar* sideways = contentOf(screen)->horizontalScrollBar();
    EXPECT_GT(sideways->maximum(), 0);
    EXPECT_TRUE(sideways->isVisible());
    const QPalette table = screen.table()->horizontalScrollBar()->palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button, QPalette::Base}) {
        EXPECT_EQ(sideways->palette().color(role), table.color(role)) << role;
        EXPECT_EQ(contentOf(screen)->verticalScrollBar()->palette().color(role), table.color(role))
            << role;
    }
}

}  // namespace
