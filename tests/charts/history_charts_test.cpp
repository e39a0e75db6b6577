// SPDX-License-Identifier: GPL-3.0-or-later
// The History window's charts, drawn by the module as built from the data
// the screens give it.
#include "charts/history_charts.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <functional>
#include <list>
#include <vector>

#include "charts/axis_ticks.h"
#include "charts_tests.h"
#include "game/career_story.h"
#include "game/history.h"
#include "game/level_change.h"
#include "game/match.h"
#include "screens/history/chart_data.h"
#include "screens/history/chart_plugin.h"
#include "screens/look.h"
#include "support/qt_printers.h"
#include "support/test_career.h"

namespace {

TEST(HistoryCharts, AThinnedLineKeepsItsPeaksAndTroughsWithinItsPoints) {
    QList<QPointF> points;
    for (int x = 1; x <= 32767; ++x) {
        points << QPointF(x, 50 + 40 * std::sin(x / 300.0) + (x % 97 == 0 ? 60 : 0));
    }
    points[20000].setY(-35);
    const QList<QPointF> kept = thinned(points, mostPointsALine);
    EXPECT_LE(kept.size(), mostPointsALine);
    EXPECT_GE(kept.size(), mostPointsALine / 2);
    const auto byY = [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); };
    EXPECT_EQ(*std::max_element(kept.begin(), kept.end(), byY),
              *std::max_element(points.begin(), points.end(), byY));
    EXPECT_EQ(*std::min_element(kept.begin(), kept.end(), byY), points[20000]);
    for (qsizetype i = 0; i < kept.size(); ++i) {
        // Point x stands at place x - 1.
        EXPECT_EQ(kept[i], points[static_cast<qsizetype>(kept[i].x()) - 1]);
        if (i > 0) {
            EXPECT_LT(kept[i - 1].x(), kept[i].x());
        }
    }

    const QList<QPointF> few{{1, 5}, {2, 3}, {3, 9}};
    EXPECT_EQ(thinned(few, mostPointsALine), few);
}

TEST(HistoryCharts, MarkersAreSpreadOverTheirRange) {
    QList<QPointF> points;
    for (int x = 1; x <= 1000; ++x) points << QPointF(x, 1);
    const QList<QPointF> kept = spread(points, 10);
    EXPECT_LE(kept.size(), 10);
    EXPECT_GE(kept.size(), 9);
    EXPECT_EQ(kept.front(), points.front());
    for (qsizetype i = 1; i < kept.size(); ++i) EXPECT_GT(kept[i].x() - kept[i - 1].x(), 90);
    EXPECT_EQ(spread(kept, 10), kept);
}

// The batting average of a match's level as the record book had it right
// after the match, also when the history starts later than the career.
TEST(HistoryCharts, TheLevelsAverageFollowsTheRecordBookMatchByMatch) {
    Career career = testCareer(45, 20, 30);
    CareerHistory history;
    std::vector<double> recorded;
    const auto playAndRecord = [&](std::vector<MatchPerformance> matches) {
        for (const MatchPerformance& match : matches) {
            playMatches(career, history, {match});
            const LevelStatistics& level = career.statistics();
            recorded.push_back(static_cast<double>(level.runs) / level.matches);
        }
    };
    playAndRecord({{60, 1, 0}, {10, 0, 1}, {35, 2, 2}});
    promote(career);
    playAndRecord({{80, 0, 0}, {0, 3, 1}});
    dropOneLevel(career);
    playAndRecord({{41, 1, 1}});

    const std::vector<double> averages = levelAverages(career, history.rows());
    ASSERT_EQ(averages.size(), recorded.size());
    for (std::size_t i = 0; i < recorded.size(); ++i) EXPECT_DOUBLE_EQ(averages[i], recorded[i]);
    // Back at the club the average goes on from the first three matches.
    EXPECT_DOUBLE_EQ(averages.back(), (60 + 10 + 35 + 41) / 4.0);

    const std::vector<HistoryRow> fromMatch3(history.rows().begin() + 2, history.rows().end());
    const std::vector<double> later = levelAverages(career, fromMatch3);
    EXPECT_EQ(later, std::vector<double>(averages.begin() + 2, averages.end()));
}

