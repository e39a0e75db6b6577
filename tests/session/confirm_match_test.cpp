// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <map>

#include "game/match.h"
#include "game/money.h"
#include "game/shown_numbers.h"
#include "saves/career_file.h"
#include "saves/file_size_limit.h"
#include "saves/save_file_io.h"
#include "saves/saves_folder.h"
#include "session/career_session.h"
#include "support/chosen_match.h"
#include "support/file_contents.h"
#include "support/qt_printers.h"
#include "support/save_fixtures.h"
#include "support/scripted_random.h"

namespace {

class ConfirmMatch : public ::testing::Test {
  protected:
    QTemporaryDir program;
    Career career = midCareer();
    AutoSave autoSave = midCareerAutoSave();
    QString saves = program.path() + QStringLiteral("/Saves");
    QString path = saves + QLatin1Char('/') + autoSave.fileName;
    QString historyPath = historyFilePath(path);
    CareerHistory history;
    // The save file the career was loaded from, which is its own to replace.
    QString loadedFrom;
    // The session that plays each career of a test, made at its first match.
    std::map<const Career*, CareerSession> sessions;
    // A hundred at state level: the award of the level.
    MatchPerformance hundred{104, 1, 2};

    // Confirms the match in the session of the career, saving to the folder,
    // and leaves the career and its history as the session left them.
    ConfirmedMatch confirm(Career& played, CareerHistory& kept, const MatchPerformance& match,
                           const QString& folder = QString()) {
        auto [held, added] = sessions.try_emplace(
            &played, played, autoSave,
            SaveTarget{folder.isEmpty() ? saves : folder, false, loadedFrom}, kept);
        CareerSession& session = held->second;
        session.changeCareer([&](Career& career) { career = played; });
        const ConfirmedMatch confirmed = confirmChosenMatch(session, match);
        played = session.career();
        kept = session.history();
        return confirmed;
    }

    // The save file and, beside it, the history file.
    QStringList savedFiles() const {
        return {autoSave.fileName, QFileInfo(historyPath).fileName()};
    }

    // What the Saves folder holds but the lock, which lies beside the save
    // for as long as the career is played.
    QStringList savesEntries() const {
        QStringList entries =
            QDir(saves).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        entries.removeAll(QFileInfo(lockFilePath(path)).fileName());
        return entries;
    }

    // Loads the career's save file as Load does.
    std::optional<Career> load() const {
        const SaveFileReading reading = readSaveFile(path);
        if (!reading.file) {
            ADD_FAILURE() << reading.error.toStdString();
            return std::nullopt;
        }
        ScriptedRandom random;
        random.draws = {drawFor(0, 5)};
        return careerFromSave(*reading.file, random);
    }
};

TEST_F(ConfirmMatch, WithAutoSaveOffWritesNothingAndCreatesNoFolder) {
    autoSave.on = false;
    const ConfirmedMatch confirmed = confirm(career, history, hundred);
    EXPECT_FALSE(QFileInfo::exists(saves));
    EXPECT_FALSE(confirmed.saved);
    EXPECT_FALSE(confirmed.saveFailure);
    EXPECT_EQ(confirmed.award, 5500);
    EXPECT_EQ(career.statistics().matches, 7);
    // The history is kept all the same, in memory alone.
    ASSERT_EQ(history.rows().size(), 1u);
    EXPECT_EQ(history.rows().back().match, 38);
    EXPECT_EQ(history.rows().back().performance, hundred);
    EXPECT_FALSE(confirmed.historyFailure);
}

TEST_F(ConfirmMatch, FirstSaveCreatesTheSavesFolderBesideTheProgram) {
    ASSERT_EQ(savesFolder(program.path()), saves);
    const ConfirmedMatch confirmed = confirm(career, history, hundred);
    EXPECT_TRUE(confirmed.saved);
    EXPECT_FALSE(confirmed.saveFailure);
    EXPECT_EQ(confirmed.award, 5500);
    // The career is saved as the match left it.
    EXPECT_EQ(career.statistics().matches, 7);
    EXPECT_EQ(career.otherIncome, 5500);
    EXPECT_EQ(contents(path), encodeSaveFile(saveFileOf(career, true)));
    EXPECT_EQ(savesEntries(), savedFiles());
}

TEST_F(ConfirmMatch, ALaterSaveReplacesTheEarlierFileAndLeavesNoOtherFile) {
    confirm(career, history, hundred);
    const QByteArray first = contents(path);
    career.bankBalance = 105765;
    EXPECT_FALSE(confirm(career, history, MatchPerformance{}).saveFailure);
    EXPECT_NE(contents(path), first);
    EXPECT_EQ(contents(path), encodeSaveFile(saveFileOf(career, true)));
    EXPECT_EQ(savesEntries(), savedFiles());
}

TEST_F(ConfirmMatch, AFullDiskLeavesTheEarlierFileIntactAndNamesTheFile) {
    ASSERT_EQ(saveCareer(career, autoSave, saves), std::nullopt);
    loadedFrom = path;
    const QByteArray earlier = contents(path);
    career.sponsor = QStringLiteral("A sponsor with a much longer name");
    ConfirmedMatch confirmed;
    {
        const FileSizeLimit full(256);
        confirmed = confirm(career, history, hundred);
    }
    EXPECT_EQ(contents(path), earlier);
    EXPECT_EQ(savesEntries(), QStringList{autoSave.fileName});
    EXPECT_FALSE(confirmed.saved);
    ASSERT_TRUE(confirmed.saveFailure);
    EXPECT_EQ(confirmed.saveFailure->path, QDir::toNativeSeparators(path));
    EXPECT_EQ(confirmed.saveFailure->reason, QStringLiteral("File too large"));
    // The match counts all the same.
    EXPECT_EQ(confirmed.award, 5500);
    EXPECT_EQ(career.statistics().matches, 7);
    EXPECT_EQ(career.sponsor, QStringLiteral("A sponsor with a much longer name"));
    // The history file waits for a save to go with: its row stays in memory.
    EXPECT_FALSE(confirmed.historyFailure);
    EXPECT_EQ(history.rows().size(), 1u);
}

TEST_F(ConfirmMatch, AFolderThatCannotBeCreatedIsReported) {
    put(program.path() + QStringLiteral("/plain"), "a regular file, not a folder");
    const QString folder = program.path() + QStringLiteral("/plain/Saves");
    const auto failure = saveCareer(career, autoSave, folder);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->path,
              QDir::toNativeSeparators(folder + QLatin1Char('/') + autoSave.fileName));
    EXPECT_EQ(failure->reason,
              QStringLiteral("the folder %1 could not be created").arg(shownPath(folder)));
}

