// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/record_invariants.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "game/batting_average.h"
#include "game/money.h"
#include "game/sponsorship.h"
#include "saves/file_words.h"

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

// What a checked value is: its name, and the level whose record-book column
// it stands in, if any.
struct Name {
    const char* name;
    std::optional<Level> column = std::nullopt;

    QString text() const {
        QString text = QString::fromLatin1(name);
        if (column) {
            text += QStringLiteral(" in the ") + levelWord(*column) +
                    QStringLiteral(" column of the record book");
        }
        return text;
    }
};

long long inRange(long long value, Name name, long long low, long long high) {
    expect(value >= low && value <= high, [&] {
        return QStringLiteral("%1 is %2, outside %3 to %4")
            .arg(name.text())
            .arg(value)
            .arg(low)
            .arg(high);
    });
    return value;
}

void expectNumber(long long actual, long long expected, Name name) {
    expect(actual == expected, [&] {
        return QStringLiteral("%1 is %2 but should be %3")
            .arg(name.text())
            .arg(actual)
            .arg(expected);
    });
}

void expectText(const QString& actual, const QString& expected, Name name) {
    expect(actual == expected, [&] {
        return name.text() + QStringLiteral(" is ") + quoted(actual) +
               QStringLiteral(" but should be ") + quoted(expected);
    });
}

constexpr long long skillCap = 200;
// A match needs every condition at 1 or more and wears one down by at most
// a quarter of 200 runs; purchases and drops bring them back to at most 100.
constexpr long long lowestCondition = 1 - 200 / 4;

void checkSkills(const Career& career, const CareerLedger& ledger) {
    const struct {
        std::int16_t now;
        std::int16_t atStart;
        std::int16_t chosen;
        const char* name;
        const char* startingName;
    } skills[] = {{career.skills.batting, career.startingSkills.batting,
                   ledger.startingSkills.batting, "batting", "the starting batting"},
                  {career.skills.bowling, career.startingSkills.bowling,
                   ledger.startingSkills.bowling, "bowling", "the starting bowling"},
                  {career.skills.fielding, career.startingSkills.fielding,
                   ledger.startingSkills.fielding, "fielding", "the starting fielding"}};
    for (const auto& skill : skills) {
        inRange(skill.now, {skill.name}, 0, skillCap);
        expectNumber(skill.atStart, skill.chosen, {skill.startingName});
    }
}

void checkConditions(const Career& career) {
    const struct {
        std::int16_t value;
        const char* name;
    } conditions[] = {{career.gear.bat, "the bat"},         {career.gear.gloves, "the gloves"},
                      {career.gear.pads, "the pads"},       {career.gear.others, "the others"},
                      {career.body.fitness, "the fitness"}, {career.body.health, "the health"},
                      {career.body.stamina, "the stamina"}};
    for (const auto& condition : conditions) {
        inRange(condition.value, {condition.name}, lowestCondition, 100);
    }
}

void checkLevel(const Career& career) {
    expectText(career.team, teamAt(career, career.level), {"the current team"});
    expect(!career.selectedForWorldCup || career.level == Level::national, [&] {
        return QStringLiteral("the World Cup flag is set at %1 level").arg(levelWord(career.level));
    });
    const double fee = career.selectedForWorldCup ? worldCupFee : arrivalFee(career.level);
    expect(career.matchFee == fee, [&] {
        return QStringLiteral("the match fee is %1 but should be %2")
            .arg(moneyText(career.matchFee), moneyText(fee));
    });
}

