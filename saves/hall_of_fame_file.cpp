// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/hall_of_fame_file.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <chrono>
#include <memory>

#include "game/money.h"
#include "game/shown_numbers.h"
#include "saves/csv.h"
#include "saves/file_numbers.h"
#include "saves/file_stamp.h"
#include "saves/file_system.h"
#include "saves/file_words.h"
#include "saves/history_row_checks.h"
#include "saves/set_aside.h"

namespace {

// Far more than a million careers fill, and a bound on what a huge file
// can cost to read; it is read a piece at a time.
constexpr qint64 maxHallOfFameBytes = 256 * 1024 * 1024;
constexpr qint64 readPieceBytes = 1024 * 1024;

const QByteArray header =
    "player,save file,highest level,matches,runs,wickets,bank balance,"
    "ended,last played,ended after\n";
constexpr int columnCount = 10;
// The file as games before the "ended after" column wrote it, read as the
// same careers: an ended one ended where it stands.
const QByteArray headerWithoutEndedAfter =
    "player,save file,highest level,matches,runs,wickets,bank balance,"
    "ended,last played\n";

// The longest line whose every field fits, as the history's lines are
// bounded: both names in quotes with every character a doubled quote after
// the apostrophe that keeps a formula text, the numbers, the words and the
// commas.
constexpr qsizetype maxHallOfFameLineBytes =
    2 * (2 * maxHistoryNameBytes + 3) + columnCount * (maxNumberBytes + 1) + 1;

QByteArray quoted(const QString& text) {
    QByteArray bytes;
    appendCsvText(bytes, text.toUtf8(), true);
    return bytes;
}

// The fields of one record; nothing when it is malformed or a name is
// longer than the game writes one.
std::optional<QList<QByteArray>> fields(const CsvRecord& record) {
    if (record.malformed) return std::nullopt;
    QList<QByteArray> result;
    for (int i = 0; i < record.count; ++i) {
        QByteArrayView field = record.fields[static_cast<std::size_t>(i)];
        if (i < 2) field = withoutFormulaGuard(field);
        if (i < 2 && !historyFieldFits(field, HistoryField::name)) return std::nullopt;
        result << field.toByteArray();
    }
    return result;
}

bool wholeNumber(const QByteArray& text, qint64 limit, qint64& value) {
    bool ok = false;
    value = text.toLongLong(&ok);
    return ok && value >= 0 && value <= limit;
}

std::optional<FameEntry> entryOf(const CsvRecord& record, bool withEndedAfter) {
    const auto f = fields(record);
    if (!f || f->size() != columnCount - (withEndedAfter ? 0 : 1)) return std::nullopt;
    FameEntry entry;
    entry.player = QString::fromUtf8((*f)[0]);
    entry.saveFile = QString::fromUtf8((*f)[1]);
    const auto level = levelFromWord(QString::fromUtf8((*f)[2]));
    qint64 matches = 0, runs = 0, wickets = 0;
    double balance = 0;
    if (!level || !wholeNumber((*f)[3], INT32_MAX, matches) ||
        !wholeNumber((*f)[4], INT64_MAX / 2, runs) ||
        !wholeNumber((*f)[5], INT64_MAX / 2, wickets) ||
        !parseFileNumber(QString::fromLatin1((*f)[6]), balance)) {
        return std::nullopt;
    }
    if ((*f)[7] != "yes" && (*f)[7] != "no") return std::nullopt;
    entry.highestLevel = *level;
    entry.matches = static_cast<std::int32_t>(matches);
    entry.runs = runs;
    entry.wickets = wickets;
    entry.bankBalance = balance;
    entry.ended = (*f)[7] == "yes";
    if (!(*f)[8].isEmpty()) {
        entry.lastPlayed = QDateTime::fromString(QString::fromLatin1((*f)[8]), Qt::ISODate);
        if (!entry.lastPlayed.isValid()) return std::nullopt;
    }
    qint64 endedAfter = entry.ended ? entry.matches : 0;
    if (withEndedAfter && !wholeNumber((*f)[9], INT32_MAX, endedAfter)) return std::nullopt;
    entry.endedAfter = static_cast<std::int32_t>(endedAfter);
    return entry;
}

}  // namespace

QByteArray hallOfFameBytes(const std::vector<FameEntry>& entries) {
    QByteArray bytes = header;
    for (const FameEntry& e : entries) {
        bytes += quoted(e.player) + ',' + quoted(e.saveFile) + ',' +
                 levelWord(e.highestLevel).toUtf8() + ',' + QByteArray::number(e.matches) + ',' +
                 QByteArray::number(e.runs) + ',' + QByteArray::number(e.wickets) + ',' +
                 moneyText(e.bankBalance).toUtf8() + ',' + (e.ended ? "yes" : "no") + ',' +
                 e.lastPlayed.toUTC().toString(Qt::ISODate).toLatin1() + ',' +
                 QByteArray::number(e.endedAfter) + '\n';
    }
    return bytes;
}

