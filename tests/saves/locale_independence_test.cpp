// SPDX-License-Identifier: GPL-3.0-or-later
// A save file is the same bytes under every locale, and a file written under
// one loads with every figure intact under any other, older files written
// with a decimal comma included.

#include <gtest/gtest.h>

#include <QLocale>

#include "game/level_change.h"
#include "game/match.h"
#include "saves/career_file.h"
#include "support/qt_printers.h"
#include "support/save_fixtures.h"
#include "support/scripted_random.h"
#include "support/test_career.h"

namespace {

// Restores the default locale however a test ends.
class LocaleSwitch {
  public:
    ~LocaleSwitch() { QLocale::setDefault(QLocale::c()); }
    void use(const char* name) const { QLocale::setDefault(QLocale(QLatin1String(name))); }
};

const char* const locales[] = {"C", "hi_IN", "de_DE"};

// Fractional averages on two levels, and sums of money far past a lakh.
Career playedCareer() {
    Career career = testCareer(80, 60, 40);
    for (const MatchPerformance& match :
         {MatchPerformance{37, 1, 0}, MatchPerformance{104, 0, 2}, MatchPerformance{0, 5, 1}})
        applyMatch(career, match);
    promote(career);
    applyMatch(career, {12, 0, 1});
    applyMatch(career, {3, 0, 0});
    career.bankBalance = 1234567.5;
    career.otherIncome = 100000;
    return career;
}

Career load(const SaveFile& file) {
    ScriptedRandom random;
    random.draws = {0.0};
    return careerFromSave(file, random);
}

TEST(SaveFileUnderAnyLocale, IsTheBytesWrittenUnderTheCLocale) {
    LocaleSwitch locale;
    const Career career = playedCareer();
    const QByteArray written = encodeSaveFile(saveFileOf(career, true));
    // 141 runs in 3 club matches, 15 in 2 at city level.
    EXPECT_EQ(saveFileOf(career, true).line(saveLine::recordBook(0, 5)), QStringLiteral("47.00"));
    EXPECT_EQ(saveFileOf(career, true).line(saveLine::recordBook(1, 5)), QStringLiteral("7.50"));
    EXPECT_EQ(saveFileOf(career, true).line(saveLine::bankbalance), QStringLiteral("1234567.5"));
    for (const char* name : locales) {
        locale.use(name);
        EXPECT_EQ(encodeSaveFile(saveFileOf(career, true)), written) << name;
    }
}

TEST(SaveFileUnderAnyLocale, LoadsWithEveryFigureUnderEveryOther) {
    LocaleSwitch locale;
    for (const char* writer : locales) {
        locale.use(writer);
        const Career career = playedCareer();
        const SaveFile file = saveFileOf(career, true);
        for (const char* reader : locales) {
            locale.use(reader);
            const Career loaded = load(file);
            SCOPED_TRACE(std::string(writer) + " to " + reader);
            EXPECT_EQ(loaded.bankBalance, career.bankBalance);
            EXPECT_EQ(loaded.otherIncome, career.otherIncome);
            EXPECT_EQ(loaded.skills, career.skills);
            for (int level = 0; level < levelCount; ++level) {
                const LevelStatistics& was = career.recordBook[level];
                const LevelStatistics& is = loaded.recordBook[level];
                EXPECT_EQ(is.matches, was.matches);
                EXPECT_EQ(is.runs, was.runs);
                EXPECT_EQ(is.highestScore, was.highestScore);
                EXPECT_EQ(is.battingAverage.text(QLocale().decimalPoint()),
                          was.battingAverage.text(QLocale().decimalPoint()));
            }
            EXPECT_EQ(encodeSaveFile(saveFileOf(loaded, true)), encodeSaveFile(file));
        }
    }
}

// Older versions wrote the average in the writer's locale.
TEST(SaveFileUnderAnyLocale, AnAverageWrittenWithACommaShowsInTheReadersForm) {
    LocaleSwitch locale;
    const struct {
        const char* written;
        const char* reader;
        const char* shown;
        const char* savedAgain;
    } cases[] = {
        {"50,67", "C", "50.67", "50.67"},
        {"50,67", "hi_IN", "50.67", "50.67"},
        {"50,67", "de_DE", "50,67", "50.67"},
        {"50.67", "de_DE", "50,67", "50.67"},
        {",50", "C", ".50", ".50"},
        {"-3,25", "C", "-3.25", "-3.25"},
        // Not a figure: kept as it was read.
        {"1,2,3", "de_DE", "1,2,3", "1,2,3"},
        {"n/a", "C", "n/a", "n/a"},
    };
    QStringList lines = handBuiltLines();
    const int averageLine = saveLine::recordBook(0, 5);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.written) + " under " + c.reader);
        locale.use(c.reader);
        lines[averageLine - 1] = QString::fromLatin1(c.written);
        SaveFile file;
        for (int i = 0; i < saveFileLineCount; ++i) file.lines.at(i) = lines.at(i);
        const Career loaded = load(file);
        EXPECT_EQ(loaded.recordBook[0].battingAverage.text(QLocale().decimalPoint()),
                  QString::fromLatin1(c.shown));
        EXPECT_EQ(saveFileOf(loaded, true).line(averageLine), QString::fromLatin1(c.savedAgain));
    }
}

}  // namespace
