// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/hall_of_fame_file.h"

#include <QCoreApplication>

#include "game/money.h"
#include "saves/csv.h"
#include "saves/file_numbers.h"
#include "saves/file_system.h"
#include "saves/file_words.h"
#include "saves/history_row_checks.h"
#include "saves/set_aside.h"

namespace {

// Far more than thousands of careers fill, and a bound on what a huge file
// can cost.
constexpr qint64 maxHallOfFameBytes = 4 * 1024 * 1024;

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
// bounded: both names in quotes with every character a doubled quote, the
// numbers, the words and the commas.
constexpr qsizetype maxHallOfFameLineBytes =
    2 * (2 * maxHistoryNameBytes + 2) + columnCount * (maxNumberBytes + 1) + 1;

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
        const QByteArrayView field = record.fields[static_cast<std::size_t>(i)];
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

HallOfFameReading hallOfFameFromBytes(QByteArrayView bytes) {
    HallOfFameReading reading;
    const bool withEndedAfter = bytes.startsWith(header);
    if (!withEndedAfter && !bytes.startsWith(headerWithoutEndedAfter)) {
        reading.damaged = !bytes.isEmpty();
        return reading;
    }
    // A last line an editor left without its line end is read all the same.
    QByteArray lines =
        bytes.sliced(withEndedAfter ? header.size() : headerWithoutEndedAfter.size())
            .toByteArray();
    if (!lines.isEmpty() && !lines.endsWith('\n')) lines += '\n';
    CsvReader reader(lines, maxHallOfFameLineBytes);
    CsvRecord record(columnCount);
    while (!reader.atEnd()) {
        const bool complete = reader.next(record);
        // An empty line is no career.
        if (complete && record.count == 1 && record.fields[0].empty()) continue;
        const std::optional<FameEntry> entry =
            complete ? entryOf(record, withEndedAfter) : std::nullopt;
        if (entry) {
            reading.entries.push_back(*entry);
            continue;
        }
        reading.damaged = true;
        // A stray quote, not a name holding a line break: it costs its line.
        if (reader.spansLines()) {
            reader.resumeAfterFirstLine();
        } else if (!complete) {
            break;
        }
    }
    return reading;
}

HallOfFameReading readHallOfFame(const QString& path) {
    const BoundedRead read = readBounded(path, maxHallOfFameBytes);
    if (read.outcome == BoundedRead::Outcome::missing) return {};
    if (read.outcome != BoundedRead::Outcome::read || !read.whole) return {{}, true};
    return hallOfFameFromBytes(read.bytes);
}

HallOfFameUpdate rememberInHallOfFame(const QString& path, const std::vector<FameEntry>& careers) {
    const HallOfFameReading reading = readHallOfFame(path);
    HallOfFameUpdate update;
    update.entries = reading.entries;
    for (const FameEntry& career : careers) remember(update.entries, career);
    if (reading.damaged) {
        const SetAside aside = setAsideFile(path, setAsideHallOfFameEnding);
        if (aside.failure) {
            update.failure = aside.failure;
            return update;
        }
        update.setAsideTo = aside.path;
    }
    if (!reading.damaged && update.entries == reading.entries) return update;
    update.failure = replaceFile(path, hallOfFameBytes(update.entries));
    return update;
}
