#include "match/take_match_context.h"

#include "core/career_record.h"
#include "core/numbers.h"

MatchContext takeMatchContext(const CareerRecord& record) {
    MatchContext context;
    context.batting = numbers::toInt16(record.text(Label2(0)));
    context.bowling = numbers::toInt16(record.text(Label2(1)));
    context.fielding = numbers::toInt16(record.text(Label2(2)));
    context.overallAccessories = numbers::toInt16(record.text(Field::Label24));
    context.overallHealth = numbers::toInt16(record.text(Field::Label25));
    context.careerRuns = numbers::toInt32(record.text(Field::runs));
    context.matches = numbers::toInt16(record.text(Field::matches));
    context.level = record.text(Field::level);
    context.autoSave = numbers::toInt16(record.text(Field::save));
    context.fileName = record.text(Field::filename);
    for (int i = 0; i < 4; ++i) context.teamNames[i] = record.text(teams(i));
    return context;
}
