// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/crisp_frame.h"

#include <QPainter>
#include <QPen>
#include <QRect>
#include <QTransform>
#include <algorithm>

void drawCrispFrame(QPainter& painter, const QRect& rect, const QColor& colour,
                    Qt::PenStyle style) {
    const QTransform toDevice = painter.deviceTransform();
    const QRectF mapped = toDevice.mapRect(QRectF(rect));
    const int left = qRound(mapped.left());
    const int top = qRound(mapped.top());
    const int right = qRound(mapped.right());
    const int bottom = qRound(mapped.bottom());
    const int width = std::max(1, qRound(toDevice.m11()));
    if (right - left < width || bottom - top < width) return;

    painter.save();
    // From here on one unit is one device pixel.
    painter.setWorldTransform(toDevice.inverted() * painter.worldTransform());
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, width, style, Qt::SquareCap, Qt::MiterJoin));
    const qreal half = width / 2.0;
    painter.drawRect(QRectF(left + half, top + half, right - left - width, bottom - top - width));
    painter.restore();
}
