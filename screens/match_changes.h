// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct Career;

// What a match changed in the career, in one short sentence for a screen
// reader to tell after the match: the runs, wickets and catches it added at
// the level, each skill up or down, the bank balance, and a figure that now
// keeps the player out of the side. Empty when nothing of these changed.
QString matchChanges(const Career& before, const Career& after);
