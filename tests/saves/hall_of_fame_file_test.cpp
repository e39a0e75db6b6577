// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/hall_of_fame_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <future>
#include <optional>

#include "saves/file_system.h"
#include "saves/set_aside.h"
#include "support/file_contents.h"
#include "support/folder_without_locks.h"
#include "support/qt_printers.h"

#ifdef Q_OS_UNIX
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

FameEntry entry(const char* player, std::int64_t runs, bool ended = false) {
    FameEntry e;
    e.player = QString::fromUtf8(player);
    e.saveFile = e.player.left(5).toLower() + QStringLiteral("_auto.bsg");
    e.highestLevel = Level::state;
    e.matches = 40;
    e.runs = runs;
    e.wickets = 12;
    e.bankBalance = 123456;
    e.ended = ended;
    e.endedAfter = ended ? e.matches : 0;
    e.lastPlayed = QDateTime(QDate(2026, 12, 8), QTime(14, 24, 6), Qt::UTC);
    return e;
}

class HallOfFameFile : public ::testing::Test {
  protected:
    QTemporaryDir saves;
    QString path = hallOfFamePath(saves.path());

    void write(const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

TEST_F(HallOfFameFile, CareersReadBackAsWrittenUnderEveryLocale) {
    // Names with a comma, a quote and Devanagari; an ended career.
    const std::vector<FameEntry> careers = {entry("Singh, \"Jr\"", 1234), entry("रवि", 99, true)};
    QLocale::setDefault(QLocale(QLocale::Hindi, QLocale::India));
    const QByteArray bytes = hallOfFameBytes(careers);
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(bytes, hallOfFameBytes(careers));
    EXPECT_TRUE(bytes.contains("123456,no,2026-12-08T14:24:06Z,0\n")) << bytes.toStdString();

    ASSERT_EQ(rememberInHallOfFame(path, careers).failure, std::nullopt);
    const HallOfFameReading reading = readHallOfFame(path);
    EXPECT_FALSE(reading.damaged);
    EXPECT_EQ(reading.entries, careers);
}

TEST_F(HallOfFameFile, ADamagedFileIsSetAsideWithItsGoodLinesKept) {
    const QByteArray good = hallOfFameBytes({entry("Ravi", 500)});
    const QByteArray damaged = good + "\"Arjun\",\"arjun_auto.bsg\",Heaven,1,2,3,4,no,\n";
    write(damaged);
    const HallOfFameUpdate update = rememberInHallOfFame(path, {entry("Mehta", 800)});
    ASSERT_EQ(update.failure, std::nullopt);
    ASSERT_FALSE(update.setAsideTo.isEmpty());
    // The damaged file as it was, under a set-aside name beside it.
    EXPECT_EQ(contents(update.setAsideTo), damaged);
    EXPECT_EQ(setAsideFilesOf(path, QStringLiteral(".csv")).size(), 1);
    const HallOfFameReading reading = readHallOfFame(path);
    EXPECT_FALSE(reading.damaged);
    ASSERT_EQ(reading.entries.size(), 2u);
    EXPECT_EQ(reading.entries[0].player, QStringLiteral("Ravi"));
    EXPECT_EQ(reading.entries[1].player, QStringLiteral("Mehta"));
}

TEST_F(HallOfFameFile, AFileOfAnotherKindIsDamagedAndAnUnchangedOneIsNotWrittenAgain) {
    // A career seen again as it was, to the millisecond of its save file,
    // changes nothing once the file has it to the second.
    const QDateTime saved = QDateTime::fromMSecsSinceEpoch(1796000000123, Qt::UTC);
    CareerSummary ravi;
    ravi.player = QStringLiteral("Ravi");
    ASSERT_EQ(
        rememberInHallOfFame(path, {fameEntryOf(ravi, QStringLiteral("a.bsg"), saved)}).failure,
        std::nullopt);
    EXPECT_EQ(readHallOfFame(path).entries.at(0),
              fameEntryOf(ravi, QStringLiteral("a.bsg"), saved));
    QFile::remove(path);

    for (const QByteArray& bytes : {QByteArray("not a hall of fame\n"),
                                    QByteArray("\xff\xfe"
                                               "B\0a\0",
                                               6),
                                    hallOfFameBytes({entry("Ravi", 1)}) + "\"open quote,\n"}) {
        EXPECT_TRUE(hallOfFameFromBytes(bytes).damaged);
    }
    EXPECT_FALSE(hallOfFameFromBytes(QByteArray()).damaged);

    ASSERT_EQ(rememberInHallOfFame(path, {entry("Ravi", 1)}).failure, std::nullopt);
    const QDateTime written = QFileInfo(path).lastModified();
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    // Told the same again: nothing to write, so no failure from the
    // read-only file.
    EXPECT_EQ(rememberInHallOfFame(path, {entry("Ravi", 1)}).failure, std::nullopt);
    EXPECT_EQ(QFileInfo(path).lastModified(), written);
}

// Whatever the writer writes the reader reads: a save name holding a line
// end, names of 20,000 characters, and a file far over a few megabytes of
// them, read a piece at a time across its rows.
TEST_F(HallOfFameFile, WhatIsWrittenReadsBackHoweverLong) {
    std::vector<FameEntry> careers = {entry("Ravi", 10)};
    careers[0].saveFile = QStringLiteral("two\nlines.bsg");
    for (int i = 0; i < 300; ++i) {
        FameEntry e = entry("Long", i);
        e.player = QString(20000, QChar(u'\u0930')) + QString::number(i);
        e.saveFile = QStringLiteral("long%1.bsg").arg(i);
        careers.push_back(e);
    }
    const QByteArray bytes = hallOfFameBytes(careers);
    ASSERT_GT(bytes.size(), 16 * 1024 * 1024);
    write(bytes);
    const HallOfFameReading reading = readHallOfFame(path);
    EXPECT_FALSE(reading.damaged);
    EXPECT_EQ(reading.entries, careers);
    EXPECT_EQ(hallOfFameFromBytes(bytes).entries, careers);
}

// A row longer than any the game writes, or junk without a line end, costs
// itself alone: every good row before and after it is kept, and the file,
// set aside once, is not set aside again while it is the same.
TEST_F(HallOfFameFile, ALargeDamagedFileKeepsEveryGoodRowAndIsSetAsideOnce) {
    const QByteArray good = hallOfFameBytes({entry("Ravi", 500), entry("Mehta", 800)});
    const qsizetype firstRowEnd = good.indexOf('\n', good.indexOf('\n') + 1) + 1;
    const QByteArray damaged = good.first(firstRowEnd) + QByteArray(3 * 1024 * 1024, 'x') +
                               "\n\"open" + QByteArray(2 * 1024 * 1024, ',') + "\n" +
                               good.sliced(firstRowEnd);
    write(damaged);
    const HallOfFameReading reading = readHallOfFame(path);
    EXPECT_TRUE(reading.damaged);
    ASSERT_EQ(reading.entries.size(), 2u);
    EXPECT_EQ(reading.entries[1].player, QStringLiteral("Mehta"));

    const HallOfFameUpdate update = rememberInHallOfFame(path, {entry("Arjun", 1)});
    ASSERT_EQ(update.failure, std::nullopt);
    EXPECT_EQ(update.readFromDamaged, 2u);
    EXPECT_EQ(contents(update.setAsideTo), damaged);
    EXPECT_EQ(readHallOfFame(path).entries.size(), 3u);

    // The same damaged bytes put back: its copy is there already.
    write(damaged);
    const HallOfFameUpdate again = rememberInHallOfFame(path, {entry("Arjun", 1)});
    ASSERT_EQ(again.failure, std::nullopt);
    EXPECT_EQ(again.setAsideTo, update.setAsideTo);
    EXPECT_EQ(setAsideFilesOf(path, setAsideHallOfFameEnding).size(), 1);

    // Nothing of it readable: none said to be read.
    write("junk\n");
    EXPECT_EQ(rememberInHallOfFame(path, {}).readFromDamaged, 0u);
}

// A file written before the column of where a career first ended reads as
// the same careers, an ended one ended where it stands; written again, it
// takes the column.
TEST_F(HallOfFameFile, AFileWithoutTheEndedAfterColumnReadsAsTheSameCareers) {
    const QByteArray older =
        "player,save file,highest level,matches,runs,wickets,bank balance,ended,last played\n"
        "\"Arjun\",\"arjun_auto.bsg\",National,229,4000,90,597700,yes,2026-12-08T14:24:06Z\n"
        "\"Ravi\",\"ravi_auto.bsg\",City,12,300,4,5000,no,2026-12-08T14:24:06Z\n";
    const HallOfFameReading reading = hallOfFameFromBytes(older);
    EXPECT_FALSE(reading.damaged);
    ASSERT_EQ(reading.entries.size(), 2u);
    EXPECT_EQ(reading.entries[0].endedAfter, 229);
    EXPECT_EQ(reading.entries[1].endedAfter, 0);
    EXPECT_EQ(hallOfFameFromBytes(hallOfFameBytes(reading.entries)).entries, reading.entries);
    EXPECT_TRUE(
        hallOfFameBytes(reading.entries)
            .startsWith(
                "player,save file,highest level,matches,runs,wickets,bank balance,ended,last "
                "played,ended after\n"));
}

#ifdef Q_OS_UNIX
TEST_F(HallOfFameFile, ALinkInItsPlaceIsNeitherReadNorReplacedNorWrittenThrough) {
    QTemporaryDir elsewhere;
    const QString target = elsewhere.path() + QStringLiteral("/target.csv");
    const QByteArray targetBytes = hallOfFameBytes({entry("Far", 10)});
    {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(targetBytes);
    }
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()),
              0);
    EXPECT_TRUE(readHallOfFame(path).damaged);
    // Neither replaced nor written through: the player is told why.
    EXPECT_NE(rememberInHallOfFame(path, {entry("Ravi", 1)}).failure, std::nullopt);
    EXPECT_EQ(contents(target), targetBytes);
    EXPECT_TRUE(QFileInfo(path).isSymLink());
}

