// SPDX-License-Identifier: GPL-3.0-or-later
// What a run of Play on costs: 1,000 matches played on the longest career
// (32,767 matches, its history kept), auto-save on, through the session as
// Play on plays them, and the same from the main screen with the History
// window open on a chart, each match followed by the windows; and how soon
// Escape ends a run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <random>
#include <vector>

#include "bench/longest_career.h"
#include "saves/history_file.h"
#include "saves/save_career.h"
#include "screens/career_in_play.h"
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

// The longest career as Load leaves it: its save and history files in the
// folder, the career loaded from them, the main screen up with the History
// window open on the runs chart.
std::unique_ptr<MainScreen> loadedMainScreen(Platform& platform, const QString& folder) {
    const PlayedCareer& played = longestCareerPlayed();
    const QString savePath = saveFilePath(folder, autoSave.fileName);
    if (saveCareer(played.career, autoSave, folder) ||
        writeHistoryFile(historyFilePath(savePath), played.history)) {
        return nullptr;
    }
    auto main = std::make_unique<MainScreen>(platform, played.career, autoSave,
                                             SaveTarget{folder, false, savePath},
                                             readHistory(historyFilePath(savePath), played.career));
    main->show();
    main->claimSaveFile();
    main->command(MainScreen::History)->click();
    main->historyScreen()->showTab(static_cast<HistoryScreen::Tab>(0));
    QApplication::processEvents();
    return main;
}

// Closes the news at the end of each run as soon as it shows, and tells when
// it did.
class NewsCloser {
  public:
    NewsCloser(MainScreen& main, std::function<void()> shown) {
        QObject::connect(&timer_, &QTimer::timeout, [&main, shown = std::move(shown)] {
            for (auto* news : main.findChildren<PlayOnNewsScreen*>()) {
                if (!news->isVisible()) continue;
                if (shown) shown();
                news->accept();
            }
        });
        timer_.start(1);
    }

  private:
    QTimer timer_;
};

void PlayOnWithHistoryOpen(benchmark::State& state) {
    SeededRandom random(34);
    QuietPrompter prompter;
    NoBrowser opener;
    Platform platform{prompter, random, opener, QString()};
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir folder;
        const std::unique_ptr<MainScreen> loaded = loadedMainScreen(platform, folder.path());
        if (!loaded) {
            state.SkipWithError("the career's files could not be written");
            break;
        }
        MainScreen& main = *loaded;
        const NewsCloser closer(main, {});
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

// From Escape, pressed at a point of a run drawn from a seed, to the run's
// end, its news up: a run of the longest career with the History window
// open, stopped ten times. The longest and the middle of the ten.
void PlayOnStoppedByEscape(benchmark::State& state) {
    SeededRandom random(34);
    std::mt19937 pressAfter(40);
    QuietPrompter prompter;
    NoBrowser opener;
    Platform platform{prompter, random, opener, QString()};
    for (auto _ : state) {
        QTemporaryDir folder;
        const std::unique_ptr<MainScreen> loaded = loadedMainScreen(platform, folder.path());
        if (!loaded) {
            state.SkipWithError("the career's files could not be written");
            break;
        }
        MainScreen& main = *loaded;
        QElapsedTimer sincePress;
        qint64 latency = -1;
        const NewsCloser closer(main, [&] {
            if (latency < 0 && sincePress.isValid()) latency = sincePress.elapsed();
        });
        std::vector<qint64> latencies;
        while (latencies.size() < 10) {
            QEventLoop ended;
            QObject::connect(&main, &MainScreen::runEnded, &ended, &QEventLoop::quit);
            sincePress.invalidate();
            latency = -1;
            // Escape is pressed in the main screen, the History window open
            // beside it.
            main.activateWindow();
            QApplication::processEvents();
            main.startRun(runOf(runLength));
            QTimer::singleShot(std::uniform_int_distribution<int>(50, 400)(pressAfter), &main, [&] {
                if (!main.run()) return;
                sincePress.start();
                QTest::keyClick(&main, Qt::Key_Escape);
            });
            ended.exec();
            if (main.careerSummary()) {
                state.SkipWithError("the career ended in the run");
                break;
            }
            if (latency >= 0) latencies.push_back(latency);
            main.career().update(refit);
        }
        if (latencies.empty()) break;
        std::sort(latencies.begin(), latencies.end());
        state.counters["longest_stop_ms"] = static_cast<double>(latencies.back());
        state.counters["median_stop_ms"] = static_cast<double>(latencies[latencies.size() / 2]);
        main.close();
    }
}
BENCHMARK(PlayOnStoppedByEscape)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
