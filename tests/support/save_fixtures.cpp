#include "support/save_fixtures.h"

#include <QStringEncoder>

#include "core/levels.h"
#include "core/start_up.h"
#include "match/take_match_context.h"
#include "match/take_match_context.h"
#include "ui/random_source.h"

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
    Career career;
    startCareer(career,
                PlayerDetails{QStringLiteral("  Zoë Ann  "), QStringLiteral("Cape Town "),
                              QStringLiteral(" Western Cape"), QStringLiteral("South Africa"), 55,
                              48, 41, 1},
                random);
    CareerRecord& r = career.record;
    r.set(Label2(0), QStringLiteral("131"));
    r.set(Label2(1), QStringLiteral("97"));
    r.set(Label2(2), QStringLiteral("60"));
    r.set(Field::team, QStringLiteral(" Western Cape"));
    r.set(Field::sponsor, QStringLiteral("Cable && Wireless"));
    r.set(Field::matchfee, QStringLiteral("7000"));
    r.set(Field::sponsorship, QStringLiteral("4500"));
    r.set(Field::otherincome, QStringLiteral("5500"));
    r.set(Field::bankbalance, QStringLiteral("98765"));
    const char* conditions[7] = {"71", "52", "88", "-3", "64", "59", "12"};
    for (int i = 0; i < 7; ++i) r.set(Label23(i), QString::fromLatin1(conditions[i]));
    const char* columns[4][10] = {{"20", "612", "14", "9", "104", "30,60", "4", "1", "4", "0"},
                                  {"11", "402", "8", "6", "77", "36.55", "3", "0", "5", "1"},
                                  {"6", "219", "3", "2", "91", ".50", "2", "0", "2", "0"},
                                  {"0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}};
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 10; ++row) {
            career.book.setCell(row, column, QString::fromLatin1(columns[column][row]));
        }
    }
    r.set(Field::level, levels::words[levels::state]);
    for (int row = 0; row < 10; ++row) {
        r.set(levelStatistics[row], career.book.cell(row, levels::state));
    }
    return career;
}

MatchContext contextOf(const Career& career) {
    return takeMatchContext(career.record);
}
