// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/history/frozen_column_table.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>

FrozenColumnTable::FrozenColumnTable(QWidget* parent)
    : QTableView(parent), frozen_(new QTableView(this)) {
    frozen_->setObjectName(QStringLiteral("frozenColumn"));
    frozen_->setFocusPolicy(Qt::NoFocus);
    frozen_->verticalHeader()->hide();
    frozen_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    frozen_->horizontalHeader()->setSortIndicatorShown(true);
    frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setFrameShape(QFrame::NoFrame);
    viewport()->stackUnder(frozen_);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, frozen_->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(frozen_->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int size) {
                if (section != 0) return;
                frozen_->setColumnWidth(0, size);
                placeFrozen();
            });
    connect(horizontalHeader(), &QHeaderView::sortIndicatorChanged, frozen_->horizontalHeader(),
            &QHeaderView::setSortIndicator);
    // The first column's heading sorts as the one it covers does.
    connect(frozen_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        const bool again = horizontalHeader()->sortIndicatorSection() == section;
        const Qt::SortOrder order = horizontalHeader()->sortIndicatorOrder();
        sortByColumn(section, again && order == Qt::AscendingOrder ? Qt::DescendingOrder
                                                                   : Qt::AscendingOrder);
    });
}

void FrozenColumnTable::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    frozen_->setModel(model);
    frozen_->setSelectionModel(selectionModel());
    frozen_->setPalette(palette());
    frozen_->setFont(font());
    frozen_->horizontalHeader()->setFont(horizontalHeader()->font());
    frozen_->horizontalHeader()->setDefaultAlignment(horizontalHeader()->defaultAlignment());
    frozen_->horizontalHeader()->setHighlightSections(false);
    frozen_->horizontalHeader()->setSortIndicator(horizontalHeader()->sortIndicatorSection(),
                                                  horizontalHeader()->sortIndicatorOrder());
    frozen_->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    frozen_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    frozen_->setAlternatingRowColors(alternatingRowColors());
    frozen_->setSelectionBehavior(selectionBehavior());
    for (int column = 1; column < model->columnCount(); ++column)
        frozen_->setColumnHidden(column, true);
    frozen_->setColumnWidth(0, columnWidth(0));
    placeFrozen();
}

void FrozenColumnTable::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    placeFrozen();
}

void FrozenColumnTable::placeFrozen() {
    frozen_->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    frozen_->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
    // Over the first column, beside the row headings: right to left, both
    // stand at the right.
    const QRect overFirst(verticalHeader()->width() + frameWidth(), frameWidth(), columnWidth(0),
                          viewport()->height() + horizontalHeader()->height());
    frozen_->setGeometry(QStyle::visualRect(layoutDirection(), rect(), overFirst));
    frozen_->show();
}

// A cell moved to from the keyboard is not left hidden under the first column,
// which stands at the left, or right to left at the right.
QModelIndex FrozenColumnTable::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = QTableView::moveCursor(action, modifiers);
    const CursorAction towardFirst = isRightToLeft() ? MoveRight : MoveLeft;
    if (action != towardFirst || current.column() == 0) return current;
    const QRect cell = visualRect(current);
    const int firstWidth = frozen_->columnWidth(0);
    const int under = isRightToLeft() ? cell.right() + 1 - (viewport()->width() - firstWidth)
                                      : firstWidth - cell.left();
    if (under > 0) horizontalScrollBar()->setValue(horizontalScrollBar()->value() - under);
    return current;
}

// A row brought into sight by its first cell keeps the columns in view: the
// first is always in view. A row just added is laid out first, in both
// views: a view lays out new rows later, and until then its scroll bar ends
// a row short (the column's, which the table's follows, too).
void FrozenColumnTable::scrollTo(const QModelIndex& index, ScrollHint hint) {
    executeDelayedItemsLayout();
    frozen_->doItemsLayout();
    const int across = horizontalScrollBar()->value();
    QTableView::scrollTo(index, hint);
    if (index.column() == 0) horizontalScrollBar()->setValue(across);
}
