// SPDX-License-Identifier: GPL-3.0-or-later
// What both builds of the file layer share: it needs nothing of the system
// but what Qt gives everywhere.
#include "saves/file_system.h"

#include <QDir>
#include <QFile>
#include <algorithm>

#include "saves/bounded_read_parts.h"
#include "saves/lock_parts.h"

BoundedRead refusedRead(BoundedRead::Outcome outcome, QString reason) {
    BoundedRead result;
    result.outcome = outcome;
    result.reason = std::move(reason);
    return result;
}

BoundedRead readOpenFile(QFile& file, qint64 maxBytes) {
    BoundedRead result;
    result.bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        return refusedRead(BoundedRead::Outcome::unreadable, file.errorString());
    result.outcome = BoundedRead::Outcome::read;
    result.whole = file.atEnd();
    return result;
}

BoundedRead readOpenFileInPieces(QFile& file, qint64 maxBytes, qint64 pieceBytes,
                                 const std::function<void(QByteArrayView)>& take) {
    QByteArray piece;
    for (qint64 left = maxBytes; left > 0 && !file.atEnd();) {
        piece = file.read(std::min(left, pieceBytes));
        if (file.error() != QFileDevice::NoError)
            return refusedRead(BoundedRead::Outcome::unreadable, file.errorString());
        if (piece.isEmpty()) break;
        left -= piece.size();
        take(piece);
    }
    BoundedRead result;
    result.outcome = BoundedRead::Outcome::read;
    result.whole = file.atEnd();
    return result;
}

BoundedRead readBounded(const QString& path, qint64 maxBytes) {
    QFile file;
    if (auto refused = openToRead(path, file)) return *refused;
    return readOpenFile(file, maxBytes);
}

BoundedRead readInPieces(const QString& path, qint64 maxBytes, qint64 pieceBytes,
                         const std::function<void(QByteArrayView)>& take) {
    QFile file;
    if (auto refused = openToRead(path, file)) return *refused;
    return readOpenFileInPieces(file, maxBytes, pieceBytes, take);
}

std::optional<QByteArray> readWholeBounded(const QString& path, qint64 maxBytes) {
    BoundedRead read = readBounded(path, maxBytes);
    if (read.outcome != BoundedRead::Outcome::read || !read.whole) return std::nullopt;
    return std::move(read.bytes);
}

std::optional<QString> writeAll(QFileDevice& out, const QByteArray& bytes) {
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 count = out.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) return out.errorString();
        written += count;
    }
    return std::nullopt;
}

std::optional<QString> createFile(const QString& path, const QByteArray& bytes) {
    // Made new or not at all: the system refuses a path that holds anything,
    // a link among them, without following it.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return file.errorString();
    std::optional<QString> failure = writeAll(file, bytes);
    if (!failure && !file.flush()) failure = file.errorString();
    if (failure) file.remove();
    return failure;
}

bool removeRegularFile(const QString& path) {
    if (!fileState(path).regular) return false;
    // QFile::remove takes the name away; it never follows a link.
    return QFile::remove(path);
}

bool pathTaken(const QString& path) {
    return fileState(path).exists;
}

std::optional<QString> moveWithoutReplacing(const QString& from, const QString& to) {
    // QFile::rename never replaces a file that is there, on any system.
    QFile file(from);
    if (file.rename(to)) return std::nullopt;
    return file.errorString();
}

bool makeFolder(const QString& folder) {
    return QDir().mkpath(folder);
}

LockAttempt lockAttempt(LockTaking taking, QString computer, QString reason) {
    LockAttempt attempt;
    attempt.taking = taking;
    attempt.computer = std::move(computer);
    attempt.reason = std::move(reason);
    return attempt;
}

LockAttempt lockByWhatItSays(const QByteArray& said, const LockHolder& thisCopy,
                             ProcessLookup lookUp, bool overUnprovenHolder,
                             const std::function<LockAttempt()>& takeOver) {
    const std::optional<LockHolder> holder = lockHolderIn(said);
    switch (standingOf(holder, thisCopy, lookUp)) {
        case LockStanding::stale:
            return takeOver();
        case LockStanding::heldHere:
            return lockAttempt(LockTaking::heldByAnotherCopy);
        case LockStanding::heldElsewhere:
            if (overUnprovenHolder) return takeOver();
            return lockAttempt(LockTaking::heldOnAnotherComputer, holder->computer);
        case LockStanding::heldByAnotherProgram: {
            if (overUnprovenHolder) return takeOver();
            LockAttempt asked = lockAttempt(LockTaking::heldByAnotherProgram);
            asked.pid = holder->pid;
            const std::optional<RunningProcess> other = lookUp(holder->pid);
            asked.program = other ? other->program : QString();
            return asked;
        }
    }
    return lockAttempt(LockTaking::heldByAnotherCopy);
}
