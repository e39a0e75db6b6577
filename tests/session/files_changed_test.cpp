// SPDX-License-Identifier: GPL-3.0-or-later
// Files other programs change while the game runs: a spreadsheet saving the
// history, another career's save copied over this one, a link swapped in
// while the game saves. What they hold is kept, and nothing outside the
// Saves folder is ever written.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <atomic>
#include <thread>

#include "game/match.h"
#include "game/purchase.h"
#include "saves/career_file.h"
#include "saves/history_csv.h"
#include "saves/history_file.h"
#include "saves/save_file_io.h"
#include "saves/set_aside.h"
#include "session/career_session.h"
#include "support/bytes_read.h"
#include "support/chosen_match.h"
#include "support/file_contents.h"
#include "support/posix_files.h"
#include "support/qt_printers.h"
#include "support/save_fixtures.h"

namespace {

class FilesChanged : public ::testing::Test {
  protected:
    QTemporaryDir root;
    QString saves = root.path() + QStringLiteral("/Saves");
    AutoSave autoSave = midCareerAutoSave();
    QString path = saves + QLatin1Char('/') + autoSave.fileName;
    QString historyPath = historyFilePath(path);
    MatchPerformance match{104, 1, 2};

    void SetUp() override { ASSERT_TRUE(QDir().mkpath(saves)); }

    CareerSession session(const Career& career = midCareer()) const {
        CareerSession playing(career, autoSave, SaveTarget{saves, false, {}});
        EXPECT_EQ(playing.claimSaveFile().standing, SaveClaim::Standing::clear);
        return playing;
    }

