// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <vector>

class QLabel;

// Labels laid out as a table (the record book's headings and figures), held
// by a widget that spans their window and draws nothing of its own, so that
// each label stands where it would stand in the window. A screen reader
// meets it as a table: its figures are cells with their row's and column's
// headings as headers, as in a table view.
class RecordTable : public QWidget {
  public:
    RecordTable(int rows, int columns, QWidget* window);

    int rows() const { return rows_; }
    int columns() const { return columns_; }

    // The labels of the table, made children of it.
    void setColumnHeader(int column, QLabel* label);
    void setRowHeader(int row, QLabel* label);
    void setCell(int row, int column, QLabel* label);

    QLabel* columnHeader(int column) const { return columnHeaders_.at(column); }
    QLabel* rowHeader(int row) const { return rowHeaders_.at(row); }
    QLabel* cell(int row, int column) const { return cells_.at(row * columns_ + column); }

    // Where the label stands: its row and column, -1 for the row of column
    // headers or the column of row headers; {-1, -1} for none of them.
    std::pair<int, int> placeOf(const QLabel* label) const;

  private:
    int rows_;
    int columns_;
    std::vector<QLabel*> columnHeaders_;
    std::vector<QLabel*> rowHeaders_;
    std::vector<QLabel*> cells_;
};
