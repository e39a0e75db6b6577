// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/load_career.h"

#include <QFileInfo>

#include "saves/career_file.h"
#include "saves/save_file_io.h"

CareerLoading loadCareer(const QString& path, const QString& programFolder, RandomSource& random) {
    const SaveFileReading reading = readSaveFile(path);
    if (!reading.file) return {std::nullopt, reading.error};
    const QFileInfo file(path);
    LoadedCareer loaded;
    loaded.details = detailsFromSave(*reading.file);
    loaded.career = careerFromSave(*reading.file, random);
    loaded.autoSave = autoSaveFromSave(*reading.file, file.fileName());
    loaded.target = saveTarget(programFolder, file.absolutePath());
    loaded.target.loadedFrom = file.absoluteFilePath();
    loaded.history = readHistory(historyFilePath(file.filePath()), loaded.career);
    return {std::move(loaded), QString()};
}
