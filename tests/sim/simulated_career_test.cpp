#include "sim/simulated_career.h"

#include <gtest/gtest.h>

#include <QHash>

#include "game/play.h"
#include "game/play_messages.h"
#include "sim/message_count.h"
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

    CareerResult play() {
        SimulatedCareer career(random, messages, options, QString());
        return career.play();
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
        {bookieOfferQuestion(), 1},
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
    const QHash<QString, long long> shown{{bookieOfferQuestion(), 1}, {awardNotice(1500), 1}};
    EXPECT_EQ(run.messages.counts(), shown);
}

}  // namespace
