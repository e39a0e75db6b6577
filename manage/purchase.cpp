#include "manage/purchase.h"

#include <cmath>

#include "core/levels.h"
#include "core/numbers.h"
#include "ui/prompter.h"

int unitsOffered(UnitsRule rule, int currentValue) {
    double units = 0;
    if (rule == UnitsRule::restore) {
        units = 100.0 - currentValue;
    } else if (currentValue < 50) {
        units = 50.0 - currentValue;
    } else if (currentValue < 200) {
        const int nextStep = (currentValue / 25 + 1) * 25;
        units = nextStep - currentValue;
    }
    // A value past the top (only a hand-edited save holds one) is offered nothing.
    return units < 0 ? 0 : numbers::saturate16(units);
}

std::int32_t PurchaseRow::amount() const {
    return numbers::saturate32(static_cast<double>(unitsOffered) * rate);
}

std::int32_t PurchaseRow::cost() const {
    return numbers::saturate32(static_cast<double>(unitsChosen) * rate);
}

Purchase::Purchase(const PurchaseCentre& centre, const CareerRecord& record) {
    const int levelNumber = centre.ratesByLevel ? levels::number(record.text(Field::level)) : 1;
    balanceBeforeText_ = record.text(Field::bankbalance);
    balanceBefore_ = numbers::toInt32(balanceBeforeText_);
    for (const PurchaseCentre::Row& spec : centre.rows) {
        PurchaseRow row;
        row.name = spec.name;
        row.field = spec.field;
        row.rate = numbers::saturate16(static_cast<double>(spec.rate) * levelNumber);
        row.currentValue = numbers::toInt16(record.text(spec.field));
        row.unitsOffered = unitsOffered(centre.rule, row.currentValue);
        row.unitsChosen = row.unitsOffered;
        rows_.push_back(row);
    }
}

void Purchase::setUnitsChosen(int row, int units) {
    PurchaseRow& r = rows_.at(row);
    r.unitsChosen = units < 0 ? 0 : (units > r.unitsOffered ? r.unitsOffered : units);
}

double Purchase::exactTotalCost() const {
    double total = 0;
    for (const PurchaseRow& row : rows_) total += row.cost();
    return total;
}

std::int32_t Purchase::totalCost() const {
    return numbers::saturate32(exactTotalCost());
}

std::int32_t Purchase::balanceAfter() const {
    return numbers::saturate32(static_cast<double>(balanceBefore_) - exactTotalCost());
}

void Purchase::write(CareerRecord& record) const {
    for (const PurchaseRow& row : rows_) {
        const double value = numbers::wholePart(record.text(row.field));
        record.set(row.field, numbers::text(value + row.unitsChosen));
    }
    record.set(Field::bankbalance, numbers::text(balanceAfter()));
}

bool CheckData(const Purchase& purchase, CareerRecord& record, Prompter& prompter) {
    if (!purchase.affordable()) {
        prompter.notice(shortageMessage);
        return false;
    }
    purchase.write(record);
    return true;
}
