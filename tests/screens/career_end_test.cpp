// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "game/hall_of_fame.h"
#include "game/shown_numbers.h"
#include "saves/career_file.h"
#include "saves/hall_of_fame_file.h"
#include "saves/save_file_io.h"
#include "saves/set_aside.h"
#include "screens/career_card.h"
#include "screens/career_in_play.h"
#include "screens/career_summary_screen.h"
#include "screens/command_button.h"
#include "screens/hall_of_fame_screen.h"
#include "screens/history/history_screen.h"
#include "screens/main_screen.h"
#include "screens/player_screen.h"
#include "support/file_contents.h"
#include "support/match_on_screen.h"
#include "support/qt_printers.h"
#include "support/save_fixtures.h"
#include "support/scripted_platform.h"
#include "support/test_career.h"

namespace {

// Reads the hall of fame once it shows (in an event loop of its own), then
// closes it.
void whileHallOfFameShows(const std::function<void()>& open,
                          const std::function<void(HallOfFameScreen&)>& read) {
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* fame = qobject_cast<HallOfFameScreen*>(QApplication::activeModalWidget());
        ASSERT_NE(fame, nullptr);
        shown = true;
        read(*fame);
        fame->close();
    });
    open();
    EXPECT_TRUE(shown);
}

QString cell(HallOfFameScreen& fame, FameList list, int row, int column) {
    return fame.table(list)->model()->index(row, column).data().toString();
}

// An ended career of the hall of fame that no save stands behind.
FameEntry legendEntry() {
    FameEntry legend;
    legend.player = QStringLiteral("Legend");
    legend.saveFile = QStringLiteral("legen_auto.bsg");
    legend.highestLevel = Level::national;
    legend.matches = 300;
    legend.runs = 12000;
    legend.ended = true;
    return legend;
}

class CareerEnd : public ::testing::Test {
  protected:
    QTemporaryDir saves;
    ScriptedPlatform scripted;
    MainScreen main{scripted.platform, testCareer(45, 20, 30),
                    AutoSave{true, QStringLiteral("ravi_auto.bsg")},
                    SaveTarget{saves.path(), false, {}}};

    CareerEnd() {
        main.show();
        main.claimSaveFile();
    }
};

TEST_F(CareerEnd, ShowsTheSummaryKeepsItsPictureOpensTheHistoryAndEntersTheHallOfFame) {
    // One match saved; then, exhausted at the club, the career ends.
    scripted.random.draws = {0.0, 0.75, 0.4, 0.9};
    playMatchOnScreen(main);
    const std::int32_t runs = main.career().career().statistics().runs;
    ASSERT_GT(runs, 0);
    main.career().update([](Career& c) { c.body.stamina = -3; });
    scripted.prompter.answers = {true};
    QTest::mouseClick(main.command(MainScreen::Play), Qt::LeftButton);

    CareerSummaryScreen* summary = main.careerSummary();
    ASSERT_NE(summary, nullptr);
    EXPECT_TRUE(summary->isVisible());
    EXPECT_TRUE(scripted.prompter.questions.isEmpty());
    EXPECT_EQ(summary->card()->value(QStringLiteral("cardMatches"))->text(), QStringLiteral("1"));
    EXPECT_EQ(summary->card()->value(QStringLiteral("cardRuns"))->text(), QString::number(runs));
    EXPECT_EQ(summary->card()->value(QStringLiteral("cardEnding"))->text(),
              QStringLiteral("Dropped from club cricket."));
    // A screen reader tells the heading and the card's figures in reading
    // order as the window opens.
    const QString told = summary->accessibleDescription();
    EXPECT_TRUE(told.startsWith(QStringLiteral("The career of Ravi is over. Player: Ravi; ")))
        << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("; Matches: 1; Runs: %1;").arg(runs)))
        << told.toStdString();
    EXPECT_TRUE(told.endsWith(QStringLiteral("How it ended: Dropped from club cricket.")))
        << told.toStdString();
    // It has the keyboard: Ctrl+S and Escape reach it, not the main screen.
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == summary; }));
    // Nothing more is played while it shows.
    EXPECT_FALSE(main.command(MainScreen::Play)->isEnabled());
    // It opens no taller than its first size (6600 twips) or than its
    // figures need three to a row: not as tall as they stand one to a row.
    EXPECT_LE(summary->height(), std::max(6600 / 15, summary->sizeHint().height()));

    QTest::mouseClick(summary->savePictureCommand(), Qt::LeftButton);
    const QString picture = saves.path() + QStringLiteral("/ravi_auto.card.png");
    EXPECT_FALSE(QImage(picture).isNull());
    EXPECT_EQ(scripted.prompter.notices.last(),
              QStringLiteral("The career card is saved as %1.").arg(shownPath(picture)));

    QTest::mouseClick(summary->historyCommand(), Qt::LeftButton);
    ASSERT_NE(main.historyScreen(), nullptr);
    EXPECT_TRUE(main.historyScreen()->isVisible());
    // Beside the summary as beside the main screen: never over the commands
    // of either.
    EXPECT_TRUE(main.historyScreen()->isWindow());
    const QRect history = main.historyScreen()->frameGeometry();
    EXPECT_FALSE(history.intersects(summary->commandsOnDesktop()));
    EXPECT_FALSE(history.intersects(main.commandsOnDesktop()));

    // The hall of fame holds it, ended, before the player is asked.
    const HallOfFameReading fame = readHallOfFame(hallOfFamePath(saves.path()));
    ASSERT_EQ(fame.entries.size(), 1u);
    EXPECT_EQ(fame.entries[0].player, QStringLiteral("Ravi"));
    EXPECT_EQ(fame.entries[0].runs, runs);
    EXPECT_TRUE(fame.entries[0].ended);

    continueFromCareerSummary(main);
    EXPECT_EQ(scripted.prompter.questions,
              QStringList{QStringLiteral("Do you want to play again?")});
    EXPECT_FALSE(main.isVisible());
}

