// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <array>

#include "game/career.h"

class RandomSource;

// What the player screen, or a save file, hands over when a career starts.
struct PlayerDetails {
    QString name;
    QString city;
    QString state;
    QString country;
    Skills skills;
    bool autoSave = false;
};

// The clubs a new career may start at, one drawn at random. The career and
// its save file hold the English name; screens show it through teamName().
inline constexpr std::array<const char*, 5> clubNames{
    QT_TRANSLATE_NOOP("Club", "Five Star"), QT_TRANSLATE_NOOP("Club", "Rising Sun"),
    QT_TRANSLATE_NOOP("Club", "Shining Moon"), QT_TRANSLATE_NOOP("Club", "Happy Valley"),
    QT_TRANSLATE_NOOP("Club", "Country Side")};

// A team's name as the player reads it: a club the game drew, in the
// player's language; a city, state or country as the player typed it.
QString teamName(const QString& team);

// A new career in club cricket: the name as typed, the skills (which are also the starting skills),
// a club drawn at random and the city, state and country as the teams above it.
Career startCareer(const PlayerDetails& details, RandomSource& random);
