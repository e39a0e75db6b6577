// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/regular_file.h"

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

QString linkRefusal() {
    return QCoreApplication::translate(
        "SaveFile",
        "it is a link to another file, and the game writes only files of its own in its Saves "
        "folder");
}

QString notRegularRefusal() {
    return QCoreApplication::translate(
        "SaveFile", "it is not an ordinary file, and the game writes only ordinary files");
}

}  // namespace

std::optional<QString> writeRefusal(const QString& path) {
#ifdef Q_OS_UNIX
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0) return std::nullopt;
    if (S_ISLNK(status.st_mode)) return linkRefusal();
    if (!S_ISREG(status.st_mode)) return notRegularRefusal();
    return std::nullopt;
#else
    const QFileInfo info(path);
    if (info.isSymLink() || info.isShortcut() || info.isJunction()) return linkRefusal();
    if (info.exists() && !info.isFile()) return notRegularRefusal();
    return std::nullopt;
#endif
}

AppendOpening openToAppend(QFile& file, const QString& path, QString* reason) {
    const auto refuse = [reason](const QString& why) {
        if (reason) *reason = why;
        return AppendOpening::refused;
    };
#ifdef Q_OS_UNIX
    // The link test and the opening are one step, so nothing can take the
    // file's place in between; a pipe does not keep the game waiting.
    const int handle = ::open(QFile::encodeName(path).constData(),
                              O_WRONLY | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0) {
        if (errno == ENOENT) return AppendOpening::missing;
        if (errno == ELOOP) return refuse(linkRefusal());
        return refuse(QString::fromLocal8Bit(std::strerror(errno)));
    }
    struct stat status {};
    if (::fstat(handle, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(handle);
        return refuse(notRegularRefusal());
    }
    if (!file.open(handle, QIODevice::Append | QIODevice::Unbuffered,
                   QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        return refuse(file.errorString());
    }
    return AppendOpening::opened;
#else
    if (const auto refusal = writeRefusal(path)) return refuse(*refusal);
    file.setFileName(path);
    if (!QFileInfo::exists(path)) return AppendOpening::missing;
    if (!file.open(QIODevice::Append | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return refuse(file.errorString());
    return AppendOpening::opened;
#endif
}
