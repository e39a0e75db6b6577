// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTest>

#include "game/career_summary.h"
#include "game/history.h"
#include "game/level_change.h"
#include "game/match.h"
#include "screens/career_card.h"
#include "screens/career_in_play.h"
#include "screens/command_button.h"
#include "screens/history/history_screen.h"
#include "screens/history/history_table_model.h"
#include "screens/match_link.h"
#include "support/qt_printers.h"
#include "support/test_career.h"

namespace {

// Three matches whose highs lie apart: the best bowling in the first, at
// the club (whose stay of two matches is the longest), the highest score in
// the third, the first and only of the stay in the city.
struct HighsApart {
    Career career = testCareer(45, 20, 30);
    CareerHistory history;

    HighsApart() {
        career.drawnClub = QStringLiteral("Five Star");
        for (const MatchPerformance& m : {MatchPerformance{30, 6, 0}, {40, 0, 1}}) {
            history.append(playMatch(career, m));
        }
        promote(career);
        const MatchPerformance third{120, 1, 0};
        history.append(playMatch(career, third));
    }
};

class CareerHighs : public ::testing::Test {
  protected:
    HighsApart story;
    CareerInPlay model{story.career, story.history};
    HistoryScreen screen{model, nullptr};

    void SetUp() override {
        // Room for the card, and the newest match first, so that a row's
        // place in the table is not its match's number.
        screen.show();
        screen.resize(1400, 1100);
        screen.table()->sortByColumn(HistoryTableModel::match, Qt::DescendingOrder);
        screen.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    }

    MatchLink* high(const char* name) const {
        return screen.careerCard()->high(QString::fromLatin1(name));
    }

    // The match of the table's current row, and whether that row alone is
    // selected.
    QString chosenMatch() const {
        const QModelIndex current = screen.table()->currentIndex();
        const QModelIndexList selected = screen.table()->selectionModel()->selectedRows();
        if (selected.size() != 1 || selected.front().row() != current.row()) return QString();
        return current.siblingAtColumn(HistoryTableModel::match).data().toString();
    }

    void clearChoice() const {
        screen.table()->clearSelection();
        screen.table()->setCurrentIndex(QModelIndex());
        screen.okButton()->setFocus();
    }
};

// Each high on the card leads to its match, by mouse or keyboard: the row is
// chosen in the table, wherever the sort has put it, and the keyboard goes
// there to read on. A screen reader is told where each leads.
TEST_F(CareerHighs, EachHighChoosesItsMatchInTheTableAndHandsItTheKeyboard) {
    const struct {
        const char* high;
        const char* match;
        Qt::Key key;  // or a click, for none
    } cases[] = {
        {"cardHighestScore", "3", Qt::Key_Return},
        {"cardBestBowling", "1", Qt::Key_Space},
        {"cardMostRunsStay", "3", Qt::Key_Enter},
        {"cardBestStay", "3", Qt::Key_unknown},
        // A stay leads to its first match.
        {"cardLongestStay", "1", Qt::Key_Return},
    };
    EXPECT_EQ(high("cardHighestScore")->accessibleDescription(),
              QStringLiteral("Highest score. Shows match 3 in the table of matches."));
    EXPECT_EQ(high("cardLongestStay")->accessibleDescription(),
              QStringLiteral("Longest stay (matches). Shows match 1, where the stay began, in the "
                             "table of matches."));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.high);
        clearChoice();
        MatchLink* link = high(c.high);
        ASSERT_NE(link, nullptr);
        ASSERT_TRUE(link->isVisible());
        EXPECT_EQ(link->focusPolicy(), Qt::StrongFocus);
        EXPECT_EQ(link->accessibleName(), link->text());
        EXPECT_TRUE(link->accessibleDescription().contains(
            QStringLiteral("Shows match %1").arg(QString::fromLatin1(c.match))));
        if (c.key == Qt::Key_unknown) {
            QTest::mouseClick(link, Qt::LeftButton);
        } else {
            link->setFocus(Qt::TabFocusReason);
            ASSERT_EQ(QApplication::focusWidget(), link);
            QTest::keyClick(link, c.key);
        }
        EXPECT_EQ(chosenMatch(), QString::fromLatin1(c.match));
        EXPECT_EQ(QApplication::focusWidget(), screen.table());
        const QTableView* table = screen.table();
        EXPECT_TRUE(table->viewport()->rect().intersects(table->visualRect(table->currentIndex())));
        // Enter went to the high, not to OK.
        EXPECT_TRUE(screen.isVisible());
    }
}

// Where the card has no table to lead to (the summary at a career's end),
// or the high has no match in the history, the high is a figure alone: no
// stop of the keyboard's, and pressing it does nothing.
TEST(CareerHighsAlone, AHighWithNowhereToLeadIsAFigureAlone) {
    const HighsApart story;
    CareerCard card;
    card.showSummary(summarise(story.career, story.history));
    MatchLink* score = card.high(QStringLiteral("cardHighestScore"));
    EXPECT_EQ(score->text(), QStringLiteral("120"));
    EXPECT_EQ(score->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(score->accessibleDescription(), QStringLiteral("Highest score"));

    CareerCard leading;
    leading.leadToMatches();
    // The history of the city's match alone: the club's best bowling came
    // before it.
    leading.showSummary(summarise(story.career, CareerHistory({story.history.rows().back()}, 3)));
    int chosen = 0;
    QObject::connect(&leading, &CareerCard::matchChosen, [&](int match) { chosen = match; });
    MatchLink* bowling = leading.high(QStringLiteral("cardBestBowling"));
    EXPECT_EQ(bowling->focusPolicy(), Qt::NoFocus);
    bowling->click();
    EXPECT_EQ(chosen, 0);
    leading.high(QStringLiteral("cardHighestScore"))->click();
    EXPECT_EQ(chosen, 3);
}

}  // namespace
