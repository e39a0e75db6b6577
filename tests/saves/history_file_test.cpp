// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/history_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <future>

#include "file_size_limit.h"
#include "game/match.h"
#include "game/money.h"
#include "saves/history_csv.h"
#include "saves/history_row_checks.h"
#include "saves/set_aside.h"
#include "support/file_contents.h"
#include "support/qt_printers.h"
#include "support/test_career.h"

namespace {

ino_t inodeOf(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) return 0;
    return status.st_ino;
}

QByteArray lines(std::initializer_list<QByteArray> rows) {
    QByteArray bytes = historyHeaderLine();
    for (const QByteArray& row : rows) bytes += row;
    return bytes;
}

TEST(HistoryFilePath, SitsBesideTheSaveFileNamedAfterIt) {
    const struct {
        const char* save;
        const char* history;
    } cases[] = {
        {"raj_auto.bsg", "raj_auto.history.csv"},
        {"/home/raj/Saves/raj_auto.bsg", "/home/raj/Saves/raj_auto.history.csv"},
        {"RAJ.BSG", "RAJ.history.csv"},
        {"raj", "raj.history.csv"},
        {"raj.bsg.old", "raj.bsg.old.history.csv"},
        {"old.bsg/raj", "old.bsg/raj.history.csv"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(historyFilePath(QString::fromUtf8(c.save)), QString::fromUtf8(c.history))
            << c.save;
    }
}

// A match whose row has a value of every kind: a team whose name needs
// quotes, two level changes, the World Cup, a sponsor and every purchase.
HistoryRow eventfulRow() {
    HistoryRow row;
    row.match = 412;
    row.level = Level::national;
    row.team = QStringLiteral("Kings, \"Royal\" XI");
    row.performance = {104, 5, 2};
    row.award = 8000;
    row.skills = {151, 96, 40};
    row.gear = {71, 52, 88, -3};
    row.body = {64, 59, 12};
    row.matchFee = 12000;
    row.sponsorship = 12000;
    row.otherIncome = 8000;
    row.bankBalance = -250.5;
    row.events.levelChanges = {Level::state, Level::national};
    row.events.selectedForWorldCup = true;
    row.events.sponsorTaken = QStringLiteral("Cable & Wireless");
    row.events.trainingCost = 16500;
    row.events.gearCost = 3975;
    row.events.healthCareCost = 0;
    row.events.bookieMoney = 50000;
    return row;
}

TEST(HistoryLine, HeaderNamesTheColumnsMatchFirst) {
    EXPECT_EQ(historyHeaderLine(),
              QByteArray("match,level,team,runs,wickets,catches,award,batting,bowling,fielding,"
                         "bat,gloves,pads,others,fitness,health,stamina,overall_gear,"
                         "overall_health,match_fee,sponsorship,other_income,bank_balance,"
                         "level_changes,world_cup,sponsor_taken,training_cost,gear_cost,"
                         "health_care_cost,bookie_money\n"));
}

TEST(HistoryLine, QuotesWhatCsvRequiresAndWritesLevelsAsWords) {
    EXPECT_EQ(historyLine(eventfulRow()),
              QByteArray("412,National,\"Kings, \"\"Royal\"\" XI\",104,5,2,8000,151,96,40,"
                         "71,52,88,-3,64,59,12,52,45,12000,12000,8000,-250.5,"
                         "State National,1,Cable && Wireless,16500,3975,0,50000\n"));

    HistoryRow plain;
    plain.match = 1;
    plain.team = QStringLiteral("Five Star");
    EXPECT_EQ(historyLine(plain),
              QByteArray("1,Club,Five Star,0,0,0,0,0,0,0,100,100,100,100,100,100,100,100,100,"
                         "0,0,0,0,,0,,0,0,0,0\n"));

    // A line end in a name stays inside its quotes.
    plain.team = QStringLiteral("two\nlines");
    plain.events.sponsorTaken = QStringLiteral("a\rb");
    const QByteArray line = historyLine(plain);
    EXPECT_TRUE(line.contains("\"two\nlines\"")) << line.toStdString();
    EXPECT_TRUE(line.contains("\"a\rb\"")) << line.toStdString();
}

// A team a spreadsheet would take for a formula is written as text, after
// an apostrophe, and reads back as it was.
TEST(HistoryLine, AFormulaTeamIsWrittenAsTextAndReadsBack) {
    HistoryRow row = eventfulRow();
    row.level = Level::club;
    row.team = QStringLiteral("=HYPERLINK(\"x\")");
    const QByteArray line = historyLine(row);
    EXPECT_TRUE(line.contains(",\"'=HYPERLINK(\"\"x\"\")\",")) << line.toStdString();
    const HistoryLines read = readHistoryLines(historyHeaderLine() + line);
    EXPECT_EQ(read.damaged, 0);
    EXPECT_EQ(read.rows, std::vector<HistoryRow>{row});
}

// The reasons of the drops follow the levels moved to, and read back; a
// reason the game never writes makes the row a damaged one.
TEST(HistoryLine, DropReasonsFollowTheLevelsAndReadBack) {
    HistoryRow dropped = eventfulRow();
    dropped.level = Level::city;
    dropped.team = QStringLiteral("Pune");
    dropped.events.levelChanges = {Level::state, Level::city, Level::state, Level::city};
    dropped.events.dropReasons = {{Shortfall::gloves, -4, 1}, {Shortfall::overallSkill, 12, 15}};
    const QByteArray line = historyLine(dropped);
    EXPECT_TRUE(line.contains(",State City State City gloves:-4:1 overall_skill:12:15,"))
        << line.toStdString();
    const HistoryLines read = readHistoryLines(historyHeaderLine() + line);
    EXPECT_EQ(read.damaged, 0);
    EXPECT_EQ(read.rows, std::vector<HistoryRow>{dropped});

    // Figures no drop can have: past the 16-bit skills and conditions, or not
    // short at all.
    for (const char* field :
         {"City gloves:-4", "City elbow:1:1", "City gloves:x:1", "gloves:-4:1 City",
          "City gloves:-4:1 fielding:1:10", "City fielding:-2147483648:2147483647",
          "City gloves:-32769:1", "City overall_skill:12:32768", "City fielding:15:15"}) {
        QByteArray changed = line;
        changed.replace("State City State City gloves:-4:1 overall_skill:12:15", field);
        EXPECT_EQ(readHistoryLines(historyHeaderLine() + changed).damaged, 1) << field;
    }
}

// The longest line the game can write is read back; a name one byte longer
// makes the row a damaged one.
TEST(HistoryLine, TheLongestLineWrittenReadsBack) {
    HistoryRow longest = eventfulRow();
    // Every character a quote, so the name doubles in the file.
    longest.team = QString(maxHistoryNameBytes, u'"');
    longest.events.levelChanges.assign(maxLevelChangesBytes / 5, Level::club);
    const HistoryLines read = readHistoryLines(historyHeaderLine() + historyLine(longest));
    EXPECT_EQ(read.damaged, 0);
    EXPECT_EQ(read.rows, std::vector<HistoryRow>{longest});

    HistoryRow tooLong = longest;
    tooLong.team += u'"';
    const HistoryLines refused =
        readHistoryLines(historyHeaderLine() + historyLine(tooLong) + historyLine(eventfulRow()));
    EXPECT_EQ(refused.damaged, 1);
    EXPECT_EQ(refused.rows, std::vector<HistoryRow>{eventfulRow()});
}

// A career loaded from the save file written with the row's match: its
// figures are those of the row.
Career loadedAt(const HistoryRow& row) {
    Career career = testCareer(50, 50, 50);
    career.recordBook[levelIndex(Level::club)].matches = static_cast<std::int16_t>(row.match);
    // Every level's record book holds more than the rows of any history
    // here.
    for (LevelStatistics& level : career.recordBook) {
        level.runs = level.wickets = level.catches = 1000000;
        level.highestScore = level.mostWickets = 32767;
    }
    career.level = row.level;
    career.team = row.team;
    // The teams every row of someHistory() names, and the row's own.
    career.teams.state = QStringLiteral("Pune");
    career.teams.nation = QStringLiteral("Zoë's \"Goa\", XI");
    if (row.level != Level::club) {
        (row.level == Level::city    ? career.teams.city
         : row.level == Level::state ? career.teams.state
                                     : career.teams.nation) = row.team;
    }
    career.skills = row.skills;
    career.gear = row.gear;
    career.body = row.body;
    career.matchFee = row.matchFee;
    career.sponsorship = row.sponsorship;
    career.otherIncome = row.otherIncome;
    career.bankBalance = row.bankBalance;
    return career;
}

// Rows of matches 11 to 11 + count - 1, each different from the others.
CareerHistory someHistory(int count) {
    std::vector<HistoryRow> rows;
    for (int i = 0; i < count; ++i) {
        HistoryRow row = eventfulRow();
        row.match = 11 + i;
        row.performance.runs = static_cast<std::int16_t>(i * 7);
        row.bankBalance = 1000 * i;
        if (i % 2 == 0) row.events = {};
        // State level first, then national, each with its team.
        const bool state = i < count / 2;
        row.level = state ? Level::state : Level::national;
        if (state && !row.events.levelChanges.empty()) row.events.levelChanges = {Level::state};
        if (i == count / 2) row.events.levelChanges = {Level::national};
        row.team = state ? QStringLiteral("Pune") : QStringLiteral("Zoë's \"Goa\", XI");
        rows.push_back(row);
    }
    return CareerHistory(std::move(rows));
}

class HistoryFileTest : public ::testing::Test {
  protected:
    QTemporaryDir folder;
    QString path = folder.path() + QStringLiteral("/raj_auto.history.csv");
    CareerHistory written = someHistory(6);
    Career loaded = loadedAt(written.rows().back());

    void expectNoGaps(const HistoryReading& read) const {
        EXPECT_EQ(read.leftOut.damagedRows, 0);
        EXPECT_EQ(read.leftOut.foreignRows, 0);
        EXPECT_FALSE(read.leftOut.unreadable);
    }
};

TEST_F(HistoryFileTest, ReadsBackEveryRowWritten) {
    ASSERT_EQ(writeHistoryFile(path, written), std::nullopt);
    const HistoryReading read = readHistory(path, loaded);
    EXPECT_EQ(read.history.rows(), written.rows());
    EXPECT_EQ(read.history.keptFrom(), 11);
    expectNoGaps(read);
    // Every row naming the team shares one string.
    EXPECT_TRUE(read.history.rows()[0].team.isSharedWith(read.history.rows()[1].team));
}

TEST_F(HistoryFileTest, ReadsOddValuesBackExactly) {
    std::vector<HistoryRow> rows = written.rows();
    HistoryRow& last = rows.back();
    for (HistoryRow& row : rows) {
        if (row.level == last.level) row.team = QStringLiteral("line\r\nbreak, and \"quotes\"");
    }
    last.bankBalance = -moneyLimit;
    last.sponsorship = moneyLimit;
    last.otherIncome = 0.1;
    last.matchFee = 1e-5;
    last.skills = {-32768, 32767, 0};
    last.events.bookieMoney = 2147483647;
    const CareerHistory odd(rows, {});
    ASSERT_EQ(writeHistoryFile(path, odd), std::nullopt);
    const HistoryReading read = readHistory(path, loadedAt(last));
    EXPECT_EQ(read.history.rows(), odd.rows());
    expectNoGaps(read);
}

// As a spreadsheet or an editor may save it again.
TEST_F(HistoryFileTest, TakesLinesEndedInCrLfAndEmptyLines) {
    ASSERT_EQ(writeHistoryFile(path, written), std::nullopt);
    const QByteArray bytes = contents(path);
    for (const QByteArray& edited : {QByteArray(bytes).replace("\n", "\r\n"), "\n" + bytes + "\n",
                                     QByteArray(bytes).replace("\n", "\r\n\r\n")}) {
        put(path, edited);
        const HistoryReading read = readHistory(path, loaded);
        EXPECT_EQ(read.history.rows(), written.rows());
        expectNoGaps(read);
    }
}

TEST_F(HistoryFileTest, AMissingFileStartsAtTheNextMatch) {
    const HistoryReading read = readHistory(path, loaded);
    EXPECT_TRUE(read.history.rows().empty());
    EXPECT_EQ(read.history.keptFrom(), 17);
    expectNoGaps(read);

    // Nor is a path under a file a folder that cannot be read.
    put(folder.path() + QStringLiteral("/plain"), "x");
    EXPECT_FALSE(readHistory(folder.path() + QStringLiteral("/plain/a.history.csv"), loaded)
                     .leftOut.unreadable);
}

// A crash while a row was appended leaves it cut off: dropped without a word,
// wherever the cut fell.
TEST_F(HistoryFileTest, ALastLineCutOffIsDroppedSilently) {
    ASSERT_EQ(writeHistoryFile(path, written), std::nullopt);
    const QByteArray whole = contents(path);
    const QByteArray last = historyLine(written.rows().back());
    const qsizetype lastStart = whole.size() - last.size();
    const qsizetype insideQuotes = last.indexOf("Goa") + 1;
    for (const qsizetype cut : {qsizetype{1}, qsizetype{3}, insideQuotes, last.size() - 1}) {
        SCOPED_TRACE(cut);
        put(path, whole.left(lastStart + cut));
        const HistoryReading read = readHistory(path, loaded);
        EXPECT_EQ(read.history.rows().size(), 5u);
        EXPECT_EQ(read.history.rows().back(), written.rows()[4]);
        expectNoGaps(read);
    }
}

// The file of an earlier career of the same name: its last match is the
// loaded career's, but the figures are not those the career was saved with.
TEST_F(HistoryFileTest, AnotherCareersFileKeepsNoRow) {
    ASSERT_EQ(writeHistoryFile(path, written), std::nullopt);
    const struct {
        const char* name;
        void (*change)(Career&);
    } differences[] = {
        {"level", [](Career& c) { c.level = Level::state; }},
        {"team", [](Career& c) { c.team = QStringLiteral("Goa"); }},
        {"skills", [](Career& c) { c.skills.fielding += 1; }},
        {"gear", [](Career& c) { c.gear.others += 1; }},
        {"body", [](Career& c) { c.body.stamina -= 1; }},
        {"match fee", [](Career& c) { c.matchFee = 7000; }},
        {"sponsorship", [](Career& c) { c.sponsorship = 0; }},
        {"other income", [](Career& c) { c.otherIncome = 0; }},
        {"bank balance", [](Career& c) { c.bankBalance += 1; }},
    };
    for (const auto& difference : differences) {
        SCOPED_TRACE(difference.name);
        Career other = loaded;
        difference.change(other);
        const HistoryReading read = readHistory(path, other);
        EXPECT_TRUE(read.history.rows().empty());
        EXPECT_EQ(read.leftOut.foreignRows, 6);
        EXPECT_EQ(read.leftOut.damagedRows, 0);
        EXPECT_EQ(read.history.keptFrom(), 17);
    }
}

// Rows past the career's last match cannot be its own (a save file older
// than its history); the rest are, when the last of them holds what the
// save file holds.
TEST_F(HistoryFileTest, RowsPastTheLoadedMatchAreForeign) {
    ASSERT_EQ(writeHistoryFile(path, written), std::nullopt);
    const HistoryReading read = readHistory(path, loadedAt(written.rows()[3]));
    ASSERT_EQ(read.history.rows().size(), 4u);
    EXPECT_EQ(read.history.rows().back(), written.rows()[3]);
    EXPECT_EQ(read.leftOut.foreignRows, 2);
    EXPECT_EQ(read.leftOut.damagedRows, 0);
    EXPECT_EQ(read.history.keptFrom(), 11);
}

// The row of the match after the save's last is written before its save:
// a game stopped between the two leaves it, and a load drops it as the row
// of a match never saved, without calling it another career's. Rows of two
// matches past the save are more than a stop can leave.
TEST_F(HistoryFileTest, TheRowOfAMatchNeverSavedIsDropped) {
    ASSERT_EQ(writeHistoryFile(path, written), std::nullopt);
    const HistoryReading read = readHistory(path, loadedAt(written.rows()[4]));
    const std::vector<HistoryRow> saved(written.rows().begin(), written.rows().begin() + 5);
    EXPECT_EQ(read.history.rows(), saved);
    EXPECT_EQ(read.leftOut.unsavedRows, 1);
    EXPECT_FALSE(read.leftOut.any());
    expectNoGaps(read);

    // Not when the row before it is not the save's last: then the rows are
    // another career's, the one past the save with them.
    std::vector<HistoryRow> gap = written.rows();
    gap.erase(gap.begin() + 4);
    ASSERT_EQ(writeHistoryFile(path, CareerHistory(gap)), std::nullopt);
    const HistoryReading other = readHistory(path, loadedAt(written.rows()[4]));
    EXPECT_EQ(other.leftOut.unsavedRows, 0);
    EXPECT_EQ(other.leftOut.foreignRows, 1);
    EXPECT_EQ(other.history.rows().size(), 4u);
}

// Between the last match and the save that was loaded, the player bought
// gear and took a sponsor: the figures of the last row are no longer the
// career's, and a whole history that adds up to every figure of the record
// book tells that the rows are its own all the same.
TEST_F(HistoryFileTest, AWholeHistoryThatMakesTheRecordBookIsTheCareersAfterAPurchase) {
    std::vector<HistoryRow> rows = written.rows();
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i].match = static_cast<int>(i + 1);
    ASSERT_EQ(writeHistoryFile(path, CareerHistory(rows)), std::nullopt);
    Career bought = loadedAt(rows.back());
    bought.recordBook = {};
    for (const HistoryRow& row : rows) {
        LevelStatistics& level = bought.recordBook[levelIndex(row.level)];
        ++level.matches;
        level.runs += row.performance.runs;
        level.wickets += row.performance.wickets;
        level.catches += row.performance.catches;
        level.highestScore = std::max<std::int32_t>(level.highestScore, row.performance.runs);
        level.mostWickets = std::max<std::int32_t>(level.mostWickets, row.performance.wickets);
    }
    bought.gear.bat = 100;
    bought.bankBalance -= 500;
    bought.sponsorship = 2400;
    const HistoryReading read = readHistory(path, bought);
    EXPECT_EQ(read.history.rows(), rows);
    expectNoGaps(read);

    // One figure of the record book off, and the rows are another career's.
    for (auto change :
         {+[](LevelStatistics& l) { ++l.runs; }, +[](LevelStatistics& l) { ++l.catches; },
          +[](LevelStatistics& l) { ++l.mostWickets; }}) {
        Career other = bought;
        change(other.recordBook[levelIndex(Level::national)]);
        EXPECT_TRUE(readHistory(path, other).history.rows().empty());
    }
    // And a history kept from a later match has too little to tell by.
    rows.erase(rows.begin());
    ASSERT_EQ(writeHistoryFile(path, CareerHistory(rows)), std::nullopt);
    EXPECT_TRUE(readHistory(path, bought).history.rows().empty());
}

