// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QTableView;

// A read-only table of whole rows, sortable by its headings, that the
// keyboard moves through row by row, named for screen readers.
void setUpRowTable(QTableView* table, const QString& accessibleName);
