// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/history/chart_plugin.h"

#include <gtest/gtest.h>

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "game/history.h"
#include "screens/career_model.h"
#include "screens/history/history_screen.h"
#include "support/test_career.h"

namespace {

HistoryRow played(std::int32_t match, std::int16_t runs) {
    HistoryRow row;
    row.match = match;
    row.team = QStringLiteral("Five Star");
    row.performance = {runs, 1, 0};
    row.skills = {50, 30, 40};
    return row;
}

CareerHistory twoMatches() {
    return CareerHistory({played(1, 12), played(2, 104)}, {});
}

// The module the game loads is found in a folder that holds it, draws the
// window's charts and tells the match a click picks; a folder without it, or
// with something else under its name, gives no charts.
TEST(HistoryChartModule, IsLoadedFromTheFolderThatHoldsIt) {
    QTemporaryDir empty;
    QTemporaryDir impostor;
    {
        QFile notAModule(QDir(impostor.path()).filePath(QStringLiteral(BAILCREST_CHARTS_FILE)));
        ASSERT_TRUE(notAModule.open(QIODevice::WriteOnly));
        notAModule.write("not a module");
    }
    EXPECT_EQ(loadHistoryCharts({}), nullptr);
    EXPECT_EQ(loadHistoryCharts({empty.path()}), nullptr);
    EXPECT_EQ(loadHistoryCharts({impostor.path()}), nullptr);

    const HistoryChartPlugin* charts =
        loadHistoryCharts({empty.path(), impostor.path(), QStringLiteral(BAILCREST_CHARTS_BUILT)});
    ASSERT_NE(charts, nullptr);
    QWidget owner;
    QWidget* view = charts->makeView(historyChart::runs, &owner);
    auto* chartView = qobject_cast<QChartView*>(view);
    ASSERT_NE(chartView, nullptr);
    const Career career = testCareer(45, 20, 30);
    const CareerHistory history = twoMatches();
    charts->draw(view, historyChart::runs, career, history);
    EXPECT_FALSE(chartView->chart()->series().isEmpty());
    EXPECT_FALSE(view->accessibleDescription().isEmpty());

    int picked = 0;
    charts->onMatchPicked(view, &owner, [&](int match) { picked = match; });
    EXPECT_TRUE(QMetaObject::invokeMethod(view, "matchPicked", Q_ARG(int, 2)));
    EXPECT_EQ(picked, 2);
}

// Without its charts the window still tells the whole career: each chart's
// tab says in a sentence, which a screen reader reaches, that the charts
// cannot be shown, and the seasons, milestones and table are all there.
TEST(HistoryChartModule, WithoutItTheWindowTellsTheCareerInItsTables) {
    const CareerModel model(testCareer(45, 20, 30), twoMatches());
    HistoryScreen screen(model, nullptr, nullptr);
    screen.show();
    for (int chart = 0; chart < historyChart::chartCount; ++chart) {
        const auto which = static_cast<historyChart::Chart>(chart);
        EXPECT_EQ(screen.chartTabs()->tabText(chart), historyChart::name(which));
        auto* sentence = qobject_cast<QLabel*>(screen.chartView(which));
        ASSERT_NE(sentence, nullptr);
        EXPECT_TRUE(sentence->text().startsWith(QStringLiteral("The charts cannot be shown")));
        EXPECT_EQ(sentence->accessibleName(), sentence->text());
        EXPECT_EQ(sentence->focusPolicy(), Qt::StrongFocus);
    }
    EXPECT_EQ(screen.table()->model()->rowCount(), 2);
    screen.chartTabs()->setCurrentIndex(HistoryScreen::seasonsTab);
    EXPECT_EQ(screen.seasons()->model()->rowCount(), 2);
    screen.chartTabs()->setCurrentIndex(HistoryScreen::milestonesTab);
    EXPECT_GT(screen.milestones()->count(), 0);
}

}  // namespace
