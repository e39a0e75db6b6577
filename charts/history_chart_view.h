// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChartView>
#include <QCoreApplication>
#include <QLocale>
#include <QMargins>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <memory>
#include <vector>

#include "charts/axis_ticks.h"
#include "screens/history/chart_data.h"

class QValueAxis;

// A figure of a chart as a player reads it: whole, or to one decimal.
QString figureText(const QLocale& numbers, double value);

// A chart label's text broken at spaces into lines no wider than `width`
// pixels in the font (a word wider than that keeps a line of its own), as
// the rich text a legend shows.
QString wrappedLabel(const QString& text, const QFont& font, int width);

// A chart of the History window, in the game's look: a click on a point or a
// block picks its match (the block's first) for the table to show.
//
// Behind the series it shades the stretches of matches played at each level,
// named where there is room. A chart too short for every figure its value
// axis plans is ticked more sparsely, so that no figure is cut. A legend with no room for every
// name leaves the floors to be named on their lines, is written smaller, and at the last leaves the
// markers to their tips and the cursor. With the focus it shows a cursor at a match: Left and Right
// move it a match, Page Up and Page Down a block of matches, Home and End to the first and the
// last; it is drawn as a line across the chart with the match's figures beside it, which a screen
// reader is told as the chart's description; Enter picks its match as a click does. A click puts it
// at the nearest match.
class HistoryChartView : public QChartView {
    Q_OBJECT
  public:
    HistoryChartView(QChart* chart, const ChartLook& look, QWidget* parent);

    const ChartLook& look() const { return look_; }

    // What the chart now shows, drawn behind and over its series and read
    // at the cursor. The cursor stays at its match, or at the last when it
    // was there, so that a match played takes it along. `values` are the
    // ticks planned for the value axis, as many as fit of them shown.
    void showData(std::shared_ptr<const ChartData> data, const AxisTicks& values);

  signals:
    void matchPicked(int match);

  protected:
    void drawBackground(QPainter* painter, const QRectF& rect) override;
    void drawForeground(QPainter* painter, const QRectF& rect) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    bool cursorShown() const;
    // The match's figures as the cursor shows them, a line each.
    QStringList cursorLines() const;
    // Matches a Page Up or Page Down moves the cursor.
    std::size_t pageStep() const;
    void moveCursorTo(std::size_t place);
    // Tells a screen reader what the chart shows: the cursor's figures once
    // the player moves it, else the chart as a whole.
    void tell();
    void fitLegend();
    // Lays the legend's names (each its width and height) down the chart's
    // right side in as many columns as `room` needs, `line` the height of
    // one line of the legend's font.
    void placeLegend(const std::vector<QSizeF>& names, double room, int line);
    void fitValueTicks();
    // Whether Qt Charts cut a figure of the value axis for want of room.
    bool valueFigureCut() const;

    QValueAxis* axis(Qt::Orientation orientation) const;
    QRectF plotArea() const;
    // Where a match or a value is drawn across or up the plot area, in the
    // scene.
    double xOf(double match) const;
    double yOf(double value) const;

    // The floors' names on their lines, which the legend leaves out.
    void drawFloorNames(QPainter* painter, const QRectF& plot) const;
    // How many of the chart's lines run through the box, in the scene.
    int linesThrough(const QRectF& box) const;
    void drawCursorLabel(QPainter* painter, double x, const QRectF& plot) const;

    ChartLook look_;
    // The chart's margins, besides a legend it has to place itself.
    QMargins margins_;
    std::shared_ptr<const ChartData> data_;
    // The cursor's place among the matches, kept while the chart has no focus.
    std::size_t cursor_ = 0;
    bool cursorPlaced_ = false;
    // Whether the player moved the cursor since the chart took the focus.
    bool cursorMoved_ = false;
    bool floorsNamedOnLines_ = false;
    AxisTicks plannedValues_;
};
