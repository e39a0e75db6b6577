// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/history_charts.h"

#include <QAreaSeries>
#include <QChart>
#include <QCursor>
#include <QFontMetrics>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QScatterSeries>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>

QList<QPointF> thinned(const QList<QPointF>& points, int most) {
    most = std::max(most, 2);
    if (points.size() <= most) return points;
    const qsizetype buckets = most / 2;
    QList<QPointF> kept;
    kept.reserve(most);
    for (qsizetype bucket = 0; bucket < buckets; ++bucket) {
        const qsizetype first = bucket * points.size() / buckets;
        const qsizetype end = (bucket + 1) * points.size() / buckets;
        qsizetype low = first;
        qsizetype high = first;
        for (qsizetype i = first + 1; i < end; ++i) {
            if (points[i].y() < points[low].y()) low = i;
            if (points[i].y() > points[high].y()) high = i;
        }
        kept << points[std::min(low, high)];
        if (low != high) kept << points[std::max(low, high)];
    }
    return kept;
}

QList<QPointF> spread(const QList<QPointF>& points, int most) {
    most = std::max(most, 1);
    if (points.size() <= most) return points;
    const double from = points.front().x();
    const double stretch = (points.back().x() - from) / most;
    QList<QPointF> kept;
    int lastStretch = -1;
    for (const QPointF& point : points) {
        const int at =
            stretch > 0 ? std::min(most - 1, static_cast<int>((point.x() - from) / stretch)) : 0;
        if (at == lastStretch) continue;
        kept << point;
        lastStretch = at;
    }
    return kept;
}

namespace {

// Below this many matches each one shows as a point on its line.
constexpr int pointsShownUpTo = 60;
// Markers of level changes closer than this share a place: at most about one
// a marker's width across a chart, never stacked into a solid bar.
constexpr int mostMarkers = 60;

// The lowest and highest value a chart shows.
struct Span {
    double low = std::numeric_limits<double>::max();
    double high = std::numeric_limits<double>::lowest();

    void take(double value) {
        low = std::min(low, value);
        high = std::max(high, value);
    }
    void take(const QList<QPointF>& points) {
        for (const QPointF& point : points) take(point.y());
    }
    // The span, or 0 to 1 when it holds no value, widened to at least 1.
    Span shown() const {
        if (high < low) return {0, 1};
        return {low, std::max(high, low + 1)};
    }
};

// A round step (1, 2 or 5 times a power of ten) that cuts the span into
// about the given number of stretches.
double roundStep(double span, int stretches) {
    const double raw = span / stretches;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double residual = raw / magnitude;
    const double factor = residual <= 1 ? 1 : residual <= 2 ? 2 : residual <= 5 ? 5 : 10;
    return std::max(1.0, factor * magnitude);
}

// An axis of the span's values, widened to round numbers as Qt Charts rounds
// them (worked out on an axis of its own, so that the axis shown changes once
// and only where the numbers changed).
AxisTicks valuePlan(Span span) {
    span = span.shown();
    QValueAxis nice;
    nice.setRange(span.low, span.high);
    nice.applyNiceNumbers();
    AxisTicks plan{nice.min(), nice.max(), nice.tickCount()};
    // Every value a chart shows is a whole number, and so is every label: a
    // span of a few units ticked in fifths would label "0" five times.
    if ((plan.max - plan.min) / (plan.tickCount - 1) < 1) {
        plan.dynamic = true;
        plan.interval = 1;
    }
    return plan;
}

// An axis of matches, from the first to the last exactly, ticked at round
// numbers.
AxisTicks matchPlan(Span span) {
    AxisTicks plan = valuePlan(span);
    span = span.shown();
    plan.min = span.low;
    plan.max = span.high;
    plan.dynamic = true;
    plan.interval = roundStep(span.high - span.low, 6);
    return plan;
}

QValueAxis* makeAxis(const ChartLook& look, const QString& title) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setTitleBrush(look.text);
    axis->setTitleFont(look.headings);
    axis->setLabelsBrush(look.text);
    axis->setLabelsFont(look.figures);
    // Whole numbers, written as the chart's locale writes them.
    axis->setLabelFormat(QStringLiteral("%.0f"));
    axis->setGridLineColor(look.grid);
    axis->setLinePenColor(look.text);
    axis->setMinorGridLineVisible(false);
    return axis;
}

