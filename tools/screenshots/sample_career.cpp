#include "tools/screenshots/sample_career.h"

#include "core/career.h"
#include "core/level_change.h"
#include "core/level_teams.h"
#include "core/levels.h"
#include "manage/sponsorship.h"
#include "match/post_match_update.h"
#include "match/random_gen.h"
#include "match/take_match_context.h"

namespace {

constexpr int clubMatches = 9;
constexpr int cityMatches = 4;
constexpr int chosenSponsor = 2;

void playMatches(Career& career, Prompter& prompter, RandomSource& random, int count) {
    for (int i = 0; i < count; ++i) {
        MatchContext context = takeMatchContext(career.record);
        const MatchPerformance performance = RandomGen(context, random);
        ChangeData(context, performance, career, prompter);
    }
}

}  // namespace

PlayerDetails sampleDetails() {
    return PlayerDetails{QStringLiteral("Arjun Mehta"),
                         QStringLiteral("Mumbai"),
                         QStringLiteral("Maharashtra"),
                         QStringLiteral("India"),
                         80,
                         72,
                         78,
                         1};
}

void playSampleSeason(Career& career, Prompter& prompter, RandomSource& random) {
    CareerRecord& record = career.record;
    playMatches(career, prompter, random, clubMatches);

    // Promotion as the selection check makes it.
    record.set(Field::matchfee, levels::arrivalFee(levels::city));
    ResetStats(career, levels::words[levels::club], levels::words[levels::city]);
    record.set(Field::team, levelTeam(career.working, levels::city));
    playMatches(career, prompter, random, cityMatches);

    const SponsorshipOffers offers = sponsorshipOffers(record);
    takeSponsor(record, sponsors[chosenSponsor].caption,
                QString::number(offers.amounts[chosenSponsor]));
}
