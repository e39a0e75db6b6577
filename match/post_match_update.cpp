#include "match/post_match_update.h"

#include <QLocale>
#include <cmath>

#include "core/career.h"
#include "core/levels.h"
#include "core/numbers.h"
#include "match/batting_average.h"
#include "ui/prompter.h"

namespace {

// The higher the level, the faster an idle skill decays and the smaller the
// bonus for a good match.
struct LevelFactors {
    int skillDecay;
    int skillBonus;
    double performanceAward;
};

constexpr std::array<LevelFactors, 4> factors{
    {{1, 5, 1500}, {2, 3, 3000}, {3, 2, 5500}, {5, 1, 8000}}};

constexpr int skillCap = 200;
constexpr int idleFloor = 4;

int levelColumn(const QString& level) {
    return levels::column(level).value_or(levels::club);
}

// A skill used in the match rises by its gain up to the cap; an idle one
// decays unless it is already 4 or less.
int trained(int skill, bool used, double gain, int decay) {
    if (used) {
        const int raised = numbers::saturate16(skill + gain);
        return raised >= skillCap ? skillCap : raised;
    }
    return skill > idleFloor ? skill - decay : skill;
}

// A bonus that would pass the cap is not given at all.
int withBonus(int skill, int bonuses, int skillBonus) {
    const int raised = skill + bonuses * skillBonus;
    return raised <= skillCap ? raised : skill;
}

// Two bonuses for an outstanding figure, one for a good one.
int bonusesFor(int figure, int good, int outstanding) {
    if (figure >= outstanding) return 2;
    return figure >= good ? 1 : 0;
}

}  // namespace

MatchFigures readMatchFigures(const CareerRecord& record) {
    const auto number = [&record](Field field) { return numbers::toDouble(record.text(field)); };
    MatchFigures figures;
    figures.wickets = number(Field::wickets);
    figures.catches = number(Field::catches);
    figures.highestScore = number(Field::highestscore);
    figures.fifty = number(Field::fifty);
    figures.hundred = number(Field::hundred);
    figures.mostWickets = number(Field::mostwickets);
    figures.fiveWickets = number(Field::fivewickets);
    figures.matchFee = number(Field::matchfee);
    figures.sponsorship = number(Field::sponsorship);
    figures.otherIncome = number(Field::otherincome);
    figures.bankBalance = number(Field::bankbalance);
    for (int i = 0; i < 7; ++i) figures.conditions[i] = number(Label23(i));
    return figures;
}

double applyMatch(MatchContext& context, const MatchPerformance& match, MatchFigures& figures) {
    const LevelFactors& level = factors[levelColumn(context.level)];
    const int r = match.runs;
    const int w = match.wickets;
    const int c = match.catches;

    context.matches = numbers::saturate16(context.matches + 1.0);
    context.careerRuns = numbers::saturate32(static_cast<double>(context.careerRuns) + r);
    figures.wickets += w;
    figures.catches += c;
    if (figures.highestScore < r) figures.highestScore = r;
    if (r >= 100) {
        figures.hundred += 1;
    } else if (r >= 50) {
        figures.fifty += 1;
    }
    if (figures.mostWickets < w) figures.mostWickets = w;
    if (w >= 5) figures.fiveWickets += 1;

    context.batting = trained(context.batting, r >= 20, std::floor(r / 5.0), level.skillDecay);
    context.bowling = trained(context.bowling, w >= 1, 5.0 * w, level.skillDecay);
    context.fielding = trained(context.fielding, c >= 1, 5.0 * c, level.skillDecay);
    context.batting = withBonus(context.batting, bonusesFor(r, 50, 100), level.skillBonus);
    context.bowling = withBonus(context.bowling, bonusesFor(w, 3, 5), level.skillBonus);
    context.fielding = withBonus(context.fielding, bonusesFor(c, 3, 5), level.skillBonus);

    figures.battingAverage =
        context.matches == 0
            ? 0.0f
            : static_cast<float>(static_cast<double>(context.careerRuns) / context.matches);

    figures.bankBalance = std::floor(figures.sponsorship) + std::floor(figures.matchFee) +
                          std::floor(figures.otherIncome) + std::floor(figures.bankBalance);
    figures.otherIncome = 0;

    const std::array<double, 7> wear{std::floor(r / 6.0),
                                     std::floor(r / 4.0),
                                     std::floor(r / 8.0),
                                     std::floor(r / 16.0 + w / 8.0 + c / 4.0),
                                     std::floor(r / 20.0 + w / 2.0 + c / 2.0),
                                     std::floor(r / 30.0 + w / 3.0 + c / 3.0),
                                     std::floor(r / 10.0 + w + c)};
    for (int i = 0; i < 7; ++i) figures.conditions[i] -= wear[i];

    if (r >= 100 || w >= 5) {
        figures.otherIncome = level.performanceAward;
        return level.performanceAward;
    }
    return 0;
}

void ChangeData(MatchContext& context, const MatchPerformance& match, Career& career,
                Prompter& prompter) {
    CareerRecord& record = career.record;
    const MatchFigures before = readMatchFigures(record);
    MatchFigures after = before;
    const double award = applyMatch(context, match, after);

    const auto setIfChanged = [&record](Field field, double was, double is) {
        if (is != was) record.set(field, numbers::text(is));
    };
    record.set(Field::matches, numbers::text(context.matches));
    record.set(Field::runs, numbers::text(context.careerRuns));
    record.set(Field::wickets, numbers::text(after.wickets));
    record.set(Field::catches, numbers::text(after.catches));
    setIfChanged(Field::highestscore, before.highestScore, after.highestScore);
    setIfChanged(Field::hundred, before.hundred, after.hundred);
    setIfChanged(Field::fifty, before.fifty, after.fifty);
    setIfChanged(Field::mostwickets, before.mostWickets, after.mostWickets);
    setIfChanged(Field::fivewickets, before.fiveWickets, after.fiveWickets);

    record.set(Label2(0), numbers::text(context.batting));
    record.set(Label2(1), numbers::text(context.bowling));
    record.set(Label2(2), numbers::text(context.fielding));

    record.set(Field::bataverage,
               formatBattingAverage(after.battingAverage, QLocale::system().decimalPoint()));

    record.set(Field::bankbalance, numbers::text(after.bankBalance));
    record.set(Field::otherincome, numbers::text(after.otherIncome));

    for (int i = 0; i < 7; ++i) record.set(Label23(i), numbers::text(after.conditions[i]));

    if (award > 0) {
        prompter.notice(QStringLiteral("You are awarded Rs.") + numbers::text(award) +
                        QStringLiteral(" based on your performance."));
    }

    RecordBook::Column column;
    for (int row = 0; row < RecordBook::rowCount; ++row) {
        column[row] = record.text(levelStatistics[row]);
    }
    career.book.setColumn(levelColumn(context.level), std::move(column));
}
