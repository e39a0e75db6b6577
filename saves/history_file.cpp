// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/history_file.h"

#include <QFile>
#include <QFileInfo>
#include <new>
#include <utility>
#include <vector>

#include "saves/file_stamp.h"
#include "saves/file_system.h"
#include "saves/history_csv.h"
#include "saves/history_row_checks.h"
#include "saves/set_aside.h"

namespace {

// Five times what the longest career could fill (four levels of 32,767
// matches, about a hundred bytes each with the usual names), and a bound on
// what a huge file can cost to load.
constexpr qint64 maxHistoryFileBytes = 64 * 1024 * 1024;

QByteArray wholeFile(const CareerHistory& history) {
    QByteArray bytes = historyHeaderLine();
    // About 120 bytes a row with a short team name.
    bytes.reserve(bytes.size() + static_cast<qsizetype>(history.rows().size()) * 128);
    for (const HistoryRow& row : history.rows()) bytes += historyLine(row);
    return bytes;
}

enum class Opened { missing, unreadable, tooLarge, read };

struct FileBytes {
    Opened opened = Opened::missing;
    QByteArray bytes;
};

// The whole file, read as every file of the game is read: never through a
// link, and never from a pipe, which would keep the load waiting for a
// writer that may never come.
FileBytes readRegularFile(const QString& path) {
    BoundedRead read = readBounded(path, maxHistoryFileBytes + 1);
    switch (read.outcome) {
        case BoundedRead::Outcome::missing:
            return {Opened::missing, {}};
        case BoundedRead::Outcome::read:
            if (read.bytes.size() > maxHistoryFileBytes) return {Opened::tooLarge, {}};
            return {Opened::read, std::move(read.bytes)};
        default:
            return {Opened::unreadable, {}};
    }
}

// The bytes up to the end of the last whole row: a row cut off while it was
// appended ends the file without a line end.
// A file without a line end at all was never written by the game, whose
// whole-file writes take the place of the file in one step.
QByteArrayView withoutTornRow(QByteArrayView bytes) {
    const qsizetype end = bytes.lastIndexOf('\n');
    return end < 0 ? bytes : bytes.first(end + 1);
}

// The bytes without their last whole rows, which a load left out as never
// saved.
QByteArrayView withoutLastRows(QByteArrayView bytes, int rows) {
    for (; rows > 0 && !bytes.isEmpty(); --rows) {
        const qsizetype end = bytes.first(bytes.size() - 1).lastIndexOf('\n');
        bytes = bytes.first(end + 1);
    }
    return bytes;
}

// How many rows of the history the bytes hold, when they are the start of
// its file row for row: the column names and then its first rows, each
// whole.
std::optional<std::size_t> rowsOfHistoryIn(QByteArrayView bytes, const CareerHistory& history) {
    const QByteArray header = historyHeaderLine();
    if (!bytes.startsWith(header)) return std::nullopt;
    bytes = bytes.sliced(header.size());
    std::size_t rows = 0;
    for (; !bytes.isEmpty(); ++rows) {
        if (rows == history.rows().size()) return std::nullopt;
        const QByteArray line = historyLine(history.rows()[rows]);
        if (!bytes.startsWith(line)) return std::nullopt;
        bytes = bytes.sliced(line.size());
    }
    return rows;
}

}  // namespace

HistoryReading readHistory(const QString& path, const Career& loaded) {
    HistoryLeftOut leftOut;
    try {
        const FileBytes file = readRegularFile(path);
        if (file.opened == Opened::read) {
            HistoryReading reading = historyFromBytes(file.bytes, loaded);
            // Rows appended to it read back with the rest: its lines end in
            // line feeds, the last one whole, and none was left out.
            if (!reading.leftOut.any() && reading.leftOut.unsavedRows == 0 &&
                file.bytes.endsWith('\n') && !reading.history.rows().empty()) {
                reading.leftOut.readFrom = path;
                reading.leftOut.readAs = stampOf(path, file.bytes);
                reading.leftOut.rowsRead = reading.history.rows().size();
            }
            return reading;
        }
        leftOut.unreadable = file.opened != Opened::missing;
        leftOut.tooLarge = file.opened == Opened::tooLarge;
    } catch (const std::bad_alloc&) {
        // Short of memory for the history, the career still loads.
        leftOut.unreadable = true;
    }
    return {CareerHistory({}, careerMatches(loaded) + 1), leftOut};
}

