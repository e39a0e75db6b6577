// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/play_on.h"

#include <QtCore/qtestsupport_core.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <iostream>
#include <random>

#ifdef Q_OS_UNIX
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "game/random_source.h"
#include "game/selection.h"
#include "saves/history_file.h"
#include "saves/save_career.h"
#include "session/load_career.h"
#include "support/qt_printers.h"
#include "support/test_career.h"

namespace {

// Every draw the same: no bookie, and the same match each time, so that a
// run wears the player down at a steady pace.
class SteadyRandom final : public RandomSource {
  public:
    explicit SteadyRandom(double value) : value_(value) {}
    double draw() override { return value_; }

  private:
    double value_;
};

// Within the bookie's one chance in thirty.
constexpr double bookieDraw = 0.51;
constexpr double steadyDraw = 0.3;
// Matches of 54 runs for a batting of 60, which wear the body down fast.
constexpr double wearingDraw = 0.9;

const CareerSession::BookieQuestion refuses = [](double) { return false; };

CareerSession sessionOf(Career career) {
    return CareerSession(std::move(career));
}

PlayOnRules rulesFor(int matches) {
    PlayOnRules rules;
    rules.matches = matches;
    rules.beforeDrop = false;
    return rules;
}

// Plays the run to its stop, as the screens and the simulator do.
void playOut(PlayOnRun& run, RandomSource& random,
             const CareerSession::BookieQuestion& question = refuses) {
    while (run.goesOn()) run.playNext(random, question);
}

std::int16_t staminaAfterMatch(const CareerSession& session, std::size_t index) {
    return session.history().rows().at(index).body.stamina;
}

TEST(PlayOn, PlaysTheMatchesAskedForAndNoMore) {
    CareerSession session = sessionOf(testCareer(60, 20, 30));
    SteadyRandom random(steadyDraw);
    PlayOnRun run(session, rulesFor(3));
    playOut(run, random);
    EXPECT_EQ(run.stopped(), PlayOnStop::allPlayed);
    EXPECT_EQ(run.matchesPlayed(), 3);
    EXPECT_EQ(session.history().rows().size(), 3u);
    EXPECT_EQ(session.career().statistics().matches, 3);
}

// A run plays what a press of Play and OK would, draw for draw.
TEST(PlayOn, MakesTheHistoryThatPlayAndOkMake) {
    CareerSession onByOne = sessionOf(testCareer(60, 40, 30));
    CareerSession playedOn = sessionOf(testCareer(60, 40, 30));
    SteadyRandom randomOne(steadyDraw);
    SteadyRandom randomOn(steadyDraw);
    for (int i = 0; i < 5; ++i) {
        if (onByOne.play(randomOne, refuses).next != PlayNext::match) continue;
        onByOne.drawMatch(randomOne);
        onByOne.confirmMatch();
    }
    PlayOnRun run(playedOn, rulesFor(5));
    playOut(run, randomOn);
    EXPECT_EQ(playedOn.career(), onByOne.career());
    EXPECT_EQ(playedOn.history().rows(), onByOne.history().rows());
}

TEST(PlayOn, StopsWhenTheChosenConditionFallsToItsValue) {
    CareerSession session = sessionOf(testCareer(60, 20, 30));
    SteadyRandom random(wearingDraw);
    PlayOnRules rules = rulesFor(100);
    rules.conditionFloor = ConditionFloor{Shortfall::stamina, 80};
    PlayOnRun run(session, rules);
    playOut(run, random);
    ASSERT_EQ(run.stopped(), PlayOnStop::conditionFloor);
    const std::size_t played = session.history().rows().size();
    ASSERT_GE(played, 2u);
    EXPECT_LE(staminaAfterMatch(session, played - 1), 80);
    EXPECT_GT(staminaAfterMatch(session, played - 2), 80);

    // Already at the value: nothing is played.
    PlayOnRun again(session, rules);
    EXPECT_FALSE(again.goesOn());
    EXPECT_EQ(again.stopped(), PlayOnStop::conditionFloor);
    EXPECT_EQ(again.matchesPlayed(), 0);
}

TEST(PlayOn, StopsBeforeThePlayThatTheDropWarningWarnsOf) {
    Career career = testCareer(60, 20, 30);
    career.body.stamina = 12;
    CareerSession session = sessionOf(career);
    SteadyRandom random(wearingDraw);
    PlayOnRules rules = rulesFor(100);
    rules.beforeDrop = true;
    PlayOnRun run(session, rules);
    playOut(run, random);
    ASSERT_EQ(run.stopped(), PlayOnStop::dropWarning);
    const std::size_t played = session.history().rows().size();
    ASSERT_GE(played, 2u);
    EXPECT_LE(staminaAfterMatch(session, played - 1), wornOutWarning);
    EXPECT_GT(staminaAfterMatch(session, played - 2), wornOutWarning);
    EXPECT_EQ(session.career().level, Level::club);
    EXPECT_FALSE(dropWarnings(session.career()).empty());

    // Without the rule the run plays into the drop, which ends a club
    // player's career and the run with it.
    PlayOnRun on(session, rulesFor(100));
    playOut(on, random);
    EXPECT_EQ(on.stopped(), PlayOnStop::careerOver);
    EXPECT_EQ(on.lastPlayed().next, PlayNext::careerOver);
    ASSERT_FALSE(on.news().empty());
    const auto* dropped = std::get_if<Notice>(&on.news().back().news);
    ASSERT_NE(dropped, nullptr);
    EXPECT_EQ(dropped->kind, PlayNotice::dropped);
    EXPECT_EQ(on.news().back().match, on.matchesPlayed() + 1);
}

// Promoted after the match that took batting to 200: the notice comes with
// the next press of Play, which plays no match.
TEST(PlayOn, StopsAtAPromotionAndTellsItWithTheMatchItWasFor) {
    CareerSession session = sessionOf(testCareer(194, 20, 30));
    SteadyRandom random(steadyDraw);
    PlayOnRules rules = rulesFor(10);
    rules.atPromotion = true;
    PlayOnRun run(session, rules);
    playOut(run, random);
    ASSERT_EQ(run.stopped(), PlayOnStop::promotion);
    EXPECT_EQ(session.career().level, Level::city);
    EXPECT_EQ(run.matchesPlayed(), 1);
    ASSERT_EQ(run.news().size(), 1u);
    EXPECT_EQ(run.news()[0].match, 2);
    EXPECT_EQ(std::get<Notice>(run.news()[0].news).kind, PlayNotice::promoted);
    const PlayOnSummary summary = run.summary();
    EXPECT_EQ(summary.levelBefore, Level::club);
    EXPECT_EQ(summary.levelAfter, Level::city);

    // Without the rule it plays on at the new level.
    PlayOnRun on(session, rulesFor(2));
    playOut(on, random);
    EXPECT_EQ(on.stopped(), PlayOnStop::allPlayed);
}

TEST(PlayOn, StopsAtWorldCupSelection) {
    Career career = testCareer(200, 20, 60);
    placeAtLevel(career, Level::national);
    CareerSession session = sessionOf(career);
    SteadyRandom random(steadyDraw);
    PlayOnRules rules = rulesFor(10);
    rules.atPromotion = true;  // a World Cup place is not a promotion
    PlayOnRun promotions(session, rules);
    rules.atWorldCup = true;
    PlayOnRun run(session, rules);
    playOut(run, random);
    EXPECT_EQ(run.stopped(), PlayOnStop::worldCup);
    EXPECT_TRUE(session.career().selectedForWorldCup);
    EXPECT_EQ(run.matchesPlayed(), 0);
}

TEST(PlayOn, StopsAtAnAwardAfterTheMatchThatEarnedIt) {
    CareerSession session = sessionOf(testCareer(180, 20, 30));
    SteadyRandom random(0.7);  // 126 runs: a hundred
    PlayOnRules rules = rulesFor(10);
    rules.atAward = true;
    PlayOnRun run(session, rules);
    playOut(run, random);
    ASSERT_EQ(run.stopped(), PlayOnStop::award);
    EXPECT_EQ(run.matchesPlayed(), 1);
    ASSERT_EQ(run.news().size(), 1u);
    EXPECT_EQ(run.news()[0].match, 1);
    EXPECT_EQ(std::get<AwardNews>(run.news()[0].news).award, 1500);
    EXPECT_EQ(run.summary().runs, session.history().rows().back().performance.runs);
}

// The bookie's question is put, and answered by the player alone; the run
// stops after the match it led to.
TEST(PlayOn, TheBookiesOfferStopsTheRun) {
    CareerSession session = sessionOf(testCareer(60, 20, 30));
    SteadyRandom random(bookieDraw);
    int asked = 0;
    PlayOnRun run(session, rulesFor(10));
    playOut(run, random, [&](double bribe) {
        ++asked;
        EXPECT_EQ(bribe, bookiesBribe);
        return false;
    });
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(run.stopped(), PlayOnStop::bookieOffer);
    EXPECT_EQ(run.matchesPlayed(), 1);
    EXPECT_EQ(session.history().rows().size(), 1u);
}

TEST(PlayOn, StoppedByThePlayerPlaysNothingMore) {
    CareerSession session = sessionOf(testCareer(60, 20, 30));
    SteadyRandom random(steadyDraw);
    PlayOnRun run(session, rulesFor(10));
    ASSERT_TRUE(run.goesOn());
    run.playNext(random, refuses);
    run.stop();
    EXPECT_FALSE(run.goesOn());
    EXPECT_EQ(run.stopped(), PlayOnStop::stoppedByPlayer);
    EXPECT_EQ(session.history().rows().size(), 1u);
}

TEST(PlayOn, SumsUpTheRun) {
    CareerSession session = sessionOf(testCareer(60, 20, 30));
    const double balanceBefore = session.career().bankBalance;
    SteadyRandom random(steadyDraw);
    PlayOnRun run(session, rulesFor(4));
    playOut(run, random);
    const PlayOnSummary summary = run.summary();
    std::int64_t runs = 0;
    std::int64_t wickets = 0;
    for (const HistoryRow& row : session.history().rows()) {
        runs += row.performance.runs;
        wickets += row.performance.wickets;
    }
    EXPECT_EQ(summary.matches, 4);
    EXPECT_EQ(summary.runs, runs);
    EXPECT_EQ(summary.wickets, wickets);
    EXPECT_EQ(summary.moneyEarned, session.career().bankBalance - balanceBefore);
    EXPECT_GT(summary.moneyEarned, 0);
}

// With auto-save on, every match of the run is in the save and history
// files as it is played.
TEST(PlayOn, SavesEveryMatch) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    CareerSession session(testCareer(60, 20, 30), AutoSave{true, QStringLiteral("ravi_auto.bsg")},
                          SaveTarget{folder.path(), false, {}});
    session.claimSaveFile();
    SteadyRandom random(steadyDraw);
    PlayOnRun run(session, rulesFor(6));
    playOut(run, random);
    const HistoryReading reading = readHistory(session.historyPath(), session.career());
    EXPECT_EQ(reading.history.rows(), session.history().rows());
    EXPECT_EQ(reading.history.rows().size(), 6u);
}

}  // namespace

