// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include "app/screen_navigator.h"
#include "game/ratings.h"
#include "saves/career_file.h"
#include "saves/file_words.h"
#include "saves/save_career.h"
#include "saves/saves_folder.h"
#include "screens/career_in_play.h"
#include "screens/command_button.h"
#include "screens/condition_bar.h"
#include "screens/look.h"
#include "screens/main_screen.h"
#include "screens/player_screen.h"
#include "screens/records_screen.h"
#include "support/file_contents.h"
#include "support/qt_printers.h"
#include "support/save_fixtures.h"
#include "support/scripted_platform.h"

namespace {

// The text of a label of the window itself, not of a window it owns.
QString shown(const QWidget* screen, const char* objectName) {
    for (const QLabel* label : screen->findChildren<QLabel*>(QString::fromLatin1(objectName))) {
        if (label->window() == screen) return label->text();
    }
    return QStringLiteral("<none>");
}

// Loads a career as the player does: Load on the player screen, then the file
// chosen in the dialog.
class LoadCareer : public ::testing::Test {
  protected:
    QTemporaryDir program;
    ScriptedPlatform scripted{program.path()};
    QString saves = savesFolder(program.path());
    ScreenNavigator screens{scripted.platform};
    // The player screen Load was pressed on; it is discarded once the career
    // starts, and goes when control is back in the event loop.
    QPointer<PlayerScreen> player;

