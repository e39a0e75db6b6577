// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "saves/save_file.h"

// Reads and checks the save file at the path: the whole file is checked before
// anything of it is used, and at most maxSaveFileBytes of it are read.
SaveFileReading readSaveFile(const QString& path);

// Writes the file into the folder, created when missing, under the name. The
// new file replaces an earlier one of that name in a single step once it is
// complete on disk, so a failed save leaves the earlier file as it was. A
// file that could not be loaded again, for a value or for its size, is not
// written. Gives the reason of a failure.
std::optional<QString> writeSaveFile(const QString& folder, const QString& fileName,
                                     const SaveFile& file);

// The two steps of writeSaveFile(), for a caller that does what must come
// before the new file takes the earlier one's place in between: the file's
// bytes, checked to load again, with its folder made (or the reason it is
// not written), and then the replacing of the file by them.
struct SaveFileBytes {
    QString path;
    QByteArray bytes;
    std::optional<QString> refusal;
};
SaveFileBytes prepareSaveFile(const QString& folder, const QString& fileName, const SaveFile& file);
std::optional<QString> replaceSaveFile(const SaveFileBytes& prepared);
