// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/titled_frame.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QStyle>

#include "screens/crisp_frame.h"
#include "screens/look.h"

namespace {

// Neither kind of frame has a class name of its own for Qt's accessibility
// to go by, so it is told their role here.
QAccessibleInterface* groupingFor(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (dynamic_cast<TitledFrame*>(widget) || dynamic_cast<Outline*>(widget))
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    return nullptr;
}

void tellGroupingRole() {
    static const bool told = [] {
        QAccessible::installFactory(&groupingFor);
        return true;
    }();
    (void)told;
}

}  // namespace

TitledFrame::TitledFrame(const QString& title, QWidget* parent) : QWidget(parent), title_(title) {
    tellGroupingRole();
    setAccessibleName(title);
    setFont(look::font(true));
}

void TitledFrame::setTitle(const QString& title) {
    if (title == title_) return;
    title_ = title;
    setAccessibleName(title);
    update();
}

void TitledFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int titleHeight = fontMetrics().height();
    const int lineTop = title_.isEmpty() ? 0 : titleHeight / 2;
    drawCrispFrame(painter, rect().adjusted(0, lineTop, 0, 0), look::silver);
    if (title_.isEmpty()) return;
    const int titleWidth = fontMetrics().horizontalAdvance(title_);
    // The title stands at the start of the top line: right to left, at its right.
    const QRect titleRect =
        QStyle::visualRect(layoutDirection(), rect(), QRect(8, 0, titleWidth + 4, titleHeight));
    painter.fillRect(titleRect, look::navy);
    painter.setPen(look::green);
    painter.drawText(titleRect, Qt::AlignCenter, title_);
}

Outline::Outline(const QColor& colour, QWidget* parent) : QWidget(parent), colour_(colour) {
    tellGroupingRole();
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Outline::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawCrispFrame(painter, rect(), colour_);
}
