// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/history_charts.h"

#include <QAreaSeries>
#include <QChart>
#include <QCursor>
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

#include "game/career_story.h"
#include "game/money.h"
#include "game/ratings.h"
#include "game/selection.h"
#include "screens/history/history_texts.h"
#include "screens/look.h"

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

const QColor gridColour{40, 40, 120};
const QColor lightBlue{128, 192, 255};
const QColor orange{255, 160, 64};

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

// Where an axis runs and how it is ticked.
struct AxisPlan {
    double min = 0;
    double max = 1;
    int tickCount = 5;
    bool dynamic = false;
    double interval = 1;
};

// An axis of the span's values, widened to round numbers as Qt Charts rounds
// them (worked out on an axis of its own, so that the axis shown changes once
// and only where the numbers changed).
AxisPlan valuePlan(Span span) {
    span = span.shown();
    QValueAxis nice;
    nice.setRange(span.low, span.high);
    nice.applyNiceNumbers();
    AxisPlan plan{nice.min(), nice.max(), nice.tickCount()};
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
AxisPlan matchPlan(Span span) {
    AxisPlan plan = valuePlan(span);
    span = span.shown();
    plan.min = span.low;
    plan.max = span.high;
    plan.dynamic = true;
    plan.interval = roundStep(span.high - span.low, 6);
    return plan;
}

// Sets the axis as planned; Qt Charts lays a chart out again only for what
// changed.
void setAxis(QValueAxis* axis, const AxisPlan& plan) {
    axis->setRange(plan.min, plan.max);
    axis->setTickCount(plan.tickCount);
    if (plan.dynamic) {
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setTickAnchor(0);
        axis->setTickInterval(plan.interval);
    } else {
        axis->setTickType(QValueAxis::TicksFixed);
    }
}

QValueAxis* makeAxis(const QString& title, const QString& format) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setTitleBrush(look::silver);
    axis->setTitleFont(look::font(true));
    axis->setLabelsBrush(look::silver);
    axis->setLabelsFont(look::font(false));
    axis->setLabelFormat(format);
    axis->setGridLineColor(gridColour);
    axis->setLinePenColor(look::silver);
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

// The row of the match nearest x, of rows that are not empty.
std::size_t rowAt(const std::vector<HistoryRow>& rows, double x) {
    const auto at = std::lower_bound(
        rows.begin(), rows.end(), x,
        [](const HistoryRow& row, double match) { return row.match < match - 0.5; });
    return at == rows.end() ? rows.size() - 1 : static_cast<std::size_t>(at - rows.begin());
}

// The figure of row i that a line shows.
using Figure = std::function<double(std::size_t)>;

QString figureText(double value) {
    return QLocale().toString(value, 'f', value == std::floor(value) ? 0 : 1);
}

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
    const std::vector<HistoryRow>* rows = nullptr;
    // A value a match, or the blocks of a long career.
    std::vector<double> values;
    std::vector<Block> blocks;

    bool shown() const { return rows != nullptr && !rows->empty(); }

    Block blockAt(double x) const {
        const std::size_t row = rowAt(*rows, x);
        for (const Block& block : blocks) {
            if (row < block.endRow) return block;
        }
        return blocks.back();
    }

    QString tip(const QString& name, double x) const {
        if (!blocks.empty()) {
            const Block block = blockAt(x);
            //: A block of a long career's chart: %1 the line's name, %2 and %3 the first
            //: and last match of the block, %4 the mean, %5 the lowest, %6 the highest value.
            return HistoryCharts::tr("%1 in matches %2 to %3: mean %4, lowest %5, highest %6")
                .arg(name, QLocale().toString((*rows)[block.firstRow].match),
                     QLocale().toString((*rows)[block.endRow - 1].match), figureText(block.mean),
                     figureText(block.low), figureText(block.high));
        }
        const std::size_t i = rowAt(*rows, x);
        if (kind == marker) {
            //: A marker of a chart: %1 what it marks, %2 the match.
            return HistoryCharts::tr("%1 before match %2")
                .arg(name, QLocale().toString((*rows)[i].match));
        }
        //: A point of a chart: %1 the line's name, %2 the match, %3 the value.
        return HistoryCharts::tr("%1 in match %2: %3")
            .arg(name, QLocale().toString((*rows)[i].match),
                 figureText(i < values.size() ? values[i] : 0));
    }

    int matchAt(double x) const {
        return blocks.empty() ? (*rows)[rowAt(*rows, x)].match : (*rows)[blockAt(x).firstRow].match;
    }
};

