#include "screens/history_charts.h"

#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "game/money.h"
#include "game/ratings.h"
#include "screens/history_texts.h"
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

std::vector<double> levelAverages(const Career& career, const std::vector<HistoryRow>& rows) {
    std::array<double, levelCount> runs{};
    std::array<double, levelCount> matches{};
    for (const Level level : allLevels) {
        runs[levelIndex(level)] = career.recordBook[levelIndex(level)].runs;
        matches[levelIndex(level)] = career.recordBook[levelIndex(level)].matches;
    }
    std::vector<double> averages(rows.size());
    for (std::size_t i = rows.size(); i-- > 0;) {
        const int level = levelIndex(rows[i].level);
        averages[i] = matches[level] > 0 ? std::max(runs[level], 0.0) / matches[level] : 0;
        runs[level] -= rows[i].performance.runs;
        matches[level] -= 1;
    }
    return averages;
}

namespace {

const QColor gridColour{40, 40, 120};
const QColor lightBlue{128, 192, 255};
const QColor orange{255, 160, 64};

// Below this many matches each one shows as a point on its line.
constexpr int pointsShownUpTo = 60;
// Markers of level changes closer than this share a place.
constexpr int mostMarkers = 400;

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

// An axis of the span's values, widened to round numbers.
QValueAxis* makeAxis(const QString& title, const QString& format, Span span) {
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
    span = span.shown();
    axis->setRange(span.low, span.high);
    axis->applyNiceNumbers();
    // Every value a chart shows is a whole number, and so is every label: a
    // span of a few units ticked in fifths would label "0" five times.
    if ((axis->max() - axis->min()) / (axis->tickCount() - 1) < 1) {
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setTickAnchor(0);
        axis->setTickInterval(1);
    }
    return axis;
}

// An axis of matches, from the first to the last exactly, ticked at round
// numbers.
QValueAxis* makeMatchAxis(const QString& title, Span span) {
    QValueAxis* axis = makeAxis(title, QStringLiteral("%d"), span);
    span = span.shown();
    axis->setRange(span.low, span.high);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(roundStep(span.high - span.low, 6));
    return axis;
}

// A line through a value of every match; in a short history each match
// shows as a point on it.
void addLine(QChart* chart, const QString& name, const QList<QPointF>& points,
             const QColor& colour) {
    auto* series = new QLineSeries;
    series->setName(name);
    series->setPen(QPen(colour, 1.5));
    series->replace(thinned(points, mostPointsALine));
    series->setPointsVisible(points.size() <= pointsShownUpTo);
    chart->addSeries(series);
}

// A level the values are measured against, across the whole chart.
void addFloor(QChart* chart, const QString& name, double value, double from, double to,
              const QColor& colour) {
    auto* series = new QLineSeries;
    series->setName(name);
    series->setPen(QPen(colour, 1.5, Qt::DashLine));
    series->append(from, value);
    series->append(to, value);
    chart->addSeries(series);
}

void addMarkers(QChart* chart, const QString& name, const QList<QPointF>& points,
                const QColor& colour, QScatterSeries::MarkerShape shape) {
    auto* series = new QScatterSeries;
    series->setName(name);
    series->setMarkerShape(shape);
    series->setMarkerSize(11);
    series->setColor(colour);
    series->setBorderColor(colour);
    series->replace(spread(points, mostMarkers));
    chart->addSeries(series);
}

// Clears the chart for drawing afresh.
void clear(QChart* chart) {
    chart->removeAllSeries();
    const QList<QAbstractAxis*> axes = chart->axes();
    for (QAbstractAxis* axis : axes) {
        chart->removeAxis(axis);
        delete axis;
    }
}

// Puts the axes on the chart and every series on them.
void attachAxes(QChart* chart, QValueAxis* x, QValueAxis* y) {
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    const QList<QAbstractSeries*> series = chart->series();
    for (QAbstractSeries* one : series) {
        one->attachAxis(x);
        one->attachAxis(y);
    }
}

// The level of the match before each row, when known.
std::optional<Level> levelBefore(const std::vector<HistoryRow>& rows, std::size_t i) {
    if (i > 0) return rows[i - 1].level;
    if (rows[i].match == 1) return Level::club;
    return std::nullopt;
}

}  // namespace

