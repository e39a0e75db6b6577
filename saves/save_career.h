// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "saves/auto_save.h"
#include "saves/file_names.h"
#include "saves/save_file_io.h"

struct Career;

// A save that did not complete: the file it was meant to replace, as the
// player's system writes paths, and why it failed. The earlier file, if there
// is one, is unchanged.
struct SaveFailure {
    QString path;
    QString reason;
};

// Writes the career to its save file in the folder, with its auto-save
// choice; the failure, if any.
std::optional<SaveFailure> saveCareer(const Career& career, const AutoSave& autoSave,
                                      const QString& folder);

// The save of the career made ready to replace its file (SaveFileBytes),
// then written, for a caller that writes another file in between; a save
// that cannot be made ready is refused before anything is written.
struct PreparedSave {
    SaveFileBytes file;
    std::optional<SaveFailure> refusal;
};
PreparedSave prepareSave(const Career& career, const AutoSave& autoSave, const QString& folder);
std::optional<SaveFailure> writePreparedSave(const PreparedSave& prepared);
