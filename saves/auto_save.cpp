// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/auto_save.h"

#include "game/start_career.h"
#include "saves/file_names.h"

QString autoSaveFileName(const QString& playerName) {
    QString stem = playerName.left(5).toLower();
    for (QChar& c : stem) {
        const bool forbidden =
            c.unicode() < 0x20 || c.unicode() == 0x7f || QStringLiteral("/\\:*?\"<>|").contains(c);
        if (forbidden) c = QLatin1Char('_');
    }
    // A leading dot would hide the file, and the Load dialog would not list it.
    if (stem.startsWith(QLatin1Char('.'))) stem[0] = QLatin1Char('_');
    return stem + QStringLiteral("_auto") + saveFileEnding;
}

AutoSave autoSaveOf(const PlayerDetails& details) {
    return AutoSave{details.autoSave, autoSaveFileName(details.name)};
}
