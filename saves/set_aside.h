// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

#include "saves/file_names.h"

// Files the game keeps aside instead of replacing them: another career's save
// and history found where a new career saves, or a history file some of whose
// rows were left out at Load. Each one gets a name of its own beside the file,
// made of the time it was set aside and, when that name is taken, a number,
// so no set-aside ever takes the place of an earlier one:
// "raj_auto.bsg" is kept as "raj_auto.old-20260412-183005.bsg" (which the
// Load dialog lists, so the career can be played again), and its history
// "raj_auto.history.csv" as "raj_auto.old-20260412-183005.history.csv",
// beside it.

// Moves the file at the path aside under a name no file has, never replacing
// one; the new path, or the reason it could not be moved.
struct SetAside {
    QString path;
    std::optional<QString> failure;
};
SetAside setAsideFile(const QString& path, const QString& ending,
                      const QDateTime& when = QDateTime::currentDateTime());

// A save file and the history file beside it, moved aside together under
// names that go together, so the set-aside career loads with its history.
// Both or neither: the history is moved first, and moved back should the
// save then fail to move, so that the career never finds a history of
// another career, nor loses its own.
SetAside setAsideCareer(const QString& savePath,
                        const QDateTime& when = QDateTime::currentDateTime());

// A history file kept aside when the save beside it was kept aside just
// before (both changed by another program: a career's pair of files put
// back from a copy, say): it goes beside the save's set-aside under the name
// Load reads with it, so the career kept loads with its history. Under a
// name of its own, as setAsideFile() gives it, when no save was kept aside
// or that name is taken.
SetAside setAsideHistory(const QString& historyPath, const QString& saveKeptAs = {});

// The files set aside from the file at the path, by name.
QStringList setAsideFilesOf(const QString& path, const QString& ending);

// A file of the game's that another program changed since the game last
// read or wrote it, kept aside before the game writes in its place.
struct KeptFile {
    QString file;
    QString keptAs;
};