TEST_F(CareerEnd, TheHallOfFameListsTheBestCareersFromTheMenuAndTheirFileGoneStillCounts) {
    scripted.random.draws = {0.0, 0.75, 0.4, 0.9};
    playMatchOnScreen(main);
    const QString runs = QString::number(main.career().career().statistics().runs);
    const FameEntry legend = legendEntry();
    ASSERT_EQ(rememberInHallOfFame(hallOfFamePath(saves.path()), {legend}).failure, std::nullopt);

    whileHallOfFameShows(
        [&] { QTest::mouseClick(main.command(MainScreen::HallOfFame), Qt::LeftButton); },
        [&runs](HallOfFameScreen& fame) {
            EXPECT_EQ(fame.lists()->count(), fameListCount);
            EXPECT_EQ(fame.table(FameList::mostRuns)->accessibleName(),
                      QStringLiteral("Most Runs"));
            // The legend, whose save is gone, then Ravi, still playing.
            EXPECT_EQ(cell(fame, FameList::mostRuns, 0, 1), QStringLiteral("Legend"));
            EXPECT_EQ(cell(fame, FameList::mostRuns, 1, 1), QStringLiteral("Ravi"));
            EXPECT_EQ(cell(fame, FameList::mostRuns, 1, 4), runs);
            EXPECT_EQ(cell(fame, FameList::mostRuns, 0, 7), QStringLiteral("Ended"));
            EXPECT_EQ(cell(fame, FameList::richest, 0, 1), QStringLiteral("Ravi"));
            // A screen reader hears how many careers it holds and the first
            // of the list it opens on, each figure with its heading.
            const QString told = fame.accessibleDescription();
            EXPECT_TRUE(told.startsWith(QStringLiteral("2 career"))) << told.toStdString();
            EXPECT_TRUE(told.contains(QStringLiteral(
                "in the hall of fame. Most Runs, first: Place: 1; Player: Legend; ")))
                << told.toStdString();
            EXPECT_TRUE(told.contains(QStringLiteral("; Status: Ended; "))) << told.toStdString();
        });
}

