#include "core/level_teams.h"

#include "core/career.h"
#include "core/levels.h"

const QString& levelTeam(const WorkingValues& working, int column) {
    switch (column) {
        case levels::city:
            return working.CityTeam;
        case levels::state:
            return working.StateTeam;
        case levels::national:
            return working.NationTeam;
        default:
            return working.ClubTeam;
    }
}
