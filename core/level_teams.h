#pragma once

#include <QString>

struct WorkingValues;

// The name of the player's team at a level (by record-book column): the club
// drawn at start-up, then the city, state and country typed for the career.
const QString& levelTeam(const WorkingValues& working, int column);
