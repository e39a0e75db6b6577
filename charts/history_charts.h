// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QList>
#include <QPointF>
#include <QString>
#include <vector>

#include "charts/history_chart_view.h"
#include "screens/history/chart_data.h"

class QWidget;

// The most points a line of a chart is drawn with. A long career has tens of
// thousands of matches, far more than a chart has pixels across; a line
// through every one of them draws slowly and shows nothing more.
inline constexpr int mostPointsALine = 2000;

// Up to this many matches a chart shows a point a match; beyond it, blocks of
// matches, each its mean with a band from its lowest to its highest value,
// so that a long career reads as a shape and not as a solid block of lines.
inline constexpr int matchesShownOneByOne = 300;
// About how many blocks a long career is cut into.
inline constexpr int blocksShown = 150;

// The points of a line, x rising, thinned to at most `most` (at least 2)
// without losing a peak or a trough: the points are cut into buckets of
// neighbours, and each bucket keeps its lowest and its highest point, in
// their order. A line of `most` points or fewer is kept whole.
QList<QPointF> thinned(const QList<QPointF>& points, int most);

// At most `most` (at least 1) of the points, x rising, spread over their x
// range: the first point in each stretch of x, for markers that would only
// hide one another.
QList<QPointF> spread(const QList<QPointF>& points, int most);

// A run of neighbouring rows, and the mean, lowest and highest of a figure
// over them.
struct Block {
    std::size_t firstRow = 0;
    std::size_t endRow = 0;
    double mean = 0;
    double low = 0;
    double high = 0;
};

// The values cut into about `count` blocks of equal length, in order, each with
// the figure's mean, lowest and highest value.
template <typename Figure>
std::vector<Block> blocksOf(std::size_t rows, int count, Figure figure) {
    std::vector<Block> blocks;
    if (rows == 0) return blocks;
    const std::size_t length = (rows + count - 1) / count;
    for (std::size_t first = 0; first < rows; first += length) {
        Block block;
        block.firstRow = first;
        block.endRow = std::min(rows, first + length);
        block.low = block.high = figure(first);
        double sum = 0;
        for (std::size_t i = first; i < block.endRow; ++i) {
            const double value = figure(i);
            sum += value;
            block.low = std::min(block.low, value);
            block.high = std::max(block.high, value);
        }
        block.mean = sum / static_cast<double>(block.endRow - first);
        blocks.push_back(block);
    }
    return blocks;
}

// The History window's charts, drawn with Qt Charts from their data. Lines
// are drawn by the painter, without OpenGL, which a player's machine may
// lack; a long career is drawn by blocks of matches, so the longest draws as
// quickly as a short one.
class HistoryCharts {
    Q_DECLARE_TR_FUNCTIONS(HistoryCharts)

  public:
    // A view of a chart, empty until drawn.
    static HistoryChartView* makeView(const ChartLook& look, QWidget* parent);

    // Draws the chart afresh from its data, changing in place what it
    // showed before, and tells a screen reader what it shows.
    static void draw(HistoryChartView* view, const ChartData& data);
};
