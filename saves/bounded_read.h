// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The start of a regular file, read without following a link and without
// opening anything but a regular file: a pipe would keep the reader waiting
// for a writer that may never come, and a link may lead anywhere.
struct BoundedRead {
    enum class Outcome { read, missing, link, notRegular, unreadable };
    Outcome outcome = Outcome::missing;
    // At most the bytes asked for.
    QByteArray bytes;
    // The bytes are the whole file.
    bool whole = false;
    // Why a file there was not read, in the player's language.
    QString reason;
};

BoundedRead readBounded(const QString& path, qint64 maxBytes);

// The whole of a regular file read so, or nothing when it is missing, is not
// a regular file, cannot be read or is longer than the bound.
std::optional<QByteArray> readWholeBounded(const QString& path, qint64 maxBytes);
