// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "saves/save_claim.h"

class CareerSession;
class Prompter;
class QWidget;

// When a career with auto-save on starts: tells the player when another copy
// of the game plays the same career (this one then does not save), and asks
// before its saves would replace a file that is not its own. The answer that
// keeps the file is the one Enter and Escape give; it is kept for the game.
// When a copy on another computer wrote the career's lock, the player is
// asked whether to take it over; the answer that keeps it is the one Enter
// and Escape give.
void settleSaveClaim(CareerSession& session, Prompter& prompter, QWidget* owner);

// What the player is told once when the career's lock could not be taken,
// with the way out; empty for what he was asked about instead.
QString savingOffNotice(const QString& savePath, const SaveClaim::SavingOff& off);

// Why the career is not being saved, in a sentence, for as long as it is not.
QString savingOffReason(const SaveClaim::SavingOff& off);
