#pragma once

#include <QString>
#include <array>
#include <functional>

// The per-level statistics table: ten rows (matches, runs, wickets, catches,
// highest score, batting average, 50s, 100s, most wickets, 5 wickets) by four
// level columns (Club, City, State, National). Every cell holds the text of a
// figure computed elsewhere; every cell starts as "0".
class RecordBook {
  public:
    static constexpr int rowCount = 10;
    static constexpr int columnCount = 4;
    using Column = std::array<QString, rowCount>;

    RecordBook();

    const QString& playerName() const { return playerName_; }
    void setPlayerName(const QString& name);

    const QString& cell(int row, int column) const { return cells_.at(column).at(row); }
    void setCell(int row, int column, const QString& text);

    const Column& column(int column) const { return cells_.at(column); }
    void setColumn(int column, Column texts);

    // Called after every change, with the column that changed (-1: the name).
    void setChangeListener(std::function<void(int)> listener) { listener_ = std::move(listener); }

  private:
    QString playerName_;
    std::array<Column, columnCount> cells_;
    std::function<void(int)> listener_;
};
