// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/save_file_io.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "game/shown_numbers.h"
#include "saves/career_file.h"
#include "saves/saves_folder.h"
#include "support/file_contents.h"
#include "support/qt_printers.h"
#include "support/save_fixtures.h"

namespace {

QString damaged(const char* problem) {
    return QStringLiteral("This save file is damaged and was not loaded: %1.")
        .arg(QString::fromUtf8(problem));
}

class SaveFileIo : public ::testing::Test {
  protected:
    QTemporaryDir root;
    QString saves = root.path() + QStringLiteral("/Saves");
    SaveFile file = saveFileOf(midCareer(), true);

    QStringList savesEntries() const {
        return QDir(saves).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

TEST_F(SaveFileIo, AWrittenFileReadsBackLineForLine) {
    ASSERT_EQ(writeSaveFile(saves, QStringLiteral("mid.bsg"), file), std::nullopt);
    const QString path = saves + QStringLiteral("/mid.bsg");
    EXPECT_EQ(contents(path), encodeSaveFile(file));
    const SaveFileReading reading = readSaveFile(path);
    ASSERT_TRUE(reading.file) << reading.error.toStdString();
    EXPECT_EQ(reading.file->lines, file.lines);
    EXPECT_EQ(savesEntries(), QStringList{QStringLiteral("mid.bsg")});
}

TEST_F(SaveFileIo, AFileThatCouldNotBeLoadedAgainIsNotWritten) {
    file.setLine(saveLine::level, QStringLiteral("Test"));
    EXPECT_EQ(writeSaveFile(saves, QStringLiteral("x.bsg"), file),
              QStringLiteral(
                  "line 68 (level) holds \"Test\", but must be Club, City, State or National"));
    EXPECT_FALSE(QFileInfo::exists(saves));
}

// The file with its player's name lengthened until its bytes come to the size.
SaveFile ofSize(SaveFile file, qsizetype bytes) {
    const qsizetype missing = bytes - encodeSaveFile(file).size();
    file.setLine(saveLine::player,
                 file.line(saveLine::player) + QString(missing / 2, QLatin1Char('n')));
    return file;
}

TEST_F(SaveFileIo, AFileOfTheLargestSizeIsWrittenAndLoadsAgain) {
    const SaveFile largest = ofSize(file, maxSaveFileBytes);
    ASSERT_EQ(encodeSaveFile(largest).size(), maxSaveFileBytes);
    ASSERT_EQ(writeSaveFile(saves, QStringLiteral("largest.bsg"), largest), std::nullopt);
    const SaveFileReading reading = readSaveFile(saves + QStringLiteral("/largest.bsg"));
    ASSERT_TRUE(reading.file) << reading.error.toStdString();
    EXPECT_EQ(reading.file->lines, largest.lines);
}

TEST_F(SaveFileIo, AFileLargerThanTheReaderReadsIsNotWritten) {
    const SaveFile larger = ofSize(file, maxSaveFileBytes + 2);
    EXPECT_EQ(writeSaveFile(saves, QStringLiteral("larger.bsg"), larger),
              QStringLiteral("the file would take 65538 bytes, but a save file holds at most 64 "
                             "KiB"));
    EXPECT_FALSE(QFileInfo::exists(saves));
}

TEST_F(SaveFileIo, BadFileNamesAreReportedAndWriteNothingElsewhere) {
    const QString tooLong(300, QLatin1Char('n'));
    for (const QString& name : {QString(), QStringLiteral("."), QStringLiteral(".."),
                                QStringLiteral("../escape.bsg"), tooLong}) {
        EXPECT_TRUE(writeSaveFile(saves, name, file).has_value()) << name.toStdString();
    }
    EXPECT_EQ(writeSaveFile(saves, QStringLiteral("../escape.bsg"), file),
              QStringLiteral("\"../escape.bsg\" cannot be the name of a file"));
    EXPECT_FALSE(QFileInfo::exists(root.path() + QStringLiteral("/escape.bsg")));
    EXPECT_TRUE(savesEntries().isEmpty());
}

TEST_F(SaveFileIo, AFolderThatCannotBeCreatedIsReported) {
    put(root.path() + QStringLiteral("/plain"), "a regular file, not a folder");
    const QString folder = root.path() + QStringLiteral("/plain/Saves");
    EXPECT_EQ(writeSaveFile(folder, QStringLiteral("x.bsg"), file),
              QStringLiteral("the folder %1 could not be created").arg(shownPath(folder)));
}

TEST_F(SaveFileIo, AFileThatCannotBeOpenedIsNamedInTheMessage) {
    for (const QString& path : {root.path() + QStringLiteral("/gone.bsg"), root.path()}) {
        const SaveFileReading reading = readSaveFile(path);
        EXPECT_FALSE(reading.file) << path.toStdString();
        EXPECT_TRUE(reading.error.startsWith(QStringLiteral("This save file could not be read: ")))
            << reading.error.toStdString();
    }
}

TEST_F(SaveFileIo, RefusedFilesSayWhy) {
    QStringList damagedLines = handBuiltLines();
    damagedLines[19] = QStringLiteral("lots");
    const struct {
        const char* name;
        QByteArray bytes;
        QString error;
    } files[] = {{"notes.txt", QByteArray("Just some notes.\r\n"), notASaveFileNotice()},
                 {"empty.bsg", QByteArray(), notASaveFileNotice()},
                 {"damaged.bsg", utf16File(damagedLines),
                  damaged("line 20 (bank balance) holds \"lots\", which is not a number")},
                 {"short.bsg", utf16File(handBuiltLines().mid(0, 40)),
                  damaged("it ends after line 40 of 68")}};
    QDir().mkpath(saves);
    for (const auto& f : files) {
        const QString path = saves + QLatin1Char('/') + QString::fromLatin1(f.name);
        put(path, f.bytes);
        const SaveFileReading reading = readSaveFile(path);
        EXPECT_FALSE(reading.file) << f.name;
        EXPECT_EQ(reading.error, f.error) << f.name;
    }
}

TEST_F(SaveFileIo, AHugeFileIsReadOnlyAsFarAsSixtyEightLinesCanGo) {
    QDir().mkpath(saves);
    const QString valid = saves + QStringLiteral("/valid-then-huge.bsg");
    put(valid, utf16File(handBuiltLines()));
    const QString endless = saves + QStringLiteral("/endless-line.bsg");
    put(endless, utf16File({saveFileHeader}));
    for (const QString& path : {valid, endless}) {
        QFile huge(path);
        ASSERT_TRUE(huge.resize(qint64(3) << 30));  // 3 GiB, sparse
    }
    EXPECT_EQ(readSaveFile(endless).error, tooLargeToLoadNotice());
    const SaveFileReading reading = readSaveFile(valid);
    ASSERT_TRUE(reading.file) << reading.error.toStdString();
    EXPECT_EQ(reading.file->line(saveLine::level), QStringLiteral("State"));
}

TEST(SavesFolder, BesideTheProgramUnlessItsFolderCannotHoldIt) {
    QTemporaryDir root;
    const QString base = root.path();
    const QString userSaves = usersSavesFolder();
    QDir(base).mkpath(QStringLiteral("with/Saves"));
    QDir(base).mkpath(QStringLiteral("without"));
    QDir(base).mkpath(QStringLiteral("savesIsAFile"));
    put(base + QStringLiteral("/savesIsAFile/Saves"), "x");
    put(base + QStringLiteral("/file"), "x");
    const struct {
        QString program;
        QString expected;
    } cases[] = {{base + QStringLiteral("/with"), base + QStringLiteral("/with/Saves")},
                 {base + QStringLiteral("/without"), base + QStringLiteral("/without/Saves")},
                 {base + QStringLiteral("/savesIsAFile"), userSaves},
                 {base + QStringLiteral("/file/program"), userSaves},
                 {QString(), userSaves}};
    for (const auto& c : cases)
        EXPECT_EQ(savesFolder(c.program), c.expected) << c.program.toStdString();
    // Finding the folder creates nothing.
    EXPECT_FALSE(QFileInfo::exists(base + QStringLiteral("/without/Saves")));
}

}  // namespace