// A history whose last rows never reached the file (the game stopped between
// the save and the row) keeps what it has.
TEST_F(HistoryFileTest, ALoadedCareerAheadOfItsHistoryKeepsTheRows) {
    ASSERT_EQ(writeHistoryFile(path, written), std::nullopt);
    Career ahead = loaded;
    ahead.recordBook[levelIndex(Level::city)].matches = 2;
    ahead.bankBalance = 5;
    const HistoryReading read = readHistory(path, ahead);
    EXPECT_EQ(read.history.rows(), written.rows());
    expectNoGaps(read);
}

TEST_F(HistoryFileTest, DamagedRowsAreSkippedAndCounted) {
    const std::vector<HistoryRow>& rows = written.rows();
    const auto row = [&rows](int i) { return historyLine(rows[i]); };
    const auto changed = [&rows](int i, const char* from, const char* to) {
        QByteArray line = historyLine(rows[i]);
        const qsizetype at = line.indexOf(from);
        EXPECT_GE(at, 0) << from;
        return line.replace(at, qstrlen(from), to);
    };
    const struct {
        const char* name;
        QByteArray line;
    } damages[] = {
        {"a column short", changed(1, ",50000\n", "\n")},
        {"a column more", changed(1, "\n", ",0\n")},
        {"runs past 16 bits", changed(1, ",7,", ",32768,")},
        {"a match number of 0", "0" + row(1).mid(2)},
        {"a level that is none", changed(1, "State,", "Stat,")},
        {"negative runs", changed(1, ",7,", ",-7,")},
        {"a NUL in a name", row(1).replace(QByteArray("Pune"), QByteArray("Pu\0e", 4))},
        {"a name that is not UTF-8", changed(1, "Pune", "Pu\xffne")},
        {"a sponsor the game does not have", changed(1, "Cable && Wireless", "Acme")},
        {"a number too long to be written",
         changed(1, ",7,", ",0000000000000000000000000000000007,")},
        {"a level change that is none", changed(5, "State National", "State  National")},
        {"money past the limit", changed(1, "12000,12000", "12000,1e16")},
        {"money that is no number", changed(1, "12000,12000", "12000,inf")},
        {"a sign before a number", changed(1, ",7,", ",+7,")},
        {"a blank in a number", changed(1, ",7,", ", 7,")},
        {"a World Cup of 2", changed(3, ",1,Cable", ",2,Cable")},
        {"an overall gear that does not follow from the gear", changed(1, ",52,45,", ",53,45,")},
        {"a quote inside a field", changed(1, "Cable &&", "Cable \"&&")},
        {"text after a closing quote", changed(5, "XI\",", "XI\"x,")},
        {"garbage", "\x01\x02\xff\xfe garbage, and more garbage\n"},
        {"a match out of order", row(0)},
    };
    for (const auto& damage : damages) {
        SCOPED_TRACE(damage.name);
        put(path, lines({row(0), damage.line, row(2), row(3), row(4), row(5)}));
        const HistoryReading read = readHistory(path, loaded);
        EXPECT_EQ(read.leftOut.damagedRows, 1);
        EXPECT_EQ(read.leftOut.foreignRows, 0);
        std::vector<HistoryRow> expected = rows;
        expected.erase(expected.begin() + 1);
        EXPECT_EQ(read.history.rows(), expected);
    }
}

