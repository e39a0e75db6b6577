// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QTableView;
class QWidget;

// The game's look for a view the style draws: light-yellow text on navy,
// rows in two shades of it, silver headings, a blue selection.
void darkenView(QWidget* widget);

// A read-only table of whole rows, sortable by its headings, that the
// keyboard moves through row by row, named for screen readers.
void setUpRowTable(QTableView* table, const QString& accessibleName);
