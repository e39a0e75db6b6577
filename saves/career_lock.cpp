// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/career_lock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <cerrno>
#include <cstring>

#include "saves/lock_holder.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

CareerLock::Result with(CareerLock::Taking taking, QString computer = QString(),
                        QString reason = QString()) {
    return {taking, std::move(computer), std::move(reason)};
}

#ifdef Q_OS_UNIX

// Whether the handle is still the file at the path: a copy that lets go of
// its lock removes the file, and the handle of one waiting for it then
// names a file that no longer has a name.
bool stillThere(int handle, const QByteArray& path) {
    struct stat opened {
    }, named{};
    return ::fstat(handle, &opened) == 0 && ::lstat(path.constData(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

// The errors of a folder that holds no locks of the system.
bool locksUnsupported(int error) {
    return error == ENOLCK || error == EOPNOTSUPP || error == ENOSYS || error == EINVAL;
}

bool processRunning(qint64 pid) {
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

QByteArray readLockBytes(int handle) {
    char buffer[maxLockFileBytes];
    const ssize_t count = ::pread(handle, buffer, sizeof buffer, 0);
    return count > 0 ? QByteArray(buffer, static_cast<qsizetype>(count)) : QByteArray();
}

#endif

}  // namespace

CareerLock::Result CareerLock::take(const QString& savePath) {
    if (holds(savePath)) return with(Taking::taken);
    return lock(savePath, false);
}

CareerLock::Result CareerLock::takeOver(const QString& savePath) {
    if (holds(savePath)) return with(Taking::taken);
    return lock(savePath, true);
}

CareerLock& CareerLock::operator=(CareerLock&& other) noexcept {
    if (this == &other) return *this;
    release();
    handle_ = std::exchange(other.handle_, -1);
    savePath_ = std::exchange(other.savePath_, QString());
#ifndef Q_OS_UNIX
    qtLock_ = std::move(other.qtLock_);
#endif
    return *this;
}

bool CareerLock::holds(const QString& savePath) const {
    return handle_ >= 0 && savePath_ == savePath;
}

#ifdef Q_OS_UNIX

CareerLock::Result CareerLock::lock(const QString& savePath, bool overAnotherComputer) {
    release();
    const QString folder = QFileInfo(savePath).absolutePath();
    if (!QDir().mkpath(folder)) {
        return with(Taking::failed, {},
                    QCoreApplication::translate("SaveFile", "the folder %1 could not be created")
                        .arg(QDir::toNativeSeparators(folder)));
    }
    const QByteArray path = QFile::encodeName(lockFilePath(savePath));
    const LockHolder thisCopy{static_cast<qint64>(::getpid()), QSysInfo::machineHostName()};
    // A few tries, for a lock let go of and removed right while it is taken.
    for (int attempt = 0; attempt < 16; ++attempt) {
        // Only a regular file is ever opened: a pipe would keep the game
        // waiting, a device might do anything.
        struct stat found {};
        if (::lstat(path.constData(), &found) == 0 && !S_ISREG(found.st_mode)) {
            return with(Taking::notARegularFile);
        }
        const int handle =
            ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
        if (handle < 0) {
            const int error = errno;
            if (error == ELOOP || error == EISDIR || error == ENXIO) {
                return with(Taking::notARegularFile);
            }
            return with(Taking::failed, {}, systemError(error));
        }
        struct stat opened {};
        if (::fstat(handle, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            ::close(handle);
            return with(Taking::notARegularFile);
        }
        bool osLock = ::flock(handle, LOCK_EX | LOCK_NB) == 0;
        if (!osLock) {
            const int error = errno;
            if (error == EWOULDBLOCK || !locksUnsupported(error)) {
                ::close(handle);
                return error == EWOULDBLOCK ? with(Taking::heldByAnotherCopy)
                                            : with(Taking::failed, {}, systemError(error));
            }
            // Without locks of the system, what the lock says is all there is.
            const std::optional<LockHolder> holder = lockHolderIn(readLockBytes(handle));
            switch (standingOf(holder, thisCopy, processRunning)) {
                case LockStanding::stale:
                    break;
                case LockStanding::heldHere:
                    ::close(handle);
                    return with(Taking::heldByAnotherCopy);
                case LockStanding::heldElsewhere:
                    if (overAnotherComputer) break;
                    ::close(handle);
                    return with(Taking::heldOnAnotherComputer, holder->computer);
            }
        }
        if (osLock && !stillThere(handle, path)) {
            ::close(handle);
            continue;
        }
        // Who holds it, for a copy that cannot ask the system.
        const QByteArray written = lockFileBytes(thisCopy);
        if (::ftruncate(handle, 0) != 0 ||
            ::pwrite(handle, written.constData(), static_cast<size_t>(written.size()), 0) !=
                written.size()) {
            const int error = errno;
            ::close(handle);
            return with(Taking::failed, {}, systemError(error == 0 ? ENOSPC : error));
        }
        handle_ = handle;
        savePath_ = savePath;
        return with(Taking::taken);
    }
    return with(Taking::failed, {}, systemError(EAGAIN));
}

void CareerLock::release() {
    if (handle_ < 0) return;
    // Removed while still held, so that no copy can take a file about to lose
    // its name.
    const QByteArray path = QFile::encodeName(lockFilePath(savePath_));
    if (stillThere(handle_, path)) ::unlink(path.constData());
    ::close(handle_);
    handle_ = -1;
    savePath_.clear();
}

#else

CareerLock::Result CareerLock::lock(const QString& savePath, bool) {
    release();
    QDir().mkpath(QFileInfo(savePath).absolutePath());
    const QFileInfo found(lockFilePath(savePath));
    if (found.isSymLink() || found.isJunction() || (found.exists() && !found.isFile())) {
        return with(Taking::notARegularFile);
    }
    auto lock = std::make_unique<QLockFile>(found.filePath());
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        return lock->error() == QLockFile::LockFailedError
                   ? with(Taking::heldByAnotherCopy)
                   : with(Taking::failed, {}, systemError(EACCES));
    }
    qtLock_ = std::move(lock);
    handle_ = 0;
    savePath_ = savePath;
    return with(Taking::taken);
}

void CareerLock::release() {
    qtLock_.reset();
    handle_ = -1;
    savePath_.clear();
}

#endif
