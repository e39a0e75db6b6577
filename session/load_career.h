// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "game/career.h"
#include "game/start_career.h"
#include "saves/auto_save.h"
#include "saves/history_file.h"
#include "saves/saves_folder.h"

class RandomSource;

// A career read from its save file, as Load reads it: the player's details
// for the player screen, the career with a club drawn for it, how it saves
// itself, where, and its history from the history file beside the save.
struct LoadedCareer {
    PlayerDetails details;
    Career career;
    AutoSave autoSave;
    SaveTarget target;
    HistoryReading history;
};

// The career, or why the file could not be read as one (a sentence for the
// player).
struct CareerLoading {
    std::optional<LoadedCareer> loaded;
    QString error;
};

// Loads the career saved at `path`, a regular file, for a game installed in
// `programFolder`: the one way a career is loaded, by Load and by the tools
// and benchmarks that read a saved career.
CareerLoading loadCareer(const QString& path, const QString& programFolder, RandomSource& random);
