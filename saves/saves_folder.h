// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The folder that holds the save files, for saving and for the Load dialog
// alike. `programFolder` is the folder of a copy of the game that keeps its
// saves beside itself, or empty for an installed game: Saves beside that
// folder when it can hold it, otherwise the user's own Saves folder. The
// folder itself is not created here.
QString savesFolder(const QString& programFolder);

// The user's own Saves folder, in the user's data folder
// ($XDG_DATA_HOME/bailcrest/Saves). A player whose careers are still in the
// folder earlier versions kept them in (Bailcrest/Saves there), and who has
// no other yet, goes on with that one, so that they are found where they are.
QString usersSavesFolder();

// The Saves folder beside the program when it holds files but takes no new
// ones (made read-only, say): its careers are still listed, while new saves
// go to the user's folder. Empty when there is none such.
QString readOnlySavesFolder(const QString& programFolder);

// The folder whose hall of fame the player is shown: that of the career in
// play, which is where it saves (none for a career that saves nowhere), or
// else the saves folder.
QString hallOfFameFolder(const QString& programFolder, const QString& careerFolder = QString());

// Where one career saves itself: chosen when the career starts and kept for
// its whole life, so that its saves never split between two folders.
struct SaveTarget {
    QString folder;
    // A copy of the game whose own folder cannot hold saves keeps them in
    // the user's folder instead: the player is to be told where, once. An
    // installed game always saves there, and says nothing.
    bool besideTheProgramRefused = false;
    // The save file the career was loaded from, if any: its own file when
    // it lies where the career saves.
    QString loadedFrom;
};

// A new career saves to the saves folder. A loaded career goes on saving to
// the game's Saves folder it was loaded from (beside the program, or the
// user's own); one loaded from anywhere else saves to the saves folder.
SaveTarget saveTarget(const QString& programFolder, const QString& loadedFromFolder = QString());
