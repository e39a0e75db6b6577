// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

// The game's pictures as it keeps them: decoded from their PNG files by the
// build (tools/decode-pictures) and stored uncompressed, so that showing one
// is a copy of its rows rather than inflating and unfiltering a PNG while the
// first window is waited for. "BCPX", the width and the height as 32-bit
// little-endian numbers, then the rows, each pixel its red, green, blue and
// alpha bytes, premultiplied: the same bytes on every processor.
QByteArray picturePixels(const QImage& picture);

// The picture the pixels hold; a null image where they hold none. Where the
// rows lie on a 4-byte boundary, as the program's own resources do, the
// image reads them in place, copying nothing: the pixels must then outlive
// the image and every copy of it.
QImage pictureFromPixels(QByteArrayView pixels);