namespace {

// The file's bytes read a row at a time as they come, so that a file of any
// size costs no more than its good rows: a row longer than any the game
// writes is damaged, and skipped up to its first line end, without ever
// being held whole.
class HallOfFameParser {
  public:
    void take(QByteArrayView piece) {
        if (header_ == Header::foreign) return;
        if (skippingLine_) {
            const qsizetype end = piece.indexOf('\n');
            if (end < 0) return;
            piece = piece.sliced(end + 1);
            skippingLine_ = false;
        }
        pending_ += piece;
        if (header_ == Header::unknown && !readHeader()) return;
        readRows(false);
    }

    HallOfFameReading finish() {
        if (header_ == Header::unknown) {
            // Bytes that may yet have become a header, and did not.
            reading_.damaged = reading_.damaged || !pending_.isEmpty();
            return std::move(reading_);
        }
        // A last line an editor left without its line end is read all the
        // same.
        if (!pending_.isEmpty() && !pending_.endsWith('\n')) pending_ += '\n';
        readRows(true);
        return std::move(reading_);
    }

  private:
    enum class Header { unknown, withEndedAfter, withoutEndedAfter, foreign };

    // Whether the header is known, taken off the bytes.
    bool readHeader() {
        for (const auto& [line, kind] :
             {std::pair{&header, Header::withEndedAfter},
              std::pair{&headerWithoutEndedAfter, Header::withoutEndedAfter}}) {
            if (pending_.startsWith(*line)) {
                header_ = kind;
                pending_.remove(0, line->size());
                return true;
            }
        }
        const auto couldBecome = [this](const QByteArray& line) {
            return pending_.size() < line.size() && line.startsWith(pending_);
        };
        if (!couldBecome(header) && !couldBecome(headerWithoutEndedAfter)) {
            header_ = Header::foreign;
            reading_.damaged = true;
            pending_.clear();
        }
        return false;
    }

    void readRows(bool atEnd) {
        CsvReader reader(pending_, maxHallOfFameLineBytes);
        const char* readTo = pending_.constData();
        while (!reader.atEnd()) {
            const bool complete = reader.next(record_);
            if (!complete && !atEnd) {
                // The rest of the row is still to come.
                readTo = reader.recordStart();
                break;
            }
            readTo = reader.position();
            // An empty line is no career.
            if (complete && record_.count == 1 && record_.fields[0].empty()) continue;
            const std::optional<FameEntry> entry =
                complete ? entryOf(record_, header_ == Header::withEndedAfter) : std::nullopt;
            if (entry) {
                reading_.entries.push_back(*entry);
                continue;
            }
            reading_.damaged = true;
            // A stray quote, not a name holding a line break: it costs its
            // line.
            if (reader.spansLines()) {
                reader.resumeAfterFirstLine();
                readTo = reader.position();
            } else if (!complete) {
                readTo = pending_.constData() + pending_.size();
                break;
            }
        }
        pending_.remove(0, readTo - pending_.constData());
        if (atEnd || pending_.size() <= maxHallOfFameLineBytes) return;
        // Longer than any row the game writes: damaged, and what follows is
        // read from its first line end on.
        reading_.damaged = true;
        const qsizetype end = pending_.indexOf('\n');
        if (end < 0) {
            pending_.clear();
            skippingLine_ = true;
            return;
        }
        pending_.remove(0, end + 1);
        readRows(false);
    }

    QByteArray pending_;
    Header header_ = Header::unknown;
    bool skippingLine_ = false;
    CsvRecord record_{columnCount};
    HallOfFameReading reading_;
};

}  // namespace

HallOfFameReading hallOfFameFromBytes(QByteArrayView bytes) {
    HallOfFameParser parser;
    parser.take(bytes);
    return parser.finish();
}

