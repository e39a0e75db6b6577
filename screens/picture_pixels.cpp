// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/picture_pixels.h"

#include <QtEndian>
#include <cstring>

namespace {

constexpr char mark[4] = {'B', 'C', 'P', 'X'};
constexpr qsizetype headerSize = 12;
constexpr qsizetype bytesPerPixel = 4;
// Far beyond any picture of the game; keeps a damaged size from asking for
// gigabytes.
constexpr quint32 largestSide = 16384;
constexpr QImage::Format storedFormat = QImage::Format_RGBA8888_Premultiplied;

}  // namespace

QByteArray picturePixels(const QImage& picture) {
    const QImage stored = picture.convertToFormat(storedFormat);
    const qsizetype rowSize = stored.width() * bytesPerPixel;
    QByteArray pixels(headerSize + rowSize * stored.height(), Qt::Uninitialized);
    char* out = pixels.data();
    std::memcpy(out, mark, sizeof mark);
    qToLittleEndian<quint32>(quint32(stored.width()), out + 4);
    qToLittleEndian<quint32>(quint32(stored.height()), out + 8);
    for (int y = 0; y < stored.height(); ++y)
        std::memcpy(out + headerSize + y * rowSize, stored.constScanLine(y), rowSize);
    return pixels;
}

QImage pictureFromPixels(QByteArrayView pixels) {
    if (pixels.size() < headerSize || std::memcmp(pixels.data(), mark, sizeof mark) != 0) return {};
    const quint32 width = qFromLittleEndian<quint32>(pixels.data() + 4);
    const quint32 height = qFromLittleEndian<quint32>(pixels.data() + 8);
    if (width == 0 || height == 0 || width > largestSide || height > largestSide) return {};
    const qsizetype rowSize = qsizetype(width) * bytesPerPixel;
    if (pixels.size() != headerSize + rowSize * qsizetype(height)) return {};
    const auto* rows = reinterpret_cast<const uchar*>(pixels.data() + headerSize);
    const QImage inPlace(rows, int(width), int(height), rowSize, storedFormat);
    return reinterpret_cast<quintptr>(rows) % 4 == 0 ? inPlace : inPlace.copy();
}
