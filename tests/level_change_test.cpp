#include "core/level_change.h"

#include <gtest/gtest.h>

#include "core/career.h"
#include "core/levels.h"
#include "support/qt_printers.h"
#include "support/test_career.h"

namespace {

const QString& word(int column) {
    return levels::words.at(column);
}

RecordBook::Column statistics(const CareerRecord& record) {
    RecordBook::Column texts;
    for (int row = 0; row < RecordBook::rowCount; ++row)
        texts[row] = record.text(levelStatistics[row]);
    return texts;
}

RecordBook::Column zeros() {
    RecordBook::Column texts;
    texts.fill(QStringLiteral("0"));
    return texts;
}

TEST(ResetStats, PromotionFilesTheLevelAndRestartsFromTheStartingSkills) {
    Career career;
    startTestCareer(career, 40, 35, 30);
    setFields(career.record, {{Label2(0), "180"},
                              {Label2(1), "150"},
                              {Label2(2), "120"},
                              {Field::matches, "12"},
                              {Field::runs, "640"},
                              {Field::bataverage, "53.33"},
                              {Field::fivewickets, "2"}});
    const RecordBook::Column club = statistics(career.record);

    ResetStats(career, word(levels::club), word(levels::city));

    EXPECT_EQ(career.book.column(levels::club), club);
    EXPECT_EQ(statistics(career.record), zeros());
    EXPECT_EQ(career.record.text(Field::level), QStringLiteral("City"));
    EXPECT_EQ(career.record.text(Label2(0)), QStringLiteral("40"));
    EXPECT_EQ(career.record.text(Label2(1)), QStringLiteral("35"));
    EXPECT_EQ(career.record.text(Label2(2)), QStringLiteral("30"));
    EXPECT_EQ(career.record.text(Field::skill), QStringLiteral("35"));
    EXPECT_EQ(career.record.text(Field::role), QStringLiteral("All Rounder"));
}

TEST(ResetStats, EachLevelKeepsItsStatisticsAcrossClubCityClubCity) {
    Career career;
    startTestCareer(career, 40, 35, 30);
    setFields(career.record, {{Field::matches, "12"}, {Field::highestscore, "88"}});
    const RecordBook::Column club = statistics(career.record);
    ResetStats(career, word(levels::club), word(levels::city));

    // Texts are copied as they stand, a locale's comma included.
    setFields(career.record, {{Field::matches, "3"}, {Field::bataverage, "12,50"}});
    const RecordBook::Column city = statistics(career.record);
    ResetStats(career, word(levels::city), word(levels::club));
    EXPECT_EQ(statistics(career.record), club);
    EXPECT_EQ(career.book.column(levels::city), city);
    EXPECT_EQ(career.record.text(Field::level), QStringLiteral("Club"));

    setFields(career.record, {{Field::matches, "13"}});
    const RecordBook::Column clubLater = statistics(career.record);
    ResetStats(career, word(levels::club), word(levels::city));
    EXPECT_EQ(statistics(career.record), city);
    EXPECT_EQ(career.book.column(levels::club), clubLater);
    EXPECT_EQ(career.book.column(levels::state), zeros());
    EXPECT_EQ(career.book.column(levels::national), zeros());
}

TEST(ResetStats, LeavesGearHealthMoneyAndTeamAlone) {
    Career career;
    startTestCareer(career, 40, 35, 30);
    setFields(career.record, {{Label23(2), "7"}, {Field::bankbalance, "999"}});
    ResetStats(career, word(levels::state), word(levels::national));
    EXPECT_EQ(career.record.text(Label23(2)), QStringLiteral("7"));
    EXPECT_EQ(career.record.text(Field::bankbalance), QStringLiteral("999"));
    EXPECT_EQ(career.record.text(Field::team), QStringLiteral("Five Star"));
    EXPECT_EQ(career.record.text(Field::matchfee), QStringLiteral("3000"));
}

}  // namespace
