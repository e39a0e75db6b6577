// SPDX-License-Identifier: GPL-3.0-or-later
// The career's lock as copies of the game really leave it: killed at any
// moment, emptied, filled with junk, written in a container or on another
// computer, or replaced by something that is no file at all.
#include "saves/career_lock.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <optional>
#include <random>
#include <thread>

#include "game/match.h"
#include "saves/file_size_limit.h"
#include "saves/lock_holder.h"
#include "session/career_session.h"
#include "support/bytes_read.h"
#include "support/chosen_match.h"
#include "support/file_contents.h"
#include "support/posix_files.h"
#include "support/qt_printers.h"
#include "support/save_fixtures.h"

namespace {

class CareerLocks : public ::testing::Test {
  protected:
    QTemporaryDir root;
    QString saves = root.path() + QStringLiteral("/Saves");
    AutoSave autoSave = midCareerAutoSave();
    QString path = saves + QLatin1Char('/') + autoSave.fileName;
    QString lock = lockFilePath(path);
    MatchPerformance match{104, 1, 2};

    void SetUp() override { ASSERT_TRUE(QDir().mkpath(saves)); }

    CareerSession session() const {
        return CareerSession(midCareer(), autoSave, SaveTarget{saves, false, {}});
    }
};

// Whatever a lock file holds, when no running copy holds it the career is
// taken over without a word and saves; a lock no bigger than a few hundred
// bytes is ever read, so even a huge one answers at once.
TEST_F(CareerLocks, ALockNoRunningCopyHoldsIsTakenOverWhateverItHolds) {
    const struct {
        const char* name;
        QByteArray bytes;
        qint64 sparseSize;
        // Only a lock of the system asked tells that nobody holds it.
        bool asksTheSystem = false;
    } cases[] = {
        {"an empty lock, left by a copy killed while it made it", {}, 0},
        {"junk", "\x01\xff not a lock at all", 0},
        {"this process's own number, written in a container",
         QByteArray::number(::getpid()) + "\nbailcrest\n" + QSysInfo::machineHostName().toUtf8() +
             '\n',
         0},
        {"a lock another computer wrote in a folder that holds locks",
         "4242\nbailcrest\nfar-away\n", 0, true},
        {"a lock of a gibibyte", {}, qint64(1) << 30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // The portable build asks the player about another computer's lock.
        if (c.asksTheSystem && !posixFileLayer()) continue;
        QFile::remove(path);
        put(lock, c.bytes);
        if (c.sparseSize > 0) {
            ASSERT_TRUE(QFile(lock).resize(c.sparseSize));
        }
        {
            CareerSession playing = session();
            const std::optional<qint64> read = bytesReadWhile(
                [&] { EXPECT_EQ(playing.claimSaveFile().standing, SaveClaim::Standing::clear); });
            // Taken over unread: at most a few hundred bytes of a lock are read.
            if (read) {
                EXPECT_LT(*read, 64 * 1024);
            }
            const ConfirmedMatch confirmed = confirmChosenMatch(playing, match);
            EXPECT_TRUE(confirmed.saved);
            EXPECT_FALSE(playing.whySavingOff());
            EXPECT_LT(QFileInfo(lock).size(), maxLockFileBytes);
        }
        // Let go of as the career ends.
        EXPECT_FALSE(QFileInfo::exists(lock));
    }
}

// A pipe, a folder or a link at the lock's path is never opened (a pipe would
// keep the game waiting for ever) and never replaced: the career plays
// without saving, the player is told which file is in the way, and the main
// screen can say why for as long as it is so.
TEST_F(CareerLocks, NothingButARegularFileAtTheLockIsRefusedAtOnce) {
    const QString outside = root.path() + QStringLiteral("/notes.txt");
    put(outside, "the player's own notes\n");
    const struct {
        const char* name;
        std::function<void()> make;
    } cases[] = {
        {"a pipe", [&] { ASSERT_EQ(::mkfifo(QFile::encodeName(lock).constData(), 0600), 0); }},
        {"a folder", [&] { ASSERT_TRUE(QDir().mkpath(lock)); }},
        {"a dangling link", [&] { ASSERT_TRUE(QFile::link(root.path() + "/none", lock)); }},
        {"a link to a file outside", [&] { ASSERT_TRUE(QFile::link(outside, lock)); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.make();
        {
            // Were the pipe opened, the claim would wait for a writer for ever
            // and the test would not end.
            CareerSession playing = session();
            EXPECT_EQ(playing.claimSaveFile().standing, SaveClaim::Standing::lockRefused);
            ASSERT_TRUE(playing.whySavingOff());
            EXPECT_EQ(playing.whySavingOff()->why, SaveClaim::NotSaving::lockNotARegularFile);
            EXPECT_EQ(playing.whySavingOff()->file, lock);
            const ConfirmedMatch confirmed = confirmChosenMatch(playing, match);
            EXPECT_FALSE(confirmed.saved);
            EXPECT_FALSE(confirmed.saveFailure);
        }
        EXPECT_FALSE(QFileInfo::exists(path));
        EXPECT_TRUE(QFileInfo(lock).isSymLink() || QFileInfo(lock).exists());
        EXPECT_EQ(contents(outside), "the player's own notes\n");
        if (QFileInfo(lock).isDir() && !QFileInfo(lock).isSymLink()) {
            QDir().rmdir(lock);
        } else {
            QFile::remove(lock);
        }
    }
}

// A copy that could not make its lock (a full disk) never saves in that
// game, even once the disk has room again: another copy may hold the career
// meanwhile. A career that did not claim its save as it started tells so at
// its first save, once.
TEST_F(CareerLocks, ALockThatCannotBeMadeMeansNoSaveAtAll) {
    std::optional<CareerSession> claimed(std::in_place, session());
    {
        const FileSizeLimit full(0);
        EXPECT_EQ(claimed->claimSaveFile().standing, SaveClaim::Standing::lockRefused);
    }
    // No empty lock is left behind.
    EXPECT_FALSE(QFileInfo::exists(lockFilePath(path)));
    ASSERT_TRUE(claimed->whySavingOff());
    EXPECT_EQ(claimed->whySavingOff()->why, SaveClaim::NotSaving::lockNotMade);
    EXPECT_EQ(claimed->whySavingOff()->detail, QStringLiteral("File too large"));
    EXPECT_FALSE(confirmChosenMatch(*claimed, match).saved);
    EXPECT_FALSE(QFileInfo::exists(path));
    claimed.reset();

    CareerSession unclaimed = session();
    {
        const FileSizeLimit full(0);
        const ConfirmedMatch first = confirmChosenMatch(unclaimed, match);
        EXPECT_FALSE(first.saved);
        EXPECT_TRUE(first.saveFailure);
    }
    const ConfirmedMatch second = confirmChosenMatch(unclaimed, match);
    EXPECT_FALSE(second.saved);
    EXPECT_FALSE(second.saveFailure);
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(unclaimed.whySavingOff());
}

// A save whose name is as long as the folder allows leaves no room for its
// lock's: the player is told so, not that the disk is full.
TEST_F(CareerLocks, ALockNameTooLongIsToldForWhatItIs) {
    const AutoSave longest{true, QString(255 - 4, u'a') + saveFileEnding};
    CareerSession playing(midCareer(), longest, SaveTarget{saves, false, {}});
    EXPECT_EQ(playing.claimSaveFile().standing, SaveClaim::Standing::lockRefused);
    ASSERT_TRUE(playing.whySavingOff());
    EXPECT_EQ(playing.whySavingOff()->why, SaveClaim::NotSaving::lockNameTooLong);
    EXPECT_FALSE(confirmChosenMatch(playing, match).saved);
}

// A copy killed at any moment (while it takes its lock, saves or appends its
// history) never keeps the career from the next copy, which takes it over
// and saves; and while a copy runs, no other saves the career.
TEST_F(CareerLocks, AKilledCopyNeverKeepsTheCareer) {
    std::mt19937 draws(23);
    std::uniform_int_distribution<int> microseconds(0, 3000);
    // A fixed number of rounds with seeded delays, so that every run kills
    // the copies at the same spread of moments.
    for (int rounds = 1; rounds <= 200; ++rounds) {
        const pid_t copy = ::fork();
        if (copy == 0) {
            CareerSession playing = session();
            playing.claimSaveFile();
            for (;;) confirmChosenMatch(playing, match);
        }
        ASSERT_GT(copy, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(microseconds(draws)));
        ::kill(copy, SIGKILL);
        int status = 0;
        ::waitpid(copy, &status, 0);

        // The next copy loads what the killed one saved, if anything.
        CareerSession next(midCareer(), autoSave, SaveTarget{saves, false, path});
        ASSERT_EQ(next.claimSaveFile().standing, SaveClaim::Standing::clear) << "round " << rounds;
        const ConfirmedMatch confirmed = confirmChosenMatch(next, match);
        ASSERT_TRUE(confirmed.saved)
            << "round " << rounds << ": "
            << (confirmed.saveFailure ? confirmed.saveFailure->reason.toStdString()
                                      : std::string());
    }

    CareerSession running(midCareer(), autoSave, SaveTarget{saves, false, path});
    ASSERT_EQ(running.claimSaveFile().standing, SaveClaim::Standing::clear);
    const pid_t other = ::fork();
    if (other == 0) {
        CareerSession second = session();
        const bool refused =
            second.claimSaveFile().standing == SaveClaim::Standing::openInAnotherCopy &&
            !confirmChosenMatch(second, match).saved;
        ::_exit(refused ? 0 : 1);
    }
    int status = 0;
    ::waitpid(other, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

// Where the folder holds no locks of the system, the lock's own words tell:
// nobody's (empty, junk, cut off), this computer's running copy, a process
// that has ended, or one of that number started at another time (another
// program given the number since), this very process's number (a copy in
// another container that ended), or another computer's, which the player is
// asked about.
TEST(LockHolders, WhatALockFileSaysWhereTheFolderHoldsNoLocks) {
    const LockHolder here{4711, QStringLiteral("raj-laptop"), 880};
    // Process 100 runs, started at 555; 102 runs, its start not told.
    const auto running = [](qint64 pid) -> std::optional<qint64> {
        if (pid == 100) return 555;
        if (pid == 102) return 0;
        return std::nullopt;
    };
    const auto standing = [&](const QByteArray& bytes) {
        return standingOf(lockHolderIn(bytes), here, running);
    };
    EXPECT_EQ(lockHolderIn(lockFileBytes(here))->computer, here.computer);
    EXPECT_EQ(standing({}), LockStanding::stale);
    EXPECT_EQ(standing("junk"), LockStanding::stale);
    EXPECT_EQ(standing("100\nbailcrest\nraj-lap"), LockStanding::stale);
    EXPECT_EQ(standing(QByteArray(300, '1') + "\nbailcrest\nraj-laptop\n"), LockStanding::stale);
    EXPECT_EQ(standing("100\nbailcrest\nraj-laptop\n"), LockStanding::heldHere);
    EXPECT_EQ(standing("101\nbailcrest\nraj-laptop\n"), LockStanding::stale);
    EXPECT_EQ(standing("4711\nbailcrest\nraj-laptop\n"), LockStanding::stale);
    EXPECT_EQ(standing("100\nbailcrest\nfamily-pc\n"), LockStanding::heldElsewhere);
    EXPECT_EQ(lockHolderIn("100\nbailcrest\nfamily-pc\n")->computer, QStringLiteral("family-pc"));
    EXPECT_EQ(lockHolderIn(lockFileBytes(here))->startedAt, 880);
    EXPECT_EQ(standing("100\nbailcrest\nraj-laptop\n555\n"), LockStanding::heldHere);
    EXPECT_EQ(standing("100\nbailcrest\nraj-laptop\n554\n"), LockStanding::stale);
    EXPECT_EQ(standing("102\nbailcrest\nraj-laptop\n554\n"), LockStanding::heldHere);
    EXPECT_EQ(standing("100\nbailcrest\nraj-laptop\nx\n"), LockStanding::heldHere);
}

}  // namespace
