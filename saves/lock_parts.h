// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include "saves/file_system.h"
#include "saves/lock_holder.h"

// The parts of taking a lock that both builds of the file layer share, once
// each has read the lock file its own way.

// What taking the lock came to, with the other computer or the system's
// reason where there is one.
LockAttempt lockAttempt(LockTaking taking, QString computer = QString(),
                        QString reason = QString());

// A lock file taken by what it says alone, where nothing else tells who
// holds it: one nobody running holds is handed to `takeOver`, which takes
// its place while it still says what was read; so is one another computer
// wrote, or one naming a process of another program, when the player has
// said that no copy of the game plays there (`overUnprovenHolder`). A lock
// of a copy running here is never taken.
LockAttempt lockByWhatItSays(const QByteArray& said, const LockHolder& thisCopy,
                             ProcessLookup lookUp, bool overUnprovenHolder,
                             const std::function<LockAttempt()>& takeOver);
