#pragma once

#include <QCoreApplication>
#include <QList>
#include <QPointF>
#include <QString>
#include <vector>

#include "game/career.h"
#include "game/history.h"

class QChartView;
class QWidget;

// The most points a line of a chart is drawn with. A long career has tens of
// thousands of matches, far more than a chart has pixels across; a line
// through every one of them draws slowly and shows nothing more.
inline constexpr int mostPointsALine = 2000;

// The points of a line, x rising, thinned to at most `most` (at least 2)
// without losing a peak or a trough: the points are cut into buckets of
// neighbours, and each bucket keeps its lowest and its highest point, in
// their order. A line of `most` points or fewer is kept whole.
QList<QPointF> thinned(const QList<QPointF>& points, int most);

// At most `most` (at least 1) of the points, x rising, spread over their x
// range: the first point in each stretch of x, for markers that would only
// hide one another.
QList<QPointF> spread(const QList<QPointF>& points, int most);

// The batting average of each row's level right after its match, worked back
// from the career's record book as it stands now, so that a history kept
// from a later match shows the averages the record book had then too.
std::vector<double> levelAverages(const Career& career, const std::vector<HistoryRow>& rows);

// The History window's charts of a career, drawn with Qt Charts in the
// game's navy look. Lines are drawn by the painter, without OpenGL, which a
// player's machine may lack; thinned to mostPointsALine, the longest career
// draws as quickly as a short one.
class HistoryCharts {
    Q_DECLARE_TR_FUNCTIONS(HistoryCharts)

  public:
    enum Chart { runs, skills, bankBalance, condition, chartCount };

    // The chart's name, as its tab and a screen reader give it.
    static QString name(Chart chart);

    // A view of the chart, empty until drawn.
    static QChartView* makeView(Chart chart, QWidget* parent);

    // Draws the chart afresh from the career and its history, and tells a
    // screen reader what it shows.
    static void draw(QChartView* view, Chart chart, const Career& career,
                     const CareerHistory& history);
};