void checkMoney(const Career& career) {
    if (career.sponsorship != 0) {
        // Taken at this level or a lower one: a drop cancels it.
        bool offered = false;
        for (const Sponsor& sponsor : sponsors) {
            if (sponsor.name != career.sponsor) continue;
            for (int number = 1; number <= levelNumber(career.level); ++number) {
                offered = offered || career.sponsorship == sponsor.offerPerLevel * number;
            }
        }
        expect(offered, [&] {
            return QStringLiteral("a sponsorship of %1 from %2 at %3 level is no offer")
                .arg(moneyText(career.sponsorship), quoted(career.sponsor),
                     levelWord(career.level));
        });
    }
    const double other = career.otherIncome;
    expect(other == 0 || other == 1500 || other == 3000 || other == 5500 || other == 8000, [&] {
        return QStringLiteral("the other income %1 is no performance award").arg(moneyText(other));
    });
    // The player never spends more than he has, and a career of matches earns
    // whole rupees far short of 32 bits.
    const double balance = career.bankBalance;
    expect(balance >= 0 && balance <= INT32_MAX && std::floor(balance) == balance, [&] {
        return QStringLiteral("the bank balance is %1, not a whole number from 0 to %2")
            .arg(moneyText(balance))
            .arg(INT32_MAX);
    });
}

struct Totals {
    long long matches = 0;
    long long runs = 0;
    long long wickets = 0;
    long long catches = 0;
};

// One column of the record book: every count within what its matches allow,
// the milestones backed by the best figures, and the batting average the
// runs per match, or "0" while the level is unplayed.
Totals checkColumn(const LevelStatistics& s, Level column) {
    const auto cell = [column](long long value, const char* name, long long low, long long high) {
        return inRange(value, {name, column}, low, high);
    };
    Totals totals;
    totals.matches = cell(s.matches, "matches", 0, INT16_MAX);
    totals.runs = cell(s.runs, "runs", 0, 200 * totals.matches);
    totals.wickets = cell(s.wickets, "wickets", 0, 10 * totals.matches);
    totals.catches = cell(s.catches, "catches", 0, 10 * totals.matches);
    const long long highest =
        cell(s.highestScore, "the highest score", 0, std::min<long long>(200, totals.runs));
    const long long fifties = cell(s.fifties, "50s", 0, totals.matches);
    const long long hundreds = cell(s.hundreds, "100s", 0, totals.matches - fifties);
    const long long most =
        cell(s.mostWickets, "most wickets", 0, std::min<long long>(10, totals.wickets));
    const long long fives = cell(s.fiveWicketHauls, "5 wickets", 0, totals.matches);
    expect(hundreds == 0 || highest >= 100, [&] {
        return Name{"100s without a score of 100", column}.text();
    });
    expect(fifties == 0 || highest >= 50, [&] {
        return Name{"50s without a score of 50", column}.text();
    });
    expect(fives == 0 || most >= 5, [&] {
        return Name{"5 wickets without 5 wickets in a match", column}.text();
    });
    const float runsPerMatch =
        totals.matches == 0 ? 0.0f
                            : static_cast<float>(static_cast<double>(totals.runs) / totals.matches);
    // The same figure shows the same text, so only a different one is formatted.
    const BattingAverage expected =
        totals.matches == 0 ? BattingAverage() : BattingAverage::of(runsPerMatch);
    if (s.battingAverage != expected) {
        static const QString decimalPoint = QLocale::system().decimalPoint();
        const QString average = totals.matches == 0
                                    ? QStringLiteral("0")
                                    : formatBattingAverage(runsPerMatch, decimalPoint);
        expectText(s.battingAverage.text(decimalPoint), average, {"the batting average", column});
    }
    return totals;
}

void checkBook(const Career& career, const CareerLedger& ledger) {
    Totals total;
    for (const Level level : allLevels) {
        const Totals column = checkColumn(career.recordBook[levelIndex(level)], level);
        total.matches += column.matches;
        total.runs += column.runs;
        total.wickets += column.wickets;
        total.catches += column.catches;
    }
    expectNumber(total.matches, ledger.matches, {"the matches of all levels"});
    expectNumber(total.runs, ledger.runs, {"the runs of all levels"});
    expectNumber(total.wickets, ledger.wickets, {"the wickets of all levels"});
    expectNumber(total.catches, ledger.catches, {"the catches of all levels"});
}

}  // namespace

std::optional<QString> brokenInvariant(const Career& career, const CareerLedger& ledger) {
    try {
        checkSkills(career, ledger);
        checkConditions(career);
        checkLevel(career);
        checkMoney(career);
        checkBook(career, ledger);
    } catch (const Broken& problem) {
        return problem.what;
    }
    return std::nullopt;
}
