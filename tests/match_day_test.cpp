#include "core/match_day.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/career.h"
#include "support/scripted_platform.h"
#include "support/test_career.h"

namespace {

const QString offer =
    QStringLiteral("A bookie offers you Rs. 50000 if you play badly. Accept the offer?");
const QString caught =
    QStringLiteral("You're found guilty of match fixing in an enquiry. Your career is over.");

// A draw that makes floor(draw × n) equal k.
double drawFor(int k, int n) {
    return (k + 0.5) / n;
}

struct BookieCase {
    const char* name;
    const char* balance;
    std::vector<double> draws;
    std::deque<bool> answers;
    QStringList messages;
    const char* balanceAfter;
    int matchesPlayed;
    int careersEnded;
};

TEST(ShowMatch, TheBookiesOfferAndTheEnquiry) {
    const BookieCase cases[] = {
        {"k = 14: no offer", "12000", {drawFor(14, 30)}, {}, {}, "12000", 1, 0},
        {"k = 16: no offer", "12000", {drawFor(16, 30)}, {}, {}, "12000", 1, 0},
        {"offer declined", "12000", {drawFor(15, 30)}, {false}, {offer}, "12000", 1, 0},
        {"taken, j = 0", "12000", {drawFor(15, 30), drawFor(0, 3)}, {true}, {offer}, "62000", 1, 0},
        {"taken, j = 2", "12000", {drawFor(15, 30), drawFor(2, 3)}, {true}, {offer}, "62000", 1, 0},
        {"taken, j = 1: caught",
         "12000",
         {drawFor(15, 30), drawFor(1, 3)},
         {true},
         {offer, caught},
         "62000",
         0,
         1},
        {"balance cut to its whole part",
         "100.75",
         {drawFor(15, 30), drawFor(0, 3)},
         {true},
         {offer},
         "50100",
         1,
         0},
        // The enquiry draws again; it does not repeat the draw that brought
        // the offer, which would catch every player who takes the money.
        {"enquiry independent of the offer",
         "0",
         {drawFor(15, 30), 0.0},
         {true},
         {offer},
         "50000",
         1,
         0},
    };
    for (const BookieCase& c : cases) {
        Career career;
        startTestCareer(career, 50, 50, 50);
        setFields(career.record, {{Field::bankbalance, c.balance}});
        ScriptedPlatform scripted;
        scripted.random.draws.assign(c.draws.begin(), c.draws.end());
        scripted.prompter.answers = c.answers;
        CountingPlayHost host;

        ShowMatch(career, scripted.prompter, scripted.random, host);

        EXPECT_EQ(scripted.prompter.messages, c.messages) << c.name;
        EXPECT_EQ(career.record.text(Field::bankbalance), QString::fromLatin1(c.balanceAfter))
            << c.name;
        EXPECT_EQ(host.matchesPlayed, c.matchesPlayed) << c.name;
        EXPECT_EQ(host.careersEnded, c.careersEnded) << c.name;
        EXPECT_TRUE(scripted.random.draws.empty()) << c.name;
        if (!c.answers.empty()) {
            EXPECT_EQ(career.working.Answer, c.answers.front()) << c.name;
        }
    }
}

}  // namespace