    LoadCareer() {
        QDir().mkpath(saves);
        screens.start();
        QTest::mouseClick(screens.creditsScreen()->continueButton(), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        player = screens.playerScreen();
    }

    // True when the career loaded and the main screen shows it.
    bool load(const QString& path) {
        scripted.prompter.chosenFiles = {path};
        scripted.random.draws = {0.9};  // the club drawn at start-up: Country Side
        QTest::mouseClick(player->command(PlayerScreen::Load), Qt::LeftButton);
        return screens.mainScreen() != nullptr;
    }

    const Career& loaded() const { return screens.mainScreen()->career().career(); }
    const AutoSave& loadedAutoSave() const {
        return screens.mainScreen()->career().session().autoSave();
    }

    // Nothing of a refused or cancelled load reaches the screens.
    void expectNothingChanged() {
        EXPECT_EQ(screens.mainScreen(), nullptr);
        ASSERT_EQ(screens.playerScreen(), player.data());
        EXPECT_TRUE(player->isVisible());
        EXPECT_TRUE(player->textField(0)->text().isEmpty());
        EXPECT_EQ(player->skillDisplay(0)->text(), QStringLiteral("0"));
        EXPECT_EQ(scripted.random.taken, 0);
    }
};

TEST_F(LoadCareer, ASavedCareerContinuesExactlyWhereItStopped) {
    Career original = midCareer();
    original.selectedForWorldCup = true;
    ASSERT_FALSE(saveCareer(original, midCareerAutoSave(), saves));
    const QString path = saves + QLatin1Char('/') + midCareerAutoSave().fileName;

    ASSERT_TRUE(load(path));
    EXPECT_EQ(scripted.prompter.dialogs,
              QStringList{QStringLiteral("Bailcrest: Load Game|%1|Bailcrest Saves (*.bsg)")
                              .arg(QDir::toNativeSeparators(saves))});
    EXPECT_TRUE(scripted.prompter.messages.isEmpty());
    EXPECT_EQ(screens.playerScreen(), nullptr);

    // Every saved value comes back; the World Cup pick is not saved, the
    // club he drops back to is drawn anew, and the average read with a
    // decimal comma comes back as files write it, with a point.
    Career expected = original;
    expected.selectedForWorldCup = false;
    expected.drawnClub = QStringLiteral("Country Side");
    expected.recordBook[levelIndex(Level::club)].battingAverage =
        BattingAverage::asWritten(QStringLiteral("30.60"));
    EXPECT_EQ(saveFileOf(loaded(), true).lines, saveFileOf(original, true).lines);
    EXPECT_EQ(loadedAutoSave(), midCareerAutoSave());
    EXPECT_TRUE(loaded() == expected);
    EXPECT_EQ(loaded().player, QStringLiteral("  Zoë Ann  "));
    EXPECT_EQ(loaded().teams.state, QStringLiteral(" Western Cape"));
    EXPECT_FALSE(loaded().selectedForWorldCup);
    EXPECT_EQ(loaded().drawnClub, QStringLiteral("Country Side"));
    EXPECT_EQ(loaded().teams.club, original.teams.club);
    EXPECT_EQ(screens.mainScreen()->recordsScreen()->nameLabel()->text(),
              QStringLiteral("  Zoë Ann  "));

    // The bars and colours follow the loaded gear and body.
    MainScreen* main = screens.mainScreen();
    EXPECT_EQ(main->findChild<QWidget*>(QStringLiteral("Shape4"))->width(),
              look::px(barTwips(overallGear(original.gear))));
    const QColor healthColour = runningLow(overallHealth(original.body)) ? look::red : look::green;
    EXPECT_EQ(
        main->findChild<QLabel*>(QStringLiteral("Label25"))->palette().color(QPalette::WindowText),
        healthColour);

    // The player screen showed the file's details before it went.
    ASSERT_FALSE(player.isNull());
    const PlayerDetails details = player->details();
    EXPECT_EQ(details.name, QStringLiteral("  Zoë Ann  "));
    EXPECT_EQ(details.country, QStringLiteral("South Africa"));
    EXPECT_EQ(details.skills.batting, 131);
    EXPECT_EQ(details.skills.fielding, 60);
    EXPECT_TRUE(details.autoSave);

    // Saved again unchanged, the file is the same byte for byte.
    const QByteArray first = contents(path);
    ASSERT_FALSE(saveCareer(loaded(), loadedAutoSave(), saves));
    EXPECT_EQ(contents(path), first);
}

TEST_F(LoadCareer, AHandBuiltFileFromAnotherFolderLoadsAndLaterSavesGoToTheSavesFolder) {
    QStringList lines = handBuiltLines();
    // The category the file holds is not read: it follows from the skills.
    lines[14] = QStringLiteral("Bowler");
    QDir().mkpath(program.path() + QStringLiteral("/elsewhere"));
    const QString outside = program.path() + QStringLiteral("/elsewhere/varer.bsg");
    const QByteArray bytes = utf16File(lines, QStringLiteral("\n"), false);
    put(outside, bytes);

    ASSERT_TRUE(load(outside));
    const Career& c = loaded();
    const LevelStatistics& s = c.statistics();
    const QString point = QStringLiteral(".");
    const struct {
        QString got;
        const char* expected;
    } texts[] = {{c.player, " Ravi  "},
                 {c.teams.city, "Pune"},
                 {c.teams.state, " Maharashtra"},
                 {c.teams.nation, "India "},
                 {c.teams.club, "Rising Sun"},
                 {c.team, " Maharashtra"},
                 {categoryWord(category(c.skills)), "Batsman"},
                 {c.sponsor, "Cable & Wireless"},
                 {levelWord(c.level), "State"},
                 {s.battingAverage.text(point), "37.50"},
                 {c.recordBook[levelIndex(Level::city)].battingAverage.text(point), "33.44"},
                 {c.recordBook[levelIndex(Level::national)].battingAverage.text(point), ".00"},
                 {loadedAutoSave().fileName, "varer.bsg"},
                 {c.drawnClub, "Country Side"}};
    for (const auto& t : texts) EXPECT_EQ(t.got, QString::fromUtf8(t.expected));
    const struct {
        double got;
        double expected;
    } figures[] = {{double(c.skills.batting), 87},
                   {double(c.skills.bowling), 45},
                   {double(c.skills.fielding), 30},
                   {double(overallSkill(c.skills)), 54},
                   {double(loadedAutoSave().on), 1},
                   {double(c.startingSkills.batting), 45},
                   {double(c.startingSkills.bowling), 20},
                   {double(c.startingSkills.fielding), 30},
                   {c.matchFee, 7000},
                   {c.sponsorship, 2500},
                   {c.otherIncome, 1500},
                   {c.bankBalance, 123456},
                   {double(c.gear.bat), 90},
                   {double(c.body.stamina), 40},
                   {double(overallGear(c.gear)), 83},
                   {double(overallHealth(c.body)), 61},
                   {double(s.matches), 4},
                   {double(s.runs), 150},
                   {double(s.wickets), 6},
                   {double(s.catches), 1},
                   {double(s.highestScore), 77},
                   {double(s.fifties), 1},
                   {double(s.hundreds), 0},
                   {double(s.mostWickets), 5},
                   {double(s.fiveWicketHauls), 1}};
    for (std::size_t i = 0; i < std::size(figures); ++i) {
        EXPECT_EQ(figures[i].got, figures[i].expected) << "figure " << i;
    }

    ASSERT_FALSE(saveCareer(c, loadedAutoSave(), saves));
    EXPECT_TRUE(QFileInfo::exists(saves + QStringLiteral("/varer.bsg")));
    EXPECT_EQ(contents(outside), bytes);
}

TEST_F(LoadCareer, ACancelledDialogOrAMissingFileChangesNothingSilently) {
    // A new player's dialog opens in the Saves folder, made for it.
    ASSERT_TRUE(QDir(saves).removeRecursively());
    for (const QString& path : {QString(), program.path() + QStringLiteral("/gone.bsg")}) {
        EXPECT_FALSE(load(path)) << path.toStdString();
    }
    expectNothingChanged();
    EXPECT_TRUE(scripted.prompter.messages.isEmpty());
    EXPECT_TRUE(QFileInfo(saves).isDir());
    EXPECT_TRUE(scripted.prompter.dialogs.front().startsWith(
        QStringLiteral("Bailcrest: Load Game|") + saves + QLatin1Char('|')))
        << scripted.prompter.dialogs.front().toStdString();
}

// A pipe, a device or a folder is no save file, whatever its name, and is
// never opened: a pipe would keep the game waiting for a writer.
TEST_F(LoadCareer, APipeADeviceOrAFolderIsNamedNoSaveFileAndNeverOpened) {
    const QString pipe = saves + QStringLiteral("/pipe.bsg");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString folder = saves + QStringLiteral("/folder.bsg");
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const QString& path : {pipe, QStringLiteral("/dev/null"), folder, saves}) {
        scripted.prompter.notices.clear();
        EXPECT_FALSE(load(path)) << path.toStdString();
        EXPECT_EQ(scripted.prompter.notices,
                  QStringList{QStringLiteral("This is not a valid Bailcrest Saves file.")})
            << path.toStdString();
    }
    expectNothingChanged();
    EXPECT_TRUE(scripted.prompter.questions.isEmpty());
}

TEST_F(LoadCareer, RefusedFilesAreNamedInANoticeAndChangeNothing) {
    QStringList damagedLines = handBuiltLines();
    damagedLines[19] = QStringLiteral("lots");
    const QString notASaveFile = QStringLiteral("This is not a valid Bailcrest Saves file.");
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
    // Refused for its size, the file is said to be too large, not damaged.
    EXPECT_EQ(scripted.prompter.notices,
              QStringList{QStringLiteral("This save file is too large to be loaded: a save file "
                                         "holds at most 64 KiB.")});
    expectNothingChanged();
    EXPECT_TRUE(load(valid));
    EXPECT_EQ(loaded().level, Level::state);
}

TEST_F(LoadCareer, TheMainScreenShowsTheLoadedCareer) {
    const QString path = saves + QStringLiteral("/shown.bsg");
    put(path, utf16File(handBuiltLines()));
    ASSERT_TRUE(load(path));
    MainScreen* main = screens.mainScreen();
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(shown(main, "sponsor"), QStringLiteral("Cable & Wireless"));
    EXPECT_EQ(shown(main, "team"), QStringLiteral(" Maharashtra"));
    // Written with a decimal comma, shown with the locale's point.
    EXPECT_EQ(shown(main, "bataverage"), QStringLiteral("37.50"));
    EXPECT_EQ(shown(main, "Label25"), QStringLiteral("61"));
    EXPECT_EQ(main->recordsScreen()->cellLabel(1, Level::city)->text(), QStringLiteral("301"));
    EXPECT_EQ(main->focusWidget(), main->command(MainScreen::Play));
}

}  // namespace
