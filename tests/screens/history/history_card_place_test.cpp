// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <cstdint>

#include "game/history.h"
#include "game/match.h"
#include "screens/career_card.h"
#include "screens/career_in_play.h"
#include "screens/history/history_screen.h"
#include "screens/history/history_table_model.h"
#include "screens/match_link.h"
#include "support/qt_printers.h"
#include "support/test_career.h"

namespace {

// Forty club matches, the highest score in the third: far from the newest
// row the table opens on.
struct FortyMatches {
    Career career = testCareer(45, 20, 30);
    CareerHistory history;

    FortyMatches() {
        career.drawnClub = QStringLiteral("Five Star");
        for (int match = 1; match <= 40; ++match) {
            const auto runs = static_cast<std::int16_t>(match == 3 ? 150 : 10 + match % 20);
            const MatchPerformance played{runs, static_cast<std::int16_t>(match % 3), 0};
            history.append(playMatch(career, played));
        }
    }
};

// The window as the screen's room, less a panel and the window's frame,
// makes it at 1366x768 at scale 1 and 1.5, and 1920x1080 at scale 2.
struct Desk {
    const char* name;
    QSize room;
};

constexpr Desk desks[] = {
    {"1366@1", {1366, 740}}, {"1366@1.5", {911, 493}}, {"1920@2", {960, 526}}};

QRect filling(const Desk& desk) {
    return QRect(QPoint(0, 0), desk.room).marginsRemoved(HistoryScreen::expectedFrame());
}

QScrollArea* contentOf(const HistoryScreen& screen) {
    return screen.findChild<QScrollArea*>(QStringLiteral("content"));
}

// Whether the widget is whole in the window's scrolled content as it stands.
bool wholeInSight(const HistoryScreen& screen, const QWidget* widget) {
    const QWidget* viewport = contentOf(screen)->viewport();
    const QRect place(widget->mapTo(viewport, QPoint(0, 0)), widget->size());
    return widget->isVisible() && viewport->rect().contains(place);
}

QString currentMatch(const QTableView* table) {
    return table->currentIndex().siblingAtColumn(HistoryTableModel::match).data().toString();
}

// A History window of the forty matches.
class CardOnAShortScreen : public ::testing::Test {
  protected:
    FortyMatches story;
    CareerInPlay model{story.career, story.history};