TEST(HistoryCharts, ChartsShowTheHistoryWithLevelChangesAndTheSelectionFloor) {
    const TwoMatches two;
    const CareerHistory history = two.history();
    QWidget owner;
    const struct {
        historyChart::Chart chart;
        std::function<void(QChartView*)> check;
    } charts[] = {
        {historyChart::runs,
         [](QChartView* view) {
             QLineSeries* runs = lineNamed(view, QStringLiteral("Runs"));
             ASSERT_NE(runs, nullptr);
             EXPECT_EQ(runs->points(), (QList<QPointF>{{1, 60}, {2, 120}}));
             QLineSeries* average = lineNamed(view, QStringLiteral("Batting average of the level"));
             ASSERT_NE(average, nullptr);
             EXPECT_EQ(average->points(), (QList<QPointF>{{1, 60}, {2, 120}}));
         }},
        {historyChart::skills,
         [](QChartView* view) {
             QLineSeries* bowling = lineNamed(view, QStringLiteral("Bowling"));
             ASSERT_NE(bowling, nullptr);
             EXPECT_EQ(bowling->points(), (QList<QPointF>{{1, 25}, {2, 45}}));
             QScatterSeries* promotions = markersNamed(view, QStringLiteral("Promotion"));
             ASSERT_NE(promotions, nullptr);
             ASSERT_EQ(promotions->count(), 1);
             EXPECT_EQ(promotions->at(0).x(), 2);
             QScatterSeries* drops = markersNamed(view, QStringLiteral("Drop"));
             ASSERT_NE(drops, nullptr);
             EXPECT_EQ(drops->count(), 0);
             EXPECT_NE(promotions->markerShape(), drops->markerShape());
         }},
        {historyChart::bankBalance,
         [](QChartView* view) {
             QLineSeries* balance = lineNamed(view, QStringLiteral("Bank balance"));
             ASSERT_NE(balance, nullptr);
             EXPECT_EQ(balance->points(), (QList<QPointF>{{1, 3000}, {2, 900}}));
         }},
        {historyChart::condition,
         [](QChartView* view) {
             QLineSeries* gear = lineNamed(view, QStringLiteral("Overall gear"));
             ASSERT_NE(gear, nullptr);
             EXPECT_EQ(gear->points(), (QList<QPointF>{{1, 91}, {2, 73}}));
             QLineSeries* floor = lineNamed(
                 view, QStringLiteral("Selection floor: any item at 0 keeps the player out"));
             ASSERT_NE(floor, nullptr);
             ASSERT_EQ(floor->count(), 2);
             EXPECT_EQ(floor->at(0).y(), 0);
             EXPECT_EQ(floor->at(1).y(), 0);
             EXPECT_LE(floor->at(0).x(), 1);
             EXPECT_GE(floor->at(1).x(), 2);
         }},
    };
    for (const auto& c : charts) {
        SCOPED_TRACE(historyChart::name(c.chart).toStdString());
        QChartView* view = makeView(&owner);
        draw(view, c.chart, two.career, history);
        c.check(view);
        EXPECT_FALSE(view->accessibleDescription().isEmpty());
        EXPECT_TRUE(view->chart()->title().isEmpty());

        // Drawn again without a match: no line, and a title that says so.
        draw(view, c.chart, two.career, CareerHistory());
        for (QAbstractSeries* series : view->chart()->series()) {
            if (auto* line = qobject_cast<QXYSeries*>(series); line && line->count() > 0) {
                EXPECT_TRUE(series->name().startsWith(QStringLiteral("Selection floor")) ||
                            series->name().startsWith(QStringLiteral("Promotion:")))
                    << series->name().toStdString();
            }
        }
        EXPECT_EQ(view->chart()->title(), QStringLiteral("No match kept yet"));
    }
}

