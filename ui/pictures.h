#pragma once

#include <QIcon>
#include <QString>

// The game's own pictures, kept as resources in resources/. A picture named
// "crest.png" also brings its "crest@2x.png" twin for high-density screens.
QIcon gamePicture(const QString& fileName);