    // The save of another career, as another program copies it in.
    QByteArray anotherCareersSave() const {
        Career other = midCareer();
        other.player = QStringLiteral("Somebody Else");
        return encodeSaveFile(saveFileOf(other, true));
    }
};

// Between two matches another career's save is copied over this one's, or
// a spreadsheet saves the history with its own line ends and a column of
// notes: at the next match each is kept aside under a dated name, the
// player is told once which file and where, and the career saves in its
// place. A file only touched, its content as the game left it, is not kept.
TEST_F(FilesChanged, WhatAnotherProgramChangedBetweenMatchesIsKeptAndTold) {
    CareerSession playing = session();
    ASSERT_TRUE(confirmChosenMatch(playing, match).saved);
    ASSERT_TRUE(confirmChosenMatch(playing, match).saved);

    const QByteArray otherSave = anotherCareersSave();
    put(path, otherSave);
    QByteArray edited = contents(historyPath);
    edited.replace("\n", ",my notes\r\n");
    put(historyPath, edited);

    const ConfirmedMatch confirmed = confirmChosenMatch(playing, match);
    ASSERT_TRUE(confirmed.saved);
    ASSERT_EQ(confirmed.keptAside.size(), 2u);
    EXPECT_EQ(confirmed.keptAside[0].file, path);
    EXPECT_EQ(contents(confirmed.keptAside[0].keptAs), otherSave);
    EXPECT_TRUE(QFileInfo(confirmed.keptAside[0].keptAs).fileName().endsWith(".bsg"));
    EXPECT_EQ(confirmed.keptAside[1].file, historyPath);
    EXPECT_EQ(contents(confirmed.keptAside[1].keptAs), edited);
    // A pair kept as a pair, under the names Load reads together.
    EXPECT_EQ(confirmed.keptAside[1].keptAs, historyFilePath(confirmed.keptAside[0].keptAs));
    EXPECT_EQ(setAsideFilesOf(path, saveFileEnding).size(), 1);

    // The career's own files again, whole.
    const SaveFileReading reading = readSaveFile(path);
    ASSERT_TRUE(reading.file);
    EXPECT_EQ(reading.file->line(saveLine::player), midCareer().player);
    const HistoryLines lines = readHistoryLines(contents(historyPath));
    EXPECT_EQ(lines.rows.size(), 3u);
    EXPECT_EQ(lines.damaged, 0);

    // Told once; touched only, nothing is kept.
    const QByteArray saved = contents(path);
    ASSERT_EQ(::utime(QFile::encodeName(path).constData(), nullptr), 0);
    ASSERT_EQ(::utime(QFile::encodeName(historyPath).constData(), nullptr), 0);
    EXPECT_TRUE(confirmChosenMatch(playing, match).keptAside.empty());
    EXPECT_EQ(setAsideFilesOf(path, saveFileEnding).size(), 1);
}

// Another career's save copied over this one's after a match is kept aside
// when a purchase saves the career, as the next match would have kept it.
TEST_F(FilesChanged, WhatAnotherProgramChangedBeforeAPurchaseIsKept) {
    CareerSession playing = session();
    ASSERT_TRUE(confirmChosenMatch(playing, match).saved);
    const QByteArray otherSave = anotherCareersSave();
    put(path, otherSave);
    const QByteArray historyBefore = contents(historyPath);

    playing.changeCareer([](Career& career) { career.bankBalance = 10000000; });
    const ConfirmedPurchase bought =
        playing.confirmPurchase(Purchase(purchase_centres::health(), playing.career()));
    ASSERT_EQ(bought.outcome, PurchaseOutcome::bought);
    ASSERT_TRUE(bought.save.saved);
    ASSERT_EQ(bought.save.keptAside.size(), 1u);
    EXPECT_EQ(bought.save.keptAside[0].file, path);
    EXPECT_EQ(contents(bought.save.keptAside[0].keptAs), otherSave);
    EXPECT_EQ(contents(path), encodeSaveFile(saveFileOf(playing.career(), true)));
    EXPECT_EQ(contents(historyPath), historyBefore);
}

// A shorter history of another club-level career beside this career's save
// is not read as this career's, and the next save never merges its rows:
// it is kept aside whole.
TEST_F(FilesChanged, AnotherCareersShorterHistoryIsNeverAdopted) {
    QTemporaryDir elsewhere;
    Career other = midCareer();
    other.level = Level::club;
    {
        CareerSession anotherCareer(other, autoSave, SaveTarget{elsewhere.path(), false, {}});
        for (int i = 0; i < 3; ++i) confirmChosenMatch(anotherCareer, MatchPerformance{180, 7, 3});
    }
    const QByteArray foreign =
        contents(historyFilePath(elsewhere.path() + "/" + autoSave.fileName));

    Career career = midCareer();
    career.level = Level::club;
    {
        CareerSession playing(career, autoSave, SaveTarget{saves, false, {}});
        for (int i = 0; i < 5; ++i) confirmChosenMatch(playing, MatchPerformance{12, 0, 1});
        career = playing.career();
    }
    put(historyPath, foreign);
    const HistoryReading read = readHistory(historyPath, career);
    EXPECT_TRUE(read.history.rows().empty());
    EXPECT_EQ(read.leftOut.foreignRows, 3);

    CareerSession loaded(career, autoSave, SaveTarget{saves, false, path}, read.history,
                         read.leftOut);
    ASSERT_EQ(loaded.claimSaveFile().standing, SaveClaim::Standing::clear);
    const ConfirmedMatch confirmed = confirmChosenMatch(loaded, match);
    ASSERT_EQ(confirmed.keptAside.size(), 1u);
    EXPECT_EQ(contents(confirmed.keptAside[0].keptAs), foreign);
    EXPECT_EQ(readHistoryLines(contents(historyPath)).rows.size(), 1u);
}

// A history saved with carriage returns alone is read row by row; one too
// large for any career is told as such, not as matches played without one.
TEST_F(FilesChanged, OddHistoryFilesAreToldForWhatTheyAre) {
    CareerSession playing = session();
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(confirmChosenMatch(playing, match).saved);
    const Career career = playing.career();

    QByteArray crOnly = contents(historyPath);
    crOnly.replace('\n', '\r');
    const HistoryReading read = historyFromBytes(crOnly, career);
    EXPECT_EQ(read.history.rows().size(), 3u);
    EXPECT_FALSE(read.leftOut.any());

    ASSERT_TRUE(QFile(historyPath).resize(qint64(1) << 30));
    HistoryReading huge;
    const std::optional<qint64> bytesRead =
        bytesReadWhile([&] { huge = readHistory(historyPath, career); });
    // Refused by its size: no more than the reader's bound of 64 MiB is read
    // (and a few bytes of the count itself), not the gibibyte.
    if (bytesRead) {
        EXPECT_LE(*bytesRead, (qint64(64) << 20) + 4096);
    }
    EXPECT_TRUE(huge.leftOut.tooLarge);
    EXPECT_TRUE(huge.leftOut.unreadable);
}

// While the game saves match after match, a link to a file outside the
// Saves folder is swapped in for the save and the history again and again:
// the file outside is never written, and no file appears outside.
TEST_F(FilesChanged, ALinkSwappedInWhileSavingNeverLeadsOutside) {
    SKIP_WITHOUT_POSIX_FILES(
        "a link swapped in between a look at a path and its opening is "
        "refused only where the two are one step");
    const QString outside = root.path() + QStringLiteral("/outside");
    ASSERT_TRUE(QDir().mkpath(outside));
    const QString notes = outside + QStringLiteral("/notes.txt");
    put(notes, "the player's own notes\n");
    const QString link = saves + QStringLiteral("/swap");

    CareerSession playing = session();
    std::atomic<bool> racing{true};
    std::thread swapper([&] {
        const QByteArray target = QFile::encodeName(notes);
        const QByteArray linkName = QFile::encodeName(link);
        const QByteArray targets[] = {QFile::encodeName(path), QFile::encodeName(historyPath)};
        for (unsigned n = 0; racing; ++n) {
            ::unlink(linkName.constData());
            if (::symlink(target.constData(), linkName.constData()) != 0) continue;
            ::rename(linkName.constData(), targets[n % 2].constData());
            std::this_thread::yield();
            // Taken away again, so that saving goes on.
            ::unlink(targets[n % 2].constData());
        }
    });
    // A fixed number of saves, so that every run tries the race as often.
    for (int matches = 0; matches < 400; ++matches) confirmChosenMatch(playing, match);
    racing = false;
    swapper.join();
    EXPECT_EQ(contents(notes), "the player's own notes\n");
    EXPECT_EQ(QDir(outside).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("notes.txt")});
    EXPECT_EQ(QDir(root.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("outside"), QStringLiteral("Saves")}));
}

}  // namespace
