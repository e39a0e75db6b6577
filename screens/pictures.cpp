// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/pictures.h"

#include <QCoreApplication>
#include <QLocale>
#include <QResource>

#include "screens/picture_pixels.h"

// The pictures live in a static library, whose registration the linker drops
// unless something refers to it. The macro must stand outside any namespace.
static void registerPictures() {
    Q_INIT_RESOURCE(bailcrest_pictures);
}

namespace {

// A picture with words has a twin in each language that has its own words
// (cmake/Languages.cmake). The one shown is in the language of the game's
// texts, the translation loaded, which the desktop may choose apart from the
// locale that numbers follow (LANGUAGE=hi with LANG=en_US.UTF-8).
QLocale wordsLanguage() {
    //: The language of this translation, as the pictures with words (the
    //: credits' banners) are named by: the language's code, "hi" for Hindi.
    return QLocale(QCoreApplication::translate("Pictures", "en"));
}

// The pictures are named as their PNG files are, and kept decoded by the
// build.
QPixmap storedPicture(const QString& fileName) {
    static const bool registered = (registerPictures(), true);
    Q_UNUSED(registered);
    QString stored = fileName;
    stored.replace(stored.lastIndexOf(QLatin1Char('.')), stored.size(), QStringLiteral(".pixels"));
    const QResource resource(QStringLiteral(":/") + stored, wordsLanguage());
    // Stored uncompressed, a picture is read in place, where the program
    // holds it, and painted from there in the format it is stored in.
    if (resource.compressionAlgorithm() == QResource::NoCompression) {
        const QByteArrayView pixels(reinterpret_cast<const char*>(resource.data()),
                                    resource.size());
        return QPixmap::fromImage(pictureFromPixels(pixels), Qt::NoFormatConversion);
    }
    return QPixmap::fromImage(pictureFromPixels(resource.uncompressedData()).copy());
}

}  // namespace

QPixmap gamePicture(const QString& fileName, qreal devicePixelRatio) {
    if (devicePixelRatio <= 1.0) return storedPicture(fileName);
    QString denseName = fileName;
    denseName.insert(denseName.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
    QPixmap dense = storedPicture(denseName);
    if (devicePixelRatio != 2.0) {
        // Scaled once, smoothly, to the screen's own pixels, so that painting
        // it is a plain copy rather than a rough scaling at every paint.
        const QSizeF onScreen = QSizeF(dense.size()) / 2.0 * devicePixelRatio;
        dense = dense.scaled(onScreen.toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    dense.setDevicePixelRatio(devicePixelRatio);
    return dense;
}

QIcon gameIcon() {
    QIcon icon;
    for (int size : {32, 64})
        icon.addPixmap(storedPicture(QStringLiteral("bailcrest_%1.png").arg(size)));
    return icon;
}
