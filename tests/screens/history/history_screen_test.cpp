// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/history/history_screen.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QScatterSeries>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <functional>
#include <list>
#include <vector>

#include "charts/history_charts.h"
#include "game/career_story.h"
#include "game/history.h"
#include "game/level_change.h"
#include "game/match.h"
#include "screens/career_card.h"
#include "screens/career_in_play.h"
#include "screens/command_button.h"
#include "screens/history/frozen_column_table.h"
#include "screens/history/history_table_model.h"
#include "screens/history/history_texts.h"
#include "screens/history/milestones_view.h"
#include "screens/look.h"
#include "screens/main_screen.h"
#include "screens/match_link.h"
#include "screens/match_screen.h"
#include "screens/spoken_notice.h"
#include "support/match_on_screen.h"
#include "support/qt_printers.h"
#include "support/scripted_platform.h"
#include "support/test_career.h"
#include "support/two_matches.h"

namespace {

QString shown(const QWidget& screen, const char* objectName) {
    const auto* label = screen.findChild<QLabel*>(QString::fromLatin1(objectName));
    if (!label) {
        ADD_FAILURE() << "no label " << objectName;
        return QString();
    }
    return label->text();
}

QLineSeries* lineNamed(QWidget* chart, const QString& name) {
    auto* view = qobject_cast<QChartView*>(chart);
    for (QAbstractSeries* series : view->chart()->series()) {
        auto* line = qobject_cast<QLineSeries*>(series);
        if (line && !qobject_cast<QScatterSeries*>(series) && series->name() == name) return line;
    }
    return nullptr;
}

SinceLastMatch since(const std::function<void(SinceLastMatch&)>& happened) {
    SinceLastMatch events;
    happened(events);
    return events;
}

// What a history lacks: the rows of its file left out when it was read, and
// the matches before the one it was kept from.
struct Gaps {
    std::int32_t keptFrom = 1;
    HistoryLeftOut leftOut;
};

Gaps gaps(std::int32_t keptFrom, int damagedRows, int foreignRows = 0, bool unreadable = false) {
    return Gaps{keptFrom, HistoryLeftOut{damagedRows, foreignRows, unreadable}};
}

TEST(HistoryTexts, EventsSinceTheMatchBeforeAreToldInWords) {
    Career career;
    career.teams = Teams{QStringLiteral("Five Star"), QStringLiteral("Pune"), QStringLiteral("Goa"),
                         QStringLiteral("India")};
    career.drawnClub = QStringLiteral("Five Star");
    const struct {
        const char* what;
        SinceLastMatch events;
        std::optional<Level> before;
        QStringList told;
    } cases[] = {
        {"nothing", {}, Level::club, {}},
        {"a promotion",
         since([](auto& e) { e.levelChanges = {Level::city}; }),
         Level::club,
         {QStringLiteral("Promoted to City (Pune)")}},
        {"a drop",
         since([](auto& e) { e.levelChanges = {Level::state}; }),
         Level::national,
         {QStringLiteral("Dropped to State (Goa)")}},
        {"a drop then a promotion",
         since([](auto& e) {
             e.levelChanges = {Level::city, Level::state};
         }),
         Level::state,
         {QStringLiteral("Dropped to City (Pune)"), QStringLiteral("Promoted to State (Goa)")}},
        {"to the club, whatever came before",
         since([](auto& e) { e.levelChanges = {Level::club}; }),
         {},
         {QStringLiteral("Dropped to Club (Five Star)")}},
        {"to the nation, whatever came before",
         since([](auto& e) { e.levelChanges = {Level::national}; }),
         {},
         {QStringLiteral("Promoted to National (India)")}},
        {"to a middle level from an unknown one",
         since([](auto& e) { e.levelChanges = {Level::state}; }),
         {},
         {QStringLiteral("Moved to State (Goa)")}},
        {"the World Cup",
         since([](auto& e) { e.selectedForWorldCup = true; }),
         Level::national,
         {QStringLiteral("Selected for the World Cup")}},
        {"a sponsor whose name keeps an ampersand",
         since([](auto& e) { e.sponsorTaken = QStringLiteral("Cable & Wireless"); }),
         Level::club,
         {QStringLiteral("Sponsor Cable & Wireless")}},
        {"purchases and the bookie",
         since([](auto& e) {
             e.trainingCost = 4500;
             e.gearCost = 675;
             e.healthCareCost = 700;
             e.bookieMoney = 50000;
         }),
         Level::club,
         {QStringLiteral("Training Rs. 4500"), QStringLiteral("Gear Rs. 675"),
          QStringLiteral("Health care Rs. 700"), QStringLiteral("Took the bookie's Rs. 50000")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        // The level before is that of the row before, the club's before the
        // career's first match, or unknown at the start of a later history.
        HistoryRow r;
        r.events = c.events;
        std::vector<HistoryRow> rows;
        if (c.before && *c.before != Level::club) {
            HistoryRow before;
            before.match = 4;
            before.level = *c.before;
            rows.push_back(before);
            r.match = 5;
        } else {
            r.match = c.before ? 1 : 5;
        }
        rows.push_back(r);
        EXPECT_EQ(HistoryTexts::events(rows, rows.size() - 1, career), c.told);
    }
}

TEST(HistoryTexts, AValueShowsHowItChangedWhenThereIsSomethingToCompareWith) {
    EXPECT_EQ(HistoryTexts::withChange(64, 60), QStringLiteral("64 (\u202a+4\u202c)"));
    EXPECT_EQ(HistoryTexts::withChange(-7, 2), QStringLiteral("\u202a-7\u202c (\u202a-9\u202c)"));
    EXPECT_EQ(HistoryTexts::withChange(50, 50), QStringLiteral("50 (\u202a\u00b10\u202c)"));
    EXPECT_EQ(HistoryTexts::withChange(50, std::nullopt), QStringLiteral("50"));
}

TEST(HistoryTexts, TheGapsOfAHistoryAreToldOneSentenceEach) {
    const std::vector<HistoryRow> someRows{row(4, Level::club, "Five Star", {}, {})};
    const struct {
        const char* what;
        Gaps gaps;
        bool anyRows;
        QStringList told;
    } cases[] = {
        {"whole", {}, true, {}},
        {"kept from a later match",
         gaps(12, 0),
         false,
         {QStringLiteral(
             "History kept from match 12: the matches before it were played without one.")}},
        {"one damaged row",
         gaps(1, 1),
         true,
         {QStringLiteral("Rows of the history file skipped as unreadable: 1.")}},
        {"damaged rows",
         gaps(1, 3),
         true,
         {QStringLiteral("Rows of the history file skipped as unreadable: 3.")}},
        {"the file of another career",
         gaps(5, 0, 9),
         false,
         // Its matches were played with a history, another career's.
         {QStringLiteral("The history file belongs to another career and was not used.")}},
        {"some rows of another career",
         gaps(1, 0, 2),
         true,
         {QStringLiteral("Rows of the history file skipped as another career's: 2.")}},
        {"unreadable",
         gaps(7, 0, 0, true),
         false,
         {QStringLiteral("The history file could not be read.")}},
        {"too large to be any career's",
         Gaps{7, HistoryLeftOut{.unreadable = true, .tooLarge = true}},
         false,
         {QStringLiteral(
             "The history file is larger than any career could fill and was not read.")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const CareerHistory history(c.anyRows ? someRows : std::vector<HistoryRow>{},
                                    c.gaps.keptFrom);
        EXPECT_EQ(HistoryTexts::gaps(history, c.gaps.leftOut), c.told);
    }
}

class HistoryTable : public ::testing::Test {
  protected:
    TwoMatches two;
    CareerInPlay model{two.career, two.history()};
    HistoryTableModel table{model};

    QString cell(int row, int column) const {
        return table.data(table.index(row, column)).toString();
    }
};

TEST_F(HistoryTable, OneRowAMatchWithHeadingsAScreenReaderReads) {
    EXPECT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.columnCount(), HistoryTableModel::columnTotal);
    const struct {
        int column;
        const char* heading;
        const char* first;
        const char* second;
    } columns[] = {
        {HistoryTableModel::match, "Match", "1", "2"},
        {HistoryTableModel::level, "Level", "Club", "City"},
        {HistoryTableModel::team, "Team", "Five Star", "Pune"},
        {HistoryTableModel::runs, "Runs", "60", "120"},
        {HistoryTableModel::wickets, "Wickets", "1", "5"},
        {HistoryTableModel::catches, "Catches", "0", "2"},
        {HistoryTableModel::award, "Award (Rs.)", "0", "3000"},
        {HistoryTableModel::batting, "Batting", "62", "50"},
        {HistoryTableModel::gloves, "Gloves", "85", "55"},
        {HistoryTableModel::stamina, "Stamina", "93", "71"},
        {HistoryTableModel::overallGear, "Overall gear", "91", "73"},
        {HistoryTableModel::overallHealth, "Overall health", "96", "79"},
        {HistoryTableModel::sponsorship, "Sponsorship (Rs.)", "0", "4000"},
        {HistoryTableModel::bankBalance, "Bank balance (Rs.)", "3000", "900"},
        {HistoryTableModel::events, "Events since the match before", "",
         "Promoted to City (Pune); Sponsor Cable & Wireless; Training Rs. 4500"},
    };
    for (const auto& c : columns) {
        SCOPED_TRACE(c.heading);
        EXPECT_EQ(table.headerData(c.column, Qt::Horizontal).toString(),
                  QString::fromLatin1(c.heading));
        EXPECT_EQ(cell(0, c.column), QString::fromLatin1(c.first));
        EXPECT_EQ(cell(1, c.column), QString::fromLatin1(c.second));
    }
}

TEST_F(HistoryTable, ColumnsSortByWhatTheyMeanNotByTheirText) {
    HistoryRow third = row(3, Level::club, "Five Star", {7, 0, 0}, {40, 40, 40});
    third.bankBalance = 10000;
    third.events.levelChanges = {Level::club};
    model.update([&](Career&, CareerHistory& history) { history.append(third); });
    ASSERT_EQ(table.rowCount(), 3);
    SortedHistory sorted(&table, nullptr);
    const auto order = [&](int column, Qt::SortOrder direction) {
        sorted.sort(column, direction);
        QStringList matches;
        for (int r = 0; r < sorted.rowCount(); ++r) {
            matches << sorted.index(r, HistoryTableModel::match).data().toString();
        }
        return matches.join(QLatin1Char(','));
    };
    // As text "10000" < "3000" < "900" and "City" < "Club".
    EXPECT_EQ(order(HistoryTableModel::bankBalance, Qt::AscendingOrder), QStringLiteral("2,1,3"));
    EXPECT_EQ(order(HistoryTableModel::level, Qt::AscendingOrder), QStringLiteral("1,3,2"));
    EXPECT_EQ(order(HistoryTableModel::runs, Qt::DescendingOrder), QStringLiteral("2,1,3"));
    EXPECT_EQ(order(HistoryTableModel::team, Qt::AscendingOrder), QStringLiteral("1,3,2"));
    EXPECT_EQ(order(HistoryTableModel::match, Qt::DescendingOrder), QStringLiteral("3,2,1"));
    // Nothing, then "Dropped to Club (Five Star)", then "Promoted to City (Pune)…".
    EXPECT_EQ(order(HistoryTableModel::events, Qt::AscendingOrder), QStringLiteral("1,3,2"));
    EXPECT_EQ(order(HistoryTableModel::match, Qt::AscendingOrder), QStringLiteral("1,2,3"));

    // The sort role orders as the table does, for views of their own.
    QSortFilterProxyModel byRole;
    byRole.setSourceModel(&table);
    byRole.setSortRole(HistoryTableModel::sortRole);
    byRole.sort(HistoryTableModel::bankBalance);
    EXPECT_EQ(byRole.index(0, HistoryTableModel::match).data().toString(), QStringLiteral("2"));
}

class HistoryWindow : public ::testing::Test {
  protected:
    TwoMatches two;
    CareerInPlay model{two.career, two.history()};
};

TEST_F(HistoryWindow, IsAResizableWindowOfTheGamesLookThatStaysOpenBesideTheGame) {
    HistoryScreen screen(model, nullptr);
    screen.show();
    EXPECT_EQ(screen.objectName(), QStringLiteral("History"));
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Bailcrest: Career History"));
    EXPECT_FALSE(screen.isModal());
    EXPECT_LT(screen.minimumWidth(), screen.maximumWidth());
    EXPECT_LT(screen.minimumHeight(), screen.maximumHeight());
    EXPECT_EQ(screen.palette().color(QPalette::Window), look::navy);
    const auto* player = screen.findChild<QLabel*>(QStringLiteral("player"));
    ASSERT_NE(player, nullptr);
    EXPECT_EQ(player->palette().color(QPalette::WindowText), look::lightYellow);
    EXPECT_EQ(screen.findChild<QLabel*>(QStringLiteral("caption_player"))
                  ->palette()
                  .color(QPalette::WindowText),
              look::silver);
    EXPECT_EQ(screen.table()->palette().color(QPalette::Text), look::lightYellow);
    EXPECT_EQ(screen.table()->palette().color(QPalette::Base), look::navy);

    const QSize opened = screen.size();
    screen.resize(opened + QSize(200, 150));
    EXPECT_EQ(screen.size(), opened + QSize(200, 150));
    screen.resize(screen.minimumSize());
    EXPECT_EQ(screen.size(), screen.minimumSize());
}

TEST_F(HistoryWindow, TheHeaderAndTheLastMatchTellWhereHeIsAndWhatTheMatchDid) {
    HistoryScreen screen(model, nullptr);
    const struct {
        const char* label;
        const char* text;
    } values[] = {
        {"player", "Ravi"},
        {"level", "City"},
        {"team", "Pune"},
        {"worldCup", "Not selected"},
        {"careerMatches", "2"},
        {"lastRuns", "120"},
        {"lastWickets", "5"},
        {"lastCatches", "2"},
        {"lastFee", "5000"},
        {"lastSponsorship", "4000"},
        {"lastAward", "3000"},
        {"lastBalance", "900"},
        {"lastBatting", "50 (\u202a-12\u202c)"},
        {"lastBowling", "45 (\u202a+20\u202c)"},
        {"lastFielding", "40 (\u202a+11\u202c)"},
        {"lastBat", "70 (\u202a-20\u202c)"},
        {"lastGloves", "55 (\u202a-30\u202c)"},
        {"lastPads", "78 (\u202a-15\u202c)"},
        {"lastOthers", "90 (\u202a-7\u202c)"},
        {"lastOverallGear", "73 (\u202a-18\u202c)"},
        {"lastFitness", "80 (\u202a-17\u202c)"},
        {"lastHealth", "88 (\u202a-10\u202c)"},
        {"lastStamina", "71 (\u202a-22\u202c)"},
        {"lastOverallHealth", "79 (\u202a-17\u202c)"},
        {"lastEvents", "Promoted to City (Pune); Sponsor Cable & Wireless; Training Rs. 4500"},
    };
    for (const auto& v : values) {
        SCOPED_TRACE(v.label);
        EXPECT_EQ(shown(screen, v.label), QString::fromUtf8(v.text));
        const auto* label = screen.findChild<QLabel*>(QString::fromLatin1(v.label));
        EXPECT_EQ(label->accessibleName(), label->text());
        EXPECT_FALSE(label->accessibleDescription().isEmpty());
    }
    EXPECT_EQ(screen.findChild<QLabel*>(QStringLiteral("lastBatting"))->accessibleDescription(),
              QStringLiteral("Batting"));
    EXPECT_EQ(screen.findChild<QWidget*>(QStringLiteral("Frame_LAST_MATCH"))->accessibleName(),
              QStringLiteral("LAST MATCH: 2, City (Pune)"));
    EXPECT_TRUE(screen.findChild<QLabel*>(QStringLiteral("gaps"))->isHidden());

    model.update([](Career& c) {
        placeAtLevel(c, Level::national);
        c.selectedForWorldCup = true;
    });
    EXPECT_EQ(shown(screen, "level"), QStringLiteral("National"));
    EXPECT_EQ(shown(screen, "team"), QStringLiteral("India"));
    EXPECT_EQ(shown(screen, "worldCup"), QStringLiteral("Selected"));
}

// The first match of a career is compared with the values the career started
// with; the first match of a history kept from later on with nothing.
TEST_F(HistoryWindow, TheFirstMatchKeptIsComparedWithTheStartOnlyWhenItIsTheCareersFirst) {
    const struct {
        std::int32_t match;
        const char* batting;
        const char* bat;
        const char* events;
    } cases[] = {{1, "62 (\u202a+17\u202c)", "90 (\u202a-10\u202c)", "Nothing"},
                 {8, "62", "90", "Nothing"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.match);
        HistoryRow first = two.rows.front();
        first.match = c.match;
        CareerInPlay alone(two.career, CareerHistory({first}, c.match));
        HistoryScreen screen(alone, nullptr);
        EXPECT_EQ(shown(screen, "lastBatting"), QString::fromUtf8(c.batting));
        EXPECT_EQ(shown(screen, "lastBat"), QString::fromUtf8(c.bat));
        EXPECT_EQ(shown(screen, "lastEvents"), QString::fromLatin1(c.events));
    }
}

TEST_F(HistoryWindow, TheGapsOfTheHistoryAreShownAboveIt) {
    CareerInPlay damaged(two.career, two.history(), gaps(1, 2).leftOut);
    HistoryScreen screen(damaged, nullptr);
    screen.show();
    const auto* told = screen.findChild<QLabel*>(QStringLiteral("gaps"));
    ASSERT_NE(told, nullptr);
    EXPECT_TRUE(told->isVisible());
    EXPECT_EQ(told->text(), QStringLiteral("Rows of the history file skipped as unreadable: 2."));

    const Gaps unreadable = gaps(3, 0, 0, true);
    CareerInPlay none(two.career, CareerHistory({}, unreadable.keptFrom), unreadable.leftOut);
    HistoryScreen empty(none, nullptr);
    EXPECT_EQ(empty.findChild<QLabel*>(QStringLiteral("gaps"))->text(),
              QStringLiteral("The history file could not be read."));
    EXPECT_EQ(empty.table()->model()->rowCount(), 0);
    EXPECT_EQ(empty.findChild<QWidget*>(QStringLiteral("Frame_LAST_MATCH"))->accessibleName(),
              QStringLiteral("LAST MATCH: NONE KEPT YET"));
    EXPECT_EQ(shown(empty, "lastRuns"), QString());
}

// A last match with much to tell stays readable however narrow the window:
// the events line shows what fits its room, never cut through a letter, and
// the whole of it is the tooltip and the name a screen reader reads.
TEST_F(HistoryWindow, ALongEventsLineOfTheLastMatchIsReadInFull) {
    HistoryRow busy = two.rows.back();
    busy.events.levelChanges = {Level::city, Level::state};
    busy.events.selectedForWorldCup = true;
    busy.events.trainingCost = 12000;
    busy.events.gearCost = 6600;
    busy.events.healthCareCost = 3000;
    busy.events.bookieMoney = 25000;
    CareerInPlay full(two.career, CareerHistory({two.rows.front(), busy}, {}));
    HistoryScreen screen(full, nullptr);
    screen.show();
    auto* events = screen.findChild<QLabel*>(QStringLiteral("lastEvents"));
    ASSERT_NE(events, nullptr);
    const QString told = events->accessibleName();
    EXPECT_TRUE(told.startsWith(QStringLiteral("Promoted to City"))) << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("Training Rs. 12000"))) << told.toStdString();
    for (const int width : {screen.width(), screen.minimumWidth(), screen.width() * 2}) {
        SCOPED_TRACE(width);
        screen.resize(width, screen.height());
        QApplication::processEvents();
        EXPECT_EQ(events->accessibleName(), told);
        const QFontMetrics metrics(events->font());
        EXPECT_LE(metrics.horizontalAdvance(events->text()), events->contentsRect().width());
        EXPECT_LE(metrics.height(), events->contentsRect().height());
        if (events->text() == told) {
            EXPECT_TRUE(events->toolTip().isEmpty());
        } else {
            EXPECT_TRUE(events->text().endsWith(QChar(0x2026))) << events->text().toStdString();
            EXPECT_EQ(events->toolTip(), told);
        }
    }
}

TEST_F(HistoryWindow, FollowsTheCareerWhileOpen) {
    HistoryScreen screen(model, nullptr);
    screen.show();
    HistoryRow third = row(3, Level::city, "Pune", {77, 0, 3}, {66, 40, 55});
    third.bankBalance = 5900;
    model.update([&](Career& career, CareerHistory& history) {
        history.append(third);
        career.recordBook[levelIndex(Level::city)].matches = 2;
        career.recordBook[levelIndex(Level::city)].runs = 197;
    });
    EXPECT_EQ(screen.table()->model()->rowCount(), 3);
    EXPECT_EQ(screen.table()->model()->index(2, HistoryTableModel::runs).data().toString(),
              QStringLiteral("77"));
    EXPECT_EQ(shown(screen, "careerMatches"), QStringLiteral("3"));
    EXPECT_EQ(shown(screen, "lastRuns"), QStringLiteral("77"));
    EXPECT_EQ(shown(screen, "lastBatting"), QStringLiteral("66 (\u202a+16\u202c)"));
    EXPECT_EQ(shown(screen, "lastEvents"), QStringLiteral("Nothing"));
    QLineSeries* runs = lineNamed(screen.chartView(historyChart::runs), QStringLiteral("Runs"));
    ASSERT_NE(runs, nullptr);
    EXPECT_EQ(runs->count(), 3);
    EXPECT_EQ(runs->at(2), QPointF(3, 77));
}

TEST_F(HistoryWindow, TheTableListsEveryMatchNewestLastAndSortsFromItsHeadings) {
    HistoryScreen screen(model, nullptr);
    screen.show();
    QTableView* table = screen.table();
    EXPECT_EQ(table->accessibleName(), QStringLiteral("Matches"));
    const QAbstractItemModel* shownRows = table->model();
    ASSERT_EQ(shownRows->rowCount(), 2);
    EXPECT_EQ(shownRows->headerData(HistoryTableModel::runs, Qt::Horizontal).toString(),
              QStringLiteral("Runs"));
    EXPECT_EQ(shownRows->index(1, HistoryTableModel::match).data().toString(), QStringLiteral("2"));

    QTest::mouseClick(
        table->horizontalHeader()->viewport(), Qt::LeftButton, {},
        QPoint(
            table->horizontalHeader()->sectionViewportPosition(HistoryTableModel::bankBalance) + 5,
            5));
    EXPECT_EQ(table->horizontalHeader()->sortIndicatorSection(), HistoryTableModel::bankBalance);
    EXPECT_EQ(shownRows->index(0, HistoryTableModel::match).data().toString(), QStringLiteral("2"));
    // A screen reader names each row by its match, in the order shown.
    QAccessibleTableInterface* cells =
        QAccessible::queryAccessibleInterface(table)->tableInterface();
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(cells->rowDescription(0), QStringLiteral("2"));
    EXPECT_EQ(cells->rowDescription(1), QStringLiteral("1"));
    EXPECT_EQ(cells->columnDescription(HistoryTableModel::runs), QStringLiteral("Runs"));
}

TEST_F(HistoryWindow, TheKeyboardReachesTheChartsTheTableAndOk) {
    HistoryScreen screen(model, nullptr);
    screen.show();
    // Room for everything, so that no scroll bar takes a place in the order.
    screen.resize(1400, 1100);
    screen.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    EXPECT_EQ(QApplication::focusWidget(), screen.okButton());
    QList<QWidget*> reached;
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget();
    }
    // In the order they are drawn: the career card's stays, each of which
    // leads to its match (the record book holds no highs that would), and
    // its teams, the tabs, the chart shown, the sort choice, the table, OK.
    const CareerCard* card = screen.careerCard();
    const QList<QWidget*> drawnOrder{card->high(QStringLiteral("cardMostRunsStay")),
                                     card->high(QStringLiteral("cardBestStay")),
                                     card->high(QStringLiteral("cardLongestStay")),
                                     screen.careerCard()->teamsTable(),
                                     screen.chartTabs()->tabBar(),
                                     screen.chartView(historyChart::runs),
                                     screen.sortChoice(),
                                     screen.sortOrderChoice(),
                                     screen.table(),
                                     screen.okButton()};
    EXPECT_EQ(reached, drawnOrder);
    EXPECT_TRUE(reached.contains(screen.okButton()));
    EXPECT_TRUE(std::any_of(reached.begin(), reached.end(),
                            [&](QWidget* w) { return w && screen.chartTabs()->isAncestorOf(w); }));

    // In the table the arrows move from match to match, and Tab leaves it.
    screen.table()->setFocus();
    screen.table()->setCurrentIndex(screen.table()->model()->index(0, 0));
    QTest::keyClick(screen.table(), Qt::Key_Down);
    EXPECT_EQ(screen.table()->currentIndex().row(), 1);
    QTest::keyClick(screen.table(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), screen.okButton());

    // Escape closes the window from the table as from anywhere.
    screen.table()->setFocus();
    QTest::keyClick(screen.table(), Qt::Key_Escape);
    EXPECT_FALSE(screen.isVisible());
}

// The figures at a chart's cursor are its description, which a screen
// reader does not speak as it changes: each move of the cursor tells them
// once, without the focus leaving the chart.
TEST_F(HistoryWindow, EachMoveOfAChartsCursorIsToldOnce) {
    HistoryScreen screen(model, nullptr);
    screen.show();
    screen.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    QWidget* chart = screen.chartView(historyChart::runs);
    chart->setFocus();
    auto* notice = screen.findChild<SpokenNotice*>();
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->isHidden());
    QTest::keyClick(chart, Qt::Key_Home);
    const QString first = chart->accessibleDescription();
    EXPECT_TRUE(first.startsWith(QStringLiteral("Match "))) << first.toStdString();
    EXPECT_EQ(notice->sentence(), first);
    EXPECT_FALSE(notice->isHidden());
    QTest::keyClick(chart, Qt::Key_Right);
    EXPECT_NE(chart->accessibleDescription(), first);
    EXPECT_EQ(notice->sentence(), chart->accessibleDescription());
    EXPECT_EQ(QApplication::focusWidget(), chart);
    // A key that leaves the cursor where it stood tells nothing again.
    notice->hide();
    QTest::keyClick(chart, Qt::Key_End);
    EXPECT_TRUE(notice->isHidden());
}