// Every label of a chart's axes is a whole number, and no two are the same,
// however few matches or however small the values.
TEST(HistoryCharts, AxesAreLabelledInWholeNumbersOnly) {
    const TwoMatches two;
    HistoryRow nothingDone = row(1, Level::club, "Five Star", {0, 0, 0}, {0, 0, 0});
    HistoryRow rich = two.rows.back();
    rich.bankBalance = 1234567890;
    const struct {
        const char* name;
        CareerHistory history;
    } histories[] = {
        {"no match", CareerHistory()},
        {"one match of noughts", CareerHistory({nothingDone})},
        {"two matches", two.history()},
        {"a fortune", CareerHistory({two.rows.front(), rich})},
    };
    QWidget owner;
    for (const auto& h : histories) {
        for (int chart = 0; chart < historyChart::chartCount; ++chart) {
            const auto which = static_cast<historyChart::Chart>(chart);
            SCOPED_TRACE(h.name + (" / " + historyChart::name(which).toStdString()));
            QChartView* view = makeView(&owner);
            draw(view, which, two.career, h.history);
            for (QAbstractAxis* abstractAxis : view->chart()->axes()) {
                auto* axis = qobject_cast<QValueAxis*>(abstractAxis);
                ASSERT_NE(axis, nullptr);
                const bool dynamic = axis->tickType() == QValueAxis::TicksDynamic;
                const double first = dynamic ? axis->tickAnchor() : axis->min();
                const double step = dynamic ? axis->tickInterval()
                                            : (axis->max() - axis->min()) / (axis->tickCount() - 1);
                EXPECT_EQ(first, std::round(first));
                EXPECT_GE(step, 1);
                EXPECT_EQ(step, std::round(step));
            }
        }
    }
}

// A script font that asks for a tall line gives way, for the axes' figures,
// to the family of the list with the shortest line that writes the
// locale's digits: Urdu's Latin digits in DejaVu Sans, Bengali's own in the
// Bengali font, never in a family without them.
TEST(HistoryCharts, AxisFiguresTakeTheShortestLineThatWritesTheLocalesDigits) {
    const TwoMatches two;
    QFont labels = look::font(false);
    labels.setFamilies({QStringLiteral("Noto Naskh Arabic"), QStringLiteral("DejaVu Sans"),
                        QStringLiteral("Noto Sans Bengali")});
    const struct {
        const char* locale;
        const char* family;
    } cases[] = {{"ur_PK", "DejaVu Sans"}, {"bn_IN", "Noto Sans Bengali"}};
    QWidget owner;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
        ChartLook chart = chartLook();
        chart.figures = look::figuresFont(labels);
        auto* view = qobject_cast<QChartView*>(builtModule().makeView(chart, &owner));
        draw(view, historyChart::runs, two.career, two.history());
        for (QAbstractAxis* axis : view->chart()->axes()) {
            EXPECT_EQ(axis->labelsFont().families(), QStringList{QString::fromLatin1(c.family)});
            EXPECT_EQ(axis->titleFont().families(), chart.headings.families());
        }
    }
    QLocale::setDefault(QLocale::c());
}

