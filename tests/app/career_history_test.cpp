// SPDX-License-Identifier: GPL-3.0-or-later
// The history of a career played from outside, as a player meets it: kept in
// its file beside the save with auto-save on, back in the History window
// after a restart and Load, and in memory alone with auto-save off.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

#include "app/screen_navigator.h"
#include "game/match.h"
#include "saves/history_file.h"
#include "saves/saves_folder.h"
#include "screens/career_in_play.h"
#include "screens/command_button.h"
#include "screens/history/history_screen.h"
#include "screens/history/history_table_model.h"
#include "screens/main_screen.h"
#include "screens/match_screen.h"
#include "screens/player_screen.h"
#include "support/match_on_screen.h"
#include "support/qt_printers.h"
#include "support/scripted_platform.h"

namespace {

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// One run of the program from its start-up credits to the player screen.
struct Program {
    ScriptedPlatform scripted;
    ScreenNavigator screens{scripted.platform};

    explicit Program(const QString& folder) : scripted(folder) {
        screens.start();
        QTest::mouseClick(screens.creditsScreen()->continueButton(), Qt::LeftButton);
        settle();
    }

    MainScreen* startCareer(bool autoSave) {
        PlayerScreen* player = screens.playerScreen();
        const QStringList texts{QStringLiteral("Ravi"), QStringLiteral("Pune"),
                                QStringLiteral("Goa"), QStringLiteral("India")};
        for (int i = 0; i < 4; ++i) QTest::keyClicks(player->textField(i), texts.at(i));
        const int skills[3] = {80, 40, 30};
        for (int i = 0; i < 3; ++i) player->slider(i)->setValue(skills[i]);
        if (autoSave) QTest::mouseClick(player->autoSaveBox(), Qt::LeftButton);
        scripted.random.draws = {0.1};  // the club
        QTest::mouseClick(player->command(PlayerScreen::Start), Qt::LeftButton);
        settle();
        return screens.mainScreen();
    }

    MainScreen* load(const QString& path) {
        scripted.prompter.chosenFiles = {path};
        scripted.random.draws = {0.9};  // the club drawn at start-up
        QTest::mouseClick(screens.playerScreen()->command(PlayerScreen::Load), Qt::LeftButton);
        settle();
        return screens.mainScreen();
    }

    // Presses Play, reads the match screen's figures and confirms them.
    MatchPerformance play(double runs, double wickets, double catches) {
        scripted.random.draws = {0.0, runs, wickets, catches};  // no bookie, then the match
        MatchPerformance seen{-1, -1, -1};
        playMatchOnScreen(*screens.mainScreen(), [&](MatchScreen& match) {
            const auto figure = [&](const char* name) {
                return static_cast<std::int16_t>(
                    match.findChild<QLabel*>(QString::fromLatin1(name))->text().toInt());
            };
            seen = {figure("Label4"), figure("Label5"), figure("Label6")};
        });
        EXPECT_TRUE(scripted.random.draws.empty());
        return seen;
    }

    // The match, runs, wickets and catches of each row of the History
    // window's table, opened from the menu and closed again with OK.
    std::vector<std::vector<int>> historyShown(QString* gaps = nullptr) {
        std::vector<std::vector<int>> rows;
        bool opened = false;
        QTest::mouseClick(screens.mainScreen()->command(MainScreen::History), Qt::LeftButton);
        [&] {
            HistoryScreen* history = screens.mainScreen()->historyScreen();
            ASSERT_NE(history, nullptr);
            opened = history->isVisible();
            const QAbstractItemModel* table = history->table()->model();
            for (int r = 0; r < table->rowCount(); ++r) {
                std::vector<int> figures;
                for (const int column : {HistoryTableModel::match, HistoryTableModel::runs,
                                         HistoryTableModel::wickets, HistoryTableModel::catches}) {
                    figures.push_back(table->index(r, column).data().toInt());
                }
                rows.push_back(figures);
            }
            if (gaps) *gaps = history->findChild<QLabel*>(QStringLiteral("gaps"))->text();
            QTest::mouseClick(history->okButton(), Qt::LeftButton);
        }();
        EXPECT_TRUE(opened);
        return rows;
    }
};

std::vector<int> row(int match, const MatchPerformance& played) {
    return {match, played.runs, played.wickets, played.catches};
}

// The match, runs, wickets and catches of each line of a history file after
// its header.
std::vector<std::vector<int>> historyFileRows(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QList<QByteArray> lines = file.readAll().split('\n');
    std::vector<std::vector<int>> rows;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i].isEmpty()) continue;
        const QList<QByteArray> fields = lines[i].split(',');
        rows.push_back(
            {fields[0].toInt(), fields[3].toInt(), fields[4].toInt(), fields[5].toInt()});
    }
    return rows;
}

