// SPDX-License-Identifier: GPL-3.0-or-later
// Decodes PNG pictures, once, at build time, into the pixels the game stores
// (screens/picture_pixels.h): the game then copies a picture rather than
// inflating and unfiltering it while its first window is waited for. Each
// INPUT.png becomes OUTPUT_FOLDER/INPUT.pixels.
//
// Usage: bailcrest_decode_pictures OUTPUT_FOLDER INPUT.png...

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QSaveFile>
#include <cstdio>

#include "screens/picture_pixels.h"

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER INPUT.png...\n", argv[0]);
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    if (!output.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "%s: cannot make the folder\n", argv[1]);
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        const QString input = QString::fromLocal8Bit(argv[i]);
        QImageReader reader(input, "png");
        const QImage picture = reader.read();
        if (picture.isNull()) {
            std::fprintf(stderr, "%s: %s\n", argv[i], qPrintable(reader.errorString()));
            return 1;
        }
        QSaveFile file(
            output.filePath(QFileInfo(input).completeBaseName() + QStringLiteral(".pixels")));
        if (!file.open(QIODevice::WriteOnly) || file.write(picturePixels(picture)) < 0 ||
            !file.commit()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(file.fileName()),
                         qPrintable(file.errorString()));
            return 1;
        }
    }
    return 0;
}
