#include "sim/spending_policy.h"

#include <algorithm>

#include "core/numbers.h"
#include "manage/purchase.h"
#include "manage/sponsorship.h"

bool takeBestSponsor(CareerRecord& record) {
    const SponsorshipOffers offers = sponsorshipOffers(record);
    int best = -1;
    for (int i = 0; i < static_cast<int>(sponsors.size()); ++i) {
        if (offers.offered[i] && (best < 0 || offers.amounts[i] > offers.amounts[best])) best = i;
    }
    if (best < 0 || offers.amounts[best] <= numbers::toDouble(record.text(Field::sponsorship))) {
        return false;
    }
    takeSponsor(record, sponsors[best].caption, QString::number(offers.amounts[best]));
    return true;
}

bool buyWhatIsAffordable(const PurchaseCentre& centre, CareerRecord& record, Prompter& prompter) {
    Purchase purchase(centre, record);
    if (!purchase.affordable()) {
        std::int64_t left = purchase.balanceBefore();
        for (int i = 0; i < static_cast<int>(purchase.rows().size()); ++i) {
            const PurchaseRow& row = purchase.rows()[i];
            const std::int64_t units =
                std::clamp<std::int64_t>(left / row.rate, 0, row.unitsOffered);
            purchase.setUnitsChosen(i, static_cast<int>(units));
            left -= units * row.rate;
        }
    }
    if (purchase.totalCost() == 0) return false;
    return CheckData(purchase, record, prompter);
}