TEST_F(ConfirmMatch, ANameTooLongForTheReplacingStepKeepsTheEarlierFile) {
    autoSave.fileName = QString(250, QLatin1Char('n')) + QStringLiteral(".bsg");
    QDir().mkpath(saves);
    put(saves + QLatin1Char('/') + autoSave.fileName, "earlier");
    loadedFrom = saves + QLatin1Char('/') + autoSave.fileName;
    const ConfirmedMatch confirmed = confirm(career, history, hundred);
    EXPECT_EQ(contents(saves + QLatin1Char('/') + autoSave.fileName), QByteArray("earlier"));
    ASSERT_TRUE(confirmed.saveFailure);
    EXPECT_FALSE(confirmed.saveFailure->reason.isEmpty());
}

TEST_F(ConfirmMatch, ACareerThatCouldNotBeLoadedAgainIsNotWritten) {
    ASSERT_EQ(saveCareer(career, autoSave, saves), std::nullopt);
    loadedFrom = path;
    const QByteArray earlier = contents(path);
    career.player = QStringLiteral("two\nlines");
    const ConfirmedMatch confirmed = confirm(career, history, hundred);
    EXPECT_EQ(contents(path), earlier);
    ASSERT_TRUE(confirmed.saveFailure);
    EXPECT_EQ(confirmed.saveFailure->reason,
              QStringLiteral("line 2 (player name) holds a line break"));
}

TEST_F(ConfirmMatch, ASaveTooLargeToLoadAgainIsRefusedAndTheEarlierFileStillLoads) {
    // A hand-edited name brings the file to just under the size a reader reads.
    career.player +=
        QString((maxSaveFileBytes - 6 - encodeSaveFile(saveFileOf(career, true)).size()) / 2,
                QLatin1Char('n'));
    const QByteArray earlier = encodeSaveFile(saveFileOf(career, true));
    ASSERT_EQ(earlier.size(), 65530);
    QDir().mkpath(saves);
    put(path, earlier);
    loadedFrom = path;
    std::optional<Career> loaded = load();
    ASSERT_TRUE(loaded);

    // The hundred lengthens the bank balance, the highest score and the
    // batting average past the limit.
    const ConfirmedMatch confirmed = confirm(*loaded, history, hundred);
    const qsizetype grown = encodeSaveFile(saveFileOf(*loaded, true)).size();
    ASSERT_GT(grown, maxSaveFileBytes);
    ASSERT_TRUE(confirmed.saveFailure);
    EXPECT_EQ(confirmed.saveFailure->path, QDir::toNativeSeparators(path));
    EXPECT_EQ(confirmed.saveFailure->reason,
              QStringLiteral("the file would take %1 bytes, but a save file holds at most 64 KiB")
                  .arg(grown));
    EXPECT_EQ(contents(path), earlier);
    EXPECT_EQ(savesEntries(), QStringList{autoSave.fileName});
    // The match counts all the same, and the earlier file loads again.
    EXPECT_EQ(confirmed.award, 5500);
    EXPECT_EQ(loaded->statistics().matches, 7);
    const std::optional<Career> again = load();
    ASSERT_TRUE(again);
    EXPECT_EQ(again->statistics().matches, 6);
    EXPECT_EQ(again->player, career.player);
}

