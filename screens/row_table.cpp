// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/row_table.h"

#include <QHeaderView>
#include <QStyle>
#include <QTableView>
#include <algorithm>

#include "screens/look.h"

void setUpRowTable(QTableView* table, const QString& accessibleName) {
    look::darken(table);
    table->setFont(look::font(false));
    table->horizontalHeader()->setFont(look::font(true));
    table->setAccessibleName(accessibleName);
    table->setAlternatingRowColors(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setWordWrap(false);
}

int wholeTableWidth(const QTableView* table) {
    const QHeaderView* heading = table->horizontalHeader();
    // Through the base class, where the measure is public.
    const QAbstractItemView* view = table;
    int width = 2 * table->frameWidth() +
                table->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table);
    if (!table->verticalHeader()->isHidden()) width += table->verticalHeader()->sizeHint().width();
    for (int column = 0; column < heading->count(); ++column) {
        if (heading->isSectionHidden(column)) continue;
        width += std::max(view->sizeHintForColumn(column), heading->sectionSizeHint(column));
    }
    return width;
}

void fitColumnsToContents(QTableView* table) {
    QHeaderView* heading = table->horizontalHeader();
    // The last column takes the room left, but never less than the width it
    // had when it was made to: its contents', not a new column's.
    heading->setStretchLastSection(false);
    table->resizeColumnsToContents();
    heading->setStretchLastSection(true);
}
