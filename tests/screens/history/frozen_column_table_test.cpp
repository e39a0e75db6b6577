// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/history/frozen_column_table.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTest>

#include "support/qt_printers.h"

namespace {

// Walking from the last column back to the first, in either direction of
// writing, every cell the keyboard reaches is in sight beside the first
// column, never under it.
TEST(FrozenColumnTable, ACellReachedFromTheKeyboardIsNeverUnderTheFirstColumn) {
    for (auto direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        SCOPED_TRACE(direction == Qt::LeftToRight ? "left to right" : "right to left");
        QStandardItemModel model(3, 12);
        for (int column = 0; column < 12; ++column)
            model.setItem(0, column, new QStandardItem(QString::number(column)));
        FrozenColumnTable table;
        table.setLayoutDirection(direction);
        table.setModel(&model);
        for (int column = 0; column < 12; ++column) table.setColumnWidth(column, 80);
        table.resize(400, 200);
        table.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));
        table.setCurrentIndex(model.index(0, 11));
        // Toward the first column: left, or right when written right to left.
        const Qt::Key back = direction == Qt::LeftToRight ? Qt::Key_Left : Qt::Key_Right;
        const QRect frozen(table.frozenColumn()->mapTo(&table, QPoint(0, 0)),
                           table.frozenColumn()->size());
        for (int column = 10; column >= 1; --column) {
            QTest::keyClick(&table, back);
            ASSERT_EQ(table.currentIndex().column(), column);
            const QRect cell = table.visualRect(table.currentIndex())
                                   .translated(table.viewport()->mapTo(&table, QPoint(0, 0)));
            EXPECT_FALSE(cell.intersects(frozen)) << column;
            EXPECT_TRUE(table.viewport()->geometry().contains(cell)) << column;
        }
    }
}

}  // namespace
