// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "game/career.h"
#include "game/start_career.h"
#include "saves/auto_save.h"
#include "saves/save_file.h"

class RandomSource;

// The save file of a career: every saved value of the career and the four
// columns of its record book. The category is written as it follows from the
// skills, and the batting averages with a decimal point under every locale.
// A career loaded from it goes on saving itself after every match when
// autoSave is on.
SaveFile saveFileOf(const Career& career, bool autoSave);

// Lines 2 to 9, as the player screen shows a loaded career before it starts:
// name, city, state, country, the three skills and the auto-save choice.
PlayerDetails detailsFromSave(const SaveFile& file);

// The career a checked save file holds. It starts as a new career does from
// detailsFromSave() (which draws a club, the side he drops back to from the
// city), then takes the rest of the file: starting skills, club and current
// team, sponsor, money, gear and body, the record book and the level.
Career careerFromSave(const SaveFile& file, RandomSource& random);

// The career a checked save file holds, as it stands in the file, without
// the club a career draws as it starts: for telling saved careers apart, not
// for playing on.
Career careerInSave(const SaveFile& file);

// The auto-save of a career loaded from the file of that name: on as the file
// says, and to a file of the same name.
AutoSave autoSaveFromSave(const SaveFile& file, const QString& fileName);
