// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/history/chart_data.h"

#include <QCoreApplication>
#include <algorithm>
#include <functional>

#include "game/career.h"
#include "game/career_story.h"
#include "game/history.h"
#include "game/level.h"
#include "game/match_record.h"
#include "game/ratings.h"
#include "game/selection.h"
#include "game/shown_numbers.h"
#include "screens/look.h"

namespace {

// The charts' texts, in the charts' own translation context.
class ChartTexts {
    Q_DECLARE_TR_FUNCTIONS(HistoryCharts)
};

// Builds a chart's lines from the history's rows.
class ChartLines {
  public:
    ChartLines(ChartData& data, const std::vector<HistoryRow>& rows) : data_(data), rows_(rows) {}

    void add(const QString& name, const QColor& colour,
             const std::function<double(const HistoryRow&)>& figure, bool banded = true) {
        ChartLine line{name, colour, {}, banded};
        line.values.reserve(rows_.size());
        for (const HistoryRow& row : rows_) line.values.push_back(figure(row));
        data_.lines.push_back(std::move(line));
    }

  private:
    ChartData& data_;
    const std::vector<HistoryRow>& rows_;
};

// The quiet shade of a level behind a chart's lines: each a little lighter
// than the navy and of a hue of its own, so that the lines stay what the eye
// follows.
QColor levelShade(Level level) {
    switch (level) {
        case Level::club:
            return {10, 10, 82};
        case Level::city:
            return {0, 36, 90};
        case Level::state:
            return {40, 18, 96};
        case Level::national:
            return {14, 56, 58};
    }
    return look::navy;
}

void addStretches(ChartData& d, const std::vector<HistoryRow>& rows) {
    for (const Stay& stay : staysInOrder(rows)) {
        d.stretches.push_back(
            {levelName(stay.level), levelShade(stay.level), stay.firstMatch, stay.lastMatch});
    }
}

// Whether every row's figure is nought, so that the chart would show nothing.
bool allNought(const std::vector<HistoryRow>& rows,
               const std::function<int(const HistoryRow&)>& figure) {
    return std::all_of(rows.begin(), rows.end(),
                       [&](const HistoryRow& row) { return figure(row) == 0; });
}

// A chart of noughts becomes the sentence that says so, with no lines.
void sayNothingShown(ChartData& d, const QString& sentence) {
    d.lines.clear();
    d.title = sentence;
    d.spoken = sentence;
}

int matchesKept(const std::vector<HistoryRow>& rows) {
    return static_cast<int>(rows.size());
}

void runsChart(ChartData& d, const Career& career, const CareerHistory& history) {
    const std::vector<HistoryRow>& rows = history.rows();
    const std::vector<double> averages = levelAverages(career, rows);
    d.alwaysShown = {0};
    d.valueTitle = ChartTexts::tr("Runs");
    ChartLines lines(d, rows);
    lines.add(ChartTexts::tr("Runs"), look::lightYellow,
              [](const HistoryRow& row) { return row.performance.runs; });
    d.lines.push_back(
        {ChartTexts::tr("Batting average of the level"), look::green, averages, false});
    if (rows.empty()) return;
    if (allNought(rows, [](const HistoryRow& row) { return row.performance.runs; })) {
        // Before the history was kept he may well have scored.
        sayNothingShown(d, history.keptFrom() > 1
                               ? ChartTexts::tr("No runs scored in the matches kept.")
                               : ChartTexts::tr("No runs scored yet."));
        return;
    }
    const auto best = std::max_element(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        return a.performance.runs < b.performance.runs;
    });
    d.spoken = ChartTexts::tr(
                   "Runs in each match, %Ln kept; the most %1 in match "
                   "%2; the batting average of the level after the last match %3.",
                   nullptr, matchesKept(rows))
                   .arg(shownNumber(best->performance.runs), shownNumber(best->match),
                        shownDecimal(averages.back(), 2));
}