// Pointing at a series tells the figures under the pointer; a click picks
// the match, or a block's first.
template <typename Series>
SeriesFigures* follow(Series* series, HistoryChartView* view, SeriesFigures::Kind kind) {
    auto* figures = new SeriesFigures(series, kind);
    const QString name = series->name();
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
    return figures;
}

// One drawing of a chart: its lines, bands, floors and markers, and the span
// of their values for the axis. A chart drawn before is changed in place:
// each series it already has, in order and by name, takes its new points;
// from the first that differs (a long career's band appearing, the first
// World Cup marker) on, the series are made afresh.
class Drawing {
  public:
    Drawing(HistoryChartView* view, const std::vector<HistoryRow>& rows)
        : view_(view),
          chart_(view->chart()),
          rows_(rows),
          byBlocks_(rows.size() > static_cast<std::size_t>(matchesShownOneByOne)),
          drawn_(chart_->series()) {
        // A long career's bands cost most of a chart's drawing when smoothed,
        // and a match played with the window open should not wait for them;
        // a short career's few lines are drawn smooth.
        view->setRenderHint(QPainter::Antialiasing, !byBlocks_);
    }

    bool byBlocks() const { return byBlocks_; }
    Span& values() { return values_; }

    // A line of the figure: a point a match, or for a long career the mean
    // of each block with a band from its lowest to its highest value.
    void line(const QString& name, const QColor& colour, const Figure& figure, bool banded = true) {
        if (!byBlocks_) {
            QList<QPointF> points;
            points.reserve(static_cast<qsizetype>(rows_.size()));
            for (std::size_t i = 0; i < rows_.size(); ++i) {
                points << QPointF(rows_[i].match, figure(i));
            }
            values_.take(points);
            const bool pointsShown = points.size() <= pointsShownUpTo;
            QLineSeries* series = reused<QLineSeries>(name);
            // The legend draws a line's mark as the line was when added, with
            // or without a point: a line that gains or loses its points is
            // made afresh, with those after it.
            if (series != nullptr && series->pointsVisible() != pointsShown) {
                dropFrom(--next_);
                series = nullptr;
            }
            const bool made = series == nullptr;
            if (made) series = newLine(name, colour);
            setPoints(series, thinned(points, mostPointsALine));
            series->setPointsVisible(pointsShown);
            if (made) addLine(series);
            SeriesFigures* figures = SeriesFigures::of(series);
            figures->rows = &rows_;
            figures->blocks.clear();
            figures->values.resize(rows_.size());
            for (qsizetype i = 0; i < points.size(); ++i) figures->values[i] = points[i].y();
            return;
        }
        const std::vector<Block> blocks = blocksOf(rows_.size(), blocksShown, figure);
        QList<QPointF> means;
        QList<QPointF> lows;
        QList<QPointF> highs;
        for (const Block& block : blocks) {
            const double x = rows_[block.firstRow].match;
            means << QPointF(x, block.mean);
            lows << QPointF(x, block.low);
            highs << QPointF(x, block.high);
            values_.take(banded ? block.low : block.mean);
            values_.take(banded ? block.high : block.mean);
        }
        if (banded) {
            QAreaSeries* band = bandSeries(name, colour, highs, lows);
            SeriesFigures* figures = SeriesFigures::of(band->upperSeries());
            figures->rows = &rows_;
            figures->blocks = blocks;
        }
        QLineSeries* series = reused<QLineSeries>(name);
        const bool made = series == nullptr;
        if (made) series = newLine(name, colour);
        setPoints(series, means);
        series->setPointsVisible(false);
        if (made) addLine(series);
        SeriesFigures* figures = SeriesFigures::of(series);
        figures->rows = &rows_;
        figures->values.clear();
        figures->blocks = blocks;
    }

    // A level the values are measured against, across the whole chart.
    void floor(const QString& name, double value, const QColor& colour) {
        const double from = rows_.empty() ? 0 : rows_.front().match;
        const double to = rows_.empty() ? 1 : std::max<double>(rows_.back().match, from + 1);
        values_.take(value);
        if (auto* series = reused<QLineSeries>(name)) {
            setPoints(series, {QPointF(from, value), QPointF(to, value)});
            return;
        }
        auto* series = new QLineSeries;
        series->setName(name);
        series->setPen(QPen(colour, 1.5, Qt::DashLine));
        series->append(from, value);
        series->append(to, value);
        chart_->addSeries(series);
    }

