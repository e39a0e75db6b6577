// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/simulated_career.h"

#include <gtest/gtest.h>

#include <QHash>
#include <QTemporaryDir>
#include <algorithm>

#include "game/play.h"
#include "game/play_messages.h"
#include "saves/history_file.h"
#include "sim/message_count.h"
#include "sim/seeded_random.h"
#include "support/qt_printers.h"
#include "support/scripted_random.h"

namespace {

// A draw that makes drawBelow(random, 101) give the skill.
double skillDraw(int skill) {
    return drawFor(skill, 101);
}

struct ScriptedRun {
    ScriptedRandom random;
    MessageCount messages;
    SimulationOptions options;

    CareerHistory history;

    CareerResult play() {
        SimulatedCareer career(random, messages, options, QString());
        const CareerResult result = career.play();
        history = career.history();
        return result;
    }
};

// The career's draws come in the order the game makes them: the skills, the
// club, the bookie's offer, the player's answer to it from the same stream,
// then the enquiry. A draw out of place would change every recorded run.
TEST(SimulatedCareer, TakingTheBookiesMoneyCanEndTheCareerAtTheFirstPlay) {
    ScriptedRun run;
    run.options.bribeAcceptance = 0.5;
    run.random.draws = {skillDraw(50), skillDraw(50),   skillDraw(50),
                        drawFor(0, 5), drawFor(15, 30),  // the bookie comes
                        0.49,                            // and his money is taken
                        drawFor(1, 3)};                  // and the enquiry finds it out

    const CareerResult result = run.play();
    EXPECT_EQ(result.end, CareerEnd::caught);
    EXPECT_EQ(result.matches, 0);
    EXPECT_TRUE(run.random.draws.empty());
    const QHash<QString, long long> shown{
        {bookieOfferQuestion(bookiesBribe), 1},
        {noticeText({PlayNotice::caughtByTheEnquiry, QString()}), 1},
        {playAgainQuestion(), 1}};
    EXPECT_EQ(run.messages.counts(), shown);
}

// Turned down, the bookie draws nothing more: the match follows on the next
// draws, and its award is counted as the match screen shows it.
TEST(SimulatedCareer, AMatchAfterTheBookieIsTurnedDownStopsAtTheCap) {
    ScriptedRun run;
    run.options.bribeAcceptance = 0.5;
    run.options.matchCap = 1;
    run.random.draws = {skillDraw(100),
                        skillDraw(100),
                        skillDraw(100),
                        drawFor(2, 5),
                        drawFor(15, 30),  // the bookie comes
                        0.5,              // and is turned down
                        0.999,
                        0.999,
                        0.999};  // 99 runs, 5 wickets, 3 catches

    const CareerResult result = run.play();
    EXPECT_EQ(result.end, CareerEnd::matchCap);
    EXPECT_EQ(result.matches, 1);
    EXPECT_TRUE(run.random.draws.empty());
    const QHash<QString, long long> shown{{bookieOfferQuestion(bookiesBribe), 1},
                                          {awardNotice(1500), 1}};
    EXPECT_EQ(run.messages.counts(), shown);
    // The history holds the match as it was shown, and the sponsor taken
    // before it; the offer turned down is no event.
    ASSERT_EQ(run.history.rows().size(), 1u);
    const HistoryRow& row = run.history.rows().front();
    EXPECT_EQ(row.match, 1);
    EXPECT_EQ(row.performance, (MatchPerformance{99, 5, 3}));
    EXPECT_EQ(row.award, 1500);
    SinceLastMatch events;
    events.sponsorTaken = QStringLiteral("Hero Honda");
    EXPECT_EQ(row.events, events);
}

// The files of --history are the game's own: a career stopped at the cap, as
// a save file would hold it after its last match, reads its whole history
// back.
TEST(SimulatedCareer, HistoryReadsBackAsTheGameReadsIt) {
    SeededRandom random(1);
    MessageCount messages;
    SimulationOptions options;
    options.matchCap = 400;
    QTemporaryDir folder;
    for (int number = 1; number <= 100; ++number) {
        SimulatedCareer career(random, messages, options, QString());
        if (career.play().end != CareerEnd::matchCap) continue;
        const CareerHistory& history = career.history();
        ASSERT_EQ(history.rows().size(), 400u);
        const QString path = folder.path() + QLatin1Char('/') + historyFileName(number);
        ASSERT_EQ(writeHistoryFile(path, history), std::nullopt);
        const HistoryReading read = readHistory(path, career.career());
        EXPECT_EQ(read.history.rows(), history.rows());
        EXPECT_EQ(read.history.keptFrom(), 1);
        EXPECT_EQ(read.leftOut.damagedRows, 0);
        EXPECT_EQ(read.leftOut.foreignRows, 0);
        const auto changedLevel = [](const HistoryRow& row) {
            return !row.events.levelChanges.empty();
        };
        EXPECT_TRUE(
            std::any_of(read.history.rows().begin(), read.history.rows().end(), changedLevel));
        return;
    }
    FAIL() << "no career of seed 1 reached the cap";
}

}  // namespace
