// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

struct Career;

// A company that may sponsor the player: its name, the overall skill the
// player must pass for its offer, and its offer per level number.
struct Sponsor {
    QString name;
    int threshold;
    int offerPerLevel;
};

inline const std::array<Sponsor, 8> sponsors{{{QStringLiteral("PEPSI"), 55, 1200},
                                              {QStringLiteral("Coca Cola"), 60, 1500},
                                              {QStringLiteral("Standard Bank"), 65, 1800},
                                              {QStringLiteral("Cable & Wireless"), 70, 2000},
                                              {QStringLiteral("LG Electronics"), 75, 2300},
                                              {QStringLiteral("Orange Telecom"), 85, 2500},
                                              {QStringLiteral("Sahara India"), 90, 2800},
                                              {QStringLiteral("Hero Honda"), 95, 3000}}};

// The offers a career earns: which sponsors make one (overall skill strictly
// above their threshold) and what each would pay at the player's level.
struct SponsorshipOffers {
    std::array<bool, sponsors.size()> offered{};
    std::array<int, sponsors.size()> amounts{};
};

SponsorshipOffers sponsorshipOffers(const Career& career);

enum class SponsorOutcome { taken, notOffered };

// Takes the sponsor at the index in the list, whose offer at the player's
// level replaces the sponsorship he had, even a larger one. A sponsor that
// makes the player no offer, or an index outside the list, changes nothing.
SponsorOutcome takeSponsor(Career& career, int index);
