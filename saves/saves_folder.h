// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The folder that holds the save files, for saving and for the Load dialog
// alike: Saves beside the program when the program's folder can hold it,
// otherwise Saves in the user's application data folder, so that a game
// installed system-wide still saves. The folder itself is not created here.
QString savesFolder(const QString& programFolder);

// Where one career saves itself: chosen when the career starts and kept for
// its whole life, so that its saves never split between two folders.
struct SaveTarget {
    QString folder;
    // The folder beside the program cannot hold saves, so the user's own
    // folder holds them instead: the player is to be told where, once.
    bool besideTheProgramRefused = false;
    // The save file the career was loaded from, if any: its own file when
    // it lies where the career saves.
    QString loadedFrom;
};

// A new career saves to the saves folder. A loaded career goes on saving to
// the game's Saves folder it was loaded from (beside the program, or the
// user's own); one loaded from anywhere else saves to the saves folder.
SaveTarget saveTarget(const QString& programFolder, const QString& loadedFromFolder = QString());
