// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include "screens/history/chart_plugin.h"

// The module of the History window's charts, as the game loads it.
class ChartsPlugin : public QObject, public HistoryChartPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID HistoryChartPlugin_iid)
    Q_INTERFACES(HistoryChartPlugin)

  public:
    QWidget* makeView(const ChartLook& look, QWidget* parent) const override;
    bool draw(QWidget* view, const ChartData& data) const override;
    void onMatchPicked(QWidget* view, QObject* receiver,
                       std::function<void(int)> picked) const override;
};
