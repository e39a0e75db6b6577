// SPDX-License-Identifier: GPL-3.0-or-later
// The file layer on Qt and the C++ standard library alone, for the systems
// without POSIX (and built and tested on Linux too, with
// BAILCREST_PORTABLE_FILES). A look at a path and its opening are two steps
// here, and Windows itself refuses to open a file another program holds.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <set>
#include <system_error>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#endif

#include "saves/bounded_read_parts.h"
#include "saves/file_names.h"
#include "saves/file_refusals.h"
#include "saves/file_system.h"
#include "saves/lock_holder.h"
#include "saves/lock_parts.h"

namespace {

// The path as the system spells it: UTF-16 on Windows, bytes elsewhere.
std::filesystem::path systemPath(const QString& path) {
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

bool isLink(const QFileInfo& info) {
    return info.isSymLink() || info.isShortcut() || info.isJunction();
}

// The permissions a new save file gets: the owner's to write, everyone's to
// read, as the POSIX build gives it.
constexpr QFileDevice::Permissions newFilePermissions =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
    QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;

// A temporary file written straight to the system: a write cut short by a
// full disk is tried again, and the system then names the reason, which a
// buffer flushed at once would lose.
class UnbufferedTemporaryFile : public QTemporaryFile {
  public:
    using QTemporaryFile::QTemporaryFile;
    bool openUnbuffered() { return open(QIODevice::ReadWrite | QIODevice::Unbuffered); }
};

#ifdef Q_OS_WIN

QString windowsError(DWORD error) {
    wchar_t text[512] = {};
    const DWORD length =
        ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                         0, text, static_cast<DWORD>(std::size(text)), nullptr);
    return QString::fromWCharArray(text, static_cast<qsizetype>(length)).trimmed();
}

// The file written through to the disk, then moved over the earlier one
// in one step, which MoveFileEx does too before it returns.
std::optional<QString> moveOver(QTemporaryFile& out, const QString& path) {
    // _commit is the C runtime's FlushFileBuffers for a descriptor.
    if (::_commit(out.handle()) != 0) return QString::fromLocal8Bit(std::strerror(errno));
    const std::wstring from = QFileInfo(out.fileName()).absoluteFilePath().toStdWString();
    const std::wstring to = QFileInfo(path).absoluteFilePath().toStdWString();
    // Windows moves no file that is open.
    out.close();
    if (!::MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return windowsError(::GetLastError());
    }
    return std::nullopt;
}

#else

// The standard library's rename replaces the file that is there in one
// step; QFile::rename would refuse to.
std::optional<QString> moveOver(QTemporaryFile& out, const QString& path) {
    std::error_code error;
    std::filesystem::rename(systemPath(out.fileName()), systemPath(path), error);
    if (error) return QString::fromStdString(error.message());
    return std::nullopt;
}

#endif

}  // namespace

FileLayer fileLayer() {
    return FileLayer::portable;
}

std::optional<BoundedRead> openToRead(const QString& path, QFile& file) {
    const QFileInfo info(path);
    if (isLink(info)) return refusedRead(BoundedRead::Outcome::link, readLinkRefusal());
    if (!info.exists()) return BoundedRead{};
    if (!info.isFile())
        return refusedRead(BoundedRead::Outcome::notRegular, readNotRegularRefusal());
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return refusedRead(BoundedRead::Outcome::unreadable, file.errorString());
    return std::nullopt;
}

std::optional<QString> writeRefusal(const QString& path) {
    const QFileInfo info(path);
    if (isLink(info)) return writeLinkRefusal();
    if (info.exists() && !info.isFile()) return writeNotRegularRefusal();
    return std::nullopt;
}

