// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/replace_file.h"

#include <QFileInfo>
#include <QTemporaryFile>

#include "saves/regular_file.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

std::optional<QString> writeAll(QFileDevice& out, const QByteArray& bytes) {
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 count = out.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) return out.errorString();
        written += count;
    }
    return std::nullopt;
}

std::optional<QString> replaceFile(const QString& path, const QByteArray& bytes) {
    // A link found at the path is refused and kept; one that takes the file's
    // place after this look is replaced itself by the rename below, which
    // never follows a link, so nothing outside the folder is ever written.
    if (auto refusal = writeRefusal(path)) return refusal;
    const QFileInfo target(path);
    // Created new (never opened through a link) beside the file, hidden from
    // the Load dialog, and removed unless it takes the file's place.
    QTemporaryFile out(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                       QStringLiteral(".XXXXXX"));
    if (!out.open()) return out.errorString();
#ifdef Q_OS_UNIX
    // Every write checked, straight to the system, so that a full disk is
    // found, and named, before the file takes the place of the earlier one.
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t count = ::write(out.handle(), bytes.constData() + written,
                                      static_cast<size_t>(bytes.size() - written));
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return QString::fromLocal8Bit(std::strerror(count < 0 ? errno : ENOSPC));
        written += count;
    }
    // The new file gets the earlier one's permissions, or those of a new
    // file, not the temporary file's own.
    struct stat earlier {};
    const mode_t mode =
        ::lstat(QFile::encodeName(path).constData(), &earlier) == 0 && S_ISREG(earlier.st_mode)
            ? earlier.st_mode & 07777
            : 0644;
    if (::fchmod(out.handle(), mode) != 0 || ::fsync(out.handle()) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (::rename(QFile::encodeName(out.fileName()).constData(),
                 QFile::encodeName(path).constData()) != 0) {
        return QString::fromLocal8Bit(std::strerror(errno));
    }
    out.setAutoRemove(false);
#else
    if (auto failure = writeAll(out, bytes)) return failure;
    if (!out.flush()) return out.errorString();
    if (!out.rename(path)) return out.errorString();
    out.setAutoRemove(false);
#endif
    return std::nullopt;
}
