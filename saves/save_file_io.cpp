// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/save_file_io.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "saves/replace_file.h"

SaveFileReading readSaveFile(const QString& path) {
    QFile file(path);
    const auto unreadable = [&file] {
        return SaveFileReading{
            {},
            QCoreApplication::translate("SaveFile", "This save file could not be read: %1.")
                .arg(file.errorString())};
    };
    if (!file.open(QIODevice::ReadOnly)) return unreadable();
    const QByteArray bytes = file.read(maxSaveFileBytes);
    if (file.error() != QFileDevice::NoError) return unreadable();
    return decodeSaveFile(bytes, file.atEnd());
}

std::optional<QString> writeSaveFile(const QString& folder, const QString& fileName,
                                     const SaveFile& file) {
    if (const auto problem = saveFileProblem(file)) return *problem;
    if (fileName.isEmpty() || fileName == QLatin1String(".") || fileName == QLatin1String("..") ||
        fileName.contains(QLatin1Char('/'))) {
        return QCoreApplication::translate("SaveFile", "\"%1\" cannot be the name of a file")
            .arg(fileName);
    }
    // A file the reader would stop short of is refused like any other that
    // could not be loaded again, before anything is created.
    const QByteArray bytes = encodeSaveFile(file);
    if (const auto problem = saveFileSizeProblem(bytes.size())) return *problem;
    if (!QDir().mkpath(folder)) {
        return QCoreApplication::translate("SaveFile", "the folder %1 could not be created")
            .arg(QDir::toNativeSeparators(folder));
    }
    return replaceFile(folder + QLatin1Char('/') + fileName, bytes);
}
