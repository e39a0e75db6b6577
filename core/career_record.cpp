#include "core/career_record.h"

#include <algorithm>
#include <cmath>

#include "core/numbers.h"

namespace {

// The 16-bit sum of whole numbers, saturated as the sum is, divided and
// rounded down: the same as floor(sum / count) in double precision, without
// its rounding call.
int floorMean(long long sum, int count) {
    const int clamped =
        static_cast<int>(std::clamp<long long>(sum, numbers::int16Min, numbers::int16Max));
    const int quotient = clamped / count;
    return clamped % count < 0 ? quotient - 1 : quotient;
}

}  // namespace

namespace ratings {

int overallSkill(int batting, int bowling, int fielding) {
    return floorMean(static_cast<long long>(batting) + bowling + fielding, 3);
}

QString category(int batting, int bowling) {
    const int difference = numbers::saturate16(static_cast<double>(batting) - bowling);
    if (difference > 20) return QStringLiteral("Batsman");
    if (difference < -20) return QStringLiteral("Bowler");
    return QStringLiteral("All Rounder");
}

int barTwips(double value) {
    // A whole number, the usual case, needs no rounding.
    constexpr int largestExact = INT32_MAX / CareerRecord::fullBarTwips;
    if (value >= 0 && value <= largestExact && value == static_cast<int>(value)) {
        return static_cast<int>(value) * CareerRecord::fullBarTwips / 100;
    }
    if (std::floor(value) < 0) return 0;
    return numbers::saturate32(std::floor(value * CareerRecord::fullBarTwips / 100));
}

}  // namespace ratings

namespace {

int mean(const std::array<int, 4>& values, int count) {
    long long sum = 0;
    for (int i = 0; i < count; ++i) sum += values[i];
    return floorMean(sum, count);
}

}  // namespace

CareerRecord::CareerRecord() {
    conditionValues_.fill(100);
    conditionBars_.fill(fullBarTwips);
    const auto start = [this](Field field, const char* text) {
        values_[static_cast<int>(field)] = QString::fromLatin1(text);
    };
    start(Field::player, "Player Name");
    start(Field::team, "India");
    start(Field::teams0, "club");
    start(Field::teams1, "city");
    start(Field::teams2, "state");
    start(Field::teams3, "nation");
    start(Field::role, "All Rounder");
    start(Field::skill, "0");
    start(Field::sponsor, "...");
    for (int i = 0; i < 3; ++i) start(Label2(i), "0");
    start(Field::skills0, "batting");
    start(Field::skills1, "bowling");
    start(Field::skills2, "fielding");
    for (int i = 0; i < 7; ++i) start(Label23(i), "100");
    start(Field::Label24, "100");
    start(Field::Label25, "100");
    start(Field::matchfee, "3000");
    start(Field::sponsorship, "0");
    start(Field::otherincome, "0");
    start(Field::bankbalance, "0");
    start(Field::level, "Club");
    for (Field statistic : levelStatistics) start(statistic, "0");
    start(Field::filename, "default.bsg");
    start(Field::save, "Auto-Save: 1");
}

void CareerRecord::set(Field field, QString text) {
    store(field, std::move(text));
    const int index = static_cast<int>(field);
    if (field >= Field::Label2_0 && field <= Field::Label2_2) {
        skillsChanged();
    } else if (field >= Field::Label23_0 && field <= Field::Label23_6) {
        conditionChanged(index - static_cast<int>(Field::Label23_0));
    } else if (field == Field::Label24 || field == Field::Label25) {
        overallChanged(field, numbers::toDouble(values_[index]));
    }
}

void CareerRecord::store(Field field, QString text) {
    const int index = static_cast<int>(field);
    values_[index] = std::move(text);
    if (field >= Field::Label2_0 && field <= Field::Label2_2) {
        skillValues_[index - static_cast<int>(Field::Label2_0)] = numbers::toInt16(values_[index]);
    } else if (field >= Field::Label23_0 && field <= Field::Label23_6) {
        conditionValues_[index - static_cast<int>(Field::Label23_0)] =
            numbers::toInt16(values_[index]);
    }
    if (listener_) listener_(field);
}

void CareerRecord::skillsChanged() {
    const auto [batting, bowling, fielding] = skillValues_;
    store(Field::skill, numbers::text(ratings::overallSkill(batting, bowling, fielding)));
    store(Field::role, ratings::category(batting, bowling));
}

void CareerRecord::conditionChanged(int index) {
    conditionBars_.at(index) = ratings::barTwips(numbers::toDouble(text(Label23(index))));
    if (listener_) listener_(Label23(index));
    const std::array<int, 4> accessories{conditionValues_[0], conditionValues_[1],
                                         conditionValues_[2], conditionValues_[3]};
    const std::array<int, 4> body{conditionValues_[4], conditionValues_[5], conditionValues_[6]};
    // As setting them would, without reading back the numbers just written.
    const int overallAccessories = mean(accessories, 4);
    store(Field::Label24, numbers::text(overallAccessories));
    overallChanged(Field::Label24, overallAccessories);
    const int overallHealth = mean(body, 3);
    store(Field::Label25, numbers::text(overallHealth));
    overallChanged(Field::Label25, overallHealth);
}

void CareerRecord::overallChanged(Field field, double value) {
    // A negative overall value draws an empty bar, as the condition bars do.
    const int width = ratings::barTwips(value);
    const BarColour colour = value >= 50 ? BarColour::green : BarColour::red;
    if (field == Field::Label24) {
        accessoriesBar_ = width;
        accessoriesColour_ = colour;
    } else {
        healthBar_ = width;
        healthColour_ = colour;
    }
    if (listener_) listener_(field);
}
