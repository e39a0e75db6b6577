// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/history/history_table_model.h"

#include <QColor>

#include "game/level.h"
#include "game/ratings.h"
#include "game/shown_numbers.h"
#include "game/start_career.h"
#include "saves/history_columns.h"
#include "screens/career_in_play.h"
#include "screens/history/history_texts.h"
#include "screens/look.h"

namespace {

const HistoryColumn* figureColumn(int column) {
    return column >= 0 && column < historyFigureCount ? &historyColumns[column] : nullptr;
}

}  // namespace

HistoryTableModel::HistoryTableModel(const CareerInPlay& career, QObject* parent)
    : QAbstractTableModel(parent),
      career_(career),
      shownRows_(static_cast<int>(career.history().rows().size())) {
    connect(&career_, &CareerInPlay::changed, this, &HistoryTableModel::follow);
}

void HistoryTableModel::follow() {
    const int rows = static_cast<int>(career_.history().rows().size());
    if (rows > shownRows_) {
        beginInsertRows(QModelIndex(), shownRows_, rows - 1);
        shownRows_ = rows;
        endInsertRows();
    } else if (rows < shownRows_) {
        beginResetModel();
        shownRows_ = rows;
        eventsTexts_.clear();
        endResetModel();
    }
}

const HistoryRow& HistoryTableModel::rowAt(int row) const {
    return career_.history().rows()[static_cast<std::size_t>(row)];
}

int HistoryTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows_;
}

int HistoryTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columnTotal;
}

QStringList HistoryTableModel::eventsOf(int row) const {
    return HistoryTexts::events(career_.history().rows(), static_cast<std::size_t>(row),
                                career_.career());
}

const QString& HistoryTableModel::eventsText(int row) const {
    if (eventsTexts_.size() < static_cast<std::size_t>(shownRows_)) eventsTexts_.resize(shownRows_);
    std::optional<QString>& text = eventsTexts_[static_cast<std::size_t>(row)];
    if (!text) text = eventsOf(row).join(QStringLiteral("; "));
    return *text;
}

bool HistoryTableModel::lessThan(int column, int row, int otherRow) const {
    switch (column) {
        case team:
            // By the names shown; a career's rows mostly share a team.
            return rowAt(row).team != rowAt(otherRow).team &&
                   teamName(rowAt(row).team) < teamName(rowAt(otherRow).team);
        case events:
            return eventsText(row) < eventsText(otherRow);
        default:
            return historyColumns[column].figure(rowAt(row)) <
                   historyColumns[column].figure(rowAt(otherRow));
    }
}

QVariant HistoryTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= shownRows_) return QVariant();
    const HistoryRow& row = rowAt(index.row());
    const int column = index.column();
    const HistoryColumn* figure = figureColumn(column);
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            if (!figure) return eventsText(index.row());
            switch (figure->kind) {
                case HistoryColumn::level:
                    return levelName(row.level);
                case HistoryColumn::team:
                    return teamName(row.team);
                case HistoryColumn::money:
                    if (role == Qt::ToolTipRole) return QVariant();
                    return shownMoney(figure->figure(row));
                case HistoryColumn::whole:
                    if (role == Qt::ToolTipRole) return QVariant();
                    return shownNumber(static_cast<qint64>(figure->figure(row)));
            }
            return QVariant();
        case sortRole:
            if (!figure) return eventsText(index.row());
            if (figure->kind == HistoryColumn::team) return teamName(row.team);
            return figure->figure(row);
        case Qt::TextAlignmentRole: {
            const bool text = !figure || figure->kind == HistoryColumn::team ||
                              figure->kind == HistoryColumn::level;
            return QVariant::fromValue(Qt::AlignVCenter | (text ? Qt::AlignLeft : Qt::AlignRight));
        }
        default:
            return QVariant();
    }
}

QVariant HistoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    // Each row is headed by its match's number: the header is hidden, as the
    // number is the first column, but a screen reader names the row by it.
    if (orientation == Qt::Vertical && role == Qt::DisplayRole && section >= 0 &&
        section < shownRows_)
        return data(index(section, match), Qt::DisplayRole);
    if (orientation != Qt::Horizontal || section < 0 || section >= columnTotal) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return QVariant();
    if (const HistoryColumn* figure = figureColumn(section)) return tr(figure->heading);
    return tr("Events since the match before");
}

SortedHistory::SortedHistory(HistoryTableModel* rows, QObject* parent)
    : QSortFilterProxyModel(parent), rows_(rows) {
    setSourceModel(rows_);
    setSortRole(HistoryTableModel::sortRole);
}

void SortedHistory::sort(int column, Qt::SortOrder order) {
    // Column -1 is the history's own order: by match, oldest first.
    const bool asKept = column == HistoryTableModel::match && order == Qt::AscendingOrder;
    QSortFilterProxyModel::sort(asKept ? -1 : column, order);
}

bool SortedHistory::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    return rows_->lessThan(left.column(), left.row(), right.row());
}
