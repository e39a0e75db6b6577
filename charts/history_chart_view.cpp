// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/history_chart_view.h"

#include <QChart>
#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QGraphicsTextItem>
#include <QKeyEvent>
#include <QLegend>
#include <QLegendMarker>
#include <QMouseEvent>
#include <QPainter>
#include <QTextDocument>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <optional>

#include "charts/history_charts.h"

namespace {

// The texts of the cursor, in the charts' own translation context.
class CursorTexts {
    Q_DECLARE_TR_FUNCTIONS(HistoryCharts)
};

// The share of the view's width a legend's names may take, and the widest
// and narrowest they are wrapped to, in pixels.
constexpr double legendShare = 0.22;
constexpr int legendWidest = 190;
constexpr int legendNarrowest = 90;
// The smallest a legend is written, in pixels: still read with ease.
constexpr int smallestLegendPixels = 9;
// What Qt Charts puts between and around the names of a legend, in pixels,
// with a little to spare.
constexpr double legendEntrySpacing = 9;
constexpr double legendPadding = 12;

// Room kept between the cursor's figures and what they stand beside.
constexpr double gap = 6;

// The place of the stretch that holds the match, if one does.
const ChartStretch* stretchOf(const std::vector<ChartStretch>& stretches, std::int32_t match) {
    const auto after = std::upper_bound(
        stretches.begin(), stretches.end(), match,
        [](std::int32_t m, const ChartStretch& stretch) { return m < stretch.firstMatch; });
    if (after == stretches.begin()) return nullptr;
    const ChartStretch& stretch = *(after - 1);
    return match <= stretch.lastMatch ? &stretch : nullptr;
}

}  // namespace

QString figureText(const QLocale& numbers, double value) {
    return numbers.toString(value, 'f', value == std::floor(value) ? 0 : 1);
}

// The height a legend's name takes as Qt Charts lays it out.
double laidOutHeight(const QString& label, const QFont& font) {
    QTextDocument document;
    document.setDefaultFont(font);
    document.setDocumentMargin(0);
    document.setHtml(label);
    return document.size().height();
}

QString wrappedLabel(const QString& text, const QFont& font, int width) {
    const QFontMetrics metrics(font);
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines << line.toHtmlEscaped();
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty()) lines << line.toHtmlEscaped();
    return lines.join(QStringLiteral("<br>"));
}

HistoryChartView::HistoryChartView(QChart* chart, const ChartLook& look, QWidget* parent)
    : QChartView(chart, parent), look_(look), margins_(chart->margins()) {
    // The stretches behind the series move with the plot area.
    connect(chart, &QChart::plotAreaChanged, viewport(), qOverload<>(&QWidget::update));
}

void HistoryChartView::showData(std::shared_ptr<const ChartData> data, const AxisTicks& values) {
    // The match the cursor stood at, unless it stood at the last.
    const bool kept = cursorPlaced_ && data_ != nullptr && cursor_ + 1 < data_->matches.size();
    const std::int32_t match = kept ? data_->matches[cursor_] : 0;
    data_ = std::move(data);
    const std::vector<std::int32_t>& matches = data_->matches;
    if (matches.empty()) {
        cursorPlaced_ = false;
        cursorMoved_ = false;
    } else if (kept) {
        const auto at = std::lower_bound(matches.begin(), matches.end(), match);
        cursor_ = std::min(static_cast<std::size_t>(at - matches.begin()), matches.size() - 1);
    } else {
        cursor_ = matches.size() - 1;
    }
    // A chart that had the focus before it had matches shows its cursor as
    // soon as it has them, as one given the focus then would.
    if (!matches.empty() && hasFocus()) cursorPlaced_ = true;
    plannedValues_ = values;
    fitValueTicks();
    fitLegend();
    tell();
    viewport()->update();
}

bool HistoryChartView::cursorShown() const {
    return cursorPlaced_ && hasFocus() && data_ != nullptr && !data_->matches.empty();
}

