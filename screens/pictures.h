// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The game's own pictures, kept as PNG resources in resources/. A picture
// named "crest.png" has a "crest@2x.png" twin for high-density screens; only
// the one the screen needs is decoded, and fitted to the screen's pixels.
QPixmap gamePicture(const QString& fileName, qreal devicePixelRatio);

// The program's window icon, in the sizes window managers ask for most.
QIcon gameIcon();
