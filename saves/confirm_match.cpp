#include "saves/confirm_match.h"

#include <QDir>

#include "game/career.h"
#include "game/history.h"
#include "game/match.h"
#include "saves/career_file.h"
#include "saves/save_file_io.h"

std::optional<SaveFailure> saveCareer(const Career& career, const QString& folder) {
    const auto error = writeSaveFile(folder, career.saveFileName, saveFileOf(career));
    if (!error) return std::nullopt;
    return SaveFailure{QDir::toNativeSeparators(folder + QLatin1Char('/') + career.saveFileName),
                       *error};
}

ConfirmedMatch confirmMatch(Career& career, CareerHistory& history, const MatchPerformance& match,
                            CareerFiles& files) {
    ConfirmedMatch confirmed;
    confirmed.award = applyMatch(career, match);
    history.append(takeHistoryRow(career, match, confirmed.award));
    if (!career.autoSave || files.claim.savingOff()) return confirmed;
    const QString saved = files.target.folder + QLatin1Char('/') + career.saveFileName;
    if (const auto refusal = files.claim.prepareToWrite(saved)) {
        confirmed.saveFailure = SaveFailure{QDir::toNativeSeparators(saved), *refusal};
        return confirmed;
    }
    confirmed.saveFailure = saveCareer(career, files.target.folder);
    if (!confirmed.saveFailure) {
        files.claim.written(saved);
        confirmed.historyFailure = files.history.keep(historyFilePath(saved), history);
    }
    return confirmed;
}
