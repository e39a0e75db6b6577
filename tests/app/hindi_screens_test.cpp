// SPDX-License-Identifier: GPL-3.0-or-later
// The screens in Hindi as a player meets them: access keys that are the
// letters printed on the buttons and work, and a club named the same way in
// every window.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTranslator>
#include <QTreeWidget>
#include <algorithm>
#include <functional>
#include <memory>

#include "app/translations.h"
#include "game/history.h"
#include "game/start_career.h"
#include "screens/career_in_play.h"
#include "screens/command_button.h"
#include "screens/history/history_screen.h"
#include "screens/history/history_table_model.h"
#include "screens/history/milestones_view.h"
#include "screens/main_screen.h"
#include "screens/purchase_screen.h"
#include "support/qt_printers.h"
#include "support/scripted_platform.h"
#include "support/test_career.h"

namespace {

class InHindi : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(installTranslation(*qApp, QStringLiteral("hi"))); }
    void TearDown() override {
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

    ScriptedPlatform scripted;
};

TEST_F(InHindi, TheTrainingCentresAccessKeysAreThePrintedLettersAndWork) {
    Career broke = testCareer(45, 60, 199);
    broke.bankBalance = 0;
    CareerInPlay career(broke);
    const auto open = [&] {
        auto screen = std::make_unique<PurchaseScreen>(PurchaseScreen::training, career,
                                                       scripted.prompter, nullptr);
        screen->show();
        QApplication::setActiveWindow(screen.get());
        return screen;
    };

    auto screen = open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    QStringList keys;
    for (const auto* command : screen->findChildren<CommandButton*>()) keys << command->text();
    keys.sort();
    EXPECT_EQ(keys, (QStringList{QStringLiteral("ठीक है (&O)"), QStringLiteral("रद्द करें (&C)")}));

    // OK with nothing in the bank: the centre tells it is short of money.
    QTest::keyClick(screen.get(), Qt::Key_O, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return scripted.prompter.notices.size() == 1; }));
    EXPECT_TRUE(screen->isVisible());
    QTest::keyClick(screen.get(), Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !screen->isVisible(); }));
}

HistoryRow rowAt(std::int32_t match, Level level, const char* team) {
    HistoryRow row;
    row.match = match;
    row.level = level;
    row.team = QString::fromLatin1(team);
    return row;
}

// Ravi at his club, promoted to Pune, then dropped back to the club.
TEST_F(InHindi, AClubIsNamedAlikeOnTheMainScreenAndThroughoutTheHistory) {
    Career ravi = testCareer(45, 20, 30);
    HistoryRow promoted = rowAt(2, Level::city, "Pune");
    promoted.events.levelChanges = {Level::city};
    HistoryRow dropped = rowAt(3, Level::club, "Five Star");
    dropped.events.levelChanges = {Level::club};
    CareerInPlay career(ravi,
                        CareerHistory({rowAt(1, Level::club, "Five Star"), promoted, dropped}));
    const QString club = teamName(QStringLiteral("Five Star"));
    ASSERT_EQ(club, QStringLiteral("फ़ाइव स्टार"));

    MainScreen main(scripted.platform, ravi);
    EXPECT_EQ(main.findChild<QLabel*>(QStringLiteral("team"))->text(), club);

    HistoryScreen history(career, nullptr);
    history.show();
    EXPECT_EQ(history.findChild<QLabel*>(QStringLiteral("team"))->text(), club);
    EXPECT_EQ(history.findChild<QWidget*>(QStringLiteral("Frame_LAST_MATCH"))->accessibleName(),
              QStringLiteral("आख़िरी मैच: 3, क्लब (फ़ाइव स्टार)"));
    EXPECT_EQ(history.findChild<QLabel*>(QStringLiteral("lastEvents"))->accessibleName(),
              QStringLiteral("क्लब स्तर पर ड्रॉप (फ़ाइव स्टार)"));

    const QAbstractItemModel* table = history.table()->model();
    for (int row : {0, 2})
        EXPECT_EQ(table->index(row, HistoryTableModel::team).data().toString(), club) << row;

    history.showTab(HistoryScreen::seasonsTab);
    // The stays' sides, under each level of the Seasons tree.
    QStringList sides;
    const QAbstractItemModel* seasons = history.seasons()->model();
    const std::function<void(const QModelIndex&)> collect = [&](const QModelIndex& parent) {
        for (int row = 0; row < seasons->rowCount(parent); ++row) {
            sides << seasons->index(row, 1, parent).data().toString();
            collect(seasons->index(row, 0, parent));
        }
    };
    collect(QModelIndex());
    EXPECT_TRUE(sides.contains(club)) << sides.join(QLatin1Char(',')).toStdString();
    EXPECT_TRUE(sides.contains(QStringLiteral("Pune")));
    EXPECT_FALSE(sides.contains(QStringLiteral("Five Star")));

    history.showTab(HistoryScreen::milestonesTab);
    QStringList milestones;
    const QTreeWidget* told = history.milestones()->list();
    for (int i = 0; i < told->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = told->topLevelItem(i);
        milestones << item->text(0);
        for (int j = 0; j < item->childCount(); ++j) milestones << item->child(j)->text(0);
    }
    const QString drop = QStringLiteral("मैच 3 से पहले: क्लब स्तर पर ड्रॉप (फ़ाइव स्टार)।");
    EXPECT_TRUE(std::any_of(milestones.begin(), milestones.end(), [&](const QString& m) {
        return m.startsWith(drop);
    })) << milestones.join(QLatin1Char('\n')).toStdString();
}