void wicketsChart(ChartData& d, const CareerHistory& history) {
    const std::vector<HistoryRow>& rows = history.rows();
    d.alwaysShown = {0, fiveWickets};
    d.valueTitle = ChartTexts::tr("Wickets");
    ChartLines(d, rows).add(ChartTexts::tr("Wickets"), look::lightBlue,
                            [](const HistoryRow& row) { return row.performance.wickets; });
    if (rows.empty()) return;
    if (allNought(rows, [](const HistoryRow& row) { return row.performance.wickets; })) {
        sayNothingShown(d, history.keptFrom() > 1
                               ? ChartTexts::tr("No wickets taken in the matches kept.")
                               : ChartTexts::tr("No wickets taken yet."));
        return;
    }
    std::int64_t total = 0;
    for (const HistoryRow& row : rows) total += row.performance.wickets;
    const auto best = std::max_element(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        return a.performance.wickets < b.performance.wickets;
    });
    d.spoken = ChartTexts::tr(
                   "Wickets in each match, %Ln kept; wickets in all %1, the "
                   "most %2 in match %3.",
                   nullptr, matchesKept(rows))
                   .arg(shownNumber(total), shownNumber(best->performance.wickets),
                        shownNumber(best->match));
}

void skillsChart(ChartData& d, const std::vector<HistoryRow>& rows) {
    d.alwaysShown = {0};
    d.valueTitle = ChartTexts::tr("Skill");
    ChartLines lines(d, rows);
    lines.add(
        ChartTexts::tr("Batting"), look::lightYellow,
        [](const HistoryRow& row) { return row.skills.batting; }, false);
    lines.add(
        ChartTexts::tr("Bowling"), look::lightBlue,
        [](const HistoryRow& row) { return row.skills.bowling; }, false);
    lines.add(
        ChartTexts::tr("Fielding"), look::orange,
        [](const HistoryRow& row) { return row.skills.fielding; }, false);
    lines.add(
        ChartTexts::tr("Overall skill"), look::green,
        [](const HistoryRow& row) { return overallSkill(row.skills); }, false);
    lines.add(
        ChartTexts::tr("Selection threshold of the level"), look::red,
        [](const HistoryRow& row) { return selectionThreshold(row.level); }, false);
    d.floors.push_back(
        {ChartTexts::tr("Promotion: overall skill %1").arg(shownNumber(promotionSkill)),
         promotionSkill, look::green});
    d.floors.push_back(
        {ChartTexts::tr("Promotion: batting or bowling %1").arg(shownNumber(promotionSpecialism)),
         promotionSpecialism, look::lightYellow});
    // Promotions along the top of the chart, World Cup selections just below
    // them, drops along the bottom.
    ChartMarkers promotions{
        ChartTexts::tr("Promotion"), look::green, ChartMarkers::triangle, ChartMarkers::top, {}};
    ChartMarkers drops{
        ChartTexts::tr("Drop"), look::red, ChartMarkers::diamond, ChartMarkers::bottom, {}};
    ChartMarkers worldCup{ChartTexts::tr("World Cup selection"),
                          look::lightYellow,
                          ChartMarkers::star,
                          ChartMarkers::belowTop,
                          {}};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (const LevelMove& move : levelMoves(rows, i)) {
            if (move.direction == LevelMove::promotion) promotions.matches.push_back(rows[i].match);
            if (move.direction == LevelMove::drop) drops.matches.push_back(rows[i].match);
        }
        if (rows[i].events.selectedForWorldCup) worldCup.matches.push_back(rows[i].match);
    }
    const int promotionCount = static_cast<int>(promotions.matches.size());
    const int dropCount = static_cast<int>(drops.matches.size());
    d.markers.push_back(std::move(promotions));
    d.markers.push_back(std::move(drops));
    // The legend names a World Cup selection once there is one.
    if (!worldCup.matches.empty()) d.markers.push_back(std::move(worldCup));
    if (rows.empty()) return;
    const Skills& now = rows.back().skills;
    d.spoken = ChartTexts::tr(
                   "Batting, bowling, fielding and overall skill after each match, "
                   "%Ln kept; after the last %1, %2, %3 and overall %4, "
                   "against promotion at %5 overall or %6 batting or bowling.",
                   nullptr, matchesKept(rows))
                   .arg(shownNumber(now.batting), shownNumber(now.bowling),
                        shownNumber(now.fielding), shownNumber(overallSkill(now)),
                        shownNumber(promotionSkill), shownNumber(promotionSpecialism)) +
               QLatin1Char(' ') +
               ChartTexts::tr("Promotions marked: %Ln.", nullptr, promotionCount) +
               QLatin1Char(' ') + ChartTexts::tr("Drops marked: %Ln.", nullptr, dropCount);
}

