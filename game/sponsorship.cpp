// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/sponsorship.h"

#include "game/career.h"
#include "game/ratings.h"

SponsorshipOffers sponsorshipOffers(const Career& career) {
    const int multiplier = levelNumber(career.level);
    const int skill = overallSkill(career.skills);
    SponsorshipOffers offers;
    for (std::size_t i = 0; i < sponsors.size(); ++i) {
        offers.offered[i] = skill > sponsors[i].threshold;
        offers.amounts[i] = sponsors[i].offerPerLevel * multiplier;
    }
    return offers;
}

SponsorOutcome takeSponsor(Career& career, int index) {
    if (index < 0 || index >= static_cast<int>(sponsors.size()) ||
        !sponsorshipOffers(career).offered[static_cast<std::size_t>(index)]) {
        return SponsorOutcome::notOffered;
    }
    const Sponsor& sponsor = sponsors[static_cast<std::size_t>(index)];
    career.sponsor = sponsor.name;
    career.sponsorship = sponsor.offerPerLevel * levelNumber(career.level);
    career.sinceLastMatch.sponsorTaken = sponsor.name;
    return SponsorOutcome::taken;
}