// As the player sees it: after each match the history file holds a row for
// every match played since, and a load reads them all back.
TEST_F(ConfirmMatch, AfterEachSavedMatchTheHistoryFileHoldsItsRow) {
    const MatchPerformance matches[] = {{12, 0, 1}, {104, 1, 2}, {0, 5, 0}, {61, 2, 3}};
    for (const MatchPerformance& match : matches) {
        const ConfirmedMatch confirmed = confirm(career, history, match);
        EXPECT_FALSE(confirmed.saveFailure);
        EXPECT_FALSE(confirmed.historyFailure);
        const std::optional<Career> loaded = load();
        ASSERT_TRUE(loaded);
        const HistoryReading read = readHistory(historyPath, *loaded);
        EXPECT_EQ(read.history.rows(), history.rows());
        EXPECT_EQ(read.history.keptFrom(), 38);
        EXPECT_EQ(read.leftOut.damagedRows, 0);
        EXPECT_EQ(read.leftOut.foreignRows, 0);
    }
    ASSERT_EQ(history.rows().size(), 4u);
    for (std::size_t i = 0; i < history.rows().size(); ++i) {
        EXPECT_EQ(history.rows()[i].performance, matches[i]);
        EXPECT_EQ(history.rows()[i].match, 38 + static_cast<int>(i));
    }
    EXPECT_EQ(contents(historyPath).count('\n'), 1 + 4);
    EXPECT_EQ(savesEntries(), savedFiles());
}

// A save that fails once its row is written (a disk full for the larger of
// the two files) leaves the files as a game stopped between the two would:
// loaded, the career has a row for every match saved, the other one left
// out; and the next save brings the files together again.
TEST_F(ConfirmMatch, ARowWrittenBeforeASaveThatFailedIsLeftOutAtLoad) {
    confirm(career, history, hundred);
    const qint64 historySize = QFileInfo(historyPath).size();
    ASSERT_GT(QFileInfo(path).size(), historySize + 250);
    ConfirmedMatch failed;
    {
        const FileSizeLimit full(static_cast<rlim_t>(historySize + 250));
        failed = confirm(career, history, MatchPerformance{30, 1, 0});
    }
    ASSERT_TRUE(failed.saveFailure);
    EXPECT_FALSE(failed.historyFailure);
    EXPECT_EQ(contents(historyPath).count('\n'), 1 + 2);
    std::optional<Career> loaded = load();
    ASSERT_TRUE(loaded);
    HistoryReading read = readHistory(historyPath, *loaded);
    EXPECT_EQ(read.history.rows(), std::vector<HistoryRow>{history.rows().front()});
    EXPECT_EQ(read.leftOut.unsavedRows, 1);
    EXPECT_FALSE(read.leftOut.any());

    EXPECT_FALSE(confirm(career, history, MatchPerformance{5, 0, 0}).saveFailure);
    loaded = load();
    ASSERT_TRUE(loaded);
    read = readHistory(historyPath, *loaded);
    EXPECT_EQ(read.history.rows(), history.rows());
    EXPECT_EQ(read.leftOut.unsavedRows, 0);
    EXPECT_EQ(savesEntries(), savedFiles());
}

// A folder where the history file goes cannot be written over, even by root.
TEST_F(ConfirmMatch, AHistoryThatCannotBeKeptIsToldOnceAndTheSaveFileStillSaves) {
    ASSERT_TRUE(QDir().mkpath(historyPath));
    const ConfirmedMatch first = confirm(career, history, hundred);
    EXPECT_FALSE(first.saveFailure);
    ASSERT_TRUE(first.historyFailure);
    EXPECT_FALSE(first.historyFailure->isEmpty());
    EXPECT_EQ(contents(path), encodeSaveFile(saveFileOf(career, true)));

    const ConfirmedMatch second = confirm(career, history, MatchPerformance{30, 1, 0});
    EXPECT_FALSE(second.saveFailure);
    EXPECT_FALSE(second.historyFailure);
    EXPECT_EQ(contents(path), encodeSaveFile(saveFileOf(career, true)));
    EXPECT_EQ(career.statistics().matches, 8);
    EXPECT_EQ(history.rows().size(), 2u);
    EXPECT_TRUE(QFileInfo(historyPath).isDir());
    EXPECT_TRUE(QDir(historyPath).isEmpty());
    EXPECT_EQ(savesEntries(), savedFiles());
}