TEST(CareerHistory, KeptInItsFileAndShownAgainAfterARestartAndLoad) {
    QTemporaryDir programFolder;
    const QString saved = savesFolder(programFolder.path()) + QStringLiteral("/ravi_auto.bsg");
    const QString historyFile = historyFilePath(saved);
    std::vector<std::vector<int>> expected;
    {
        Program first(programFolder.path());
        ASSERT_NE(first.startCareer(true), nullptr);
        const double draws[][3] = {{0.75, 0.4, 0.9}, {0.3, 0.9, 0.1}, {0.55, 0.1, 0.5}};
        for (const auto& d : draws) {
            expected.push_back(
                row(static_cast<int>(expected.size()) + 1, first.play(d[0], d[1], d[2])));
        }
        EXPECT_EQ(first.historyShown(), expected);
        EXPECT_EQ(historyFileRows(historyFile), expected);
        EXPECT_TRUE(first.scripted.prompter.messages.isEmpty());
    }

    Program again(programFolder.path());
    ASSERT_NE(again.load(saved), nullptr);
    QString gaps;
    EXPECT_EQ(again.historyShown(&gaps), expected);
    EXPECT_TRUE(gaps.isEmpty()) << gaps.toStdString();
    expected.push_back(row(4, again.play(0.6, 0.2, 0.3)));
    EXPECT_EQ(again.historyShown(), expected);
    EXPECT_EQ(historyFileRows(historyFile), expected);
    EXPECT_TRUE(again.scripted.prompter.messages.isEmpty());
}

TEST(CareerHistory, WithAutoSaveOffNoFileIsWrittenButTheWindowShowsTheMatches) {
    QTemporaryDir programFolder;
    Program program(programFolder.path());
    ASSERT_NE(program.startCareer(false), nullptr);
    std::vector<std::vector<int>> expected;
    expected.push_back(row(1, program.play(0.75, 0.4, 0.9)));
    expected.push_back(row(2, program.play(0.3, 0.9, 0.1)));
    EXPECT_EQ(program.historyShown(), expected);
    EXPECT_TRUE(QDir(programFolder.path())
                    .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                    .isEmpty());
}

// A career whose history file is gone loads as ever; the window says from
// which match on it knows the career.
TEST(CareerHistory, ACareerLoadedWithoutItsHistoryFileKeepsItFromTheNextMatch) {
    QTemporaryDir programFolder;
    const QString saved = savesFolder(programFolder.path()) + QStringLiteral("/ravi_auto.bsg");
    {
        Program first(programFolder.path());
        ASSERT_NE(first.startCareer(true), nullptr);
        first.play(0.75, 0.4, 0.9);
        first.play(0.3, 0.9, 0.1);
    }
    ASSERT_TRUE(QFile::remove(historyFilePath(saved)));

    Program again(programFolder.path());
    ASSERT_NE(again.load(saved), nullptr);
    QString gaps;
    EXPECT_TRUE(again.historyShown(&gaps).empty());
    EXPECT_EQ(gaps,
              QStringLiteral(
                  "History kept from match 3: the matches before it were played without one."));
    const MatchPerformance third = again.play(0.6, 0.2, 0.3);
    EXPECT_EQ(again.historyShown(), (std::vector<std::vector<int>>{row(3, third)}));
    EXPECT_EQ(historyFileRows(historyFilePath(saved)),
              (std::vector<std::vector<int>>{row(3, third)}));
}

}  // namespace
