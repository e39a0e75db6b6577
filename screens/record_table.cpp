// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/record_table.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <algorithm>

#include "screens/look.h"

namespace {

QAccessibleInterface* accessibleOf(QLabel* label) {
    return label == nullptr ? nullptr : QAccessible::queryAccessibleInterface(label);
}

QString spokenText(const QWidget* widget) {
    if (!widget->accessibleName().isEmpty()) return widget->accessibleName();
    const auto* label = qobject_cast<const QLabel*>(widget);
    return label == nullptr ? QString() : look::accessibleCaption(label->text());
}

// The table: its headers first, then each row's header and figures.
class TableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit TableAccessible(RecordTable* table)
        : QAccessibleWidget(table, QAccessible::Table), table_(table) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override {
        return table_->columns() + table_->rows() * (table_->columns() + 1);
    }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        if (index < table_->columns()) return accessibleOf(table_->columnHeader(index));
        index -= table_->columns();
        const int row = index / (table_->columns() + 1);
        const int column = index % (table_->columns() + 1);
        return column == 0 ? accessibleOf(table_->rowHeader(row))
                           : accessibleOf(table_->cell(row, column - 1));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* label = child == nullptr ? nullptr : qobject_cast<QLabel*>(child->object());
        const auto [row, column] = table_->placeOf(label);
        if (row == -1 && column >= 0) return column;
        if (row >= 0) return table_->columns() + row * (table_->columns() + 1) + column + 1;
        return -1;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
        return accessibleOf(table_->cell(row, column));
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override {
        return spokenText(table_->columnHeader(column));
    }
    QString rowDescription(int row) const override { return spokenText(table_->rowHeader(row)); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return table_->columns(); }
    int rowCount() const override { return table_->rows(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

  private:
    RecordTable* table_;
};

// A heading of the table, or one of its figures with its headings.
class CellAccessible : public QAccessibleWidget, public QAccessibleTableCellInterface {
  public:
    CellAccessible(QLabel* label, RecordTable* table, int row, int column)
        : QAccessibleWidget(label, row < 0      ? QAccessible::ColumnHeader
                                   : column < 0 ? QAccessible::RowHeader
                                                : QAccessible::Cell),
          table_(table),
          row_(row),
          column_(column) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface && row_ >= 0 && column_ >= 0)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return spokenText(widget());
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }
    // A heading that labels a figure beside it (look::labelWith) says so, as
    // a plain label does.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        auto related = QAccessibleWidget::relations(match);
        const QWidget* buddy = static_cast<const QLabel*>(widget())->buddy();
        if ((match & QAccessible::Labelled) && buddy != nullptr) {
            related.append({QAccessible::queryAccessibleInterface(const_cast<QWidget*>(buddy)),
                            QAccessible::Labelled});
        }
        return related;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        return {accessibleOf(table_->columnHeader(column_))};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override {
        return {accessibleOf(table_->rowHeader(row_))};
    }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override {
        return QAccessible::queryAccessibleInterface(table_);
    }

  private:
    RecordTable* table_;
    int row_;
    int column_;
};

QAccessibleInterface* recordTableFor(const QString&, QObject* object) {
    if (auto* table = dynamic_cast<RecordTable*>(object)) return new TableAccessible(table);
    auto* label = qobject_cast<QLabel*>(object);
    auto* table = label == nullptr ? nullptr : dynamic_cast<RecordTable*>(label->parentWidget());
    if (table == nullptr) return nullptr;
    const auto [row, column] = table->placeOf(label);
    if (row == -1 && column == -1) return nullptr;
    return new CellAccessible(label, table, row, column);
}

}  // namespace

RecordTable::RecordTable(int rows, int columns, QWidget* window)
    : QWidget(window),
      rows_(rows),
      columns_(columns),
      columnHeaders_(static_cast<std::size_t>(columns)),
      rowHeaders_(static_cast<std::size_t>(rows)),
      cells_(static_cast<std::size_t>(rows * columns)) {
    static const bool told = [] {
        QAccessible::installFactory(&recordTableFor);
        return true;
    }();
    (void)told;
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(window->rect());
}

namespace {

// A label told of before it took its place in the table (setting its name
// does that) is known as plain text: it is met afresh, as a cell.
void meetAfresh(QLabel* label) {
    if (QAccessibleInterface* known = QAccessible::queryAccessibleInterface(label))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
}

}  // namespace

void RecordTable::setColumnHeader(int column, QLabel* label) {
    columnHeaders_.at(column) = label;
    meetAfresh(label);
}

void RecordTable::setRowHeader(int row, QLabel* label) {
    rowHeaders_.at(row) = label;
    meetAfresh(label);
}

void RecordTable::setCell(int row, int column, QLabel* label) {
    cells_.at(row * columns_ + column) = label;
    meetAfresh(label);
}

std::pair<int, int> RecordTable::placeOf(const QLabel* label) const {
    if (label == nullptr) return {-1, -1};
    const auto at = [label](const std::vector<QLabel*>& labels) {
        const auto found = std::find(labels.begin(), labels.end(), label);
        return found == labels.end() ? -1 : static_cast<int>(found - labels.begin());
    };
    if (const int column = at(columnHeaders_); column >= 0) return {-1, column};
    if (const int row = at(rowHeaders_); row >= 0) return {row, -1};
    if (const int index = at(cells_); index >= 0) return {index / columns_, index % columns_};
    return {-1, -1};
}