TEST_F(HistoryWindow, OkClosesIt) {
    HistoryScreen screen(model, nullptr);
    screen.show();
    QTest::mouseClick(screen.okButton(), Qt::LeftButton);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(screen.result(), QDialog::Accepted);
}

// Opens the History window from the main screen's menu and hands it to the
// check, then closes it with OK.
void visitHistory(MainScreen& main, const std::function<void(HistoryScreen&)>& check) {
    QTest::mouseClick(main.command(MainScreen::History), Qt::LeftButton);
    HistoryScreen* history = main.historyScreen();
    ASSERT_NE(history, nullptr);
    EXPECT_TRUE(history->isVisible());
    check(*history);
    QTest::mouseClick(history->okButton(), Qt::LeftButton);
    EXPECT_FALSE(history->isVisible());
}

// Each match played through the screens is in the window the next time it is
// opened, with auto-save off as on: the session's history is kept in memory.
TEST(HistoryFromTheMenu, EachMatchPlayedIsInTheWindowOpenedAfterIt) {
    ScriptedPlatform scripted;
    MainScreen main(scripted.platform, testCareer(100, 100, 100));
    ASSERT_FALSE(main.career().session().autoSave().on);
    main.show();
    visitHistory(main, [](HistoryScreen& history) {
        EXPECT_EQ(history.table()->model()->rowCount(), 0);
        EXPECT_EQ(history.findChild<QLabel*>(QStringLiteral("careerMatches"))->text(),
                  QStringLiteral("0"));
    });
    std::vector<QString> runsShown;
    for (const double runsDraw : {drawFor(60, 100), drawFor(30, 100)}) {
        // No bookie, then the match's runs, wickets and catches.
        scripted.random.draws = {0.0, runsDraw, drawFor(20, 100), drawFor(30, 100)};
        playMatchOnScreen(main, [&](MatchScreen& match) {
            runsShown.push_back(match.findChild<QLabel*>(QStringLiteral("Label4"))->text());
        });
        visitHistory(main, [&](HistoryScreen& history) {
            const QAbstractItemModel* rows = history.table()->model();
            ASSERT_EQ(rows->rowCount(), static_cast<int>(runsShown.size()));
            for (int r = 0; r < rows->rowCount(); ++r) {
                EXPECT_EQ(rows->index(r, HistoryTableModel::match).data().toString(),
                          QString::number(r + 1));
                EXPECT_EQ(rows->index(r, HistoryTableModel::runs).data().toString(), runsShown[r]);
            }
            EXPECT_EQ(history.findChild<QLabel*>(QStringLiteral("lastRuns"))->text(),
                      runsShown.back());
        });
    }
    EXPECT_EQ(runsShown, (std::vector<QString>{QStringLiteral("60"), QStringLiteral("30")}));
    EXPECT_TRUE(scripted.prompter.messages.isEmpty());
}