// A spreadsheet that saves the file again puts a byte-order mark in front:
// no row is lost to it.
TEST_F(HistoryFileTest, AByteOrderMarkIsNoDamage) {
    ASSERT_EQ(writeHistoryFile(path, written), std::nullopt);
    put(path, "\xEF\xBB\xBF" + contents(path));
    const HistoryReading read = readHistory(path, loaded);
    EXPECT_EQ(read.history.rows(), written.rows());
    expectNoGaps(read);
}

// A field far longer than any the game writes is a damaged row, and only
// that row is left out (what it costs: ReadHistoryWithAHugeField in
// bench/history_benchmark.cpp).
TEST_F(HistoryFileTest, AHugeFieldIsADamagedRowAndTheRestIsKept) {
    const std::vector<HistoryRow>& rows = written.rows();
    QByteArray huge = historyLine(rows[1]);
    huge.replace(QByteArray("Pune"), QByteArray(60 * 1024 * 1024, 'P'));
    QByteArray bytes = lines({historyLine(rows[0]), huge});
    for (std::size_t i = 2; i < rows.size(); ++i) bytes += historyLine(rows[i]);
    put(path, bytes);
    const HistoryReading read = readHistory(path, loaded);
    EXPECT_EQ(read.leftOut.damagedRows, 1);
    EXPECT_EQ(read.history.rows().size(), rows.size() - 1);
}

