// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <Qt>

class QPainter;
class QRect;

// A rectangle outline that stays sharp at any display scale. The line lies
// just inside the rectangle (in the widget's logical pixels) on whole device
// pixels, one logical pixel wide rounded to a whole number of device pixels,
// so at 150 % every edge is drawn alike instead of some edges blurring or
// vanishing between pixels.
void drawCrispFrame(QPainter& painter, const QRect& rect, const QColor& colour,
                    Qt::PenStyle style = Qt::SolidLine);
