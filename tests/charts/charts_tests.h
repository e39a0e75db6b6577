// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChartView>
#include <QLineSeries>
#include <QScatterSeries>
#include <QString>

#include "game/career.h"
#include "game/history.h"
#include "screens/history/chart_data.h"
#include "screens/history/chart_plugin.h"
#include "support/two_matches.h"

// What the chart tests share: the module as built, loaded once, and the
// careers and series they look at.

// The charts module built beside the game, loaded as the game loads it.
const HistoryChartPlugin& builtModule();

// A view the module made, and the chart drawn on it from the career's data.
QChartView* makeView(QWidget* owner);
void draw(QChartView* view, historyChart::Chart chart, const Career& career,
          const CareerHistory& history);

QLineSeries* lineNamed(QWidget* chart, const QString& name);
QScatterSeries* markersNamed(QWidget* chart, const QString& name);