    void markers(const QString& name, const QList<QPointF>& points, const QColor& colour,
                 QScatterSeries::MarkerShape shape) {
        auto* series = reused<QScatterSeries>(name);
        if (series != nullptr) {
            setPoints(series, spread(points, mostMarkers));
        } else {
            series = new QScatterSeries;
            series->setName(name);
            series->setMarkerShape(shape);
            series->setMarkerSize(11);
            series->setColor(colour);
            series->setBorderColor(colour);
            series->replace(spread(points, mostMarkers));
            chart_->addSeries(series);
            follow(series, view_, SeriesFigures::marker);
        }
        SeriesFigures::of(series)->rows = &rows_;
    }

    // Takes away the series of the drawing before that this one no longer
    // has.
    void finish() { dropFrom(next_); }

  private:
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
        follow(series, view_, SeriesFigures::line);
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
        QObject::connect(band, &QAreaSeries::hovered, figures,
                         [figures, view = view_, lineName](const QPointF& point, bool over) {
                             if (over && figures->shown()) {
                                 QToolTip::showText(QCursor::pos(),
                                                    figures->tip(lineName, point.x()), view);
                             } else {
                                 QToolTip::hideText();
                             }
                         });
        QObject::connect(band, &QAreaSeries::clicked, figures,
                         [figures, view = view_](const QPointF& point) {
                             if (figures->shown())
                                 emit view->matchPicked(figures->matchAt(point.x()));
                         });
        return band;
    }

    HistoryChartView* view_;
    QChart* chart_;
    const std::vector<HistoryRow>& rows_;
    bool byBlocks_;
    Span values_;
    // The series of the drawing before, and how many of them are drawn again.
    QList<QAbstractSeries*> drawn_;
    qsizetype next_ = 0;
};

// Puts the axes on the chart, or sets those it has, and every series on them.
void setAxes(QChart* chart, const QString& valueTitle, const QString& format,
             const AxisPlan& matches, const AxisPlan& values) {
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
        x = makeAxis(HistoryCharts::tr("Match"), QStringLiteral("%d"));
        y = makeAxis(valueTitle, format);
        setAxis(x, matches);
        setAxis(y, values);
        chart->addAxis(x, Qt::AlignBottom);
        chart->addAxis(y, Qt::AlignLeft);
    } else {
        y->setTitleText(valueTitle);
        y->setLabelFormat(format);
        setAxis(x, matches);
        setAxis(y, values);
    }
    const QList<QAbstractSeries*> series = chart->series();
    for (QAbstractSeries* one : series) {
        if (!one->attachedAxes().isEmpty()) continue;
        one->attachAxis(x);
        one->attachAxis(y);
    }
}

// What a chart of a career draws, and what it tells a screen reader.
struct Drawn {
    QString valueTitle;
    QString told;
    QString format = QStringLiteral("%d");
};

Drawn drawRuns(Drawing& d, const Career& career, const std::vector<HistoryRow>& rows) {
    const std::vector<double> averages = levelAverages(career, rows);
    d.values().take(0);
    d.line(HistoryCharts::tr("Runs"), look::lightYellow,
           [&](std::size_t i) { return rows[i].performance.runs; });
    d.line(
        HistoryCharts::tr("Batting average of the level"), look::green,
        [&](std::size_t i) { return averages[i]; }, false);
    if (rows.empty()) return {HistoryCharts::tr("Runs"), {}};
    const auto best = std::max_element(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        return a.performance.runs < b.performance.runs;
    });
    return {HistoryCharts::tr("Runs"),
            HistoryCharts::tr("Runs in each match, %n kept; the most %1 in match "
                              "%2; the batting average of the level after the last match %3.",
                              nullptr, static_cast<int>(rows.size()))
                .arg(QLocale().toString(best->performance.runs), QLocale().toString(best->match),
                     QLocale().toString(averages.back(), 'f', 2))};
}

Drawn drawWickets(Drawing& d, const std::vector<HistoryRow>& rows) {
    d.values().take(0);
    d.values().take(5);
    d.line(HistoryCharts::tr("Wickets"), lightBlue,
           [&](std::size_t i) { return rows[i].performance.wickets; });
    if (rows.empty()) return {HistoryCharts::tr("Wickets"), {}};
    std::int64_t total = 0;
    for (const HistoryRow& row : rows) total += row.performance.wickets;
    const auto best = std::max_element(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        return a.performance.wickets < b.performance.wickets;
    });
    return {HistoryCharts::tr("Wickets"),
            HistoryCharts::tr("Wickets in each match, %n kept; wickets in all %1, the "
                              "most %2 in match %3.",
                              nullptr, static_cast<int>(rows.size()))
                .arg(QLocale().toString(total), QLocale().toString(best->performance.wickets),
                     QLocale().toString(best->match))};
}

