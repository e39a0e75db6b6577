// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <optional>

class QWidget;

// Where the player left a window he may move and resize, kept while the
// program runs: the game keeps no settings from one run to the next.
class RememberedPlace {
  public:
    // Remembers where the window stands, as it goes out of sight.
    void remember(const QWidget& window);

    // The geometry the window had where the player left it, if that place
    // may still take it: wholly on the screens and clear of `commands` (the
    // main window's, on the desktop); otherwise none, and the window opens
    // where it would the first time.
    std::optional<QRect> whereLeft(const QRect& commands) const;

    // The desktop placed the window where it chose rather than where it was
    // asked to stand (over the main window's commands): for the rest of the
    // run it stands in a pane of the main window instead.
    void notePlaceIgnored() { placeIgnored_ = true; }
    bool placeIgnored() const { return placeIgnored_; }

  private:
    // The window's own area, by which a window is placed, and its frame
    // with the window manager's title bar and edges, which must fit.
    QRect geometry_;
    QRect frame_;
    bool placeIgnored_ = false;
};