TEST_F(HistoryWindow, SeasonsAndMilestonesTellTheCareerInWords) {
    HistoryScreen screen(model, nullptr);
    screen.show();
    screen.showTab(HistoryScreen::seasonsTab);
    QTreeView* seasons = screen.seasons();
    EXPECT_EQ(seasons->accessibleName(), QStringLiteral("Seasons"));
    const QAbstractItemModel* stays = seasons->model();
    // The career's total first, then the club and the city, each with its stay.
    ASSERT_EQ(stays->rowCount(), 3);
    const auto cell = [&](int row, int column, QModelIndex under = {}) {
        return stays->index(row, column, under).data().toString();
    };
    EXPECT_EQ(cell(0, 0), QStringLiteral("Career"));
    EXPECT_EQ(cell(0, 2), QStringLiteral("2"));
    EXPECT_EQ(cell(0, 3), QStringLiteral("180"));
    EXPECT_EQ(cell(0, 5), QStringLiteral("90.00"));
    EXPECT_EQ(cell(1, 0), QStringLiteral("Club"));
    EXPECT_EQ(cell(2, 0), QStringLiteral("City"));
    const QModelIndex city = stays->index(2, 0);
    ASSERT_EQ(stays->rowCount(city), 1);
    EXPECT_EQ(cell(0, 0, city), QStringLiteral("Matches 2 to 2"));
    EXPECT_EQ(cell(0, 1, city), QStringLiteral("Pune"));
    EXPECT_TRUE(seasons->isExpanded(city));
    // No figure is cut: every column is as wide as its widest text.
    for (int column = 0; column < stays->columnCount(); ++column) {
        for (int row = 0; row < stays->rowCount(); ++row) {
            const QString text = cell(row, column);
            EXPECT_GE(seasons->columnWidth(column),
                      seasons->fontMetrics().horizontalAdvance(text) + 4)
                << column << " " << text.toStdString();
        }
    }

    screen.showTab(HistoryScreen::milestonesTab);
    QTreeWidget* told = screen.milestones()->list();
    EXPECT_EQ(told->accessibleName(), QStringLiteral("Milestones"));
    QStringList sentences;
    for (int i = 0; i < told->topLevelItemCount(); ++i) sentences << told->topLevelItem(i)->text(0);
    EXPECT_EQ(sentences,
              (QStringList{QStringLiteral("Match 1: first fifty, 60 runs."),
                           QStringLiteral("Before match 2: promoted to City (Pune)."),
                           QStringLiteral("Before match 2: took Cable & Wireless as sponsor."),
                           QStringLiteral("Match 2: first hundred, 120 runs."),
                           QStringLiteral("Match 2: first five-wicket match, 5 wickets.")}));
}

