// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/install_location.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The canonical form of an absolute folder, or its cleaned form when it does
// not exist (a prefix the game was never installed to); empty for a relative
// or empty one, which names no place of its own.
QString canonicalFolder(const QString& folder) {
    if (folder.isEmpty() || QDir::isRelativePath(folder)) return QString();
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(folder) : canonical;
}

bool isUnder(const QString& folder, const QString& ancestor) {
    if (folder == ancestor) return true;
    const QString withSeparator =
        ancestor.endsWith(QLatin1Char('/')) ? ancestor : ancestor + QLatin1Char('/');
    return folder.startsWith(withSeparator);
}

}  // namespace

InstallLayout builtLayout() {
    return {QStringLiteral(BAILCREST_INSTALL_PREFIX), QStringLiteral(BAILCREST_CHARTS_FOLDER)};
}

bool isInstalled(const QString& programFolder, const InstallLayout& layout) {
    const QString program = canonicalFolder(programFolder);
    const QString prefix = canonicalFolder(layout.prefix);
    return !program.isEmpty() && !prefix.isEmpty() && isUnder(program, prefix);
}

QString folderForSavesBesideTheProgram(const QString& programFolder, const InstallLayout& layout) {
    if (canonicalFolder(programFolder).isEmpty() || isInstalled(programFolder, layout))
        return QString();
    return programFolder;
}

QString chartsModuleFolder(const QString& programFolder, const InstallLayout& layout) {
    if (canonicalFolder(programFolder).isEmpty()) return QString();
    if (isInstalled(programFolder, layout)) return layout.chartsFolder;
    return programFolder;
}
