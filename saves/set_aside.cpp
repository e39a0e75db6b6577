// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/set_aside.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "game/shown_numbers.h"
#include "saves/file_system.h"

namespace {

// Enough tries for every set-aside of one second, and a bound on a folder
// that refuses them all.
constexpr int maxTries = 1000;

QString noFreeName() {
    return QCoreApplication::translate("SaveFile", "no free name was found to keep it aside");
}

}  // namespace

SetAside setAsideFile(const QString& path, const QString& ending, const QDateTime& when) {
    if (auto refusal = writeRefusal(path)) return {QString(), refusal};
    for (int n = 1; n <= maxTries; ++n) {
        const QString aside = setAsideName(path, ending, when, n);
        if (pathTaken(aside)) continue;
        const auto failure = moveWithoutReplacing(path, aside);
        if (!failure) return {aside, std::nullopt};
        if (!pathTaken(aside)) return {QString(), failure};
    }
    return {QString(), noFreeName()};
}

SetAside setAsideCareer(const QString& savePath, const QDateTime& when) {
    const QString history = historyFilePath(savePath);
    for (int n = 1; n <= maxTries; ++n) {
        const QString saveAside = setAsideName(savePath, saveFileEnding, when, n);
        const QString historyAside = historyFilePath(saveAside);
        if (pathTaken(saveAside) || pathTaken(historyAside)) continue;
        if (auto refusal = writeRefusal(savePath)) return {QString(), refusal};
        const bool withHistory = pathTaken(history);
        if (withHistory) {
            if (auto refusal = writeRefusal(history)) return {QString(), refusal};
            if (const auto failure = moveWithoutReplacing(history, historyAside)) {
                if (pathTaken(historyAside)) continue;
                return {QString(), failure};
            }
        }
        const auto failure = moveWithoutReplacing(savePath, saveAside);
        if (!failure) return {saveAside, std::nullopt};
        // The save stays where it was, and its history goes back beside it.
        if (withHistory) {
            if (const auto undone = moveWithoutReplacing(historyAside, history)) {
                return {QString(), QCoreApplication::translate(
                                       "SaveFile", "%1; its history is left set aside as %2: %3")
                                       .arg(*failure, shownPath(historyAside), *undone)};
            }
        }
        if (pathTaken(saveAside)) continue;
        return {QString(), failure};
    }
    return {QString(), noFreeName()};
}

SetAside setAsideHistory(const QString& historyPath, const QString& saveKeptAs) {
    if (!saveKeptAs.isEmpty()) {
        const QString beside = historyFilePath(saveKeptAs);
        if (auto refusal = writeRefusal(historyPath)) return {QString(), refusal};
        if (!pathTaken(beside) && !moveWithoutReplacing(historyPath, beside))
            return {beside, std::nullopt};
    }
    return setAsideFile(historyPath, setAsideHistoryEnding);
}

QStringList setAsideFilesOf(const QString& path, const QString& ending) {
    QStringList found;
    const QDir folder = QFileInfo(path).dir();
    for (const QString& name :
         folder.entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name)) {
        if (isSetAsideNameOf(name, path, ending)) found += folder.filePath(name);
    }
    return found;
}
