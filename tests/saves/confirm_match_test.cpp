#include "saves/confirm_match.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "game/match.h"
#include "game/money.h"
#include "saves/career_file.h"
#include "saves/save_file_io.h"
#include "saves/saves_folder.h"
#include "support/qt_printers.h"
#include "support/save_fixtures.h"
#include "support/scripted_random.h"

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QByteArray();
    return file.readAll();
}

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// While it lives, no file of the process may grow beyond the given size: a
// stand-in for a full disk that works even for root.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, old_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

class ConfirmMatch : public ::testing::Test {
  protected:
    QTemporaryDir program;
    Career career = midCareer();
    QString saves = program.path() + QStringLiteral("/Saves");
    QString path = saves + QLatin1Char('/') + career.saveFileName;
    // A hundred at state level: the award of the level.
    MatchPerformance hundred{104, 1, 2};

    QStringList savesEntries() const {
        return QDir(saves).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
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
        return careerFromSave(*reading.file, career.saveFileName, random);
    }
};

TEST_F(ConfirmMatch, WithAutoSaveOffWritesNothingAndCreatesNoFolder) {
    career.autoSave = false;
    const ConfirmedMatch confirmed = confirmMatch(career, hundred, saves);
    EXPECT_FALSE(QFileInfo::exists(saves));
    EXPECT_FALSE(confirmed.saveFailure);
    EXPECT_EQ(confirmed.award, 5500);
    EXPECT_EQ(career.statistics().matches, 7);
}

TEST_F(ConfirmMatch, FirstSaveCreatesTheSavesFolderBesideTheProgram) {
    ASSERT_EQ(savesFolder(program.path()), saves);
    const ConfirmedMatch confirmed = confirmMatch(career, hundred, saves);
    EXPECT_FALSE(confirmed.saveFailure);
    EXPECT_EQ(confirmed.award, 5500);
    // The career is saved as the match left it.
    EXPECT_EQ(career.statistics().matches, 7);
    EXPECT_EQ(career.otherIncome, 5500);
    EXPECT_EQ(contents(path), encodeSaveFile(saveFileOf(career)));
    EXPECT_EQ(savesEntries(), QStringList{career.saveFileName});
}

TEST_F(ConfirmMatch, ALaterSaveReplacesTheEarlierFileAndLeavesNoOtherFile) {
    confirmMatch(career, hundred, saves);
    const QByteArray first = contents(path);
    career.bankBalance = 105765;
    EXPECT_FALSE(confirmMatch(career, MatchPerformance{}, saves).saveFailure);
    EXPECT_NE(contents(path), first);
    EXPECT_EQ(contents(path), encodeSaveFile(saveFileOf(career)));
    EXPECT_EQ(savesEntries(), QStringList{career.saveFileName});
}

TEST_F(ConfirmMatch, AFullDiskLeavesTheEarlierFileIntactAndNamesTheFile) {
    ASSERT_EQ(saveCareer(career, saves), std::nullopt);
    const QByteArray earlier = contents(path);
    career.sponsor = QStringLiteral("A sponsor with a much longer name");
    ConfirmedMatch confirmed;
    {
        const FileSizeLimit full(256);
        confirmed = confirmMatch(career, hundred, saves);
    }
    EXPECT_EQ(contents(path), earlier);
    EXPECT_EQ(savesEntries(), QStringList{career.saveFileName});
    ASSERT_TRUE(confirmed.saveFailure);
    EXPECT_EQ(confirmed.saveFailure->path, QDir::toNativeSeparators(path));
    EXPECT_EQ(confirmed.saveFailure->reason, QStringLiteral("File too large"));
    // The match counts all the same.
    EXPECT_EQ(confirmed.award, 5500);
    EXPECT_EQ(career.statistics().matches, 7);
    EXPECT_EQ(career.sponsor, QStringLiteral("A sponsor with a much longer name"));
}

TEST_F(ConfirmMatch, AFolderThatCannotBeCreatedIsReported) {
    put(program.path() + QStringLiteral("/plain"), "a regular file, not a folder");
    const QString folder = program.path() + QStringLiteral("/plain/Saves");
    const auto failure = saveCareer(career, folder);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->path,
              QDir::toNativeSeparators(folder + QLatin1Char('/') + career.saveFileName));
    EXPECT_EQ(
        failure->reason,
        QStringLiteral("the folder %1 could not be created").arg(QDir::toNativeSeparators(folder)));
}

