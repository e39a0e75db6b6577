#include "ui/pictures.h"

// The resources live in a static library, whose registration the linker drops
// unless something refers to it. The macro must stand outside any namespace.
static void registerPictures() {
    Q_INIT_RESOURCE(bailcrest);
}

QIcon gamePicture(const QString& fileName) {
    static const bool registered = (registerPictures(), true);
    Q_UNUSED(registered);
    return QIcon(QStringLiteral(":/") + fileName);
}
