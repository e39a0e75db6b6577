// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/history_row_checks.h"

#include <algorithm>
#include <array>
#include <limits>

#include "game/sponsorship.h"
#include "game/start_career.h"

namespace {

bool validUtf8WithoutNul(QByteArrayView bytes) {
    return !bytes.contains('\0') && bytes.isValidUtf8();
}

bool isGameSponsor(const QString& name) {
    return std::any_of(sponsors.begin(), sponsors.end(),
                       [&name](const Sponsor& sponsor) { return sponsor.name == name; });
}

bool teamFits(const HistoryRow& row, const Career& career) {
    if (row.level != Level::club) return row.team == teamAt(career, row.level);
    return row.team == career.teams.club || row.team == career.drawnClub ||
           std::find(clubNames.begin(), clubNames.end(), row.team) != clubNames.end();
}

}  // namespace

QByteArrayView withoutByteOrderMark(QByteArrayView bytes) {
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
}

bool historyFieldFits(QByteArrayView field, HistoryField kind) {
    switch (kind) {
        case HistoryField::number:
            return field.size() <= maxNumberBytes;
        case HistoryField::name:
            return field.size() <= maxHistoryNameBytes && validUtf8WithoutNul(field);
        case HistoryField::levelChanges:
            return field.size() <= maxLevelChangesBytes;
    }
    return false;
}

bool plausibleHistoryRow(const HistoryRow& row) {
    const auto& e = row.events;
    const bool noneNegative = row.performance.runs >= 0 && row.performance.wickets >= 0 &&
                              row.performance.catches >= 0 && row.award >= 0 && row.matchFee >= 0 &&
                              row.sponsorship >= 0 && row.otherIncome >= 0 && e.trainingCost >= 0 &&
                              e.gearCost >= 0 && e.healthCareCost >= 0 && e.bookieMoney >= 0;
    // A figure that fell short is one of the career's 16-bit skills or
    // conditions, below the bound it had to reach, itself within them.
    const bool reasonsFit =
        std::all_of(e.dropReasons.begin(), e.dropReasons.end(), [](const Shortfall& why) {
            const auto fits16 = [](std::int32_t figure) {
                return figure >= std::numeric_limits<std::int16_t>::min() &&
                       figure <= std::numeric_limits<std::int16_t>::max();
            };
            return fits16(why.value) && fits16(why.needed) && why.value < why.needed;
        });
    return noneNegative && reasonsFit &&
           (e.sponsorTaken.isEmpty() || isGameSponsor(e.sponsorTaken));
}

bool rowsAgreeWithCareer(const std::vector<HistoryRow>& rows, const Career& career) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const HistoryRow& row = rows[i];
        if (!teamFits(row, career)) return false;
        if (i == 0 || row.match != rows[i - 1].match + 1) continue;
        const auto& changes = row.events.levelChanges;
        const Level expected = changes.empty() ? rows[i - 1].level : changes.back();
        if (row.level != expected) return false;
    }
    return true;
}

namespace {

// What the rows played at each level.
struct PlayedAt {
    qint64 matches = 0, runs = 0, wickets = 0, catches = 0;
    int highestScore = 0, mostWickets = 0;
};

std::array<PlayedAt, levelCount> playedAtEachLevel(const std::vector<HistoryRow>& rows) {
    std::array<PlayedAt, levelCount> played{};
    for (const HistoryRow& row : rows) {
        PlayedAt& level = played[levelIndex(row.level)];
        ++level.matches;
        level.runs += row.performance.runs;
        level.wickets += row.performance.wickets;
        level.catches += row.performance.catches;
        level.highestScore = std::max<int>(level.highestScore, row.performance.runs);
        level.mostWickets = std::max<int>(level.mostWickets, row.performance.wickets);
    }
    return played;
}

}  // namespace

bool rowsLeadToCareer(const std::vector<HistoryRow>& rows, const Career& career) {
    const std::array<PlayedAt, levelCount> played = playedAtEachLevel(rows);
    for (std::size_t i = 0; i < played.size(); ++i) {
        const PlayedAt& rowsAt = played[i];
        const LevelStatistics& book = career.recordBook[i];
        if (rowsAt.runs > book.runs || rowsAt.wickets > book.wickets ||
            rowsAt.catches > book.catches || rowsAt.highestScore > book.highestScore ||
            rowsAt.mostWickets > book.mostWickets) {
            return false;
        }
    }
    return true;
}

bool rowsMakeRecordBook(const std::vector<HistoryRow>& rows, const Career& career) {
    if (rows.empty() || rows.front().match != 1 ||
        rows.size() != static_cast<std::size_t>(careerMatches(career))) {
        return false;
    }
    const std::array<PlayedAt, levelCount> played = playedAtEachLevel(rows);
    for (std::size_t i = 0; i < played.size(); ++i) {
        const PlayedAt& rowsAt = played[i];
        const LevelStatistics& book = career.recordBook[i];
        if (rowsAt.matches != book.matches || rowsAt.runs != book.runs ||
            rowsAt.wickets != book.wickets || rowsAt.catches != book.catches ||
            rowsAt.highestScore != book.highestScore || rowsAt.mostWickets != book.mostWickets) {
            return false;
        }
    }
    return true;
}
