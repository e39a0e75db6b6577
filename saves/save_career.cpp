// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/save_career.h"

#include <QDir>

#include "game/career.h"
#include "saves/career_file.h"
#include "saves/save_file_io.h"

std::optional<SaveFailure> saveCareer(const Career& career, const AutoSave& autoSave,
                                      const QString& folder) {
    const auto error = writeSaveFile(folder, autoSave.fileName, saveFileOf(career, autoSave.on));
    if (!error) return std::nullopt;
    return SaveFailure{QDir::toNativeSeparators(saveFilePath(folder, autoSave.fileName)), *error};
}
