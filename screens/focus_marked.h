// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <type_traits>

#include "screens/focus_frame.h"

// A check box or option button that shows keyboard focus with the game's own
// mark around its text, where the style draws a mark too faint to see on the
// navy windows.
template <class Control>
class FocusMarked : public Control {
    static_assert(std::is_base_of_v<QCheckBox, Control> ||
                  std::is_base_of_v<QRadioButton, Control>);

  public:
    using Control::Control;

  protected:
    void paintEvent(QPaintEvent* event) override {
        Control::paintEvent(event);
        if (!this->hasFocus()) return;
        QStyleOptionButton option;
        this->initStyleOption(&option);
        const QStyle::SubElement text = std::is_base_of_v<QRadioButton, Control>
                                            ? QStyle::SE_RadioButtonFocusRect
                                            : QStyle::SE_CheckBoxFocusRect;
        const QRect around = this->style()->subElementRect(text, &option, this);
        QPainter painter(this);
        drawFocusFrame(painter, around.adjusted(-1, -1, 1, 1) & this->rect());
    }
};
