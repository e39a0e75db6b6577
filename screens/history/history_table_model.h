// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QStringList>
#include <optional>
#include <vector>

#include "game/history.h"
#include "saves/history_columns.h"

class CareerInPlay;

// Every match of a career's history as a table, one row a match, oldest
// first, following the career as it is played. The display role gives the
// texts a player reads; the sort role gives what a column sorts by (numbers
// as numbers, levels in their order).
class HistoryTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // The table's columns: each figure's found by its name in the history's
    // column table, whose order the table follows; then what happened since
    // the match before.
    static constexpr int match = historyColumnAt("match");
    static constexpr int level = historyColumnAt("level");
    static constexpr int team = historyColumnAt("team");
    static constexpr int runs = historyColumnAt("runs");
    static constexpr int wickets = historyColumnAt("wickets");
    static constexpr int catches = historyColumnAt("catches");
    static constexpr int award = historyColumnAt("award");
    static constexpr int batting = historyColumnAt("batting");
    static constexpr int bowling = historyColumnAt("bowling");
    static constexpr int fielding = historyColumnAt("fielding");
    static constexpr int bat = historyColumnAt("bat");
    static constexpr int gloves = historyColumnAt("gloves");
    static constexpr int pads = historyColumnAt("pads");
    static constexpr int others = historyColumnAt("others");
    static constexpr int fitness = historyColumnAt("fitness");
    static constexpr int health = historyColumnAt("health");
    static constexpr int stamina = historyColumnAt("stamina");
    static constexpr int overallGear = historyColumnAt("overall_gear");
    static constexpr int overallHealth = historyColumnAt("overall_health");
    static constexpr int matchFee = historyColumnAt("match_fee");
    static constexpr int sponsorship = historyColumnAt("sponsorship");
    static constexpr int otherIncome = historyColumnAt("other_income");
    static constexpr int bankBalance = historyColumnAt("bank_balance");
    static constexpr int events = historyFigureCount;
    static constexpr int columnTotal = events + 1;
    static constexpr int sortRole = Qt::UserRole;

    explicit HistoryTableModel(const CareerInPlay& career, QObject* parent = nullptr);

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

    const CareerInPlay& career_;
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
