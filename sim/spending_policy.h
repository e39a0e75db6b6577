// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CareerSession;
struct PurchaseCentre;

// How the simulated player spends between matches. Before each Play he takes
// the best sponsor on offer, then visits the health care centre, the gear
// store and the training centre in that order, with the rules the screens
// use, and buys and takes through the career's session as they do. Each
// function returns true when it changed the career.

// The offered sponsor that pays most, when it pays more than the current one.
bool takeBestSponsor(CareerSession& session);

// Every unit the centre offers when the balance covers them all; otherwise
// as many units as the balance allows, row by row in screen order (so
// fitness before health before stamina, the bat before the gloves, batting
// before bowling). Nothing when not even one unit is affordable.
bool buyWhatIsAffordable(const PurchaseCentre& centre, CareerSession& session);
