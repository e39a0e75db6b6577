// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QValueAxis>

#include "charts/history_charts.h"
#include "charts_tests.h"
#include "game/history.h"
#include "screens/career_in_play.h"
#include "screens/history/chart_plugin.h"
#include "screens/history/history_screen.h"
#include "screens/history/milestones_view.h"
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
    for (const QStringList& folders :
         {QStringList(), QStringList{empty.path()}, QStringList{impostor.path()}}) {
        const HistoryChartModule none = loadHistoryCharts(folders);
        EXPECT_EQ(none.plugin, nullptr);
        EXPECT_EQ(none.state, HistoryChartModule::missing);
    }

    const HistoryChartModule found =
        loadHistoryCharts({empty.path(), impostor.path(), QStringLiteral(BAILCREST_CHARTS_BUILT)});
    ASSERT_NE(found.plugin, nullptr);
    EXPECT_EQ(found.state, HistoryChartModule::loaded);
    QWidget owner;
    QWidget* view = found.plugin->makeView(chartLook(), &owner);
    auto* chartView = qobject_cast<QChartView*>(view);
    ASSERT_NE(chartView, nullptr);
    const Career career = testCareer(45, 20, 30);
    const CareerHistory history = twoMatches();
    EXPECT_TRUE(found.plugin->draw(view, chartData(historyChart::runs, career, history)));
    EXPECT_FALSE(chartView->chart()->series().isEmpty());
    EXPECT_FALSE(view->accessibleDescription().isEmpty());

    int picked = 0;
    found.plugin->onMatchPicked(view, &owner, [&](int match) { picked = match; });
    EXPECT_TRUE(QMetaObject::invokeMethod(view, "matchPicked", Q_ARG(int, 2)));
    EXPECT_EQ(picked, 2);

    // A view the module did not make (here one of the charts linked into
    // this program, a copy of their own) is not drawn on, and it says so.
    const HistoryChartModule linked = historyCharts();
    ASSERT_NE(linked.plugin, nullptr);
    ASSERT_NE(linked.plugin, found.plugin);
    QWidget* other = linked.plugin->makeView(chartLook(), &owner);
    EXPECT_FALSE(found.plugin->draw(other, chartData(historyChart::runs, career, history)));
    EXPECT_FALSE(found.plugin->draw(new QLabel(&owner), ChartData()));
}

// A module of another version of the charts' interface would read data of
// another layout: it is refused before any of its code runs, the search
// ends there, and each chart's tab says why the charts are not shown.
TEST(HistoryChartModule, OneOfAnotherVersionIsRefusedAndTheTabsSaySo) {
    const HistoryChartModule refused = loadHistoryCharts(
        {QStringLiteral(BAILCREST_CHARTS_OTHER_VERSION), QStringLiteral(BAILCREST_CHARTS_BUILT)});
    EXPECT_EQ(refused.plugin, nullptr);
    EXPECT_EQ(refused.state, HistoryChartModule::otherVersion);

    const CareerInPlay model(testCareer(45, 20, 30), twoMatches());
    HistoryScreen screen(model, nullptr, refused);
    for (int chart = 0; chart < historyChart::chartCount; ++chart) {
        auto* sentence =
            qobject_cast<QLabel*>(screen.chartView(static_cast<historyChart::Chart>(chart)));
        ASSERT_NE(sentence, nullptr);
        EXPECT_TRUE(sentence->text().contains(QStringLiteral("another version")))
            << sentence->text().toStdString();
        EXPECT_EQ(sentence->accessibleName(), sentence->text());
    }
}

// Without its charts the window still tells the whole career: each chart's
// tab says in a sentence, which a screen reader reaches, that the charts
// cannot be shown, and the seasons, milestones and table are all there.
TEST(HistoryChartModule, WithoutItTheWindowTellsTheCareerInItsTables) {
    const CareerInPlay model(testCareer(45, 20, 30), twoMatches());
    HistoryScreen screen(model, nullptr, HistoryChartModule{});
    screen.show();
    for (int chart = 0; chart < historyChart::chartCount; ++chart) {
        const auto which = static_cast<historyChart::Chart>(chart);
        EXPECT_EQ(screen.chartTabs()->tabText(screen.chartTabs()->indexOf(screen.chartView(which))),
                  historyChart::name(which));
        auto* sentence = qobject_cast<QLabel*>(screen.chartView(which));
        ASSERT_NE(sentence, nullptr);
        EXPECT_TRUE(sentence->text().startsWith(QStringLiteral("The charts cannot be shown")));
        EXPECT_TRUE(sentence->text().contains(QStringLiteral("missing")));
        EXPECT_EQ(sentence->accessibleName(), sentence->text());
        EXPECT_EQ(sentence->focusPolicy(), Qt::StrongFocus);
    }
    EXPECT_EQ(screen.table()->model()->rowCount(), 2);
    screen.showTab(HistoryScreen::seasonsTab);
    EXPECT_EQ(screen.seasons()->model()->rowCount(), 2);
    screen.showTab(HistoryScreen::milestonesTab);
    EXPECT_GT(screen.milestones()->list()->topLevelItemCount(), 0);
}

