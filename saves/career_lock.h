// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <utility>

#ifndef Q_OS_UNIX
#include <QLockFile>
#include <memory>
#endif

#include "saves/file_names.h"

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
    enum class Taking {
        taken,
        // Another copy of the game on this computer holds it.
        heldByAnotherCopy,
        // A copy on another computer wrote it, in a folder that holds no
        // locks of the system: whether it still plays is not known here.
        heldOnAnotherComputer,
        // Something other than a regular file is at the lock's path (a
        // folder, a link, a pipe): it is never opened nor replaced.
        notARegularFile,
        // The lock could not be made (a full disk, a folder that cannot
        // be written).
        failed,
    };
    struct Result {
        Taking taking = Taking::failed;
        // The computer named in the lock, when it is another's.
        QString computer;
        // Why the lock could not be made.
        QString reason;
    };

    CareerLock() = default;
    // Held by one object at a time: moved, never copied.
    CareerLock(CareerLock&& other) noexcept { *this = std::move(other); }
    CareerLock& operator=(CareerLock&& other) noexcept;
    ~CareerLock() { release(); }

    // Takes the lock of the save file at the path, letting go of any other
    // it held. The folder is created when missing.
    Result take(const QString& savePath);
    // Takes over the lock that a copy on another computer wrote, once the
    // player has said that it no longer plays the career.
    Result takeOver(const QString& savePath);
    // Lets go of the lock held, if any, and removes its file.
    void release();
    bool holds(const QString& savePath) const;

  private:
    Result lock(const QString& savePath, bool overAnotherComputer);

    int handle_ = -1;
    QString savePath_;
#ifndef Q_OS_UNIX
    std::unique_ptr<QLockFile> qtLock_;
#endif
};
