// SPDX-License-Identifier: GPL-3.0-or-later
// What the History window gives its charts to draw: the stays at each level
// behind the lines, and a sentence where a chart would show only noughts.
#include "screens/history/chart_data.h"

#include <gtest/gtest.h>

#include <vector>

#include "game/career_story.h"
#include "game/history.h"
#include "game/level.h"
#include "screens/history/chart_plugin.h"
#include "support/test_career.h"
#include "support/two_matches.h"

namespace {

std::vector<HistoryRow> churningRows() {
    // Club 1-3; City 4-5; a promotion to State and a drop straight back
    // before match 6, which leaves him at City; State 7-8; dropped to Club.
    std::vector<HistoryRow> rows;
    const auto add = [&](std::int32_t match, Level level, const char* team,
                         std::vector<Level> changes, std::int16_t wickets) {
        HistoryRow r = row(match, level, team, {10, wickets, 0}, {50, 40, 30});
        r.events.levelChanges = std::move(changes);
        rows.push_back(r);
    };
    add(1, Level::club, "Five Star", {}, 0);
    add(2, Level::club, "Five Star", {}, 0);
    add(3, Level::club, "Five Star", {}, 0);
    add(4, Level::city, "Pune", {Level::city}, 0);
    add(5, Level::city, "Pune", {}, 0);
    add(6, Level::city, "Pune", {Level::state, Level::city}, 0);
    add(7, Level::state, "Goa", {Level::state}, 0);
    add(8, Level::state, "Goa", {}, 0);
    add(9, Level::club, "Five Star", {Level::city, Level::club}, 0);
    return rows;
}

// Every chart shades the same stays the Seasons view counts: a visit with
// no match does not split a stay, and the stays meet end to end.
TEST(ChartData, EveryChartShadesTheStaysAtEachLevel) {
    const Career career = testCareer(45, 20, 30);
    const CareerHistory history(churningRows());
    const std::vector<Stay> stays = staysInOrder(history.rows());
    for (int chart = 0; chart < historyChart::chartCount; ++chart) {
        const auto which = static_cast<historyChart::Chart>(chart);
        SCOPED_TRACE(historyChart::name(which).toStdString());
        const ChartData data = chartData(which, career, history);
        ASSERT_EQ(data.stretches.size(), 4u);
        ASSERT_EQ(data.stretches.size(), stays.size());
        const struct {
            Level level;
            std::int32_t first;
            std::int32_t last;
        } want[] = {
            {Level::club, 1, 3}, {Level::city, 4, 6}, {Level::state, 7, 8}, {Level::club, 9, 9}};
        for (std::size_t i = 0; i < data.stretches.size(); ++i) {
            const ChartStretch& stretch = data.stretches[i];
            EXPECT_EQ(stretch.name, levelName(want[i].level));
            EXPECT_EQ(stretch.firstMatch, want[i].first);
            EXPECT_EQ(stretch.lastMatch, want[i].last);
            EXPECT_EQ(stretch.firstMatch, stays[i].firstMatch);
            EXPECT_EQ(stretch.lastMatch, stays[i].lastMatch);
        }
        // A level has one shade wherever it comes, and each level its own.
        EXPECT_EQ(data.stretches[0].colour, data.stretches[3].colour);
        EXPECT_NE(data.stretches[0].colour, data.stretches[1].colour);
        EXPECT_NE(data.stretches[1].colour, data.stretches[2].colour);
    }
    EXPECT_TRUE(chartData(historyChart::runs, career, CareerHistory()).stretches.empty());
}

// Runs or wickets that are all nought give a sentence in place of a line;
// one run or one wicket gives the chart back. A history kept from a later
// match does not claim the career has none.
TEST(ChartData, AChartOfNoughtsIsASentence) {
    const Career career = testCareer(45, 20, 30);
    std::vector<HistoryRow> rows = churningRows();
    for (HistoryRow& r : rows) r.performance = {0, 0, 2};
    const struct {
        historyChart::Chart chart;
        const char* sentence;
        const char* keptLater;
        const char* line;
    } charts[] = {
        {historyChart::runs, "No runs scored yet.", "No runs scored in the matches kept.", "Runs"},
        {historyChart::wickets, "No wickets taken yet.", "No wickets taken in the matches kept.",
         "Wickets"},
    };
    for (const auto& c : charts) {
        SCOPED_TRACE(c.line);
        const ChartData none = chartData(c.chart, career, CareerHistory(rows));
        EXPECT_EQ(none.title, QString::fromUtf8(c.sentence));
        EXPECT_EQ(none.spoken, QString::fromUtf8(c.sentence));
        EXPECT_TRUE(none.lines.empty());
        // The matches and their levels are still there to be read.
        EXPECT_EQ(none.matches.size(), rows.size());
        EXPECT_EQ(none.stretches.size(), 4u);

        const ChartData later = chartData(c.chart, career, CareerHistory(rows, 40));
        EXPECT_EQ(later.title, QString::fromUtf8(c.keptLater));

        std::vector<HistoryRow> one = rows;
        one.back().performance = {1, 1, 0};
        const ChartData some = chartData(c.chart, career, CareerHistory(one));
        EXPECT_TRUE(some.title.isEmpty());
        ASSERT_FALSE(some.lines.empty());
        EXPECT_EQ(some.lines.front().name, QString::fromUtf8(c.line));
    }
    // A chart of noughts elsewhere is still a chart: gear at nought is what
    // keeps a player out.
    for (HistoryRow& r : rows) r.gear = {0, 0, 0, 0};
    EXPECT_TRUE(chartData(historyChart::condition, career, CareerHistory(rows)).title.isEmpty());
}

}  // namespace
