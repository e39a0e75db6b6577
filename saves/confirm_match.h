#pragma once

#include <QString>
#include <optional>

struct Career;
struct MatchPerformance;

// A save that did not complete: the file it was meant to replace, as the
// player's system writes paths, and why it failed. The earlier file, if there
// is one, is unchanged.
struct SaveFailure {
    QString path;
    QString reason;
};

// What confirming a match came to.
struct ConfirmedMatch {
    // The performance award the match earned (0 for none).
    double award = 0;
    std::optional<SaveFailure> saveFailure;
};

// OK on a played match: applies it to the career and then, with auto-save
// on, writes the career to its save file in the saves folder. With auto-save
// off nothing is written and no folder is created.
ConfirmedMatch confirmMatch(Career& career, const MatchPerformance& match,
                            const QString& savesFolder);

// Writes the career to its save file in the folder; the failure, if any.
std::optional<SaveFailure> saveCareer(const Career& career, const QString& folder);
