// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Why the file layer leaves a file alone, in the player's language: the same
// words from both of its builds.

// For a file about to be read.
QString readLinkRefusal();
QString readNotRegularRefusal();

// For a file about to be written.
QString writeLinkRefusal();
QString writeNotRegularRefusal();
