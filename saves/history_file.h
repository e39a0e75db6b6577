// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstddef>
#include <optional>

#include "game/history.h"
#include "saves/file_names.h"
#include "saves/file_stamp.h"
#include "saves/set_aside.h"

// A career's history file: beside its save file and named after it
// ("raj_auto.bsg" keeps "raj_auto.history.csv"); saves/history_csv.h tells
// what its text holds.

// What of a history file was left out when it was read.
struct HistoryLeftOut {
    // Rows that could not be read.
    int damagedRows = 0;
    // Rows that do not belong to the career.
    int foreignRows = 0;
    // The file could not be read at all.
    bool unreadable = false;
    // It could not, being larger than any career could fill.
    bool tooLarge = false;
    // The row of the match after the save's last: the game stopped once the
    // row was written and before the save was. The match was never saved,
    // so its row is dropped, as the row of a match not played.
    int unsavedRows = 0;
    // The file as it stood when read, when every row of it was read and its
    // last line is whole: the first write goes on from it without reading it
    // again, while it stays as it was.
    QString readFrom{};
    FileStamp readAs{};
    std::size_t rowsRead = 0;

    // Whether rows of the file are missing from the history, or may be.
    bool any() const { return damagedRows > 0 || foreignRows > 0 || unreadable; }
};

// A history file as read: the history of the career, and what was left out.
struct HistoryReading {
    CareerHistory history;
    HistoryLeftOut leftOut;
};

// The history of a career just loaded, read from its history file. Rows that
// cannot be read are skipped, and so are rows that cannot belong to this
// career (the file of another career that once had the same file name); a
// line cut off at the end (a crash while it was written) is dropped without
// a word, and so is the row of a match the save file does not hold yet (a
// crash between the row and the save). The history tells from which match on it is known; a missing
// file gives an empty history kept from the career's next match. Never fails: whatever the file
// holds, the career loads.
HistoryReading readHistory(const QString& path, const Career& loaded);

// The same from the bytes of a history file already read.
HistoryReading historyFromBytes(QByteArrayView bytes, const Career& loaded);

// Writes the whole history as a file of its own, replacing any earlier one in
// a single step; the reason of a failure.
std::optional<QString> writeHistoryFile(const QString& path, const CareerHistory& history);

// Keeps the history file of a career in play up to date with each match,
// before its save: the first time, the file is written whole from the
// history so far (so that a career loaded from elsewhere takes its history
// along), unless it holds the start of the history already, row for row, as
// the file a career was loaded from does; after that the rows the file does
// not hold yet, normally the newest alone, are appended and flushed. A file found there that is not
// the start of this history (another career's of the same name, one whose rows the history left out
// when it was read, one that could not be read at all), and one that another program changed since
// this game last wrote it, is not lost: it is kept as it was under a set-aside name of its own
// before the file is written whole. A link or anything but a regular file at the path is never
// written through nor replaced. A write that fails is tried again at the
// next match, a row it cut off cut back first; the player is told once. It
// never touches the save file.
class HistoryFile {
  public:
    HistoryFile() = default;
    // For a history read from the file with rows left out: the file is
    // set aside before the first write.
    explicit HistoryFile(HistoryLeftOut leftOutWhenRead) : leftOutWhenRead_(leftOutWhenRead) {}

    const HistoryLeftOut& leftOutWhenRead() const { return leftOutWhenRead_; }

    // Brings the file at the path up to the history, whose last row is the
    // match about to be saved. Gives the reason the first time it fails, and
    // nothing while it goes on failing. When the save was kept aside right
    // before, as `saveKeptAs`, a file set aside goes beside it, as a pair
    // (setAsideHistory()).
    std::optional<QString> write(const QString& path, const CareerHistory& history,
                                 const QString& saveKeptAs = {});

    // The last failure was not told (the save it went with failed, and was
    // told instead): the next failure is told.
    void forgetFailure() { failing_ = false; }
    // The file the last write() set aside, if it did.
    const std::optional<KeptFile>& keptAside() const { return kept_; }

  private:
    std::optional<QString> writeFirst(const QString& path, const CareerHistory& history);
    std::optional<QString> setAside(const QString& path);
    std::optional<QString> writeWhole(const QString& path, const CareerHistory& history);
    std::optional<QString> appendNewRows(const QString& path, const CareerHistory& history);

    // The file last brought up to the history, how many rows it holds and
    // what it held as written, to tell whether it is still as it was left.
    QString writtenTo_;
    std::size_t rowsWritten_ = 0;
    FileStamp written_;
    bool failing_ = false;
    std::optional<KeptFile> kept_;
    QString saveKeptAs_;
    HistoryLeftOut leftOutWhenRead_;
};
