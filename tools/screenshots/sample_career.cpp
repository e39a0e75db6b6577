// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/screenshots/sample_career.h"

#include "game/career.h"
#include "game/history.h"
#include "game/level_change.h"
#include "game/match.h"
#include "game/play.h"
#include "game/purchase.h"
#include "game/sponsorship.h"

namespace {

constexpr int clubMatches = 9;
constexpr int cityMatches = 4;
constexpr int chosenSponsor = 2;

// Below this a condition is brought back to full.
constexpr int keptAbove = 45;
// What the player keeps in the bank before he trains.
constexpr double reserve = 15000;

void playMatches(Career& career, RandomSource& random, int count) {
    for (int i = 0; i < count; ++i) applyMatch(career, drawMatch(career, random));
}

// Every unit the centre offers for the rows whose value is running low, when
// the bank can pay for them.
void restore(const PurchaseCentre& centre, Career& career) {
    Purchase purchase(centre, career);
    for (int row = 0; row < static_cast<int>(purchase.rows().size()); ++row) {
        if (purchase.rows()[row].currentValue >= keptAbove) purchase.setUnitsChosen(row, 0);
    }
    if (purchase.totalCost() > 0 && purchase.affordable()) confirmPurchase(career, purchase);
}

// A unit of each skill at a time while the bank holds more than the reserve.
void train(Career& career) {
    for (;;) {
        Purchase purchase(purchase_centres::training(), career);
        for (int row = 0; row < static_cast<int>(purchase.rows().size()); ++row) {
            purchase.setUnitsChosen(row, 1);
        }
        if (purchase.totalCost() == 0 || purchase.balanceAfter() < reserve) return;
        confirmPurchase(career, purchase);
    }
}

void takeBestSponsor(Career& career) {
    const SponsorshipOffers offers = sponsorshipOffers(career);
    int best = -1;
    for (int i = 0; i < static_cast<int>(sponsors.size()); ++i) {
        if (offers.offered[i] && (best < 0 || offers.amounts[i] > offers.amounts[best])) best = i;
    }
    if (best >= 0 && offers.amounts[best] > career.sponsorship) takeSponsor(career, best);
}

}  // namespace

PlayerDetails sampleDetails() {
    return PlayerDetails{
        QStringLiteral("Arjun Mehta"), QStringLiteral("Mumbai"), QStringLiteral("Maharashtra"),
        QStringLiteral("India"),       Skills{80, 72, 78},       true};
}

Career careerAtClub(const QString& club, RandomSource& random) {
    Career career = startCareer(sampleDetails(), random);
    career.drawnClub = career.team = career.teams.club = club;
    return career;
}

void playSampleSeason(Career& career, RandomSource& random) {
    playMatches(career, random, clubMatches);
    // Promotion as the selection makes it: the city's fee, team and statistics.
    promote(career);
    playMatches(career, random, cityMatches);
    takeSponsor(career, chosenSponsor);
}

void playSampleCareer(Career& career, CareerHistory& history, RandomSource& random, int matches) {
    while (static_cast<int>(history.rows().size()) < matches) {
        takeBestSponsor(career);
        restore(purchase_centres::store(), career);
        restore(purchase_centres::health(), career);
        train(career);
        PlayOutcome outcome = selectForMatch(career, random);
        if (outcome.next == PlayNext::bookieOffer) outcome = answerBookie(career, false, random);
        if (outcome.next == PlayNext::careerOver) return;
        if (outcome.next != PlayNext::match) continue;
        const MatchPerformance match = drawMatch(career, random);
        const double award = applyMatch(career, match);
        history.append(takeHistoryRow(career, match, award));
    }
}