Drawn drawSkills(Drawing& d, const std::vector<HistoryRow>& rows) {
    d.values().take(0);
    d.line(
        HistoryCharts::tr("Batting"), look::lightYellow,
        [&](std::size_t i) { return rows[i].skills.batting; }, false);
    d.line(
        HistoryCharts::tr("Bowling"), lightBlue,
        [&](std::size_t i) { return rows[i].skills.bowling; }, false);
    d.line(
        HistoryCharts::tr("Fielding"), orange,
        [&](std::size_t i) { return rows[i].skills.fielding; }, false);
    d.line(
        HistoryCharts::tr("Overall skill"), look::green,
        [&](std::size_t i) { return overallSkill(rows[i].skills); }, false);
    d.line(
        HistoryCharts::tr("Selection threshold of the level"), look::red,
        [&](std::size_t i) { return selectionThreshold(rows[i].level); }, false);
    d.floor(HistoryCharts::tr("Promotion: overall skill %1").arg(promotionSkill), promotionSkill,
            look::green);
    d.floor(HistoryCharts::tr("Promotion: batting or bowling %1").arg(promotionSpecialism),
            promotionSpecialism, look::lightYellow);
    // Promotions along the top of the chart, World Cup selections just below
    // them, drops along the bottom.
    const Span span = d.values().shown();
    const double top = span.high - (span.high - span.low) * 0.04;
    const double belowTop = span.high - (span.high - span.low) * 0.1;
    const double bottom = span.low + (span.high - span.low) * 0.04;
    QList<QPointF> promotions;
    QList<QPointF> drops;
    QList<QPointF> worldCup;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (const LevelMove& move : levelMoves(rows, i)) {
            if (move.direction == LevelMove::promotion) promotions << QPointF(rows[i].match, top);
            if (move.direction == LevelMove::drop) drops << QPointF(rows[i].match, bottom);
        }
        if (rows[i].events.selectedForWorldCup) worldCup << QPointF(rows[i].match, belowTop);
    }
    d.markers(HistoryCharts::tr("Promotion"), promotions, look::green,
              QScatterSeries::MarkerShapeTriangle);
    d.markers(HistoryCharts::tr("Drop"), drops, look::red,
              QScatterSeries::MarkerShapeRotatedRectangle);
    if (!worldCup.isEmpty()) {
        d.markers(HistoryCharts::tr("World Cup selection"), worldCup, look::lightYellow,
                  QScatterSeries::MarkerShapeStar);
    }
    if (rows.empty()) return {HistoryCharts::tr("Skill"), {}};
    const Skills& now = rows.back().skills;
    return {
        HistoryCharts::tr("Skill"),
        HistoryCharts::tr("Batting, bowling, fielding and overall skill after each match, "
                          "%n kept; after the last %1, %2, %3 and overall %4, "
                          "against promotion at %5 overall or %6 batting or bowling.",
                          nullptr, static_cast<int>(rows.size()))
                .arg(QLocale().toString(now.batting), QLocale().toString(now.bowling),
                     QLocale().toString(now.fielding), QLocale().toString(overallSkill(now)),
                     QLocale().toString(promotionSkill), QLocale().toString(promotionSpecialism)) +
            QLatin1Char(' ') +
            HistoryCharts::tr("Promotions marked: %n.", nullptr,
                              static_cast<int>(promotions.size())) +
            QLatin1Char(' ') +
            HistoryCharts::tr("Drops marked: %n.", nullptr, static_cast<int>(drops.size()))};
}

Drawn drawBankBalance(Drawing& d, const std::vector<HistoryRow>& rows) {
    d.values().take(0);
    d.line(HistoryCharts::tr("Bank balance"), look::green,
           [&](std::size_t i) { return rows[i].bankBalance; });
    if (rows.empty()) return {HistoryCharts::tr("Rs."), {}, QStringLiteral("%.0f")};
    double most = 0;
    for (const HistoryRow& row : rows) most = std::max(most, row.bankBalance);
    return {HistoryCharts::tr("Rs."),
            HistoryCharts::tr("The bank balance after each match, %n kept: Rs. %1 "
                              "after the last, Rs. %2 at the most.",
                              nullptr, static_cast<int>(rows.size()))
                .arg(moneyText(rows.back().bankBalance), moneyText(most)),
            QStringLiteral("%.0f")};
}

