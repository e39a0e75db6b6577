// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// How the game names the files of a career, in one place: the save file
// ends in ".bsg"; its history ("raj_auto.history.csv") and its lock
// ("raj_auto.bsg.lock") lie beside it and are named after it.

// The ending of every save file, which the Load dialog lists.
inline const QString saveFileEnding = QStringLiteral(".bsg");
// The ending of a history file, after the save file's name without its own.
inline const QString historyFileEnding = QStringLiteral(".history.csv");

// The history file that goes with a save file.
QString historyFilePath(const QString& saveFilePath);

// The lock file of a save file.
QString lockFilePath(const QString& saveFilePath);