TEST_F(ConfirmMatch, ANameTooLongForTheReplacingStepKeepsTheEarlierFile) {
    career.saveFileName = QString(250, QLatin1Char('n')) + QStringLiteral(".bsg");
    QDir().mkpath(saves);
    put(saves + QLatin1Char('/') + career.saveFileName, "earlier");
    const ConfirmedMatch confirmed = confirmMatch(career, hundred, saves);
    EXPECT_EQ(contents(saves + QLatin1Char('/') + career.saveFileName), QByteArray("earlier"));
    ASSERT_TRUE(confirmed.saveFailure);
    EXPECT_FALSE(confirmed.saveFailure->reason.isEmpty());
}

TEST_F(ConfirmMatch, ACareerThatCouldNotBeLoadedAgainIsNotWritten) {
    ASSERT_EQ(saveCareer(career, saves), std::nullopt);
    const QByteArray earlier = contents(path);
    career.player = QStringLiteral("two\nlines");
    const ConfirmedMatch confirmed = confirmMatch(career, hundred, saves);
    EXPECT_EQ(contents(path), earlier);
    ASSERT_TRUE(confirmed.saveFailure);
    EXPECT_EQ(confirmed.saveFailure->reason,
              QStringLiteral("line 2 (player name) holds a line break"));
}

TEST_F(ConfirmMatch, ASaveTooLargeToLoadAgainIsRefusedAndTheEarlierFileStillLoads) {
    // A hand-edited name brings the file to just under the size a reader reads.
    career.player += QString((maxSaveFileBytes - 6 - encodeSaveFile(saveFileOf(career)).size()) / 2,
                             QLatin1Char('n'));
    const QByteArray earlier = encodeSaveFile(saveFileOf(career));
    ASSERT_EQ(earlier.size(), 65530);
    QDir().mkpath(saves);
    put(path, earlier);
    std::optional<Career> loaded = load();
    ASSERT_TRUE(loaded);
    ASSERT_TRUE(loaded->autoSave);

    // The hundred lengthens the bank balance, the highest score and the
    // batting average past the limit.
    const ConfirmedMatch confirmed = confirmMatch(*loaded, hundred, saves);
    const qsizetype grown = encodeSaveFile(saveFileOf(*loaded)).size();
    ASSERT_GT(grown, maxSaveFileBytes);
    ASSERT_TRUE(confirmed.saveFailure);
    EXPECT_EQ(confirmed.saveFailure->path, QDir::toNativeSeparators(path));
    EXPECT_EQ(confirmed.saveFailure->reason,
              QStringLiteral("the file would take %1 bytes, but a save file holds at most 64 KiB")
                  .arg(grown));
    EXPECT_EQ(contents(path), earlier);
    EXPECT_EQ(savesEntries(), QStringList{career.saveFileName});
    // The match counts all the same, and the earlier file loads again.
    EXPECT_EQ(confirmed.award, 5500);
    EXPECT_EQ(loaded->statistics().matches, 7);
    const std::optional<Career> again = load();
    ASSERT_TRUE(again);
    EXPECT_EQ(again->statistics().matches, 6);
    EXPECT_EQ(again->player, career.player);
}

TEST_F(ConfirmMatch, MoneyAtTheLimitIsSavedAndLoadsAgainAfterEveryMatch) {
    career.sponsorship = moneyLimit;
    career.bankBalance = moneyLimit;
    ASSERT_EQ(saveCareer(career, saves), std::nullopt);
    for (int match = 1; match <= 2; ++match) {
        SCOPED_TRACE(match);
        std::optional<Career> loaded = load();
        ASSERT_TRUE(loaded);
        EXPECT_EQ(loaded->bankBalance, moneyLimit);
        const ConfirmedMatch confirmed = confirmMatch(*loaded, hundred, saves);
        EXPECT_FALSE(confirmed.saveFailure);
        EXPECT_EQ(loaded->bankBalance, moneyLimit);
        const SaveFileReading saved = readSaveFile(path);
        ASSERT_TRUE(saved.file) << saved.error.toStdString();
        EXPECT_EQ(saved.file->line(saveLine::bankbalance), QStringLiteral("999999999999999"));
    }
}

}  // namespace
