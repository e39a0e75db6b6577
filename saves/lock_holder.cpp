// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/lock_holder.h"

#include <QList>

QByteArray lockFileBytes(const LockHolder& holder) {
    return QByteArray::number(holder.pid) + "\nbailcrest\n" + holder.computer.toUtf8() + '\n' +
           QByteArray::number(holder.startedAt) + '\n';
}

qint64 startInProcStat(const QByteArray& statLine) {
    // The program's name, in parentheses, may hold blanks and parentheses
    // of its own.
    const QList<QByteArray> fields = statLine.mid(statLine.lastIndexOf(')') + 2).split(' ');
    constexpr qsizetype startTime = 22 - 3;
    bool number = false;
    const qint64 started = fields.size() > startTime ? fields[startTime].toLongLong(&number) : 0;
    return number && started > 0 ? started : 0;
}

std::optional<LockHolder> lockHolderIn(const QByteArray& firstBytes) {
    const QList<QByteArray> lines = firstBytes.left(maxLockFileBytes).split('\n');
    // The process, the program and the computer, each with its line end.
    if (lines.size() < 4) return std::nullopt;
    bool number = false;
    const qint64 pid = lines[0].toLongLong(&number);
    const QString computer = QString::fromUtf8(lines[2]);
    if (!number || pid <= 0 || computer.isEmpty() || !lines[2].isValidUtf8()) return std::nullopt;
    // A lock of an earlier copy ends after the computer.
    bool known = false;
    const qint64 startedAt = lines.size() > 4 ? lines[3].toLongLong(&known) : 0;
    return LockHolder{pid, computer, known && startedAt > 0 ? startedAt : 0};
}

LockStanding standingOf(const std::optional<LockHolder>& holder, const LockHolder& thisCopy,
                        ProcessLookup lookUp) {
    if (!holder) return LockStanding::stale;
    if (holder->computer != thisCopy.computer) return LockStanding::heldElsewhere;
    if (holder->pid == thisCopy.pid) return LockStanding::stale;
    const std::optional<RunningProcess> running = lookUp(holder->pid);
    if (!running) return LockStanding::stale;
    if (running->startedAt != 0 && holder->startedAt != 0) {
        return running->startedAt == holder->startedAt ? LockStanding::heldHere
                                                       : LockStanding::stale;
    }
    // The process that wrote the lock, if it still runs, runs this game.
    const std::optional<RunningProcess> self = lookUp(thisCopy.pid);
    const QString ownProgram = self ? self->program : QString();
    if (!running->program.isEmpty() && !ownProgram.isEmpty() && running->program != ownProgram)
        return LockStanding::heldByAnotherProgram;
    return LockStanding::heldHere;
}
