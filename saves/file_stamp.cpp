// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/file_stamp.h"

#include "saves/file_system.h"

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
    const FileState state = fileState(path);
    if (!state.exists) return {};
    return {true, state.size, state.changedAt, contentHash(bytes)};
}

bool stillAsStamped(const QString& path, const FileStamp& stamp) {
    const FileState state = fileState(path);
    if (state.exists != stamp.exists) return false;
    if (!state.exists) return true;
    if (!state.regular || state.size != stamp.size) return false;
    if (state.changedAt == stamp.changedAt) return true;
    const std::optional<QByteArray> bytes = readWholeBounded(path, stamp.size);
    return bytes && contentHash(*bytes) == stamp.hash;
}

FileStamp stampAfterAppending(const QString& path, const FileStamp& before,
                              QByteArrayView appended) {
    const FileState state = fileState(path);
    return {state.exists, state.size, state.changedAt, contentHash(appended, before.hash)};
}
