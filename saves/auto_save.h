// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "saves/file_names.h"

struct PlayerDetails;

// Whether a career saves itself after every match, and the name of the file
// in the Saves folder it saves to.
struct AutoSave {
    bool on = false;
    QString fileName = QStringLiteral("default") + saveFileEnding;

    bool operator==(const AutoSave&) const = default;
};

// The auto-save file name of a player: the first five characters of the
// name in lower case, then "_auto.bsg". Characters that no file name may hold
// on Windows or Linux become "_", so no name can lead a save out of its folder,
// and so does a leading dot, which would hide the save from the Load dialog.
QString autoSaveFileName(const QString& playerName);

// The auto-save of a new career: as the player chose, to the file named
// after him.
AutoSave autoSaveOf(const PlayerDetails& details);
