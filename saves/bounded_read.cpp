// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/bounded_read.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace {

BoundedRead refused(BoundedRead::Outcome outcome, QString reason) {
    BoundedRead result;
    result.outcome = outcome;
    result.reason = std::move(reason);
    return result;
}

BoundedRead link() {
    return refused(BoundedRead::Outcome::link,
                   QCoreApplication::translate("SaveFile", "it is a link to another file"));
}

BoundedRead notRegular() {
    return refused(BoundedRead::Outcome::notRegular,
                   QCoreApplication::translate("SaveFile", "it is not an ordinary file"));
}

}  // namespace

BoundedRead readBounded(const QString& path, qint64 maxBytes) {
    QFile file;
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    // Looked at first, so that a pipe or device is never opened at all; the
    // opening then refuses a link that took the file's place meanwhile, and
    // the opened file is looked at again.
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return {};
        return refused(BoundedRead::Outcome::unreadable,
                       QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (S_ISLNK(status.st_mode)) return link();
    if (!S_ISREG(status.st_mode)) return notRegular();
    const int handle = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0) {
        if (errno == ELOOP) return link();
        if (errno == ENOENT) return {};
        return refused(BoundedRead::Outcome::unreadable,
                       QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (::fstat(handle, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(handle);
        return notRegular();
    }
    if (!file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        return refused(BoundedRead::Outcome::unreadable, file.errorString());
    }
#else
    const QFileInfo info(path);
    if (info.isSymLink() || info.isShortcut() || info.isJunction()) return link();
    if (!info.exists()) return {};
    if (!info.isFile()) return notRegular();
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(BoundedRead::Outcome::unreadable, file.errorString());
#endif
    BoundedRead result;
    result.bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        return refused(BoundedRead::Outcome::unreadable, file.errorString());
    result.outcome = BoundedRead::Outcome::read;
    result.whole = file.atEnd();
    return result;
}

std::optional<QByteArray> readWholeBounded(const QString& path, qint64 maxBytes) {
    BoundedRead read = readBounded(path, maxBytes);
    if (read.outcome != BoundedRead::Outcome::read || !read.whole) return std::nullopt;
    return std::move(read.bytes);
}
