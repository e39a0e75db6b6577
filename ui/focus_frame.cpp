#include "ui/focus_frame.h"

#include <QPainter>
#include <QPen>
#include <QRect>

void drawFocusFrame(QPainter& painter, const QRect& rect) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(rect);
    painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
    painter.drawRect(rect);
    painter.restore();
}
