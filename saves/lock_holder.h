// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

// What a career's lock file says of the copy of the game that wrote it: its
// process and its computer, one a line ("4711", "bailcrest", "raj-laptop"),
// as Qt's own lock files say it. It is read only where the folder cannot
// hold locks of the system; where it can, the system's lock alone tells.

// Never more of a lock file is read: whatever is there, a lock costs no
// more than this to look at.
constexpr qsizetype maxLockFileBytes = 256;

struct LockHolder {
    qint64 pid = 0;
    QString computer;
};

// The content of the lock file of the copy.
QByteArray lockFileBytes(const LockHolder& holder);

// The copy that wrote the lock, when its first bytes name one; nothing for
// an empty file, a cut-off one or junk.
std::optional<LockHolder> lockHolderIn(const QByteArray& firstBytes);

enum class LockStanding {
    // Nobody running holds it: it is taken over without a word.
    stale,
    // A copy running on this computer holds it.
    heldHere,
    // A copy on another computer wrote it, which may or may not still play.
    heldElsewhere,
};

// How a lock written by the holder stands for this copy. A copy on this
// computer holds it while its process runs; a process with this copy's own
// number is another copy's only in another process namespace (a container),
// which ended before this one started there.
LockStanding standingOf(const std::optional<LockHolder>& holder, const LockHolder& thisCopy,
                        bool (*running)(qint64 pid));
