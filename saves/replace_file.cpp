// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/replace_file.h"

#include <QSaveFile>

#include "saves/regular_file.h"

std::optional<QString> writeAll(QFileDevice& out, const QByteArray& bytes) {
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 count = out.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) return out.errorString();
        written += count;
    }
    return std::nullopt;
}

std::optional<QString> replaceFile(const QString& path, const QByteArray& bytes) {
    // Unbuffered, with every write checked: Qt's commit() does not notice a
    // buffered write that fails while it closes the file, and would put a
    // cut-off file in place of the earlier one. Unless committed, the
    // temporary file is removed. The new file takes the place of a regular
    // file only: in place of a link it would be written where the link points.
    if (auto refusal = writeRefusal(path)) return refusal;
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return out.errorString();
    if (auto failure = writeAll(out, bytes)) return failure;
    if (!out.commit()) return out.errorString();
    return std::nullopt;
}
