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
#include <functional>
#include <optional>
#include <random>

#include "game/match.h"
#include "saves/file_size_limit.h"
#include "saves/lock_holder.h"
#include "session/career_session.h"
#include "support/bytes_read.h"
#include "support/chosen_match.h"
#include "support/file_contents.h"
#include "support/folder_without_locks.h"
#include "support/posix_files.h"
#include "support/qt_printers.h"
#include "support/running_program.h"
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

    // A copy of the game that has claimed the career and holds it until it is
    // ended; -1 when it could not claim it.
    pid_t copyHoldingTheCareer() const {
        int held[2];
        if (::pipe(held) != 0) return -1;
        const pid_t copy = ::fork();
        if (copy == 0) {
            CareerSession playing = session();
            const char said =
                playing.claimSaveFile().standing == SaveClaim::Standing::clear ? 'c' : 'r';
            (void)!::write(held[1], &said, 1);
            for (;;) ::pause();
        }
        char said = 0;
        const bool claimed = ::read(held[0], &said, 1) == 1 && said == 'c';
        ::close(held[0]);
        ::close(held[1]);
        if (!claimed) endChild(copy);
        return claimed ? copy : -1;
    }

    // Copies killed at seeded points of their play, each while it takes its
    // lock or while it saves a match and appends its history (the copy says
    // when each step is done, and is killed as it goes on into the next),
    // and after each the next copy takes the career over and saves.
    void killedCopiesNeverKeepTheCareer(int rounds) const {
        std::mt19937 draws(23);
        std::uniform_int_distribution<int> stepsDone(0, 3);
        for (int round = 1; round <= rounds; ++round) {
            int steps[2];
            ASSERT_EQ(::pipe(steps), 0);
            const pid_t copy = ::fork();
            if (copy == 0) {
                ::close(steps[0]);
                CareerSession playing = session();
                playing.claimSaveFile();
                for (;;) {
                    (void)!::write(steps[1], "s", 1);
                    confirmChosenMatch(playing, match);
                }
            }
            ASSERT_GT(copy, 0);
            ::close(steps[1]);
            char step = 0;
            bool stepped = true;
            for (int done = stepsDone(draws); done > 0 && stepped; --done)
                stepped = ::read(steps[0], &step, 1) == 1;
            ::kill(copy, SIGKILL);
            ::close(steps[0]);
            int status = 0;
            ::waitpid(copy, &status, 0);
            ASSERT_TRUE(stepped) << "round " << round << ": the copy stopped playing";

            // The next copy loads what the killed one saved, if anything.
            CareerSession next(midCareer(), autoSave, SaveTarget{saves, false, path});
            ASSERT_EQ(next.claimSaveFile().standing, SaveClaim::Standing::clear)
                << "round " << round;
            const ConfirmedMatch confirmed = confirmChosenMatch(next, match);
            ASSERT_TRUE(confirmed.saved)
                << "round " << round << ": "
                << (confirmed.saveFailure ? confirmed.saveFailure->reason.toStdString()
                                          : std::string());
        }
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
    killedCopiesNeverKeepTheCareer(200);
    if (HasFatalFailure()) return;

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

// Where the folder holds no locks of the system, a copy killed at any moment
// leaves a lock naming a process that has ended, or a lock cut off: the next
// copy takes it over without a word, in either build of the file layer.
TEST_F(CareerLocks, WithoutLocksOfTheSystemAKilledCopyNeverKeepsTheCareer) {
    const FolderWithoutLocks noLocks;
    killedCopiesNeverKeepTheCareer(100);
}

QByteArray lockWithoutStart(pid_t pid) {
    return QByteArray::number(pid) + "\nbailcrest\n" + QSysInfo::machineHostName().toUtf8() + '\n';
}

// Where the folder cannot hold locks of the system, the lock file alone
// tells who plays: two copies that claim one career at the same moment never
// both take it; a lock naming a process that now runs another program is
// the player's to take over, and one naming a running copy of the game is
// never taken, however asked.
TEST_F(CareerLocks, WithoutLocksOfTheSystemTheLockFileAloneTells) {
    const FolderWithoutLocks noLocks;
    for (int round = 1; round <= 40; ++round) {
        int start[2], told[2], done[2];
        ASSERT_EQ(::pipe(start), 0);
        ASSERT_EQ(::pipe(told), 0);
        ASSERT_EQ(::pipe(done), 0);
        const pid_t other = ::fork();
        if (other == 0) {
            char byte = 0;
            (void)!::read(start[0], &byte, 1);
            {
                CareerSession second = session();
                byte = second.claimSaveFile().standing == SaveClaim::Standing::clear ? 'c' : 'r';
                (void)!::write(told[1], &byte, 1);
                (void)!::read(done[0], &byte, 1);
            }
            ::_exit(0);
        }
        bool firstTook = false;
        {
            CareerSession first = session();
            (void)!::write(start[1], "g", 1);
            firstTook = first.claimSaveFile().standing == SaveClaim::Standing::clear;
            char secondSaid = 0;
            ASSERT_EQ(::read(told[0], &secondSaid, 1), 1);
            EXPECT_NE(firstTook, secondSaid == 'c') << "round " << round;
            (void)!::write(done[1], "d", 1);
            int status = 0;
            ::waitpid(other, &status, 0);
        }
        for (int end : {start[0], start[1], told[0], told[1], done[0], done[1]}) ::close(end);
        QFile::remove(lock);
    }

    // A process given the number of a copy that ended: "sleep" runs there.
    const pid_t unrelated = startProgram("sleep", "1000");
    ASSERT_GT(unrelated, 0);
    put(lock, lockWithoutStart(unrelated));
    {
        CareerSession asked = session();
        const SaveClaim::Check check = asked.claimSaveFile();
        EXPECT_EQ(check.standing, SaveClaim::Standing::lockOfAnotherProgram);
        EXPECT_EQ(check.pid, unrelated);
        EXPECT_EQ(check.program, QStringLiteral("sleep"));
        // Kept: no save, and the lock stays as it was.
        asked.answerTakeOver(false);
        ASSERT_TRUE(asked.whySavingOff());
        EXPECT_EQ(asked.whySavingOff()->why, SaveClaim::NotSaving::lockOfAnotherProgram);
        EXPECT_FALSE(confirmChosenMatch(asked, match).saved);
        EXPECT_EQ(contents(lock), lockWithoutStart(unrelated));
    }
    {
        CareerSession taking = session();
        taking.claimSaveFile();
        EXPECT_EQ(taking.answerTakeOver(true).standing, SaveClaim::Standing::clear);
        EXPECT_FALSE(taking.whySavingOff());
        EXPECT_TRUE(confirmChosenMatch(taking, match).saved);
    }
    // The same process, where the lock tells a start other than its own: the
    // number was given to it after the copy that wrote the lock ended, and
    // the lock is taken over without a word.
    QFile::remove(path);
    put(lock, lockWithoutStart(unrelated) + "1\n");
    {
        CareerSession taking = session();
        EXPECT_EQ(taking.claimSaveFile().standing, SaveClaim::Standing::clear);
        EXPECT_TRUE(confirmChosenMatch(taking, match).saved);
    }
    endChild(unrelated);

    // A copy of the game still running, whose lock tells no start.
    const pid_t copy = startWaitingCopy();
    put(lock, lockWithoutStart(copy));
    {
        CareerSession second = session();
        EXPECT_EQ(second.claimSaveFile().standing, SaveClaim::Standing::openInAnotherCopy);
        EXPECT_NE(second.answerTakeOver(true).standing, SaveClaim::Standing::clear);
        EXPECT_FALSE(confirmChosenMatch(second, match).saved);
    }
    EXPECT_EQ(contents(lock), lockWithoutStart(copy));
    endChild(copy);
}

// A lock of a copy of the game still running is never taken over, in a
// folder with locks of the system or without.
TEST_F(CareerLocks, ALockOfARunningCopyIsNeverTakenOver) {
    for (const bool withLocks : {true, false}) {
        SCOPED_TRACE(withLocks ? "with locks of the system" : "without");
        std::optional<FolderWithoutLocks> noLocks;
        if (!withLocks) noLocks.emplace();
        const pid_t copy = copyHoldingTheCareer();
        ASSERT_GT(copy, 0);
        {
            CareerSession second = session();
            EXPECT_EQ(second.claimSaveFile().standing, SaveClaim::Standing::openInAnotherCopy);
            EXPECT_FALSE(confirmChosenMatch(second, match).saved);
        }
        endChild(copy);
        QFile::remove(lock);
    }
}

// Where the folder holds no locks of the system, the lock's own words tell:
// nobody's (empty, junk, cut off), this computer's running copy, a process
// that has ended, or one of that number started at another time (another
// program given the number since), this very process's number (a copy in
// another container that ended), or another computer's, which the player is
// asked about; a process of another program, where its start cannot tell,
// is asked about too.
TEST(LockHolders, WhatALockFileSaysWhereTheFolderHoldsNoLocks) {
    const LockHolder here{4711, QStringLiteral("raj-laptop"), 880};
    // This copy runs "bailcrest"; process 100 runs it too, started at 555;
    // 102 runs it, its start not told; 103 runs "sleep", 104 a program the
    // system does not name, neither telling its start.
    const auto running = [](qint64 pid) -> std::optional<RunningProcess> {
        const QString game = QStringLiteral("bailcrest");
        if (pid == 4711) return RunningProcess{880, game};
        if (pid == 100) return RunningProcess{555, game};
        if (pid == 102) return RunningProcess{0, game};
        if (pid == 103) return RunningProcess{0, QStringLiteral("sleep")};
        if (pid == 104) return RunningProcess{};
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
    // Another program where the start cannot tell is the player's to judge;
    // where the start tells, it alone does.
    EXPECT_EQ(standing("103\nbailcrest\nraj-laptop\n"), LockStanding::heldByAnotherProgram);
    EXPECT_EQ(standing("103\nbailcrest\nraj-laptop\n554\n"), LockStanding::heldByAnotherProgram);
    EXPECT_EQ(standing("104\nbailcrest\nraj-laptop\n"), LockStanding::heldHere);
    EXPECT_EQ(standing("102\nbailcrest\nraj-laptop\n"), LockStanding::heldHere);
}

// When a process started, as Linux tells it: the 22nd field of its stat
// line, counted after the program's name, which may itself hold blanks and
// parentheses; a line cut short tells nothing.
TEST(LockHolders, AProcessStartIsReadPastAnyProgramName) {
    const QByteArray fields = " S 1 1 1 0 -1 4194560 100 0 0 0 5 3 0 0 20 0 1 0 98765 1000 7";
    EXPECT_EQ(startInProcStat("4711 (bailcrest)" + fields), 98765);
    EXPECT_EQ(startInProcStat("4711 (a) b (c)" + fields), 98765);
    EXPECT_EQ(startInProcStat("4711 (bailcrest) S 1 1 1"), 0);
    EXPECT_EQ(startInProcStat({}), 0);
#ifdef Q_OS_LINUX
    EXPECT_GT(startInProcStat(contents(QStringLiteral("/proc/self/stat"))), 0);
#endif
}

}  // namespace
