// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/simulated_career.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "game/match.h"
#include "game/money.h"
#include "game/play_messages.h"
#include "game/purchase.h"
#include "game/start_career.h"
#include "saves/auto_save.h"
#include "saves/career_file.h"
#include "saves/save_career.h"
#include "saves/save_file_io.h"
#include "sim/bookie_policy.h"
#include "sim/message_count.h"
#include "sim/seeded_random.h"
#include "sim/spending_policy.h"

namespace {

// Each Play either plays a match, ends the career, or moves the player one
// level (and no level change can follow another for ever without a match).
constexpr int mostPlaysWithoutMatch = 8;

bool tells(const PlayOutcome& outcome, PlayNotice kind) {
    return std::any_of(outcome.notices.begin(), outcome.notices.end(),
                       [kind](const Notice& notice) { return notice.kind == kind; });
}

}  // namespace

SimulatedCareer::SimulatedCareer(RandomSource& random, MessageCount& messages,
                                 const SimulationOptions& options, QString saveFolder)
    : random_(random), messages_(messages), options_(options), saveFolder_(std::move(saveFolder)) {}

CareerResult SimulatedCareer::play() {
    Skills& skills = ledger_.startingSkills;
    skills.batting = static_cast<std::int16_t>(drawBelow(random_, 101));
    skills.bowling = static_cast<std::int16_t>(drawBelow(random_, 101));
    skills.fielding = static_cast<std::int16_t>(drawBelow(random_, 101));
    session_ = CareerSession(
        startCareer(
            PlayerDetails{QStringLiteral("Simulated Player"), QStringLiteral("Pune"),
                          QStringLiteral("Maharashtra"), QStringLiteral("India"), skills, false},
            random_),
        AutoSave{false, autoSaveFileName(QStringLiteral("Simulated Player"))},
        SaveTarget{saveFolder_, false, {}});
    check("the start");

    // Played on as the main screen's Play on plays, run after run: a run
    // stops at the bookie's question, and the next one goes on from there.
    int playsWithoutMatch = 0;
    while (!end_) {
        PlayOnRules rules;
        rules.matches = static_cast<int>(std::min<long long>(options_.matchCap - ledger_.matches,
                                                             std::numeric_limits<int>::max()));
        rules.beforeDrop = false;
        PlayOnRun run(session_, rules);
        while (!end_ && run.goesOn()) {
            spend();
            const long long matchesBefore = ledger_.matches;
            playOnce(run);
            playsWithoutMatch = ledger_.matches == matchesBefore ? playsWithoutMatch + 1 : 0;
            if (playsWithoutMatch > mostPlaysWithoutMatch) {
                fail("Play",
                     QStringLiteral("%1 Plays in a row without a match").arg(playsWithoutMatch));
            }
        }
        if (run.stopped() == PlayOnStop::allPlayed) end_ = CareerEnd::matchCap;
    }
    result_.end = *end_;
    result_.matches = ledger_.matches;
    return result_;
}

void SimulatedCareer::spend() {
    const Career& career = session_.career();
    if (takeBestSponsor(session_)) {
        seen_.sponsorTaken = career.sponsor;
        check("taking a sponsor");
    }
    const struct {
        const PurchaseCentre& centre;
        const char* step;
        std::int32_t SinceLastMatch::*spent;
    } visits[] = {
        {purchase_centres::health(), "the health care centre", &SinceLastMatch::healthCareCost},
        {purchase_centres::store(), "the gear store", &SinceLastMatch::gearCost},
        {purchase_centres::training(), "the training centre", &SinceLastMatch::trainingCost}};
    for (const auto& visit : visits) {
        const double balanceBefore = career.bankBalance;
        if (!buyWhatIsAffordable(visit.centre, session_)) continue;
        const double balanceAfter = career.bankBalance;
        if (balanceAfter >= balanceBefore) {
            fail(visit.step, QStringLiteral("a purchase took the balance from %1 to %2")
                                 .arg(balanceBefore)
                                 .arg(balanceAfter));
        }
        seen_.*visit.spent += static_cast<std::int32_t>(balanceBefore - balanceAfter);
        check(visit.step);
    }
}

