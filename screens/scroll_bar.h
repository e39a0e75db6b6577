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

    // Page Up and Page Down move the value by this much, Page Up raising it,
    // whatever a click on the track moves it by.
    void setPageKeyStep(int step) { pageKeyStep_ = step; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    int pageKeyStep_ = 0;
};
