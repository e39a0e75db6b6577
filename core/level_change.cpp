#include "core/level_change.h"

#include "core/career.h"
#include "core/levels.h"

void ResetStats(Career& career, const QString& PrevLevel, const QString& CurrLevel) {
    CareerRecord& record = career.record;
    for (int i = 0; i < 3; ++i) record.set(Label2(i), record.text(skills(i)));

    const int left = levels::column(PrevLevel).value_or(levels::club);
    for (int row = 0; row < RecordBook::rowCount; ++row) {
        career.book.setCell(row, left, record.text(levelStatistics[row]));
    }

    record.set(Field::level, CurrLevel);

    const int entered = levels::column(CurrLevel).value_or(levels::club);
    for (int row = 0; row < RecordBook::rowCount; ++row) {
        record.set(levelStatistics[row], career.book.cell(row, entered));
    }
}
