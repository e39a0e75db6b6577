#include "core/drop_player.h"

#include "core/career.h"
#include "core/level_change.h"
#include "core/level_teams.h"
#include "core/levels.h"
#include "core/play_host.h"
#include "ui/prompter.h"

void DropPlayer(Career& career, Prompter& prompter, PlayHost& host) {
    CareerRecord& record = career.record;
    WorkingValues& working = career.working;
    working.WorldCup = 0;

    const int from = levels::column(working.SelectionLevel).value_or(levels::club);
    if (from == levels::club) {
        prompter.notice(QStringLiteral("You are dropped from the ") + record.text(Field::team) +
                        QStringLiteral(" team."));
        host.endCareer();
        return;
    }

    const int to = from - 1;
    prompter.notice(QStringLiteral("You are dropped from the ") + levelTeam(working, from) +
                    QStringLiteral(" team."));
    record.set(Field::matchfee, levels::arrivalFee(to));
    ResetStats(career, levels::words[from], levels::words[to]);
    record.set(Field::team, levelTeam(working, to));

    for (int i = 0; i < 7; ++i) record.set(Label23(i), QStringLiteral("100"));
    record.set(Field::sponsorship, QStringLiteral("0"));
}