// As narrow as it opens beside the main screen at 1366x768, the History
// window shows every Hindi caption and value of its card, header and last
// match whole, with nothing to scroll sideways; widened, the last match's
// figures go back to four a row; and at the height it opens with, the last
// match keeps its place above the chart and the table.
TEST_F(InHindi, TheNarrowHistoryWindowShowsEveryFigureWhole) {
    Career ravi = testCareer(45, 20, 30);
    HistoryRow last = rowAt(2, Level::city, "Pune");
    last.bankBalance = 1234567;
    CareerInPlay career(ravi, CareerHistory({rowAt(1, Level::club, "Five Star"), last}));
    HistoryScreen history(career, nullptr);
    history.openWhereLeft(QRect(0, 0, 560, 1400));
    history.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&history));
    QApplication::processEvents();
    ASSERT_TRUE(history.cardAtHead());

    const auto* content = history.findChild<QScrollArea*>(QStringLiteral("content"));
    EXPECT_EQ(content->horizontalScrollBar()->maximum(), 0);
    int shown = 0;
    for (const char* frame : {"Frame_career_card", "Frame_CAREER", "Frame_LAST_MATCH"}) {
        for (const QLabel* label : history.findChild<QWidget*>(QString::fromLatin1(frame))
                                       ->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            if (!label->isVisible()) continue;
            ++shown;
            const QRect place(label->mapTo(content->viewport(), QPoint(0, 0)), label->size());
            EXPECT_TRUE(content->viewport()->rect().contains(place))
                << qPrintable(label->objectName());
            EXPECT_GE(label->width(), label->minimumSizeHint().width())
                << qPrintable(label->objectName());
        }
    }
    EXPECT_GT(shown, 60);

    const auto top = [&](const char* name) {
        return history.findChild<QLabel*>(QString::fromLatin1(name))->geometry().top();
    };
    EXPECT_NE(top("lastRuns"), top("lastAward"));
    history.resize(1400, 1400);
    QApplication::processEvents();
    EXPECT_EQ(top("lastRuns"), top("lastAward"));

    // At the height it opens with beside the main screen, the last match
    // stays in sight above the chart and the table.
    history.resize(560, 660);
    QApplication::processEvents();
    EXPECT_TRUE(history.findChild<QWidget*>(QStringLiteral("Frame_LAST_MATCH"))->isVisible());
    EXPECT_EQ(content->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(content->verticalScrollBar()->maximum(), 0);
}

}  // namespace
