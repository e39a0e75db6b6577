// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

#include "game/career.h"
#include "game/career_summary.h"
#include "saves/file_names.h"
#include "saves/hall_of_fame_file.h"

// The careers a Saves folder holds, as the Load list shows them: read from
// the save files alone, a few kilobytes each, so that a folder of hundreds
// lists at once.

struct SavedCareer {
    enum class Kind {
        // A career's own save file.
        career,
        // A career's save set aside when another took its file's name.
        setAside,
        // A file of the Saves folder's pattern that holds no career the game
        // can load: listed with the reason, never opened again.
        notACareer,
    };
    Kind kind = Kind::notACareer;
    QString path;
    QString fileName;
    // Why a file is no career, in the player's language.
    QString reason;
    // The career as its save holds it, for the other kinds.
    Career career;
    // Its totals, as the record book in the file tells them.
    CareerSummary summary;
    // The career ended where its save left it, as the hall of fame remembers.
    bool ended = false;
    // The career ended, and was loaded again and played on past its end.
    bool playedOnAfterItsEnd = false;
    // When the save was last written.
    QDateTime lastPlayed;
    // Listed from a Saves folder the game can no longer write to.
    bool inReadOnlyFolder = false;
};

// One file of the folder, looked at as the list looks at it: a link is never
// followed, and nothing but a regular file is opened.
SavedCareer readSavedCareer(const QString& path);

// Every file of the folder that ends in ".bsg", by name, with the careers the
// hall of fame file beside them remembers as ended marked so (a set-aside
// copy of one among them), and those it remembers as ended and played on
// since.
std::vector<SavedCareer> listSavedCareers(const QString& folder);

// How many of the folder's files named like a save the system spells in
// bytes that are no text: the file dialog, which lists names as text, cannot
// show them.
qsizetype unspeltSaveFiles(const QString& folder);

// The hall of fame of the folder, its file brought up to every career saved
// there now (set-asides among them): the figures of those going on are
// taken in, ended careers keep theirs, and careers whose files are gone stay.
// Nothing is written in a folder that does not exist.
HallOfFameUpdate rememberSavedCareers(const QString& folder);

// The hall of fame of a folder the game cannot write to, as
// rememberSavedCareers() would bring it up to the careers saved there, with
// nothing written: the careers of every row that reads.
std::vector<FameEntry> readOnlyHallOfFame(const QString& folder);
