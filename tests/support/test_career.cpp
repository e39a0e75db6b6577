#include "support/test_career.h"

#include "game/start_career.h"
#include "support/scripted_random.h"

Career testCareer(int batting, int bowling, int fielding) {
    ScriptedRandom random;
    random.draws = {0.0};
    const Skills skills{static_cast<std::int16_t>(batting), static_cast<std::int16_t>(bowling),
                        static_cast<std::int16_t>(fielding)};
    return startCareer(PlayerDetails{QStringLiteral("Ravi"), QStringLiteral("Pune"),
                                     QStringLiteral("Goa"), QStringLiteral("India"), skills, false},
                       random);
}

void placeAtLevel(Career& career, Level level) {
    career.level = level;
    career.team = teamAt(career, level);
    career.matchFee = arrivalFee(level);
}
