// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Hands a web address to the desktop's browser and returns at once.
class UrlOpener {
  public:
    virtual ~UrlOpener() = default;
    // False when no browser could be given the address, for example on a
    // machine without one; the caller tells the player.
    virtual bool open(const QString& url) = 0;
};
