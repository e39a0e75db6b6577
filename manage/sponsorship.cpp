#include "manage/sponsorship.h"

#include "core/levels.h"
#include "core/numbers.h"

SponsorshipOffers sponsorshipOffers(const CareerRecord& record) {
    const int levelNumber = levels::number(record.text(Field::level));
    const int overallSkill = numbers::toInt16(record.text(Field::skill));
    SponsorshipOffers offers;
    for (std::size_t i = 0; i < sponsors.size(); ++i) {
        offers.offered[i] = overallSkill > sponsors[i].threshold;
        offers.amounts[i] = sponsors[i].offerPerLevel * levelNumber;
    }
    return offers;
}

void takeSponsor(CareerRecord& record, const QString& caption, const QString& offerText) {
    record.set(Field::sponsor, caption);
    record.set(Field::sponsorship, numbers::text(numbers::wholePart(offerText)));
}
