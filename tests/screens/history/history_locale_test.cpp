// SPDX-License-Identifier: GPL-3.0-or-later
// The History window's numbers in the player's locale, and what it names
// from the history rather than from the career as it stands today.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLocale>
#include <QTableView>

#include "game/career_story.h"
#include "game/history.h"
#include "game/shown_numbers.h"
#include "screens/career_in_play.h"
#include "screens/history/history_screen.h"
#include "screens/history/history_table_model.h"
#include "screens/history/history_texts.h"
#include "screens/history/seasons_view.h"
#include "screens/titled_frame.h"
#include "support/test_career.h"

namespace {

// Numbers shown in the locale for as long as it lives.
class InLocale {
  public:
    explicit InLocale(const char* name) { QLocale::setDefault(QLocale(QString::fromLatin1(name))); }
    ~InLocale() { QLocale::setDefault(before_); }

  private:
    QLocale before_;
};

HistoryRow rowAt(std::int32_t match, Level level, const char* team) {
    HistoryRow row;
    row.match = match;
    row.level = level;
    row.team = QString::fromLatin1(team);
    row.skills = {60, 40, 50};
    return row;
}

// A rich career's last match, with twelve lakh rupees in the bank.
CareerHistory richHistory() {
    HistoryRow first = rowAt(1233, Level::city, "Pune");
    first.bankBalance = 1084567;
    HistoryRow last = rowAt(1234, Level::city, "Pune");
    last.performance = {104, 5, 1};
    last.matchFee = 150000;
    last.sponsorship = 250000;
    last.bankBalance = 1234567;
    last.events.trainingCost = 150000;
    last.events.bookieMoney = 2500000;
    return CareerHistory({first, last}, 1233);
}

QString labelText(const QWidget& screen, const char* objectName) {
    const auto* label = screen.findChild<QLabel*>(QString::fromLatin1(objectName));
    return label != nullptr ? label->text() : QStringLiteral("no label");
}

// Under an Indian locale every sum and count the window shows is grouped in
// lakhs and crores, in the locale's digits, as the main screen shows them:
// the last match's figures, the table of matches, the Seasons table, the
// events since the match before and the milestones.
TEST(HistoryInTheLocale, EverySumIsGroupedAsTheMainScreenGroupsIt) {
    for (const char* locale : {"en_IN", "hi_IN"}) {
        SCOPED_TRACE(locale);
        const InLocale shown(locale);
        const QString lakhs = shownMoney(1234567);
        if (QLatin1String(locale) == QLatin1String("en_IN")) {
            EXPECT_EQ(lakhs, QStringLiteral("12,34,567"));
        }
        EXPECT_NE(lakhs, QStringLiteral("1234567"));

        Career career = testCareer(45, 20, 30);
        career.bankBalance = 1234567;
        const CareerInPlay model(career, richHistory());
        HistoryScreen screen(model, nullptr, HistoryChartModule{});

        EXPECT_EQ(labelText(screen, "lastBalance"), lakhs);
        EXPECT_EQ(labelText(screen, "lastFee"), shownMoney(150000));
        EXPECT_EQ(labelText(screen, "careerMatches"), shownNumber(careerMatches(career)));
        const auto* lastMatch = static_cast<const TitledFrame*>(
            screen.findChild<QWidget*>(QStringLiteral("Frame_LAST_MATCH")));
        EXPECT_TRUE(lastMatch->title().contains(shownNumber(1234)))
            << lastMatch->title().toStdString();
        const QString events = labelText(screen, "lastEvents");
        EXPECT_TRUE(events.contains(shownMoney(150000))) << events.toStdString();
        EXPECT_TRUE(events.contains(shownMoney(2500000))) << events.toStdString();

        const QAbstractItemModel* table = screen.table()->model();
        EXPECT_EQ(table->index(1, HistoryTableModel::bankBalance).data().toString(), lakhs);
        EXPECT_EQ(table->index(1, HistoryTableModel::match).data().toString(), shownNumber(1234));

        screen.showTab(HistoryScreen::seasonsTab);
        const QAbstractItemModel* seasons = screen.seasons()->model();
        ASSERT_EQ(seasons->rowCount(), 2);
        const int money = seasons->columnCount() - 1;
        EXPECT_EQ(seasons->index(0, money).data().toString(), shownMoney(150000 + 250000));
        EXPECT_EQ(seasons->index(0, 3).data().toString(), shownNumber(104));

        const std::vector<Milestone> told =
            MilestoneLog(career, model.history().rows()).milestones();
        for (const Milestone& milestone : told) {
            if (milestone.kind != Milestone::bookieMoney) continue;
            EXPECT_TRUE(HistoryTexts::milestone(milestone).contains(shownMoney(2500000)));
        }
        EXPECT_EQ(HistoryTexts::gaps(model.history(), {}).join(QLatin1Char(' ')),
                  QStringLiteral("History kept from match %1: the matches before it were "
                                 "played without one.")
                      .arg(shownNumber(1233)));
    }
}

// A past move is named with the side the history shows the player joined,
// not the club this session happened to draw: loaded again, with another
// club drawn, the career's past reads the same.
TEST(HistoryInTheLocale, APastMoveIsNamedWithTheRowsOwnTeam) {
    HistoryRow city = rowAt(1, Level::city, "Pune");
    HistoryRow dropped = rowAt(2, Level::club, "Happy Valley");
    dropped.events.levelChanges = {Level::club};
    HistoryRow again = rowAt(3, Level::city, "Pune");
    again.events.levelChanges = {Level::city};
    const std::vector<HistoryRow> rows{city, dropped, again};
    for (const char* drawn : {"Shining Moon", "Country Side"}) {
        SCOPED_TRACE(drawn);
        Career career = testCareer(45, 20, 30);
        career.drawnClub = QString::fromLatin1(drawn);
        career.teams.city = QStringLiteral("Pune");
        EXPECT_EQ(HistoryTexts::events(rows, 1, career),
                  QStringList{QStringLiteral("Dropped to Club (Happy Valley)")});
        EXPECT_EQ(HistoryTexts::events(rows, 2, career),
                  QStringList{QStringLiteral("Promoted to City (Pune)")});
        const std::vector<Milestone> told = MilestoneLog(career, rows).milestones();
        ASSERT_FALSE(told.empty());
        EXPECT_EQ(told.front().kind, Milestone::drop);
        EXPECT_EQ(told.front().name, QStringLiteral("Happy Valley"));
    }
}

}  // namespace
