// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "saves/auto_save.h"
#include "saves/file_names.h"

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
