// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/file_stamp.h"

#include <QFile>
#include <QFileInfo>

#include "saves/bounded_read.h"

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

bool stillAsStamped(const QString& path, const FileStamp& stamp) {
    const DiskState state = diskState(path);
    if (state.exists != stamp.exists) return false;
    if (!state.exists) return true;
    if (!state.regular || state.size != stamp.size) return false;
    if (state.changedAt == stamp.changedAt) return true;
    const std::optional<QByteArray> bytes = readWholeBounded(path, stamp.size);
    return bytes && contentHash(*bytes) == stamp.hash;
}

FileStamp stampAfterAppending(const QString& path, const FileStamp& before,
                              QByteArrayView appended) {
    const DiskState state = diskState(path);
    return {state.exists, state.size, state.changedAt, contentHash(appended, before.hash)};
}
