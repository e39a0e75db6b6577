// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/save_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <random>

#include "support/qt_printers.h"
#include "support/save_fixtures.h"

namespace {

SaveFile fileOf(const QStringList& lines) {
    SaveFile file;
    for (int i = 0; i < saveFileLineCount; ++i) file.lines.at(i) = lines.at(i);
    return file;
}

QString damaged(const char* problem) {
    return QStringLiteral("This save file is damaged and was not loaded: %1.")
        .arg(QString::fromUtf8(problem));
}

TEST(SaveFileFormat, WritesMarkThenEveryLineEndingInCarriageReturnLineFeed) {
    QStringList lines = handBuiltLines();
    lines[1] = QStringLiteral("Zoë 𝄞 ");  // a letter beyond Latin-1 and a surrogate pair
    EXPECT_EQ(encodeSaveFile(fileOf(lines)), utf16File(lines));
    const QByteArray bytes = encodeSaveFile(fileOf(lines));
    EXPECT_EQ(bytes.left(2), QByteArray("\xFF\xFE", 2));
    EXPECT_EQ(bytes.right(4), QByteArray("\r\0\n\0", 4));
}

TEST(SaveFileFormat, ReadsAHandBuiltFileInEveryAcceptedShape) {
    const QStringList lines = handBuiltLines();
    QStringList longer = lines;
    longer << QStringLiteral("anything after line 68") << QStringLiteral("is ignored");
    QByteArray withoutLastLineEnd = utf16File(lines);
    withoutLastLineEnd.chop(4);
    const struct {
        const char* shape;
        QByteArray bytes;
    } shapes[] = {{"CR LF", utf16File(lines)},
                  {"LF", utf16File(lines, QStringLiteral("\n"))},
                  {"no byte-order mark", utf16File(lines, QStringLiteral("\r\n"), false)},
                  {"no line end after line 68", withoutLastLineEnd},
                  {"extra lines", utf16File(longer)},
                  {"trailing odd byte", utf16File(lines) + QByteArray(1, 'x')}};
    for (const auto& s : shapes) {
        const SaveFileReading reading = decodeSaveFile(s.bytes, true);
        ASSERT_TRUE(reading.file) << s.shape << ": " << reading.error.toStdString();
        EXPECT_EQ(reading.file->lines, fileOf(lines).lines) << s.shape;
    }
}

TEST(SaveFileFormat, ReadingThenWritingGivesBackTheSameBytes) {
    QStringList lines = handBuiltLines();
    lines[2] = QString(QChar(0xD800)) + QStringLiteral(" unpaired");
    lines[3] = QStringLiteral("ends in CR\r");
    lines[15] = QStringLiteral("inner\rreturn");
    const QByteArray bytes = utf16File(lines);
    const SaveFileReading reading = decodeSaveFile(bytes, true);
    ASSERT_TRUE(reading.file) << reading.error.toStdString();
    EXPECT_EQ(encodeSaveFile(*reading.file), bytes);
}

TEST(SaveFileFormat, RefusesAnythingWithoutTheHeaderAsNotASaveFile) {
    const QStringList lines = handBuiltLines();
    QStringList lowerCase = lines;
    lowerCase[0] = QStringLiteral("bailcrest saves");
    QStringList trailingBlank = lines;
    trailingBlank[0] += QLatin1Char(' ');
    QByteArray eightBit = lines.join(QStringLiteral("\r\n")).toUtf8();
    QByteArray bigEndian("\xFE\xFF", 2);
    for (const QString& line : lines) {
        for (QChar c : line + QStringLiteral("\r\n")) {
            bigEndian += static_cast<char>(c.unicode() >> 8);
            bigEndian += static_cast<char>(c.unicode() & 0xFF);
        }
    }
    const struct {
        const char* shape;
        QByteArray bytes;
    } shapes[] = {{"empty", QByteArray()},
                  {"mark only", QByteArray("\xFF\xFE", 2)},
                  {"one odd byte", QByteArray("\xFF", 1)},
                  {"8-bit", eightBit},
                  {"UTF-8 with mark", QByteArray("\xEF\xBB\xBF") + eightBit},
                  {"big-endian", bigEndian},
                  {"lower-case header", utf16File(lowerCase)},
                  {"header with a trailing blank", utf16File(trailingBlank)},
                  {"empty first line", utf16File(QStringList{QString()} + lines)}};
    for (const auto& s : shapes) {
        const SaveFileReading reading = decodeSaveFile(s.bytes, true);
        EXPECT_FALSE(reading.file) << s.shape;
        EXPECT_EQ(reading.error, notASaveFileNotice()) << s.shape;
    }
    EXPECT_EQ(notASaveFileNotice(), QStringLiteral("This is not a valid Bailcrest Saves file."));
}

TEST(SaveFileFormat, RefusesAFileCutShortAfterAnyLine) {
    const QStringList lines = handBuiltLines();
    for (int count = 1; count < saveFileLineCount; ++count) {
        const SaveFileReading reading = decodeSaveFile(utf16File(lines.mid(0, count)), true);
        EXPECT_FALSE(reading.file) << count;
        EXPECT_EQ(reading.error,
                  QStringLiteral("This save file is damaged and was not loaded: it ends after "
                                 "line %1 of 68.")
                      .arg(count));
    }
}

TEST(SaveFileFormat, AFileCutAtAnyByteIsRefusedOrStillHoldsEveryLine) {
    const QByteArray bytes = utf16File(handBuiltLines());
    const SaveFile whole = *decodeSaveFile(bytes, true).file;
    for (qsizetype size = 0; size < bytes.size(); ++size) {
        const SaveFileReading reading = decodeSaveFile(bytes.left(size), true);
        if (reading.file) {
            // Only the last line end may go missing without losing anything.
            EXPECT_EQ(reading.file->lines, whole.lines) << size;
            EXPECT_GE(size, bytes.size() - 4) << size;
        } else {
            EXPECT_FALSE(reading.error.isEmpty()) << size;
        }
    }
}

TEST(SaveFileFormat, ChecksEveryValueAgainstItsLine) {
    const struct {
        int line;
        const char* text;
        const char* problem;  // nullptr: the file loads
    } cases[] = {
        {6, "abc", "line 6 (batting skill) holds \"abc\", which is not a number"},
        {7, "", "line 7 (bowling skill) is empty, but must hold a number"},
        {8, "40000",
         "line 8 (fielding skill) holds \"40000\", which is outside the range \u202a-32768\u202c "
         "to 32767"},
        {6, "32767.5",
         "line 6 (batting skill) holds \"32767.5\", which is outside the range \u202a-32768\u202c "
         "to 32767"},
        {6, "32766.5", nullptr},
        {6, "-32768", nullptr},
        {6, " 12 ", nullptr},
        {9, "2", "line 9 (auto-save flag) holds \"2\", but must be 0 or 1"},
        {9, "yes", "line 9 (auto-save flag) holds \"yes\", but must be 0 or 1"},
        {9, "", "line 9 (auto-save flag) holds \"\", but must be 0 or 1"},
        {9, "0", nullptr},
        {10, "1e5",
         "line 10 (starting batting skill) holds \"1e5\", which is outside the range "
         "\u202a-32768\u202c to "
         "32767"},
        {12, "7x", "line 12 (starting fielding skill) holds \"7x\", which is not a number"},
        {17, "Rs. 7000", "line 17 (match fee) holds \"Rs. 7000\", which is not a number"},
        {20, "1e999", "line 20 (bank balance) holds \"1e999\", which is not a number"},
        {20, "nan", "line 20 (bank balance) holds \"nan\", which is not a number"},
        {20, "-250.5", nullptr},
        // Money is held within 999999999999999 rupees either way.
        {20, "12345678901234567890",
         "line 20 (bank balance) holds \"12345678901234567890\", which is outside the range "
         "\u202a-999999999999999\u202c to 999999999999999"},
        {20, "999999999999999", nullptr},
        {20, "-999999999999999", nullptr},
        {20, "999999999999999.5",
         "line 20 (bank balance) holds \"999999999999999.5\", which is outside the range "
         "\u202a-999999999999999\u202c to 999999999999999"},
        {17, "1e15",
         "line 17 (match fee) holds \"1e15\", which is outside the range "
         "\u202a-999999999999999\u202c to "
         "999999999999999"},
        {18, "1.7e308",
         "line 18 (sponsorship) holds \"1.7e308\", which is outside the range "
         "\u202a-999999999999999\u202c "
         "to 999999999999999"},
        {19, "-1000000000000000",
         "line 19 (other incomes) holds \"-1000000000000000\", which is outside the range "
         "\u202a-999999999999999\u202c to 999999999999999"},
        {19, "5000000000", nullptr},
        {24, "70000",
         "line 24 (other accessories condition) holds \"70000\", which is outside the range "
         "\u202a-32768\u202c "
         "to 32767"},
        {27, "stamina", "line 27 (stamina) holds \"stamina\", which is not a number"},
        {28, "32768",
         "line 28 (Club matches played) holds \"32768\", which is outside the range "
         "\u202a-32768\u202c to "
         "32767"},
        {39, "2147483648",
         "line 39 (City runs scored) holds \"2147483648\", which is outside the range "
         "\u202a-2147483648\u202c "
         "to 2147483647"},
        {39, "2147483647", nullptr},
        {53, "37,25", nullptr},
        {53, "not even a number", nullptr},
        {57, "five", "line 57 (State 5 wickets) holds \"five\", which is not a number"},
        {66, "", "line 66 (National most wickets) is empty, but must hold a number"},
        {68, "state", "line 68 (level) holds \"state\", but must be Club, City, State or National"},
        {68, "National ",
         "line 68 (level) holds \"National \", but must be Club, City, State or National"},
        {68, "A very long level word indeed",
         "line 68 (level) holds \"A very long level word i…\", but must be Club, City, State or "
         "National"},
        {68, "National", nullptr},
        {13, "12", nullptr},
        {15, "", nullptr},
    };
    for (const auto& c : cases) {
        QStringList lines = handBuiltLines();
        lines[c.line - 1] = QString::fromUtf8(c.text);
        const SaveFileReading reading = decodeSaveFile(utf16File(lines), true);
        if (c.problem) {
            EXPECT_FALSE(reading.file) << c.line << " " << c.text;
            EXPECT_EQ(reading.error, damaged(c.problem));
        } else {
            EXPECT_TRUE(reading.file)
                << c.line << " " << c.text << ": " << reading.error.toStdString();
        }
    }
}

TEST(SaveFileFormat, NamesTheFirstDamagedLineWhenThereAreSeveral) {
    QStringList lines = handBuiltLines();
    lines[67] = QStringLiteral("Test");
    lines[16] = QStringLiteral("free");
    EXPECT_EQ(decodeSaveFile(utf16File(lines), true).error,
              damaged("line 17 (match fee) holds \"free\", which is not a number"));
}

TEST(SaveFileFormat, SixtyEightLinesThatRunPastTheReadLimitMakeTheFileTooLarge) {
    QStringList lines = handBuiltLines();
    lines[15] = QString(maxSaveFileBytes, QLatin1Char('s'));
    const QByteArray bytes = utf16File(lines).left(maxSaveFileBytes);
    const SaveFileReading reading = decodeSaveFile(bytes, false);
    EXPECT_FALSE(reading.file);
    EXPECT_EQ(reading.error,
              QStringLiteral(
                  "This save file is too large to be loaded: a save file holds at most 64 KiB."));
    EXPECT_EQ(reading.error, tooLargeToLoadNotice());
    // Cut in the last line, the file is too large all the same.
    lines = handBuiltLines();
    lines[67] = QString(maxSaveFileBytes, QLatin1Char('S'));
    EXPECT_EQ(decodeSaveFile(utf16File(lines).left(maxSaveFileBytes), false).error,
              tooLargeToLoadNotice());
    // Within the limit, the same bytes as a whole file are cut short instead.
    EXPECT_EQ(decodeSaveFile(bytes, true).error, damaged("it ends after line 16 of 68"));
    // A file longer than the limit loads when its 68 lines lie within it.
    lines = handBuiltLines();
    lines << QString(maxSaveFileBytes, QLatin1Char('x'));
    EXPECT_TRUE(decodeSaveFile(utf16File(lines).left(maxSaveFileBytes), false).file);
}

TEST(SaveFileFormat, NoFileLargerThanTheReaderReadsMayBeWritten) {
    EXPECT_EQ(saveFileSizeProblem(0), std::nullopt);
    EXPECT_EQ(saveFileSizeProblem(maxSaveFileBytes), std::nullopt);
    EXPECT_EQ(saveFileSizeProblem(maxSaveFileBytes + 2),
              QStringLiteral("the file would take 65538 bytes, but a save file holds at most 64 "
                             "KiB"));
}

// Why a file is refused names its line, sizes and counts in the player's
// digits; what the file holds is quoted as it is.
TEST(SaveFileFormat, ARefusalWritesItsNumbersAsTheLocaleDoes) {
    QLocale::setDefault(QLocale(QStringLiteral("bn_IN")));
    QStringList lines = handBuiltLines();
    lines[27] = QStringLiteral("32768");
    EXPECT_EQ(decodeSaveFile(utf16File(lines), true).error,
              damaged("line ২৮ (Club matches played) holds \"32768\", which is outside the "
                      "range \u202a-৩২,৭৬৮\u202c to ৩২,৭৬৭"));
    EXPECT_EQ(saveFileSizeProblem(maxSaveFileBytes + 2),
              QString::fromUtf8("the file would take ৬৫,৫৩৮ bytes, but a save file holds at most "
                                "৬৪ KiB"));
    QLocale::setDefault(QLocale::c());
}

TEST(SaveFileFormat, ValuesWithALineBreakCannotBeWritten) {
    QStringList lines = handBuiltLines();
    lines[1] = QStringLiteral("two\nlines");
    EXPECT_EQ(saveFileProblem(fileOf(lines)),
              QStringLiteral("line 2 (player name) holds a line break"));
    EXPECT_EQ(saveFileProblem(fileOf(handBuiltLines())), std::nullopt);
}

TEST(SaveFileFormat, RandomBytesNeverCrashAndAreRefusedUnlessTheyFormASaveFile) {
    std::mt19937 generator(20240501);
    std::uniform_int_distribution<int> byte(0, 255);
    const QByteArray header = utf16File({saveFileHeader});
    for (int round = 0; round < 300; ++round) {
        QByteArray noise(round * 7, Qt::Uninitialized);
        for (char& b : noise) b = static_cast<char>(byte(generator));
        for (const QByteArray& bytes : {noise, header + noise}) {
            const SaveFileReading reading = decodeSaveFile(bytes, round % 2 == 0);
            if (reading.file) {
                EXPECT_EQ(saveFileProblem(*reading.file), std::nullopt);
            } else {
                EXPECT_FALSE(reading.error.isEmpty());
            }
        }
    }
}

TEST(SaveFileFormat, TheFuzzSeedsAreValidSaveFiles) {
    const QDir corpus(QStringLiteral(BAILCREST_FUZZ_CORPUS));
    const QStringList seeds = corpus.entryList(QDir::Files);
    EXPECT_EQ(seeds.size(), 3);
    for (const QString& seed : seeds) {
        QFile file(corpus.filePath(seed));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << seed.toStdString();
        const SaveFileReading reading = decodeSaveFile(file.readAll(), true);
        EXPECT_TRUE(reading.file) << seed.toStdString() << ": " << reading.error.toStdString();
    }
}

}  // namespace
