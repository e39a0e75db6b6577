// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// What is at the path a career is about to save to, looked at before the
// save would replace it.
struct FoundSave {
    enum class Holds {
        // No file: the save creates one.
        nothing,
        // A save file, of the career named below.
        career,
        // A regular file that is not a save file the game can read.
        otherFile,
        // A link or something other than a regular file, which the game
        // never writes to; refusal says why.
        unwritable,
    };
    Holds holds = Holds::nothing;
    QString player;
    QString level;
    // The matches of the career saved there, at every level together.
    int matches = 0;
    QString refusal;
};

FoundSave findSave(const QString& path);
