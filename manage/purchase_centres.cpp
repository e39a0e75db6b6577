#include "manage/purchase_centres.h"

namespace purchase_centres {

const PurchaseCentre& training() {
    static const PurchaseCentre centre{QStringLiteral("Training"),
                                       QStringLiteral("Bailcrest: Training Centre"),
                                       QStringLiteral("TRAINING CENTRE RATES"),
                                       QStringLiteral("UNITS YOU INTEND TO DEVELOP"),
                                       QStringLiteral("Available Units"),
                                       QStringLiteral("&OK"),
                                       QStringLiteral("&Cancel"),
                                       {{QStringLiteral("Batting:"), Label2(0), 1500},
                                        {QStringLiteral("Bowling:"), Label2(1), 1500},
                                        {QStringLiteral("Fielding:"), Label2(2), 1000}},
                                       true,
                                       UnitsRule::ladder};
    return centre;
}

const PurchaseCentre& store() {
    static const PurchaseCentre centre{QStringLiteral("Store"),
                                       QStringLiteral("Bailcrest: Cricket Store"),
                                       QStringLiteral("CRICKET GEAR STORE"),
                                       QStringLiteral("UNITS YOU INTEND TO BUY"),
                                       QStringLiteral("Required Units"),
                                       QStringLiteral("&OK"),
                                       QStringLiteral("&Cancel"),
                                       {{QStringLiteral("Bat:"), Label23(0), 150},
                                        {QStringLiteral("Gloves:"), Label23(1), 100},
                                        {QStringLiteral("Pads:"), Label23(2), 225},
                                        {QStringLiteral("Others:"), Label23(3), 350}},
                                       false,
                                       UnitsRule::restore};
    return centre;
}

const PurchaseCentre& health() {
    static const PurchaseCentre centre{QStringLiteral("Health"),
                                       QStringLiteral("Bailcrest: Health Care"),
                                       QStringLiteral("HEALTH CARE CENTRE"),
                                       QStringLiteral("UNITS YOU INTEND TO BUY"),
                                       QStringLiteral("Required Units"),
                                       QStringLiteral("OK"),
                                       QStringLiteral("Cancel"),
                                       {{QStringLiteral("Fitness:"), Label23(4), 200},
                                        {QStringLiteral("Health:"), Label23(5), 350},
                                        {QStringLiteral("Stamina:"), Label23(6), 150}},
                                       true,
                                       UnitsRule::restore};
    return centre;
}

}  // namespace purchase_centres