// A history whose first rows are another career's is another career's,
// though its last row holds this career's figures.
TEST_F(HistoryFileTest, RowsMustAgreeWithTheCareerFromFirstToLast) {
    std::vector<HistoryRow> rows = written.rows();
    rows[0].team = QStringLiteral("Another city");
    ASSERT_EQ(writeHistoryFile(path, CareerHistory(rows)), std::nullopt);
    const HistoryReading read = readHistory(path, loaded);
    EXPECT_TRUE(read.history.rows().empty());
    EXPECT_EQ(read.leftOut.foreignRows, static_cast<int>(rows.size()));

    // A level reached without a level change is no history of this career.
    rows = written.rows();
    rows[3].events.levelChanges.clear();
    ASSERT_EQ(writeHistoryFile(path, CareerHistory(rows)), std::nullopt);
    EXPECT_TRUE(readHistory(path, loaded).history.rows().empty());
}

// A quote that opens a field and never closes does not take the rows after
// it along.
TEST_F(HistoryFileTest, AStrayQuoteLosesOneLine) {
    const std::vector<HistoryRow>& rows = written.rows();
    put(path, lines({historyLine(rows[0]), "\"12,Club\n", historyLine(rows[2]),
                     historyLine(rows[3]), historyLine(rows[4]), historyLine(rows[5])}));
    const HistoryReading read = readHistory(path, loaded);
    EXPECT_EQ(read.leftOut.damagedRows, 1);
    EXPECT_EQ(read.history.rows().size(), 5u);
}

