// SPDX-License-Identifier: GPL-3.0-or-later
// The charts as the keyboard and a screen reader use them, and as they fit
// their room: a cursor along the matches, legends never cut, and the axes'
// numbers in the player's locale.
#include <gtest/gtest.h>

#include <QApplication>
#include <QChart>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QScatterSeries>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "charts/history_charts.h"
#include "charts_tests.h"
#include "game/history.h"
#include "game/shown_numbers.h"
#include "screens/career_in_play.h"
#include "screens/history/history_screen.h"
#include "support/test_career.h"

namespace {

std::vector<HistoryRow> matchesAt(int count) {
    std::vector<HistoryRow> rows;
    for (int match = 1; match <= count; ++match) {
        const bool club = match <= count / 2;
        HistoryRow r = row(match, club ? Level::club : Level::city, club ? "Five Star" : "Pune",
                           {static_cast<std::int16_t>(match % 70), 1, 0}, {50, 40, 30});
        if (match == count / 2 + 1) r.events.levelChanges = {Level::city};
        rows.push_back(r);
    }
    return rows;
}

// What a screen reader is told of the cursor: its match and level, then
// each figure.
QStringList toldAtCursor(QWidget* view) {
    return view->accessibleDescription().split(QStringLiteral("; "));
}

// A chart in a window of its own, shown and with the focus, as a player
// who tabbed to it has it.
struct FocusedChart {
    QWidget window;
    QChartView* view;

    FocusedChart() : view(makeView(&window)) {
        window.resize(700, 320);
        view->resize(700, 320);
        window.show();
        QApplication::setActiveWindow(&window);
        view->setFocus();
        QApplication::processEvents();
    }
};

TEST(ChartCursor, MovesAlongTheMatchesAndTellsTheirFigures) {
    const Career career = testCareer(45, 20, 30);
    const std::vector<HistoryRow> rows = matchesAt(60);
    FocusedChart chart;
    QChartView* view = chart.view;
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->focusPolicy() & Qt::TabFocus);
    draw(view, historyChart::runs, career, CareerHistory(rows));
    ASSERT_TRUE(view->hasFocus());

    // Taking the focus shows the cursor, and a screen reader hears the chart
    // as a whole first.
    const QString told = view->accessibleDescription();
    EXPECT_TRUE(told.startsWith(QStringLiteral("Runs in each match"))) << told.toStdString();
    const QImage withCursor = view->grab().toImage();
    view->clearFocus();
    QApplication::processEvents();
    EXPECT_NE(view->grab().toImage(), withCursor);
    view->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(view->accessibleDescription(), told);

    const struct {
        Qt::Key key;
        std::int32_t match;
    } presses[] = {
        {Qt::Key_Left, 59},   {Qt::Key_Left, 58},     {Qt::Key_Home, 1},    {Qt::Key_Left, 1},
        {Qt::Key_Right, 2},   {Qt::Key_PageDown, 12}, {Qt::Key_PageUp, 2},  {Qt::Key_PageUp, 1},
        {Qt::Key_End, 60},    {Qt::Key_Right, 60},    {Qt::Key_PageUp, 50}, {Qt::Key_PageDown, 60},
        {Qt::Key_PageUp, 50}, {Qt::Key_Left, 49},
    };
    for (const auto& press : presses) {
        QTest::keyClick(view, press.key);
        EXPECT_EQ(toldAtCursor(view).front(),
                  QStringLiteral("Match %1, %2")
                      .arg(shownNumber(press.match), press.match <= 30 ? "Club" : "City"))
            << QTest::toString(press.key);
    }
    // Match 49 made 49 runs, with an average of the level.
    const QStringList lines = toldAtCursor(view);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1], QStringLiteral("Runs: 49"));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Batting average of the level: ")));

    // A click puts the cursor at the match nearest it: the middle of matches
    // 1 to 60 is between 30 and 31.
    const QPoint middle =
        view->mapFromScene(view->chart()->mapToScene(view->chart()->plotArea().center()));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, middle);
    const QString clicked = toldAtCursor(view).front();
    EXPECT_TRUE(clicked == QStringLiteral("Match 30, Club") ||
                clicked == QStringLiteral("Match 31, City"))
        << clicked.toStdString();
    QTest::keyClick(view, Qt::Key_End);
    QTest::keyClick(view, Qt::Key_Left);
    QTest::keyClick(view, Qt::Key_PageUp);

    // Enter picks the match, as a click does.
    int picked = 0;
    builtModule().onMatchPicked(view, &chart.window, [&](int match) { picked = match; });
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(picked, 49);
    // A click picks the match it puts the cursor at.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, middle);
    EXPECT_TRUE(picked == 30 || picked == 31) << picked;
    QTest::keyClick(view, Qt::Key_End);
    QTest::keyClick(view, Qt::Key_Left);
    QTest::keyClick(view, Qt::Key_PageUp);

    // A match played keeps the cursor at its match; at the newest, it
    // follows to the new newest.
    const std::vector<HistoryRow> more = matchesAt(61);
    draw(view, historyChart::runs, career, CareerHistory(more));
    EXPECT_EQ(toldAtCursor(view).front(), QStringLiteral("Match 49, City"));
    QTest::keyClick(view, Qt::Key_End);
    const std::vector<HistoryRow> evenMore = matchesAt(62);
    draw(view, historyChart::runs, career, CareerHistory(evenMore));
    EXPECT_EQ(toldAtCursor(view).front(), QStringLiteral("Match 62, City"));

    // Leaving the chart gives back the whole chart's description.
    view->clearFocus();
    EXPECT_TRUE(view->accessibleDescription().startsWith(QStringLiteral("Runs in each match")));

    // With no match there is no cursor to move.
    view->setFocus();
    draw(view, historyChart::runs, career, CareerHistory());
    QTest::keyClick(view, Qt::Key_Left);
    EXPECT_EQ(view->accessibleDescription(), QStringLiteral("No match kept yet."));
}

