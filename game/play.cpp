// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/play.h"

#include <cmath>

#include "game/career.h"
#include "game/level_change.h"
#include "game/money.h"
#include "game/random_source.h"
#include "game/saturating.h"
#include "game/selection.h"

namespace {

constexpr int offerChances = 30;
constexpr int offerDraw = 15;
constexpr int enquiryChances = 3;
constexpr int caughtDraw = 1;

PlayOutcome promotion(Career& career) {
    const bool worldCup = career.level == Level::national;
    promote(career);
    if (worldCup) return {{{PlayNotice::selectedForWorldCup, career.teams.nation}}};
    return {{{PlayNotice::promoted, career.team}}};
}

PlayOutcome drop(Career& career, const Rejection& rejection) {
    // A club player has no level below: his career ends, dropped from the
    // side he plays for, whichever club a loaded career names.
    const bool fromTheClub = career.level == Level::club;
    const QString leaving = fromTheClub ? career.team : teamAt(career, career.level);
    dropOneLevel(career);
    if (!fromTheClub) career.sinceLastMatch.dropReasons.push_back(rejection.shortfall);
    return {{{rejection.reason, QString(), rejection.shortfall}, {PlayNotice::dropped, leaving}},
            fromTheClub ? PlayNext::careerOver : PlayNext::nothing};
}

PlayOutcome matchDay(RandomSource& random) {
    if (drawBelow(random, offerChances) == offerDraw) return {{}, PlayNext::bookieOffer};
    return {{}, PlayNext::match};
}

}  // namespace

PlayOutcome selectForMatch(Career& career, RandomSource& random) {
    if (earnsPromotion(career)) return promotion(career);
    if (const auto why = rejection(career)) return drop(career, *why);
    return matchDay(random);
}

PlayOutcome answerBookie(Career& career, bool takesTheMoney, RandomSource& random) {
    if (!takesTheMoney) return {{}, PlayNext::match};
    career.bankBalance = saturateMoney(std::floor(career.bankBalance) + bookiesBribe);
    career.sinceLastMatch.bookieMoney =
        saturate32(career.sinceLastMatch.bookieMoney + bookiesBribe);
    // A draw of its own: the enquiry does not follow from the offer.
    if (drawBelow(random, enquiryChances) == caughtDraw) {
        return {{{PlayNotice::caughtByTheEnquiry, QString()}}, PlayNext::careerOver};
    }
    return {{}, PlayNext::match};
}
