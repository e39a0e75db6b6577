// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QTableView;

// A read-only table of whole rows, sortable by its headings, that the
// keyboard moves through row by row, named for screen readers.
void setUpRowTable(QTableView* table, const QString& accessibleName);

// Makes every column as wide as its contents and heading, the last one
// wider where the table has room to spare.
void fitColumnsToContents(QTableView* table);

// The width the table takes to show every column whole, as wide as its
// contents and heading ask, with room for a scroll bar beside the rows.
int wholeTableWidth(const QTableView* table);
