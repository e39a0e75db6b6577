#include "sim/record_invariants.h"

#include <QLocale>
#include <cmath>
#include <cstdint>

#include "core/career.h"
#include "core/levels.h"
#include "manage/sponsorship.h"
#include "match/batting_average.h"

namespace {

// Thrown at the first broken invariant. Descriptions are only built then, so
// that a career that keeps the rules is checked without building texts.
struct Broken {
    QString what;
};

template <typename Describe>
void expect(bool holds, Describe describe) {
    if (!holds) throw Broken{describe()};
}

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// What a checked value is: its name, and the record-book column it stands in
// (or -1 for the record).
struct Name {
    const char* name;
    int column = -1;

    QString text() const {
        QString text = QString::fromLatin1(name);
        if (column >= 0) {
            text += QStringLiteral(" in the ") + levels::words[column] +
                    QStringLiteral(" column of the record book");
        }
        return text;
    }
};

// A whole number written the way the game writes one: decimal digits without
// grouping or a leading zero, a minus sign only before a number below 0.
long long wholeNumber(const QString& text, Name name) {
    const QStringView view(text);
    const bool negative = view.startsWith(QLatin1Char('-'));
    const QStringView digits = view.mid(negative ? 1 : 0);
    bool plain = !digits.isEmpty() && digits.size() <= 15 &&
                 !(digits.size() > 1 && digits.front() == QLatin1Char('0')) &&
                 !(negative && digits == QLatin1String("0"));
    long long value = 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) plain = false;
        value = value * 10 + (c.unicode() - '0');
    }
    expect(plain, [&] {
        return name.text() + QStringLiteral(" is ") + quoted(text) +
               QStringLiteral(", not a whole number");
    });
    return negative ? -value : value;
}

long long inRange(const QString& text, Name name, long long low, long long high) {
    const long long value = wholeNumber(text, name);
    expect(value >= low && value <= high, [&] {
        return QStringLiteral("%1 is %2, outside %3 to %4")
            .arg(name.text())
            .arg(value)
            .arg(low)
            .arg(high);
    });
    return value;
}

void expectText(const QString& actual, const QString& expected, Name name) {
    expect(actual == expected, [&] {
        return name.text() + QStringLiteral(" is ") + quoted(actual) +
               QStringLiteral(" but should be ") + quoted(expected);
    });
}

void expectNumber(long long actual, long long expected, Name name) {
    expect(actual == expected, [&] {
        return QStringLiteral("%1 is %2 but should be %3")
            .arg(name.text())
            .arg(actual)
            .arg(expected);
    });
}

constexpr long long skillCap = 200;
// A match needs every condition at 1 or more and wears one down by at most
// a quarter of 200 runs; purchases and drops bring them back to at most 100.
constexpr long long lowestCondition = 1 - 200 / 4;

void checkSkills(const CareerRecord& record, const CareerLedger& ledger) {
    static const char* const names[3] = {"batting", "bowling", "fielding"};
    static const char* const starting[3] = {"the starting batting", "the starting bowling",
                                            "the starting fielding"};
    long long skills[3];
    for (int i = 0; i < 3; ++i) {
        skills[i] = inRange(record.text(Label2(i)), {names[i]}, 0, skillCap);
        expectNumber(wholeNumber(record.text(::skills(i)), {starting[i]}), ledger.startingSkills[i],
                     {starting[i]});
    }
    expectNumber(wholeNumber(record.text(Field::skill), {"the overall skill"}),
                 (skills[0] + skills[1] + skills[2]) / 3, {"the overall skill"});
    const long long difference = skills[0] - skills[1];
    const QString& role = record.text(Field::role);
    const char* expected = difference > 20    ? "Batsman"
                           : difference < -20 ? "Bowler"
                                              : "All Rounder";
    expect(role == QLatin1String(expected), [&] {
        return QStringLiteral("the category is %1 with batting %2 and bowling %3")
            .arg(quoted(role))
            .arg(skills[0])
            .arg(skills[1]);
    });
}