QString HistoryCharts::name(Chart chart) {
    switch (chart) {
        case runs:
            return tr("Runs");
        case skills:
            return tr("Skills");
        case bankBalance:
            return tr("Bank balance");
        case condition:
            return tr("Gear and health");
        case chartCount:
            break;
    }
    return QString();
}

QChartView* HistoryCharts::makeView(Chart chart, QWidget* parent) {
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
    legend->setAlignment(Qt::AlignBottom);
    legend->setLabelColor(look::silver);
    legend->setFont(look::font(false));
    legend->setMarkerShape(QLegend::MarkerShapeFromSeries);
    auto* view = new QChartView(drawn, parent);
    view->setObjectName(QStringLiteral("chart_%1").arg(chart));
    view->setRenderHint(QPainter::Antialiasing);
    view->setFrameShape(QFrame::NoFrame);
    view->setBackgroundBrush(look::navy);
    view->setFocusPolicy(Qt::NoFocus);
    view->setAccessibleName(name(chart));
    return view;
}

void HistoryCharts::draw(QChartView* view, Chart chart, const Career& career,
                         const CareerHistory& history) {
    QChart* drawn = view->chart();
    clear(drawn);
    const std::vector<HistoryRow>& rows = history.rows();
    Span matches;
    if (!rows.empty()) {
        matches.take(rows.front().match);
        matches.take(rows.back().match);
    }
    if (matches.high == matches.low) matches = {matches.low - 1, matches.high + 1};
    drawn->setTitle(rows.empty() ? tr("No match kept yet") : QString());
    QValueAxis* x = makeMatchAxis(tr("Match"), matches);
    const auto line = [&](auto value) {
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(rows.size()));
        for (std::size_t i = 0; i < rows.size(); ++i) points << QPointF(rows[i].match, value(i));
        return points;
    };
    Span values;
    QString told;
    QString format = QStringLiteral("%d");
    QString valueTitle;
    switch (chart) {
        case runs: {
            const std::vector<double> averages = levelAverages(career, rows);
            const QList<QPointF> scores =
                line([&](std::size_t i) { return rows[i].performance.runs; });
            const QList<QPointF> average = line([&](std::size_t i) { return averages[i]; });
            addLine(drawn, tr("Runs"), scores, look::lightYellow);
            addLine(drawn, tr("Batting average of the level"), average, look::green);
            values.take(0);
            values.take(scores);
            values.take(average);
            valueTitle = tr("Runs");
            if (!rows.empty()) {
                const auto best = std::max_element(
                    rows.begin(), rows.end(), [](const HistoryRow& a, const HistoryRow& b) {
                        return a.performance.runs < b.performance.runs;
                    });
                told = tr("Runs in each of %1 matches, the most %2 in match %3; the batting "
                          "average of the level after the last match %4.")
                           .arg(rows.size())
                           .arg(best->performance.runs)
                           .arg(best->match)
                           .arg(averages.back(), 0, 'f', 2);
            }
            break;
        }
        case skills: {
            const QList<QPointF> batting =
                line([&](std::size_t i) { return rows[i].skills.batting; });
            const QList<QPointF> bowling =
                line([&](std::size_t i) { return rows[i].skills.bowling; });
            const QList<QPointF> fielding =
                line([&](std::size_t i) { return rows[i].skills.fielding; });
            addLine(drawn, tr("Batting"), batting, look::lightYellow);
            addLine(drawn, tr("Bowling"), bowling, lightBlue);
            addLine(drawn, tr("Fielding"), fielding, orange);
            values.take(0);
            values.take(batting);
            values.take(bowling);
            values.take(fielding);
            // Promotions along the top of the chart, World Cup selections just
            // below them, drops along the bottom.
            QValueAxis* y = makeAxis(QString(), format, values);
            const double top = y->max() - (y->max() - y->min()) * 0.04;
            const double bottom = y->min() + (y->max() - y->min()) * 0.04;
            const double belowTop = y->max() - (y->max() - y->min()) * 0.1;
            delete y;
            QList<QPointF> promotions;
            QList<QPointF> drops;
            QList<QPointF> worldCup;
            for (std::size_t i = 0; i < rows.size(); ++i) {
                bool promoted = false;
                bool dropped = false;
                for (const LevelMove& move : levelMoves(rows[i], levelBefore(rows, i))) {
                    promoted = promoted || move.direction == LevelMove::promotion;
                    dropped = dropped || move.direction == LevelMove::drop;
                }
                if (promoted) promotions << QPointF(rows[i].match, top);
                if (dropped) drops << QPointF(rows[i].match, bottom);
                if (rows[i].events.selectedForWorldCup)
                    worldCup << QPointF(rows[i].match, belowTop);
            }
            addMarkers(drawn, tr("Promotion"), promotions, look::green,
                       QScatterSeries::MarkerShapeTriangle);
            addMarkers(drawn, tr("Drop"), drops, look::red,
                       QScatterSeries::MarkerShapeRotatedRectangle);
            if (!worldCup.isEmpty()) {
                addMarkers(drawn, tr("World Cup selection"), worldCup, look::lightYellow,
                           QScatterSeries::MarkerShapeStar);
            }
            valueTitle = tr("Skill");
            if (!rows.empty()) {
                const Skills& now = rows.back().skills;
                told = tr("Batting, bowling and fielding after each of %1 matches, after the "
                          "last %2, %3 and %4; %5 promotions and %6 drops marked.")
                           .arg(rows.size())
                           .arg(now.batting)
                           .arg(now.bowling)
                           .arg(now.fielding)
                           .arg(promotions.size())
                           .arg(drops.size());
            }
            break;
        }
        case bankBalance: {
            const QList<QPointF> balance = line([&](std::size_t i) { return rows[i].bankBalance; });
            addLine(drawn, tr("Bank balance"), balance, look::green);
            values.take(0);
            values.take(balance);
            valueTitle = tr("Rs.");
            format = QStringLiteral("%.0f");
            if (!rows.empty()) {
                told = tr("The bank balance after each of %1 matches, Rs. %2 after the last, "
                          "Rs. %3 at the most.")
                           .arg(rows.size())
                           .arg(moneyText(rows.back().bankBalance), moneyText(values.high));
            }
            break;
        }
        case condition: {
            const QList<QPointF> gear =
                line([&](std::size_t i) { return overallGear(rows[i].gear); });
            const QList<QPointF> health =
                line([&](std::size_t i) { return overallHealth(rows[i].body); });
            addLine(drawn, tr("Overall gear"), gear, look::lightYellow);
            addLine(drawn, tr("Overall health"), health, lightBlue);
            addFloor(drawn, tr("Selection floor: any item at 0 keeps him out"), 0, x->min(),
                     x->max(), look::red);
            values.take(0);
            values.take(100);
            values.take(gear);
            values.take(health);
            valueTitle = tr("Condition");
            if (!rows.empty()) {
                told = tr("Overall gear and overall health after each of %1 matches, after the "
                          "last %2 and %3; an item of gear or the body at 0 keeps him out of "
                          "the side.")
                           .arg(rows.size())
                           .arg(overallGear(rows.back().gear))
                           .arg(overallHealth(rows.back().body));
            }
            break;
        }
        case chartCount:
            break;
    }
    attachAxes(drawn, x, makeAxis(valueTitle, format, values));
    view->setAccessibleDescription(rows.empty() ? tr("No match kept yet.") : told);
}
