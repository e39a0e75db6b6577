// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/save_career.h"

#include <QDir>

#include "game/career.h"
#include "saves/career_file.h"
#include "saves/save_file_io.h"

namespace {

SaveFailure failureAt(const QString& folder, const AutoSave& autoSave, const QString& reason) {
    return SaveFailure{QDir::toNativeSeparators(saveFilePath(folder, autoSave.fileName)), reason};
}

}  // namespace

std::optional<SaveFailure> saveCareer(const Career& career, const AutoSave& autoSave,
                                      const QString& folder) {
    const PreparedSave prepared = prepareSave(career, autoSave, folder);
    if (prepared.refusal) return prepared.refusal;
    return writePreparedSave(prepared);
}

PreparedSave prepareSave(const Career& career, const AutoSave& autoSave, const QString& folder) {
    PreparedSave prepared;
    prepared.file = prepareSaveFile(folder, autoSave.fileName, saveFileOf(career, autoSave.on));
    if (prepared.file.refusal)
        prepared.refusal = failureAt(folder, autoSave, *prepared.file.refusal);
    return prepared;
}

std::optional<SaveFailure> writePreparedSave(const PreparedSave& prepared) {
    const auto error = replaceSaveFile(prepared.file);
    if (!error) return std::nullopt;
    return SaveFailure{QDir::toNativeSeparators(prepared.file.path), *error};
}
