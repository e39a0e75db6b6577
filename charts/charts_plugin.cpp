// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/charts_plugin.h"

#include "charts/history_charts.h"

QWidget* ChartsPlugin::makeView(historyChart::Chart chart, QWidget* parent) const {
    return HistoryCharts::makeView(chart, parent);
}

void ChartsPlugin::draw(QWidget* view, historyChart::Chart chart, const Career& career,
                        const CareerHistory& history) const {
    if (auto* chartView = qobject_cast<HistoryChartView*>(view)) {
        HistoryCharts::draw(chartView, chart, career, history);
    }
}

void ChartsPlugin::onMatchPicked(QWidget* view, QObject* receiver,
                                 std::function<void(int)> picked) const {
    if (auto* chartView = qobject_cast<HistoryChartView*>(view)) {
        QObject::connect(chartView, &HistoryChartView::matchPicked, receiver, std::move(picked));
    }
}