TEST_F(HistoryFileTest, GarbageIsReadAsDamagedRowsAndNeverFailsTheLoad) {
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919) % 251);
    garbage += '\n';
    for (const QByteArray& bytes :
         {garbage, QByteArray("not a history\nat all\n"), QByteArray("no line end at all"),
          QByteArray("\"\n\n\n"), QByteArray(",,,,\n,\n")}) {
        put(path, bytes);
        const HistoryReading read = readHistory(path, loaded);
        EXPECT_TRUE(read.history.rows().empty());
        EXPECT_GE(read.leftOut.damagedRows, 1) << bytes.left(40).toStdString();
        EXPECT_EQ(read.history.keptFrom(), 17);
        EXPECT_FALSE(read.leftOut.unreadable);
    }
    // A file holding the header alone, or less of it, is an empty history.
    for (const QByteArray& bytes : {historyHeaderLine(), historyHeaderLine().left(20)}) {
        put(path, bytes);
        const HistoryReading read = readHistory(path, loaded);
        EXPECT_TRUE(read.history.rows().empty());
        expectNoGaps(read);
    }
}

TEST_F(HistoryFileTest, AFolderIsUnreadable) {
    ASSERT_TRUE(QDir().mkpath(path));
    const HistoryReading read = readHistory(path, loaded);
    EXPECT_TRUE(read.history.rows().empty());
    EXPECT_TRUE(read.leftOut.unreadable);
    EXPECT_EQ(read.history.keptFrom(), 17);
}

