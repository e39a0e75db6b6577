#pragma once

#include <QString>
#include <array>

#include "core/career_record.h"

// A company that may sponsor the player: its name as the option shows it
// (a doubled "&" stands for a literal one), the overall skill it asks the
// player to pass, and its offer per level number.
struct Sponsor {
    QString caption;
    int threshold;
    int offerPerLevel;
};

inline const std::array<Sponsor, 8> sponsors{{{QStringLiteral("PEPSI"), 55, 1200},
                                              {QStringLiteral("Coca Cola"), 60, 1500},
                                              {QStringLiteral("Standard Bank"), 65, 1800},
                                              {QStringLiteral("Cable && Wireless"), 70, 2000},
                                              {QStringLiteral("LG Electronics"), 75, 2300},
                                              {QStringLiteral("Orange Telecom"), 85, 2500},
                                              {QStringLiteral("Sahara India"), 90, 2800},
                                              {QStringLiteral("Hero Honda"), 95, 3000}}};

// What the sponsorship screen shows for a career: which sponsors make an
// offer (overall skill strictly above their threshold) and every offer.
struct SponsorshipOffers {
    std::array<bool, sponsors.size()> offered{};
    std::array<int, sponsors.size()> amounts{};
};

SponsorshipOffers sponsorshipOffers(const CareerRecord& record);

// Takes a sponsor: its caption as shown on its option, and the offer as
// shown beside it, read as a whole number.
void takeSponsor(CareerRecord& record, const QString& caption, const QString& offerText);
