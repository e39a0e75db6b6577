// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// Holds a career's save file for one copy of the game while the career is in
// play, so that two copies never write the same career and the last to write
// wins. The lock is a file beside the save ("raj_auto.bsg.lock"); a lock left
// by a copy that is no longer running is taken over.
class CareerLock {
  public:
    enum class Taking { taken, heldByAnotherCopy, failed };

    // Takes the lock of the save file at the path, letting go of any other
    // it held. The folder is created when missing.
    Taking take(const QString& savePath);
    // Lets go of the lock held, if any.
    void release();
    bool holds(const QString& savePath) const;

  private:
    std::unique_ptr<QLockFile> lock_;
    QString savePath_;
};

// The lock file of a save file.
QString lockFilePath(const QString& savePath);
