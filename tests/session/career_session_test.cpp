// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/career_session.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <vector>

#include "game/purchase.h"
#include "saves/career_file.h"
#include "saves/history_file.h"
#include "saves/save_file.h"
#include "saves/save_file_io.h"
#include "support/chosen_match.h"
#include "support/file_contents.h"
#include "support/qt_printers.h"
#include "support/scripted_random.h"
#include "support/test_career.h"

namespace {

// The draws of the match day: the bookie makes his offer on one of thirty,
// and the enquiry finds out one player in three who took the money.
const double noOffer = drawFor(0, 30);
const double offer = drawFor(15, 30);
const double notCaught = drawFor(0, 3);
const double caught = drawFor(1, 3);

enum class Bookie { notAsked, refused, taken };

struct PressOfPlay {
    const char* name;
    Level level;
    Skills skills;
    std::vector<double> draws;
    // The player's answer, if the bookie asks.
    bool takesTheMoney;
    std::vector<PlayNotice> notices;
    PlayNext next;
    Bookie bookie;
    Level levelAfter;
    double bankAfter;
};

void PrintTo(const PressOfPlay& c, std::ostream* out) {
    *out << c.name;
}

std::vector<PlayNotice> kindsOf(const PlayOutcome& outcome) {
    std::vector<PlayNotice> kinds;
    for (const Notice& notice : outcome.notices) kinds.push_back(notice.kind);
    return kinds;
}

class APressOfPlay : public ::testing::TestWithParam<PressOfPlay> {};

// Every way a press of Play can go, with the draws and the answer scripted:
// each takes exactly its draws, asks the bookie's question only when he
// makes his offer, and leaves the career where the rules put it.
TEST_P(APressOfPlay, GoesWhereTheDrawsAndTheAnswerLeadIt) {
    const PressOfPlay& c = GetParam();
    Career career = testCareer(c.skills.batting, c.skills.bowling, c.skills.fielding);
    placeAtLevel(career, c.level);
    career.bankBalance = 1000;
    CareerSession session(career);
    ScriptedRandom random;
    random.draws.assign(c.draws.begin(), c.draws.end());
    int asked = 0;

    const PlayOutcome outcome = session.play(random, [&](double bribe) {
        EXPECT_EQ(bribe, 50000);
        ++asked;
        return c.takesTheMoney;
    });

    EXPECT_EQ(kindsOf(outcome), c.notices);
    EXPECT_EQ(outcome.next, c.next);
    EXPECT_EQ(asked, c.bookie == Bookie::notAsked ? 0 : 1);
    EXPECT_TRUE(random.draws.empty()) << random.draws.size() << " draws left";
    EXPECT_EQ(session.career().level, c.levelAfter);
    EXPECT_EQ(session.career().bankBalance, c.bankAfter);
    EXPECT_EQ(session.career().sinceLastMatch.bookieMoney, c.bookie == Bookie::taken ? 50000 : 0);
    // Play itself never plays the match.
    EXPECT_TRUE(session.history().rows().empty());
    EXPECT_EQ(session.career().statistics().matches, 0);
}

using enum PlayNotice;

INSTANTIATE_TEST_SUITE_P(Outcomes, APressOfPlay,
                         ::testing::Values(PressOfPlay{"PromotedWithoutAMatch",
                                                       Level::club,
                                                       {150, 150, 150},
                                                       {},
                                                       false,
                                                       {promoted},
                                                       PlayNext::nothing,
                                                       Bookie::notAsked,
                                                       Level::city,
                                                       1000},
                                           PressOfPlay{"PickedForTheWorldCup",
                                                       Level::national,
                                                       {210, 60, 60},
                                                       {},
                                                       false,
                                                       {selectedForWorldCup},
                                                       PlayNext::nothing,
                                                       Bookie::notAsked,
                                                       Level::national,
                                                       1000},
                                           PressOfPlay{"DroppedFromTheCity",
                                                       Level::city,
                                                       {5, 5, 5},
                                                       {},
                                                       false,
                                                       {notGoodEnough, dropped},
                                                       PlayNext::nothing,
                                                       Bookie::notAsked,
                                                       Level::club,
                                                       1000},
                                           PressOfPlay{"PoorFieldingDropsOneLevel",
                                                       Level::state,
                                                       {60, 60, 10},
                                                       {},
                                                       false,
                                                       {poorFielding, dropped},
                                                       PlayNext::nothing,
                                                       Bookie::notAsked,
                                                       Level::city,
                                                       1000},
                                           PressOfPlay{"SelectedWithNoOffer",
                                                       Level::club,
                                                       {60, 60, 60},
                                                       {noOffer},
                                                       false,
                                                       {},
                                                       PlayNext::match,
                                                       Bookie::notAsked,
                                                       Level::club,
                                                       1000},
                                           PressOfPlay{"OfferRefused",
                                                       Level::club,
                                                       {60, 60, 60},
                                                       {offer},
                                                       false,
                                                       {},
                                                       PlayNext::match,
                                                       Bookie::refused,
                                                       Level::club,
                                                       1000},
                                           PressOfPlay{"OfferTakenAndNotFoundOut",
                                                       Level::city,
                                                       {60, 60, 60},
                                                       {offer, notCaught},
                                                       true,
                                                       {},
                                                       PlayNext::match,
                                                       Bookie::taken,
                                                       Level::city,
                                                       51000},
                                           PressOfPlay{"OfferTakenAndCaught",
                                                       Level::state,
                                                       {60, 60, 60},
                                                       {offer, caught},
                                                       true,
                                                       {caughtByTheEnquiry},
                                                       PlayNext::careerOver,
                                                       Bookie::taken,
                                                       Level::state,
                                                       51000}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(APressOfPlayAtTheClub, DroppedEndsTheCareer) {
    Career career = testCareer(60, 60, 60);
    career.gear.pads = 0;
    CareerSession session(career);
    ScriptedRandom random;
    const PlayOutcome outcome = session.play(random, [](double) {
        ADD_FAILURE() << "the bookie asked a player who was not selected";
        return false;
    });
    EXPECT_EQ(kindsOf(outcome), (std::vector<PlayNotice>{shortOfGear, dropped}));
    EXPECT_EQ(outcome.next, PlayNext::careerOver);
    EXPECT_EQ(outcome.notices.back().team, QStringLiteral("Five Star"));
}

// A career with auto-save on, played through its session as the screens
// play it, in a Saves folder of its own.
class SavedSession : public ::testing::Test {
  protected:
    QTemporaryDir program;
    QString saves = program.path() + QStringLiteral("/Saves");

    // On, to the file of the player "Ravi".
    const AutoSave autoSaveOn{true, QStringLiteral("ravi_auto.bsg")};

    // The career as Load would read it back from its save file.
    Career loaded(const CareerSession& session) const {
        const SaveFileReading reading = readSaveFile(session.savePath());
        EXPECT_TRUE(reading.file) << reading.error.toStdString();
        if (!reading.file) return {};
        ScriptedRandom clubDraw;
        clubDraw.draws = {drawFor(0, 5)};
        return careerFromSave(*reading.file, clubDraw);
    }
};

TEST_F(SavedSession, AMatchAfterTheBookiesMoneyIsSavedWithItsHistoryRow) {
    CareerSession session(testCareer(60, 60, 60), autoSaveOn, SaveTarget{saves, false, {}});
    EXPECT_EQ(session.savePath(), saves + QStringLiteral("/ravi_auto.bsg"));
    EXPECT_EQ(session.historyPath(), saves + QStringLiteral("/ravi_auto.history.csv"));
    ScriptedRandom random;
    random.draws = {offer, notCaught};
    ASSERT_EQ(session.play(random, [](double) { return true; }).next, PlayNext::match);

    // 30 runs, 1 wicket, 1 catch with the gear and body as new.
    random.draws = {drawFor(30, 60), drawFor(20, 60), drawFor(30, 60)};
    const MatchPerformance match = session.drawMatch(random);
    EXPECT_EQ(match, (MatchPerformance{30, 1, 1}));
    EXPECT_EQ(session.career().statistics().matches, 0);

    const ConfirmedMatch confirmed = session.confirmMatch();
    EXPECT_FALSE(confirmed.refused);
    EXPECT_FALSE(confirmed.saveFailure);
    EXPECT_FALSE(confirmed.historyFailure);
    EXPECT_EQ(session.career().statistics().matches, 1);
    EXPECT_EQ(session.career().bankBalance, 53000);

    // What is on disk is the career in play, and the row of its match.
    EXPECT_EQ(saveFileOf(loaded(session), true).line(saveLine::bankbalance),
              QStringLiteral("53000"));
    EXPECT_EQ(contents(session.savePath()), encodeSaveFile(saveFileOf(session.career(), true)));
    const CareerHistory read = readHistory(session.historyPath(), loaded(session)).history;
    ASSERT_EQ(read.rows().size(), 1u);
    EXPECT_EQ(read.rows(), session.history().rows());
    EXPECT_EQ(read.rows().front().performance, match);
    EXPECT_EQ(read.rows().front().events.bookieMoney, 50000);
}

// A promotion, a sponsor and a visit to the store between two matches all
// reach the next match's row; the sponsor and the purchase are each saved as
// they are made, and the history file changes only with a match.
TEST_F(SavedSession, WhatHappensBetweenMatchesGoesIntoTheNextRow) {
    CareerSession session(testCareer(60, 60, 60), autoSaveOn, SaveTarget{saves, false, {}});
    ScriptedRandom random;

    random.draws = {noOffer};
    ASSERT_EQ(session.play(random, [](double) { return false; }).next, PlayNext::match);
    ASSERT_FALSE(confirmChosenMatch(session, MatchPerformance{20, 0, 1}).saveFailure);
    const QByteArray afterFirst = contents(session.savePath());

    session.changeCareer([](Career& career) {
        career.skills = {150, 150, 150};
        career.bankBalance = 100000;
    });
    const PlayOutcome promotion = session.play(random, [](double) { return false; });
    EXPECT_EQ(kindsOf(promotion), std::vector<PlayNotice>{promoted});
    EXPECT_EQ(session.career().level, Level::city);

    const QByteArray historyAfterFirst = contents(session.historyPath());
    const TakenSponsor sponsor = session.takeSponsor(0);
    EXPECT_EQ(sponsor.outcome, SponsorOutcome::taken);
    EXPECT_TRUE(sponsor.save.saved);
    EXPECT_NE(contents(session.savePath()), afterFirst);
    EXPECT_EQ(loaded(session).sponsor, QStringLiteral("PEPSI"));
    Purchase gear(purchase_centres::store(), session.career());
    const ConfirmedPurchase bought = session.confirmPurchase(gear);
    EXPECT_EQ(bought.outcome, PurchaseOutcome::bought);
    EXPECT_TRUE(bought.save.saved);
    EXPECT_FALSE(bought.save.saveFailure);
    EXPECT_TRUE(bought.save.keptAside.empty());
    EXPECT_EQ(contents(session.savePath()), encodeSaveFile(saveFileOf(session.career(), true)));
    EXPECT_EQ(loaded(session).bankBalance, gear.balanceAfter());
    EXPECT_EQ(contents(session.historyPath()), historyAfterFirst);

    random.draws = {noOffer};
    ASSERT_EQ(session.play(random, [](double) { return false; }).next, PlayNext::match);
    ASSERT_FALSE(confirmChosenMatch(session, MatchPerformance{}).saveFailure);
    ASSERT_EQ(session.history().rows().size(), 2u);
    const SinceLastMatch& events = session.history().rows().back().events;
    EXPECT_EQ(events.levelChanges, std::vector<Level>{Level::city});
    EXPECT_EQ(events.sponsorTaken, QStringLiteral("PEPSI"));
    EXPECT_EQ(events.gearCost, gear.totalCost());
    EXPECT_EQ(events.trainingCost, 0);
    EXPECT_EQ(events.bookieMoney, 0);
    EXPECT_EQ(readHistory(session.historyPath(), loaded(session)).history.rows(),
              session.history().rows());
}

// Gear bought after the last match is saved with the career, not with a row:
// loaded again, the career keeps its whole history all the same.
TEST_F(SavedSession, APurchaseAfterTheLastMatchKeepsTheHistoryAtTheNextLoad) {
    CareerSession session(testCareer(60, 60, 60), autoSaveOn, SaveTarget{saves, false, {}});
    ScriptedRandom random;
    for (const MatchPerformance& match : {MatchPerformance{20, 0, 1}, MatchPerformance{7, 2, 0}}) {
        random.draws = {noOffer};
        ASSERT_EQ(session.play(random, [](double) { return false; }).next, PlayNext::match);
        ASSERT_FALSE(confirmChosenMatch(session, match).saveFailure);
    }
    session.changeCareer([](Career& career) { career.bankBalance = 100000; });
    const Purchase gear(purchase_centres::store(), session.career());
    ASSERT_EQ(session.confirmPurchase(gear).outcome, PurchaseOutcome::bought);
    ASSERT_EQ(session.takeSponsor(0).outcome, SponsorOutcome::taken);
    const HistoryReading read = readHistory(session.historyPath(), loaded(session));
    EXPECT_EQ(read.history.rows(), session.history().rows());
    EXPECT_FALSE(read.leftOut.any());
}

// A match is played once, and only one drawn for the step of play: a
// confirmation with no match drawn, a second one of the same match, or one of
// a match drawn before the last press of Play is refused, and neither the
// career, its history nor its files change.
TEST_F(SavedSession, EachDrawnMatchIsConfirmedOnce) {
    CareerSession session(testCareer(60, 60, 60), autoSaveOn, SaveTarget{saves, false, {}});
    ScriptedRandom random;
    const auto refusedLeavesAllAsItWas = [&](MatchRefusal why) {
        const Career before = session.career();
        const CareerHistory historyBefore = session.history();
        const bool saveExisted = QFileInfo::exists(session.savePath());
        const QByteArray saveBefore = saveExisted ? contents(session.savePath()) : QByteArray();
        const ConfirmedMatch refused = session.confirmMatch();
        EXPECT_EQ(refused.refused, why);
        EXPECT_EQ(refused.award, 0);
        EXPECT_FALSE(refused.saved);
        EXPECT_FALSE(refused.saveFailure);
        EXPECT_TRUE(refused.keptAside.empty());
        EXPECT_EQ(session.career(), before);
        EXPECT_EQ(session.history().rows(), historyBefore.rows());
        ASSERT_EQ(QFileInfo::exists(session.savePath()), saveExisted);
        if (saveExisted) {
            EXPECT_EQ(contents(session.savePath()), saveBefore);
        }
    };

    refusedLeavesAllAsItWas(MatchRefusal::noMatchDrawn);
    EXPECT_FALSE(QFileInfo::exists(saves));

    const std::vector<double> thirtyRuns = {drawFor(30, 60), drawFor(20, 60), drawFor(30, 60)};
    random.draws = {noOffer};
    ASSERT_EQ(session.play(random, [](double) { return false; }).next, PlayNext::match);
    random.draws.assign(thirtyRuns.begin(), thirtyRuns.end());
    session.drawMatch(random);
    const ConfirmedMatch first = session.confirmMatch();
    EXPECT_FALSE(first.refused);
    EXPECT_TRUE(first.saved);
    refusedLeavesAllAsItWas(MatchRefusal::alreadyConfirmed);

    // The next match, drawn and confirmed, is played as the first was.
    random.draws.assign(thirtyRuns.begin(), thirtyRuns.end());
    const MatchPerformance drawn = session.drawMatch(random);
    const ConfirmedMatch second = session.confirmMatch();
    EXPECT_FALSE(second.refused);
    EXPECT_TRUE(second.saved);
    EXPECT_EQ(session.career().statistics().matches, 2);
    ASSERT_EQ(session.history().rows().size(), 2u);
    EXPECT_EQ(session.history().rows().back().performance, drawn);
    EXPECT_EQ(readHistory(session.historyPath(), loaded(session)).history.rows(),
              session.history().rows());

    // A match drawn and left unconfirmed is not played after the next press
    // of Play, which leads to a match of its own.
    random.draws.assign(thirtyRuns.begin(), thirtyRuns.end());
    session.drawMatch(random);
    random.draws = {noOffer};
    ASSERT_EQ(session.play(random, [](double) { return false; }).next, PlayNext::match);
    refusedLeavesAllAsItWas(MatchRefusal::noMatchDrawn);
}

// Only what changes the career saves it: a purchase the balance cannot
// pay, one of no units and a sponsor that makes no offer leave the file as
// the last match left it.
TEST_F(SavedSession, WhatChangesNothingSavesNothing) {
    Career career = testCareer(60, 60, 60);
    career.bankBalance = 10;
    CareerSession session(career, autoSaveOn, SaveTarget{saves, false, {}});
    ASSERT_TRUE(confirmChosenMatch(session, MatchPerformance{20, 0, 1}).saved);
    const QByteArray afterMatch = contents(session.savePath());

    session.changeCareer([](Career& playing) { playing.bankBalance = 10; });
    const Purchase tooDear(purchase_centres::training(), session.career());
    ASSERT_FALSE(tooDear.affordable());
    const ConfirmedPurchase refused = session.confirmPurchase(tooDear);
    EXPECT_EQ(refused.outcome, PurchaseOutcome::shortOfMoney);
    EXPECT_FALSE(refused.save.saved);
    Purchase nothing(purchase_centres::store(), session.career());
    for (int row = 0; row < static_cast<int>(nothing.rows().size()); ++row)
        nothing.setUnitsChosen(row, 0);
    EXPECT_FALSE(session.confirmPurchase(nothing).save.saved);
    const TakenSponsor notOffered = session.takeSponsor(static_cast<int>(sponsors.size()) - 1);
    EXPECT_EQ(notOffered.outcome, SponsorOutcome::notOffered);
    EXPECT_FALSE(notOffered.save.saved);
    EXPECT_EQ(contents(session.savePath()), afterMatch);
}

TEST_F(SavedSession, WithAutoSaveOffNothingIsWritten) {
    CareerSession session(testCareer(60, 60, 60), AutoSave{}, SaveTarget{saves, false, {}});
    ScriptedRandom random;
    random.draws = {noOffer};
    ASSERT_EQ(session.play(random, [](double) { return false; }).next, PlayNext::match);
    const ConfirmedMatch confirmed = confirmChosenMatch(session, MatchPerformance{12, 0, 0});
    EXPECT_FALSE(confirmed.saveFailure);
    EXPECT_EQ(session.history().rows().size(), 1u);
    session.changeCareer([](Career& playing) { playing.bankBalance = 10000000; });
    const ConfirmedPurchase bought =
        session.confirmPurchase(Purchase(purchase_centres::training(), session.career()));
    EXPECT_EQ(bought.outcome, PurchaseOutcome::bought);
    EXPECT_FALSE(bought.save.saved);
    EXPECT_FALSE(bought.save.saveFailure);
    EXPECT_EQ(session.takeSponsor(0).outcome, SponsorOutcome::taken);
    EXPECT_FALSE(QFileInfo::exists(saves));
}

}  // namespace

namespace {

// Only a sponsor that makes the player an offer can be taken: one whose
// threshold his overall skill does not pass, or an index outside the list,
// is refused, and neither his sponsor nor what he has taken since the match
// before changes.
TEST(TakingASponsor, OnlyOneThatMakesAnOfferIsTaken) {
    CareerSession session(testCareer(60, 60, 60));
    const SponsorshipOffers offers = sponsorshipOffers(session.career());
    ASSERT_TRUE(offers.offered[0]);
    ASSERT_FALSE(offers.offered[sponsors.size() - 1]);
    const Career before = session.career();
    for (const int index :
         {static_cast<int>(sponsors.size()) - 1, -1, static_cast<int>(sponsors.size())}) {
        EXPECT_EQ(session.takeSponsor(index).outcome, SponsorOutcome::notOffered) << index;
        EXPECT_EQ(session.career(), before) << index;
    }
    EXPECT_EQ(session.takeSponsor(0).outcome, SponsorOutcome::taken);
    EXPECT_EQ(session.career().sponsor, sponsors[0].name);
    EXPECT_EQ(session.career().sponsorship, offers.amounts[0]);
    EXPECT_EQ(session.career().sinceLastMatch.sponsorTaken, sponsors[0].name);
}

}  // namespace