// Names longer than the windows' first width asks for, as a language that
// writes longer than English gives: each window opens wide enough to show
// every column of its tables whole, with nothing to scroll sideways.
TEST(LongNames, WidenTheSummaryAndTheHallOfFameToShowEveryColumn) {
    const QString name = QStringLiteral("Venkatapathy Raju Ramachandran");
    Career career = testCareer(45, 20, 30);
    career.player = name;
    career.drawnClub = QStringLiteral("Cricket Club of the Seven Hills and Rivers");
    career.team = career.drawnClub;
    const CareerSummary summary = summarise(career, CareerHistory(), CareerEnding::dropped);
    QWidget owner;
    ScriptedPrompter prompter;
    CareerSummaryScreen summaryScreen(summary, QString(), false, prompter, &owner);

    FameEntry entry =
        fameEntryOf(summary, QStringLiteral("venka_auto.bsg"), QDateTime::currentDateTime());
    HallOfFameScreen fame({entry}, &owner);

    const auto everyColumnWhole = [](QTableView* table) {
        const QHeaderView* heading = table->horizontalHeader();
        EXPECT_EQ(table->horizontalScrollBar()->maximum(), 0) << table->objectName().toStdString();
        for (int column = 0; column < heading->count(); ++column) {
            EXPECT_GE(heading->sectionSize(column), heading->sectionSizeHint(column))
                << table->objectName().toStdString() << " column " << column;
        }
    };
    summaryScreen.show();
    QApplication::processEvents();
    everyColumnWhole(summaryScreen.card()->teamsTable());
    fame.show();
    for (int list = 0; list < fameListCount; ++list) {
        fame.lists()->setCurrentIndex(list);
        QApplication::processEvents();
        everyColumnWhole(fame.table(static_cast<FameList>(list)));
    }
}

// A name with a right-to-left override reorders nothing past itself, and
// one of 200,000 characters is cut short: the other columns stay in sight.
TEST(LongNames, AreIsolatedAndCutShortWhereTheyShow) {
    FameEntry override;
    override.player = QStringLiteral("Ravi\u202Eilah");
    override.runs = 2;
    FameEntry endless;
    endless.player = QString(200000, u'W');
    endless.runs = 1;
    QWidget owner;
    HallOfFameScreen fame({override, endless}, &owner);
    QTableView* table = fame.table(FameList::mostRuns);
    const auto shown = [table](int row) {
        const QModelIndex index = table->model()->index(row, 1);
        const auto* names = qobject_cast<QStyledItemDelegate*>(table->itemDelegateForIndex(index));
        return names ? names->displayText(index.data(), QLocale()) : QString();
    };
    EXPECT_EQ(shown(0), QStringLiteral("\u2068Ravi\u202Eilah\u2069"));
    EXPECT_TRUE(shown(1).startsWith(QStringLiteral("\u2068WWW")));
    EXPECT_TRUE(shown(1).endsWith(QStringLiteral("\u2026\u2069")));
    EXPECT_LT(shown(1).size(), 100);
    // What a screen reader hears is the name itself.
    EXPECT_EQ(table->model()->index(1, 1).data().toString(), endless.player);
    EXPECT_LT(table->horizontalHeader()->sectionSize(1),
              table->fontMetrics().horizontalAdvance(QString(60, u'W')));
}

TEST_F(CareerEnd, ADamagedHallOfFameIsSetAsideAndThePlayerTold) {
    const QString path = hallOfFamePath(saves.path());
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("scribbled over\n");
    }
    PlayerScreen player(scripted.prompter);
    whileHallOfFameShows([&] { showHallOfFame(saves.path(), scripted.prompter, &player); },
                         [](HallOfFameScreen& fame) {
                             EXPECT_EQ(fame.table(FameList::mostRuns)->model()->rowCount(), 0);
                         });
    const QStringList aside = setAsideFilesOf(path, QStringLiteral(".csv"));
    ASSERT_EQ(aside.size(), 1);
    QFile kept(aside.first());
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("scribbled over\n"));
    ASSERT_EQ(scripted.prompter.notices.size(), 1);
    EXPECT_TRUE(scripted.prompter.notices[0].contains(QStringLiteral("damaged")));
}