AppendOpening openToAppend(QFile& file, const QString& path, QString* reason) {
    const auto refuse = [reason](const QString& why) {
        if (reason) *reason = why;
        return AppendOpening::refused;
    };
    if (const auto refusal = writeRefusal(path)) return refuse(*refusal);
    if (!QFileInfo::exists(path)) return AppendOpening::missing;
    file.setFileName(path);
    if (!file.open(QIODevice::Append | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return refuse(file.errorString());
    return AppendOpening::opened;
}

std::optional<QString> replaceFile(const QString& path, const QByteArray& bytes) {
    if (auto refusal = writeRefusal(path)) return refusal;
    UnbufferedTemporaryFile out(temporaryFilePattern(path));
    if (!out.openUnbuffered()) return out.errorString();
    if (auto failure = writeAll(out, bytes)) return failure;
    const QFileInfo earlier(path);
    if (!out.setPermissions(earlier.isFile() ? earlier.permissions() : newFilePermissions))
        return out.errorString();
    if (auto failure = moveOver(out, path)) return failure;
    out.setAutoRemove(false);
    return std::nullopt;
}

FileState fileState(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return {};
    return {true, info.isFile() && !isLink(info), info.size(),
            info.lastModified().toMSecsSinceEpoch() * 1000000};
}

std::vector<FolderEntry> folderEntries(const QString& folder, const QString& ending) {
    // Listed as the system spells the names, bytes on POSIX and UTF-16 on
    // Windows: Qt's own listing leaves out a name that is not text, which the
    // player would then never see.
    std::vector<FolderEntry> entries;
    std::error_code error;
    std::filesystem::directory_iterator entry(systemPath(folder), error);
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const std::filesystem::path file = entry->path().filename();
        const auto& native = file.native();
#ifdef Q_OS_WIN
        // A QString holds every UTF-16 name whole, unpaired halves too; the
        // system takes a name's letters in either case.
        const QString name = QString::fromStdWString(native);
        if (name.endsWith(ending, Qt::CaseInsensitive)) entries.push_back({name, true});
#else
        const QByteArray name = QByteArray::fromStdString(native);
        if (!name.endsWith(QFile::encodeName(ending))) continue;
        const QString decoded = QFile::decodeName(name);
        entries.push_back({decoded, QFile::encodeName(decoded) == name});
#endif
    }
    return entries;
}

bool folderTakesFiles(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isWritable()) return false;
    // What Qt reports of a folder on Windows leaves its access lists out: a
    // file made there and removed again tells for sure.
    QTemporaryFile probe(temporaryFilePattern(info.absoluteFilePath() + QStringLiteral("/probe")));
    return probe.open();
}

namespace {

#ifdef Q_OS_WIN

// Whether a process of that number runs, when it started (in the system's
// hundreds of nanoseconds since 1601) and the name of its program file.
std::optional<RunningProcess> runningProcess(qint64 pid) {
    HANDLE process =
        ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (!process) {
        // A process of another user may not be asked, but it runs.
        if (::GetLastError() == ERROR_ACCESS_DENIED) return RunningProcess{};
        return std::nullopt;
    }
    RunningProcess found;
    DWORD exitCode = 0;
    const bool ended = ::GetExitCodeProcess(process, &exitCode) && exitCode != STILL_ACTIVE;
    FILETIME created{}, exited{}, kernel{}, user{};
    if (::GetProcessTimes(process, &created, &exited, &kernel, &user)) {
        found.startedAt = static_cast<qint64>((static_cast<quint64>(created.dwHighDateTime) << 32) |
                                              created.dwLowDateTime);
    }
    wchar_t image[1024] = {};
    DWORD length = static_cast<DWORD>(std::size(image));
    if (::QueryFullProcessImageNameW(process, 0, image, &length)) {
        found.program =
            QFileInfo(QString::fromWCharArray(image, static_cast<qsizetype>(length))).fileName();
    }
    ::CloseHandle(process);
    if (ended) return std::nullopt;
    return found;
}

bool lockNameTooLong(const QString& lockPath) {
    // NTFS and FAT take names of at most 255 UTF-16 units.
    return QFileInfo(lockPath).fileName().size() > 255;
}

#else

// The same from Linux's /proc, read through this layer like any file; a
// system without it tells nothing, and every process of a number is taken to
// run, of a program not named, whose lock is never taken over unasked.
std::optional<RunningProcess> runningProcess(qint64 pid) {
    if (!QFileInfo(QStringLiteral("/proc/self")).exists()) return RunningProcess{};
    const QString folder = QStringLiteral("/proc/%1/").arg(pid);
    if (!QFileInfo(folder).isDir()) return std::nullopt;
    RunningProcess found;
    found.startedAt = startInProcStat(readBounded(folder + QStringLiteral("stat"), 1024).bytes);
    found.program =
        QString::fromUtf8(readBounded(folder + QStringLiteral("comm"), 256).bytes.trimmed());
    return found;
}

bool lockNameTooLong(const QString& lockPath) {
    return errno == ENAMETOOLONG || QFile::encodeName(QFileInfo(lockPath).fileName()).size() > 255;
}

#endif

LockHolder thisCopy() {
    const qint64 pid = QCoreApplication::applicationPid();
    const std::optional<RunningProcess> self = runningProcess(pid);
    return {pid, QSysInfo::machineHostName(), self ? self->startedAt : 0};
}

// What the lock file says, as much of it as a lock ever holds.
QByteArray lockSays(const BoundedRead& read) {
    return read.outcome == BoundedRead::Outcome::read ? read.bytes : QByteArray();
}

// The lock files this process holds: one naming this very process is its
// own while it is held here, and else that of a process in another process
// namespace (a container) that had the number and has ended.
std::set<QString>& locksHeldHere() {
    static std::set<QString> held;
    return held;
}

// A lock file this copy made and holds open: on Windows no other program can
// remove it meanwhile, as Windows removes no file another holds open so.
// Removed as it is let go of, when it still says what this copy wrote.
class WrittenLockHeld final : public HeldLock {
  public:
    WrittenLockHeld(std::unique_ptr<QFile> file, QByteArray written)
        : file_(std::move(file)), written_(std::move(written)) {
        locksHeldHere().insert(file_->fileName());
    }
    ~WrittenLockHeld() override {
        locksHeldHere().erase(file_->fileName());
        const bool stillOurs =
            lockSays(readBounded(file_->fileName(), maxLockFileBytes)) == written_;
        // Closed first: Windows removes no open file.
        file_->close();
        if (stillOurs) file_->remove();
    }
    WrittenLockHeld(const WrittenLockHeld&) = delete;
    WrittenLockHeld& operator=(const WrittenLockHeld&) = delete;

