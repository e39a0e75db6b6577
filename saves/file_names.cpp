// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/file_names.h"

QString historyFilePath(const QString& saveFilePath) {
    QString stem = saveFilePath;
    if (stem.endsWith(saveFileEnding, Qt::CaseInsensitive)) stem.chop(saveFileEnding.size());
    return stem + historyFileEnding;
}

QString lockFilePath(const QString& saveFilePath) {
    return saveFilePath + QStringLiteral(".lock");
}
