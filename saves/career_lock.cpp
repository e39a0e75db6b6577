// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/career_lock.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "game/shown_numbers.h"

CareerLock::Result CareerLock::take(const QString& savePath) {
    if (holds(savePath)) return {Taking::taken, {}, {}, 0, {}};
    return lock(savePath, false);
}

CareerLock::Result CareerLock::takeOver(const QString& savePath) {
    if (holds(savePath)) return {Taking::taken, {}, {}, 0, {}};
    return lock(savePath, true);
}

CareerLock& CareerLock::operator=(CareerLock&& other) noexcept {
    if (this == &other) return *this;
    release();
    held_ = std::move(other.held_);
    savePath_ = std::exchange(other.savePath_, QString());
    return *this;
}

bool CareerLock::holds(const QString& savePath) const {
    return held_ != nullptr && savePath_ == savePath;
}

CareerLock::Result CareerLock::lock(const QString& savePath, bool overUnprovenHolder) {
    release();
    const QString folder = QFileInfo(savePath).absolutePath();
    if (!makeFolder(folder)) {
        return {Taking::failed,
                {},
                QCoreApplication::translate("SaveFile", "the folder %1 could not be created")
                    .arg(shownPath(folder)),
                0,
                {}};
    }
    LockAttempt attempt = takeLockFile(lockFilePath(savePath), overUnprovenHolder);
    if (attempt.taking == Taking::taken) {
        held_ = std::move(attempt.held);
        savePath_ = savePath;
    }
    return {attempt.taking, std::move(attempt.computer), std::move(attempt.reason), attempt.pid,
            std::move(attempt.program)};
}

void CareerLock::release() {
    held_.reset();
    savePath_.clear();
}
