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

std::vector<SavedCareer> listSavedCareers(const QString& folder) {
    const QDir dir(folder);
    // Links, pipes and the like are listed too, each with the reason it is
    // not opened.
    const QStringList names = dir.entryList(
        {QLatin1Char('*') + saveFileEnding},
        QDir::Files | QDir::System | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    const std::vector<FameEntry> remembered = readHallOfFame(hallOfFamePath(folder)).entries;
    std::vector<SavedCareer> careers;
    careers.reserve(static_cast<std::size_t>(names.size()));
    for (const QString& name : names) {
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

HallOfFameUpdate rememberSavedCareers(const QString& folder) {
    const QString path = hallOfFamePath(folder);
    if (!QFileInfo(folder).isDir()) {
        HallOfFameUpdate update;
        update.file = path;
        update.entries = readHallOfFame(path).entries;
        return update;
    }
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
    return rememberInHallOfFame(path, careers);
}
