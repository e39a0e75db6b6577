// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/focus_frame.h"

#include <QRect>

#include "screens/crisp_frame.h"

void drawFocusFrame(QPainter& painter, const QRect& rect, FocusGround ground) {
    if (ground == FocusGround::mixed) drawCrispFrame(painter, rect, Qt::black);
    drawCrispFrame(painter, rect, ground == FocusGround::mixed ? Qt::white : Qt::black,
                   Qt::DashLine);
}
