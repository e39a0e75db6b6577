// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/scroll_bar.h"

#include <QKeyEvent>
#include <QPainter>

#include "screens/focus_frame.h"

ScrollBar::ScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent) {
    setFocusPolicy(Qt::StrongFocus);
    // Qt's scroll bars count keys the vertical way, where Down raises the
    // value; a horizontal bar would then answer Right by moving left.
    setInvertedControls(orientation == Qt::Vertical);
}

void ScrollBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    drawFocusFrame(painter, rect());
}

void ScrollBar::keyPressEvent(QKeyEvent* event) {
    const bool pageUp = event->key() == Qt::Key_PageUp;
    if (pageKeyStep_ > 0 && (pageUp || event->key() == Qt::Key_PageDown)) {
        setValue(value() + (pageUp ? pageKeyStep_ : -pageKeyStep_));
        event->accept();
        return;
    }
    QScrollBar::keyPressEvent(event);
}
