// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/career_lock.h"

#include <QDir>
#include <QFileInfo>

QString lockFilePath(const QString& savePath) {
    return savePath + QStringLiteral(".lock");
}

CareerLock::Taking CareerLock::take(const QString& savePath) {
    if (holds(savePath)) return Taking::taken;
    release();
    QDir().mkpath(QFileInfo(savePath).absolutePath());
    auto lock = std::make_unique<QLockFile>(lockFilePath(savePath));
    // A lock is stale only when the copy that took it is gone, however long
    // that copy has been playing.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        lock_ = std::move(lock);
        savePath_ = savePath;
        return Taking::taken;
    }
    return lock->error() == QLockFile::LockFailedError ? Taking::heldByAnotherCopy : Taking::failed;
}

void CareerLock::release() {
    lock_.reset();
    savePath_.clear();
}

bool CareerLock::holds(const QString& savePath) const {
    return lock_ && savePath_ == savePath;
}
