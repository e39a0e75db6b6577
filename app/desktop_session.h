// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The game's exit status when there is no desktop session to show it.
inline constexpr int noDesktopSessionStatus = 3;

// Where no platform plugin can start (no X11 or Wayland display), Qt ends the
// program with words of its own that suggest reinstalling the game. While a
// DesktopSessionWatch lives, around the making of the application, Qt's
// messages are held back: should Qt give up for want of a platform, the game
// first says itself that it needs a desktop session, then passes Qt's words
// on and ends with noDesktopSessionStatus rather than an abort. Otherwise the
// messages held back are passed on, as they came, when the watch ends.
class DesktopSessionWatch {
  public:
    DesktopSessionWatch();
    ~DesktopSessionWatch();
    DesktopSessionWatch(const DesktopSessionWatch&) = delete;
    DesktopSessionWatch& operator=(const DesktopSessionWatch&) = delete;
};

// Whether a message of Qt's is its last word on finding no platform to start.
bool isNoPlatformMessage(QtMsgType type, const QString& message);

// The game's own sentence, in the desktop's language.
QString needsDesktopSessionText();