// Far larger than the longest career fills: not read at all.
TEST_F(HistoryFileTest, AHugeFileIsUnreadable) {
    ASSERT_EQ(writeHistoryFile(path, written), std::nullopt);
    QFile file(path);
    ASSERT_TRUE(file.resize(65 * 1024 * 1024));
    const HistoryReading read = readHistory(path, loaded);
    EXPECT_TRUE(read.history.rows().empty());
    EXPECT_TRUE(read.leftOut.unreadable);
}

// Reading a pipe would wait for a writer that may never come.
TEST_F(HistoryFileTest, APipeIsUnreadableAndNeverWaitedOn) {
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    auto reading = std::async(std::launch::async, [&] { return readHistory(path, loaded); });
    if (reading.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        // Lets the reader go before failing.
        QFile writer(path);
        writer.open(QIODevice::WriteOnly);
        writer.close();
        FAIL() << "readHistory waited on the pipe";
    }
    const HistoryReading read = reading.get();
    EXPECT_TRUE(read.leftOut.unreadable);
    EXPECT_EQ(read.history.keptFrom(), 17);
}

TEST_F(HistoryFileTest, WritingReplacesTheFileWhole) {
    put(path, "an earlier file, longer than the one that replaces it\n" + QByteArray(4096, 'x'));
    const CareerHistory one = someHistory(1);
    ASSERT_EQ(writeHistoryFile(path, one), std::nullopt);
    EXPECT_EQ(contents(path), lines({historyLine(one.rows()[0])}));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("raj_auto.history.csv")});
}

// As root, permissions stop no write; a folder whose name is taken by a file
// stops every write.
TEST_F(HistoryFileTest, WritingUnderAFileFailsWithTheReason) {
    put(folder.path() + QStringLiteral("/Saves"), "a file where the folder should be");
    const auto failure =
        writeHistoryFile(folder.path() + QStringLiteral("/Saves/raj_auto.history.csv"), written);
    ASSERT_TRUE(failure);
    EXPECT_FALSE(failure->isEmpty());
}

