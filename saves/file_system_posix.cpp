// SPDX-License-Identifier: GPL-3.0-or-later
// The file layer on the system calls of POSIX (Linux, the BSDs, macOS): each
// look at a file and its opening are one step, so nothing can take the
// file's place in between.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>

#include "saves/bounded_read_parts.h"
#include "saves/file_names.h"
#include "saves/file_refusals.h"
#include "saves/file_system.h"
#include "saves/lock_holder.h"
#include "saves/lock_parts.h"

namespace {

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

qint64 changedAt(const struct stat& status) {
#ifdef Q_OS_DARWIN
    const struct timespec& time = status.st_mtimespec;
#else
    const struct timespec& time = status.st_mtim;
#endif
    return static_cast<qint64>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

}  // namespace

FileLayer fileLayer() {
    return FileLayer::posix;
}

std::optional<BoundedRead> openToRead(const QString& path, QFile& file) {
    const QByteArray name = QFile::encodeName(path);
    // Looked at first, so that a pipe or device is never opened at all; the
    // opening then refuses a link that took the file's place meanwhile, and
    // the opened file is looked at again.
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return BoundedRead{};
        return refusedRead(BoundedRead::Outcome::unreadable, systemError(errno));
    }
    if (S_ISLNK(status.st_mode)) return refusedRead(BoundedRead::Outcome::link, readLinkRefusal());
    if (!S_ISREG(status.st_mode))
        return refusedRead(BoundedRead::Outcome::notRegular, readNotRegularRefusal());
    const int handle = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0) {
        if (errno == ELOOP) return refusedRead(BoundedRead::Outcome::link, readLinkRefusal());
        if (errno == ENOENT) return BoundedRead{};
        return refusedRead(BoundedRead::Outcome::unreadable, systemError(errno));
    }
    if (::fstat(handle, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(handle);
        return refusedRead(BoundedRead::Outcome::notRegular, readNotRegularRefusal());
    }
    if (!file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        return refusedRead(BoundedRead::Outcome::unreadable, file.errorString());
    }
    return std::nullopt;
}

std::optional<QString> writeRefusal(const QString& path) {
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0) return std::nullopt;
    if (S_ISLNK(status.st_mode)) return writeLinkRefusal();
    if (!S_ISREG(status.st_mode)) return writeNotRegularRefusal();
    return std::nullopt;
}

AppendOpening openToAppend(QFile& file, const QString& path, QString* reason) {
    const auto refuse = [reason](const QString& why) {
        if (reason) *reason = why;
        return AppendOpening::refused;
    };
    // The link test and the opening are one step; a pipe does not keep the
    // game waiting.
    const int handle = ::open(QFile::encodeName(path).constData(),
                              O_WRONLY | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0) {
        if (errno == ENOENT) return AppendOpening::missing;
        if (errno == ELOOP) return refuse(writeLinkRefusal());
        return refuse(systemError(errno));
    }
    struct stat status {};
    if (::fstat(handle, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(handle);
        return refuse(writeNotRegularRefusal());
    }
    if (!file.open(handle, QIODevice::Append | QIODevice::Unbuffered,
                   QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        return refuse(file.errorString());
    }
    return AppendOpening::opened;
}

std::optional<QString> replaceFile(const QString& path, const QByteArray& bytes) {
    // A link found at the path is refused and kept; one that takes the file's
    // place after this look is replaced itself by the rename below, which
    // never follows a link, so nothing outside the folder is ever written.
    if (auto refusal = writeRefusal(path)) return refusal;
    // Created new (never opened through a link) beside the file, hidden from
    // the Load dialog, and removed unless it takes the file's place.
    QTemporaryFile out(temporaryFilePattern(path));
    if (!out.open()) return out.errorString();
    // Every write checked, straight to the system, so that a full disk is
    // found, and named, before the file takes the place of the earlier one.
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t count = ::write(out.handle(), bytes.constData() + written,
                                      static_cast<size_t>(bytes.size() - written));
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return systemError(count < 0 ? errno : ENOSPC);
        written += count;
    }
    // The new file gets the earlier one's permissions, or those of a new
    // file, not the temporary file's own.
    struct stat earlier {};
    const mode_t mode =
        ::lstat(QFile::encodeName(path).constData(), &earlier) == 0 && S_ISREG(earlier.st_mode)
            ? earlier.st_mode & 07777
            : 0644;
    if (::fchmod(out.handle(), mode) != 0 || ::fsync(out.handle()) != 0) return systemError(errno);
    if (::rename(QFile::encodeName(out.fileName()).constData(),
                 QFile::encodeName(path).constData()) != 0) {
        return systemError(errno);
    }
    out.setAutoRemove(false);
    return std::nullopt;
}

FileState fileState(const QString& path) {
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0) return {};
    return {true, S_ISREG(status.st_mode), static_cast<qint64>(status.st_size), changedAt(status)};
}