// Two copies ending careers at once each take theirs in: neither writes back
// what it read over what the other wrote meanwhile, in a folder with locks
// of the system or one without, where the lock file alone tells.
TEST_F(HallOfFameFile, CopiesEndingCareersAtOnceLoseNoCareer) {
    constexpr int perCopy = 25;
    for (const bool withLocks : {true, false}) {
        SCOPED_TRACE(withLocks ? "with locks of the system" : "without");
        QFile::remove(path);
        std::optional<FolderWithoutLocks> noLocks;
        if (!withLocks) noLocks.emplace();
        std::vector<pid_t> copies;
        for (int copy = 0; copy < 2; ++copy) {
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                bool allKept = true;
                for (int i = 0; i < perCopy; ++i) {
                    FameEntry e = entry("Copy", i);
                    e.player = QStringLiteral("Copy %1 career %2").arg(copy).arg(i);
                    e.saveFile = QStringLiteral("copy%1_%2.bsg").arg(copy).arg(i);
                    allKept = !rememberInHallOfFame(path, {e}).failure && allKept;
                }
                ::_exit(allKept ? 0 : 1);
            }
            copies.push_back(child);
        }
        for (const pid_t copy : copies) {
            int status = 0;
            ASSERT_EQ(::waitpid(copy, &status, 0), copy);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        const HallOfFameReading reading = readHallOfFame(path);
        EXPECT_FALSE(reading.damaged);
        EXPECT_EQ(reading.entries.size(), 2u * perCopy);
        EXPECT_FALSE(pathTaken(lockFilePath(path)));
    }
}
#endif

// A copy that finds the lock held waits for it, and then takes in what the
// holder wrote meanwhile.
TEST_F(HallOfFameFile, AWriterWaitsForTheLockAndKeepsWhatTheHolderWrote) {
    LockAttempt other = takeLockFile(lockFilePath(path), false);
    ASSERT_EQ(other.taking, LockTaking::taken);
    auto writing = std::async(std::launch::async,
                              [&] { return rememberInHallOfFame(path, {entry("Mehta", 800)}); });
    write(hallOfFameBytes({entry("Ravi", 500)}));
    other.held.reset();
    const HallOfFameUpdate update = writing.get();
    EXPECT_EQ(update.failure, std::nullopt);
    EXPECT_EQ(update.file, path);
    const HallOfFameReading reading = readHallOfFame(path);
    ASSERT_EQ(reading.entries.size(), 2u);
    EXPECT_EQ(reading.entries[0].player, QStringLiteral("Ravi"));
    EXPECT_EQ(reading.entries[1].player, QStringLiteral("Mehta"));
}

}  // namespace