// By ear Seasons is a tree whose rows are told whole: a screen reader reads
// only the cells of a row in sight, so each row's first cell tells every
// figure after its heading; a level is told open, a stay, with nothing
// below it, is not.
TEST_F(HistoryWindow, SeasonsIsATreeEachOfWhoseRowsIsToldWhole) {
    HistoryScreen screen(model, nullptr);
    screen.resize(screen.leastUsefulSize());
    screen.show();
    screen.showTab(HistoryScreen::seasonsTab);
    QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(screen.seasons());
    ASSERT_EQ(tree->role(), QAccessible::Tree);
    QAccessibleTableInterface* rows = tree->tableInterface();
    ASSERT_NE(rows, nullptr);
    // The career, the club and its stay, the city and its stay, once laid out.
    ASSERT_TRUE(QTest::qWaitFor([&] { return rows->rowCount() == 5; }));
    const auto told = [&](int row) { return rows->cellAt(row, 0)->text(QAccessible::Name); };
    EXPECT_TRUE(told(0).startsWith(QStringLiteral("Career: Matches 2, Runs 180, ")))
        << told(0).toStdString();
    EXPECT_TRUE(told(0).endsWith(QStringLiteral(", Money earned (Rs.) ") +
                                 rows->cellAt(0, rows->columnCount() - 1)->text(QAccessible::Name) +
                                 QLatin1Char('.')))
        << told(0).toStdString();
    EXPECT_FALSE(told(0).contains(QStringLiteral("Team")));
    EXPECT_TRUE(told(3).startsWith(QStringLiteral("City: Matches 1, Runs 120, ")))
        << told(3).toStdString();
    EXPECT_TRUE(told(4).startsWith(QStringLiteral("Matches 2 to 2: Team Pune, Matches 1, ")))
        << told(4).toStdString();
    // What the eye sees is the figure alone.
    EXPECT_EQ(screen.seasons()->model()->index(0, 0).data().toString(), QStringLiteral("Career"));

    const QAccessible::State city = rows->cellAt(3, 0)->state();
    EXPECT_TRUE(city.expandable);
    EXPECT_TRUE(city.expanded);
    const QAccessible::State stay = rows->cellAt(4, 0)->state();
    EXPECT_FALSE(stay.expandable);
    EXPECT_FALSE(stay.expanded);
}

