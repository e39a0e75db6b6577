// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/saves_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "saves/file_system.h"

namespace {

const QString savesName = QStringLiteral("/Saves");

bool canHoldSaves(const QString& programFolder) {
    if (programFolder.isEmpty()) return false;
    const QString saves = programFolder + savesName;
    return folderTakesFiles(QFileInfo::exists(saves) ? saves : programFolder);
}

// One folder reached by two paths (a link, "..") is the same folder.
bool sameFolder(const QString& one, const QString& other) {
    const QString oneReal = QFileInfo(one).canonicalFilePath();
    return !oneReal.isEmpty() && oneReal == QFileInfo(other).canonicalFilePath();
}

}  // namespace

QString usersSavesFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString current = data + QStringLiteral("/bailcrest") + savesName;
    const QString earlier = data + QStringLiteral("/Bailcrest") + savesName;
    if (!QFileInfo::exists(current) && QFileInfo(earlier).isDir()) return earlier;
    return current;
}

QString savesFolder(const QString& programFolder) {
    if (canHoldSaves(programFolder)) return programFolder + savesName;
    return usersSavesFolder();
}

QString readOnlySavesFolder(const QString& programFolder) {
    if (programFolder.isEmpty()) return {};
    const QString saves = programFolder + savesName;
    return QFileInfo(saves).isDir() && !folderTakesFiles(saves) ? saves : QString();
}

QString hallOfFameFolder(const QString& programFolder, const QString& careerFolder) {
    return careerFolder.isEmpty() ? savesFolder(programFolder) : careerFolder;
}

SaveTarget saveTarget(const QString& programFolder, const QString& loadedFromFolder) {
    const bool refused = !programFolder.isEmpty() && !canHoldSaves(programFolder);
    if (!loadedFromFolder.isEmpty() && sameFolder(loadedFromFolder, usersSavesFolder())) {
        return {usersSavesFolder(), refused, {}};
    }
    return {savesFolder(programFolder), refused, {}};
}
