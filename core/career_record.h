#pragma once

#include <QString>
#include <array>
#include <functional>

// The fields of a career, named as the main screen names its controls.
// Label2_0..2 are the batting, bowling and fielding skills; Label23_0..6 the
// bat, gloves, pads, others, fitness, health and stamina conditions; Label24
// and Label25 the overall accessories and overall health.
enum class Field {
    player,
    team,
    teams0,
    teams1,
    teams2,
    teams3,
    role,
    skill,
    sponsor,
    Label2_0,
    Label2_1,
    Label2_2,
    skills0,
    skills1,
    skills2,
    Label23_0,
    Label23_1,
    Label23_2,
    Label23_3,
    Label23_4,
    Label23_5,
    Label23_6,
    Label24,
    Label25,
    matchfee,
    sponsorship,
    otherincome,
    bankbalance,
    level,
    matches,
    runs,
    wickets,
    catches,
    highestscore,
    bataverage,
    fifty,
    hundred,
    fivewickets,
    mostwickets,
    filename,
    save,
    count
};

constexpr int fieldCount = static_cast<int>(Field::count);

constexpr Field offset(Field first, int index) {
    return static_cast<Field>(static_cast<int>(first) + index);
}
constexpr Field teams(int i) {
    return offset(Field::teams0, i);
}
constexpr Field Label2(int i) {
    return offset(Field::Label2_0, i);
}
constexpr Field skills(int i) {
    return offset(Field::skills0, i);
}
constexpr Field Label23(int i) {
    return offset(Field::Label23_0, i);
}

// The ten statistics of the current level, in record-book row order.
constexpr std::array<Field, 10> levelStatistics{
    Field::matches,    Field::runs,  Field::wickets, Field::catches,     Field::highestscore,
    Field::bataverage, Field::fifty, Field::hundred, Field::mostwickets, Field::fivewickets};

enum class BarColour { green, red };

// The whole game state of one career. Every field holds the text the main
// screen shows. Setting a skill recomputes the overall skill and category;
// setting a condition resizes its bar and recomputes both overall values,
// whose bars and colours follow. All of it happens before set() returns.
class CareerRecord {
  public:
    static constexpr int fullBarTwips = 1335;

    CareerRecord();

    const QString& text(Field field) const { return values_[static_cast<int>(field)]; }
    void set(Field field, QString text);

    int conditionBarTwips(int index) const { return conditionBars_.at(index); }
    int accessoriesBarTwips() const { return accessoriesBar_; }
    int healthBarTwips() const { return healthBar_; }
    BarColour accessoriesColour() const { return accessoriesColour_; }
    BarColour healthColour() const { return healthColour_; }

    // Called after every field that changes, derived ones included.
    void setChangeListener(std::function<void(Field)> listener) { listener_ = std::move(listener); }

  private:
    void store(Field field, QString text);
    void skillsChanged();
    void conditionChanged(int index);
    void overallChanged(Field field, double value);

    std::array<QString, fieldCount> values_;
    // The skills and conditions as 16-bit integers, read from their texts
    // when they are set, so the derived ratings need not read all of them
    // again on every change.
    std::array<int, 3> skillValues_{};
    std::array<int, 7> conditionValues_;
    std::array<int, 7> conditionBars_;
    int accessoriesBar_ = fullBarTwips;
    int healthBar_ = fullBarTwips;
    BarColour accessoriesColour_ = BarColour::green;
    BarColour healthColour_ = BarColour::green;
    std::function<void(Field)> listener_;
};

// The derived ratings, exposed for the screens that show the same figures.
namespace ratings {
int overallSkill(int batting, int bowling, int fielding);
QString category(int batting, int bowling);
int barTwips(double value);
}  // namespace ratings
