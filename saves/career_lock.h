// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>
#include <utility>

#include "saves/file_names.h"
#include "saves/file_system.h"

// Holds a career's save file for one copy of the game while the career is in
// play, so that two copies never write the same career. The lock is a file
// beside the save ("raj_auto.bsg.lock") on which the copy holds a lock of the
// operating system for as long as it plays: the system lets go of it when the
// copy ends, however it ends, so a lock file that no running copy holds is
// taken over whatever it contains. Where the folder cannot hold such locks
// (some network folders), the lock file's content tells who holds it: the
// process and the computer that wrote it.
class CareerLock {
  public:
    // What taking it came to (saves/file_system.h).
    using Taking = LockTaking;
    struct Result {
        Taking taking = Taking::failed;
        // The computer named in the lock, when it is another's.
        QString computer;
        // Why the lock could not be made.
        QString reason;
        // The process the lock names and the program it runs, when that is
        // not this game.
        qint64 pid = 0;
        QString program;
    };

    CareerLock() = default;
    // Held by one object at a time: moved, never copied.
    CareerLock(CareerLock&& other) noexcept { *this = std::move(other); }
    CareerLock& operator=(CareerLock&& other) noexcept;
    ~CareerLock() = default;

    // Takes the lock of the save file at the path, letting go of any other
    // it held. The folder is created when missing.
    Result take(const QString& savePath);
    // Takes over the lock that a copy on another computer wrote, or one
    // naming a process of another program, once the player has said that no
    // copy of the game plays the career there.
    Result takeOver(const QString& savePath);
    // Lets go of the lock held, if any, and removes its file.
    void release();
    bool holds(const QString& savePath) const;

  private:
    Result lock(const QString& savePath, bool overUnprovenHolder);

    std::unique_ptr<HeldLock> held_;
    QString savePath_;
};
