// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

// What a career's lock file says of the copy of the game that wrote it: its
// process and its computer, one a line ("4711", "bailcrest", "raj-laptop"),
// as Qt's own lock files say it, then when the process started, where the
// system tells it, so that a later process given the same number is told
// apart. It is read only where the folder cannot hold locks of the system;
// where it can, the system's lock alone tells.

// Never more of a lock file is read: whatever is there, a lock costs no
// more than this to look at.
constexpr qsizetype maxLockFileBytes = 256;

struct LockHolder {
    qint64 pid = 0;
    QString computer;
    // When the process started, in the system's own measure (0 for not
    // known: the system does not tell, or an earlier copy wrote the lock).
    qint64 startedAt = 0;
};

// What the system says of a process running on this computer: when it
// started (0 when the system does not tell) and the name of its program
// (empty when it does not tell).
struct RunningProcess {
    qint64 startedAt = 0;
    QString program;
};

// When a process started, as a line of Linux's /proc/PID/stat tells it (its
// 22nd field, in clock ticks since the computer started); 0 when the line
// does not tell.
qint64 startInProcStat(const QByteArray& statLine);

// The process of that number, or nothing when none runs.
using ProcessLookup = std::optional<RunningProcess> (*)(qint64 pid);

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
    // A process of that number runs here, of a program that is not this
    // game's: the number was most likely given to it after the copy that
    // wrote the lock ended, but a renamed copy of the game is named
    // otherwise too, so the player is asked.
    heldByAnotherProgram,
};

// How a lock written by the holder stands for this copy. A copy on this
// computer holds it while its process runs, and started when the lock says;
// a process of that number started at another time is another program that
// was given the number since. Where the start cannot tell (a lock of an
// earlier copy, a system that does not say), a process whose program is
// named otherwise than this copy's is one the player is asked about. A
// process with this copy's own number is another copy's only in another
// process namespace (a container), which ended before this one started
// there.
LockStanding standingOf(const std::optional<LockHolder>& holder, const LockHolder& thisCopy,
                        ProcessLookup lookUp);
