// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTableView>

// A table whose first column stays in view when the table scrolls sideways,
// so that each row keeps its name beside the figures far to its right. The
// column is drawn again by a second view laid over the first, sharing its
// model, selection and vertical scrolling; the keyboard and a screen reader
// work with the table beneath, which holds every column.
class FrozenColumnTable : public QTableView {
    Q_OBJECT
  public:
    explicit FrozenColumnTable(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    QTableView* frozenColumn() const { return frozen_; }
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

  private:
    void placeFrozen();

    QTableView* frozen_;
};
