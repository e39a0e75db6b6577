#include "saves/store_data.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <csignal>

#include "saves/saves_folder.h"
#include "support/qt_printers.h"
#include "support/save_fixtures.h"
#include "support/scripted_platform.h"

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

class StoreData : public ::testing::Test {
  protected:
    QTemporaryDir program;
    ScriptedPlatform scripted{program.path()};
    Career career = midCareer();
    MatchContext context = contextOf(career);
    QString saves = program.path() + QStringLiteral("/Saves");
    QString path = saves + QLatin1Char('/') + career.record.text(Field::filename);

    QStringList savesEntries() const {
        return QDir(saves).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

TEST_F(StoreData, WithAutoSaveOffWritesNothingAndCreatesNoFolder) {
    for (int flag : {0, 2, -1}) {
        context.autoSave = flag;
        storeData(context, career, scripted.platform);
        EXPECT_FALSE(QFileInfo::exists(saves)) << flag;
    }
    EXPECT_TRUE(scripted.prompter.messages.isEmpty());
}

TEST_F(StoreData, FirstSaveCreatesTheSavesFolderBesideTheProgram) {
    ASSERT_EQ(savesFolder(program.path()), saves);
    storeData(context, career, scripted.platform);
    EXPECT_EQ(contents(path), encodeSaveFile(saveFileOf(context, career)));
    EXPECT_EQ(savesEntries(), QStringList{career.record.text(Field::filename)});
    EXPECT_TRUE(scripted.prompter.messages.isEmpty());
}

TEST_F(StoreData, TakesTeamsAndSkillsFromTheMatchCopyAndTheRestFromTheCareer) {
    context.teamNames = {QStringLiteral("Club A"), QStringLiteral("City B"),
                         QStringLiteral("State C"), QStringLiteral("Nation D")};
    context.batting = 140;
    context.bowling = 101;
    context.fielding = 7;
    const SaveFile file = saveFileOf(context, career);
    const struct {
        int line;
        const char* text;
    } expected[] = {{1, "Bailcrest Saves"},
                    {2, "  Zoë Ann  "},
                    {3, "City B"},
                    {4, "State C"},
                    {5, "Nation D"},
                    {6, "140"},
                    {7, "101"},
                    {8, "7"},
                    {9, "1"},
                    {10, "55"},
                    {11, "48"},
                    {12, "41"},
                    {13, "Club A"},
                    {14, " Western Cape"},
                    {15, "Batsman"},
                    {16, "Cable && Wireless"},
                    {17, "7000"},
                    {18, "4500"},
                    {19, "5500"},
                    {20, "98765"},
                    {21, "71"},
                    {24, "-3"},
                    {27, "12"},
                    {28, "20"},
                    {33, "30,60"},
                    {37, "0"},
                    {38, "11"},
                    {43, "36.55"},
                    {46, "5"},
                    {53, ".50"},
                    {57, "0"},
                    {58, "0"},
                    {68, "State"}};
    for (const auto& e : expected) {
        EXPECT_EQ(file.line(e.line), QString::fromUtf8(e.text)) << "line " << e.line;
    }
}

TEST_F(StoreData, ALaterSaveReplacesTheEarlierFileAndLeavesNoOtherFile) {
    storeData(context, career, scripted.platform);
    career.record.set(Field::bankbalance, QStringLiteral("105765"));
    storeData(context, career, scripted.platform);
    EXPECT_EQ(contents(path), encodeSaveFile(saveFileOf(context, career)));
    EXPECT_EQ(savesEntries(), QStringList{career.record.text(Field::filename)});
}

TEST_F(StoreData, AFullDiskLeavesTheEarlierFileIntactAndTellsThePlayer) {
    storeData(context, career, scripted.platform);
    const QByteArray earlier = contents(path);
    career.record.set(Field::sponsor, QStringLiteral("A sponsor with a much longer name"));
    {
        const FileSizeLimit full(256);
        storeData(context, career, scripted.platform);
    }
    EXPECT_EQ(contents(path), earlier);
    EXPECT_EQ(savesEntries(), QStringList{career.record.text(Field::filename)});
    ASSERT_EQ(scripted.prompter.notices.size(), 1);
    EXPECT_EQ(scripted.prompter.notices[0],
              QStringLiteral("Your career could not be saved as %1: File too large. The earlier "
                             "save file, if there is one, is unchanged.")
                  .arg(QDir::toNativeSeparators(path)));
    EXPECT_EQ(career.record.text(Field::sponsor),
              QStringLiteral("A sponsor with a much longer name"));
}

TEST_F(StoreData, AFolderThatCannotBeCreatedIsReported) {
    put(program.path() + QStringLiteral("/plain"), "a regular file, not a folder");
    const QString folder = program.path() + QStringLiteral("/plain/Saves");
    EXPECT_EQ(
        writeSaveFile(folder, QStringLiteral("x.bsg"), saveFileOf(context, career)),
        QStringLiteral("the folder %1 could not be created").arg(QDir::toNativeSeparators(folder)));
    saveCareer(folder, context, career, scripted.prompter);
    ASSERT_EQ(scripted.prompter.notices.size(), 1);
    EXPECT_TRUE(scripted.prompter.notices[0].startsWith(
        QStringLiteral("Your career could not be saved as ")));
}

TEST_F(StoreData, BadFileNamesAreReportedAndWriteNothingElsewhere) {
    const QString tooLong(300, QLatin1Char('n'));
    for (const QString& name : {QString(), QStringLiteral("."), QStringLiteral(".."),
                                QStringLiteral("../escape.bsg"), tooLong}) {
        EXPECT_TRUE(writeSaveFile(saves, name, saveFileOf(context, career)).has_value())
            << name.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(program.path() + QStringLiteral("/escape.bsg")));
    EXPECT_TRUE(savesEntries().isEmpty());
}

TEST_F(StoreData, ANameTooLongForTheReplacingStepKeepsTheEarlierFile) {
    context.fileName = QString(250, QLatin1Char('n')) + QStringLiteral(".bsg");
    QDir().mkpath(saves);
    put(saves + QLatin1Char('/') + context.fileName, "earlier");
    storeData(context, career, scripted.platform);
    EXPECT_EQ(contents(saves + QLatin1Char('/') + context.fileName), QByteArray("earlier"));
    EXPECT_EQ(scripted.prompter.notices.size(), 1);
}

TEST_F(StoreData, ACareerThatCouldNotBeLoadedAgainIsNotWritten) {
    storeData(context, career, scripted.platform);
    const QByteArray earlier = contents(path);
    career.record.set(Field::level, QStringLiteral("Test"));
    storeData(context, career, scripted.platform);
    EXPECT_EQ(contents(path), earlier);
    ASSERT_EQ(scripted.prompter.notices.size(), 1);
    EXPECT_TRUE(scripted.prompter.notices[0].contains(QStringLiteral(
        "line 68 (level) holds \"Test\", but must be Club, City, State or National")));
}

TEST(SavesFolder, BesideTheProgramUnlessItsFolderCannotHoldIt) {
    QTemporaryDir root;
    const QString base = root.path();
    const QString userSaves = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                              QStringLiteral("/Saves");
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
}

}  // namespace
