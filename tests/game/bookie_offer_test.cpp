// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QStringList>
#include <optional>
#include <vector>

#include "game/career.h"
#include "game/play.h"
#include "game/play_messages.h"
#include "support/qt_printers.h"
#include "support/scripted_random.h"
#include "support/test_career.h"

namespace {

const QString offer =
    QStringLiteral("A bookie offers you Rs. 50000 if you play badly. Accept the offer?");
const QString caught =
    QStringLiteral("You're found guilty of match fixing in an enquiry. Your career is over.");
const QString playAgain = QStringLiteral("Do you want to play again?");

struct BookieCase {
    const char* name;
    double balance;
    std::vector<double> draws;
    std::optional<bool> answer;  // nothing: no offer is made
    QStringList notices;
    double balanceAfter;
    PlayNext next;
};

TEST(MatchDay, TheBookiesOfferAndTheEnquiry) {
    const BookieCase cases[] = {
        {"k = 14: no offer", 12000, {drawFor(14, 30)}, {}, {}, 12000, PlayNext::match},
        {"k = 16: no offer", 12000, {drawFor(16, 30)}, {}, {}, 12000, PlayNext::match},
        {"offer declined", 12000, {drawFor(15, 30)}, false, {}, 12000, PlayNext::match},
        {"taken, j = 0", 12000, {drawFor(15, 30), drawFor(0, 3)}, true, {}, 62000, PlayNext::match},
        {"taken, j = 2", 12000, {drawFor(15, 30), drawFor(2, 3)}, true, {}, 62000, PlayNext::match},
        {"taken, j = 1: caught",
         12000,
         {drawFor(15, 30), drawFor(1, 3)},
         true,
         {caught},
         62000,
         PlayNext::careerOver},
        {"balance cut to its whole part",
         100.75,
         {drawFor(15, 30), drawFor(0, 3)},
         true,
         {},
         50100,
         PlayNext::match},
        {"a negative balance is cut downwards",
         -0.5,
         {drawFor(15, 30), drawFor(0, 3)},
         true,
         {},
         49999,
         PlayNext::match},
        {"beyond 32 bits",
         5000000000,
         {drawFor(15, 30), drawFor(0, 3)},
         true,
         {},
         5000050000,
         PlayNext::match},
        {"up to the money limit exactly",
         999999999949999,
         {drawFor(15, 30), drawFor(0, 3)},
         true,
         {},
         999999999999999,
         PlayNext::match},
        {"held at the money limit",
         999999999990000,
         {drawFor(15, 30), drawFor(0, 3)},
         true,
         {},
         999999999999999,
         PlayNext::match},
        // The enquiry draws again; it does not repeat the draw that brought
        // the offer, which would catch every player who takes the money.
        {"enquiry independent of the offer",
         0,
         {drawFor(15, 30), 0.0},
         true,
         {},
         50000,
         PlayNext::match},
    };
    for (const BookieCase& c : cases) {
        SCOPED_TRACE(c.name);
        Career career = testCareer(50, 50, 50);
        career.bankBalance = c.balance;
        ScriptedRandom random;
        random.draws.assign(c.draws.begin(), c.draws.end());

        PlayOutcome outcome = selectForMatch(career, random);
        EXPECT_TRUE(outcome.notices.empty());
        EXPECT_EQ(random.taken, 1);
        if (c.answer) {
            ASSERT_EQ(outcome.next, PlayNext::bookieOffer);
            EXPECT_EQ(bookieOfferQuestion(bookiesBribe), offer);
            outcome = answerBookie(career, *c.answer, random);
        }

        QStringList notices;
        for (const Notice& notice : outcome.notices) notices << noticeText(notice);
        EXPECT_EQ(notices, c.notices);
        EXPECT_EQ(outcome.next, c.next);
        EXPECT_EQ(career.bankBalance, c.balanceAfter);
        EXPECT_TRUE(random.draws.empty()) << random.draws.size() << " draws left";
    }
}

TEST(MatchDay, AnAnsweredOfferChangesNothingElse) {
    Career career = testCareer(50, 50, 50);
    const Career before = career;
    ScriptedRandom random;
    random.draws = {drawFor(0, 3)};
    EXPECT_EQ(answerBookie(career, true, random).next, PlayNext::match);
    Career expected = before;
    expected.bankBalance = 50000;
    // and the history's next row is to tell of the money.
    expected.sinceLastMatch.bookieMoney = 50000;
    EXPECT_EQ(career, expected);

    const PlayOutcome declined = answerBookie(career, false, random);
    EXPECT_EQ(declined.next, PlayNext::match);
    EXPECT_EQ(career, expected);
    EXPECT_EQ(random.taken, 1);
    EXPECT_EQ(playAgainQuestion(), playAgain);
}

}  // namespace
