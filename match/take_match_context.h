#pragma once

#include "match/match_context.h"

class CareerRecord;

// The values a match needs, copied from the record when the match screen
// opens: skills, overall accessories and health, matches and career runs as
// 16-bit numbers (career runs 32-bit), then level, auto-save, file and teams.
MatchContext takeMatchContext(const CareerRecord& record);
