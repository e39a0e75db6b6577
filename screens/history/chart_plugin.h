// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QtPlugin>
#include <functional>

class QObject;
class QWidget;
struct Career;
class CareerHistory;

// The charts of the History window, by what they show.
namespace historyChart {

enum Chart { runs, wickets, skills, bankBalance, condition, chartCount };

// The chart's name, as its tab and a screen reader give it.
QString name(Chart chart);

}  // namespace historyChart

// The History window's charts, drawn by a module of their own: Qt Charts and
// the OpenGL libraries it brings are loaded only when the window first
// opens, so that a game played without it never pays for them.
class HistoryChartPlugin {
  public:
    virtual ~HistoryChartPlugin() = default;

    // A view of the chart, empty until drawn.
    virtual QWidget* makeView(historyChart::Chart chart, QWidget* parent) const = 0;

    // Draws the chart from the career and its history, in place of what it
    // showed, and tells a screen reader what it shows.
    virtual void draw(QWidget* view, historyChart::Chart chart, const Career& career,
                      const CareerHistory& history) const = 0;

    // Calls `picked` with the match a click on the view picks (a point's, or
    // the first of a block's), for as long as `receiver` lives.
    virtual void onMatchPicked(QWidget* view, QObject* receiver,
                               std::function<void(int)> picked) const = 0;
};

#define HistoryChartPlugin_iid "com.example.bailcrest.HistoryChartPlugin/1"
Q_DECLARE_INTERFACE(HistoryChartPlugin, HistoryChartPlugin_iid)

// The charts: those linked into the program if it has them, else the module
// installed with the game, loaded once; null when neither is there.
const HistoryChartPlugin* historyCharts();

// The charts of the first of the folders that holds the module, loaded, or
// null.
const HistoryChartPlugin* loadHistoryCharts(const QStringList& folders);
