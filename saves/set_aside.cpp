// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/set_aside.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "saves/file_names.h"
#include "saves/regular_file.h"

namespace {

QString stemOf(const QString& path, const QString& ending) {
    return path.endsWith(ending, Qt::CaseInsensitive) ? path.chopped(ending.size()) : path;
}

QString endingOf(const QString& path, const QString& ending) {
    return path.endsWith(ending, Qt::CaseInsensitive) ? path.right(ending.size()) : QString();
}

bool taken(const QString& path) {
    return QFileInfo::exists(path) || QFileInfo(path).isSymLink();
}

// Enough tries for every set-aside of one second, and a bound on a folder
// that refuses them all.
constexpr int maxTries = 1000;

}  // namespace

QString setAsideName(const QString& path, const QString& ending, const QDateTime& when, int n) {
    QString name = stemOf(path, ending) + QStringLiteral(".old-") +
                   when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (n > 1) name += QLatin1Char('-') + QString::number(n);
    return name + endingOf(path, ending);
}

SetAside setAsideFile(const QString& path, const QString& ending, const QDateTime& when) {
    if (auto refusal = writeRefusal(path)) return {QString(), refusal};
    for (int n = 1; n <= maxTries; ++n) {
        const QString aside = setAsideName(path, ending, when, n);
        if (taken(aside)) continue;
        // QFile::rename never replaces a file that is there.
        QFile file(path);
        if (file.rename(aside)) return {aside, std::nullopt};
        if (!taken(aside)) return {QString(), file.errorString()};
    }
    return {QString(),
            QCoreApplication::translate("SaveFile", "no free name was found to keep it aside")};
}

SetAside setAsideCareer(const QString& savePath, const QDateTime& when) {
    const QString history = historyFilePath(savePath);
    for (int n = 1; n <= maxTries; ++n) {
        const QString saveAside = setAsideName(savePath, saveFileEnding, when, n);
        const QString historyAside = historyFilePath(saveAside);
        if (taken(saveAside) || taken(historyAside)) continue;
        if (auto refusal = writeRefusal(savePath)) return {QString(), refusal};
        if (taken(history)) {
            if (auto refusal = writeRefusal(history)) return {QString(), refusal};
            QFile file(history);
            if (!file.rename(historyAside)) {
                if (taken(historyAside)) continue;
                return {QString(), file.errorString()};
            }
        }
        QFile file(savePath);
        if (file.rename(saveAside)) return {saveAside, std::nullopt};
        if (taken(saveAside)) continue;
        return {QString(), file.errorString()};
    }
    return {QString(),
            QCoreApplication::translate("SaveFile", "no free name was found to keep it aside")};
}

QStringList setAsideFilesOf(const QString& path, const QString& ending) {
    const QFileInfo info(path);
    const QString stem = stemOf(info.fileName(), ending) + QStringLiteral(".old-");
    QStringList found;
    const QDir folder = info.dir();
    for (const QString& name :
         folder.entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name)) {
        if (name.startsWith(stem) && name.endsWith(ending, Qt::CaseInsensitive) &&
            name.size() > stem.size() + ending.size()) {
            found += folder.filePath(name);
        }
    }
    return found;
}
