// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/save_file_io.h"

#include <QCoreApplication>

#include "game/shown_numbers.h"
#include "saves/file_names.h"
#include "saves/file_system.h"

SaveFileReading readSaveFile(const QString& path) {
    // Read as the Load list reads it: never through a link, never a pipe.
    const BoundedRead read = readBounded(path, maxSaveFileBytes);
    if (read.outcome != BoundedRead::Outcome::read) {
        const QString reason =
            read.outcome == BoundedRead::Outcome::missing
                ? QCoreApplication::translate("SaveFile", "it is no longer there")
                : read.reason;
        return SaveFileReading{
            {},
            QCoreApplication::translate("SaveFile", "This save file could not be read: %1.")
                .arg(reason)};
    }
    return decodeSaveFile(read.bytes, read.whole);
}

std::optional<QString> writeSaveFile(const QString& folder, const QString& fileName,
                                     const SaveFile& file) {
    const SaveFileBytes prepared = prepareSaveFile(folder, fileName, file);
    if (prepared.refusal) return prepared.refusal;
    return replaceSaveFile(prepared);
}

SaveFileBytes prepareSaveFile(const QString& folder, const QString& fileName,
                              const SaveFile& file) {
    SaveFileBytes prepared;
    if (const auto problem = saveFileProblem(file)) {
        prepared.refusal = *problem;
        return prepared;
    }
    if (fileName.isEmpty() || fileName == QLatin1String(".") || fileName == QLatin1String("..") ||
        fileName.contains(QLatin1Char('/'))) {
        prepared.refusal =
            QCoreApplication::translate("SaveFile", "\"%1\" cannot be the name of a file")
                .arg(fileName);
        return prepared;
    }
    // A file the reader would stop short of is refused like any other that
    // could not be loaded again, before anything is created.
    prepared.bytes = encodeSaveFile(file);
    if (const auto problem = saveFileSizeProblem(prepared.bytes.size())) {
        prepared.refusal = *problem;
        return prepared;
    }
    if (!makeFolder(folder)) {
        prepared.refusal =
            QCoreApplication::translate("SaveFile", "the folder %1 could not be created")
                .arg(shownPath(folder));
        return prepared;
    }
    prepared.path = saveFilePath(folder, fileName);
    return prepared;
}

std::optional<QString> replaceSaveFile(const SaveFileBytes& prepared) {
    return replaceFile(prepared.path, prepared.bytes);
}
