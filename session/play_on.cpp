// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/play_on.h"

#include <algorithm>

#include "game/selection.h"

namespace {

int conditionValue(const Career& career, Shortfall::Figure figure) {
    switch (figure) {
        case Shortfall::bat:
            return career.gear.bat;
        case Shortfall::gloves:
            return career.gear.gloves;
        case Shortfall::pads:
            return career.gear.pads;
        case Shortfall::others:
            return career.gear.others;
        case Shortfall::fitness:
            return career.body.fitness;
        case Shortfall::health:
            return career.body.health;
        case Shortfall::stamina:
            return career.body.stamina;
        case Shortfall::overallSkill:
        case Shortfall::fielding:
            break;
    }
    return career.body.stamina;
}

bool tells(const PlayOutcome& outcome, PlayNotice kind) {
    return std::any_of(outcome.notices.begin(), outcome.notices.end(),
                       [kind](const Notice& notice) { return notice.kind == kind; });
}

}  // namespace

PlayOnRun::PlayOnRun(CareerSession& session, PlayOnRules rules)
    : session_(session), rules_(std::move(rules)), balanceBefore_(session.career().bankBalance) {
    summary_.levelBefore = session.career().level;
}

bool PlayOnRun::goesOn() {
    if (stopped_) return false;
    const Career& career = session_.career();
    if (summary_.matches >= rules_.matches) {
        stopped_ = PlayOnStop::allPlayed;
    } else if (rules_.beforeDrop && !dropWarnings(career).empty()) {
        stopped_ = PlayOnStop::dropWarning;
    } else if (rules_.conditionFloor && conditionValue(career, rules_.conditionFloor->figure) <=
                                            rules_.conditionFloor->value) {
        stopped_ = PlayOnStop::conditionFloor;
    }
    return !stopped_;
}

void PlayOnRun::stop() {
    if (!stopped_) stopped_ = PlayOnStop::stoppedByPlayer;
}

PlayOnStep PlayOnRun::playNext(RandomSource& random,
                               const CareerSession::BookieQuestion& question) {
    PlayOnStep step;
    const int match = summary_.matches + 1;
    step.played = session_.play(random, [&](double bribe) {
        step.bookieAsked = true;
        return question(bribe);
    });
    step.balanceAfterPlay = session_.career().bankBalance;
    for (const Notice& notice : step.played.notices) news_.push_back({match, notice});
    if (step.played.next == PlayNext::match) {
        step.match = session_.drawMatch(random);
        step.confirmed = session_.confirmMatch();
        ++summary_.matches;
        summary_.runs += step.match->runs;
        summary_.wickets += step.match->wickets;
        tell(match, *step.confirmed);
    }
    lastPlayed_ = step.played;
    stopAfter(step);
    return step;
}

void PlayOnRun::tell(int match, const ConfirmedMatch& confirmed) {
    if (confirmed.award > 0) news_.push_back({match, AwardNews{confirmed.award}});
    if (confirmed.saveFailure) news_.push_back({match, *confirmed.saveFailure});
    for (const KeptFile& kept : confirmed.keptAside) news_.push_back({match, kept});
    if (confirmed.historyFailure) {
        news_.push_back({match, HistoryNotKept{session_.historyPath(), *confirmed.historyFailure}});
    }
}

// What happened in the step stops the run after it, the career's end before
// all else.
void PlayOnRun::stopAfter(const PlayOnStep& step) {
    if (step.played.next == PlayNext::careerOver) {
        stopped_ = PlayOnStop::careerOver;
    } else if (step.bookieAsked) {
        stopped_ = PlayOnStop::bookieOffer;
    } else if (rules_.atPromotion && tells(step.played, PlayNotice::promoted)) {
        stopped_ = PlayOnStop::promotion;
    } else if (rules_.atWorldCup && tells(step.played, PlayNotice::selectedForWorldCup)) {
        stopped_ = PlayOnStop::worldCup;
    } else if (rules_.atAward && step.confirmed && step.confirmed->award > 0) {
        stopped_ = PlayOnStop::award;
    }
}

PlayOnSummary PlayOnRun::summary() const {
    PlayOnSummary summary = summary_;
    summary.moneyEarned = session_.career().bankBalance - balanceBefore_;
    summary.levelAfter = session_.career().level;
    return summary;
}
