// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/spending_policy.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "game/career.h"
#include "game/purchase.h"
#include "game/sponsorship.h"
#include "session/career_session.h"

bool takeBestSponsor(CareerSession& session) {
    const Career& career = session.career();
    const SponsorshipOffers offers = sponsorshipOffers(career);
    int best = -1;
    for (int i = 0; i < static_cast<int>(sponsors.size()); ++i) {
        if (offers.offered[i] && (best < 0 || offers.amounts[i] > offers.amounts[best])) best = i;
    }
    if (best < 0 || offers.amounts[best] <= career.sponsorship) return false;
    session.takeSponsor(best);
    return true;
}

bool buyWhatIsAffordable(const PurchaseCentre& centre, CareerSession& session) {
    Purchase purchase(centre, session.career());
    if (!purchase.affordable()) {
        auto left = static_cast<std::int64_t>(std::floor(purchase.balanceBefore()));
        for (int i = 0; i < static_cast<int>(purchase.rows().size()); ++i) {
            const PurchaseRow& row = purchase.rows()[i];
            const std::int64_t units =
                std::clamp<std::int64_t>(left / row.rate, 0, row.unitsOffered);
            purchase.setUnitsChosen(i, static_cast<int>(units));
            left -= units * row.rate;
        }
    }
    if (purchase.totalCost() == 0) return false;
    return session.confirmPurchase(purchase).outcome == PurchaseOutcome::bought;
}
