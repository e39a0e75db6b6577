// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>
#include <QTreeView>
#include <QVBoxLayout>
#include <QWidget>

#include "support/qt_printers.h"
#include "tools/screenshots/text_check.h"

namespace {

QStringList problemsOf(QWidget& screen) {
    TextCheck check(false, false, {});
    check.check(screen, QStringLiteral("screen"));
    return check.problems();
}

// A figure wider than its column is told, in sight or scrolled away; one
// column as wide as its widest figure passes.
TEST(TableCellsCheck, TellsAFigureItsColumnCuts) {
    QWidget screen;
    auto* layout = new QVBoxLayout(&screen);
    auto* table = new QTableView(&screen);
    layout->addWidget(table);
    QStandardItemModel rows(0, 2);
    rows.setHorizontalHeaderLabels({QStringLiteral("R"), QStringLiteral("W")});
    for (int i = 0; i < 200; ++i)
        rows.appendRow(
            {new QStandardItem(QString::number(i)), new QStandardItem(QStringLiteral("1"))});
    rows.item(199, 0)->setText(QStringLiteral("1234567"));
    table->setModel(&rows);
    table->horizontalHeader()->setStretchLastSection(false);
    table->setColumnWidth(1, 40);
    table->setColumnWidth(0,
                          QFontMetrics(table->font()).horizontalAdvance(QStringLiteral("123")) + 6);
    const QStringList cut = problemsOf(screen);
    ASSERT_EQ(cut.size(), 1) << cut.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(cut.front().contains(QStringLiteral("row 199 column 0")))
        << cut.front().toStdString();
    EXPECT_TRUE(cut.front().contains(QStringLiteral("\"1234567\"")));

    table->resizeColumnToContents(0);
    EXPECT_TRUE(problemsOf(screen).isEmpty());
}

// A tree's first column starts past its items' indentation, and a cell's
// own font counts; a folded item's lines are not in sight.
TEST(TableCellsCheck, CountsATreesIndentationAndACellsFont) {
    QWidget screen;
    auto* layout = new QVBoxLayout(&screen);
    auto* tree = new QTreeView(&screen);
    layout->addWidget(tree);
    QStandardItemModel rows(0, 2);
    auto* level = new QStandardItem(QStringLiteral("Club"));
    auto* stay = new QStandardItem(QStringLiteral("Matches 1 to 9"));
    level->appendRow({stay, new QStandardItem(QStringLiteral("9"))});
    rows.appendRow({level, new QStandardItem(QStringLiteral("9"))});
    tree->setModel(&rows);
    tree->expandAll();
    tree->header()->setStretchLastSection(false);
    const int text = QFontMetrics(tree->font()).horizontalAdvance(stay->text()) + 8;
    tree->setColumnWidth(0, text + tree->indentation());
    tree->setColumnWidth(1, 40);
    QStringList cut = problemsOf(screen);
    ASSERT_EQ(cut.size(), 1) << cut.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(cut.front().contains(stay->text()));
    tree->collapseAll();
    EXPECT_TRUE(problemsOf(screen).isEmpty());
    tree->expandAll();
    tree->setColumnWidth(0, text + 2 * tree->indentation());
    EXPECT_TRUE(problemsOf(screen).isEmpty());

    QFont large = tree->font();
    large.setPixelSize(40);
    rows.item(0, 1)->setText(QStringLiteral("999"));
    rows.item(0, 1)->setFont(large);
    cut = problemsOf(screen);
    ASSERT_EQ(cut.size(), 1) << cut.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(cut.front().contains(QStringLiteral("column 1")));
}

}  // namespace
