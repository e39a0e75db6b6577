// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollBar>

// A vertical scroll bar that counts units from 0 at the bottom up to the most
// on offer at the top: its up arrow, a click above the thumb, Up, Page Up and
// End add units; the down arrow, a click below the thumb, Down, Page Down
// and Home take them away. The arrows and a click move one unit, Page Up and
// Page Down ten, Home and End all the way. Its value is the number of units, for the program
// and for screen readers alike.
class UnitsScrollBar : public QScrollBar {
    Q_OBJECT
  public:
    explicit UnitsScrollBar(QWidget* parent);

    // From 0 to the units offered, standing at the top.
    void offer(int units);

    static constexpr int keyboardPageUnits = 10;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};
