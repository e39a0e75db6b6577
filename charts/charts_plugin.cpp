// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/charts_plugin.h"

#include "charts/history_charts.h"

QWidget* ChartsPlugin::makeView(const ChartLook& look, QWidget* parent) const {
    return HistoryCharts::makeView(look, parent);
}

bool ChartsPlugin::draw(QWidget* view, const ChartData& data) const {
    auto* chartView = qobject_cast<HistoryChartView*>(view);
    if (chartView == nullptr) return false;
    HistoryCharts::draw(chartView, data);
    return true;
}

void ChartsPlugin::onMatchPicked(QWidget* view, QObject* receiver,
                                 std::function<void(int)> picked) const {
    if (auto* chartView = qobject_cast<HistoryChartView*>(view)) {
        QObject::connect(chartView, &HistoryChartView::matchPicked, receiver, std::move(picked));
    }
}
