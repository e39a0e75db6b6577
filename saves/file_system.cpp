// SPDX-License-Identifier: GPL-3.0-or-later
// What both builds of the file layer share: it needs nothing of the system
// but what Qt gives everywhere.
#include "saves/file_system.h"

#include <QDir>
#include <QFile>

#include "saves/bounded_read_parts.h"

BoundedRead refusedRead(BoundedRead::Outcome outcome, QString reason) {
    BoundedRead result;
    result.outcome = outcome;
    result.reason = std::move(reason);
    return result;
}

BoundedRead readOpenFile(QFile& file, qint64 maxBytes) {
    BoundedRead result;
    result.bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        return refusedRead(BoundedRead::Outcome::unreadable, file.errorString());
    result.outcome = BoundedRead::Outcome::read;
    result.whole = file.atEnd();
    return result;
}

std::optional<QByteArray> readWholeBounded(const QString& path, qint64 maxBytes) {
    BoundedRead read = readBounded(path, maxBytes);
    if (read.outcome != BoundedRead::Outcome::read || !read.whole) return std::nullopt;
    return std::move(read.bytes);
}

std::optional<QString> writeAll(QFileDevice& out, const QByteArray& bytes) {
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 count = out.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) return out.errorString();
        written += count;
    }
    return std::nullopt;
}

bool pathTaken(const QString& path) {
    return fileState(path).exists;
}

std::optional<QString> moveWithoutReplacing(const QString& from, const QString& to) {
    // QFile::rename never replaces a file that is there, on any system.
    QFile file(from);
    if (file.rename(to)) return std::nullopt;
    return file.errorString();
}

bool makeFolder(const QString& folder) {
    return QDir().mkpath(folder);
}