// A hall of fame that cannot be kept (a folder in its place) is told, naming
// the file and why, and the lists still show.
TEST_F(CareerEnd, AHallOfFameThatCannotBeKeptIsToldByItsName) {
    const QString path = hallOfFamePath(saves.path());
    ASSERT_TRUE(QDir().mkpath(path));
    Career arjun = testCareer(45, 20, 30);
    arjun.player = QStringLiteral("Arjun");
    ASSERT_EQ(
        writeSaveFile(saves.path(), QStringLiteral("arjun_auto.bsg"), saveFileOf(arjun, true)),
        std::nullopt);
    PlayerScreen player(scripted.prompter);
    whileHallOfFameShows([&] { showHallOfFame(saves.path(), scripted.prompter, &player); },
                         [](HallOfFameScreen& fame) {
                             EXPECT_EQ(cell(fame, FameList::mostRuns, 0, 1),
                                       QStringLiteral("Arjun"));
                         });
    ASSERT_EQ(scripted.prompter.notices.size(), 1);
    EXPECT_TRUE(scripted.prompter.notices[0].contains(QDir::toNativeSeparators(path)))
        << scripted.prompter.notices[0].toStdString();
    EXPECT_TRUE(QFileInfo(path).isDir());
}

// The hall of fame of a Saves folder the game cannot write to shows among
// the careers of the folder it saves to, each of its own marked read-only,
// with the reason new saves go elsewhere; nothing is written there.
TEST_F(CareerEnd, AReadOnlyFoldersHallOfFameShowsMarkedSoAndStaysUnwritten) {
    const FameEntry legend = legendEntry();
    ASSERT_EQ(rememberInHallOfFame(hallOfFamePath(saves.path()), {legend}).failure, std::nullopt);
    QTemporaryDir readOnly;
    FameEntry kept = legend;
    kept.player = QStringLiteral("Kept Star");
    kept.saveFile = QStringLiteral("kepts_auto.bsg");
    kept.runs = 15000;
    const QString keptHall = hallOfFamePath(readOnly.path());
    ASSERT_EQ(rememberInHallOfFame(keptHall, {kept}).failure, std::nullopt);
    // A career saved there that its hall does not hold yet comes in too.
    Career arjun = testCareer(45, 20, 30);
    arjun.player = QStringLiteral("Arjun");
    ASSERT_EQ(
        writeSaveFile(readOnly.path(), QStringLiteral("arjun_auto.bsg"), saveFileOf(arjun, true)),
        std::nullopt);
    const QByteArray hallBytes = contents(keptHall);
    const QStringList files = QDir(readOnly.path()).entryList(QDir::AllEntries | QDir::Hidden);

    PlayerScreen player(scripted.prompter);
    whileHallOfFameShows(
        [&] { showHallOfFame(saves.path(), scripted.prompter, &player, readOnly.path()); },
        [&](HallOfFameScreen& fame) {
            EXPECT_EQ(cell(fame, FameList::mostRuns, 0, 1), QStringLiteral("Kept Star"));
            EXPECT_EQ(cell(fame, FameList::mostRuns, 0, 7), QStringLiteral("Ended, read-only"));
            EXPECT_EQ(cell(fame, FameList::mostRuns, 1, 1), QStringLiteral("Legend"));
            EXPECT_EQ(cell(fame, FameList::mostRuns, 1, 7), QStringLiteral("Ended"));
            EXPECT_EQ(cell(fame, FameList::mostRuns, 2, 1), QStringLiteral("Arjun"));
            EXPECT_EQ(cell(fame, FameList::mostRuns, 2, 7), QStringLiteral("Playing, read-only"));
            const auto* note = fame.findChild<QLabel*>(QStringLiteral("readOnlyHall"));
            ASSERT_NE(note, nullptr);
            EXPECT_TRUE(note->text().contains(QDir::toNativeSeparators(readOnly.path())));
            EXPECT_TRUE(note->text().contains(QDir::toNativeSeparators(saves.path())));
            EXPECT_EQ(fame.findChild<QLabel*>(QStringLiteral("noCareers")), nullptr);
        });
    EXPECT_TRUE(scripted.prompter.messages.isEmpty())
        << scripted.prompter.messages.join('\n').toStdString();
    EXPECT_EQ(contents(keptHall), hallBytes);
    EXPECT_EQ(QDir(readOnly.path()).entryList(QDir::AllEntries | QDir::Hidden), files);
}

}  // namespace
