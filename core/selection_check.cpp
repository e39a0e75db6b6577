#include "core/selection_check.h"

#include <cmath>

#include "core/career.h"
#include "core/drop_player.h"
#include "core/level_change.h"
#include "core/level_teams.h"
#include "core/levels.h"
#include "core/match_day.h"
#include "core/numbers.h"
#include "ui/prompter.h"

namespace {

constexpr double promotionSkill = 150;
constexpr double promotionSpecialism = 200;

bool earnsPromotion(const CareerRecord& record) {
    return numbers::toDouble(record.text(Field::skill)) >= promotionSkill ||
           numbers::toDouble(record.text(Label2(0))) >= promotionSpecialism ||
           numbers::toDouble(record.text(Label2(1))) >= promotionSpecialism;
}

void promote(Career& career, int from) {
    CareerRecord& record = career.record;
    WorkingValues& working = career.working;
    if (from == levels::national) {
        record.set(Field::matchfee, levels::worldCupFee);
        working.WorldCup = 1;
        return;
    }
    const int to = from + 1;
    record.set(Field::matchfee, levels::arrivalFee(to));
    ResetStats(career, levels::words[from], levels::words[to]);
    record.set(Field::team, levelTeam(working, to));
}

QString promotionMessage(const WorkingValues& working, int from) {
    if (from == levels::national) {
        return QStringLiteral("You are selected for the World Cup in the ") + working.NationTeam +
               QStringLiteral(" team.");
    }
    return QStringLiteral("You are selected in the ") + levelTeam(working, from + 1) +
           QStringLiteral(" team.");
}

bool anyWornOut(const CareerRecord& record, int first, int count) {
    for (int i = first; i < first + count; ++i) {
        if (std::floor(numbers::toDouble(record.text(Label23(i)))) <= 0) return true;
    }
    return false;
}

// The reason the player is not selected at a level, or nothing when he is.
const char* rejection(const CareerRecord& record, int column) {
    const int threshold = levels::selectionThreshold(column);
    if (numbers::toDouble(record.text(Field::skill)) < threshold) {
        return "You are not good enough at this level.";
    }
    if (numbers::toDouble(record.text(Label2(2))) < threshold) {
        return "You are not selected due to poor fielding.";
    }
    if (anyWornOut(record, 0, 4)) return "You are short of proper cricket accessories.";
    if (anyWornOut(record, 4, 3)) return "You are unfit to play at this level.";
    return nullptr;
}

}  // namespace

void CheckData(Career& career, Prompter& prompter, RandomSource& random, PlayHost& host) {
    CareerRecord& record = career.record;
    WorkingValues& working = career.working;
    working.SelectionLevel = record.text(Field::level);
    const int column = levels::column(working.SelectionLevel).value_or(levels::club);

    if (working.WorldCup == 0 && earnsPromotion(record)) {
        prompter.notice(promotionMessage(working, column));
        promote(career, column);
        return;
    }

    if (const char* reason = rejection(record, column)) {
        prompter.notice(QString::fromLatin1(reason));
        DropPlayer(career, prompter, host);
        return;
    }

    ShowMatch(career, prompter, random, host);
}