// A career loaded from another folder saves to the Saves folder, and its
// history goes with it: the first save there writes every row read.
TEST_F(ConfirmMatch, ALoadedCareerTakesItsHistoryToTheSavesFolder) {
    const QString elsewhere = program.path() + QStringLiteral("/usb");
    for (const std::int16_t runs : {5, 50, 150}) {
        ASSERT_FALSE(
            confirm(career, history, MatchPerformance{runs, 0, 0}, elsewhere).historyFailure);
    }
    const QString elsewherePath = elsewhere + QLatin1Char('/') + autoSave.fileName;
    const SaveFileReading reading = readSaveFile(elsewherePath);
    ASSERT_TRUE(reading.file);
    ScriptedRandom random;
    random.draws = {drawFor(0, 5)};
    Career loaded = careerFromSave(*reading.file, random);
    CareerHistory loadedHistory = readHistory(historyFilePath(elsewherePath), loaded).history;
    ASSERT_EQ(loadedHistory.rows(), history.rows());
    const QByteArray savedThere = contents(elsewherePath);
    const QByteArray historyThere = contents(historyFilePath(elsewherePath));

    EXPECT_FALSE(confirm(loaded, loadedHistory, hundred).historyFailure);
    ASSERT_EQ(loadedHistory.rows().size(), 4u);
    const std::optional<Career> again = load();
    ASSERT_TRUE(again);
    const HistoryReading read = readHistory(historyPath, *again);
    EXPECT_EQ(read.history.rows(), loadedHistory.rows());
    EXPECT_EQ(read.history.keptFrom(), 38);
    // The files it was loaded from are left as they were.
    EXPECT_EQ(contents(elsewherePath), savedThere);
    EXPECT_EQ(contents(historyFilePath(elsewherePath)), historyThere);
}

TEST_F(ConfirmMatch, MoneyAtTheLimitIsSavedAndLoadsAgainAfterEveryMatch) {
    career.sponsorship = moneyLimit;
    career.bankBalance = moneyLimit;
    ASSERT_EQ(saveCareer(career, autoSave, saves), std::nullopt);
    loadedFrom = path;
    for (int match = 1; match <= 2; ++match) {
        SCOPED_TRACE(match);
        std::optional<Career> loaded = load();
        ASSERT_TRUE(loaded);
        EXPECT_EQ(loaded->bankBalance, moneyLimit);
        const ConfirmedMatch confirmed = confirm(*loaded, history, hundred);
        EXPECT_FALSE(confirmed.saveFailure);
        EXPECT_EQ(loaded->bankBalance, moneyLimit);
        const SaveFileReading saved = readSaveFile(path);
        ASSERT_TRUE(saved.file) << saved.error.toStdString();
        EXPECT_EQ(saved.file->line(saveLine::bankbalance), QStringLiteral("999999999999999"));
    }
}

}  // namespace

namespace {

// A level's match count stops at 32,767, but the history goes on counting:
// a career played past the limit and loaded again, twice, keeps every row,
// numbered one after the other, and none looks like another career's.
TEST_F(ConfirmMatch, AHistoryGoesOnPastALevelsMatchCountAndLoadsAgain) {
    career.statistics().matches = 32765;
    std::int32_t played = 0;
    for (int cycle = 0; cycle < 3; ++cycle) {
        SCOPED_TRACE(cycle);
        // Each Load starts the career afresh, owning the save it came from.
        sessions.clear();
        loadedFrom = path;
        for (int i = 0; i < 3; ++i) {
            ASSERT_FALSE(confirm(career, history, hundred).saveFailure);
            ++played;
        }
        std::optional<Career> loaded = load();
        ASSERT_TRUE(loaded);
        const HistoryReading reading = readHistory(historyPath, *loaded);
        history = reading.history;
        EXPECT_EQ(reading.leftOut.foreignRows, 0);
        EXPECT_EQ(reading.leftOut.damagedRows, 0);
        ASSERT_EQ(history.rows().size(), static_cast<std::size_t>(played));
        for (std::size_t i = 1; i < history.rows().size(); ++i) {
            EXPECT_EQ(history.rows()[i].match, history.rows()[i - 1].match + 1);
        }
        career = *loaded;
    }
    EXPECT_EQ(career.statistics().matches, 32767);
    // The career's own history, read at each Load, is no file to set aside.
    EXPECT_EQ(savesEntries(), savedFiles());
}

}  // namespace
