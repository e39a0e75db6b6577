// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "game/play.h"

// The words of what Play and a match tell the player and ask him, for the
// screens that show them and the tools that count them.

QString noticeText(const Notice& notice);

// The figure that kept the player out and by how much: "Fielding 7, 3 short
// of the 10 needed."
QString shortfallText(const Shortfall& shortfall);

// A notice as the player reads it: its sentence and, for the reason he was
// not selected, the figure that failed on a line of its own.
QString shownNoticeText(const Notice& notice);

// The bookie's offer of the bribe: "A bookie offers you Rs. 50000 if ...".
QString bookieOfferQuestion(double bribe);

QString playAgainQuestion();

// The award a match earned: "You are awarded Rs.1500 based on your performance."
QString awardNotice(double award);

struct DropWarning;

// Why a figure on the main screen warns of a drop: "Stamina 2: at 0 you will
// not be selected."
QString dropWarningText(const DropWarning& warning);
