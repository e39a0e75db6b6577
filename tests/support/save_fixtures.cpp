// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/save_fixtures.h"

#include <QStringEncoder>

#include "game/random_source.h"
#include "game/start_career.h"

QStringList handBuiltLines() {
    return {QStringLiteral("Bailcrest Saves"), QStringLiteral(" Ravi  "), QStringLiteral("Pune"),
            QStringLiteral(" Maharashtra"), QStringLiteral("India "), QStringLiteral("87"),
            QStringLiteral("45"), QStringLiteral("30"), QStringLiteral("1"), QStringLiteral("45"),
            QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("Rising Sun"),
            QStringLiteral(" Maharashtra"), QStringLiteral("Batsman"),
            QStringLiteral("Cable && Wireless"), QStringLiteral("7000"), QStringLiteral("2500"),
            QStringLiteral("1500"), QStringLiteral("123456"), QStringLiteral("90"),
            QStringLiteral("85"), QStringLiteral("97"), QStringLiteral("60"), QStringLiteral("70"),
            QStringLiteral("75"), QStringLiteral("40"),
            // Club
            QStringLiteral("12"), QStringLiteral("345"), QStringLiteral("7"), QStringLiteral("4"),
            QStringLiteral("88"), QStringLiteral("28.75"), QStringLiteral("2"), QStringLiteral("0"),
            QStringLiteral("3"), QStringLiteral("0"),
            // City
            QStringLiteral("9"), QStringLiteral("301"), QStringLiteral("3"), QStringLiteral("5"),
            QStringLiteral("120"), QStringLiteral("33,44"), QStringLiteral("1"),
            QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("0"),
            // State
            QStringLiteral("4"), QStringLiteral("150"), QStringLiteral("6"), QStringLiteral("1"),
            QStringLiteral("77"), QStringLiteral("37,50"), QStringLiteral("1"), QStringLiteral("0"),
            QStringLiteral("5"), QStringLiteral("1"),
            // National
            QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
            QStringLiteral("0"), QStringLiteral(".00"), QStringLiteral("0"), QStringLiteral("0"),
            QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("State")};
}

QByteArray utf16File(const QStringList& lines, const QString& lineEnd, bool byteOrderMark) {
    QStringEncoder encoder(QStringEncoder::Utf16LE, byteOrderMark ? QStringEncoder::Flag::WriteBom
                                                                  : QStringEncoder::Flag::Default);
    QByteArray bytes;
    for (const QString& line : lines) bytes += encoder.encode(line + lineEnd);
    return bytes;
}

namespace {

class FirstClub final : public RandomSource {
  public:
    double draw() override { return 0.1; }
};

}  // namespace

Career midCareer() {
    FirstClub random;
    Career career =
        startCareer(PlayerDetails{QStringLiteral("  Zoë Ann  "), QStringLiteral("Cape Town "),
                                  QStringLiteral(" Western Cape"), QStringLiteral("South Africa"),
                                  Skills{55, 48, 41}, true},
                    random);
    career.skills = {131, 97, 60};
    career.team = QStringLiteral(" Western Cape");
    career.sponsor = QStringLiteral("Cable & Wireless");
    career.matchFee = 7000;
    career.sponsorship = 4500;
    career.otherIncome = 5500;
    career.bankBalance = 98765;
    career.gear = {71, 52, 88, -3};
    career.body = {64, 59, 12};
    const auto level = [](std::int16_t matches, int runs, int wickets, int catches, int highest,
                          const char* average, int fifties, int hundreds, int most, int five) {
        return LevelStatistics{matches, runs,
                               wickets, catches,
                               highest, BattingAverage::asWritten(QString::fromLatin1(average)),
                               fifties, hundreds,
                               most,    five};
    };
    career.recordBook = {level(20, 612, 14, 9, 104, "30,60", 4, 1, 4, 0),
                         level(11, 402, 8, 6, 77, "36.55", 3, 0, 5, 1),
                         level(6, 219, 3, 2, 91, ".50", 2, 0, 2, 0), LevelStatistics{}};
    career.level = Level::state;
    return career;
}

AutoSave midCareerAutoSave() {
    return AutoSave{true, autoSaveFileName(midCareer().player)};
}
