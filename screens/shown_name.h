// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QAbstractItemView;

// A name a player typed or a file was given, as a table shows it: isolated
// from the text around it (U+2068 ... U+2069), so that right-to-left
// overrides in it reorder nothing beyond it, and cut short with an ellipsis
// past a length no real name reaches, so that it never pushes the other
// columns out of sight. What a screen reader hears and what the table sorts
// and filters by stay the name itself.
QString shownName(const QString& name);

// Shows the column's names so in the view, whose model keeps them whole.
void showNamesInColumn(QAbstractItemView* view, int column);