QStringList HistoryChartView::cursorLines() const {
    if (!cursorShown()) return {};
    const ChartData& data = *data_;
    const std::int32_t match = data.matches[cursor_];
    const QString matchText = data.numbers.toString(match);
    QStringList lines;
    if (const ChartStretch* stretch = stretchOf(data.stretches, match)) {
        //: The match at a chart's cursor: %1 the match, %2 the level it was played at.
        lines << CursorTexts::tr("Match %1, %2").arg(matchText, stretch->name);
    } else {
        //: The match at a chart's cursor: %1 the match.
        lines << CursorTexts::tr("Match %1").arg(matchText);
    }
    for (const ChartMarkers& markers : data.markers) {
        if (std::binary_search(markers.matches.begin(), markers.matches.end(), match)) {
            lines << CursorTexts::tr("%1 before match %2").arg(markers.name, matchText);
        }
    }
    for (const ChartLine& line : data.lines) {
        if (cursor_ >= line.values.size()) continue;
        //: A figure at a chart's cursor: %1 the line's name, %2 its value.
        lines << CursorTexts::tr("%1: %2").arg(line.name,
                                               figureText(data.numbers, line.values[cursor_]));
    }
    // A chart of noughts says so at every match.
    if (data.lines.empty() && !data.title.isEmpty()) lines << data.title;
    return lines;
}

std::size_t HistoryChartView::pageStep() const {
    // A block as a long career is drawn by, or ten matches.
    const std::size_t count = data_ == nullptr ? 0 : data_->matches.size();
    if (count <= static_cast<std::size_t>(matchesShownOneByOne)) return 10;
    return (count + blocksShown - 1) / blocksShown;
}

void HistoryChartView::moveCursorTo(std::size_t place) {
    cursor_ = std::min(place, data_->matches.size() - 1);
    cursorPlaced_ = true;
    cursorMoved_ = true;
    tell();
    viewport()->update();
}

void HistoryChartView::tell() {
    if (data_ == nullptr) return;
    QString told = data_->spoken;
    if (cursorMoved_ && cursorShown()) {
        const QStringList lines = cursorLines();
        told = lines.front();
        for (qsizetype i = 1; i < lines.size(); ++i) {
            //: Joins what a chart's cursor tells a screen reader, one figure after another:
            //: "Match 12, Club; Runs: 45".
            told = CursorTexts::tr("%1; %2").arg(told, lines[i]);
        }
    }
    if (accessibleDescription() != told) setAccessibleDescription(told);
}

void HistoryChartView::keyPressEvent(QKeyEvent* event) {
    if (data_ == nullptr || data_->matches.empty()) {
        QChartView::keyPressEvent(event);
        return;
    }
    const std::size_t last = data_->matches.size() - 1;
    const std::size_t page = pageStep();
    switch (event->key()) {
        case Qt::Key_Left:
            moveCursorTo(cursor_ > 0 ? cursor_ - 1 : 0);
            break;
        case Qt::Key_Right:
            moveCursorTo(cursor_ + 1);
            break;
        case Qt::Key_PageUp:
            moveCursorTo(cursor_ > page ? cursor_ - page : 0);
            break;
        case Qt::Key_PageDown:
            moveCursorTo(std::min(last, cursor_ + page));
            break;
        case Qt::Key_Home:
            moveCursorTo(0);
            break;
        case Qt::Key_End:
            moveCursorTo(last);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (cursorShown()) emit matchPicked(data_->matches[cursor_]);
            break;
        default:
            QChartView::keyPressEvent(event);
            return;
    }
    event->accept();
}