// The longest career draws by blocks of matches, a few points a line, the
// best score still the top of its block's band.
TEST(HistoryCharts, TheLongestCareerDrawsThinnedLines) {
    Career career = testCareer(45, 20, 30);
    std::vector<HistoryRow> rows;
    for (int match = 1; match <= 32767; ++match) {
        const auto runs = static_cast<std::int16_t>(match == 12345 ? 250 : match % 90);
        rows.push_back(row(match, Level::club, "Five Star", {runs, 1, 1}, {50, 50, 50}));
    }
    career.recordBook[0].matches = 32767;
    career.recordBook[0].runs = 32767 * 44;
    QWidget owner;
    for (int chart = 0; chart < historyChart::chartCount; ++chart) {
        QChartView* view = makeView(&owner);
        draw(view, static_cast<historyChart::Chart>(chart), career, CareerHistory(rows));
        for (QAbstractSeries* series : view->chart()->series()) {
            if (auto* line = qobject_cast<QXYSeries*>(series)) {
                EXPECT_LE(line->count(), blocksShown + 1) << series->name().toStdString();
            }
        }
        if (chart == historyChart::runs) {
            QAreaSeries* band = nullptr;
            for (QAbstractSeries* series : view->chart()->series()) {
                if (auto* area = qobject_cast<QAreaSeries*>(series)) band = area;
            }
            ASSERT_NE(band, nullptr);
            double highest = 0;
            for (const QPointF& point : band->upperSeries()->points()) {
                highest = std::max(highest, point.y());
            }
            EXPECT_EQ(highest, 250);
        }
    }
}

// A chart drawn again as the career grows, a match at a time as the window
// follows it or by many at once, or when a shorter career takes its place,
// is changed in place and looks exactly as the chart drawn afresh: the same
// series with the same points, the same axes, the same picture. The lengths
// cross from a point a match to lines without points and to blocks, and the
// first World Cup marker and a level change come in between.
TEST(HistoryCharts, AChartDrawnAgainInPlaceLooksAsOneDrawnAfresh) {
    Career career = testCareer(45, 20, 30);
    std::vector<HistoryRow> rows;
    const auto n = [](int value) { return static_cast<std::int16_t>(value); };
    for (int match = 1; match <= 420; ++match) {
        const bool club = match < 200;
        HistoryRow r =
            row(match, club ? Level::club : Level::city, club ? "Five Star" : "Pune",
                {static_cast<std::int16_t>(match * 37 % 120), static_cast<std::int16_t>(match % 6),
                 static_cast<std::int16_t>(match % 3)},
                {n(40 + match / 10), n(30 + match / 12), n(35 + match % 7)});
        r.gear = {n(90 - match % 50), n(80 - match % 30), n(70 + match % 20), 60};
        r.body = {n(95 - match % 40), 90, n(50 + match % 45)};
        r.bankBalance = match * 250.0 - (match % 9) * 1000.0;
        if (match == 200) r.events.levelChanges = {Level::city};
        if (match == 310) r.events.selectedForWorldCup = true;
        rows.push_back(r);
    }
    career.recordBook[0].matches = 199;
    career.recordBook[0].runs = 199 * 50;
    // The histories are kept while the views may still point at them.
    std::list<CareerHistory> histories;
    const auto historyOf = [&](std::size_t length) -> const CareerHistory& {
        return histories.emplace_back(
            std::vector<HistoryRow>(rows.begin(), rows.begin() + static_cast<long>(length)));
    };
    const std::size_t lengths[] = {0, 1, 2, 59, 60, 61, 62, 300, 301, 302, 309, 310, 311, 420, 45};
    QWidget owner;
    for (int chart = 0; chart < historyChart::chartCount; ++chart) {
        const auto which = static_cast<historyChart::Chart>(chart);
        QChartView* followed = makeView(&owner);
        followed->resize(640, 360);
        for (const std::size_t length : lengths) {
            SCOPED_TRACE(historyChart::name(which).toStdString() + " after " +
                         std::to_string(length) + " matches");
            const CareerHistory& history = historyOf(length);
            draw(followed, which, career, history);
            QChartView* fresh = makeView(&owner);
            fresh->resize(640, 360);
            draw(fresh, which, career, history);

            const QList<QAbstractSeries*> got = followed->chart()->series();
            const QList<QAbstractSeries*> want = fresh->chart()->series();
            ASSERT_EQ(got.size(), want.size());
            for (qsizetype i = 0; i < got.size(); ++i) {
                EXPECT_EQ(got[i]->name(), want[i]->name());
                EXPECT_EQ(got[i]->type(), want[i]->type());
                EXPECT_EQ(got[i]->attachedAxes().size(), 2);
                const auto points = [](QAbstractSeries* series) {
                    if (auto* band = qobject_cast<QAreaSeries*>(series)) {
                        return band->upperSeries()->points() + band->lowerSeries()->points();
                    }
                    return qobject_cast<QXYSeries*>(series)->points();
                };
                EXPECT_EQ(points(got[i]), points(want[i])) << got[i]->name().toStdString();
            }
            EXPECT_EQ(followed->accessibleDescription(), fresh->accessibleDescription());
            QApplication::processEvents();
            EXPECT_EQ(followed->grab().toImage(), fresh->grab().toImage());
            delete fresh;
        }
    }
}

}  // namespace