// In the History window, Tab from the chart tabs reaches the chart shown,
// and its cursor answers there.
TEST(ChartCursor, IsReachedWithTabInTheHistoryWindow) {
    const CareerInPlay model(testCareer(45, 20, 30), CareerHistory(matchesAt(20)));
    HistoryScreen screen(model, nullptr, {&builtModule(), HistoryChartModule::loaded});
    screen.show();
    QApplication::setActiveWindow(&screen);
    QTabWidget* tabs = screen.chartTabs();
    screen.showTab(HistoryScreen::Tab(historyChart::wickets));
    tabs->tabBar()->setFocus();
    QApplication::processEvents();
    QTest::keyClick(tabs->tabBar(), Qt::Key_Tab);
    QWidget* chart = tabs->currentWidget();
    ASSERT_EQ(QApplication::focusWidget(), chart);
    QTest::keyClick(chart, Qt::Key_Home);
    EXPECT_EQ(toldAtCursor(chart).front(), QStringLiteral("Match 1, Club"));
}

// A long career's cursor pages by the blocks it is drawn in, and names the
// markers at its match; a chart of noughts says so at every match.
TEST(ChartCursor, PagesALongCareerByBlocksAndNamesWhatHappened) {
    const Career career = testCareer(45, 20, 30);
    std::vector<HistoryRow> rows = matchesAt(32767);
    for (HistoryRow& r : rows) r.performance.wickets = 0;
    FocusedChart chart;
    QChartView* view = chart.view;
    draw(view, historyChart::skills, career, CareerHistory(rows));
    // A block of a long career is 219 matches.
    const int page = (32767 + blocksShown - 1) / blocksShown;
    QTest::keyClick(view, Qt::Key_Home);
    QTest::keyClick(view, Qt::Key_PageDown);
    EXPECT_EQ(toldAtCursor(view).front(),
              QStringLiteral("Match %1, Club").arg(shownNumber(1 + page)));
    // The promotion to the city comes before match 16384.
    for (int i = 0; i < 16384 / page - 1; ++i) QTest::keyClick(view, Qt::Key_PageDown);
    for (int match = 1 + 16384 / page * page; match < 16384; ++match) {
        QTest::keyClick(view, Qt::Key_Right);
    }
    const QStringList lines = toldAtCursor(view);
    EXPECT_EQ(lines.front(), QStringLiteral("Match %1, City").arg(shownNumber(16384)));
    EXPECT_TRUE(lines.contains(QStringLiteral("Promotion before match %1").arg(shownNumber(16384))))
        << lines.join(QLatin1Char('|')).toStdString();

    draw(view, historyChart::wickets, career, CareerHistory(rows));
    EXPECT_EQ(toldAtCursor(view).last(), QStringLiteral("No wickets taken yet."));
}

// Every legend shows each name whole, within the chart, at the sizes the
// window gives its charts, however many names a chart has.
TEST(ChartLegend, EveryNameIsWholeAndInSight) {
    const Career career = testCareer(45, 20, 30);
    std::vector<HistoryRow> rows = matchesAt(60);
    rows[40].events.selectedForWorldCup = true;
    const CareerHistory history(rows);
    QWidget owner;
    owner.resize(1300, 400);
    owner.show();
    // The window's charts are never lower than 170 pixels.
    const QSize sizes[] = {{840, 170}, {600, 200}, {1200, 300}, {500, 170}};
    for (const QSize size : sizes) {
        for (int chart = 0; chart < historyChart::chartCount; ++chart) {
            const auto which = static_cast<historyChart::Chart>(chart);
            SCOPED_TRACE(historyChart::name(which).toStdString() + " at " +
                         std::to_string(size.width()) + "x" + std::to_string(size.height()));
            QChartView* view = makeView(&owner);
            view->resize(size);
            draw(view, which, career, history);
            view->show();
            QApplication::processEvents();
            const QRectF inSight = view->chart()->rect();
            int names = 0;
            for (QGraphicsItem* item : view->scene()->items()) {
                auto* text = dynamic_cast<QGraphicsTextItem*>(item);
                if (text == nullptr || !text->isVisible()) continue;
                if (!view->chart()->legend()->isAncestorOf(text) || text->toPlainText().isEmpty()) {
                    continue;
                }
                ++names;
                const QString shown = text->toPlainText();
                EXPECT_FALSE(shown.contains(QStringLiteral("...")) || shown.contains(QChar(0x2026)))
                    << shown.toStdString();
                EXPECT_TRUE(inSight.contains(text->sceneBoundingRect()))
                    << shown.toStdString() << " outside the chart";
            }
            EXPECT_GE(names, 1);
            delete view;
        }
    }
}

