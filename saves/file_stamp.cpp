// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/file_stamp.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

struct DiskState {
    bool exists = false;
    bool regular = false;
    qint64 size = 0;
    qint64 changedAt = 0;
};

DiskState diskState(const QString& path) {
#ifdef Q_OS_UNIX
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0) return {};
    return {true, S_ISREG(status.st_mode), static_cast<qint64>(status.st_size),
            static_cast<qint64>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec};
#else
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return {};
    return {true, info.isFile() && !info.isSymLink(), info.size(),
            info.lastModified().toMSecsSinceEpoch() * 1000000};
#endif
}

}  // namespace

quint64 contentHash(QByteArrayView bytes, quint64 before) {
    // FNV-1a: it finds a change made by another program, it is no seal
    // against someone who means to hide one.
    quint64 hash = before;
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

FileStamp stampOf(const QString& path, QByteArrayView bytes) {
    const DiskState state = diskState(path);
    if (!state.exists) return {};
    return {true, state.size, state.changedAt, contentHash(bytes)};
}

std::optional<QByteArray> readBounded(const QString& path, qint64 maxBytes) {
    QFile file;
#ifdef Q_OS_UNIX
    const int handle =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0) return std::nullopt;
    struct stat status {};
    if (::fstat(handle, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > maxBytes ||
        !file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        return std::nullopt;
    }
#else
    const QFileInfo info(path);
    if (!info.isFile() || info.isSymLink() || info.size() > maxBytes) return std::nullopt;
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
#endif
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > maxBytes) return std::nullopt;
    return bytes;
}

bool stillAsStamped(const QString& path, const FileStamp& stamp) {
    const DiskState state = diskState(path);
    if (state.exists != stamp.exists) return false;
    if (!state.exists) return true;
    if (!state.regular || state.size != stamp.size) return false;
    if (state.changedAt == stamp.changedAt) return true;
    const std::optional<QByteArray> bytes = readBounded(path, stamp.size);
    return bytes && contentHash(*bytes) == stamp.hash;
}

FileStamp stampAfterAppending(const QString& path, const FileStamp& before,
                              QByteArrayView appended) {
    const DiskState state = diskState(path);
    return {state.exists, state.size, state.changedAt, contentHash(appended, before.hash)};
}