Drawn drawCondition(Drawing& d, const std::vector<HistoryRow>& rows) {
    d.values().take(100);
    d.line(
        HistoryCharts::tr("Overall gear"), look::lightYellow,
        [&](std::size_t i) { return overallGear(rows[i].gear); }, false);
    d.line(
        HistoryCharts::tr("Overall health"), lightBlue,
        [&](std::size_t i) { return overallHealth(rows[i].body); }, false);
    d.line(HistoryCharts::tr("Lowest item of gear"), orange,
           [&](std::size_t i) { return lowestGearItem(rows[i].gear); });
    d.line(HistoryCharts::tr("Lowest of fitness, health and stamina"), look::green,
           [&](std::size_t i) { return lowestOfBody(rows[i].body); });
    d.floor(HistoryCharts::tr("Selection floor: any item at 0 keeps the player out"),
            wornOutCondition, look::red);
    if (rows.empty()) return {HistoryCharts::tr("Condition"), {}};
    const HistoryRow& last = rows.back();
    return {HistoryCharts::tr("Condition"),
            HistoryCharts::tr("Overall gear and health, the lowest item of gear and the lowest "
                              "of fitness, health and stamina after each match, %n kept; "
                              "after the last %1, %2, %3 and %4. Any item of gear, "
                              "fitness, health or stamina at 0 keeps the player out of the side.",
                              nullptr, static_cast<int>(rows.size()))
                .arg(QLocale().toString(overallGear(last.gear)),
                     QLocale().toString(overallHealth(last.body)),
                     QLocale().toString(lowestGearItem(last.gear)),
                     QLocale().toString(lowestOfBody(last.body)))};
}

}  // namespace

HistoryChartView* HistoryCharts::makeView(Chart chart, QWidget* parent) {
    auto* drawn = new QChart;
    drawn->setTheme(QChart::ChartThemeDark);
    drawn->setBackgroundBrush(look::navy);
    drawn->setBackgroundPen(Qt::NoPen);
    drawn->setBackgroundRoundness(0);
    drawn->setPlotAreaBackgroundVisible(false);
    drawn->setMargins(QMargins(4, 4, 4, 4));
    drawn->setTitleBrush(look::green);
    drawn->setTitleFont(look::font(true, 12));
    QLegend* legend = drawn->legend();
    // A list down the right names every line in full, where a row along the
    // bottom cuts the names of a chart of many lines short.
    legend->setAlignment(Qt::AlignRight);
    legend->setLabelColor(look::silver);
    legend->setFont(look::font(false));
    legend->setMarkerShape(QLegend::MarkerShapeFromSeries);
    auto* view = new HistoryChartView(drawn, parent);
    view->setObjectName(QStringLiteral("chart_%1").arg(chart));
    view->setRenderHint(QPainter::Antialiasing);
    view->setFrameShape(QFrame::NoFrame);
    view->setBackgroundBrush(look::navy);
    // In the Tab order, so that a screen reader reaches what the chart tells.
    view->setFocusPolicy(Qt::StrongFocus);
    view->setAccessibleName(name(chart));
    return view;
}

void HistoryCharts::draw(HistoryChartView* view, Chart chart, const Career& career,
                         const CareerHistory& history) {
    QChart* drawn = view->chart();
    const std::vector<HistoryRow>& rows = history.rows();
    Drawing drawing(view, rows);
    Drawn told;
    switch (chart) {
        case runs:
            told = drawRuns(drawing, career, rows);
            break;
        case wickets:
            told = drawWickets(drawing, rows);
            break;
        case skills:
            told = drawSkills(drawing, rows);
            break;
        case bankBalance:
            told = drawBankBalance(drawing, rows);
            break;
        case condition:
            told = drawCondition(drawing, rows);
            break;
        case chartCount:
            break;
    }
    drawing.finish();
    Span matches;
    if (!rows.empty()) {
        matches.take(rows.front().match);
        matches.take(rows.back().match);
    }
    if (matches.high == matches.low) matches = {matches.low - 1, matches.high + 1};
    drawn->setTitle(rows.empty() ? tr("No match kept yet") : QString());
    setAxes(drawn, told.valueTitle, told.format, matchPlan(matches), valuePlan(drawing.values()));
    view->setAccessibleDescription(rows.empty() ? tr("No match kept yet.") : told.told);
}
