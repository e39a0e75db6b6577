#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The copy of career values the match screen takes when it opens and works
// on while it is open.
struct MatchContext {
    int batting = 0;
    int bowling = 0;
    int fielding = 0;
    int overallAccessories = 0;
    int overallHealth = 0;
    std::int32_t careerRuns = 0;
    int matches = 0;
    QString level;
    int autoSave = 0;
    QString fileName;
    std::array<QString, 4> teamNames;
};

// One match: the player's runs, wickets and catches.
struct MatchPerformance {
    int runs = 0;
    int wickets = 0;
    int catches = 0;
};
