#include "tools/screenshots/sample_career.h"

#include "game/career.h"
#include "game/level_change.h"
#include "game/match.h"
#include "game/sponsorship.h"

namespace {

constexpr int clubMatches = 9;
constexpr int cityMatches = 4;
constexpr int chosenSponsor = 2;

void playMatches(Career& career, RandomSource& random, int count) {
    for (int i = 0; i < count; ++i) applyMatch(career, drawMatch(career, random));
}

}  // namespace

PlayerDetails sampleDetails() {
    return PlayerDetails{
        QStringLiteral("Arjun Mehta"), QStringLiteral("Mumbai"), QStringLiteral("Maharashtra"),
        QStringLiteral("India"),       Skills{80, 72, 78},       true};
}

void playSampleSeason(Career& career, RandomSource& random) {
    playMatches(career, random, clubMatches);
    // Promotion as the selection makes it: the city's fee, team and statistics.
    promote(career);
    playMatches(career, random, cityMatches);
    takeSponsor(career, chosenSponsor);
}
