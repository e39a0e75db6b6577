// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QtPlugin>
#include <functional>

#include "screens/history/chart_data.h"

class QObject;
class QWidget;

namespace historyChart {

// The chart's name, as its tab and a screen reader give it.
QString name(Chart chart);

}  // namespace historyChart

// The History window's charts, drawn by a module of their own: Qt Charts and
// the OpenGL libraries it brings are loaded only when the window first
// opens, so that a game played without it never pays for them. The module
// is given each chart as plain data and knows nothing else of the game.
class HistoryChartPlugin {
  public:
    virtual ~HistoryChartPlugin() = default;

    // A view of a chart in the look, empty until drawn.
    virtual QWidget* makeView(const ChartLook& look, QWidget* parent) const = 0;

    // Draws the chart on a view it made, in place of what the view showed,
    // and tells a screen reader what it shows. False, drawing nothing, for a
    // view it did not make.
    virtual bool draw(QWidget* view, const ChartData& data) const = 0;

    // Calls `picked` with the match a click on the view picks (a point's, or
    // the first of a block's), for as long as `receiver` lives.
    virtual void onMatchPicked(QWidget* view, QObject* receiver,
                               std::function<void(int)> picked) const = 0;
};

// The interface's version is part of its id: a module built for another
// version draws data of another layout, and is refused.
#define HistoryChartPlugin_iid "io.github.bailcrest.HistoryChartPlugin/3"
Q_DECLARE_INTERFACE(HistoryChartPlugin, HistoryChartPlugin_iid)

// The charts as found: drawn by `plugin`, or, without it, missing or of
// another version of the game.
struct HistoryChartModule {
    enum State { loaded, missing, otherVersion };
    const HistoryChartPlugin* plugin = nullptr;
    State state = missing;
};

// The charts: those linked into the program if it has them, else the module
// installed with the game, loaded once.
HistoryChartModule historyCharts();

// The charts of the first of the folders that holds the module, loaded; a
// module of another interface version is refused, and the search ends there.
HistoryChartModule loadHistoryCharts(const QStringList& folders);

// The game's look, for the charts.
ChartLook chartLook();