#ifdef Q_OS_UNIX
namespace {

// A stream of draws of its own, repeated from a seed.
class SeededDraws final : public RandomSource {
  public:
    explicit SeededDraws(std::uint64_t seed) : engine_(seed) {}
    double draw() override { return std::uniform_real_distribution<double>(0, 1)(engine_); }

  private:
    std::mt19937_64 engine_;
};

// Only so that a run that never gets there does not hang the tests.
constexpr int tenMinutes = 10 * 60 * 1000;

int linesIn(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return 0;
    return static_cast<int>(file.readAll().count('\n'));
}

// A copy of the game killed (kill -9) in the middle of a run of 1,000
// matches, at points drawn from a seed, leaves a career that loads with
// every match it saved, and a history with one row for each.
TEST(PlayOn, ARunKilledAnywhereLoadsWithARowForEverySavedMatch) {
    std::mt19937 killPoints(34);
    int killedBetween = 0;
    for (int round = 0; round < 8; ++round) {
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const AutoSave autoSave{true, QStringLiteral("ravi_auto.bsg")};
        const QString savePath = saveFilePath(folder.path(), autoSave.fileName);
        const int killAfter = std::uniform_int_distribution<int>(1, 150)(killPoints);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            CareerSession session(testCareer(60, 60, 60), autoSave,
                                  SaveTarget{folder.path(), false, {}});
            session.claimSaveFile();
            SeededDraws random(static_cast<std::uint64_t>(round));
            PlayOnRules rules;
            rules.matches = mostMatchesPlayedOn;
            // Played on, run after run, as long as the parent lets it; a
            // run stopped before a drop is followed by what the shops would
            // sell the player.
            for (;;) {
                PlayOnRun run(session, rules);
                while (run.goesOn()) run.playNext(random, [](double) { return false; });
                if (run.careerOver()) break;
                session.changeCareer([](Career& career) {
                    career.gear = Gear{};
                    career.body = Body{};
                    career.skills.fielding = std::max<std::int16_t>(career.skills.fielding, 60);
                    career.skills.bowling = std::max<std::int16_t>(career.skills.bowling, 60);
                });
            }
            ::_exit(0);
        }
        const QString historyPath = historyFilePath(savePath);
        // A line for the column names, then a row a match.
        int status = 0;
        bool ended = false;
        const bool reached = QTest::qWaitFor(
            [&] {
                ended = ended || ::waitpid(child, &status, WNOHANG) == child;
                return ended || linesIn(historyPath) > killAfter;
            },
            tenMinutes);
        if (!ended) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
        }
        ASSERT_FALSE(ended) << "the career ended before match " << killAfter;
        ASSERT_TRUE(reached) << "the run never reached match " << killAfter;

        SeededDraws clubs(0);
        const CareerLoading loading = loadCareer(savePath, QString(), clubs);
        ASSERT_TRUE(loading.loaded) << loading.error.toStdString();
        const LoadedCareer& loaded = *loading.loaded;
        const std::vector<HistoryRow>& rows = loaded.history.history.rows();
        const std::int32_t saved = careerMatches(loaded.career);
        EXPECT_GE(saved, killAfter - 1);
        EXPECT_FALSE(loaded.history.leftOut.any());
        // The row is written before the save: killed between the two, the
        // row of the match never saved is left out.
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(saved)) << "killed after " << killAfter;
        for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i].match, i + 1);
        EXPECT_TRUE(holdsFiguresOf(rows.back(), loaded.career));
        killedBetween += loaded.history.leftOut.unsavedRows;
    }
    std::cout << killedBetween << " of 8 copies were killed between a row and its save\n";
}

}  // namespace
#endif
