// SPDX-License-Identifier: GPL-3.0-or-later
// What the game never does to files: write through a link or into anything
// but a regular file, replace another career's save without the player's
// word, destroy a file it set aside, or let two copies write one career.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <optional>

#include "game/match.h"
#include "game/purchase.h"
#include "saves/career_file.h"
#include "saves/career_lock.h"
#include "saves/file_system.h"
#include "saves/history_csv.h"
#include "saves/history_file.h"
#include "saves/save_file_io.h"
#include "saves/set_aside.h"
#include "session/career_session.h"
#include "support/chosen_match.h"
#include "support/file_contents.h"
#include "support/qt_printers.h"
#include "support/save_fixtures.h"
#include "support/scripted_random.h"

namespace {

// Every file under a folder with its bytes, to tell that nothing changed.
std::map<QString, QByteArray> snapshot(const QString& folder) {
    std::map<QString, QByteArray> files;
    const QDir dir(folder);
    for (const QFileInfo& entry :
         dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (entry.isDir() && !entry.isSymLink()) {
            for (auto& [name, bytes] : snapshot(entry.filePath())) files[name] = bytes;
        } else {
            files[entry.filePath()] = contents(entry.filePath());
        }
    }
    return files;
}

class FilesKept : public ::testing::Test {
  protected:
    QTemporaryDir root;
    QString saves = root.path() + QStringLiteral("/Saves");
    QString outside = root.path() + QStringLiteral("/outside");
    Career career = midCareer();
    AutoSave autoSave = midCareerAutoSave();
    QString path = saves + QLatin1Char('/') + autoSave.fileName;
    MatchPerformance match{104, 1, 2};

    // The career in play with auto-save to the Saves folder, loaded from
    // loadedFrom if anything.
    CareerSession sessionOf(const Career& played, const QString& loadedFrom = QString()) const {
        return CareerSession(played, autoSave, SaveTarget{saves, false, loadedFrom});
    }

    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(saves));
        ASSERT_TRUE(QDir().mkpath(outside));
        put(outside + QStringLiteral("/notes.txt"), "the player's own notes\n");
    }

    void link(const QString& target, const QString& at) {
        ASSERT_EQ(
            ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(at).constData()), 0);
    }
};

// A link named like the save or the history file, pointing at a file outside
// the Saves folder or at none: nothing outside is created or changed, the
// link stays a link, and the player is told which file and why.
TEST_F(FilesKept, NoWriteGoesThroughALink) {
    const QString historyPath = historyFilePath(path);
    const struct {
        const char* name;
        QString at;
        QString target;
    } cases[] = {
        {"save file to a live file", path, outside + QStringLiteral("/notes.txt")},
        {"save file to no file", path, outside + QStringLiteral("/created.bsg")},
        {"history file to a live file", historyPath, outside + QStringLiteral("/notes.txt")},
        {"history file to no file", historyPath, outside + QStringLiteral("/created.csv")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(saves).removeRecursively();
        QDir().mkpath(saves);
        link(c.target, c.at);
        const auto before = snapshot(outside);
        CareerSession fresh = sessionOf(career);
        bool told = false;
        for (int played = 0; played < 2; ++played) {
            const ConfirmedMatch confirmed = confirmChosenMatch(fresh, match);
            const auto& failure =
                c.at == path ? confirmed.saveFailure : std::optional<SaveFailure>();
            if (failure) {
                EXPECT_EQ(failure->path, QDir::toNativeSeparators(path));
                EXPECT_TRUE(failure->reason.contains(QStringLiteral("link")))
                    << failure->reason.toStdString();
                told = true;
            }
            if (confirmed.historyFailure) {
                EXPECT_TRUE(confirmed.historyFailure->contains(QStringLiteral("link")));
                told = true;
            }
        }
        EXPECT_TRUE(told);
        EXPECT_EQ(snapshot(outside), before);
        EXPECT_TRUE(QFileInfo(c.at).isSymLink());
    }
}

// As root the game once replaced a device node: nothing but a regular file
// is ever written or appended to.
TEST_F(FilesKept, NothingButARegularFileIsWrittenOrAppendedTo) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    EXPECT_TRUE(writeRefusal(path));
    CareerSession session = sessionOf(career);
    const ConfirmedMatch confirmed = confirmChosenMatch(session, match);
    ASSERT_TRUE(confirmed.saveFailure);
    EXPECT_FALSE(QFileInfo(path).isFile());

    QFile appended;
    QString why;
    EXPECT_EQ(openToAppend(appended, path, &why), AppendOpening::refused);
    EXPECT_FALSE(why.isEmpty());
    EXPECT_EQ(openToAppend(appended, saves + QStringLiteral("/none.csv")), AppendOpening::missing);
    put(saves + QStringLiteral("/some.csv"), "a\n");
    EXPECT_EQ(openToAppend(appended, saves + QStringLiteral("/some.csv")), AppendOpening::opened);
}

