// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/history/history_look.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>

#include "screens/look.h"
#include "screens/titled_frame.h"

namespace historyLook {

TitledFrame* titledFrame(const QString& objectName, const QString& title, QWidget* parent) {
    auto* frame = new TitledFrame(title, parent);
    frame->setObjectName(objectName);
    return frame;
}

void showValue(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleName(text);
}

void setUpTable(QTableView* view, const QString& objectName, const QString& name,
                const QString& description) {
    view->setObjectName(objectName);
    view->setAccessibleName(name);
    view->setAccessibleDescription(description);
    look::darken(view);
    view->setFont(look::font(false));
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table for the next control; the arrows move within it.
    view->setTabKeyNavigation(false);
    view->setAlternatingRowColors(true);
    view->setWordWrap(false);
    view->setCornerButtonEnabled(false);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(QFontMetrics(view->font()).height() + 6);
    view->horizontalHeader()->setFont(look::font(true));
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
}

}  // namespace historyLook
