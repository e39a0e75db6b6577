#include "core/career_record.h"

#include <cmath>

#include "core/numbers.h"

namespace ratings {

int overallSkill(int batting, int bowling, int fielding) {
    const int sum = numbers::saturate16(static_cast<double>(batting) + bowling + fielding);
    return static_cast<int>(std::floor(sum / 3.0));
}

QString category(int batting, int bowling) {
    const int difference = numbers::saturate16(static_cast<double>(batting) - bowling);
    if (difference > 20) return QStringLiteral("Batsman");
    if (difference < -20) return QStringLiteral("Bowler");
    return QStringLiteral("All Rounder");
}

int barTwips(double value) {
    if (std::floor(value) < 0) return 0;
    return numbers::saturate32(std::floor(value * CareerRecord::fullBarTwips / 100));
}

}  // namespace ratings

namespace {

int mean(const std::array<int, 4>& values, int count) {
    double sum = 0;
    for (int i = 0; i < count; ++i) sum += values[i];
    return static_cast<int>(std::floor(numbers::saturate16(sum) / static_cast<double>(count)));
}

}  // namespace

CareerRecord::CareerRecord() {
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

void CareerRecord::set(Field field, const QString& text) {
    store(field, text);
    const int index = static_cast<int>(field);
    if (field >= Field::Label2_0 && field <= Field::Label2_2) {
        skillsChanged();
    } else if (field >= Field::Label23_0 && field <= Field::Label23_6) {
        conditionChanged(index - static_cast<int>(Field::Label23_0));
    } else if (field == Field::Label24 || field == Field::Label25) {
        overallChanged(field);
    }
}

void CareerRecord::store(Field field, const QString& text) {
    values_[static_cast<int>(field)] = text;
    if (listener_) listener_(field);
}

void CareerRecord::skillsChanged() {
    const int batting = numbers::toInt16(text(Label2(0)));
    const int bowling = numbers::toInt16(text(Label2(1)));
    const int fielding = numbers::toInt16(text(Label2(2)));
    store(Field::skill, QString::number(ratings::overallSkill(batting, bowling, fielding)));
    store(Field::role, ratings::category(batting, bowling));
}

void CareerRecord::conditionChanged(int index) {
    conditionBars_.at(index) = ratings::barTwips(numbers::toDouble(text(Label23(index))));
    if (listener_) listener_(Label23(index));
    std::array<int, 4> accessories{};
    std::array<int, 4> body{};
    for (int i = 0; i < 4; ++i) accessories[i] = numbers::toInt16(text(Label23(i)));
    for (int i = 0; i < 3; ++i) body[i] = numbers::toInt16(text(Label23(4 + i)));
    set(Field::Label24, QString::number(mean(accessories, 4)));
    set(Field::Label25, QString::number(mean(body, 3)));
}

void CareerRecord::overallChanged(Field field) {
    const double value = numbers::toDouble(text(field));
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
