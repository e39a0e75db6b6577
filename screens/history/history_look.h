// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLabel;
class QTableView;
class QWidget;
class TitledFrame;

// The History window's look, shared by its parts: titled frames with a grid
// of captions and values, and tables in the game's navy.
namespace historyLook {

TitledFrame* titledFrame(const QString& objectName, const QString& title, QWidget* parent);

// Shows the text in a value label, as its accessible name too.
void showValue(QLabel* label, const QString& text);

// A table view in the window's look, one row per line of text.
void setUpTable(QTableView* view, const QString& objectName, const QString& name,
                const QString& description);

}  // namespace historyLook
