#pragma once

#include <QString>

// An amount of rupees as the screens and the save file write it: plain
// digits without grouping, a minus sign only below zero, and the fraction
// only when there is one (which only a save file changed by hand brings).
QString moneyText(double amount);
