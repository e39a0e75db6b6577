// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/stale_files.h"

#include <QDir>

#include "saves/file_names.h"
#include "saves/file_system.h"

namespace {

// Far longer than any write of the game takes.
constexpr qint64 staleAfterSeconds = 60 * 60;

}  // namespace

int removeStaleTemporaryFiles(const QString& folder, const QDateTime& now) {
    const QDir dir(folder);
    const qint64 staleBefore = (now.toMSecsSinceEpoch() - staleAfterSeconds * 1000) * 1000000;
    int removed = 0;
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!isTemporaryFileName(name)) continue;
        const QString path = dir.filePath(name);
        const FileState state = fileState(path);
        if (state.regular && state.changedAt < staleBefore && removeRegularFile(path)) ++removed;
    }
    return removed;
}
