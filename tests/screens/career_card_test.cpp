// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/career_card.h"

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QLabel>
#include <QLocale>
#include <QTableView>

#include "game/level_change.h"
#include "game/match.h"
#include "screens/match_link.h"
#include "support/qt_printers.h"
#include "support/test_career.h"

namespace {

struct CardCareer {
    Career career = testCareer(45, 20, 30);
    CareerHistory history;

    CardCareer() {
        career.drawnClub = QStringLiteral("Five Star");
        for (const MatchPerformance& m : {MatchPerformance{60, 1, 0}, {120, 5, 2}}) {
            history.append(playMatch(career, m));
        }
        promote(career);
        history.append(playMatch(career, {1500, 3, 1}));
    }
};

TEST(CareerCard, ShowsEveryFigureOfTheSummaryInTheLocalesNumbersWithTheTableOfLevelsAndTeams) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::India));
    const CardCareer c;
    CareerCard card;
    card.showSummary(summarise(c.career, c.history, CareerEnding::caughtByTheEnquiry));
    QLocale::setDefault(QLocale::c());

    EXPECT_EQ(card.value(QStringLiteral("cardPlayer"))->text(), c.career.player);
    EXPECT_EQ(card.value(QStringLiteral("cardMatches"))->text(), QStringLiteral("3"));
    // Grouped as an Indian locale groups.
    EXPECT_EQ(card.value(QStringLiteral("cardRuns"))->text(), QStringLiteral("1,680"));
    EXPECT_EQ(card.high(QStringLiteral("cardHighestScore"))->text(), QStringLiteral("1,500"));
    EXPECT_EQ(card.value(QStringLiteral("cardHighestLevel"))->text(), levelName(Level::city));
    EXPECT_EQ(card.value(QStringLiteral("cardEnding"))->text(),
              QStringLiteral("Caught by the enquiry into the bookie's money."));
    EXPECT_TRUE(card.high(QStringLiteral("cardMostRunsStay"))
                    ->text()
                    .startsWith(QStringLiteral("1,500 for ")));
    // Every value reads to a screen reader as its text, named by its caption.
    QLabel* runs = card.value(QStringLiteral("cardRuns"));
    EXPECT_EQ(runs->accessibleName(), runs->text());
    EXPECT_EQ(runs->accessibleDescription(), QStringLiteral("Runs"));

    // A level's row from the record book, then its team's from the history.
    const QAbstractItemModel* table = card.teamsTable()->model();
    EXPECT_FALSE(card.teamsTable()->accessibleName().isEmpty());
    ASSERT_EQ(table->rowCount(), 4);
    EXPECT_EQ(table->index(0, 0).data().toString(), levelName(Level::club));
    EXPECT_EQ(table->index(1, 2).data().toString(), QStringLiteral("2"));
    EXPECT_EQ(table->index(2, 0).data().toString(), levelName(Level::city));
    EXPECT_EQ(table->index(3, 3).data().toString(), QStringLiteral("1,500"));

    EXPECT_FALSE(card.findChild<QLabel*>(QStringLiteral("cardHistoryGap"))->isVisibleTo(&card));
    card.showSummary(summarise(c.career, CareerHistory({c.history.rows().back()}, 3)));
    EXPECT_TRUE(card.findChild<QLabel*>(QStringLiteral("cardHistoryGap"))->isVisibleTo(&card));
    EXPECT_EQ(card.value(QStringLiteral("cardEnding"))->text(), QStringLiteral("Still playing."));
    EXPECT_FALSE(card.picture().isNull());
}

}  // namespace