// Gives the series the points, changing only what changed: after a match
// most lines gain a point at their end or change their last one, and Qt
// Charts redraws a series for each change it is told of.
void setPoints(QXYSeries* series, const QList<QPointF>& points) {
    const QList<QPointF> old = series->points();
    const qsizetype kept = std::min(old.size(), points.size());
    qsizetype same = 0;
    while (same < kept && old[same] == points[same]) ++same;
    if (same == points.size() && old.size() == points.size()) return;
    if (same == old.size() && points.size() == old.size() + 1) {
        series->append(points.back());
    } else if (old.size() == points.size() && same == points.size() - 1) {
        series->replace(same, points.back());
    } else {
        series->replace(points);
    }
}

// The place of the match nearest x among the matches, which are not empty.
std::size_t placeAt(const std::vector<std::int32_t>& matches, double x) {
    const auto at =
        std::lower_bound(matches.begin(), matches.end(), x,
                         [](std::int32_t match, double near) { return match < near - 0.5; });
    return at == matches.end() ? matches.size() - 1
                               : static_cast<std::size_t>(at - matches.begin());
}

using Matches = std::shared_ptr<const std::vector<std::int32_t>>;

// What pointing at a series tells: the figures it was last drawn from. It
// is a child of its series, so that a series drawn again in place tells the
// new figures, and it goes with the series.
class SeriesFigures : public QObject {
  public:
    enum Kind { line, marker };

    SeriesFigures(QXYSeries* series, Kind kind) : QObject(series), kind(kind) {
        setObjectName(objectNameOf());
    }
    static QString objectNameOf() { return QStringLiteral("figures"); }
    static SeriesFigures* of(QObject* series) {
        return static_cast<SeriesFigures*>(
            series->findChild<QObject*>(objectNameOf(), Qt::FindDirectChildrenOnly));
    }

    Kind kind;
    Matches matches;
    QLocale numbers;
    // A value a match, or the blocks of a long career.
    std::vector<double> values;
    std::vector<Block> blocks;

    bool shown() const { return matches != nullptr && !matches->empty(); }

    Block blockAt(double x) const {
        const std::size_t place = placeAt(*matches, x);
        for (const Block& block : blocks) {
            if (place < block.endRow) return block;
        }
        return blocks.back();
    }

    QString figureText(double value) const { return ::figureText(numbers, value); }
    QString matchText(std::size_t place) const {
        return numbers.toString(static_cast<qint64>((*matches)[place]));
    }

    QString tip(const QString& name, double x) const {
        if (!blocks.empty()) {
            const Block block = blockAt(x);
            //: A block of a long career's chart: %1 the line's name, %2 and %3 the first
            //: and last match of the block, %4 the mean, %5 the lowest, %6 the highest value.
            return HistoryCharts::tr("%1 in matches %2 to %3: mean %4, lowest %5, highest %6")
                .arg(name, matchText(block.firstRow), matchText(block.endRow - 1),
                     figureText(block.mean), figureText(block.low), figureText(block.high));
        }
        const std::size_t i = placeAt(*matches, x);
        if (kind == marker) {
            //: A marker of a chart: %1 what it marks, %2 the match.
            return HistoryCharts::tr("%1 before match %2").arg(name, matchText(i));
        }
        //: A point of a chart: %1 the line's name, %2 the match, %3 the value.
        return HistoryCharts::tr("%1 in match %2: %3")
            .arg(name, matchText(i), figureText(i < values.size() ? values[i] : 0));
    }

    int matchAt(double x) const {
        return blocks.empty() ? (*matches)[placeAt(*matches, x)] : (*matches)[blockAt(x).firstRow];
    }
};

// Pointing at a series tells the figures under the pointer; a click picks
// the match, or a block's first.
template <typename Series>
void follow(Series* series, SeriesFigures* figures, HistoryChartView* view, const QString& name) {
    QObject::connect(
        series, &Series::hovered, figures, [figures, view, name](const QPointF& point, bool over) {
            if (over && figures->shown()) {
                QToolTip::showText(QCursor::pos(), figures->tip(name, point.x()), view);
            } else {
                QToolTip::hideText();
            }
        });
    QObject::connect(series, &Series::clicked, figures, [figures, view](const QPointF& point) {
        if (figures->shown()) emit view->matchPicked(figures->matchAt(point.x()));
    });
}

