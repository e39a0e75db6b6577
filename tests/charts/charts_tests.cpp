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
