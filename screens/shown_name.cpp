// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/shown_name.h"

#include <QAbstractItemView>
#include <QStyledItemDelegate>

namespace {

// Longer than a full name with a club's, short enough for a column.
constexpr qsizetype longestShownName = 48;

class ShownNameDelegate final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& value, const QLocale&) const override {
        return shownName(value.toString());
    }
};

}  // namespace

QString shownName(const QString& name) {
    QString shown = name;
    if (shown.size() > longestShownName) {
        qsizetype cut = longestShownName - 1;
        // Never half a character written in two UTF-16 units.
        if (shown.at(cut - 1).isHighSurrogate()) --cut;
        shown.truncate(cut);
        shown += QChar(0x2026);
    }
    return QChar(0x2068) + shown + QChar(0x2069);
}

void showNamesInColumn(QAbstractItemView* view, int column) {
    view->setItemDelegateForColumn(column, new ShownNameDelegate(view));
}
