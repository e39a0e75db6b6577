// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/saved_careers.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "game/hall_of_fame.h"
#include "saves/career_file.h"
#include "saves/file_names.h"
#include "saves/file_system.h"
#include "saves/hall_of_fame_file.h"
#include "saves/save_file.h"

SavedCareer readSavedCareer(const QString& path) {
    SavedCareer saved;
    const QFileInfo info(path);
    saved.path = path;
    saved.fileName = info.fileName();
    const BoundedRead read = readBounded(path, maxSaveFileBytes);
    if (read.outcome != BoundedRead::Outcome::read) {
        saved.reason = read.outcome == BoundedRead::Outcome::missing
                           ? QCoreApplication::translate("SaveFile", "it is no longer there")
                           : read.reason;
        return saved;
    }
    const SaveFileReading reading = decodeSaveFile(read.bytes, read.whole);
    if (!reading.file) {
        saved.reason = reading.error;
        return saved;
    }
    saved.kind =
        setAsideFrom(saved.fileName) ? SavedCareer::Kind::setAside : SavedCareer::Kind::career;
    saved.career = careerInSave(*reading.file);
    saved.summary = summarise(saved.career, CareerHistory({}, careerMatches(saved.career) + 1));
    saved.lastPlayed = info.lastModified();
    return saved;
}

namespace {

// A file whose name the system spells in bytes that are no text: the path
// the game holds leads elsewhere, so the file is never opened, nor a file
// written beside it under that name.
SavedCareer unspeltSave(const QString& path) {
    SavedCareer saved;
    saved.path = path;
    saved.fileName = QFileInfo(path).fileName();
    saved.reason = QCoreApplication::translate(
        "SaveFile",
        "its name is not text this system can spell back, so the game cannot open it safely; "
        "rename it to load it");
    return saved;
}

}  // namespace

std::vector<SavedCareer> listSavedCareers(const QString& folder) {
    const QDir dir(folder);
    // Links, pipes and the like are listed too, each with the reason it is
    // not opened, and so is a name that is not text.
    std::vector<FolderEntry> entries = folderEntries(folder, saveFileEnding);
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    const std::vector<FameEntry> remembered = readHallOfFame(hallOfFamePath(folder)).entries;
    std::vector<SavedCareer> careers;
    careers.reserve(entries.size());
    for (const FolderEntry& entry : entries) {
        const QString& name = entry.name;
        if (!entry.spelledBack) {
            careers.push_back(unspeltSave(dir.filePath(name)));
            continue;
        }
        SavedCareer saved = readSavedCareer(dir.filePath(name));
        if (saved.kind != SavedCareer::Kind::notACareer) {
            // The hall of fame remembers a career by the file it saved to,
            // which a set-aside copy was kept from.
            const QString savedTo = setAsideFrom(name).value_or(name);
            const auto any = [&](auto which) {
                return std::any_of(remembered.begin(), remembered.end(), [&](const auto& e) {
                    return which(e, savedTo, saved.career.player, saved.summary.matches);
                });
            };
            saved.ended = any(endedWith);
            saved.playedOnAfterItsEnd = !saved.ended && any(playedOnAfterItsEnd);
        }
        careers.push_back(std::move(saved));
    }
    return careers;
}

qsizetype unspeltSaveFiles(const QString& folder) {
    const std::vector<FolderEntry> entries = folderEntries(folder, saveFileEnding);
    return std::count_if(entries.begin(), entries.end(),
                         [](const FolderEntry& entry) { return !entry.spelledBack; });
}

namespace {

// The careers saved in the folder as the hall of fame takes them in.
std::vector<FameEntry> careersToRemember(const QString& folder) {
    std::vector<FameEntry> careers;
    for (const SavedCareer& saved : listSavedCareers(folder)) {
        // An ended career keeps the place it has; a set-aside copy of it is
        // no second career.
        if (saved.kind == SavedCareer::Kind::notACareer || saved.ended) continue;
        // A set-aside copy is remembered by the file it was kept from, as the
        // career it is.
        careers.push_back(fameEntryOf(saved.summary,
                                      setAsideFrom(saved.fileName).value_or(saved.fileName),
                                      saved.lastPlayed));
    }
    return careers;
}

}  // namespace

HallOfFameUpdate rememberSavedCareers(const QString& folder) {
    const QString path = hallOfFamePath(folder);
    if (!QFileInfo(folder).isDir()) {
        HallOfFameUpdate update;
        update.file = path;
        update.entries = readHallOfFame(path).entries;
        return update;
    }
    return rememberInHallOfFame(path, careersToRemember(folder));
}

std::vector<FameEntry> readOnlyHallOfFame(const QString& folder) {
    std::vector<FameEntry> entries = readHallOfFame(hallOfFamePath(folder)).entries;
    for (const FameEntry& career : careersToRemember(folder)) remember(entries, career);
    return entries;
}
