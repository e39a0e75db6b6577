// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/command_row.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <algorithm>

#include "screens/command_button.h"
#include "screens/look.h"

CommandButton* addCommand(QHBoxLayout* row, const QString& objectName, const QString& caption,
                          const QList<QKeySequence>& keys) {
    auto* button = new CommandButton(caption, row->parentWidget());
    button->setObjectName(objectName);
    button->setShortcuts(keys);
    QString shown = caption;
    shown.remove(QLatin1Char('&'));
    const int needed = QFontMetrics(button->font()).horizontalAdvance(shown) + 16;
    button->setMinimumWidth(std::max(button->sizeHint().width(), needed));
    button->setFixedHeight(button->sizeHint().height());
    row->addWidget(button);
    return button;
}