void bankBalanceChart(ChartData& d, const std::vector<HistoryRow>& rows) {
    d.alwaysShown = {0};
    d.valueTitle = ChartTexts::tr("Rs.");
    ChartLines(d, rows).add(ChartTexts::tr("Bank balance"), look::green,
                            [](const HistoryRow& row) { return row.bankBalance; });
    if (rows.empty()) return;
    double most = 0;
    for (const HistoryRow& row : rows) most = std::max(most, row.bankBalance);
    d.spoken = ChartTexts::tr(
                   "The bank balance after each match, %Ln kept: Rs. %1 "
                   "after the last, Rs. %2 at the most.",
                   nullptr, matchesKept(rows))
                   .arg(shownMoney(rows.back().bankBalance), shownMoney(most));
}

void conditionChart(ChartData& d, const std::vector<HistoryRow>& rows) {
    d.alwaysShown = {100};
    d.valueTitle = ChartTexts::tr("Condition");
    ChartLines lines(d, rows);
    lines.add(
        ChartTexts::tr("Overall gear"), look::lightYellow,
        [](const HistoryRow& row) { return overallGear(row.gear); }, false);
    lines.add(
        ChartTexts::tr("Overall health"), look::lightBlue,
        [](const HistoryRow& row) { return overallHealth(row.body); }, false);
    lines.add(ChartTexts::tr("Lowest item of gear"), look::orange,
              [](const HistoryRow& row) { return lowestGearItem(row.gear); });
    lines.add(ChartTexts::tr("Lowest of fitness, health and stamina"), look::green,
              [](const HistoryRow& row) { return lowestOfBody(row.body); });
    d.floors.push_back({ChartTexts::tr("Selection floor: any item at 0 keeps the player out"),
                        wornOutCondition, look::red});
    if (rows.empty()) return;
    const HistoryRow& last = rows.back();
    d.spoken =
        ChartTexts::tr(
            "Overall gear and health, the lowest item of gear and the lowest "
            "of fitness, health and stamina after each match, %Ln kept; "
            "after the last %1, %2, %3 and %4. Any item of gear, "
            "fitness, health or stamina at 0 keeps the player out of the side.",
            nullptr, matchesKept(rows))
            .arg(shownNumber(overallGear(last.gear)), shownNumber(overallHealth(last.body)),
                 shownNumber(lowestGearItem(last.gear)), shownNumber(lowestOfBody(last.body)));
}

}  // namespace

ChartData chartData(historyChart::Chart chart, const Career& career, const CareerHistory& history) {
    const std::vector<HistoryRow>& rows = history.rows();
    ChartData d;
    d.matches.reserve(rows.size());
    for (const HistoryRow& row : rows) d.matches.push_back(row.match);
    d.matchTitle = ChartTexts::tr("Match");
    d.numbers = shownLocale();
    addStretches(d, rows);
    switch (chart) {
        case historyChart::runs:
            runsChart(d, career, history);
            break;
        case historyChart::wickets:
            wicketsChart(d, history);
            break;
        case historyChart::skills:
            skillsChart(d, rows);
            break;
        case historyChart::bankBalance:
            bankBalanceChart(d, rows);
            break;
        case historyChart::condition:
            conditionChart(d, rows);
            break;
        case historyChart::chartCount:
            break;
    }
    if (rows.empty()) {
        d.title = ChartTexts::tr("No match kept yet");
        d.spoken = ChartTexts::tr("No match kept yet.");
    }
    return d;
}