QScatterSeries::MarkerShape shapeOf(ChartMarkers::Shape shape) {
    switch (shape) {
        case ChartMarkers::triangle:
            return QScatterSeries::MarkerShapeTriangle;
        case ChartMarkers::diamond:
            return QScatterSeries::MarkerShapeRotatedRectangle;
        case ChartMarkers::star:
            return QScatterSeries::MarkerShapeStar;
    }
    return QScatterSeries::MarkerShapeCircle;
}

// One drawing of a chart: its lines, bands, floors and markers, and the span
// of their values for the axis. A chart drawn before is changed in place:
// each series it already has, in order and by name, takes its new points;
// from the first that differs (a long career's band appearing, the first
// World Cup marker) on, the series are made afresh.
class Drawing {
  public:
    Drawing(HistoryChartView* view, const ChartData& data)
        : view_(view),
          chart_(view->chart()),
          matches_(std::make_shared<const std::vector<std::int32_t>>(data.matches)),
          numbers_(data.numbers),
          byBlocks_(data.matches.size() > static_cast<std::size_t>(matchesShownOneByOne)),
          drawn_(chart_->series()) {
        // A long career's bands cost most of a chart's drawing when smoothed,
        // and a match played with the window open should not wait for them;
        // a short career's few lines are drawn smooth.
        view->setRenderHint(QPainter::Antialiasing, !byBlocks_);
    }

    Span& values() { return values_; }

    // A line of the values: a point a match, or for a long career the mean
    // of each block with a band from its lowest to its highest value.
    void line(const ChartLine& line) {
        const std::vector<std::int32_t>& matches = *matches_;
        const std::size_t count = std::min(matches.size(), line.values.size());
        if (!byBlocks_) {
            QList<QPointF> points;
            points.reserve(static_cast<qsizetype>(count));
            for (std::size_t i = 0; i < count; ++i) points << QPointF(matches[i], line.values[i]);
            values_.take(points);
            const bool pointsShown = points.size() <= pointsShownUpTo;
            QLineSeries* series = reused<QLineSeries>(line.name);
            // The legend draws a line's mark as the line was when added, with
            // or without a point: a line that gains or loses its points is
            // made afresh, with those after it.
            if (series != nullptr && series->pointsVisible() != pointsShown) {
                dropFrom(--next_);
                series = nullptr;
            }
            const bool made = series == nullptr;
            if (made) series = newLine(line.name, line.colour);
            setPoints(series, thinned(points, mostPointsALine));
            series->setPointsVisible(pointsShown);
            if (made) addLine(series);
            SeriesFigures* figures = figuresOf(series);
            figures->blocks.clear();
            figures->values.assign(line.values.begin(),
                                   line.values.begin() + static_cast<std::ptrdiff_t>(count));
            return;
        }
        const std::vector<Block> blocks =
            blocksOf(count, blocksShown, [&](std::size_t i) { return line.values[i]; });
        QList<QPointF> means;
        QList<QPointF> lows;
        QList<QPointF> highs;
        for (const Block& block : blocks) {
            const double x = matches[block.firstRow];
            means << QPointF(x, block.mean);
            lows << QPointF(x, block.low);
            highs << QPointF(x, block.high);
            values_.take(line.banded ? block.low : block.mean);
            values_.take(line.banded ? block.high : block.mean);
        }
        if (line.banded) {
            QAreaSeries* band = bandSeries(line.name, line.colour, highs, lows);
            figuresOf(band->upperSeries())->blocks = blocks;
        }
        QLineSeries* series = reused<QLineSeries>(line.name);
        const bool made = series == nullptr;
        if (made) series = newLine(line.name, line.colour);
        setPoints(series, means);
        series->setPointsVisible(false);
        if (made) addLine(series);
        SeriesFigures* figures = figuresOf(series);
        figures->values.clear();
        figures->blocks = blocks;
    }

    // A level the values are measured against, across the whole chart.
    void floor(const ChartFloor& floor) {
        const std::vector<std::int32_t>& matches = *matches_;
        const double from = matches.empty() ? 0 : matches.front();
        const double to = matches.empty() ? 1 : std::max<double>(matches.back(), from + 1);
        values_.take(floor.value);
        if (auto* series = reused<QLineSeries>(floor.name)) {
            setPoints(series, {QPointF(from, floor.value), QPointF(to, floor.value)});
            return;
        }
        auto* series = new QLineSeries;
        series->setName(floor.name);
        series->setPen(QPen(floor.colour, 1.5, Qt::DashLine));
        series->append(from, floor.value);
        series->append(to, floor.value);
        chart_->addSeries(series);
    }

