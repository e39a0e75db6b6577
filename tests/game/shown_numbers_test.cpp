// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/shown_numbers.h"

#include <gtest/gtest.h>

#include <QLocale>

#include "game/career.h"
#include "support/qt_printers.h"

namespace {

struct ShownCase {
    const char* locale;
    double amount;
    const char* money;
};

// The C locale, under which the screenshots are taken, writes plain digits as
// the game always did; an Indian locale groups by lakh and crore.
TEST(ShownMoney, FollowsTheLocalesGroupingAndDecimalPoint) {
    const ShownCase cases[] = {
        {"C", 100000, "100000"},
        {"C", -2500, "\u202a-2500\u202c"},
        {"C", 1234.5, "1234.5"},
        {"hi_IN", 100000, "1,00,000"},
        {"hi_IN", 12345678, "1,23,45,678"},
        {"en_IN", 100000, "1,00,000"},
        {"hi_IN", -2500, "\u202a-2,500\u202c"},
        {"hi_IN", 1234.5, "1,234.5"},
        {"ta_IN", 6577000, "65,77,000"},
        {"en_US", 100000, "100,000"},
        {"de_DE", 1234567.25, "1.234.567,25"},
        {"de_DE", 999, "999"},
        {"C", 999'999'999'999'999.0, "999999999999999"},
    };
    for (const ShownCase& c : cases) {
        QLocale::setDefault(QLocale(QLatin1String(c.locale)));
        EXPECT_EQ(shownMoney(c.amount), QString::fromUtf8(c.money)) << c.locale << ' ' << c.amount;
    }
    QLocale::setDefault(QLocale::c());
}

TEST(ShownNumber, GroupsAsTheLocaleDoes) {
    QLocale::setDefault(QLocale(QStringLiteral("hi_IN")));
    EXPECT_EQ(shownNumber(250000), QStringLiteral("2,50,000"));
    EXPECT_EQ(shownNumber(-32768), QString::fromUtf8("\u202a-32,768\u202c"));
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(shownNumber(250000), QStringLiteral("250000"));
}

}  // namespace

// One digit system within a screen: under a Bengali locale the batting average
// and a change's sign come in Bengali digits and marks like every other
// number, and under the C locale exactly as the record has always shown them.
TEST(ShownAverage, FollowsTheLocalesDigitsAndDecimalPoint) {
    QLocale::setDefault(QLocale(QStringLiteral("bn_IN")));
    EXPECT_EQ(shownAverage(BattingAverage::of(37.25F)), QString::fromUtf8("৩৭.২৫"));
    EXPECT_EQ(shownAverage(BattingAverage::of(0.5F)), QString::fromUtf8(".৫০"));
    EXPECT_EQ(shownAverage(BattingAverage::asWritten(QStringLiteral("12,5"))),
              QString::fromUtf8("১২.৫"));
    EXPECT_EQ(shownChange(5), QString::fromUtf8("\u202a+৫\u202c"));
    EXPECT_EQ(shownNumber(100000), QString::fromUtf8("১,০০,০০০"));

    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    EXPECT_EQ(shownAverage(BattingAverage::of(37.25F)), QStringLiteral("37,25"));

    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(shownAverage(BattingAverage::of(37.25F)), QStringLiteral("37.25"));
    EXPECT_EQ(shownAverage(BattingAverage()), QStringLiteral("0"));
    EXPECT_EQ(shownChange(-3), QString::fromUtf8("\u202a-3\u202c"));
    EXPECT_EQ(shownChange(0), QString::fromUtf8("\u202a\u00b10\u202c"));
}