// "Arjun Mehta" saved, then "Arjun Singh" starts: both are arjun_auto.bsg.
// Kept, the first career's save and history stay byte for byte and the new
// one is not saved; replaced, they are kept aside together and load again.
TEST_F(FilesKept, AnotherCareersSaveIsReplacedOnlyWhenThePlayerAgrees) {
    Career mehta = midCareer();
    mehta.player = QStringLiteral("Arjun Mehta");
    {
        CareerSession mehtaSession = sessionOf(mehta);
        for (int i = 0; i < 3; ++i)
            ASSERT_FALSE(confirmChosenMatch(mehtaSession, match).saveFailure);
        mehta = mehtaSession.career();
    }
    const auto before = snapshot(saves);

    for (const bool replace : {false, true}) {
        SCOPED_TRACE(replace ? "replaced" : "kept");
        Career singh = midCareer();
        singh.player = QStringLiteral("Arjun Singh");
        CareerSession singhSession = sessionOf(singh);
        const SaveClaim::Check check = singhSession.claimSaveFile();
        ASSERT_EQ(check.standing, SaveClaim::Standing::anotherFile);
        EXPECT_EQ(check.found.holds, FoundSave::Holds::career);
        EXPECT_EQ(check.found.player, QStringLiteral("Arjun Mehta"));
        EXPECT_EQ(check.found.level, QStringLiteral("State"));
        EXPECT_EQ(check.found.matches, careerMatches(mehta));
        singhSession.answerReplace(replace);
        for (int i = 0; i < 2; ++i) {
            const ConfirmedMatch confirmed = confirmChosenMatch(singhSession, match);
            EXPECT_EQ(bool(confirmed.saveFailure), false);
            EXPECT_EQ(confirmed.saved, replace);
        }
        if (!replace) {
            auto after = snapshot(saves);
            EXPECT_EQ(after, before);
            continue;
        }
        const QStringList aside = setAsideFilesOf(path, QStringLiteral(".bsg"));
        ASSERT_EQ(aside.size(), 1);
        EXPECT_EQ(contents(aside.front()), before.at(path));
        EXPECT_EQ(contents(historyFilePath(aside.front())), before.at(historyFilePath(path)));
        const SaveFileReading reading = readSaveFile(path);
        ASSERT_TRUE(reading.file);
        EXPECT_EQ(reading.file->line(2), QStringLiteral("Arjun Singh"));
    }
}

// A career's own file, the one it was loaded from or one it wrote, is
// replaced silently, as every save does.
TEST_F(FilesKept, ACareersOwnFileIsReplacedWithoutAsking) {
    {
        CareerSession session = sessionOf(career);
        ASSERT_FALSE(confirmChosenMatch(session, match).saveFailure);
        EXPECT_FALSE(confirmChosenMatch(session, match).saveFailure);
    }
    {
        CareerSession loaded = sessionOf(career, path);
        EXPECT_EQ(loaded.claimSaveFile().standing, SaveClaim::Standing::clear);
        EXPECT_FALSE(confirmChosenMatch(loaded, match).saveFailure);
    }
    // Reached through another path to the same folder, too.
    link(saves, root.path() + QStringLiteral("/SavesLink"));
    CareerSession throughLink =
        sessionOf(career, root.path() + QStringLiteral("/SavesLink/") + autoSave.fileName);
    EXPECT_EQ(throughLink.claimSaveFile().standing, SaveClaim::Standing::clear);
}