void HistoryChartView::mousePressEvent(QMouseEvent* event) {
    QChartView::mousePressEvent(event);
    if (data_ == nullptr || data_->matches.empty()) return;
    const QValueAxis* x = axis(Qt::Horizontal);
    const QRectF plot = plotArea();
    const QPointF at = mapToScene(event->position().toPoint());
    if (x == nullptr || !plot.contains(at)) return;
    // The cursor goes to the match nearest the click.
    const double match = x->min() + (at.x() - plot.left()) / plot.width() * (x->max() - x->min());
    const std::vector<std::int32_t>& matches = data_->matches;
    auto after = std::lower_bound(matches.begin(), matches.end(), match);
    if (after == matches.end() ||
        (after != matches.begin() && match - *(after - 1) < *after - match)) {
        --after;
    }
    moveCursorTo(static_cast<std::size_t>(after - matches.begin()));
    // And picks it, as Enter does: the window finds it in its table.
    emit matchPicked(*after);
}

void HistoryChartView::focusInEvent(QFocusEvent* event) {
    QChartView::focusInEvent(event);
    // The cursor shows at once, at the newest match the first time; the
    // chart's description is read first, the cursor's figures once it moves.
    if (data_ != nullptr && !data_->matches.empty()) cursorPlaced_ = true;
    cursorMoved_ = false;
    tell();
    viewport()->update();
}

void HistoryChartView::focusOutEvent(QFocusEvent* event) {
    QChartView::focusOutEvent(event);
    cursorMoved_ = false;
    tell();
    viewport()->update();
}

void HistoryChartView::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    fitValueTicks();
    fitLegend();
}

void HistoryChartView::fitValueTicks() {
    QValueAxis* values = axis(Qt::Vertical);
    if (values == nullptr) return;
    // Qt Charts cuts a figure of a vertical axis to "..." once its line is
    // taller than its share of the axis: a chart made short (by a script's
    // tall lines above it, say) is ticked more sparsely, until every figure
    // shows whole.
    for (int most = tickCount(plannedValues_);; --most) {
        setTicks(values, atMost(plannedValues_, most));
        chart()->layout()->activate();
        if (most <= 2 || !valueFigureCut()) break;
    }
}

bool HistoryChartView::valueFigureCut() const {
    const QRectF plot = plotArea();
    const QList<QGraphicsItem*> items = scene()->items();
    return std::any_of(items.begin(), items.end(), [&](const QGraphicsItem* item) {
        const auto* text = dynamic_cast<const QGraphicsTextItem*>(item);
        // The value axis's figures stand upright left of the plot; its
        // title is turned on its side.
        if (text == nullptr || !text->isVisible() || text->rotation() != 0) return false;
        const QRectF place = text->sceneBoundingRect();
        return place.right() <= plot.left() + 1 &&
               text->toPlainText().endsWith(QStringLiteral("..."));
    });
}

