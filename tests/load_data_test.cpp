#include "saves/load_data.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <memory>
#include <optional>

#include "core/career_host.h"
#include "core/main_screen.h"
#include "saves/saves_folder.h"
#include "saves/store_data.h"
#include "support/qt_printers.h"
#include "support/save_fixtures.h"
#include "support/scripted_platform.h"

namespace {

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QByteArray();
    return file.readAll();
}

class LoadCareer : public ::testing::Test {
  protected:
    QTemporaryDir program;
    ScriptedPlatform scripted{program.path()};
    QString saves = savesFolder(program.path());
    std::optional<PlayerDetails> shown;
    std::optional<Career> loaded;
    LoadHooks hooks{[this](const PlayerDetails& details) { shown = details; },
                    [this](const PlayerDetails& details) -> Career& {
                        EXPECT_TRUE(shown) << "the player screen is filled first";
                        loaded.emplace();
                        startCareer(*loaded, details, scripted.random);
                        return *loaded;
                    }};

    LoadCareer() { QDir().mkpath(saves); }

    bool load(const QString& path) {
        scripted.prompter.chosenFiles = {path};
        scripted.random.draws = {0.9};  // the club drawn at start-up: Country Side
        return LoadData(scripted.prompter, saves, hooks);
    }

    // Nothing of a refused or cancelled load reaches the screens.
    void expectNothingChanged() {
        EXPECT_FALSE(shown);
        EXPECT_FALSE(loaded);
        EXPECT_EQ(scripted.random.taken, 0);
    }
};

TEST_F(LoadCareer, ASavedCareerContinuesExactlyWhereItStopped) {
    Career original = midCareer();
    original.working.WorldCup = 1;
    storeData(contextOf(original), original, scripted.platform);
    const QString fileName = original.record.text(Field::filename);

    ASSERT_TRUE(load(saves + QLatin1Char('/') + fileName));
    EXPECT_EQ(scripted.prompter.dialogs,
              QStringList{QStringLiteral("Bailcrest: Load Game|%1|Bailcrest Saves (*.bsg)")
                              .arg(QDir::toNativeSeparators(saves))});
    EXPECT_TRUE(scripted.prompter.messages.isEmpty());
    ASSERT_TRUE(loaded);
    for (int i = 0; i < fieldCount; ++i) {
        const Field field = static_cast<Field>(i);
        EXPECT_EQ(loaded->record.text(field), original.record.text(field)) << "field " << i;
    }
    for (int column = 0; column < RecordBook::columnCount; ++column) {
        EXPECT_EQ(loaded->book.column(column), original.book.column(column)) << column;
    }
    EXPECT_EQ(loaded->book.playerName(), QStringLiteral("  Zoë Ann  "));
    EXPECT_EQ(loaded->record.accessoriesBarTwips(), original.record.accessoriesBarTwips());
    EXPECT_EQ(loaded->record.healthColour(), original.record.healthColour());
    EXPECT_EQ(loaded->working.StateTeam, QStringLiteral(" Western Cape"));
    EXPECT_EQ(loaded->working.WorldCup, 0);
    EXPECT_EQ(loaded->working.ClubTeam, QStringLiteral("Country Side"));
    EXPECT_EQ(loaded->record.text(teams(0)), original.record.text(teams(0)));

    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->name, QStringLiteral("  Zoë Ann  "));
    EXPECT_EQ(shown->country, QStringLiteral("South Africa"));
    EXPECT_EQ(shown->batting, 131);
    EXPECT_EQ(shown->fielding, 60);
    EXPECT_EQ(shown->autoSave, 1);

    // Saved again unchanged, the file is the same byte for byte.
    const QByteArray first = contents(saves + QLatin1Char('/') + fileName);
    storeData(contextOf(*loaded), *loaded, scripted.platform);
    EXPECT_EQ(contents(saves + QLatin1Char('/') + fileName), first);
}

TEST_F(LoadCareer, AHandBuiltFileFromAnotherFolderLoadsAndLaterSavesGoToTheSavesFolder) {
    QStringList lines = handBuiltLines();
    lines[14] = QStringLiteral("Bowler");  // the stored category wins over the derived one
    QDir().mkpath(program.path() + QStringLiteral("/elsewhere"));
    const QString outside = program.path() + QStringLiteral("/elsewhere/varer.bsg");
    const QByteArray bytes = utf16File(lines, QStringLiteral("\n"), false);
    put(outside, bytes);

    ASSERT_TRUE(load(outside));
    const CareerRecord& r = loaded->record;
    const struct {
        Field field;
        const char* text;
    } expected[] = {{Field::player, " Ravi  "},
                    {teams(1), "Pune"},
                    {teams(2), " Maharashtra"},
                    {teams(3), "India "},
                    {Label2(0), "87"},
                    {Label2(1), "45"},
                    {Label2(2), "30"},
                    {Field::skill, "54"},
                    {Field::save, "1"},
                    {skills(0), "45"},
                    {skills(1), "20"},
                    {skills(2), "30"},
                    {teams(0), "Rising Sun"},
                    {Field::team, " Maharashtra"},
                    {Field::role, "Bowler"},
                    {Field::sponsor, "Cable && Wireless"},
                    {Field::matchfee, "7000"},
                    {Field::sponsorship, "2500"},
                    {Field::otherincome, "1500"},
                    {Field::bankbalance, "123456"},
                    {Label23(0), "90"},
                    {Label23(6), "40"},
                    {Field::Label24, "83"},
                    {Field::Label25, "61"},
                    {Field::level, "State"},
                    {Field::matches, "4"},
                    {Field::runs, "150"},
                    {Field::wickets, "6"},
                    {Field::catches, "1"},
                    {Field::highestscore, "77"},
                    {Field::bataverage, "37,50"},
                    {Field::fifty, "1"},
                    {Field::hundred, "0"},
                    {Field::mostwickets, "5"},
                    {Field::fivewickets, "1"},
                    {Field::filename, "varer.bsg"}};
    for (const auto& e : expected) {
        EXPECT_EQ(r.text(e.field), QString::fromUtf8(e.text)) << static_cast<int>(e.field);
    }
    EXPECT_EQ(loaded->book.cell(5, 1), QStringLiteral("33,44"));
    EXPECT_EQ(loaded->book.cell(5, 3), QStringLiteral(".00"));
    EXPECT_EQ(loaded->working.ClubTeam, QStringLiteral("Country Side"));

    storeData(contextOf(*loaded), *loaded, scripted.platform);
    EXPECT_TRUE(QFileInfo::exists(saves + QStringLiteral("/varer.bsg")));
    EXPECT_EQ(contents(outside), bytes);
}