// A career of `matches` matches, each different from the one before.
CareerHistory careerOf(int matches) {
    std::vector<HistoryRow> rows;
    rows.reserve(static_cast<std::size_t>(matches));
    for (int match = 1; match <= matches; ++match) {
        HistoryRow r = played(match, static_cast<std::int16_t>(match * 37 % 150));
        r.level = match < matches / 2 ? Level::club : Level::city;
        if (match == matches / 2) r.events.levelChanges = {Level::city};
        r.performance.wickets = static_cast<std::int16_t>(match % 7);
        r.bankBalance = match * 1000.0;
        r.gear = {90, 80, 70, static_cast<std::int16_t>(60 + match % 30)};
        r.body = {80, 70, static_cast<std::int16_t>(50 + match % 40)};
        rows.push_back(r);
    }
    return CareerHistory(rows);
}

// What the module draws is the chart's data, whole: a line or a band for
// each of its lines, a floor for each floor, markers for each kind, in that
// order; each line's points its values (a point a match in a short career,
// a block's mean in a long one); the axes' titles; the sentence a screen
// reader hears; the title of a chart of no match.
TEST(HistoryChartModule, DrawsTheChartsDataWhole) {
    Career career = testCareer(45, 20, 30);
    QWidget owner;
    for (const int matches : {0, 60, 32767}) {
        const CareerHistory history = careerOf(matches);
        for (int chart = 0; chart < historyChart::chartCount; ++chart) {
            const auto which = static_cast<historyChart::Chart>(chart);
            SCOPED_TRACE(historyChart::name(which).toStdString() + ", " + std::to_string(matches) +
                         " matches");
            const ChartData data = chartData(which, career, history);
            QChartView* view = makeView(&owner);
            ASSERT_TRUE(builtModule().draw(view, data));

            const bool byBlocks = matches > matchesShownOneByOne;
            QStringList want;
            for (const ChartLine& line : data.lines) {
                if (byBlocks && line.banded)
                    want << line.name + QStringLiteral(", lowest to highest");
                want << line.name;
            }
            for (const ChartFloor& floor : data.floors) want << floor.name;
            for (const ChartMarkers& markers : data.markers) want << markers.name;
            QStringList got;
            for (QAbstractSeries* series : view->chart()->series()) got << series->name();
            EXPECT_EQ(got, want);

            for (const ChartLine& line : data.lines) {
                ASSERT_EQ(line.values.size(), data.matches.size());
                QLineSeries* drawn = lineNamed(view, line.name);
                ASSERT_NE(drawn, nullptr) << line.name.toStdString();
                if (!byBlocks) {
                    ASSERT_EQ(drawn->count(), matches);
                    for (int i = 0; i < matches; ++i) {
                        EXPECT_EQ(drawn->at(i), QPointF(data.matches[i], line.values[i]));
                    }
                } else {
                    EXPECT_LE(drawn->count(), blocksShown + 1);
                    EXPECT_EQ(drawn->at(0).x(), data.matches.front());
                }
            }
            for (const ChartFloor& floor : data.floors) {
                QLineSeries* drawn = lineNamed(view, floor.name);
                ASSERT_NE(drawn, nullptr);
                EXPECT_EQ(drawn->at(0).y(), floor.value);
            }

            const QList<QAbstractAxis*> xs = view->chart()->axes(Qt::Horizontal);
            const QList<QAbstractAxis*> ys = view->chart()->axes(Qt::Vertical);
            ASSERT_EQ(xs.size(), 1);
            ASSERT_EQ(ys.size(), 1);
            EXPECT_EQ(xs.front()->titleText(), data.matchTitle);
            EXPECT_EQ(ys.front()->titleText(), data.valueTitle);
            if (matches > 0) {
                auto* x = qobject_cast<QValueAxis*>(xs.front());
                EXPECT_EQ(x->min(), 1);
                EXPECT_EQ(x->max(), matches);
            }
            EXPECT_EQ(view->accessibleDescription(), data.spoken);
            EXPECT_FALSE(data.spoken.isEmpty());
            EXPECT_EQ(view->chart()->title(), data.title);
            EXPECT_EQ(data.title.isEmpty(), matches > 0);
            EXPECT_EQ(view->chart()->localizeNumbers(), true);
            EXPECT_EQ(view->chart()->locale(), data.numbers);
            delete view;
        }
    }
}

}  // namespace