void HistoryChartView::fitLegend() {
    QLegend* legend = chart()->legend();
    // Names wrapped to a share of the chart's width, so that the legend down
    // its right side leaves the lines their room.
    const int width =
        std::clamp(static_cast<int>(this->width() * legendShare), legendNarrowest, legendWidest);
    const auto named = [](const auto& items, const QString& name) {
        return std::any_of(items.begin(), items.end(),
                           [&](const auto& item) { return item.name == name; });
    };
    // The chart fills the view, as soon as the view is shown.
    const double room = height() - chart()->margins().top() - chart()->margins().bottom();
    // A legend taller than the chart first leaves the floors to be named on
    // their lines, then is written smaller, and at the last sets its names
    // in columns, rather than be cut.
    QFont font = look_.labels;
    floorsNamedOnLines_ = false;
    std::vector<QSizeF> names;
    for (;;) {
        if (legend->font() != font) legend->setFont(font);
        const QFontMetrics metrics(font);
        double height = legendPadding;
        names.clear();
        const QList<QLegendMarker*> markers = legend->markers();
        for (QLegendMarker* marker : markers) {
            const QString name = marker->series()->name();
            // A long career's bands are named by their lines alone, but Qt
            // Charts makes room for their names all the same.
            if (marker->series()->type() == QAbstractSeries::SeriesTypeArea) {
                const QString label = wrappedLabel(name, font, width);
                if (marker->label() != label) marker->setLabel(label);
                continue;
            }
            const bool shown =
                data_ == nullptr || !(floorsNamedOnLines_ && named(data_->floors, name));
            marker->setVisible(shown);
            const QString label = wrappedLabel(name, font, width);
            if (marker->label() != label) marker->setLabel(label);
            if (shown) {
                // Qt Charts sets each name a few pixels apart, laid out as
                // a text document: a line as tall as the tallest font it
                // draws from (a script's own, taller than the font's own
                // spacing says).
                const QStringList lines = label.split(QStringLiteral("<br>"));
                double widest = 0;
                for (const QString& line : lines) {
                    QTextDocument plain;
                    plain.setHtml(line);
                    widest =
                        std::max<double>(widest, metrics.horizontalAdvance(plain.toPlainText()));
                }
                const double tall = std::max<double>(lines.size() * metrics.lineSpacing(),
                                                     laidOutHeight(label, font)) +
                                    legendEntrySpacing;
                names.emplace_back(widest, tall);
                height += tall;
            }
        }
        legend->layout()->invalidate();
        if (height <= room || data_ == nullptr) break;
        if (!floorsNamedOnLines_ && !data_->floors.empty()) {
            floorsNamedOnLines_ = true;
        } else if (font.pixelSize() > smallestLegendPixels) {
            font.setPixelSize(font.pixelSize() - 1);
        } else {
            break;
        }
    }
    placeLegend(names, room, QFontMetrics(font).lineSpacing());
}

void HistoryChartView::placeLegend(const std::vector<QSizeF>& names, double room, int line) {
    QLegend* legend = chart()->legend();
    // The names fill a column down the chart's right side, then the next to
    // its left, as Qt Charts lays out a legend it does not place itself.
    std::vector<double> columnWidths{0};
    double down = legendPadding;
    for (const QSizeF& name : names) {
        if (down + name.height() > room && down > legendPadding) {
            columnWidths.push_back(0);
            down = legendPadding;
        }
        down += name.height();
        columnWidths.back() = std::max(columnWidths.back(), name.width());
    }
    if (columnWidths.size() <= 1) {
        if (!legend->isAttachedToChart()) {
            legend->attachToChart();
            chart()->setMargins(margins_);
        }
        return;
    }
    // Each column as wide as its widest name, its marker and Qt Charts'
    // spacing around them.
    double legendWidth = 0;
    for (const double widest : columnWidths) legendWidth += widest + 2 * line + legendPadding;
    QMargins margins = margins_;
    margins.setRight(margins_.right() + static_cast<int>(std::ceil(legendWidth)));
    if (legend->isAttachedToChart()) legend->detachFromChart();
    chart()->setMargins(margins);
    legend->setGeometry(
        QRectF(chart()->size().width() - margins.right(), margins_.top(), legendWidth, room));
}

QValueAxis* HistoryChartView::axis(Qt::Orientation orientation) const {
    const QList<QAbstractAxis*> axes = chart()->axes(orientation);
    return axes.size() == 1 ? qobject_cast<QValueAxis*>(axes.front()) : nullptr;
}

QRectF HistoryChartView::plotArea() const {
    return chart()->mapRectToScene(chart()->plotArea());
}

double HistoryChartView::xOf(double match) const {
    const QValueAxis* x = axis(Qt::Horizontal);
    const QRectF plot = plotArea();
    const double span = x->max() - x->min();
    return plot.left() + (match - x->min()) / (span > 0 ? span : 1) * plot.width();
}

double HistoryChartView::yOf(double value) const {
    const QValueAxis* y = axis(Qt::Vertical);
    const QRectF plot = plotArea();
    const double span = y->max() - y->min();
    return plot.bottom() - (value - y->min()) / (span > 0 ? span : 1) * plot.height();
}

