// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/row_table.h"

#include <QHeaderView>
#include <QTableView>

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