HistoryReading historyFromBytes(QByteArrayView bytes, const Career& loaded) {
    const std::int32_t played = careerMatches(loaded);
    // A spreadsheet of old ends its lines with a carriage return alone.
    QByteArray lineFeeds;
    if (!bytes.contains('\n') && bytes.contains('\r')) {
        lineFeeds = bytes.toByteArray();
        lineFeeds.replace('\r', '\n');
        bytes = lineFeeds;
    }
    HistoryLines lines = readHistoryLines(bytes);
    HistoryLeftOut leftOut;
    leftOut.damagedRows = lines.damaged;

    // The rows kept run in match order, from 1 at the most to the career's
    // last match; a row out of order is damaged, one past the career's
    // matches is another career's. A level whose count stands at its 16-bit
    // limit may have played more matches than the counts tell, so its rows
    // go on past them. They are kept in place, so a long history is held once.
    const bool saturated = matchCountSaturated(loaded);
    std::vector<HistoryRow>& rows = lines.rows;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (kept > 0 && rows[i].match <= rows[kept - 1].match) {
            ++leftOut.damagedRows;
        } else if (rows[i].match == played + 1 && i + 1 == rows.size() && kept > 0 &&
                   rows[kept - 1].match == played && !saturated) {
            // The row is written before the save: this one's save never
            // came. Further rows past the save are another story (a save
            // older than its history), and are kept aside with the file.
            ++leftOut.unsavedRows;
        } else if (rows[i].match > played && !saturated) {
            ++leftOut.foreignRows;
        } else {
            if (i != kept) rows[kept] = std::move(rows[i]);
            ++kept;
        }
    }
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(kept), rows.end());
    // Room for the rows left out is given back when it is much.
    if (rows.capacity() - rows.size() > rows.size() / 8) rows.shrink_to_fit();

    // A career is saved right after the row of its match is taken, so the
    // row of its last match holds what the save file holds; and every row,
    // from the first on, names the career's teams, one level after another.
    // Rows of another career mixed in make the whole file another's.
    const bool lastMatchKnown =
        !rows.empty() && (rows.back().match == played || (saturated && rows.back().match > played));
    // Figures changed since the last match (a purchase, a sponsor, a
    // promotion saved with them) leave only the record book to tell: a whole
    // history is the career's when its rows add up to every figure of it.
    if ((lastMatchKnown && !holdsFiguresOf(rows.back(), loaded) &&
         !rowsMakeRecordBook(rows, loaded)) ||
        !rowsAgreeWithCareer(rows, loaded) || !rowsLeadToCareer(rows, loaded)) {
        leftOut.foreignRows += static_cast<int>(rows.size()) + leftOut.unsavedRows;
        leftOut.unsavedRows = 0;
        rows = {};
    }
    const std::int32_t keptFrom = rows.empty() ? played + 1 : rows.front().match;
    return {CareerHistory(std::move(rows), keptFrom), leftOut};
}

std::optional<QString> writeHistoryFile(const QString& path, const CareerHistory& history) {
    return replaceFile(path, wholeFile(history));
}

std::optional<QString> HistoryFile::write(const QString& path, const CareerHistory& history,
                                          const QString& saveKeptAs) {
    kept_.reset();
    saveKeptAs_ = saveKeptAs;
    const std::optional<QString> failure =
        path == writtenTo_ && rowsWritten_ <= history.rows().size() ? appendNewRows(path, history)
                                                                    : writeFirst(path, history);
    // Tried again at the next match; the player hears of it once.
    const bool toldAlready = failing_;
    failing_ = failure.has_value();
    return toldAlready ? std::nullopt : failure;
}