    // Markers along the top or the bottom of the values drawn so far.
    void markers(const ChartMarkers& markers) {
        const Span span = values_.shown();
        const double room = span.high - span.low;
        const double y = markers.place == ChartMarkers::top        ? span.high - room * 0.04
                         : markers.place == ChartMarkers::belowTop ? span.high - room * 0.1
                                                                   : span.low + room * 0.04;
        QList<QPointF> points;
        for (const std::int32_t match : markers.matches) points << QPointF(match, y);
        points = spread(points, mostMarkers);
        auto* series = reused<QScatterSeries>(markers.name);
        if (series != nullptr) {
            setPoints(series, points);
        } else {
            series = new QScatterSeries;
            series->setName(markers.name);
            series->setMarkerShape(shapeOf(markers.shape));
            series->setMarkerSize(11);
            series->setColor(markers.colour);
            series->setBorderColor(markers.colour);
            series->replace(points);
            chart_->addSeries(series);
            auto* figures = new SeriesFigures(series, SeriesFigures::marker);
            follow(series, figures, view_, markers.name);
        }
        figuresOf(series);
    }

    // Takes away the series of the drawing before that this one no longer
    // has.
    void finish() { dropFrom(next_); }

  private:
    // The figures the series tells, now those of this drawing.
    SeriesFigures* figuresOf(QXYSeries* series) {
        SeriesFigures* figures = SeriesFigures::of(series);
        figures->matches = matches_;
        figures->numbers = numbers_;
        return figures;
    }

    // The next series of the drawing before, if it is of the type and name
    // asked for; if not, it and all after it go, to be made afresh.
    template <typename Series>
    Series* reused(const QString& name) {
        if (next_ < drawn_.size()) {
            auto* series = qobject_cast<Series*>(drawn_[next_]);
            if (series != nullptr && series->name() == name) {
                ++next_;
                return series;
            }
            dropFrom(next_);
        }
        return nullptr;
    }

    void dropFrom(qsizetype first) {
        for (qsizetype i = first; i < drawn_.size(); ++i) {
            chart_->removeSeries(drawn_[i]);
            // A band's edges are its children and go with it.
            delete drawn_[i];
        }
        drawn_.resize(std::min(first, drawn_.size()));
    }

    // A line is made whole, its points given, before the chart takes it:
    // the legend draws its mark as the line is when it is added.
    static QLineSeries* newLine(const QString& name, const QColor& colour) {
        auto* series = new QLineSeries;
        series->setName(name);
        series->setPen(QPen(colour, 1.5));
        return series;
    }

    void addLine(QLineSeries* series) {
        chart_->addSeries(series);
        auto* figures = new SeriesFigures(series, SeriesFigures::line);
        follow(series, figures, view_, series->name());
    }

    QAreaSeries* bandSeries(const QString& lineName, const QColor& colour,
                            const QList<QPointF>& highPoints, const QList<QPointF>& lowPoints) {
        //: The shaded band around a line of a long career's chart.
        const QString name = HistoryCharts::tr("%1, lowest to highest").arg(lineName);
        if (auto* band = reused<QAreaSeries>(name)) {
            setPoints(band->upperSeries(), highPoints);
            setPoints(band->lowerSeries(), lowPoints);
            return band;
        }
        auto* highs = new QLineSeries;
        auto* lows = new QLineSeries;
        highs->append(highPoints);
        lows->append(lowPoints);
        auto* band = new QAreaSeries(highs, lows);
        // An area series draws its edges but does not own them.
        highs->setParent(band);
        lows->setParent(band);
        band->setName(name);
        QColor fill = colour;
        fill.setAlpha(60);
        band->setBrush(fill);
        band->setPen(Qt::NoPen);
        chart_->addSeries(band);
        // The band belongs to its line, which the legend names.
        for (QLegendMarker* marker : chart_->legend()->markers(band)) marker->setVisible(false);
        // The band is pointed at through its own signals, told by its edge.
        auto* figures = new SeriesFigures(highs, SeriesFigures::line);
        follow(band, figures, view_, lineName);
        return band;
    }

