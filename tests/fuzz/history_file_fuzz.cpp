// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the history-file reader: whatever the bytes, reading
// them gives rows of the career in match order, no more rows than the bytes
// hold lines, and rows that the writer writes so that they read back the
// same.
#include <QByteArray>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "game/career.h"
#include "game/history.h"
#include "saves/history_csv.h"
#include "saves/history_file.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

// A career loaded after 50 matches, 30 of them at club level.
Career loadedCareer() {
    Career career;
    career.recordBook[levelIndex(Level::club)].matches = 30;
    career.recordBook[levelIndex(Level::city)].matches = 20;
    career.level = Level::city;
    career.team = QStringLiteral("Pune");
    return career;
}

void check(const QByteArray& bytes, const Career& career) {
    const HistoryReading history = historyFromBytes(bytes, career);
    const std::vector<HistoryRow>& rows = history.history.rows();
    const HistoryLeftOut& gaps = history.leftOut;
    const std::int32_t played = careerMatches(career);

    require(!gaps.unreadable);
    require(gaps.damagedRows >= 0 && gaps.foreignRows >= 0);
    // A line ends in LF, CR LF, or in a file of old line ends CR alone.
    const auto lines = static_cast<std::size_t>(bytes.count('\n') + bytes.count('\r')) + 1;
    require(rows.size() + static_cast<std::size_t>(gaps.damagedRows + gaps.foreignRows) <= lines);
    require(history.history.keptFrom() == (rows.empty() ? played + 1 : rows.front().match));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        require(rows[i].match >= 1 && rows[i].match <= played);
        if (i > 0) require(rows[i].match > rows[i - 1].match);
    }

    // What was kept is written so that it reads back the same, whole.
    QByteArray written = historyHeaderLine();
    for (const HistoryRow& row : rows) written += historyLine(row);
    const HistoryReading again = historyFromBytes(written, career);
    require(again.history.rows() == rows);
    require(again.leftOut.damagedRows == 0 && again.leftOut.foreignRows == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Career career = loadedCareer();
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    check(bytes, career);
    return 0;
}