namespace {

struct StampedReading {
    HallOfFameReading reading;
    // What was read, to tell before the file is replaced whether another
    // program changed it since; nothing for a file that was not read (a
    // link, which is refused, not replaced).
    std::optional<FileStamp> stamp;
};

StampedReading readStamped(const QString& path) {
    const FileState before = fileState(path);
    HallOfFameParser parser;
    quint64 hash = contentHash({});
    const BoundedRead read =
        readInPieces(path, maxHallOfFameBytes, readPieceBytes, [&](QByteArrayView piece) {
            hash = contentHash(piece, hash);
            parser.take(piece);
        });
    if (read.outcome == BoundedRead::Outcome::missing) return {{}, FileStamp{}};
    if (read.outcome != BoundedRead::Outcome::read) return {{{}, true}, std::nullopt};
    // The stamp of the file as it was before it was read: one that changed
    // while it was read is found changed before it is replaced.
    const FileStamp stamp{before.exists, before.size, before.changedAt, hash};
    HallOfFameReading reading = parser.finish();
    // What is past the bound is not read, and not lost: the file is set
    // aside whole.
    reading.damaged = reading.damaged || !read.whole;
    return {std::move(reading), stamp};
}

// Long enough for another copy to read, change and write a large hall of
// fame; a lock held longer is another's that will not let go soon.
constexpr std::chrono::seconds lockWait{10};
constexpr std::chrono::milliseconds lockRetry{20};

// A file that another program goes on changing is given up on after so
// many readings.
constexpr int maxReadings = 8;

struct HallLock {
    std::unique_ptr<HeldLock> held;
    std::optional<QString> failure;
};

// The hall of fame's own lock, waited for while another copy holds it. A
// lock that a copy on another computer wrote, or one naming a process of
// another program (a folder that holds no locks of the system), is taken
// over once the wait is over: no copy holds it that long.
HallLock lockHallOfFame(const QString& path) {
    const QString lockPath = lockFilePath(path);
    const QString shown = shownPath(lockPath);
    const QDeadlineTimer deadline(lockWait);
    for (;;) {
        const bool waitedEnough = deadline.hasExpired();
        LockAttempt attempt = takeLockFile(lockPath, waitedEnough);
        switch (attempt.taking) {
            case LockTaking::taken:
                return {std::move(attempt.held), std::nullopt};
            case LockTaking::notARegularFile:
                //: %1 is a file.
                return {nullptr, QCoreApplication::translate("SaveFile",
                                                             "its lock %1 is not an ordinary file")
                                     .arg(shown)};
            case LockTaking::nameTooLong:
            case LockTaking::failed:
                //: %1 is a file, %2 the reason it could not be made.
                return {nullptr,
                        QCoreApplication::translate("SaveFile", "its lock %1 could not be made: %2")
                            .arg(shown, attempt.reason)};
            case LockTaking::heldByAnotherCopy:
            case LockTaking::heldOnAnotherComputer:
            case LockTaking::heldByAnotherProgram:
                break;
        }
        if (waitedEnough) {
            return {nullptr,
                    QCoreApplication::translate(
                        "SaveFile", "another copy of the game held its lock %1 for too long")
                        .arg(shown)};
        }
        QThread::msleep(static_cast<unsigned long>(lockRetry.count()));
    }
}

// The damaged files compared byte for byte with those set aside before;
// larger ones are set aside again rather than read twice whole.
constexpr qint64 maxComparedBytes = 16 * 1024 * 1024;

// A copy of the damaged file at the path set aside already, the same byte
// for byte: the file is not set aside once more while it is unchanged (a
// copy put back, or one no game could read), as its bytes are kept.
std::optional<QString> keptAlready(const QString& path) {
    const FileState damaged = fileState(path);
    if (!damaged.regular || damaged.size > maxComparedBytes) return std::nullopt;
    std::optional<QByteArray> bytes;
    for (const QString& aside : setAsideFilesOf(path, setAsideHallOfFameEnding)) {
        const FileState state = fileState(aside);
        if (!state.regular || state.size != damaged.size) continue;
        if (!bytes) bytes = readWholeBounded(path, maxComparedBytes);
        if (!bytes) return std::nullopt;
        if (readWholeBounded(aside, maxComparedBytes) == bytes) return aside;
    }
    return std::nullopt;
}

}  // namespace

HallOfFameReading readHallOfFame(const QString& path) {
    return readStamped(path).reading;
}

HallOfFameUpdate rememberInHallOfFame(const QString& path, const std::vector<FameEntry>& careers) {
    HallOfFameUpdate update;
    update.file = path;
    // Held until the file is written, or found to need no writing.
    const HallLock lock = lockHallOfFame(path);
    for (int readings = 0; readings < maxReadings; ++readings) {
        const StampedReading read = readStamped(path);
        const HallOfFameReading& reading = read.reading;
        update.entries = reading.entries;
        for (const FameEntry& career : careers) remember(update.entries, career);
        if (!reading.damaged && update.entries == reading.entries) return update;
        // A folder where no lock can be made (one that cannot be written)
        // is still read, and told only when there is something to write.
        if (lock.failure) {
            update.failure = lock.failure;
            return update;
        }
        // Changed by another program since it was read: what it holds now
        // is read again, so that its careers are not lost.
        if (read.stamp && !stillAsStamped(path, *read.stamp)) continue;
        if (reading.damaged) {
            update.readFromDamaged = reading.entries.size();
            if (const auto kept = keptAlready(path)) {
                update.setAsideTo = *kept;
            } else {
                const SetAside aside = setAsideFile(path, setAsideHallOfFameEnding);
                if (aside.failure) {
                    update.failure = aside.failure;
                    return update;
                }
                update.setAsideTo = aside.path;
            }
        }
        update.failure = replaceFile(path, hallOfFameBytes(update.entries));
        return update;
    }
    update.failure = QCoreApplication::translate(
        "SaveFile", "another program kept changing it while it was written");
    return update;
}
