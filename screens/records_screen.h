// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>

#include "game/level.h"

class QLabel;
class CareerInPlay;
class CommandButton;
class RecordTable;

// The record book window: the player's statistics for each of the four
// levels side by side, always current. OK only hides it; the main screen
// keeps it for the whole career and shows it modally from the menu.
class RecordsScreen : public QDialog {
    Q_OBJECT
  public:
    static constexpr int rowCount = 10;

    RecordsScreen(const CareerInPlay& career, QWidget* owner);

    QLabel* cellLabel(int row, Level level) const { return cells_.at(row).at(levelIndex(level)); }
    QLabel* nameLabel() const { return name_; }
    CommandButton* okButton() const { return ok_; }
    RecordTable* table() const { return table_; }

  private:
    void showRecords();

    const CareerInPlay& career_;
    QLabel* name_;
    RecordTable* table_;
    std::array<std::array<QLabel*, levelCount>, rowCount> cells_{};
    std::array<QString, levelCount> columnHeadings_;
    std::array<QString, rowCount> rowCaptions_;
    CommandButton* ok_;
};
