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
    QWidget* makeView(historyChart::Chart chart, QWidget* parent) const override;
    void draw(QWidget* view, historyChart::Chart chart, const Career& career,
              const CareerHistory& history) const override;
    void onMatchPicked(QWidget* view, QObject* receiver,
                       std::function<void(int)> picked) const override;
};
