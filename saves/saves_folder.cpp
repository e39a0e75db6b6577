#include "saves/saves_folder.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString savesName = QStringLiteral("/Saves");

bool canHoldSaves(const QString& programFolder) {
    if (programFolder.isEmpty()) return false;
    const QFileInfo saves(programFolder + savesName);
    if (saves.exists()) return saves.isDir() && saves.isWritable();
    const QFileInfo program(programFolder);
    return program.isDir() && program.isWritable();
}

}  // namespace

QString savesFolder(const QString& programFolder) {
    if (canHoldSaves(programFolder)) return programFolder + savesName;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + savesName;
}
