// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QRegion>
#include <QSize>

class QWidget;

// Where windows open on the desktop. Rectangles are window frames in the
// desktop's logical pixels; `screen` is the part of a screen windows may use.

// A window of the given frame size centred on a point, moved as little as
// need be to lie on the screen.
QRect centredOn(QPoint centre, QSize size, const QRect& screen);

// Moves a window not yet shown so that it opens centred where another
// window stands (or stood), on that window's screen.
void openCentredOn(QWidget* window, const QRect& where);

// Where a companion window opens beside a main window without covering its
// commands (`commands`, within the main window's frame). It takes the widest
// free side of the screen, left or right of the main window, when that holds
// its least size; otherwise it lies against the screen's edge, over as
// little of the main window as its least size allows. Its size is the size
// it asks for, cut to the room it has.
QRect besideMainWindow(const QRect& mainFrame, const QRect& commands, QSize wanted, QSize least,
                       const QRect& screen);

// Whether the desktop lets a window ask where it stands: not on Wayland,
// where the compositor alone places windows.
bool desktopPlacesWindows();

// The room windows may use on every screen together.
QRegion usableDesktop();

// Whether a window's frame may stand again where the player left it: wholly
// on the desktop's usable room, and clear of the main window's commands.
bool mayStandAgain(const QRect& frame, const QRect& commands, const QRegion& desktop);
