#pragma once

#include <QString>

struct Career;

// Moves the career from one level to another: the skills go back to the
// career's starting values, the ten statistics of the level being left are
// filed in its record-book column, and those last filed for the level being
// entered come back. A word that is not a level counts as "Club".
void ResetStats(Career& career, const QString& PrevLevel, const QString& CurrLevel);
