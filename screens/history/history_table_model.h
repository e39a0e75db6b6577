// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QStringList>
#include <optional>
#include <vector>

#include "game/history.h"
#include "saves/history_columns.h"

class CareerModel;

// Every match of a career's history as a table, one row a match, oldest
// first, following the career as it is played. The display role gives the
// texts a player reads; the sort role gives what a column sorts by (numbers
// as numbers, levels in their order).
class HistoryTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column {
        match,
        level,
        team,
        runs,
        wickets,
        catches,
        award,
        batting,
        bowling,
        fielding,
        bat,
        gloves,
        pads,
        others,
        fitness,
        health,
        stamina,
        overallGear,
        overallHealth,
        matchFee,
        sponsorship,
        otherIncome,
        bankBalance,
        // What happened since the match before, after every figure of the
        // history's column table.
        events = historyFigureCount,
        columnTotal
    };
    static constexpr int sortRole = Qt::UserRole;

    explicit HistoryTableModel(const CareerModel& career, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Whether the row comes before the other in the column's order.
    bool lessThan(int column, int row, int otherRow) const;

    // What happened since the match before the row's, in words.
    QStringList eventsOf(int row) const;
    // The same as one text, worked out once a row, since sorting by it asks
    // for it again and again.
    const QString& eventsText(int row) const;

  private:
    void follow();
    const HistoryRow& rowAt(int row) const;

    const CareerModel& career_;
    // The rows the views know of: the history grows under the model, and the
    // views learn of new rows only through the insertion.
    int shownRows_ = 0;
    mutable std::vector<std::optional<QString>> eventsTexts_;
};

// The table's rows in the order the player chooses from its headings. The
// history is kept oldest first, so that order costs nothing; any other order
// compares the typed values, not their texts.
class SortedHistory : public QSortFilterProxyModel {
    Q_OBJECT
  public:
    SortedHistory(HistoryTableModel* rows, QObject* parent);

    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

  protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

  private:
    HistoryTableModel* rows_;
};
