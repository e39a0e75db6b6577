// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the game was built to be installed: its prefix and the folder its
// charts module goes to, both absolute and fixed when the game is built.
struct InstallLayout {
    QString prefix;
    QString chartsFolder;
};

// The layout this game was built for.
InstallLayout builtLayout();

// Whether a game whose executable lies in `programFolder` is installed: the
// folder lies under the prefix it was built for, compared by canonical path,
// so that a link or ".." leads nowhere else. A copy anywhere else (the build
// tree, an unpacked folder) is not.
bool isInstalled(const QString& programFolder, const InstallLayout& layout);

// The folder beside which the game may keep its Saves: its own folder for a
// copy outside any install; none for an installed game, which never writes
// under its prefix, nor for a game that does not know where it lies.
QString folderForSavesBesideTheProgram(const QString& programFolder, const InstallLayout& layout);

// The one folder the charts module may be loaded from, absolute: the folder
// the game installed it to, or, for a copy outside any install, the copy's
// own folder. Empty (load none) when the game does not know its own folder,
// so that nothing is ever looked up relative to the current directory.
QString chartsModuleFolder(const QString& programFolder, const InstallLayout& layout);
