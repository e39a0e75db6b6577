// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/pair_layout.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <algorithm>

#include "screens/look.h"

namespace {

constexpr int columnGap = 8;
constexpr int rowGap = 2;

// The least width an item takes as the grid counts it.
int leastWidth(const QLayoutItem* item) {
    if (item == nullptr) return 0;
    if (const QWidget* widget = item->widget()) return widget->minimumSizeHint().width();
    return item->minimumSize().width();
}

}  // namespace

PairLayout::PairLayout(QWidget* frame, std::vector<int> pairsPerRow)
    : QLayout(frame), counts_(std::move(pairsPerRow)) {
    const int titleHeight = QFontMetrics(look::font(true)).height();
    setContentsMargins(10, titleHeight + 2, 10, 6);
    arrange();
}

PairLayout::~PairLayout() {
    for (QLayoutItem* item : items()) delete item;
}

void PairLayout::addPair(QLabel* caption, QWidget* value, bool across) {
    look::labelWith(caption, value);
    addChildWidget(caption);
    addChildWidget(value);
    pairs_.push_back({new QWidgetItem(caption), new QWidgetItem(value), across});
    arrange();
}

QLabel* PairLayout::captionFor(const QString& objectName, const QString& caption) const {
    return look::caption(parentWidget(), QStringLiteral("caption_") + objectName, caption,
                         look::silver, QRect());
}

QLabel* PairLayout::addValue(const QString& objectName, const QString& caption, bool across) {
    // The caption made first, so that a screen reader meets it first.
    QLabel* captionLabel = captionFor(objectName, caption);
    QLabel* value = look::value(parentWidget(), objectName, caption, look::lightYellow, QRect());
    addPair(captionLabel, value, across);
    return value;
}

int PairLayout::widestWidth() const {
    return widthFor(counts_.front());
}

void PairLayout::addItem(QLayoutItem* item) {
    below_.push_back(item);
    arrange();
}

std::vector<QLayoutItem*> PairLayout::items() const {
    std::vector<QLayoutItem*> all;
    for (const Pair& pair : pairs_) {
        for (QLayoutItem* item : {pair.caption, pair.value})
            if (item != nullptr) all.push_back(item);
    }
    all.insert(all.end(), below_.begin(), below_.end());
    return all;
}

int PairLayout::count() const {
    return static_cast<int>(items().size());
}

QLayoutItem* PairLayout::itemAt(int index) const {
    const std::vector<QLayoutItem*> all = items();
    return index >= 0 && index < static_cast<int>(all.size()) ? all[index] : nullptr;
}

QLayoutItem* PairLayout::takeAt(int index) {
    QLayoutItem* taken = itemAt(index);
    if (taken == nullptr) return nullptr;
    // A pair whose widgets are both gone goes; one that keeps one keeps its
    // place.
    for (Pair& pair : pairs_) {
        if (pair.caption == taken) pair.caption = nullptr;
        if (pair.value == taken) pair.value = nullptr;
    }
    std::erase_if(pairs_, [](const Pair& pair) { return !pair.caption && !pair.value; });
    std::erase(below_, taken);
    arrange();
    return taken;
}

Qt::Orientations PairLayout::expandingDirections() const {
    return grid(shown_)->expandingDirections();
}

bool PairLayout::hasHeightForWidth() const {
    return true;
}

int PairLayout::heightForWidth(int width) const {
    const QGridLayout* pairs = grid(arrangementFor(width));
    const QMargins margins = contentsMargins();
    const int height = pairs->hasHeightForWidth()
                           ? pairs->heightForWidth(width - margins.left() - margins.right())
                           : pairs->sizeHint().height();
    return height + margins.top() + margins.bottom();
}

int PairLayout::minimumHeightForWidth(int width) const {
    const QGridLayout* pairs = grid(arrangementFor(width));
    const QMargins margins = contentsMargins();
    const int height = pairs->hasHeightForWidth()
                           ? pairs->minimumHeightForWidth(width - margins.left() - margins.right())
                           : pairs->minimumSize().height();
    return height + margins.top() + margins.bottom();
}

