// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/pair_rows.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <algorithm>

#include "screens/look.h"

PairRows::PairRows(QWidget* frame, std::vector<int> pairsPerRow)
    : QObject(frame),
      grid_(new QGridLayout(frame)),
      frame_(frame),
      counts_(std::move(pairsPerRow)),
      perRow_(counts_.front()) {
    const int titleHeight = QFontMetrics(look::font(true)).height();
    grid_->setContentsMargins(10, titleHeight + 2, 10, 6);
    grid_->setHorizontalSpacing(8);
    grid_->setVerticalSpacing(2);
    frame_->installEventFilter(this);
}

void PairRows::add(QLabel* caption, QWidget* value, bool across) {
    look::labelWith(caption, value);
    (across ? across_ : pairs_).emplace_back(caption, value);
    arrange(perRow_);
}

QLabel* PairRows::captionFor(const QString& objectName, const QString& caption) const {
    return look::caption(frame_, QStringLiteral("caption_") + objectName, caption, look::silver,
                         QRect());
}

QLabel* PairRows::addValue(const QString& objectName, const QString& caption, bool across) {
    // The caption made first, so that a screen reader meets it first.
    QLabel* captionLabel = captionFor(objectName, caption);
    QLabel* value = look::value(frame_, objectName, caption, look::lightYellow, QRect());
    add(captionLabel, value, across);
    return value;
}

void PairRows::addBelow(QWidget* widget) {
    below_.push_back(widget);
    arrange(perRow_);
}

int PairRows::widthFor(int perRow) const {
    // Each column as wide as its widest caption or value, as the grid makes
    // it; a value across a row, and a widget below the pairs, as wide as
    // they ask beside that.
    std::vector<int> columns(2 * perRow, 0);
    for (std::size_t at = 0; at < pairs_.size(); ++at) {
        const std::size_t column = 2 * (at % perRow);
        columns[column] = std::max(columns[column], pairs_[at].first->minimumSizeHint().width());
        columns[column + 1] =
            std::max(columns[column + 1], pairs_[at].second->minimumSizeHint().width());
    }
    int across = 0;
    for (const auto& [caption, value] : across_) {
        columns[0] = std::max(columns[0], caption->minimumSizeHint().width());
        across = std::max(across, value->minimumSizeHint().width());
    }
    int width = (2 * perRow - 1) * grid_->horizontalSpacing();
    for (int column : columns) width += column;
    width = std::max(width, columns[0] + grid_->horizontalSpacing() + across);
    for (const QWidget* widget : below_) width = std::max(width, widget->minimumSizeHint().width());
    const QMargins margins = grid_->contentsMargins();
    return width + margins.left() + margins.right();
}

int PairRows::widestWidth() const {
    return widthFor(counts_.front());
}

void PairRows::fitTo(int width) {
    frame_->setMinimumWidth(widthFor(counts_.back()));
    int chosen = counts_.back();
    for (int count : counts_) {
        if (widthFor(count) <= width) {
            chosen = count;
            break;
        }
    }
    if (chosen != perRow_) arrange(chosen);
}

void PairRows::refit() {
    fitTo(frame_->width());
}

void PairRows::arrange(int perRow) {
    for (int column = 0; column < grid_->columnCount(); ++column)
        grid_->setColumnStretch(column, 0);
    for (const auto& rows : {pairs_, across_}) {
        for (const auto& [caption, value] : rows) {
            grid_->removeWidget(caption);
            grid_->removeWidget(value);
        }
    }
    for (QWidget* widget : below_) grid_->removeWidget(widget);

    perRow_ = perRow;
    const int count = static_cast<int>(pairs_.size());
    for (int at = 0; at < count; ++at) {
        grid_->addWidget(pairs_[at].first, at / perRow, 2 * (at % perRow));
        grid_->addWidget(pairs_[at].second, at / perRow, 2 * (at % perRow) + 1);
    }
    int row = (count + perRow - 1) / perRow;
    for (const auto& [caption, value] : across_) {
        grid_->addWidget(caption, row, 0);
        grid_->addWidget(value, row++, 1, 1, 2 * perRow - 1);
    }
    for (QWidget* widget : below_) grid_->addWidget(widget, row++, 0, 1, 2 * perRow);
    // The values take the room to spare; the captions keep to their text.
    for (int column = 1; column < 2 * perRow; column += 2) grid_->setColumnStretch(column, 1);
    frame_->updateGeometry();
}

bool PairRows::eventFilter(QObject* watched, QEvent* event) {
    if (watched == frame_ && event->type() == QEvent::Resize) refit();
    return QObject::eventFilter(watched, event);
}