void HistoryChartView::drawBackground(QPainter* painter, const QRectF& rect) {
    QChartView::drawBackground(painter, rect);
    if (data_ == nullptr || axis(Qt::Horizontal) == nullptr) return;
    const QRectF plot = plotArea();
    painter->save();
    painter->setClipRect(plot);
    painter->setPen(Qt::NoPen);
    // A stretch runs from half a match before its first to half a match
    // after its last, so that neighbours meet.
    for (const ChartStretch& stretch : data_->stretches) {
        const double left = xOf(stretch.firstMatch - 0.5);
        const double right = xOf(stretch.lastMatch + 0.5);
        if (right < plot.left() || left > plot.right()) continue;
        painter->fillRect(QRectF(left, plot.top(), right - left, plot.height()), stretch.colour);
    }
    // Each stretch named at its top where the name fits, clear of the
    // markers at its edges.
    painter->setFont(look_.labels);
    const QFontMetrics metrics(look_.labels);
    QColor name = look_.text;
    name.setAlpha(200);
    painter->setPen(name);
    for (const ChartStretch& stretch : data_->stretches) {
        const double left = std::max(plot.left(), xOf(stretch.firstMatch - 0.5));
        const double right = std::min(plot.right(), xOf(stretch.lastMatch + 0.5));
        if (right - left < metrics.horizontalAdvance(stretch.name) + 2 * gap) continue;
        painter->drawText(QRectF(left, plot.top() + 2, right - left, metrics.height()),
                          Qt::AlignHCenter | Qt::AlignTop, stretch.name);
    }
    painter->restore();
}

int HistoryChartView::linesThrough(const QRectF& box) const {
    const QValueAxis* x = axis(Qt::Horizontal);
    const QRectF plot = plotArea();
    const double perPixel = (x->max() - x->min()) / std::max(1.0, plot.width());
    // The matches drawn across the box, and one either side, whose segments
    // reach into it.
    const double first = x->min() + (box.left() - plot.left()) * perPixel;
    const double last = x->min() + (box.right() - plot.left()) * perPixel;
    const std::vector<std::int32_t>& matches = data_->matches;
    auto from = std::lower_bound(matches.begin(), matches.end(), first);
    auto to = std::upper_bound(matches.begin(), matches.end(), last);
    if (from != matches.begin()) --from;
    if (to != matches.end()) ++to;
    const auto begin = static_cast<std::size_t>(from - matches.begin());
    const auto end = static_cast<std::size_t>(to - matches.begin());
    int through = 0;
    for (const ChartLine& line : data_->lines) {
        double highest = plot.bottom();
        double lowest = plot.top();
        for (std::size_t i = begin; i < end && i < line.values.size(); ++i) {
            const double y = yOf(line.values[i]);
            highest = std::min(highest, y);
            lowest = std::max(lowest, y);
        }
        if (highest <= box.bottom() && lowest >= box.top()) ++through;
    }
    return through;
}