TEST_F(HistoryWindow, APickedMatchIsSelectedInTheTable) {
    HistoryScreen screen(model, nullptr);
    screen.show();
    emit qobject_cast<HistoryChartView*>(screen.chartView(historyChart::runs))->matchPicked(1);
    EXPECT_EQ(screen.table()->currentIndex().siblingAtColumn(0).data().toString(),
              QStringLiteral("1"));
    // The keyboard's way into the table starts at the newest match.
    screen.table()->setCurrentIndex(QModelIndex());
    screen.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    screen.table()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(screen.table()->currentIndex().siblingAtColumn(0).data().toString(),
              QStringLiteral("2"));
}

TEST_F(HistoryWindow, TheSortChoiceSortsAndFollowsTheHeadings) {
    HistoryScreen screen(model, nullptr);
    screen.show();
    screen.sortChoice()->setCurrentIndex(HistoryTableModel::bankBalance);
    emit screen.sortChoice()->activated(HistoryTableModel::bankBalance);
    EXPECT_EQ(screen.table()->horizontalHeader()->sortIndicatorSection(),
              HistoryTableModel::bankBalance);
    EXPECT_EQ(screen.table()->model()->index(0, HistoryTableModel::match).data().toString(),
              QStringLiteral("2"));
    screen.table()->sortByColumn(HistoryTableModel::runs, Qt::DescendingOrder);
    EXPECT_EQ(screen.sortChoice()->currentData().toInt(), HistoryTableModel::runs);
    EXPECT_EQ(screen.sortOrderChoice()->currentData().toInt(), Qt::DescendingOrder);
}