    // Opens the window at that place, as where the player left it.
    static void open(HistoryScreen& screen, const QRect& place) {
        screen.openWhereLeft(place);
        screen.show();
        screen.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
        // Placed inside the screen's frame: the size is the place's.
        ASSERT_TRUE(QTest::qWaitFor([&] { return screen.size() == place.size(); }));
        // The layouts settle from the events they posted, not from time passing.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
};

// Filling the screen at each of the three, the window opens on the chart
// whole with its axes and five rows of the table, nothing to scroll; the card,
// too tall to join them, is the first tab, Career, reached by Ctrl+Tab and Tab, and
// its highest score still chooses its match in the table below the tabs.
TEST_F(CardOnAShortScreen, TheChartFiveRowsAndTheCardAreInReachAtEachScreen) {
    for (const Desk& desk : desks) {
        SCOPED_TRACE(desk.name);
        HistoryScreen screen(model, nullptr);
        open(screen, filling(desk));
        ASSERT_EQ(screen.geometry(), filling(desk));
        EXPECT_EQ(contentOf(screen)->verticalScrollBar()->maximum(), 0);
        EXPECT_EQ(screen.currentTab(), HistoryScreen::Tab(historyChart::runs));

        // Each chart whole, with room below and beside its lines for the
        // axes' numbers.
        for (int shown = 0; shown < historyChart::chartCount; ++shown) {
            screen.showTab(HistoryScreen::Tab(shown));
            QApplication::processEvents();
            auto* chart = qobject_cast<QChartView*>(screen.chartView(historyChart::Chart(shown)));
            ASSERT_NE(chart, nullptr);
            EXPECT_TRUE(wholeInSight(screen, chart)) << shown;
            const QRectF plot = chart->chart()->plotArea();
            const QFontMetrics numbers(chart->chart()->font());
            EXPECT_GT(plot.height(), 4 * numbers.height()) << shown;
            EXPECT_LE(plot.bottom() + numbers.height(), chart->height()) << shown;
            EXPECT_GE(plot.left(), numbers.horizontalAdvance(QStringLiteral("100"))) << shown;
        }
        screen.showTab(HistoryScreen::Tab(historyChart::runs));

        QTableView* table = screen.table();
        EXPECT_TRUE(wholeInSight(screen, table));
        EXPECT_GE(table->viewport()->height(), 5 * table->verticalHeader()->defaultSectionSize());

        ASSERT_FALSE(screen.cardAtHead());
        QTabWidget* tabs = screen.chartTabs();
        QTabBar* bar = tabs->tabBar();
        EXPECT_EQ(tabs->count(), HistoryScreen::tabCount);
        EXPECT_EQ(bar->tabText(0), QStringLiteral("Career"));
        EXPECT_EQ(tabs->widget(0)->accessibleName(), QStringLiteral("Career"));
        EXPECT_TRUE(bar->rect().contains(bar->tabRect(0)));
        EXPECT_TRUE(wholeInSight(screen, bar));

        // The Career tab comes first, one step back from the chart the window
        // opens on.
        bar->setFocus(Qt::TabFocusReason);
        QTest::keyClick(bar, Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        ASSERT_EQ(screen.currentTab(), HistoryScreen::careerTab);
        EXPECT_EQ(tabs->currentIndex(), 0);
        // The last match's panel, missing nowhere: whole at the head, or
        // below the card in the Career tab where the head has no room.
        const auto* panel = screen.findChild<QWidget*>(QStringLiteral("Frame_LAST_MATCH"));
        EXPECT_TRUE(panel->isVisible());
        EXPECT_TRUE(wholeInSight(screen, panel) || tabs->widget(0)->isAncestorOf(panel));
        QTest::keyClick(bar, Qt::Key_Tab);
        MatchLink* highest = screen.careerCard()->high(QStringLiteral("cardHighestScore"));
        ASSERT_EQ(QApplication::focusWidget(), highest);
        EXPECT_TRUE(screen.careerCard()->isVisible());
        EXPECT_EQ(highest->text(), QStringLiteral("150"));
        QTest::keyClick(highest, Qt::Key_Return);
        EXPECT_EQ(currentMatch(table), QStringLiteral("3"));
        EXPECT_EQ(QApplication::focusWidget(), table);
        EXPECT_TRUE(table->viewport()->rect().contains(table->visualRect(table->currentIndex())));
        EXPECT_TRUE(wholeInSight(screen, table));
    }
}

// Made tall enough, the window takes the card back to its head and drops the
// tab; made short again, the card goes back to its tab. The keyboard on a
// figure of the card stays on that figure, wherever the card goes, and the
// card tells the matches played while it was out of sight.
TEST_F(CardOnAShortScreen, TheCardComesBackToTheHeadWhenThereIsRoomAndTheKeyboardFollows) {
    HistoryScreen screen(model, nullptr);
    // As narrow as it opens beside the main window at 1366x768: the tab
    // turned to is in sight, with nothing to scroll sideways.
    open(screen, QRect(0, 0, 560, 660));
    ASSERT_FALSE(screen.cardAtHead());
    QTabWidget* tabs = screen.chartTabs();
    EXPECT_EQ(tabs->count(), HistoryScreen::tabCount);
    QScrollArea* content = contentOf(screen);
    EXPECT_EQ(content->horizontalScrollBar()->maximum(), 0);
    tabs->tabBar()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(tabs->tabBar(), Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(screen.currentTab(), HistoryScreen::careerTab);
    const QRect careerTab = tabs->tabBar()->tabRect(0);
    EXPECT_TRUE(content->viewport()->rect().contains(
        QRect(tabs->tabBar()->mapTo(content->viewport(), careerTab.topLeft()), careerTab.size())));
    // The page, shorter than the card, scrolls to the figure Tab reaches.
    auto* page = qobject_cast<QScrollArea*>(tabs->currentWidget());
    ASSERT_NE(page, nullptr);
    page->verticalScrollBar()->setValue(page->verticalScrollBar()->maximum());
    ASSERT_GT(page->verticalScrollBar()->value(), 0);
    QTest::keyClick(tabs->tabBar(), Qt::Key_Tab);
    MatchLink* highest = screen.careerCard()->high(QStringLiteral("cardHighestScore"));
    ASSERT_EQ(QApplication::focusWidget(), highest);
    EXPECT_TRUE(page->viewport()->rect().contains(
        QRect(highest->mapTo(page->viewport(), QPoint(0, 0)), highest->size())));
    MatchLink* inTab = screen.careerCard()->high(QStringLiteral("cardBestBowling"));
    inTab->setFocus(Qt::TabFocusReason);

    // Very short, the last match's panel joins the card in its tab; tall
    // enough, both are back at the head.
    const auto* panel = screen.findChild<QWidget*>(QStringLiteral("Frame_LAST_MATCH"));
    screen.resize(560, 460);
    EXPECT_TRUE(page->isAncestorOf(panel));
    screen.resize(1400, 1100);
    ASSERT_TRUE(screen.cardAtHead());
    EXPECT_EQ(tabs->count(), HistoryScreen::tabCount - 1);
    // Laid out afresh from the events the move posted.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return wholeInSight(screen, screen.careerCard()) && wholeInSight(screen, panel); }));
    EXPECT_EQ(QApplication::focusWidget(),
              screen.careerCard()->high(QStringLiteral("cardBestBowling")));
    EXPECT_NE(QApplication::focusWidget(), inTab);

    // A match played while the card is at the head shows on it; one played
    // while it is in its tab shows there, and on the head's card once back.
    const auto play = [&](std::int16_t runs) {
        model.update([runs](Career& career, CareerHistory& history) {
            const MatchPerformance played{runs, 0, 0};
            history.append(playMatch(career, played));
        });
    };
    play(200);
    EXPECT_EQ(screen.careerCard()->high(QStringLiteral("cardHighestScore"))->text(),
              QStringLiteral("200"));

    screen.resize(560, 660);
    ASSERT_FALSE(screen.cardAtHead());
    EXPECT_EQ(screen.currentTab(), HistoryScreen::careerTab);
    EXPECT_EQ(QApplication::focusWidget(),
              screen.careerCard()->high(QStringLiteral("cardBestBowling")));
    play(250);
    EXPECT_EQ(screen.careerCard()->high(QStringLiteral("cardHighestScore"))->text(),
              QStringLiteral("250"));
    screen.resize(1400, 1100);
    EXPECT_EQ(screen.careerCard()->high(QStringLiteral("cardHighestScore"))->text(),
              QStringLiteral("250"));
    EXPECT_EQ(screen.careerCard()->value(QStringLiteral("cardMatches"))->text(),
              QStringLiteral("42"));
}

}  // namespace