// A legend with no room down the chart's side even in its smallest writing,
// as a script of tall lines leaves it, sets its names in columns: every
// marker keeps its name, each whole, none over the lines.
TEST(ChartLegend, TooTallForOneColumnSetsItsNamesInColumns) {
    const Career career = testCareer(45, 20, 30);
    std::vector<HistoryRow> rows = matchesAt(60);
    rows[40].events.selectedForWorldCup = true;
    const CareerHistory history(rows);
    ChartLook look = chartLook();
    look.labels.setFamilies({QStringLiteral("Noto Naskh Arabic"), QStringLiteral("DejaVu Sans")});
    look.labels.setPixelSize(16);
    QWidget owner;
    owner.resize(900, 400);
    owner.show();
    auto* view = qobject_cast<QChartView*>(builtModule().makeView(look, &owner));
    view->resize(840, 150);
    draw(view, historyChart::skills, career, history);
    view->show();
    QApplication::processEvents();
    QLegend* legend = view->chart()->legend();
    EXPECT_FALSE(legend->isAttachedToChart());
    for (QLegendMarker* marker : legend->markers()) {
        if (qobject_cast<QScatterSeries*>(marker->series())) {
            EXPECT_TRUE(marker->isVisible()) << marker->series()->name().toStdString();
        }
    }
    const QRectF plot = view->chart()->mapRectToScene(view->chart()->plotArea());
    const QRectF inSight = view->chart()->rect();
    for (QGraphicsItem* item : view->scene()->items()) {
        auto* text = dynamic_cast<QGraphicsTextItem*>(item);
        if (text == nullptr || !text->isVisible() || !legend->isAncestorOf(text)) continue;
        const QString shown = text->toPlainText();
        if (shown.isEmpty()) continue;
        EXPECT_FALSE(shown.contains(QStringLiteral("..."))) << shown.toStdString();
        EXPECT_TRUE(inSight.contains(text->sceneBoundingRect())) << shown.toStdString();
        EXPECT_FALSE(plot.intersects(text->sceneBoundingRect())) << shown.toStdString();
    }

    // Given room again, it is one column beside the chart once more.
    view->resize(840, 600);
    QApplication::processEvents();
    EXPECT_TRUE(legend->isAttachedToChart());
    delete view;
}

// The axes write their numbers as the player's locale does: grouped, and in
// the locale's own digits.
TEST(ChartAxes, WriteNumbersInThePlayersLocale) {
    const Career career = testCareer(45, 20, 30);
    std::vector<HistoryRow> rows = matchesAt(40);
    for (HistoryRow& r : rows) r.bankBalance = 32767 + r.match * 100;
    QWidget owner;
    owner.resize(800, 400);
    owner.show();
    const struct {
        const char* locale;
        QString thousands;
        QString ten;
    } locales[] = {
        {"en_US", QStringLiteral("30,000"), QStringLiteral("10")},
        {"bn_IN", QStringLiteral("৩০,০০০"), QStringLiteral("১০")},
    };
    for (const auto& l : locales) {
        SCOPED_TRACE(l.locale);
        ChartData data = chartData(historyChart::bankBalance, career, CareerHistory(rows));
        data.numbers = QLocale(QString::fromLatin1(l.locale));
        QChartView* view = makeView(&owner);
        view->resize(700, 320);
        ASSERT_TRUE(builtModule().draw(view, data));
        view->show();
        QApplication::processEvents();
        QStringList labels;
        for (QGraphicsItem* item : view->scene()->items()) {
            if (auto* text = dynamic_cast<QGraphicsTextItem*>(item)) {
                labels << text->toPlainText();
            }
        }
        EXPECT_TRUE(labels.contains(l.thousands)) << labels.join(QLatin1Char('|')).toStdString();
        EXPECT_TRUE(labels.contains(l.ten)) << labels.join(QLatin1Char('|')).toStdString();
        delete view;
    }
}

}  // namespace
