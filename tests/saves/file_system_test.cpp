// SPDX-License-Identifier: GPL-3.0-or-later
// The file layer's promises, which both of its builds keep: every test here
// runs in the POSIX build and in the portable one alike.
#include "saves/file_system.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "saves/career_lock.h"
#include "saves/history_file.h"
#include "saves/set_aside.h"
#include "support/file_contents.h"
#include "support/posix_files.h"
#include "support/two_matches.h"

namespace {

class FileSystem : public ::testing::Test {
  protected:
    QString at(const QString& name) const { return folder_.filePath(name); }
    QStringList everyFile() const {
        return QDir(folder_.path())
            .entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }

    QTemporaryDir folder_;
};

// A replace that cannot take the place of a file there fails every save
// after the first, leaving the first on disk.
TEST_F(FileSystem, EachSaveInARowReplacesTheOneBefore) {
    const QString save = at(QStringLiteral("ravi_auto.bsg"));
    ASSERT_EQ(replaceFile(save, "first\n"), std::nullopt);
    ASSERT_EQ(replaceFile(save, "second\n"), std::nullopt);
    ASSERT_EQ(replaceFile(save, "third\n"), std::nullopt);
    EXPECT_EQ(contents(save), "third\n");
    // No temporary file is left behind.
    EXPECT_EQ(everyFile(), QStringList{QStringLiteral("ravi_auto.bsg")});
}

TEST_F(FileSystem, AReplacedFileKeepsItsPermissions) {
    const QString save = at(QStringLiteral("ravi_auto.bsg"));
    ASSERT_EQ(replaceFile(save, "first\n"), std::nullopt);
    EXPECT_TRUE(QFile::permissions(save) & QFileDevice::ReadOther);
    const QFileDevice::Permissions own = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                         QFileDevice::ReadUser | QFileDevice::WriteUser;
    ASSERT_TRUE(QFile::setPermissions(save, own));
    ASSERT_EQ(replaceFile(save, "second\n"), std::nullopt);
    EXPECT_EQ(QFile::permissions(save), own);
}

TEST_F(FileSystem, AHistoryIsRewrittenWholeAndThenAppendedTo) {
    const TwoMatches two;
    const QString path = at(QStringLiteral("ravi_auto.history.csv"));
    ASSERT_EQ(writeHistoryFile(path, CareerHistory({two.rows.front()})), std::nullopt);
    const QByteArray oneRow = contents(path);
    ASSERT_EQ(writeHistoryFile(path, two.history()), std::nullopt);
    const QByteArray twoRows = contents(path);
    EXPECT_TRUE(twoRows.startsWith(oneRow));
    EXPECT_GT(twoRows.size(), oneRow.size());

    // Kept by a career from the first row on: written whole, then appended.
    ASSERT_TRUE(QFile::remove(path));
    HistoryFile kept;
    EXPECT_EQ(kept.write(path, CareerHistory({two.rows.front()})), std::nullopt);
    EXPECT_EQ(contents(path), oneRow);
    EXPECT_EQ(kept.write(path, two.history()), std::nullopt);
    EXPECT_EQ(contents(path), twoRows);
    EXPECT_FALSE(kept.keptAside().has_value());
}

// A history another program rewrote meanwhile is kept aside, and the file
// written whole again.
TEST_F(FileSystem, AHistoryAnotherProgramChangedIsKeptAndWrittenAgain) {
    const TwoMatches two;
    const QString path = at(QStringLiteral("ravi_auto.history.csv"));
    HistoryFile kept;
    ASSERT_EQ(kept.write(path, CareerHistory({two.rows.front()})), std::nullopt);
    put(path, "a spreadsheet's own\n");
    EXPECT_EQ(kept.write(path, two.history()), std::nullopt);
    ASSERT_TRUE(kept.keptAside().has_value());
    EXPECT_EQ(contents(kept.keptAside()->keptAs), "a spreadsheet's own\n");
    ASSERT_EQ(writeHistoryFile(at(QStringLiteral("whole.csv")), two.history()), std::nullopt);
    EXPECT_EQ(contents(path), contents(at(QStringLiteral("whole.csv"))));
}

TEST_F(FileSystem, ASaveAndItsHistoryAreSetAsideTogether) {
    const QString save = at(QStringLiteral("ravi_auto.bsg"));
    put(save, "save\n");
    put(historyFilePath(save), "history\n");
    const QDateTime when(QDate(2026, 4, 12), QTime(18, 30, 5));
    const SetAside aside = setAsideCareer(save, when);
    ASSERT_EQ(aside.failure, std::nullopt);
    EXPECT_EQ(aside.path, at(QStringLiteral("ravi_auto.old-20260412-183005.bsg")));
    EXPECT_EQ(contents(aside.path), "save\n");
    EXPECT_EQ(contents(historyFilePath(aside.path)), "history\n");
    EXPECT_FALSE(pathTaken(save));
    EXPECT_FALSE(pathTaken(historyFilePath(save)));

    // A second set-aside in the same second takes the next names.
    put(save, "save 2\n");
    put(historyFilePath(save), "history 2\n");
    const SetAside again = setAsideCareer(save, when);
    ASSERT_EQ(again.failure, std::nullopt);
    EXPECT_EQ(again.path, at(QStringLiteral("ravi_auto.old-20260412-183005-2.bsg")));
    EXPECT_EQ(contents(historyFilePath(again.path)), "history 2\n");
}

// Should the save fail to move once its history has, the history goes back:
// a career never finds itself without its history, or with another's.
TEST_F(FileSystem, AHistoryIsMovedBackWhenItsSaveCannotBeSetAside) {
    const QString save = at(QStringLiteral("ravi_auto.bsg"));
    put(historyFilePath(save), "history\n");
    const SetAside aside = setAsideCareer(save, QDateTime(QDate(2026, 4, 12), QTime(18, 30, 5)));
    EXPECT_NE(aside.failure, std::nullopt);
    EXPECT_TRUE(aside.path.isEmpty());
    EXPECT_EQ(contents(historyFilePath(save)), "history\n");
    EXPECT_EQ(everyFile(), QStringList{QStringLiteral("ravi_auto.history.csv")});
}

TEST_F(FileSystem, ALockIsHeldByOneCopyAndItsFileGoesWithIt) {
    const QString save = at(QStringLiteral("ravi_auto.bsg"));
    CareerLock mine;
    ASSERT_EQ(mine.take(save).taking, CareerLock::Taking::taken);
    EXPECT_TRUE(mine.holds(save));
    EXPECT_TRUE(pathTaken(lockFilePath(save)));
    CareerLock other;
    EXPECT_EQ(other.take(save).taking, CareerLock::Taking::heldByAnotherCopy);
    EXPECT_FALSE(other.holds(save));

    CareerLock moved = std::move(mine);
    EXPECT_TRUE(moved.holds(save));
    moved.release();
    EXPECT_FALSE(moved.holds(save));
    EXPECT_FALSE(pathTaken(lockFilePath(save)));
    EXPECT_EQ(other.take(save).taking, CareerLock::Taking::taken);
}

// Without a lock of the system behind a lock file, its words are all there
// is: a copy on another computer is not taken over unasked.
TEST_F(FileSystem, ALockAnotherComputerWroteIsTakenOverOnlyWhenAsked) {
    if (posixFileLayer())
        GTEST_SKIP() << "the POSIX build asks the system's lock and reads the file only where "
                        "a folder has none";
    const QString save = at(QStringLiteral("ravi_auto.bsg"));
    put(lockFilePath(save), "4711\nbailcrest\nanother-computer.invalid\n");
    CareerLock lock;
    const CareerLock::Result found = lock.take(save);
    EXPECT_EQ(found.taking, CareerLock::Taking::heldOnAnotherComputer);
    EXPECT_EQ(found.computer, QStringLiteral("another-computer.invalid"));
    EXPECT_EQ(lock.takeOver(save).taking, CareerLock::Taking::taken);
    EXPECT_TRUE(lock.holds(save));
}

TEST_F(FileSystem, NothingButARegularFileIsReadOrWritten) {
    const QString folder = at(QStringLiteral("folder"));
    ASSERT_TRUE(makeFolder(folder));
    EXPECT_EQ(readBounded(folder, 100).outcome, BoundedRead::Outcome::notRegular);
    EXPECT_NE(writeRefusal(folder), std::nullopt);
    EXPECT_NE(replaceFile(folder, "save\n"), std::nullopt);
    EXPECT_EQ(readBounded(at(QStringLiteral("missing")), 100).outcome,
              BoundedRead::Outcome::missing);
    QFile file;
    EXPECT_EQ(openToAppend(file, at(QStringLiteral("missing")), nullptr), AppendOpening::missing);
    EXPECT_FALSE(pathTaken(at(QStringLiteral("missing"))));

    const QString save = at(QStringLiteral("ravi_auto.bsg"));
    put(save, "0123456789");
    const BoundedRead start = readBounded(save, 4);
    EXPECT_EQ(start.bytes, "0123");
    EXPECT_FALSE(start.whole);
    EXPECT_EQ(readWholeBounded(save, 10), QByteArray("0123456789"));
    EXPECT_EQ(readWholeBounded(save, 9), std::nullopt);
    const FileState state = fileState(save);
    EXPECT_TRUE(state.exists && state.regular);
    EXPECT_EQ(state.size, 10);
}

TEST_F(FileSystem, ALinkIsNeverFollowed) {
#ifndef Q_OS_UNIX
    GTEST_SKIP() << "makes a symbolic link, which Windows grants only some users";
#endif
    const QString target = at(QStringLiteral("elsewhere.txt"));
    put(target, "not the game's\n");
    const QString link = at(QStringLiteral("ravi_auto.bsg"));
    ASSERT_TRUE(QFile::link(target, link));
    EXPECT_EQ(readBounded(link, 100).outcome, BoundedRead::Outcome::link);
    EXPECT_NE(replaceFile(link, "save\n"), std::nullopt);
    QFile file;
    EXPECT_EQ(openToAppend(file, link, nullptr), AppendOpening::refused);
    EXPECT_FALSE(fileState(link).regular);
    EXPECT_EQ(contents(target), "not the game's\n");
}

TEST_F(FileSystem, AFolderTakesFilesWhenOneCanBeMadeThere) {
    EXPECT_TRUE(folderTakesFiles(folder_.path()));
    EXPECT_FALSE(folderTakesFiles(at(QStringLiteral("missing"))));
    put(at(QStringLiteral("file")), "x");
    EXPECT_FALSE(folderTakesFiles(at(QStringLiteral("file"))));
    // The probe leaves nothing behind.
    EXPECT_EQ(everyFile(), QStringList{QStringLiteral("file")});
}

}  // namespace
