// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/held_button.h"

#include <QKeyEvent>
#include <QMouseEvent>

HeldButton::HeldButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void HeldButton::mousePressEvent(QMouseEvent* event) {
    mouseHeld_ = true;
    update();
    QAbstractButton::mousePressEvent(event);
}

void HeldButton::mouseReleaseEvent(QMouseEvent* event) {
    mouseHeld_ = false;
    update();
    QAbstractButton::mouseReleaseEvent(event);
}

void HeldButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
