#include "core/start_up.h"

#include "core/career.h"
#include "ui/random_source.h"

QString saveFileName(const QString& playerName) {
    QString stem = playerName.left(5).toLower();
    for (QChar& c : stem) {
        const bool forbidden =
            c.unicode() < 0x20 || c.unicode() == 0x7f || QStringLiteral("/\\:*?\"<>|").contains(c);
        if (forbidden) c = QLatin1Char('_');
    }
    return stem + QStringLiteral("_auto.bsg");
}

void startCareer(Career& career, const PlayerDetails& details, RandomSource& random) {
    CareerRecord& record = career.record;
    WorkingValues& working = career.working;
    working.CityTeam = details.city;
    working.StateTeam = details.state;
    working.NationTeam = details.country;

    record.set(Field::player, details.name);
    career.book.setPlayerName(record.text(Field::player));
    record.set(Field::filename, saveFileName(details.name));
    record.set(Field::save, details.autoSave == 1 ? QStringLiteral("1") : QStringLiteral("0"));

    const int skills[3] = {details.batting, details.bowling, details.fielding};
    for (int i = 0; i < 3; ++i) record.set(Label2(i), QString::number(skills[i]));
    for (int i = 0; i < 3; ++i) record.set(::skills(i), QString::number(skills[i]));

    working.ClubTeam = WorkingValues::ClubNames.at(
        drawBelow(random, static_cast<int>(WorkingValues::ClubNames.size())));
    working.WorldCup = 0;

    record.set(Field::team, working.ClubTeam);
    record.set(teams(0), working.ClubTeam);
    record.set(teams(1), details.city);
    record.set(teams(2), details.state);
    record.set(teams(3), details.country);
}