namespace {

// Thinned ticks are fewer, never fewer than two, and every one of them is
// still a planned tick, so that the figures stay round.
TEST(AxisTicks, ThinnedTicksAreAsManyAsAskedAndStayOnThePlannedSteps) {
    const AxisTicks sevenFixed{0, 120, 7};
    EXPECT_EQ(tickCount(sevenFixed), 7);
    EXPECT_EQ(tickCount(atMost(sevenFixed, 7)), 7);
    EXPECT_FALSE(atMost(sevenFixed, 7).dynamic);
    const AxisTicks four = atMost(sevenFixed, 4);
    EXPECT_TRUE(four.dynamic);
    EXPECT_EQ(four.anchor, 0);
    EXPECT_EQ(four.interval, 40);
    EXPECT_EQ(tickCount(four), 4);
    EXPECT_EQ(tickCount(atMost(sevenFixed, 3)), 3);
    EXPECT_EQ(tickCount(atMost(sevenFixed, 0)), 2);

    // Ticks one apart from an anchor below the axis: the first within it
    // stays the first.
    const AxisTicks units{3, 14, 5, true, 1, 0};
    EXPECT_EQ(tickCount(units), 12);
    const AxisTicks fewer = atMost(units, 5);
    EXPECT_EQ(fewer.anchor, 3);
    EXPECT_EQ(fewer.interval, 3);
    EXPECT_LE(tickCount(fewer), 5);
}

// A chart made short, with figures in a font of tall lines, shows fewer
// figures on its value axis rather than cut any to "...", and a tall one
// keeps every figure planned.
TEST(HistoryCharts, AShortChartTicksItsValuesMoreSparselyThanCutAFigure) {
    const TwoMatches two;
    ChartLook look = chartLook();
    look.figures.setFamilies({QStringLiteral("Noto Naskh Arabic")});
    look.figures.setPixelSize(14);
    QWidget owner;
    owner.resize(800, 500);
    owner.show();
    for (const int height : {150, 190, 450}) {
        SCOPED_TRACE(height);
        auto* view = qobject_cast<QChartView*>(builtModule().makeView(look, &owner));
        view->resize(700, height);
        view->show();
        draw(view, historyChart::skills, two.career, two.history());
        QApplication::processEvents();
        const QRectF plot = view->chart()->mapRectToScene(view->chart()->plotArea());
        int figures = 0;
        for (QGraphicsItem* item : view->scene()->items()) {
            auto* text = dynamic_cast<QGraphicsTextItem*>(item);
            if (text == nullptr || !text->isVisible() || text->rotation() != 0) continue;
            if (text->sceneBoundingRect().right() > plot.left() + 1) continue;
            ++figures;
            EXPECT_FALSE(text->toPlainText().contains(QStringLiteral("...")))
                << text->toPlainText().toStdString();
        }
        EXPECT_GE(figures, 2);
        auto* values = qobject_cast<QValueAxis*>(view->chart()->axes(Qt::Vertical).front());
        if (height == 450) {
            EXPECT_EQ(values->tickType(), QValueAxis::TicksFixed);
        }
        delete view;
    }
}

}  // namespace
