// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPainter;
class QRect;

// What a focus mark is drawn over.
enum class FocusGround {
    // A picture or a control of mixed colours: white dashes on a black line,
    // which stay visible on anything underneath.
    mixed,
    // A command's plain silver or red fill: black dashes alone.
    plain,
};

// The keyboard-focus mark of the game's own controls: a dashed line just
// inside the rectangle, sharp at any display scale.
void drawFocusFrame(QPainter& painter, const QRect& rect, FocusGround ground = FocusGround::mixed);
