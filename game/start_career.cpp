// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/start_career.h"

#include "game/random_source.h"

Career startCareer(const PlayerDetails& details, RandomSource& random) {
    Career career;
    career.player = details.name;
    career.skills = details.skills;
    career.startingSkills = details.skills;
    career.drawnClub =
        QString::fromLatin1(clubNames.at(drawBelow(random, static_cast<int>(clubNames.size()))));
    career.team = career.drawnClub;
    career.teams = Teams{career.drawnClub, details.city, details.state, details.country};
    return career;
}

QString teamName(const QString& team) {
    for (const char* club : clubNames)
        if (team == QLatin1String(club)) return QCoreApplication::translate("Club", club);
    return team;
}
