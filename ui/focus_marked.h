#pragma once

#include <QPainter>

#include "ui/focus_frame.h"

// A standard control (check box, option button) that also draws the game's
// focus mark around itself while it has the keyboard focus: the style's own
// mark is too faint to see on the navy windows.
template <class Control>
class FocusMarked : public Control {
  public:
    using Control::Control;

  protected:
    void paintEvent(QPaintEvent* event) override {
        Control::paintEvent(event);
        if (!this->hasFocus()) return;
        QPainter painter(this);
        drawFocusFrame(painter, this->rect());
    }
};
