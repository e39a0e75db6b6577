#include "screens/pictures.h"

#include <QImageReader>

// The resources live in a static library, whose registration the linker drops
// unless something refers to it. The macro must stand outside any namespace.
static void registerPictures() {
    Q_INIT_RESOURCE(bailcrest);
}

namespace {

QPixmap decodePng(const QString& fileName) {
    static const bool registered = (registerPictures(), true);
    Q_UNUSED(registered);
    // The format is known. Naming it, with detection off, keeps Qt from
    // loading every image plugin on the system, and the libraries they need,
    // to ask whether one of them would rather read the file: a cost the
    // first window would otherwise pay.
    QImageReader reader(QStringLiteral(":/") + fileName, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}  // namespace

QPixmap gamePicture(const QString& fileName, qreal devicePixelRatio) {
    if (devicePixelRatio <= 1.0) return decodePng(fileName);
    QString denseName = fileName;
    denseName.insert(denseName.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
    QPixmap dense = decodePng(denseName);
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
        icon.addPixmap(decodePng(QStringLiteral("bailcrest_%1.png").arg(size)));
    return icon;
}
