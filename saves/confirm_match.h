#pragma once

#include <QString>
#include <optional>

#include "saves/history_file.h"
#include "saves/save_claim.h"
#include "saves/saves_folder.h"

struct Career;
struct MatchPerformance;
class CareerHistory;

// A save that did not complete: the file it was meant to replace, as the
// player's system writes paths, and why it failed. The earlier file, if there
// is one, is unchanged.
struct SaveFailure {
    QString path;
    QString reason;
};

// Where one career keeps its files while it is played: the saves folder
// chosen when it started, and how its history file stands.
struct CareerFiles {
    SaveTarget target;
    HistoryFile history;
    // Whether the career may write its save file, and its lock.
    SaveClaim claim;
};

// What confirming a match came to.
struct ConfirmedMatch {
    // The performance award the match earned (0 for none).
    double award = 0;
    std::optional<SaveFailure> saveFailure;
    // Why the history file could not be kept, the first time it could not.
    std::optional<QString> historyFailure;
};

// OK on a played match: applies it to the career and adds its row to the
// history; then, with auto-save on, writes the career to its save file in the
// career's saves folder and, once that is done, brings its history file up
// to date. With auto-save off, or when the career does not save in this game
// (SaveClaim), nothing is written and no folder is created; a file there that
// is not the career's own is replaced only as SaveClaim allows.
ConfirmedMatch confirmMatch(Career& career, CareerHistory& history, const MatchPerformance& match,
                            CareerFiles& files);

// Writes the career to its save file in the folder; the failure, if any.
std::optional<SaveFailure> saveCareer(const Career& career, const QString& folder);
