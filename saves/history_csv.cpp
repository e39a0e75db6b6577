// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/history_csv.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <utility>

#include "game/money.h"
#include "game/ratings.h"
#include "saves/csv.h"
#include "saves/file_words.h"
#include "saves/history_columns.h"
#include "saves/history_row_checks.h"

namespace {

// The figures' columns, each found by its name in the history's column
// table, so that the table's order is the file's, whatever it is.
constexpr int matchColumn = historyColumnAt("match");
constexpr int levelColumn = historyColumnAt("level");
constexpr int teamColumn = historyColumnAt("team");
constexpr int runsColumn = historyColumnAt("runs");
constexpr int wicketsColumn = historyColumnAt("wickets");
constexpr int catchesColumn = historyColumnAt("catches");
constexpr int awardColumn = historyColumnAt("award");
constexpr int battingColumn = historyColumnAt("batting");
constexpr int bowlingColumn = historyColumnAt("bowling");
constexpr int fieldingColumn = historyColumnAt("fielding");
constexpr int batColumn = historyColumnAt("bat");
constexpr int glovesColumn = historyColumnAt("gloves");
constexpr int padsColumn = historyColumnAt("pads");
constexpr int othersColumn = historyColumnAt("others");
constexpr int fitnessColumn = historyColumnAt("fitness");
constexpr int healthColumn = historyColumnAt("health");
constexpr int staminaColumn = historyColumnAt("stamina");
constexpr int overallGearColumn = historyColumnAt("overall_gear");
constexpr int overallHealthColumn = historyColumnAt("overall_health");
constexpr int matchFeeColumn = historyColumnAt("match_fee");
constexpr int sponsorshipColumn = historyColumnAt("sponsorship");
constexpr int otherIncomeColumn = historyColumnAt("other_income");
constexpr int bankBalanceColumn = historyColumnAt("bank_balance");

// What happened since the match before follows every figure of the column
// table, those the reader takes by name and any after them.
enum EventColumn {
    levelChangesColumn = historyFigureCount,
    worldCupColumn,
    sponsorTakenColumn,
    trainingCostColumn,
    gearCostColumn,
    healthCareCostColumn,
    bookieMoneyColumn,
    columnCount
};

// The names of the columns after the figures: what happened since the match
// before.
constexpr std::array<const char*, columnCount - historyFigureCount> eventColumnNames{
    "level_changes", "world_cup",        "sponsor_taken", "training_cost",
    "gear_cost",     "health_care_cost", "bookie_money"};

const std::array<QByteArrayView, columnCount>& columnNames() {
    static const std::array<QByteArrayView, columnCount> names = [] {
        std::array<QByteArrayView, columnCount> all;
        for (int column = 0; column < columnCount; ++column) {
            all[column] = column < historyFigureCount
                              ? QByteArrayView(historyColumns[column].fileName)
                              : QByteArrayView(eventColumnNames[column - historyFigureCount]);
        }
        return all;
    }();
    return names;
}

void appendText(QByteArray& line, const QString& text) {
    appendCsvText(line, text.toUtf8());
}

void appendNumber(QByteArray& line, qint64 value) {
    std::array<char, 24> digits;
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    line.append(digits.data(), end - digits.data());
}

void appendMoney(QByteArray& line, double amount) {
    line += moneyText(amount).toLatin1();
}

// The figures a drop's reason can name, as the level changes' field writes
// them after the levels: "gloves:-4:1", the figure, what it stood at, and
// the least it had to be.
constexpr std::array<const char*, Shortfall::stamina + 1> shortfallWords{
    "overall_skill", "fielding", "bat", "gloves", "pads", "others", "fitness", "health", "stamina"};

void appendShortfall(QByteArray& line, const Shortfall& why) {
    line += shortfallWords[why.figure];
    line += ':';
    appendNumber(line, why.value);
    line += ':';
    appendNumber(line, why.needed);
}

void appendHistoryLine(QByteArray& line, const HistoryRow& row) {
    const auto next = [&line] { line += ','; };
    for (const HistoryColumn& column : historyColumns) {
        if (&column != &historyColumns.front()) next();
        switch (column.kind) {
            case HistoryColumn::whole:
                appendNumber(line, static_cast<qint64>(column.figure(row)));
                break;
            case HistoryColumn::money:
                appendMoney(line, column.figure(row));
                break;
            case HistoryColumn::level:
                line += levelWord(row.level).toLatin1();
                break;
            case HistoryColumn::team:
                appendText(line, row.team);
                break;
        }
    }
    next();
    for (std::size_t i = 0; i < row.events.levelChanges.size(); ++i) {
        if (i > 0) line += ' ';
        line += levelWord(row.events.levelChanges[i]).toLatin1();
    }
    for (const Shortfall& why : row.events.dropReasons) {
        line += ' ';
        appendShortfall(line, why);
    }
    next();
    line += row.events.selectedForWorldCup ? '1' : '0';
    next();
    appendText(line, sponsorInFile(row.events.sponsorTaken));
    for (const std::int32_t cost : {row.events.trainingCost, row.events.gearCost,
                                    row.events.healthCareCost, row.events.bookieMoney}) {
        next();
        appendNumber(line, cost);
    }
    line += '\n';
}

// The longest line whose every field fits: both names in quotes with every
// character a doubled quote after the apostrophe that keeps a formula text,
// the level changes, the numbers and the commas.
constexpr qsizetype maxHistoryLineBytes = 2 * (2 * maxHistoryNameBytes + 3) + maxLevelChangesBytes +
                                          columnCount * (maxNumberBytes + 1) + 1;

template <typename Whole>
bool readWhole(QByteArrayView field, Whole& result) {
    qint64 value = 0;
    const char* const end = field.data() + field.size();
    const auto [stop, error] = std::from_chars(field.data(), end, value);
    if (error != std::errc() || stop != end || field.empty()) return false;
    if (value < std::numeric_limits<Whole>::min() || value > std::numeric_limits<Whole>::max()) {
        return false;
    }
    result = static_cast<Whole>(value);
    return true;
}

bool readMoney(QByteArrayView field, double& result) {
    const char* const end = field.data() + field.size();
    const auto [stop, error] = std::from_chars(field.data(), end, result);
    return error == std::errc() && stop == end && !field.empty() && std::isfinite(result) &&
           std::fabs(result) <= moneyLimit;
}

std::optional<Level> readLevel(QByteArrayView word) {
    static const std::array<QByteArray, levelCount> words = [] {
        std::array<QByteArray, levelCount> latin1;
        for (const Level level : allLevels) latin1[levelIndex(level)] = levelWord(level).toLatin1();
        return latin1;
    }();
    for (const Level level : allLevels) {
        if (word == words[levelIndex(level)]) return level;
    }
    return std::nullopt;
}

std::optional<Shortfall> readShortfall(QByteArrayView word) {
    const qsizetype first = word.indexOf(':');
    const qsizetype second = first < 0 ? -1 : word.indexOf(':', first + 1);
    if (second < 0) return std::nullopt;
    const QByteArrayView figure = word.first(first);
    Shortfall why;
    for (std::size_t i = 0; i < shortfallWords.size(); ++i) {
        if (figure == shortfallWords[i]) {
            why.figure = static_cast<Shortfall::Figure>(i);
            if (readWhole(word.sliced(first + 1, second - first - 1), why.value) &&
                readWhole(word.sliced(second + 1), why.needed)) {
                return why;
            }
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// The levels moved to, then the reasons of the drops among them.
bool readLevelChanges(QByteArrayView field, SinceLastMatch& events) {
    while (!field.empty()) {
        const qsizetype blank = field.indexOf(' ');
        const QByteArrayView word = blank < 0 ? field : field.first(blank);
        if (const std::optional<Level> level = readLevel(word);
            level && events.dropReasons.empty()) {
            events.levelChanges.push_back(*level);
        } else if (const std::optional<Shortfall> why = readShortfall(word)) {
            events.dropReasons.push_back(*why);
        } else {
            return false;
        }
        field = blank < 0 ? QByteArrayView() : field.sliced(blank + 1);
    }
    // No more reasons than moves.
    return events.dropReasons.size() <= events.levelChanges.size();
}

bool readFlag(QByteArrayView field, bool& result) {
    if (field.empty() || field == "0") {
        result = false;
    } else if (field == "1") {
        result = true;
    } else {
        return false;
    }
    return true;
}

// The few names of a history (its teams and sponsors) made once each, so that
// every row naming the same team shares one string.
class Names {
  public:
    QString operator()(QByteArrayView bytes) {
        for (const auto& [raw, name] : names_) {
            if (raw == bytes) return name;
        }
        QString name = QString::fromUtf8(bytes);
        // A file with a new name on every row keeps the table short.
        if (names_.size() < maxNames) names_.emplace_back(bytes.toByteArray(), name);
        return name;
    }

  private:
    static constexpr std::size_t maxNames = 32;
    std::vector<std::pair<QByteArray, QString>> names_;
};

std::optional<HistoryRow> readRow(const CsvRecord& record, Names& names) {
    if (record.malformed || record.count != columnCount) return std::nullopt;
    const auto& f = record.fields;
    for (int column = 0; column < columnCount; ++column) {
        const HistoryField kind = column == teamColumn || column == sponsorTakenColumn
                                      ? HistoryField::name
                                  : column == levelChangesColumn ? HistoryField::levelChanges
                                                                 : HistoryField::number;
        const QByteArrayView field =
            kind == HistoryField::name ? withoutFormulaGuard(f[column]) : f[column];
        if (!historyFieldFits(field, kind)) return std::nullopt;
    }
    HistoryRow row;
    std::int16_t writtenOverallGear = 0;
    std::int16_t writtenOverallHealth = 0;
    const std::optional<Level> level = readLevel(f[levelColumn]);
    if (!level) return std::nullopt;
    row.level = *level;
    const bool numbersRead =
        readWhole(f[matchColumn], row.match) && row.match > 0 &&
        readWhole(f[runsColumn], row.performance.runs) &&
        readWhole(f[wicketsColumn], row.performance.wickets) &&
        readWhole(f[catchesColumn], row.performance.catches) &&
        readWhole(f[awardColumn], row.award) && readWhole(f[battingColumn], row.skills.batting) &&
        readWhole(f[bowlingColumn], row.skills.bowling) &&
        readWhole(f[fieldingColumn], row.skills.fielding) &&
        readWhole(f[batColumn], row.gear.bat) && readWhole(f[glovesColumn], row.gear.gloves) &&
        readWhole(f[padsColumn], row.gear.pads) && readWhole(f[othersColumn], row.gear.others) &&
        readWhole(f[fitnessColumn], row.body.fitness) &&
        readWhole(f[healthColumn], row.body.health) &&
        readWhole(f[staminaColumn], row.body.stamina) &&
        readWhole(f[overallGearColumn], writtenOverallGear) &&
        readWhole(f[overallHealthColumn], writtenOverallHealth) &&
        readMoney(f[matchFeeColumn], row.matchFee) &&
        readMoney(f[sponsorshipColumn], row.sponsorship) &&
        readMoney(f[otherIncomeColumn], row.otherIncome) &&
        readMoney(f[bankBalanceColumn], row.bankBalance) &&
        readLevelChanges(f[levelChangesColumn], row.events) &&
        readFlag(f[worldCupColumn], row.events.selectedForWorldCup) &&
        readWhole(f[trainingCostColumn], row.events.trainingCost) &&
        readWhole(f[gearCostColumn], row.events.gearCost) &&
        readWhole(f[healthCareCostColumn], row.events.healthCareCost) &&
        readWhole(f[bookieMoneyColumn], row.events.bookieMoney);
    // The overall figures follow from the gear and body of the same row; a
    // row where they do not was changed after it was written.
    if (!numbersRead || writtenOverallGear != overallGear(row.gear) ||
        writtenOverallHealth != overallHealth(row.body)) {
        return std::nullopt;
    }
    row.team = names(withoutFormulaGuard(f[teamColumn]));
    if (!f[sponsorTakenColumn].empty())
        row.events.sponsorTaken =
            sponsorFromFile(names(withoutFormulaGuard(f[sponsorTakenColumn])));
    if (!plausibleHistoryRow(row)) return std::nullopt;
    return row;
}

std::size_t lineCount(QByteArrayView bytes) {
    std::size_t count = 0;
    const char* const end = bytes.data() + bytes.size();
    const char* at = bytes.data();
    while ((at = static_cast<const char*>(std::memchr(at, '\n', end - at))) != nullptr) {
        ++count;
        ++at;
    }
    return count;
}

bool isHeader(const CsvRecord& record) {
    if (record.malformed || record.count != columnCount) return false;
    for (int column = 0; column < columnCount; ++column) {
        if (record.fields[column] != columnNames()[column]) return false;
    }
    return true;
}

}  // namespace

QByteArray historyHeaderLine() {
    QByteArray line;
    for (const QByteArrayView name : columnNames()) {
        if (!line.isEmpty()) line += ',';
        line += name;
    }
    line += '\n';
    return line;
}

QByteArray historyLine(const HistoryRow& row) {
    QByteArray line;
    appendHistoryLine(line, row);
    return line;
}

HistoryLines readHistoryLines(QByteArrayView bytes) {
    bytes = withoutByteOrderMark(bytes);
    HistoryLines lines;
    lines.rows.reserve(lineCount(bytes));
    Names names;
    CsvRecord record(columnCount);
    CsvReader reader(bytes, maxHistoryLineBytes);
    bool first = true;
    while (!reader.atEnd()) {
        const bool complete = reader.next(record);
        // An empty line (one an editor left at the end) is no row at all.
        if (complete && record.count == 1 && record.fields[0].empty()) continue;
        const bool firstRecord = std::exchange(first, false);
        std::optional<HistoryRow> row;
        if (complete) {
            if (firstRecord && isHeader(record)) continue;
            row = readRow(record, names);
        }
        if (!row && reader.spansLines()) {
            // A stray quote, not a name holding a line break.
            ++lines.damaged;
            reader.resumeAfterFirstLine();
            continue;
        }
        if (!complete) {
            // The writer puts the header in place with the file, so a file
            // without one whole line never came from it.
            if (firstRecord && !historyHeaderLine().startsWith(bytes)) ++lines.damaged;
            break;
        }
        if (row) {
            lines.rows.push_back(std::move(*row));
        } else {
            ++lines.damaged;
        }
    }
    return lines;
}
