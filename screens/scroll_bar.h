// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollBar>

// A scroll bar for the keyboard as well as the mouse: it takes focus, shows
// when it has it, and its arrow keys move it the way they point (Right and Up
// raise the value of a horizontal bar, Left and Down lower it).
class ScrollBar : public QScrollBar {
    Q_OBJECT
  public:
    ScrollBar(Qt::Orientation orientation, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
