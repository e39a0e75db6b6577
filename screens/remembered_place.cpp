// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/remembered_place.h"

#include <QWidget>

#include "screens/window_place.h"

void RememberedPlace::remember(const QWidget& window) {
    geometry_ = window.geometry();
    frame_ = window.frameGeometry();
}

std::optional<QRect> RememberedPlace::whereLeft(const QRect& commands) const {
    if (!mayStandAgain(frame_, commands, usableDesktop())) return std::nullopt;
    return geometry_;
}