TEST_F(HistoryWindow, ItsFirstSizeFitsTheScreen) {
    HistoryScreen screen(model, nullptr);
    screen.show();
    const QRect room = screen.screen()->availableGeometry();
    EXPECT_LE(screen.width(), room.width());
    EXPECT_LE(screen.height(), room.height());
    // What does not fit scrolls, so the window can always be made smaller.
    EXPECT_LE(screen.minimumSizeHint().height(), 400);
}

// Scrolled sideways to the last column, the table keeps each row's match in
// view at its left edge.
TEST_F(HistoryWindow, TheMatchColumnStaysInViewWhenTheTableScrollsSideways) {
    HistoryScreen screen(model, nullptr);
    screen.resize(700, 700);
    screen.show();
    auto* table = qobject_cast<FrozenColumnTable*>(screen.table());
    ASSERT_NE(table, nullptr);
    table->scrollTo(table->model()->index(0, HistoryTableModel::bankBalance));
    ASSERT_GT(table->horizontalScrollBar()->value(), 0);
    QTableView* frozen = table->frozenColumn();
    EXPECT_TRUE(frozen->isVisible());
    EXPECT_EQ(frozen->columnWidth(0), table->columnWidth(HistoryTableModel::match));
    EXPECT_LE(frozen->x(), table->frameWidth());
    EXPECT_TRUE(frozen->isColumnHidden(HistoryTableModel::runs));
    EXPECT_EQ(frozen->indexAt(QPoint(5, 5)).data().toString(), QStringLiteral("1"));
    EXPECT_EQ(frozen->horizontalHeader()->sortIndicatorSection(), HistoryTableModel::match);
}

