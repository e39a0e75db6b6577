// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts_tests.h"

#include <gtest/gtest.h>

#include <QChart>

#include "game/level_change.h"
#include "support/test_career.h"

const HistoryChartPlugin& builtModule() {
    static const HistoryChartModule built =
        loadHistoryCharts({QStringLiteral(BAILCREST_CHARTS_BUILT)});
    if (built.plugin == nullptr) {
        ADD_FAILURE() << "the charts module was not built in " << BAILCREST_CHARTS_BUILT;
        std::abort();
    }
    return *built.plugin;
}

QChartView* makeView(QWidget* owner) {
    return qobject_cast<QChartView*>(builtModule().makeView(chartLook(), owner));
}

void draw(QChartView* view, historyChart::Chart chart, const Career& career,
          const CareerHistory& history) {
    EXPECT_TRUE(builtModule().draw(view, chartData(chart, career, history)));
}

HistoryRow row(std::int32_t match, Level level, const char* team, MatchPerformance performance,
               Skills skills) {
    HistoryRow r;
    r.match = match;
    r.level = level;
    r.team = QString::fromLatin1(team);
    r.performance = performance;
    r.skills = skills;
    return r;
}

TwoMatches::TwoMatches() : career(testCareer(45, 20, 30)) {
    HistoryRow first = row(1, Level::club, "Five Star", {60, 1, 0}, {62, 25, 29});
    first.gear = {90, 85, 93, 97};
    first.body = {97, 98, 93};
    first.matchFee = 3000;
    first.bankBalance = 3000;
    HistoryRow second = row(2, Level::city, "Pune", {120, 5, 2}, {50, 45, 40});
    second.award = 3000;
    second.gear = {70, 55, 78, 90};
    second.body = {80, 88, 71};
    second.matchFee = 5000;
    second.sponsorship = 4000;
    second.bankBalance = 900;
    second.events.levelChanges = {Level::city};
    second.events.sponsorTaken = QStringLiteral("Cable & Wireless");
    second.events.trainingCost = 4500;
    rows = {first, second};
    placeAtLevel(career, Level::city);
    career.recordBook[levelIndex(Level::club)].matches = 1;
    career.recordBook[levelIndex(Level::club)].runs = 60;
    career.recordBook[levelIndex(Level::city)].matches = 1;
    career.recordBook[levelIndex(Level::city)].runs = 120;
}

void play(Career& career, CareerHistory& history, const std::vector<MatchPerformance>& matches) {
    for (const MatchPerformance& match : matches) {
        const double award = applyMatch(career, match);
        history.append(takeHistoryRow(career, match, award));
    }
}

QLineSeries* lineNamed(QWidget* chart, const QString& name) {
    auto* view = qobject_cast<QChartView*>(chart);
    for (QAbstractSeries* series : view->chart()->series()) {
        auto* line = qobject_cast<QLineSeries*>(series);
        if (line && !qobject_cast<QScatterSeries*>(series) && series->name() == name) return line;
    }
    return nullptr;
}

QScatterSeries* markersNamed(QWidget* chart, const QString& name) {
    auto* view = qobject_cast<QChartView*>(chart);
    for (QAbstractSeries* series : view->chart()->series()) {
        auto* markers = qobject_cast<QScatterSeries*>(series);
        if (markers && series->name() == name) return markers;
    }
    return nullptr;
}