TEST_F(HistoryFileTest, AFullDiskLeavesTheEarlierFileAsItWas) {
    ASSERT_EQ(writeHistoryFile(path, written), std::nullopt);
    const QByteArray earlier = contents(path);
    std::optional<QString> failure;
    {
        const FileSizeLimit full(256);
        failure = writeHistoryFile(path, someHistory(20));
    }
    ASSERT_TRUE(failure);
    EXPECT_EQ(*failure, QStringLiteral("File too large"));
    EXPECT_EQ(contents(path), earlier);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

// ----------------------------------------------------------------------
// Keeping the file of a career in play

class KeepingTheFile : public HistoryFileTest {
  protected:
    HistoryFile file;
    std::vector<HistoryRow> all = someHistory(5).rows();
    std::vector<HistoryRow> rows{all.begin(), all.begin() + 3};

    CareerHistory history() const { return CareerHistory(rows); }
    // The next match is played.
    void play() { rows.push_back(all.at(rows.size())); }

    QByteArray fileOf(std::size_t count) const {
        QByteArray bytes = historyHeaderLine();
        for (std::size_t i = 0; i < count; ++i) bytes += historyLine(all[i]);
        return bytes;
    }
};

// The first time, the whole history is written, over whatever file was
// there (another career's); after that each row is appended to the file.
TEST_F(KeepingTheFile, WritesTheWholeHistoryFirstThenAppends) {
    put(path, "another career's history\n");
    EXPECT_EQ(file.write(path, history()), std::nullopt);
    EXPECT_EQ(contents(path), fileOf(3));
    const ino_t written = inodeOf(path);

    play();
    EXPECT_EQ(file.write(path, history()), std::nullopt);
    EXPECT_EQ(contents(path), fileOf(4));
    EXPECT_EQ(inodeOf(path), written);
    // What was there is kept aside, not lost.
    const QStringList aside = setAsideFilesOf(path, setAsideHistoryEnding);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(contents(aside.front()), "another career's history\n");
}

// A file whose rows were left out when the career was loaded (a hand-edited
// save makes its own history look like another career's) is replaced by the
// history in play, but what it held is kept under a set-aside name of its
// own: an earlier set-aside stays as it was.
TEST_F(KeepingTheFile, AFileWithRowsLeftOutAtLoadIsSetAsideNotLost) {
    const QByteArray found = fileOf(5) + "a damaged row\n";
    const struct {
        const char* name;
        HistoryLeftOut leftOut;
    } cases[] = {
        {"rows of another career", {.foreignRows = 2}},
        {"damaged rows", {.damagedRows = 1}},
        {"a file that could not be read", {.unreadable = true}},
    };
    const QString earlier =
        setAsideName(path, setAsideHistoryEnding, QDateTime::currentDateTime(), 1);
    put(earlier, "an earlier set-aside file\n");
    QStringList asideBefore = setAsideFilesOf(path, setAsideHistoryEnding);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        put(path, found);
        HistoryFile kept(c.leftOut);
        EXPECT_EQ(kept.write(path, CareerHistory(rows)), std::nullopt);
        EXPECT_EQ(contents(path), fileOf(3));
        const QStringList aside = setAsideFilesOf(path, setAsideHistoryEnding);
        ASSERT_EQ(aside.size(), asideBefore.size() + 1);
        EXPECT_EQ(contents(earlier), "an earlier set-aside file\n");
        QString added;
        for (const QString& file : aside) {
            if (!asideBefore.contains(file)) added = file;
        }
        EXPECT_EQ(contents(added), found);

        // The file of this game is appended to; changed by another program,
        // it is set aside as well.
        play();
        EXPECT_EQ(kept.write(path, CareerHistory(rows)), std::nullopt);
        EXPECT_EQ(contents(path), fileOf(4));
        EXPECT_EQ(setAsideFilesOf(path, setAsideHistoryEnding), aside);
        put(path, "changed by another program\n");
        play();
        EXPECT_EQ(kept.write(path, CareerHistory(rows)), std::nullopt);
        EXPECT_EQ(contents(path), fileOf(5));
        ASSERT_TRUE(kept.keptAside());
        EXPECT_EQ(contents(kept.keptAside()->keptAs), "changed by another program\n");
        asideBefore = setAsideFilesOf(path, setAsideHistoryEnding);
        rows.pop_back();
        rows.pop_back();
    }
}

// The file a career was loaded from, its rows the history's own, is gone on
// from, not written again, however long it is; with the row of a match
// never saved at its end (dropped at the load), that row gives way to the
// match played in its place, and nothing is set aside.
TEST_F(KeepingTheFile, TheFileLoadedFromIsAppendedToAndItsUnsavedRowReplaced) {
    put(path, fileOf(3));
    const ino_t before = inodeOf(path);
    play();
    HistoryFile loadedFrom;
    EXPECT_EQ(loadedFrom.write(path, history()), std::nullopt);
    EXPECT_EQ(contents(path), fileOf(4));
    EXPECT_EQ(inodeOf(path), before);

    HistoryRow unsaved = all[3];
    unsaved.performance.runs += 1;
    put(path, fileOf(3) + historyLine(unsaved));
    HistoryFile withUnsavedRow(HistoryLeftOut{.unsavedRows = 1});
    EXPECT_EQ(withUnsavedRow.write(path, history()), std::nullopt);
    EXPECT_EQ(contents(path), fileOf(4));
    EXPECT_TRUE(setAsideFilesOf(path, setAsideHistoryEnding).isEmpty());
    EXPECT_FALSE(withUnsavedRow.keptAside());
    play();
    EXPECT_EQ(withUnsavedRow.write(path, history()), std::nullopt);
    EXPECT_EQ(contents(path), fileOf(5));
}