// With the window open, Play on the main screen adds the match to it, and
// the menu brings back the same window, as the player left it.
TEST(HistoryFromTheMenu, TheOpenWindowFollowsEachMatchPlayed) {
    ScriptedPlatform scripted;
    MainScreen main(scripted.platform, testCareer(100, 100, 100));
    main.show();
    QTest::mouseClick(main.command(MainScreen::History), Qt::LeftButton);
    HistoryScreen* history = main.historyScreen();
    ASSERT_NE(history, nullptr);
    ASSERT_TRUE(history->isVisible());
    history->showTab(HistoryScreen::Tab(historyChart::wickets));
    scripted.random.draws = {0.0, drawFor(60, 100), drawFor(20, 100), drawFor(30, 100)};
    playMatchOnScreen(main);
    EXPECT_TRUE(history->isVisible());
    EXPECT_EQ(history->table()->model()->rowCount(), 1);
    QLineSeries* wickets =
        lineNamed(history->chartView(historyChart::wickets), QStringLiteral("Wickets"));
    ASSERT_NE(wickets, nullptr);
    EXPECT_EQ(wickets->count(), 1);

    QTest::mouseClick(main.command(MainScreen::History), Qt::LeftButton);
    EXPECT_EQ(main.historyScreen(), history);
    EXPECT_EQ(history->currentTab(), HistoryScreen::Tab(historyChart::wickets));
    main.close();
    EXPECT_FALSE(history->isVisible());
}

// The History window is a window of its own beside the main screen, not one
// standing over it: it opens clear of the main screen's commands, and the
// main screen's keys work from it, F5 playing a match that the window shows
// at once, in sight, with the keyboard still there.
TEST(HistoryFromTheMenu, AWindowOfItsOwnWhoseKeysPlayOnBesideTheMainScreen) {
    ScriptedPlatform scripted;
    MainScreen main(scripted.platform, testCareer(100, 100, 100));
    main.show();
    QTest::mouseClick(main.command(MainScreen::History), Qt::LeftButton);
    HistoryScreen* history = main.historyScreen();
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(history->parentWidget(), nullptr);
    EXPECT_TRUE(history->isWindow());
    EXPECT_FALSE(history->frameGeometry().intersects(main.commandsOnDesktop()));
    history->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(history));

    for (int played = 1; played <= 30; ++played) {
        // Ten runs and nothing else: no wear that would drop him, no promotion.
        scripted.random.draws = {0.0, drawFor(10, 100), drawFor(0, 100), drawFor(0, 100)};
        QTimer::singleShot(0, [] {
            auto* match = qobject_cast<MatchScreen*>(QApplication::activeModalWidget());
            ASSERT_NE(match, nullptr);
            QTest::mouseClick(match->okButton(), Qt::LeftButton);
        });
        QTest::keyClick(history->focusWidget() ? history->focusWidget() : history, Qt::Key_F5);
        ASSERT_EQ(history->table()->model()->rowCount(), played);
        EXPECT_TRUE(history->isVisible());
        ASSERT_TRUE(QTest::qWaitForWindowActive(history));
        // The match just played is wholly in sight, not left below the fold.
        const QTableView* table = history->table();
        const QModelIndex newest = table->model()->index(played - 1, 0);
        EXPECT_TRUE(table->viewport()->rect().contains(table->visualRect(newest)))
            << "match " << played;
    }
    QTableView* table = history->table();

    // Scrolled back to the first, the player stays there as matches come in.
    table->scrollToTop();
    scripted.random.draws = {0.0, drawFor(10, 100), drawFor(0, 100), drawFor(0, 100)};
    QTimer::singleShot(0, [] {
        auto* match = qobject_cast<MatchScreen*>(QApplication::activeModalWidget());
        ASSERT_NE(match, nullptr);
        QTest::mouseClick(match->okButton(), Qt::LeftButton);
    });
    QTest::keySequence(history, QKeySequence(Qt::CTRL | Qt::Key_P));
    ASSERT_EQ(table->model()->rowCount(), 31);
    EXPECT_EQ(table->rowAt(0), 0);

    // A purchase screen opened from the History window comes back to it.
    ASSERT_TRUE(QTest::qWaitForWindowActive(history));
    QTimer::singleShot(0, [] {
        QWidget* training = QApplication::activeModalWidget();
        ASSERT_NE(training, nullptr);
        training->close();
    });
    QTest::keySequence(history, QKeySequence(Qt::CTRL | Qt::Key_T));
    EXPECT_TRUE(QTest::qWaitForWindowActive(history));
    EXPECT_TRUE(scripted.prompter.messages.isEmpty());
}

