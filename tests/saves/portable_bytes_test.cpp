// SPDX-License-Identifier: GPL-3.0-or-later
// A save file and a history file are the same bytes on every machine: a
// career written on a little-endian 64-bit computer loads on a big-endian or
// 32-bit one and is written back byte for byte. The files kept beside this
// test were written by the game; every build, on whatever architecture the
// package is built for, writes the same career again and compares.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "saves/career_file.h"
#include "saves/history_csv.h"
#include "saves/save_file.h"
#include "support/qt_printers.h"
#include "support/save_fixtures.h"
#include "support/scripted_random.h"
#include "support/two_matches.h"

namespace {

QByteArray goldenBytes(const char* name) {
    QFile file(QStringLiteral(BAILCREST_SAVES_GOLDEN "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// On a difference the bytes this build wrote are left in the build folder,
// for a byte-wise comparison with the kept file.
void expectGolden(const QByteArray& written, const char* name) {
    const QByteArray golden = goldenBytes(name);
    if (!golden.isEmpty() && written == golden) return;
    QFile actual(QDir::current().filePath(QLatin1String(name) + QStringLiteral(".written")));
    if (actual.open(QIODevice::WriteOnly)) actual.write(written);
    qsizetype first = 0;
    while (first < written.size() && first < golden.size() && written[first] == golden[first])
        ++first;
    ADD_FAILURE() << name << " differs from byte " << first << " on (" << written.size()
                  << " bytes written, " << golden.size() << " kept); written to "
                  << actual.fileName().toStdString();
}

// Beyond ASCII, surrogate pairs, negative and six-figure numbers, averages
// in each form the files hold (the save's), and a team with a comma and
// quotes for CSV.
std::vector<HistoryRow> knownHistory() {
    std::vector<HistoryRow> rows = TwoMatches().rows;
    HistoryRow third = row(3, Level::state, "", {0, 7, 3}, {131, 97, 60});
    third.team = QStringLiteral(" Zoë's \"Western Cape, XI\" 𝄞");
    third.gear = {71, 52, 88, -3};
    third.body = {64, 59, 12};
    third.matchFee = 7000;
    third.sponsorship = 4500;
    third.otherIncome = 5500;
    third.bankBalance = 98765;
    third.events.gearCost = 123456;
    rows.push_back(third);
    return rows;
}

QByteArray historyBytes(const std::vector<HistoryRow>& rows) {
    QByteArray bytes = historyHeaderLine();
    for (const HistoryRow& r : rows) bytes += historyLine(r);
    return bytes;
}

TEST(PortableFileBytes, AKnownCareerIsSavedAsTheKeptBytes) {
    expectGolden(encodeSaveFile(saveFileOf(midCareer(), true)), "known_career.bsg");
}

TEST(PortableFileBytes, TheKeptSaveLoadsAndIsWrittenBackByteForByte) {
    const QByteArray golden = goldenBytes("known_career.bsg");
    const SaveFileReading reading = decodeSaveFile(golden, true);
    ASSERT_TRUE(reading.file) << reading.error.toStdString();
    ScriptedRandom random;
    random.draws = {0.0};
    const Career loaded = careerFromSave(*reading.file, random);
    const Career known = midCareer();
    EXPECT_EQ(loaded.player, known.player);
    EXPECT_EQ(loaded.skills, known.skills);
    EXPECT_EQ(loaded.bankBalance, known.bankBalance);
    EXPECT_EQ(loaded.recordBook[0].runs, known.recordBook[0].runs);
    EXPECT_EQ(encodeSaveFile(saveFileOf(loaded, true)), golden);
}

TEST(PortableFileBytes, AKnownHistoryIsWrittenAsTheKeptBytesAndReadBackWhole) {
    const std::vector<HistoryRow> rows = knownHistory();
    expectGolden(historyBytes(rows), "known_career.history.csv");
    const HistoryLines read = readHistoryLines(goldenBytes("known_career.history.csv"));
    EXPECT_EQ(read.damaged, 0);
    ASSERT_EQ(read.rows.size(), rows.size());
    EXPECT_EQ(historyBytes(read.rows), goldenBytes("known_career.history.csv"));
    EXPECT_EQ(read.rows.back().team, rows.back().team);
    EXPECT_EQ(read.rows.back().gear.others, -3);
}

// The bytes follow from the file layer's code alone: units are put and taken
// one at a time in a stated order, never copied from memory as the host
// lays them out.
TEST(PortableFileBytes, TheFileLayerNeverCopiesMemoryInTheHostsOrderOrSizes) {
    const QRegularExpression hostLayout(QStringLiteral(
        R"(QDataStream|\bmemcpy\b|\bmemmove\b|reinterpret_cast|\bfread\b|\bfwrite\b|)"
        R"(\bsizeof\s*\((int|long|short|size_t|qsizetype|std::\w+)\)|qFromBigEndian|)"
        R"(qToBigEndian|QSysInfo::ByteOrder|\bntoh|\bhton)"));
    const QDir folder(QStringLiteral(BAILCREST_SAVES_SOURCES));
    const QStringList sources =
        folder.entryList({QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files);
    ASSERT_GT(sources.size(), 10);
    for (const QString& name : sources) {
        QFile source(folder.filePath(name));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly)) << name.toStdString();
        const QRegularExpressionMatch found = hostLayout.match(QString::fromUtf8(source.readAll()));
        EXPECT_FALSE(found.hasMatch())
            << name.toStdString() << " uses " << found.captured().toStdString();
    }
}

}  // namespace