    HistoryChartView* view_;
    QChart* chart_;
    Matches matches_;
    QLocale numbers_;
    bool byBlocks_;
    Span values_;
    // The series of the drawing before, and how many of them are drawn again.
    QList<QAbstractSeries*> drawn_;
    qsizetype next_ = 0;
};

// Puts the axes on the chart, or sets those it has, and every series on them.
void setAxes(QChart* chart, const ChartLook& look, const ChartData& data, const AxisTicks& matches,
             const AxisTicks& values) {
    const QList<QAbstractAxis*> xs = chart->axes(Qt::Horizontal);
    const QList<QAbstractAxis*> ys = chart->axes(Qt::Vertical);
    auto* x = xs.size() == 1 ? qobject_cast<QValueAxis*>(xs.front()) : nullptr;
    auto* y = ys.size() == 1 ? qobject_cast<QValueAxis*>(ys.front()) : nullptr;
    if (x == nullptr || y == nullptr) {
        const QList<QAbstractAxis*> axes = chart->axes();
        for (QAbstractAxis* axis : axes) {
            chart->removeAxis(axis);
            delete axis;
        }
        x = makeAxis(look, data.matchTitle);
        y = makeAxis(look, data.valueTitle);
        setTicks(x, matches);
        setTicks(y, values);
        chart->addAxis(x, Qt::AlignBottom);
        chart->addAxis(y, Qt::AlignLeft);
    } else {
        x->setTitleText(data.matchTitle);
        y->setTitleText(data.valueTitle);
        setTicks(x, matches);
        setTicks(y, values);
    }
    const QList<QAbstractSeries*> series = chart->series();
    for (QAbstractSeries* one : series) {
        if (!one->attachedAxes().isEmpty()) continue;
        one->attachAxis(x);
        one->attachAxis(y);
    }
}

}  // namespace

HistoryChartView* HistoryCharts::makeView(const ChartLook& look, QWidget* parent) {
    auto* drawn = new QChart;
    drawn->setTheme(QChart::ChartThemeDark);
    // The view draws the background, the levels' stretches on it.
    drawn->setBackgroundVisible(false);
    drawn->setPlotAreaBackgroundVisible(false);
    drawn->setMargins(QMargins(4, 4, 4, 4));
    drawn->setTitleBrush(look.title);
    drawn->setTitleFont(look.titleFont);
    // The axes write their numbers in the chart's locale, as drawn.
    drawn->setLocalizeNumbers(true);
    QLegend* legend = drawn->legend();
    // A list down the right names every line in full, where a row along the
    // bottom cuts the names of a chart of many lines short.
    legend->setAlignment(Qt::AlignRight);
    legend->setLabelColor(look.text);
    legend->setFont(look.labels);
    legend->setMarkerShape(QLegend::MarkerShapeFromSeries);
    auto* view = new HistoryChartView(drawn, look, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setFrameShape(QFrame::NoFrame);
    view->setBackgroundBrush(look.background);
    // A chart reads as a time line, the first match at the left, in every
    // language: right to left too, the window around it mirrored. The chart
    // itself would otherwise take the application's direction.
    view->setLayoutDirection(Qt::LeftToRight);
    drawn->setLayoutDirection(Qt::LeftToRight);
    // In the Tab order, so that a screen reader reaches what the chart tells
    // and the keyboard its cursor.
    view->setFocusPolicy(Qt::StrongFocus);
    return view;
}

void HistoryCharts::draw(HistoryChartView* view, const ChartData& data) {
    QChart* drawn = view->chart();
    drawn->setLocale(data.numbers);
    Drawing drawing(view, data);
    for (const double value : data.alwaysShown) drawing.values().take(value);
    for (const ChartLine& line : data.lines) drawing.line(line);
    for (const ChartFloor& floor : data.floors) drawing.floor(floor);
    for (const ChartMarkers& markers : data.markers) drawing.markers(markers);
    drawing.finish();
    Span matches;
    if (!data.matches.empty()) {
        matches.take(data.matches.front());
        matches.take(data.matches.back());
    }
    if (matches.high == matches.low) matches = {matches.low - 1, matches.high + 1};
    drawn->setTitle(data.title);
    const AxisTicks values = valuePlan(drawing.values());
    setAxes(drawn, view->look(), data, matchPlan(matches), values);
    view->showData(std::make_shared<const ChartData>(data), values);
}
