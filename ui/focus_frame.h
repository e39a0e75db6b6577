#pragma once

class QPainter;
class QRect;

// The keyboard-focus mark of the game's own controls: a dashed white line on
// a black one, which stays visible on any picture or colour underneath.
void drawFocusFrame(QPainter& painter, const QRect& rect);