// A history read whole from its file knows the file as it read it: the
// first write after the load appends to it at once; changed since by another
// program, the file is looked at again, and kept aside as ever.
TEST_F(KeepingTheFile, AFileReadWholeIsAppendedToUntilAnotherProgramChangesIt) {
    put(path, fileOf(3));
    const Career at = loadedAt(all[2]);
    const HistoryReading read = readHistory(path, at);
    ASSERT_EQ(read.history.rows(), rows);
    EXPECT_EQ(read.leftOut.rowsRead, 3u);
    EXPECT_TRUE(read.leftOut.readAs.exists);
    const ino_t before = inodeOf(path);
    play();
    HistoryFile loaded(read.leftOut);
    EXPECT_EQ(loaded.write(path, history()), std::nullopt);
    EXPECT_EQ(contents(path), fileOf(4));
    EXPECT_EQ(inodeOf(path), before);

    put(path, "changed by another program\n");
    HistoryFile changed(read.leftOut);
    EXPECT_EQ(changed.write(path, history()), std::nullopt);
    EXPECT_EQ(contents(path), fileOf(4));
    ASSERT_TRUE(changed.keptAside());
    EXPECT_EQ(contents(changed.keptAside()->keptAs), "changed by another program\n");

    // A file with rows left out, or cut off, is not known as read.
    put(path, fileOf(3).chopped(5));
    EXPECT_FALSE(readHistory(path, loadedAt(all[1])).leftOut.readAs.exists);
}

// When the file cannot be set aside it is not replaced either: the player is
// told once, and the file stays as it was.
TEST_F(KeepingTheFile, AFileThatCannotBeSetAsideIsLeftAsItWas) {
    const QByteArray found = fileOf(5);
    put(path, found);
    // A name the system takes, whose set-aside name is too long for it.
    path = QFileInfo(path).absolutePath() + QLatin1Char('/') + QString(240, QLatin1Char('h')) +
           QStringLiteral(".history.csv");
    put(path, found);
    HistoryFile keptWithRowsLeftOut(HistoryLeftOut{.foreignRows = 5});
    const auto failure = keptWithRowsLeftOut.write(path, CareerHistory(rows));
    ASSERT_TRUE(failure);
    EXPECT_FALSE(failure->isEmpty());
    EXPECT_EQ(contents(path), found);
}

// A save that failed kept its row from the file; the next save brings the
// file up to the history all the same.
TEST_F(KeepingTheFile, AppendsEveryRowNotYetWritten) {
    ASSERT_EQ(file.write(path, history()), std::nullopt);
    play();
    play();
    EXPECT_EQ(file.write(path, history()), std::nullopt);
    EXPECT_EQ(contents(path), fileOf(5));
}

// A file removed or changed by something else since is written whole again
// rather than appended to.
TEST_F(KeepingTheFile, AFileChangedSinceIsWrittenWhole) {
    ASSERT_EQ(file.write(path, history()), std::nullopt);
    ASSERT_TRUE(QFile::remove(path));
    play();
    EXPECT_EQ(file.write(path, history()), std::nullopt);
    EXPECT_EQ(contents(path), fileOf(4));

    put(path, "truncated\n");
    play();
    EXPECT_EQ(file.write(path, history()), std::nullopt);
    EXPECT_EQ(contents(path), fileOf(5));
    // What the other program left is kept, and the player is to be told.
    ASSERT_TRUE(file.keptAside());
    EXPECT_EQ(file.keptAside()->file, path);
    EXPECT_EQ(contents(file.keptAside()->keptAs), "truncated\n");
}

// The player is told once while writing fails; it is tried again at every
// match, and once it can be written the file holds every match.
TEST_F(KeepingTheFile, TellsOnceAndTriesAgainAtTheNextMatch) {
    ASSERT_TRUE(QDir().mkpath(path));
    const auto failure = file.write(path, history());
    ASSERT_TRUE(failure);
    EXPECT_FALSE(failure->isEmpty());
    play();
    EXPECT_EQ(file.write(path, history()), std::nullopt);

    ASSERT_TRUE(QDir().rmdir(path));
    play();
    EXPECT_EQ(file.write(path, history()), std::nullopt);
    EXPECT_EQ(contents(path), fileOf(5));
}

// A row cut off by a full disk is cut back at the next match, which appends
// the rows missing: nothing is set aside, for the file is this game's own.
TEST_F(KeepingTheFile, ADiskFullWhileAppendingIsToldOnceAndMendedAtTheNextMatch) {
    ASSERT_EQ(file.write(path, history()), std::nullopt);
    const qint64 size = QFileInfo(path).size();
    play();
    std::optional<QString> failure;
    {
        const FileSizeLimit full(static_cast<rlim_t>(size) + 10);
        failure = file.write(path, history());
    }
    ASSERT_TRUE(failure);
    EXPECT_EQ(*failure, QStringLiteral("File too large"));
    // What was cut off is dropped when the file is read.
    const HistoryReading read = readHistory(path, loadedAt(all[2]));
    EXPECT_EQ(read.history.rows(), std::vector<HistoryRow>(all.begin(), all.begin() + 3));
    expectNoGaps(read);

    ASSERT_NE(contents(path), fileOf(3));
    const ino_t appendedTo = inodeOf(path);
    play();
    EXPECT_EQ(file.write(path, history()), std::nullopt);
    EXPECT_EQ(contents(path), fileOf(5));
    EXPECT_EQ(inodeOf(path), appendedTo);
    EXPECT_TRUE(setAsideFilesOf(path, setAsideHistoryEnding).isEmpty());
}

}  // namespace
