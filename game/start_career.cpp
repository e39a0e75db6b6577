#include "game/start_career.h"

#include "game/random_source.h"

QString saveFileName(const QString& playerName) {
    QString stem = playerName.left(5).toLower();
    for (QChar& c : stem) {
        const bool forbidden =
            c.unicode() < 0x20 || c.unicode() == 0x7f || QStringLiteral("/\\:*?\"<>|").contains(c);
        if (forbidden) c = QLatin1Char('_');
    }
    // A leading dot would hide the file, and the Load dialog would not list it.
    if (stem.startsWith(QLatin1Char('.'))) stem[0] = QLatin1Char('_');
    return stem + QStringLiteral("_auto.bsg");
}

Career startCareer(const PlayerDetails& details, RandomSource& random) {
    Career career;
    career.player = details.name;
    career.saveFileName = saveFileName(details.name);
    career.autoSave = details.autoSave;
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
