#pragma once

#include "manage/purchase.h"

// The three purchase screens of the main menu.
namespace purchase_centres {

// Batting, bowling and fielding, priced by level, up the ladder of skills.
const PurchaseCentre& training();

// Bat, gloves, pads and other gear at fixed prices, back up to 100.
const PurchaseCentre& store();

// Fitness, health and stamina, priced by level, back up to 100.
const PurchaseCentre& health();

}  // namespace purchase_centres
