// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

#include "game/hall_of_fame.h"
#include "saves/file_names.h"

// The hall of fame's file in the Saves folder: UTF-8 comma-separated values,
// a header line, then one line a career, the same bytes under every
// language. Names are quoted as CSV requires; levels are the files' words,
// money as the save file writes it, the last time played in UTC, and the
// matches after which a career first ended (0 for none). A file written
// before that last column is read as well.

QByteArray hallOfFameBytes(const std::vector<FameEntry>& entries);

// The file as read: the careers of every line that reads, and whether some
// line did not (or the file could not be read at all, or not to its end).
// It is read a row at a time, every good row kept however large the file.
struct HallOfFameReading {
    std::vector<FameEntry> entries;
    bool damaged = false;
};

HallOfFameReading hallOfFameFromBytes(QByteArrayView bytes);

// Reads the file, never through a link, opening nothing but a regular file;
// a missing file is an empty hall of fame.
HallOfFameReading readHallOfFame(const QString& path);

// What taking careers into the file came to.
struct HallOfFameUpdate {
    // The file itself, for the player's notices.
    QString file;
    std::vector<FameEntry> entries;
    // Where a damaged file was set aside before being written afresh (or
    // where the same bytes were set aside already), and how many careers
    // could be read from it.
    QString setAsideTo;
    std::size_t readFromDamaged = 0;
    // Why the file could not be written, or set aside.
    std::optional<QString> failure;
};

// Reads the file, takes the careers in (remember()), and writes it back in
// one step, as the saves are written. A damaged file is first set aside
// under a name of its own, so nothing it held is lost; the lines that did
// read come along. A file that cannot be set aside is not replaced.
// Two copies of the game ending careers at once must not each write back
// what it read, the last one losing the other's career: the reading, the
// change and the writing are done under the file's lock ("hall_of_fame.csv.lock",
// the same lock of the system as a save's), waited for while another copy
// holds it; and a file that another program changed after it was read
// (one that takes no lock) is read again before it is replaced.
HallOfFameUpdate rememberInHallOfFame(const QString& path, const std::vector<FameEntry>& careers);
