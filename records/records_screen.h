#pragma once

#include <QDialog>
#include <array>

#include "records/record_book.h"

class QLabel;
class CommandButton;

// The record book window: the player's statistics for each of the four
// levels side by side. OK only hides it; the main screen keeps it for the
// whole career and shows it modally from the menu.
class RecordsScreen : public QDialog {
    Q_OBJECT
  public:
    RecordsScreen(RecordBook& book, QWidget* owner);
    ~RecordsScreen() override;

    QLabel* cellLabel(int row, int column) const { return cells_.at(row).at(column); }
    QLabel* nameLabel() const { return name_; }
    CommandButton* okButton() const { return ok_; }

    static const std::array<QString, RecordBook::rowCount>& rowCaptions();

  private:
    void showColumn(int column);

    RecordBook& book_;
    QLabel* name_;
    std::array<std::array<QLabel*, RecordBook::columnCount>, RecordBook::rowCount> cells_{};
    CommandButton* ok_;
};