// Set aside twice in a row, within one second: both copies stay, under names
// of their own; a failed move removes nothing.
TEST_F(FilesKept, SetAsideFilesAreNeverReplaced) {
    const QString historyPath = historyFilePath(path);
    const QDateTime when =
        QDateTime::fromString(QStringLiteral("2026-04-12T18:30:05"), Qt::ISODate);
    put(historyPath, "600 rows\n");
    const SetAside first = setAsideFile(historyPath, setAsideHistoryEnding, when);
    ASSERT_FALSE(first.failure);
    EXPECT_EQ(QFileInfo(first.path).fileName(),
              autoSave.fileName.chopped(4) + QStringLiteral(".history.old-20260412-183005.csv"));
    put(historyPath, "a spreadsheet's copy\n");
    const SetAside second = setAsideFile(historyPath, setAsideHistoryEnding, when);
    ASSERT_FALSE(second.failure);
    EXPECT_NE(second.path, first.path);
    EXPECT_EQ(contents(first.path), "600 rows\n");
    EXPECT_EQ(contents(second.path), "a spreadsheet's copy\n");

    // A career set aside with its history: the history goes with the save.
    put(path, "a save");
    put(historyPath, "its history\n");
    const SetAside pair = setAsideCareer(path, when);
    ASSERT_FALSE(pair.failure);
    EXPECT_EQ(contents(pair.path), "a save");
    EXPECT_EQ(contents(historyFilePath(pair.path)), "its history\n");
    EXPECT_FALSE(QFileInfo::exists(path));

    // The set-aside name is longer than the system allows: the move fails
    // and the file stays where it was.
    const QString longName =
        saves + QLatin1Char('/') + QString(245, QLatin1Char('l')) + QStringLiteral(".csv");
    put(longName, "kept\n");
    const SetAside failed = setAsideFile(longName, setAsideHistoryEnding, when);
    EXPECT_TRUE(failed.failure);
    EXPECT_EQ(contents(longName), "kept\n");
}

// Runs the function in a child process; its exit code.
template <typename Child>
int inChild(Child child) {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(child());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Two copies of the game on one career: the second is told and does not
// save, not after a match nor after a purchase or a sponsor; a lock left by
// a copy that died is taken over.
TEST_F(FilesKept, OneCopyOfTheGamePlaysACareerAtATime) {
    std::optional<CareerSession> first(std::in_place, career, autoSave,
                                       SaveTarget{saves, false, {}});
    ASSERT_EQ(first->claimSaveFile().standing, SaveClaim::Standing::clear);
    ASSERT_FALSE(confirmChosenMatch(*first, match).saveFailure);
    const QByteArray saved = contents(path);

    const int secondCopy = inChild([&] {
        CareerSession second = sessionOf(career, path);
        if (second.claimSaveFile().standing != SaveClaim::Standing::openInAnotherCopy) return 1;
        const ConfirmedMatch confirmed = confirmChosenMatch(second, match);
        if (confirmed.saveFailure || confirmed.saved) return confirmed.saved ? 3 : 2;
        // Nor does what the second copy buys or takes.
        second.changeCareer([](Career& career) { career.bankBalance = 10000000; });
        const ConfirmedPurchase bought =
            second.confirmPurchase(Purchase(purchase_centres::health(), second.career()));
        const TakenSponsor taken = second.takeSponsor(0);
        if (bought.save.saved || taken.save.saved) return 4;
        return bought.save.saveFailure || taken.save.saveFailure ? 5 : 0;
    });
    EXPECT_EQ(secondCopy, 0);
    EXPECT_EQ(contents(path), saved);

    first.reset();
    const int died = inChild([&] {
        CareerLock lock;
        if (lock.take(path).taking != CareerLock::Taking::taken) return 1;
        // Gone without letting go.
        std::quick_exit(0);
        return 0;
    });
    ASSERT_EQ(died, 0);
    ASSERT_TRUE(QFileInfo::exists(lockFilePath(path)));
    CareerLock after;
    EXPECT_EQ(after.take(path).taking, CareerLock::Taking::taken);
}

}  // namespace