TEST_F(LoadCareer, ACancelledDialogOrAMissingFileChangesNothingSilently) {
    for (const QString& path : {QString(), program.path() + QStringLiteral("/gone.bsg"), saves}) {
        EXPECT_FALSE(load(path)) << path.toStdString();
    }
    expectNothingChanged();
    EXPECT_TRUE(scripted.prompter.messages.isEmpty());
}

TEST_F(LoadCareer, RefusedFilesAreNamedInANoticeAndChangeNothing) {
    QStringList damagedLines = handBuiltLines();
    damagedLines[19] = QStringLiteral("lots");
    const struct {
        const char* name;
        QByteArray bytes;
        QString notice;
    } files[] = {
        {"notes.txt", QByteArray("Just some notes.\r\n"), notASaveFile},
        {"empty.bsg", QByteArray(), notASaveFile},
        {"damaged.bsg", utf16File(damagedLines),
         QStringLiteral("This save file is damaged and was not loaded: line 20 (bank balance) "
                        "holds \"lots\", which is not a number.")},
        {"short.bsg", utf16File(handBuiltLines().mid(0, 40)),
         QStringLiteral("This save file is damaged and was not loaded: it ends after line 40 of "
                        "68.")}};
    for (const auto& f : files) {
        const QString path = saves + QLatin1Char('/') + QString::fromLatin1(f.name);
        put(path, f.bytes);
        scripted.prompter.notices.clear();
        EXPECT_FALSE(load(path)) << f.name;
        EXPECT_EQ(scripted.prompter.notices, QStringList{f.notice}) << f.name;
    }
    expectNothingChanged();
}

TEST_F(LoadCareer, AHugeFileIsReadOnlyAsFarAsSixtyEightLinesCanGo) {
    const QString valid = saves + QStringLiteral("/valid-then-huge.bsg");
    put(valid, utf16File(handBuiltLines()));
    const QString endless = saves + QStringLiteral("/endless-line.bsg");
    put(endless, utf16File({saveFileHeader}));
    for (const QString& path : {valid, endless}) {
        QFile file(path);
        ASSERT_TRUE(file.resize(qint64(3) << 30));  // 3 GiB, sparse
    }
    EXPECT_FALSE(load(endless));
    EXPECT_EQ(
        scripted.prompter.notices,
        QStringList{QStringLiteral(
            "This save file is damaged and was not loaded: line 2 (player name) is too long.")});
    expectNothingChanged();
    EXPECT_TRUE(load(valid));
    EXPECT_EQ(loaded->record.text(Field::level), QStringLiteral("State"));
}

class NoHost final : public CareerHost {
  public:
    void endProgram() override {}
    void playAgain() override {}
};

TEST_F(LoadCareer, TheMainScreenShowsTheLoadedCareer) {
    const QString path = saves + QStringLiteral("/shown.bsg");
    put(path, utf16File(handBuiltLines()));
    NoHost host;
    std::unique_ptr<MainScreen> main;
    const LoadHooks screens{[](const PlayerDetails&) {},
                            [&](const PlayerDetails& details) -> Career& {
                                main =
                                    std::make_unique<MainScreen>(scripted.platform, host, details);
                                return main->career();
                            }};
    scripted.prompter.chosenFiles = {path};
    scripted.random.draws = {0.0};
    ASSERT_TRUE(LoadData(scripted.prompter, saves, screens));
    EXPECT_EQ(main->fieldLabel(Field::sponsor)->text(), QStringLiteral("Cable & Wireless"));
    EXPECT_EQ(main->fieldLabel(Field::team)->text(), QStringLiteral(" Maharashtra"));
    EXPECT_EQ(main->fieldLabel(Field::bataverage)->text(), QStringLiteral("37,50"));
    EXPECT_EQ(main->fieldLabel(Field::Label25)->text(), QStringLiteral("61"));
    EXPECT_EQ(main->career().book.cell(1, 1), QStringLiteral("301"));
}

}  // namespace
