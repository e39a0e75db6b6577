// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

// How the game names its files and where it puts them, in one place. A
// career's save file ends in ".bsg"; its history ("raj_auto.history.csv"),
// its lock ("raj_auto.bsg.lock") and its card ("raj_auto.card.png") lie
// beside it and are named after it; the hall of fame is one file of the Saves
// folder. Files set aside gain the time they were set aside, and a file being
// written is a hidden temporary one beside the file it is to replace. The
// Saves folder itself is chosen in saves_folder.h.

// The ending of every save file, which the Load dialog lists.
inline const QString saveFileEnding = QStringLiteral(".bsg");
// The ending of a history file, after the save file's name without its own.
inline const QString historyFileEnding = QStringLiteral(".history.csv");
// A history file some of whose rows were left out at Load is set aside when
// the game replaces it: "raj_auto.history.csv" is kept as
// "raj_auto.history.old-20260412-183005.csv" (set_aside.h).
inline const QString setAsideHistoryEnding = QStringLiteral(".csv");
// The ending the hall of fame is set aside with when it is damaged.
inline const QString setAsideHallOfFameEnding = QStringLiteral(".csv");

// The path of the save file of that name in the folder.
QString saveFilePath(const QString& folder, const QString& fileName);

// The history file that goes with a save file.
QString historyFilePath(const QString& saveFilePath);

// The lock file of a save file.
QString lockFilePath(const QString& saveFilePath);

// The picture of the career card of a save file.
QString cardPicturePath(const QString& saveFilePath);

// A card picture under a name of its own, for a career that is not being
// saved, whose save's name may be another career's: "raj_auto.card.png"
// gains the time it was made ("raj_auto.card-20261209-071500.png") and, as
// the n-th try from the second on, "-<n>".
QString cardPictureOfItsOwn(const QString& saveFilePath, const QDateTime& when, int n);

// The ending a card picture is set aside with.
inline const QString setAsideCardEnding = QStringLiteral(".png");

// The hall of fame's file in the Saves folder.
QString hallOfFamePath(const QString& savesFolder);

// The name of the temporary file (a pattern for QTemporaryFile) written
// beside the file at the path before it takes that file's place: hidden,
// so that the Load dialog does not list it.
QString temporaryFilePattern(const QString& path);

// Whether the name is one the game gives its own temporary files: that
// pattern's, for a file of the game (a save, a history, the hall of fame, a
// card) or the probe of whether a folder takes files.
bool isTemporaryFileName(const QString& fileName);

// The name under which the file at the path would be set aside at the time,
// as the n-th try (1 the first): the part of the name before the given
// ending gains ".old-<date>-<time>" and, from the second try on, "-<n>".
QString setAsideName(const QString& path, const QString& ending, const QDateTime& when, int n);

// The name of the save a set-aside file was kept from ("raj_auto.bsg" for
// "raj_auto.old-20260412-183005.bsg"); nothing for a name of another kind.
std::optional<QString> setAsideFrom(const QString& fileName);

// Whether the file's name is that of a file set aside from the file at the
// path, with the ending.
bool isSetAsideNameOf(const QString& fileName, const QString& path, const QString& ending);
