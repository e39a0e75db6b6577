// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>
#include <optional>

// What this copy of the game last read or wrote of a file: its size, the
// time it was last changed and a hash of its content, to tell before the next
// write whether another program changed it meanwhile. The hash is one that can
// be carried on over bytes appended, so a long history is never read again
// only to hash it.
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    qint64 changedAt = 0;  // nanoseconds since the epoch
    quint64 hash = 0;

    bool operator==(const FileStamp&) const = default;
};

// The hash of the bytes, carried on from that of the bytes before them.
quint64 contentHash(QByteArrayView bytes, quint64 before = 0xcbf29ce484222325ULL);

// The stamp of the file at the path, which holds the bytes this copy has
// just read or written; a missing file has the stamp of none.
FileStamp stampOf(const QString& path, QByteArrayView bytes);

// Whether the file at the path is still as the stamp tells: the same size
// and time, or, when only its time changed, the same content.
bool stillAsStamped(const QString& path, const FileStamp& stamp);

// The stamp of the file at the path once the bytes were appended to what
// the earlier stamp tells.
FileStamp stampAfterAppending(const QString& path, const FileStamp& before,
                              QByteArrayView appended);