// The first write of a file replaces whatever was there, or, when that is
// the start of the history row for row (the file the career was loaded
// from), goes on from it; rows that the history left out of it when it was
// read are kept in a file set aside under a name of its own, and only once
// it is there is the new file written.
std::optional<QString> HistoryFile::writeFirst(const QString& path, const CareerHistory& history) {
    const bool rowsLeftOut = leftOutWhenRead_.any();
    if (auto refusal = writeRefusal(path)) return refusal;
    bool holdsOtherBytes = rowsLeftOut;
    const HistoryLeftOut& read = leftOutWhenRead_;
    if (!rowsLeftOut && read.readAs.exists && read.rowsRead <= history.rows().size() &&
        QFileInfo(read.readFrom) == QFileInfo(path) && stillAsStamped(path, read.readAs)) {
        // The file the history was read from, as it was read.
        writtenTo_ = path;
        rowsWritten_ = read.rowsRead;
        written_ = read.readAs;
        return appendNewRows(path, history);
    }
    if (!rowsLeftOut && pathTaken(path)) {
        // A file that holds anything but the start of the history about to
        // be written (left by another career of the same file name, or
        // re-saved by a spreadsheet) is set aside as well; the file this
        // history was read from, short of the match just played, is gone
        // on from, and with the end of a row cut off while it was written
        // or the row of a match never saved, is simply replaced.
        const FileBytes found = readRegularFile(path);
        const QByteArrayView start =
            found.opened == Opened::read
                ? withoutLastRows(withoutTornRow(found.bytes), leftOutWhenRead_.unsavedRows)
                : QByteArrayView();
        const std::optional<std::size_t> rowsThere =
            found.opened == Opened::read ? rowsOfHistoryIn(start, history) : std::nullopt;
        if (rowsThere && start.size() == found.bytes.size()) {
            writtenTo_ = path;
            rowsWritten_ = *rowsThere;
            written_ = stampOf(path, found.bytes);
            return appendNewRows(path, history);
        }
        holdsOtherBytes =
            !rowsThere && (found.opened != Opened::read || !wholeFile(history).startsWith(start));
    }
    if (holdsOtherBytes && pathTaken(path)) {
        if (auto failure = setAside(path)) return failure;
    }
    return writeWhole(path, history);
}

std::optional<QString> HistoryFile::setAside(const QString& path) {
    const SetAside aside = setAsideHistory(path, saveKeptAs_);
    if (aside.failure) return aside.failure;
    kept_ = KeptFile{path, aside.path};
    return std::nullopt;
}

std::optional<QString> HistoryFile::writeWhole(const QString& path, const CareerHistory& history) {
    const QByteArray bytes = wholeFile(history);
    if (auto failure = replaceFile(path, bytes)) return failure;
    writtenTo_ = path;
    rowsWritten_ = history.rows().size();
    written_ = stampOf(path, bytes);
    return std::nullopt;
}

// The rows not yet in the file, which is normally the newest alone (more when
// a save failed in between). A row cut off by a write that failed is cut
// back first. A file removed since is written whole again; one changed by
// another program is set aside first.
std::optional<QString> HistoryFile::appendNewRows(const QString& path,
                                                  const CareerHistory& history) {
    const std::vector<HistoryRow>& rows = history.rows();
    if (rowsWritten_ == rows.size()) return std::nullopt;
    QByteArray bytes;
    for (std::size_t i = rowsWritten_; i < rows.size(); ++i) bytes += historyLine(rows[i]);
    QFile file;
    QString refusal;
    const AppendOpening opening = openToAppend(file, path, &refusal);
    if (opening == AppendOpening::refused) return refusal;
    if (opening == AppendOpening::missing) return writeWhole(path, history);
    if (!stillAsStamped(path, written_)) {
        const std::optional<QByteArray> found = readWholeBounded(path, maxHistoryFileBytes);
        const bool tornByThisGame = found && found->size() > written_.size &&
                                    contentHash(found->first(written_.size)) == written_.hash &&
                                    bytes.startsWith(found->sliced(written_.size));
        if (!tornByThisGame) {
            file.close();
            if (auto failure = setAside(path)) return failure;
            return writeWhole(path, history);
        }
        if (!file.resize(written_.size)) return file.errorString();
    }
    if (auto failure = writeAll(file, bytes)) return failure;
    if (!file.flush()) return file.errorString();
    rowsWritten_ = rows.size();
    written_ = stampAfterAppending(path, written_, bytes);
    return std::nullopt;
}
