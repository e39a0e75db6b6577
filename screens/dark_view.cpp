// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/dark_view.h"

#include <QHeaderView>
#include <QTableView>

#include "screens/look.h"

void darkenView(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, look::navy);
    palette.setColor(QPalette::Base, look::navy);
    palette.setColor(QPalette::AlternateBase, QColor(0, 0, 92));
    palette.setColor(QPalette::Button, QColor(16, 16, 104));
    palette.setColor(QPalette::ButtonText, look::silver);
    palette.setColor(QPalette::WindowText, look::silver);
    palette.setColor(QPalette::Text, look::lightYellow);
    palette.setColor(QPalette::Highlight, look::blue);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    // Greyed rows (files that are no career) in a grey that reads on navy.
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(150, 150, 170));
    palette.setColor(QPalette::Light, QColor(96, 96, 160));
    palette.setColor(QPalette::Midlight, QColor(64, 64, 136));
    palette.setColor(QPalette::Mid, QColor(48, 48, 120));
    palette.setColor(QPalette::Dark, QColor(24, 24, 80));
    palette.setColor(QPalette::Shadow, Qt::black);
    widget->setPalette(palette);
}

void setUpRowTable(QTableView* table, const QString& accessibleName) {
    darkenView(table);
    table->setFont(look::font(false));
    table->horizontalHeader()->setFont(look::font(true));
    table->setAccessibleName(accessibleName);
    table->setAlternatingRowColors(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setWordWrap(false);
}