QSize PairLayout::sizeHint() const {
    return grid(shown_)->sizeHint().grownBy(contentsMargins()).expandedTo(minimumSize());
}

QSize PairLayout::minimumSize() const {
    const QMargins margins = contentsMargins();
    return {widthFor(counts_.back()),
            grid(shown_)->minimumSize().height() + margins.top() + margins.bottom()};
}

void PairLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    const std::size_t arrangement = arrangementFor(rect.width());
    const bool rearranged = arrangement != shown_;
    shown_ = arrangement;
    QGridLayout* pairs = grids_[arrangement];
    // Another arrangement placed the widgets last: this one places them
    // afresh, even where it stands as it stood then.
    if (rearranged) pairs->invalidate();
    pairs->setGeometry(contentsRect());
    // The frame's sizes, as the layout around it sees them, are those of the
    // rows it shows now.
    if (rearranged && parentWidget() != nullptr) parentWidget()->updateGeometry();
}

void PairLayout::invalidate() {
    for (QGridLayout* pairs : grids_) pairs->invalidate();
    QLayout::invalidate();
    // A figure's new width may take the pairs into other rows: the frame's
    // sizes, as the layout around it measures them, are stale from now, not
    // from when this layout is next laid out, so that a window measuring its
    // panels just after showing new figures measures them as they stand.
    if (QWidget* frame = parentWidget()) frame->updateGeometry();
}

int PairLayout::widthFor(int perRow) const {
    // A value across a row, and a widget below the pairs, as wide as they
    // ask beside the columns.
    std::vector<int> columns(2 * perRow, 0);
    int across = 0;
    int inRow = 0;
    for (const Pair& pair : pairs_) {
        if (pair.across) {
            columns[0] = std::max(columns[0], leastWidth(pair.caption));
            across = std::max(across, leastWidth(pair.value));
            continue;
        }
        const std::size_t column = 2 * (inRow++ % perRow);
        columns[column] = std::max(columns[column], leastWidth(pair.caption));
        columns[column + 1] = std::max(columns[column + 1], leastWidth(pair.value));
    }
    int width = (2 * perRow - 1) * columnGap;
    for (int column : columns) width += column;
    width = std::max(width, columns[0] + columnGap + across);
    for (const QLayoutItem* item : below_) width = std::max(width, leastWidth(item));
    const QMargins margins = contentsMargins();
    return width + margins.left() + margins.right();
}

std::size_t PairLayout::arrangementFor(int width) const {
    for (std::size_t arrangement = 0; arrangement < counts_.size(); ++arrangement) {
        if (widthFor(counts_[arrangement]) <= width) return arrangement;
    }
    return counts_.size() - 1;
}

void PairLayout::arrange() {
    for (QGridLayout* pairs : grids_) delete pairs;
    grids_.clear();
    for (int perRow : counts_) {
        auto* pairs = new QGridLayout;
        addChildLayout(pairs);
        pairs->setContentsMargins(0, 0, 0, 0);
        pairs->setHorizontalSpacing(columnGap);
        pairs->setVerticalSpacing(rowGap);
        const auto place = [pairs](const QLayoutItem* item, int row, int column, int columns) {
            if (item != nullptr && item->widget() != nullptr)
                pairs->addItem(new QWidgetItem(item->widget()), row, column, 1, columns);
        };
        int inRow = 0;
        for (const Pair& pair : pairs_) {
            if (pair.across) continue;
            place(pair.caption, inRow / perRow, 2 * (inRow % perRow), 1);
            place(pair.value, inRow / perRow, 2 * (inRow % perRow) + 1, 1);
            ++inRow;
        }
        int row = (inRow + perRow - 1) / perRow;
        for (const Pair& pair : pairs_) {
            if (!pair.across) continue;
            place(pair.caption, row, 0, 1);
            place(pair.value, row++, 1, 2 * perRow - 1);
        }
        for (const QLayoutItem* item : below_) place(item, row++, 0, 2 * perRow);
        // The values take the room to spare; the captions keep to their text.
        for (int column = 1; column < 2 * perRow; column += 2) pairs->setColumnStretch(column, 1);
        grids_.push_back(pairs);
    }
    invalidate();
}
