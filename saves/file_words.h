// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "game/level.h"
#include "game/ratings.h"

// The words the save and history files spell the game's values with. They
// are the files' own, the same bytes under every language, whatever the
// screens call the same things.

// A level: "Club", "City", "State", "National".
QString levelWord(Level level);

// Exact, case-sensitive; nothing for a word that is not a level.
std::optional<Level> levelFromWord(const QString& word);

// A category: "All Rounder", "Batsman", "Bowler".
QString categoryWord(Category category);

// A sponsor's name as the files hold it, where each "&" is doubled ("Cable &&
// Wireless"), as the files of every earlier version of the game wrote it.
QString sponsorInFile(const QString& name);

// The sponsor's name a file holds, each doubled "&" made single again.
QString sponsorFromFile(const QString& written);
