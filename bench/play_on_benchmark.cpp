// SPDX-License-Identifier: GPL-3.0-or-later
// What a run of Play on costs: 1,000 matches played on the longest career
// (32,767 matches, its history kept), auto-save on, through the session as
// Play on plays them, and the same from the main screen with the History
// window open on a chart, each match followed by the windows.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "bench/longest_career.h"
#include "screens/career_model.h"
#include "screens/command_button.h"
#include "screens/history/history_screen.h"
#include "screens/main_screen.h"
#include "screens/platform.h"
#include "screens/play_on_news.h"
#include "screens/prompter.h"
#include "screens/url_opener.h"
#include "session/career_session.h"
#include "session/play_on.h"
#include "sim/seeded_random.h"

namespace {

constexpr int runLength = 1000;

const AutoSave autoSave{true, QStringLiteral("longest_auto.bsg")};

// Stopped before a drop, as a player would be, to buy what the shops sell.
PlayOnRules runOf(int matches) {
    PlayOnRules rules;
    rules.matches = matches;
    return rules;
}

// What the shops would sell a player the run stopped for.
void refit(Career& career) {
    career.gear = Gear{};
    career.body = Body{};
    career.skills.fielding = std::max<std::int16_t>(career.skills.fielding, 100);
    career.skills.bowling = std::max<std::int16_t>(career.skills.bowling, 100);
}

// The longest career, saving itself to the folder, its files written once
// by a first match so that the run appends to them as it would after Load.
CareerSession savingSession(const QString& folder, RandomSource& random) {
    const PlayedCareer& played = longestCareerPlayed();
    CareerSession session(played.career, autoSave, SaveTarget{folder, false, {}}, played.history);
    session.claimSaveFile();
    PlayOnRun first(session, runOf(1));
    while (first.goesOn()) first.playNext(random, [](double) { return false; });
    return session;
}

void PlayOnWithAutoSave(benchmark::State& state) {
    SeededRandom random(34);
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir folder;
        CareerSession session = savingSession(folder.path(), random);
        state.ResumeTiming();
        int played = 0;
        // The bookie's question stops a run; the player plays on.
        while (played < runLength) {
            PlayOnRun run(session, runOf(runLength - played));
            while (run.goesOn()) run.playNext(random, [](double) { return false; });
            played += run.matchesPlayed();
            if (run.careerOver()) {
                state.SkipWithError("the career ended in the run");
                break;
            }
            if (run.stopped() == PlayOnStop::dropWarning) session.changeCareer(refit);
        }
    }
}
BENCHMARK(PlayOnWithAutoSave)->Unit(benchmark::kMillisecond)->UseRealTime();

// Turns the bookie down and reads nothing.
class QuietPrompter final : public Prompter {
  public:
    void notice(QWidget*, const QString&) override {}
    bool question(QWidget*, const QString&, Answer) override { return false; }
    QString chooseFileToOpen(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString chooseCareerToLoad(QWidget*, const QString&, const QString&, const QString&,
                               const QString&) override {
        return {};
    }
};

class NoBrowser final : public UrlOpener {
  public:
    bool open(const QString&) override { return false; }
};

void PlayOnWithHistoryOpen(benchmark::State& state) {
    SeededRandom random(34);
    QuietPrompter prompter;
    NoBrowser opener;
    Platform platform{prompter, random, opener, QString()};
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir folder;
        const PlayedCareer& played = longestCareerPlayed();
        MainScreen main(platform, played.career, autoSave, SaveTarget{folder.path(), false, {}},
                        HistoryReading{played.history, {}});
        main.show();
        main.claimSaveFile();
        main.command(MainScreen::History)->click();
        main.historyScreen()->showTab(static_cast<HistoryScreen::Tab>(0));
        QApplication::processEvents();
        // The news at the end of each run is closed as soon as it shows.
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            for (auto* news : main.findChildren<PlayOnNewsScreen*>())
                if (news->isVisible()) news->accept();
        });
        closer.start(1);
        // The longest the event loop waited between two of its turns.
        QElapsedTimer sinceTurn;
        qint64 longestGap = 0;
        QTimer turns;
        QObject::connect(&turns, &QTimer::timeout,
                         [&] { longestGap = std::max(longestGap, sinceTurn.restart()); });
        turns.start(0);
        sinceTurn.start();
        state.ResumeTiming();
        int played_ = 0;
        while (played_ < runLength) {
            QEventLoop ended;
            QObject::connect(&main, &MainScreen::runEnded, &ended, &QEventLoop::quit);
            const std::size_t before = main.career().history().rows().size();
            main.startRun(runOf(runLength - played_));
            ended.exec();
            played_ += static_cast<int>(main.career().history().rows().size() - before);
            if (main.careerSummary()) {
                state.SkipWithError("the career ended in the run");
                break;
            }
            main.career().update(refit);
        }
        turns.stop();
        state.counters["longest_gap_ms"] = static_cast<double>(longestGap);
        if (main.careerSummary()) break;
        state.PauseTiming();
        main.close();
        state.ResumeTiming();
    }
}
BENCHMARK(PlayOnWithHistoryOpen)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
