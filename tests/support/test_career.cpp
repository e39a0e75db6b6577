#include "support/test_career.h"

#include "core/level_teams.h"
#include "core/levels.h"
#include "core/start_up.h"
#include "support/scripted_platform.h"

void startTestCareer(Career& career, int batting, int bowling, int fielding) {
    ScriptedRandom random;
    random.draws = {0.0};
    startCareer(career,
                PlayerDetails{QStringLiteral("Ravi"), QStringLiteral("Pune"), QStringLiteral("Goa"),
                              QStringLiteral("India"), batting, bowling, fielding, 0},
                random);
}

void placeAtLevel(Career& career, int column) {
    career.record.set(Field::level, levels::words.at(column));
    career.record.set(Field::team, levelTeam(career.working, column));
    career.record.set(Field::matchfee, levels::arrivalFee(column));
}

void setFields(CareerRecord& record, std::initializer_list<std::pair<Field, const char*>> fields) {
    for (const auto& [field, text] : fields) record.set(field, QString::fromUtf8(text));
}