long long floorMean(long long sum, int count) {
    return static_cast<long long>(std::floor(static_cast<double>(sum) / count));
}

long long barTwips(long long value) {
    return value < 0 ? 0 : value * CareerRecord::fullBarTwips / 100;
}

void checkBar(int twips, long long value, Name name) {
    expect(twips == barTwips(value), [&] {
        return QStringLiteral("the bar of %1 %2 is %3 twips wide")
            .arg(name.text())
            .arg(value)
            .arg(twips);
    });
}

void checkOverall(const CareerRecord& record, Field field, long long expected, int bar,
                  BarColour colour, Name name) {
    expectNumber(wholeNumber(record.text(field), name), expected, name);
    checkBar(bar, expected, name);
    expect((colour == BarColour::green) == (expected >= 50), [&] {
        return QStringLiteral("%1 %2 has the wrong colour").arg(name.text()).arg(expected);
    });
}

void checkConditions(const CareerRecord& record) {
    static const char* const names[7] = {"the bat",     "the gloves", "the pads",   "the others",
                                         "the fitness", "the health", "the stamina"};
    long long conditions[7];
    for (int i = 0; i < 7; ++i) {
        conditions[i] = inRange(record.text(Label23(i)), {names[i]}, lowestCondition, 100);
        checkBar(record.conditionBarTwips(i), conditions[i], {names[i]});
    }
    checkOverall(record, Field::Label24,
                 floorMean(conditions[0] + conditions[1] + conditions[2] + conditions[3], 4),
                 record.accessoriesBarTwips(), record.accessoriesColour(),
                 {"the overall accessories"});
    checkOverall(record, Field::Label25,
                 floorMean(conditions[4] + conditions[5] + conditions[6], 3),
                 record.healthBarTwips(), record.healthColour(), {"the overall health"});
}

int checkLevel(const Career& career) {
    const CareerRecord& record = career.record;
    const WorkingValues& working = career.working;
    const QString& level = record.text(Field::level);
    const std::optional<int> column = levels::column(level);
    expect(column.has_value(), [&] { return QStringLiteral("the level is ") + quoted(level); });
    const QString* names[4] = {&working.ClubTeam, &working.CityTeam, &working.StateTeam,
                               &working.NationTeam};
    static const char* const teamNames[4] = {"the club team", "the city team", "the state team",
                                             "the national team"};
    for (int i = 0; i < 4; ++i) expectText(record.text(teams(i)), *names[i], {teamNames[i]});
    expectText(record.text(Field::team), *names[*column], {"the current team"});
    expect(working.WorldCup == 0 || (working.WorldCup == 1 && *column == levels::national), [&] {
        return QStringLiteral("the World Cup flag is %1 at %2 level")
            .arg(working.WorldCup)
            .arg(level);
    });
    expectText(record.text(Field::matchfee),
               working.WorldCup == 1 ? levels::worldCupFee : levels::arrivalFee(*column),
               {"the match fee"});
    return *column;
}

void checkMoney(const CareerRecord& record, int column) {
    const long long sponsorship = wholeNumber(record.text(Field::sponsorship), {"the sponsorship"});
    if (sponsorship != 0) {
        // Taken at this level or a lower one: a drop cancels it.
        bool offered = false;
        for (const Sponsor& sponsor : sponsors) {
            if (sponsor.caption != record.text(Field::sponsor)) continue;
            for (long long number = 1; number <= column + 1; ++number) {
                offered = offered || sponsorship == sponsor.offerPerLevel * number;
            }
        }
        expect(offered, [&] {
            return QStringLiteral("a sponsorship of %1 from %2 at %3 level is no offer")
                .arg(sponsorship)
                .arg(quoted(record.text(Field::sponsor)), record.text(Field::level));
        });
    }
    const long long other = wholeNumber(record.text(Field::otherincome), {"the other income"});
    expect(other == 0 || other == 1500 || other == 3000 || other == 5500 || other == 8000, [&] {
        return QStringLiteral("the other income %1 is no performance award").arg(other);
    });
    // The purchase screens read the balance as a 32-bit number.
    inRange(record.text(Field::bankbalance), {"the bank balance"}, 0, INT32_MAX);
    const QString& save = record.text(Field::save);
    expect(save == QLatin1String("0") || save == QLatin1String("1"),
           [&] { return QStringLiteral("the auto-save flag is ") + quoted(save); });
}

