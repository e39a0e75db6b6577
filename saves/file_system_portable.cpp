// SPDX-License-Identifier: GPL-3.0-or-later
// The file layer on Qt and the C++ standard library alone, for the systems
// without POSIX (and built and tested on Linux too, with
// BAILCREST_PORTABLE_FILES). A look at a path and its opening are two steps
// here, and Windows itself refuses to open a file another program holds.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iterator>
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

namespace {

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

std::filesystem::path systemPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

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
    // Windows names every file in UTF-16, which a QString holds whole.
    std::vector<FolderEntry> entries;
    const QStringList names = QDir(folder).entryList(
        {QLatin1Char('*') + ending},
        QDir::Files | QDir::System | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& name : names) entries.push_back({name, true});
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

class QtLockHeld final : public HeldLock {
  public:
    explicit QtLockHeld(std::unique_ptr<QLockFile> lock) : lock_(std::move(lock)) {}

  private:
    // Its destruction lets go of the lock and removes its file.
    std::unique_ptr<QLockFile> lock_;
};

LockAttempt with(LockTaking taking, QString computer = QString(), QString reason = QString()) {
    LockAttempt attempt;
    attempt.taking = taking;
    attempt.computer = std::move(computer);
    attempt.reason = std::move(reason);
    return attempt;
}

LockAttempt tryTaking(std::unique_ptr<QLockFile> lock) {
    errno = 0;
    if (lock->tryLock(0)) {
        LockAttempt taken = with(LockTaking::taken);
        taken.held = std::make_unique<QtLockHeld>(std::move(lock));
        return taken;
    }
    // Qt tells only the kind of failure; the system's reason, where it left
    // one, says more (a full disk).
    const int error = errno;
    if (lock->error() == QLockFile::LockFailedError) return with(LockTaking::heldByAnotherCopy);
    if (error == ENAMETOOLONG)
        return with(LockTaking::nameTooLong, {}, QString::fromLocal8Bit(std::strerror(error)));
    const bool named = lock->error() == QLockFile::UnknownError && error != 0;
    return with(LockTaking::failed, {},
                QString::fromLocal8Bit(std::strerror(named ? error : EACCES)));
}

std::unique_ptr<QLockFile> lockFile(const QString& lockPath) {
    auto lock = std::make_unique<QLockFile>(lockPath);
    // Stale only when the copy that wrote it, on this computer, has ended:
    // never for its age, as a career is played for hours.
    lock->setStaleLockTime(0);
    return lock;
}

}  // namespace

LockAttempt takeLockFile(const QString& lockPath, bool overUnprovenHolder) {
    const QFileInfo found(lockPath);
    if (isLink(found) || (found.exists() && !found.isFile()))
        return with(LockTaking::notARegularFile);
    // Longer than any lock the game writes, it is junk, which Qt would read
    // to its end: it is taken over like one nobody holds, unread.
    if (found.size() > maxLockFileBytes) lockFile(lockPath)->removeStaleLockFile();
    LockAttempt attempt = tryTaking(lockFile(lockPath));
    if (attempt.taking != LockTaking::heldByAnotherCopy) return attempt;
    // Qt takes over by itself a lock that a copy on this computer wrote and
    // that no running copy holds. A lock another computer wrote cannot be
    // asked whether its copy still plays; the player is, and it is taken over
    // once they say it does not.
    qint64 pid = 0;
    QString computer, program;
    std::unique_ptr<QLockFile> other = lockFile(lockPath);
    const bool named = other->getLockInfo(&pid, &computer, &program);
    if (named && (computer.isEmpty() || computer == QSysInfo::machineHostName())) return attempt;
    if (named && !overUnprovenHolder) return with(LockTaking::heldOnAnotherComputer, computer);
    // An empty or cut-off lock, that of a copy that ended while it wrote it,
    // is taken over like one nobody holds; removing it fails while another
    // copy holds it.
    other->removeStaleLockFile();
    return tryTaking(std::move(other));
}
