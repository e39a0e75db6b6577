// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/window_place.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

// Keeps a rectangle on the screen, its top left corner first should it be
// larger than the screen.
QRect keptOn(QRect place, const QRect& screen) {
    place.moveLeft(
        std::max(screen.left(), std::min(place.left(), screen.right() - place.width() + 1)));
    place.moveTop(
        std::max(screen.top(), std::min(place.top(), screen.bottom() - place.height() + 1)));
    return place;
}

// A few pixels between two windows side by side, so that their edges read apart.
constexpr int gap = 4;

}  // namespace

QRect centredOn(QPoint centre, QSize size, const QRect& screen) {
    QRect place(QPoint(), size);
    place.moveCenter(centre);
    return keptOn(place, screen);
}

void openCentredOn(QWidget* window, const QRect& where) {
    const QScreen* screen = QGuiApplication::screenAt(where.center());
    if (!screen) screen = window->screen();
    // The frame is not known before the window is first shown; its client
    // area stands for it.
    const QRect place = centredOn(where.center(), window->size(), screen->availableGeometry());
    window->move(place.topLeft());
}

QRect besideMainWindow(const QRect& mainFrame, const QRect& commands, QSize wanted, QSize least,
                       const QRect& screen) {
    const int height = std::min(wanted.height(), screen.height());
    const auto placeIn = [&](int left, int right) {
        const int width = std::min(wanted.width(), right - left + 1);
        QRect place(0, 0, width, height);
        // Beside the main window, level with it where the screen allows.
        place.moveTop(mainFrame.top());
        place.moveLeft(left);
        return keptOn(place, screen);
    };
    const int roomRight = screen.right() - mainFrame.right() - gap;
    const int roomLeft = mainFrame.left() - screen.left() - gap;
    const bool tallEnough = screen.height() >= least.height();
    if (tallEnough && std::max(roomRight, roomLeft) >= least.width()) {
        if (roomRight >= roomLeft) {
            QRect place = placeIn(mainFrame.right() + 1 + gap, screen.right());
            return place;
        }
        QRect place = placeIn(screen.left(), mainFrame.left() - 1 - gap);
        // Against the main window's left side, not the screen's.
        place.moveRight(mainFrame.left() - 1 - gap);
        return place;
    }
    // No free side holds it: it goes over the main window as little as its
    // least size asks, against the screen's edge on the side with more room,
    // and never over the main window's commands.
    const int besideRight = screen.right() - commands.right() - gap;
    const int besideLeft = commands.left() - screen.left() - gap;
    if (besideRight > besideLeft) {
        const int width = std::min(besideRight, std::max(least.width(), roomRight));
        return placeIn(screen.right() - width + 1, screen.right());
    }
    const int width = std::min(besideLeft, std::max(least.width(), roomLeft));
    return placeIn(screen.left(), screen.left() + width - 1);
}

bool desktopPlacesWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QRegion usableDesktop() {
    QRegion desktop;
    for (const QScreen* screen : QGuiApplication::screens()) desktop += screen->availableGeometry();
    return desktop;
}

bool mayStandAgain(const QRect& frame, const QRect& commands, const QRegion& desktop) {
    return frame.isValid() && QRegion(frame).subtracted(desktop).isEmpty() &&
           !frame.intersects(commands);
}