  private:
    std::unique_ptr<QFile> file_;
    QByteArray written_;
};

// The lock made where no file is, by an exclusive create that never follows
// a link, and read back once written to see that it is still this copy's;
// nothing when a file is there already.
std::optional<LockAttempt> makeLock(const QString& lockPath, const LockHolder& holder) {
    auto file = std::make_unique<QFile>(lockPath);
    errno = 0;
    if (!file->open(QIODevice::ReadWrite | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        if (pathTaken(lockPath)) return std::nullopt;
        if (lockNameTooLong(lockPath))
            return lockAttempt(LockTaking::nameTooLong, {}, file->errorString());
        return lockAttempt(LockTaking::failed, {}, file->errorString());
    }
    const QByteArray written = lockFileBytes(holder);
    if (const std::optional<QString> failure = writeAll(*file, written)) {
        // An empty lock (a full disk) would say nothing of who holds it.
        file->close();
        file->remove();
        return lockAttempt(LockTaking::failed, {}, *failure);
    }
    if (lockSays(readBounded(lockPath, maxLockFileBytes)) != written)
        return lockAttempt(LockTaking::heldByAnotherCopy);
    LockAttempt taken = lockAttempt(LockTaking::taken);
    taken.held = std::make_unique<WrittenLockHeld>(std::move(file), written);
    return taken;
}

// A lock nobody holds, or one the player agreed to take over, removed while
// it still says what was read, so that of two copies that both found it so
// only one takes its place; the other is told another copy holds it.
LockAttempt takeOverLock(const QString& lockPath, const LockHolder& holder,
                         const QByteArray& said) {
    const BoundedRead now = readBounded(lockPath, maxLockFileBytes);
    if (now.outcome == BoundedRead::Outcome::read) {
        if (now.bytes != said) return lockAttempt(LockTaking::heldByAnotherCopy);
        QFile stale(lockPath);
        // Windows refuses to remove a lock a running copy holds open, which
        // by then says so.
        if (!stale.remove() && pathTaken(lockPath)) {
            if (lockSays(readBounded(lockPath, maxLockFileBytes)) != said)
                return lockAttempt(LockTaking::heldByAnotherCopy);
            return lockAttempt(LockTaking::failed, {}, stale.errorString());
        }
    }
    std::optional<LockAttempt> made = makeLock(lockPath, holder);
    if (!made) return lockAttempt(LockTaking::heldByAnotherCopy);
    return std::move(*made);
}

}  // namespace

LockAttempt takeLockFile(const QString& lockPath, bool overUnprovenHolder) {
    const LockHolder self = thisCopy();
    // A few tries, for a lock let go of and removed right while it is read.
    for (int attempt = 0; attempt < 16; ++attempt) {
        if (writeRefusal(lockPath)) return lockAttempt(LockTaking::notARegularFile);
        if (std::optional<LockAttempt> made = makeLock(lockPath, self)) return std::move(*made);
        if (locksHeldHere().count(lockPath) != 0) return lockAttempt(LockTaking::heldByAnotherCopy);
        // Nothing but a regular file is opened, and no more of it read than a
        // lock ever holds, whatever it grew to.
        const BoundedRead read = readBounded(lockPath, maxLockFileBytes);
        switch (read.outcome) {
            case BoundedRead::Outcome::missing:
                continue;
            case BoundedRead::Outcome::link:
            case BoundedRead::Outcome::notRegular:
                return lockAttempt(LockTaking::notARegularFile);
            case BoundedRead::Outcome::unreadable:
                return lockAttempt(LockTaking::failed, {}, read.reason);
            case BoundedRead::Outcome::read:
                break;
        }
        return lockByWhatItSays(read.bytes, self, runningProcess, overUnprovenHolder,
                                [&] { return takeOverLock(lockPath, self, read.bytes); });
    }
    return lockAttempt(LockTaking::failed, {}, QString::fromLocal8Bit(std::strerror(EAGAIN)));
}