// Seasons cuts no figure, for a new career and for a long one of many stays
// (promotions, drops and visits to a level without a match there): every
// column is at least as wide as every text shown in it, a table wider than
// its room scrolling sideways instead.
TEST(SeasonsView, NoFigureIsCutForANewOrALongCareer) {
    Career career = testCareer(45, 20, 30);
    std::vector<HistoryRow> rows;
    SeasonsView seasons(nullptr);
    seasons.resize(300, 200);
    seasons.show();
    const auto expectNothingCut = [&seasons] {
        const QAbstractItemModel* model = seasons.model();
        std::vector<QModelIndex> shown;
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex level = model->index(row, 0);
            shown.push_back(level);
            if (!seasons.isExpanded(level)) continue;
            for (int stay = 0; stay < model->rowCount(level); ++stay) {
                shown.push_back(model->index(stay, 0, level));
            }
        }
        for (const QModelIndex& row : shown) {
            for (int column = 0; column < model->columnCount(); ++column) {
                const QModelIndex cell = row.siblingAtColumn(column);
                const QFont font = cell.data(Qt::FontRole).isValid()
                                       ? cell.data(Qt::FontRole).value<QFont>()
                                       : seasons.font();
                const int indent =
                    column == 0 && row.parent().isValid() ? seasons.indentation() : 0;
                EXPECT_GE(seasons.columnWidth(column),
                          QFontMetrics(font).horizontalAdvance(cell.data().toString()) + indent)
                    << cell.data().toString().toStdString();
            }
        }
    };
    seasons.showSeasons(rows);
    EXPECT_EQ(seasons.model()->rowCount(), 0);
    const MatchPerformance match{48, 2, 1};
    rows.push_back(playMatch(career, match));
    seasons.showSeasons(rows);
    expectNothingCut();

    for (int played = 1; played < 600; ++played) {
        if (played % 40 == 0) promote(career);
        if (played % 40 == 20 && career.level != Level::club) dropOneLevel(career);
        // A visit to the city and back between two matches.
        if (played % 97 == 0 && career.level == Level::club) {
            promote(career);
            dropOneLevel(career);
        }
        const MatchPerformance next{static_cast<std::int16_t>(played % 7 == 0 ? 123 : 31),
                                    static_cast<std::int16_t>(played % 5), 1};
        rows.push_back(playMatch(career, next));
    }
    seasons.showSeasons(rows);
    // The career's total first, then one row a level.
    EXPECT_EQ(seasons.model()->index(0, 0).data().toString(), QStringLiteral("Career"));
    EXPECT_EQ(seasons.model()->index(0, 2).data().toString(), QLocale().toString(600));
    EXPECT_LE(seasons.model()->rowCount(), 1 + levelCount);
    EXPECT_EQ(staysInOrder(rows).size() > 12, !seasons.isExpanded(seasons.model()->index(1, 0)));
    expectNothingCut();
    seasons.expandAll();
    expectNothingCut();
    EXPECT_TRUE(seasons.horizontalScrollBar()->maximum() > 0);
}

// Milestones narrowed to a topic, and repeats standing as one line with
// their count that opens to list them, each added as its match is played.
TEST(MilestonesView, RepeatsAreGroupedAndTheTopicNarrowsThem) {
    Career career = testCareer(45, 20, 30);
    std::vector<HistoryRow> rows;
    MilestonesView view(nullptr);
    const auto playWithSponsor = [&](const char* sponsor) {
        career.sinceLastMatch.sponsorTaken = QString::fromLatin1(sponsor);
        const MatchPerformance match{60, 0, 0};
        rows.push_back(playMatch(career, match));
        view.follow(career, rows);
    };
    const auto lines = [&view] {
        QStringList texts;
        QTreeWidget* list = view.list();
        for (int i = 0; i < list->topLevelItemCount(); ++i) texts << list->topLevelItem(i)->text(0);
        return texts;
    };
    view.follow(career, rows);
    EXPECT_EQ(lines(), QStringList{QStringLiteral("No milestone yet.")});
    playWithSponsor("Wills");
    EXPECT_EQ(lines(), (QStringList{QStringLiteral("Before match 1: took Wills as sponsor."),
                                    QStringLiteral("Match 1: first fifty, 60 runs.")}));
    for (int i = 0; i < 1499; ++i) playWithSponsor(i % 2 == 0 ? "Sahara" : "Wills");
    const QLocale locale;
    EXPECT_EQ(lines(),
              (QStringList{QStringLiteral("Sponsor changed %1 times").arg(locale.toString(1500)),
                           QStringLiteral("Match 1: first fifty, 60 runs."),
                           QStringLiteral("Another thousand career runs 90 times")}));

    QTreeWidgetItem* sponsors = view.list()->topLevelItem(0);
    sponsors->setExpanded(true);
    ASSERT_EQ(sponsors->childCount(), 1500);
    EXPECT_EQ(sponsors->child(1)->text(0),
              QStringLiteral("Before match 2: took Sahara as sponsor."));
    playWithSponsor("Wills");
    const QString changed = QStringLiteral("Sponsor changed %1 times").arg(locale.toString(1501));
    EXPECT_EQ(sponsors->text(0), changed);
    ASSERT_EQ(sponsors->childCount(), 1501);
    EXPECT_EQ(sponsors->child(1500)->text(0),
              QStringLiteral("Before match 1501: took Wills as sponsor."));

    view.topicChoice()->setCurrentIndex(view.topicChoice()->findText(QStringLiteral("Sponsors")));
    EXPECT_EQ(lines(), QStringList{changed});
    view.groupChoice()->setChecked(false);
    EXPECT_EQ(view.list()->topLevelItemCount(), 1501);
    view.topicChoice()->setCurrentIndex(view.topicChoice()->findText(QStringLiteral("The bookie")));
    EXPECT_EQ(lines(), QStringList{QStringLiteral("No milestone yet.")});
}

// A drop's milestone says which figure kept the player out, and by how much.
TEST(HistoryTexts, ADropsMilestoneSaysWhy) {
    Milestone dropped{Milestone::drop, 40, 0, Level::city, QStringLiteral("Pune")};
    dropped.why = Shortfall{Shortfall::fielding, 12, 15};
    EXPECT_EQ(HistoryTexts::milestone(dropped),
              QStringLiteral("Before match 40: dropped to City (Pune). Fielding 12, 3 short of "
                             "the 15 needed."));
}

}  // namespace