void SimulatedCareer::playOnce(PlayOnRun& run) {
    const Career& career = session_.career();
    const Level levelBefore = career.level;
    const bool worldCupBefore = career.selectedForWorldCup;
    const double balanceBefore = career.bankBalance;
    // What the match pays in; Play changes none of it on the way to a match.
    const double pay = std::floor(career.matchFee) + std::floor(career.sponsorship) +
                       std::floor(career.otherIncome);

    const PlayOnStep step = run.playNext(random_, [this](double bribe) {
        messages_.shown(bookieOfferQuestion(bribe));
        return takesTheBookiesMoney(random_, options_.bribeAcceptance);
    });
    const PlayOutcome& outcome = step.played;
    for (const Notice& notice : outcome.notices) messages_.shown(noticeText(notice));
    if (career.level != levelBefore) seen_.levelChanges.push_back(career.level);
    if (career.level < levelBefore && outcome.notices.front().shortfall) {
        seen_.dropReasons.push_back(*outcome.notices.front().shortfall);
    }
    if (tells(outcome, PlayNotice::selectedForWorldCup)) seen_.selectedForWorldCup = true;
    // Of all that Play does, only the bookie's money changes the balance.
    seen_.bookieMoney += static_cast<std::int32_t>(step.balanceAfterPlay - balanceBefore);
    switch (outcome.next) {
        case PlayNext::nothing:
            break;
        case PlayNext::match:
            checkMatch(*step.match, *step.confirmed, std::floor(step.balanceAfterPlay) + pay);
            break;
        case PlayNext::careerOver:
            endCareer(outcome);
            return;  // the career is over and must not be touched
        case PlayNext::bookieOffer:
            fail("Play", QStringLiteral("the bookie's offer was left unanswered"));
    }
    check("Play");

    const Level level = career.level;
    if (level > levelBefore && level != Level::club &&
        !result_.matchesToReach[levelIndex(level) - 1]) {
        result_.matchesToReach[levelIndex(level) - 1] = ledger_.matches;
    }
    if (career.selectedForWorldCup && !worldCupBefore && !result_.matchesToReach[3]) {
        result_.matchesToReach[3] = ledger_.matches;
    }
}

void SimulatedCareer::checkMatch(const MatchPerformance& match, const ConfirmedMatch& confirmed,
                                 double expectedBalance) {
    const Career& career = session_.career();
    if (match.runs < 0 || match.runs > 200 || match.wickets < 0 || match.wickets > 10 ||
        match.catches < 0 || match.catches > 10) {
        fail("the match", QStringLiteral("a match of %1 runs, %2 wickets and %3 catches")
                              .arg(match.runs)
                              .arg(match.wickets)
                              .arg(match.catches));
    }
    // Auto-save is off, so confirming wrote nothing to the folder.
    if (confirmed.award > 0) messages_.shown(awardNotice(confirmed.award));
    if (confirmed.saveFailure) {
        fail("the match", QStringLiteral("the career was saved to %1, which failed: %2")
                              .arg(confirmed.saveFailure->path, confirmed.saveFailure->reason));
    }
    ++ledger_.matches;
    ledger_.runs += match.runs;
    ledger_.wickets += match.wickets;
    ledger_.catches += match.catches;

    if (career.bankBalance != expectedBalance) {
        fail("the match", QStringLiteral("the bank balance is %1 after the match, not %2")
                              .arg(moneyText(career.bankBalance))
                              .arg(expectedBalance, 0, 'f', 0));
    }
    check("the match");
    checkHistory(match, confirmed.award);
    seen_ = SinceLastMatch{};

    for (const int checkpoint : balanceCheckpoints) {
        if (ledger_.matches == checkpoint) {
            result_.balances.emplace_back(checkpoint, career.bankBalance);
        }
    }
    if (options_.saveEvery > 0 && ledger_.matches % options_.saveEvery == 0) saveAndLoad();
}

