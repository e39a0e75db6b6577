// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/picture_button.h"

#include <QMouseEvent>
#include <QPainter>

#include "screens/crisp_frame.h"
#include "screens/focus_frame.h"
#include "screens/look.h"
#include "screens/pictures.h"

PictureButton::PictureButton(const QString& pictureName, QWidget* parent)
    : HeldButton(parent), pictureName_(pictureName) {
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::paintEvent(QPaintEvent*) {
    if (pictureDensity_ != devicePixelRatio()) {
        pictureDensity_ = devicePixelRatio();
        picture_ = gamePicture(pictureName_, pictureDensity_);
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture_);
    if (borderShown()) drawCrispFrame(painter, rect(), look::black);
    if (hasFocus()) drawFocusFrame(painter, rect().adjusted(2, 2, -2, -2));
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    HeldButton::mousePressEvent(event);
    // Keep the press, whatever the button, so the release that removes the
    // border comes back here.
    event->accept();
}