std::vector<FolderEntry> folderEntries(const QString& folder, const QString& ending) {
    // Read as the system spells the names: Qt's own listing leaves out a name
    // that is not text, which the player would then never see.
    std::vector<FolderEntry> entries;
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir) return entries;
    const QByteArray end = QFile::encodeName(ending);
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == ".." || !name.endsWith(end)) continue;
        const QString decoded = QFile::decodeName(name);
        entries.push_back({decoded, QFile::encodeName(decoded) == name});
    }
    ::closedir(dir);
    return entries;
}

bool folderTakesFiles(const QString& folder) {
    // access() asks the system itself, permissions and access lists alike.
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

namespace {

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

// Whether a process of that number runs, when it started and what program it
// runs: on Linux the clock ticks since the computer started (/proc/PID/stat's
// 22nd field) and the program's name (/proc/PID/comm), which everyone may
// read; nothing of either where the system does not tell.
std::optional<RunningProcess> runningProcess(qint64 pid) {
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM) return std::nullopt;
    RunningProcess process;
#ifdef Q_OS_LINUX
    const auto readProc = [pid](const char* what) {
        const QByteArray name = "/proc/" + QByteArray::number(pid) + '/' + what;
        const int handle = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
        if (handle < 0) return QByteArray();
        char buffer[1024];
        const ssize_t count = ::read(handle, buffer, sizeof buffer - 1);
        ::close(handle);
        return count > 0 ? QByteArray(buffer, static_cast<qsizetype>(count)) : QByteArray();
    };
    process.startedAt = startInProcStat(readProc("stat"));
    process.program = QString::fromUtf8(readProc("comm").trimmed());
#endif
    return process;
}

QByteArray readLockBytes(int handle) {
    char buffer[maxLockFileBytes];
    const ssize_t count = ::pread(handle, buffer, sizeof buffer, 0);
    return count > 0 ? QByteArray(buffer, static_cast<qsizetype>(count)) : QByteArray();
}

class FlockHeld final : public HeldLock {
  public:
    FlockHeld(int handle, QByteArray path) : handle_(handle), path_(std::move(path)) {}
    ~FlockHeld() override {
        // Removed while still held, so that no copy can take a file about to
        // lose its name.
        if (stillThere(handle_, path_)) ::unlink(path_.constData());
        ::close(handle_);
    }
    FlockHeld(const FlockHeld&) = delete;
    FlockHeld& operator=(const FlockHeld&) = delete;

  private:
    int handle_;
    QByteArray path_;
};

bool sameFile(int handle, int other) {
    struct stat one {
    }, two{};
    return ::fstat(handle, &one) == 0 && ::fstat(other, &two) == 0 && one.st_dev == two.st_dev &&
           one.st_ino == two.st_ino;
}

// The lock taken by what it says alone, in a folder that holds no locks of
// the system. Two copies that both found it stale must not both take it:
// the stale lock is removed only while it still says what was read, the new
// one is made by an exclusive create, and read back once written to see that
// it is still this copy's. The copy that loses is told another copy holds it.
LockAttempt takeWrittenLock(const QByteArray& path, const LockHolder& thisCopy,
                            const QByteArray& staleBytes) {
    const int found = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (found >= 0) {
        const bool unchanged = readLockBytes(found) == staleBytes;
        ::close(found);
        if (!unchanged) return lockAttempt(LockTaking::heldByAnotherCopy);
        ::unlink(path.constData());
    }
    const int handle = ::open(
        path.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    if (handle < 0) {
        const int error = errno;
        if (error == EEXIST) return lockAttempt(LockTaking::heldByAnotherCopy);
        if (error == ENAMETOOLONG)
            return lockAttempt(LockTaking::nameTooLong, {}, systemError(error));
        return lockAttempt(LockTaking::failed, {}, systemError(error));
    }
    const QByteArray written = lockFileBytes(thisCopy);
    if (::pwrite(handle, written.constData(), static_cast<size_t>(written.size()), 0) !=
            written.size() ||
        ::fsync(handle) != 0) {
        const int error = errno;
        ::unlink(path.constData());
        ::close(handle);
        return lockAttempt(LockTaking::failed, {}, systemError(error == 0 ? ENOSPC : error));
    }
    const int check = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    const bool stillOurs = check >= 0 && sameFile(handle, check) && readLockBytes(check) == written;
    if (check >= 0) ::close(check);
    if (!stillOurs) {
        ::close(handle);
        return lockAttempt(LockTaking::heldByAnotherCopy);
    }
    LockAttempt taken = lockAttempt(LockTaking::taken);
    taken.held = std::make_unique<FlockHeld>(handle, path);
    return taken;
}

}  // namespace

LockAttempt takeLockFile(const QString& lockPath, bool overUnprovenHolder) {
    const QByteArray path = QFile::encodeName(lockPath);
    const std::optional<RunningProcess> self = runningProcess(::getpid());
    const LockHolder thisCopy{static_cast<qint64>(::getpid()), QSysInfo::machineHostName(),
                              self ? self->startedAt : 0};
    // A few tries, for a lock let go of and removed right while it is taken.
    for (int attempt = 0; attempt < 16; ++attempt) {
        // Only a regular file is ever opened: a pipe would keep the game
        // waiting, a device might do anything.
        struct stat found {};
        if (::lstat(path.constData(), &found) == 0 && !S_ISREG(found.st_mode)) {
            return lockAttempt(LockTaking::notARegularFile);
        }
        const int handle =
            ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
        if (handle < 0) {
            const int error = errno;
            if (error == ELOOP || error == EISDIR || error == ENXIO) {
                return lockAttempt(LockTaking::notARegularFile);
            }
            if (error == ENAMETOOLONG)
                return lockAttempt(LockTaking::nameTooLong, {}, systemError(error));
            return lockAttempt(LockTaking::failed, {}, systemError(error));
        }
        struct stat opened {};
        if (::fstat(handle, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            ::close(handle);
            return lockAttempt(LockTaking::notARegularFile);
        }
        if (::flock(handle, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            if (error == EWOULDBLOCK || !locksUnsupported(error)) {
                ::close(handle);
                return error == EWOULDBLOCK
                           ? lockAttempt(LockTaking::heldByAnotherCopy)
                           : lockAttempt(LockTaking::failed, {}, systemError(error));
            }
            // Without locks of the system, what the lock says is all there is.
            const QByteArray said = readLockBytes(handle);
            ::close(handle);
            return lockByWhatItSays(said, thisCopy, runningProcess, overUnprovenHolder,
                                    [&] { return takeWrittenLock(path, thisCopy, said); });
        }
        if (!stillThere(handle, path)) {
            ::close(handle);
            continue;
        }
        // Who holds it, for a copy that cannot ask the system.
        const QByteArray written = lockFileBytes(thisCopy);
        if (::ftruncate(handle, 0) != 0 ||
            ::pwrite(handle, written.constData(), static_cast<size_t>(written.size()), 0) !=
                written.size()) {
            const int error = errno;
            // An empty lock (a full disk) would say nothing of who holds it:
            // it is removed, as the lock would be when let go of.
            if (stillThere(handle, path)) ::unlink(path.constData());
            ::close(handle);
            return lockAttempt(LockTaking::failed, {}, systemError(error == 0 ? ENOSPC : error));
        }
        LockAttempt taken = lockAttempt(LockTaking::taken);
        taken.held = std::make_unique<FlockHeld>(handle, path);
        return taken;
    }
    return lockAttempt(LockTaking::failed, {}, systemError(EAGAIN));
}
