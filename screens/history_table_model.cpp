#include "screens/history_table_model.h"

#include <QColor>
#include <QLocale>

#include "game/money.h"
#include "game/ratings.h"
#include "screens/career_model.h"
#include "screens/history_texts.h"
#include "screens/look.h"

namespace {

// A column's number for sorting and, where it is shown as a number, display.
double figure(const HistoryRow& row, int column) {
    switch (column) {
        case HistoryTableModel::match:
            return row.match;
        case HistoryTableModel::level:
            return levelIndex(row.level);
        case HistoryTableModel::runs:
            return row.performance.runs;
        case HistoryTableModel::wickets:
            return row.performance.wickets;
        case HistoryTableModel::catches:
            return row.performance.catches;
        case HistoryTableModel::award:
            return row.award;
        case HistoryTableModel::batting:
            return row.skills.batting;
        case HistoryTableModel::bowling:
            return row.skills.bowling;
        case HistoryTableModel::fielding:
            return row.skills.fielding;
        case HistoryTableModel::bat:
            return row.gear.bat;
        case HistoryTableModel::gloves:
            return row.gear.gloves;
        case HistoryTableModel::pads:
            return row.gear.pads;
        case HistoryTableModel::others:
            return row.gear.others;
        case HistoryTableModel::fitness:
            return row.body.fitness;
        case HistoryTableModel::health:
            return row.body.health;
        case HistoryTableModel::stamina:
            return row.body.stamina;
        case HistoryTableModel::overallGear:
            return overallGear(row.gear);
        case HistoryTableModel::overallHealth:
            return overallHealth(row.body);
        case HistoryTableModel::matchFee:
            return row.matchFee;
        case HistoryTableModel::sponsorship:
            return row.sponsorship;
        case HistoryTableModel::otherIncome:
            return row.otherIncome;
        case HistoryTableModel::bankBalance:
            return row.bankBalance;
        default:
            return 0;
    }
}

bool isMoney(int column) {
    return column == HistoryTableModel::award ||
           (column >= HistoryTableModel::matchFee && column <= HistoryTableModel::bankBalance);
}

bool isText(int column) {
    return column == HistoryTableModel::level || column == HistoryTableModel::team ||
           column == HistoryTableModel::events;
}

}  // namespace

HistoryTableModel::HistoryTableModel(const CareerModel& career, QObject* parent)
    : QAbstractTableModel(parent),
      career_(career),
      shownRows_(static_cast<int>(career.history().rows().size())) {
    connect(&career_, &CareerModel::changed, this, &HistoryTableModel::follow);
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
            return rowAt(row).team < rowAt(otherRow).team;
        case events:
            return eventsText(row) < eventsText(otherRow);
        default:
            return figure(rowAt(row), column) < figure(rowAt(otherRow), column);
    }
}

QVariant HistoryTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= shownRows_) return QVariant();
    const HistoryRow& row = rowAt(index.row());
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            if (column == level) return HistoryTexts::levelName(row.level);
            if (column == team) return row.team;
            if (column == events) return eventsText(index.row());
            if (role == Qt::ToolTipRole) return QVariant();
            if (isMoney(column)) return moneyText(figure(row, column));
            return QLocale().toString(static_cast<int>(figure(row, column)));
        case sortRole:
            if (column == team) return row.team;
            if (column == events) return eventsText(index.row());
            return figure(row, column);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignVCenter |
                                       (isText(column) ? Qt::AlignLeft : Qt::AlignRight));
        default:
            return QVariant();
    }
}

QVariant HistoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnTotal) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return QVariant();
    const QString names[columnTotal] = {tr("Match"),
                                        tr("Level"),
                                        tr("Team"),
                                        tr("Runs"),
                                        tr("Wickets"),
                                        tr("Catches"),
                                        tr("Award (Rs.)"),
                                        tr("Batting"),
                                        tr("Bowling"),
                                        tr("Fielding"),
                                        tr("Bat"),
                                        tr("Gloves"),
                                        tr("Pads"),
                                        tr("Others"),
                                        tr("Fitness"),
                                        tr("Health"),
                                        tr("Stamina"),
                                        tr("Overall gear"),
                                        tr("Overall health"),
                                        tr("Match fee (Rs.)"),
                                        tr("Sponsorship (Rs.)"),
                                        tr("Other income (Rs.)"),
                                        tr("Bank balance (Rs.)"),
                                        tr("Events since the match before")};
    return names[section];
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
