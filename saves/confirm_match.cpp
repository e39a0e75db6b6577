#include "saves/confirm_match.h"

#include <QDir>

#include "game/career.h"
#include "game/match.h"
#include "saves/career_file.h"
#include "saves/save_file_io.h"

std::optional<SaveFailure> saveCareer(const Career& career, const QString& folder) {
    const auto error = writeSaveFile(folder, career.saveFileName, saveFileOf(career));
    if (!error) return std::nullopt;
    return SaveFailure{QDir::toNativeSeparators(folder + QLatin1Char('/') + career.saveFileName),
                       *error};
}

ConfirmedMatch confirmMatch(Career& career, const MatchPerformance& match,
                            const QString& savesFolder) {
    ConfirmedMatch confirmed;
    confirmed.award = applyMatch(career, match);
    if (career.autoSave) confirmed.saveFailure = saveCareer(career, savesFolder);
    return confirmed;
}