void HistoryChartView::drawFloorNames(QPainter* painter, const QRectF& plot) const {
    painter->setFont(look_.labels);
    const QFontMetrics metrics(look_.labels);
    const double height = metrics.height();
    QColor backing = look_.background;
    backing.setAlpha(200);
    // Each name beside its floor, above it or below it, clear of the
    // stretches' names at the top and of one another, at the first place
    // from the right end where no line runs through it; where the lines
    // leave no such place, where the fewest run through it.
    const double highest = plot.top() + height + 2;
    QList<QRectF> taken;
    for (const ChartFloor& floor : data_->floors) {
        const double y = yOf(floor.value);
        if (y < plot.top() - 1 || y > plot.bottom() + 1) continue;
        const double width = metrics.horizontalAdvance(floor.name) + gap;
        const auto free = [&](const QRectF& box) {
            return box.top() >= highest && box.bottom() <= plot.bottom() &&
                   std::none_of(taken.begin(), taken.end(),
                                [&](const QRectF& other) { return other.intersects(box); });
        };
        std::optional<QRectF> place;
        int fewest = 0;
        for (double right = plot.right() - gap; fewest > 0 || !place; right -= width / 2) {
            if (right - width < plot.left()) break;
            for (const double top : {y - height - 1, y + 1}) {
                const QRectF box(right - width, top, width, height);
                if (!free(box)) continue;
                const int through = linesThrough(box);
                if (!place || through < fewest) {
                    place = box;
                    fewest = through;
                }
                if (fewest == 0) break;
            }
        }
        if (!place) {
            const double top =
                std::max(y - height - 1 >= plot.top() ? y - height - 1 : y + 1, highest);
            QRectF box(plot.right() - gap - width, top, width, height);
            while (std::any_of(taken.begin(), taken.end(),
                               [&](const QRectF& other) { return other.intersects(box); })) {
                box.moveTop(box.top() + height + 1);
            }
            place = box;
        }
        taken << *place;
        painter->fillRect(*place, backing);
        painter->setPen(floor.colour);
        painter->drawText(*place, Qt::AlignCenter, floor.name);
    }
}

void HistoryChartView::drawForeground(QPainter* painter, const QRectF& rect) {
    QChartView::drawForeground(painter, rect);
    if (data_ == nullptr || axis(Qt::Horizontal) == nullptr || axis(Qt::Vertical) == nullptr) {
        return;
    }
    const QRectF plot = plotArea();
    if (floorsNamedOnLines_) {
        painter->save();
        drawFloorNames(painter, plot);
        painter->restore();
    }
    if (!cursorShown()) return;
    const double x = std::clamp(xOf(data_->matches[cursor_]), plot.left(), plot.right());
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(look_.title, 1, Qt::DashLine));
    painter->drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    // Each line's point at the match, ringed in the background's colour.
    painter->setClipRect(plot.adjusted(-5, -5, 5, 5));
    for (const ChartLine& line : data_->lines) {
        if (cursor_ >= line.values.size()) continue;
        painter->setPen(QPen(look_.background, 1.5));
        painter->setBrush(line.colour);
        painter->drawEllipse(QPointF(x, yOf(line.values[cursor_])), 4, 4);
    }
    painter->setClipping(false);
    drawCursorLabel(painter, x, plot);
    painter->restore();
}

void HistoryChartView::drawCursorLabel(QPainter* painter, double x, const QRectF& plot) const {
    const QStringList lines = cursorLines();
    const QFontMetrics metrics(look_.labels);
    double width = 0;
    for (const QString& line : lines) {
        width = std::max(width, static_cast<double>(metrics.horizontalAdvance(line)));
    }
    const QSizeF size(width + 2 * gap, lines.size() * metrics.height() + gap);
    // Beside the cursor, on the side with room, below the stretches' names
    // where the chart is tall enough.
    const double left = x + gap + size.width() <= plot.right() ? x + gap : x - gap - size.width();
    const double below = plot.top() + metrics.height() + gap;
    const double top = below + size.height() <= plot.bottom()
                           ? below
                           : std::max(plot.top(), plot.bottom() - size.height());
    const QRectF box(QPointF(std::max(plot.left(), left), top), size);
    QColor fill = look_.background;
    fill.setAlpha(230);
    painter->setPen(QPen(look_.text, 1));
    painter->setBrush(fill);
    painter->drawRect(box);
    painter->setFont(look_.labels);
    double y = box.top() + gap / 2;
    for (const QString& line : lines) {
        // A line of a right-to-left language reads from the box's right edge.
        const Qt::Alignment side = line.isRightToLeft() ? Qt::AlignRight : Qt::AlignLeft;
        painter->drawText(QRectF(box.left() + gap, y, width, metrics.height()),
                          side | Qt::AlignAbsolute | Qt::AlignVCenter, line);
        y += metrics.height();
    }
}
