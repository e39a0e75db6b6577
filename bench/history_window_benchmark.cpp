// SPDX-License-Identifier: GPL-3.0-or-later
// What the History window costs a match played while it is open: the same
// match applied to the longest career (32,767 matches, its history kept),
// with the window closed and with it open on each of its tabs, each time
// until the main loop is idle again, so that the window's drawing counts.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTabWidget>

#include "bench/longest_career.h"
#include "charts/history_charts.h"
#include "game/career.h"
#include "game/history.h"
#include "game/match.h"
#include "screens/career_in_play.h"
#include "screens/history/history_screen.h"
#include "sim/simulation_options.h"

namespace {

// One match confirmed into the career in play, as OK on the match screen
// does, then every event it set off handled.
void applyOneMatch(CareerInPlay& model) {
    model.update([](Career& career, CareerHistory& history) {
        const MatchPerformance match{42, 2, 1};
        const double award = applyMatch(career, match);
        history.append(takeHistoryRow(career, match, award));
    });
    QApplication::processEvents();
}

// tab -1: the window closed.
void MatchApplied(benchmark::State& state) {
    const PlayedCareer& played = longestCareerPlayed();
    CareerInPlay model(played.career, played.history);
    std::unique_ptr<HistoryScreen> window;
    if (state.range(0) >= 0) {
        window = std::make_unique<HistoryScreen>(model, nullptr);
        window->show();
        window->showTab(static_cast<HistoryScreen::Tab>(state.range(0)));
        QApplication::processEvents();
    }
    for (auto _ : state) applyOneMatch(model);
}
BENCHMARK(MatchApplied)
    ->ArgName("tab")
    ->DenseRange(-1, HistoryScreen::tabCount - 1)
    ->Unit(benchmark::kMillisecond);

// Switching to a tab after a match played on another, so that the tab shows
// the career afresh, until it is painted: what a press of a tab costs.
void SwitchToTab(benchmark::State& state) {
    const PlayedCareer& played = longestCareerPlayed();
    CareerInPlay model(played.career, played.history);
    HistoryScreen window(model, nullptr);
    const auto away = static_cast<HistoryScreen::Tab>(state.range(0) == 0 ? 1 : 0);
    window.show();
    window.showTab(away);
    QApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        window.showTab(away);
        applyOneMatch(model);
        state.ResumeTiming();
        window.showTab(static_cast<HistoryScreen::Tab>(state.range(0)));
        QApplication::processEvents();
    }
}
BENCHMARK(SwitchToTab)
    ->ArgName("tab")
    ->DenseRange(0, HistoryScreen::tabCount - 1)
    ->Unit(benchmark::kMillisecond);

// Drawing one chart of the longest career again, in place and with nothing
// changed, without painting it: its data worked out, then drawn.
void DrawChart(benchmark::State& state) {
    const PlayedCareer& played = longestCareerPlayed();
    const auto chart = static_cast<historyChart::Chart>(state.range(0));
    HistoryChartView* view = HistoryCharts::makeView(chartLook(), nullptr);
    for (auto _ : state) {
        HistoryCharts::draw(view, chartData(chart, played.career, played.history));
    }
    delete view;
}
BENCHMARK(DrawChart)
    ->ArgName("chart")
    ->DenseRange(0, historyChart::chartCount - 1)
    ->Unit(benchmark::kMillisecond);

// Opening the window on the longest career, until it is shown.
void OpenWindow(benchmark::State& state) {
    const PlayedCareer& played = longestCareerPlayed();
    CareerInPlay model(played.career, played.history);
    for (auto _ : state) {
        HistoryScreen window(model, nullptr);
        window.show();
        QApplication::processEvents();
    }
}
BENCHMARK(OpenWindow)->Unit(benchmark::kMillisecond);

}  // namespace
