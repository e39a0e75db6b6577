// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The game's own pictures, drawn as PNG files in resources/ and kept decoded
// in the program. A picture named "crest.png" has a "crest@2x.png" twin for
// high-density screens; only the one the screen needs is read, and fitted to
// the screen's pixels.
QPixmap gamePicture(const QString& fileName, qreal devicePixelRatio);

// The program's window icon, in the sizes window managers ask for most.
QIcon gameIcon();