// Writes the career's save file, reads it back into a career of its own (with
// a club draw of its own, so that the run's stream is untouched) and expects
// that career to write the very same file.
void SimulatedCareer::saveAndLoad() const {
    const Career& career = session_.career();
    const AutoSave& autoSave = session_.autoSave();
    const SaveFile saved = saveFileOf(career, autoSave.on);
    if (const auto error = writeSaveFile(saveFolder_, autoSave.fileName, saved)) {
        fail("saving", *error);
    }
    const SaveFileReading reading = readSaveFile(saveFilePath(saveFolder_, autoSave.fileName));
    if (!reading.file) fail("loading", reading.error);

    SeededRandom clubDraw(0);
    const Career loaded = careerFromSave(*reading.file, clubDraw);
    const SaveFile resaved =
        saveFileOf(loaded, autoSaveFromSave(*reading.file, autoSave.fileName).on);
    for (int number = 1; number <= saveFileLineCount; ++number) {
        if (resaved.line(number) != saved.line(number)) {
            fail("loading",
                 QStringLiteral("line %1 of the save file is \"%2\" after loading, \"%3\" when "
                                "saved")
                     .arg(number)
                     .arg(resaved.line(number), saved.line(number)));
        }
    }
}

// The match's row holds the match as it was played and the career as the
// match left it, under the next number of the career.
void SimulatedCareer::checkHistory(const MatchPerformance& match, double award) const {
    const Career& career = session_.career();
    const CareerHistory& history = session_.history();
    if (history.rows().size() != static_cast<std::size_t>(ledger_.matches)) {
        fail("the match", QStringLiteral("the history holds %1 rows").arg(history.rows().size()));
    }
    const HistoryRow& row = history.rows().back();
    if (row.match != ledger_.matches || row.performance != match || row.award != award ||
        row.level != career.level || row.team != career.team || row.skills != career.skills ||
        row.gear != career.gear || row.body != career.body || row.matchFee != career.matchFee ||
        row.sponsorship != career.sponsorship || row.otherIncome != career.otherIncome ||
        row.bankBalance != career.bankBalance) {
        fail("the match",
             QStringLiteral("the history's row %1 is not the match just played").arg(row.match));
    }
    if (row.events != seen_) {
        fail("the match", QStringLiteral("the history's row %1 does not hold what happened since "
                                         "the match before")
                              .arg(row.match));
    }
    if (career.sinceLastMatch != SinceLastMatch{}) {
        fail("the match", QStringLiteral("the events of match %1 were not cleared").arg(row.match));
    }
}

void SimulatedCareer::endCareer(const PlayOutcome& outcome) {
    const Career& career = session_.career();
    messages_.shown(playAgainQuestion());
    if (tells(outcome, PlayNotice::caughtByTheEnquiry)) {
        end_ = CareerEnd::caught;
    } else if (tells(outcome, PlayNotice::dropped) && career.level == Level::club) {
        end_ = CareerEnd::dropped;
    } else {
        const QString last = outcome.notices.empty() ? QStringLiteral("no notice")
                                                     : noticeText(outcome.notices.back());
        fail("Play", QStringLiteral("the career ended after \"%1\"").arg(last));
    }
}

void SimulatedCareer::check(const char* step) const {
    if (const auto problem = brokenInvariant(session_.career(), ledger_)) fail(step, *problem);
}

void SimulatedCareer::fail(const char* step, const QString& what) const {
    throw InvariantBroken(QStringLiteral("after %1, %2 matches into the career: %3")
                              .arg(QString::fromLatin1(step))
                              .arg(ledger_.matches)
                              .arg(what));
}
