// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/csv.h"

#include <gtest/gtest.h>

#include "saves/hall_of_fame_file.h"
#include "support/qt_printers.h"

namespace {

std::vector<QByteArray> fieldsOf(const CsvRecord& record) {
    std::vector<QByteArray> fields;
    for (int i = 0; i < record.count; ++i) fields.push_back(record.fields[i].toByteArray());
    return fields;
}

// Whatever the writer writes, the reader reads back as it was: commas,
// doubled quotes and line ends inside a name alike.
TEST(Csv, TheReaderReadsWhatTheWriterWrites) {
    const std::vector<QByteArray> names{"Ravi",       "Shah, R.", "\"Bunny\" Rao",
                                        "two\nlines", "cr\r\nlf", ""};
    QByteArray bytes;
    for (const QByteArray& name : names) {
        appendCsvText(bytes, name);
        bytes += ',';
        appendCsvText(bytes, name, true);
        bytes += '\n';
    }
    CsvReader reader(bytes, 1000);
    CsvRecord record(2);
    for (const QByteArray& name : names) {
        ASSERT_TRUE(reader.next(record));
        EXPECT_FALSE(record.malformed);
        EXPECT_EQ(fieldsOf(record), (std::vector<QByteArray>{name, name}));
    }
    EXPECT_TRUE(reader.atEnd());
}

// A text a spreadsheet would run as a formula is written after an
// apostrophe, which the reader takes off again; a text that starts with
// apostrophes of its own reads back with every one of them.
TEST(Csv, FormulaTextIsKeptAsTextAndReadsBackAsItWas) {
    const std::vector<std::pair<QByteArray, bool>> texts{{"=cmd|' /C calc'!A0", true},
                                                         {"+1", true},
                                                         {"-2", true},
                                                         {"@SUM(A1)", true},
                                                         {"\tx", true},
                                                         {"\rx", true},
                                                         {"'=x", true},
                                                         {"''-x", true},
                                                         {"'quoted", false},
                                                         {"a=b", false},
                                                         {"", false}};
    for (const auto& [text, guarded] : texts) {
        for (const bool quoted : {false, true}) {
            QByteArray line;
            appendCsvText(line, text, quoted);
            line += '\n';
            CsvReader reader(line, 1000);
            CsvRecord record(1);
            ASSERT_TRUE(reader.next(record));
            EXPECT_EQ(record.fields[0].toByteArray(), (guarded ? "'" : "") + text);
            EXPECT_EQ(withoutFormulaGuard(record.fields[0]).toByteArray(), text);
        }
    }
    // Names in the hall of fame alike.
    FameEntry formula;
    formula.player = QStringLiteral("=cmd|' /C calc'!A0");
    formula.saveFile = QStringLiteral("-x_auto.bsg");
    const QByteArray bytes = hallOfFameBytes({formula});
    EXPECT_TRUE(bytes.contains("\"'=cmd|' /C calc'!A0\",\"'-x_auto.bsg\"")) << bytes.toStdString();
    const HallOfFameReading reading = hallOfFameFromBytes(bytes);
    ASSERT_EQ(reading.entries.size(), 1u);
    EXPECT_EQ(reading.entries[0].player, formula.player);
    EXPECT_EQ(reading.entries[0].saveFile, formula.saveFile);
}

TEST(Csv, ARecordBeyondItsBoundsOrItsColumnsIsMalformed) {
    CsvRecord record(2);
    CsvReader tooMany("a,b,c\nd,e\n", 1000);
    ASSERT_TRUE(tooMany.next(record));
    EXPECT_TRUE(record.malformed);
    ASSERT_TRUE(tooMany.next(record));
    EXPECT_EQ(fieldsOf(record), (std::vector<QByteArray>{"d", "e"}));

    // The reader reads a view: the bytes outlive it.
    const QByteArray longFirst = QByteArray(50, 'x') + ",y\nd,e\n";
    CsvReader tooLong(longFirst, 10);
    ASSERT_TRUE(tooLong.next(record));
    EXPECT_TRUE(record.malformed);
    ASSERT_TRUE(tooLong.next(record));
    EXPECT_FALSE(record.malformed);

    // A record cut off before its line end is not read.
    CsvReader cut("a,\"b", 1000);
    EXPECT_FALSE(cut.next(record));
}

// The hall of fame's names may hold what CSV quotes, a line break among
// them, and its file reads back whole.
TEST(Csv, AHallOfFameWithANameOverTwoLinesReadsBack) {
    FameEntry entry;
    entry.player = QStringLiteral("Ravi\n\"Bunny\", Shah");
    entry.saveFile = QStringLiteral("ravi_auto.bsg");
    entry.matches = 12;
    entry.runs = 345;
    entry.bankBalance = 1250.5;
    entry.lastPlayed = QDateTime(QDate(2026, 4, 12), QTime(18, 30, 5), Qt::UTC);
    FameEntry other = entry;
    other.player = QStringLiteral("Asha");
    other.ended = true;
    const HallOfFameReading reading = hallOfFameFromBytes(hallOfFameBytes({entry, other}));
    EXPECT_FALSE(reading.damaged);
    EXPECT_EQ(reading.entries, (std::vector<FameEntry>{entry, other}));
}

}  // namespace