struct Statistics {
    long long matches;
    long long runs;
    long long wickets;
    long long catches;
};

// One column of the record book, in row order: matches, runs, wickets,
// catches, highest score, batting average, 50s, 100s, most wickets, 5 wickets.
Statistics checkColumn(const RecordBook::Column& cells, int column) {
    const auto cell = [&](int row, const char* name, long long low, long long high) {
        return inRange(cells[row], {name, column}, low, high);
    };
    Statistics s{};
    s.matches = cell(0, "matches", 0, INT16_MAX);
    s.runs = cell(1, "runs", 0, 200 * s.matches);
    s.wickets = cell(2, "wickets", 0, 10 * s.matches);
    s.catches = cell(3, "catches", 0, 10 * s.matches);
    const long long highest = cell(4, "the highest score", 0, std::min(200LL, s.runs));
    const long long fifty = cell(6, "50s", 0, s.matches);
    const long long hundred = cell(7, "100s", 0, s.matches - fifty);
    const long long most = cell(8, "most wickets", 0, std::min(10LL, s.wickets));
    const long long five = cell(9, "5 wickets", 0, s.matches);
    expect(hundred == 0 || highest >= 100, [&] {
        return Name{"100s without a score of 100", column}.text();
    });
    expect(fifty == 0 || highest >= 50, [&] {
        return Name{"50s without a score of 50", column}.text();
    });
    expect(five == 0 || most >= 5, [&] {
        return Name{"5 wickets without 5 wickets in a match", column}.text();
    });
    static const QString decimalPoint = QLocale::system().decimalPoint();
    const QString average =
        s.matches == 0
            ? QStringLiteral("0")
            : formatBattingAverage(static_cast<float>(static_cast<double>(s.runs) / s.matches),
                                   decimalPoint);
    expectText(cells[5], average, {"the batting average", column});
    return s;
}

void checkBook(const Career& career, const CareerLedger& ledger, int current) {
    Statistics total{};
    for (int column = 0; column < RecordBook::columnCount; ++column) {
        const Statistics s = checkColumn(career.book.column(column), column);
        total.matches += s.matches;
        total.runs += s.runs;
        total.wickets += s.wickets;
        total.catches += s.catches;
    }
    static const char* const rows[RecordBook::rowCount] = {
        "matches", "runs", "wickets",      "catches",  "the highest score", "the batting average",
        "50s",     "100s", "most wickets", "5 wickets"};
    for (int row = 0; row < RecordBook::rowCount; ++row) {
        expectText(career.book.cell(row, current), career.record.text(levelStatistics[row]),
                   {rows[row], current});
    }
    expectNumber(total.matches, ledger.matches, {"the matches of all levels"});
    expectNumber(total.runs, ledger.runs, {"the runs of all levels"});
    expectNumber(total.wickets, ledger.wickets, {"the wickets of all levels"});
    expectNumber(total.catches, ledger.catches, {"the catches of all levels"});
}

}  // namespace

std::optional<QString> brokenInvariant(const Career& career, const CareerLedger& ledger) {
    try {
        checkSkills(career.record, ledger);
        checkConditions(career.record);
        const int column = checkLevel(career);
        checkMoney(career.record, column);
        checkBook(career, ledger, column);
    } catch (const Broken& problem) {
        return problem.what;
    }
    return std::nullopt;
}
