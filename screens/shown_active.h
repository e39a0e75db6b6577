// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// Shows a window the game opens, above the others and with the keyboard: a
// window manager that keeps the keyboard where it was for a window merely
// shown (openbox does) would leave the player's keys going to the window
// behind.
inline void showActive(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}
