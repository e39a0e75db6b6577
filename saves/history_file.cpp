#include "saves/history_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>
#include <utility>
#include <vector>

#include "game/money.h"
#include "game/ratings.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace {

// The columns in file order. The first six name the match; the events
// since the match before come last.
enum Column {
    matchColumn,
    levelColumn,
    teamColumn,
    runsColumn,
    wicketsColumn,
    catchesColumn,
    awardColumn,
    battingColumn,
    bowlingColumn,
    fieldingColumn,
    batColumn,
    glovesColumn,
    padsColumn,
    othersColumn,
    fitnessColumn,
    healthColumn,
    staminaColumn,
    overallGearColumn,
    overallHealthColumn,
    matchFeeColumn,
    sponsorshipColumn,
    otherIncomeColumn,
    bankBalanceColumn,
    levelChangesColumn,
    worldCupColumn,
    sponsorTakenColumn,
    trainingCostColumn,
    gearCostColumn,
    healthCareCostColumn,
    bookieMoneyColumn,
    columnCount
};

constexpr std::array<const char*, columnCount> columnNames{"match",
                                                           "level",
                                                           "team",
                                                           "runs",
                                                           "wickets",
                                                           "catches",
                                                           "award",
                                                           "batting",
                                                           "bowling",
                                                           "fielding",
                                                           "bat",
                                                           "gloves",
                                                           "pads",
                                                           "others",
                                                           "fitness",
                                                           "health",
                                                           "stamina",
                                                           "overall_gear",
                                                           "overall_health",
                                                           "match_fee",
                                                           "sponsorship",
                                                           "other_income",
                                                           "bank_balance",
                                                           "level_changes",
                                                           "world_cup",
                                                           "sponsor_taken",
                                                           "training_cost",
                                                           "gear_cost",
                                                           "health_care_cost",
                                                           "bookie_money"};

// Five times what the longest career could fill (four levels of 32,767
// matches, about a hundred bytes each with the usual names), and a bound on
// what a huge file can cost to load.
constexpr qint64 maxHistoryFileBytes = 64 * 1024 * 1024;

void appendText(QByteArray& line, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    const bool needsQuotes =
        bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') || bytes.contains('\r');
    if (!needsQuotes) {
        line += bytes;
        return;
    }
    line += '"';
    for (const char c : bytes) {
        if (c == '"') line += '"';
        line += c;
    }
    line += '"';
}

void appendNumber(QByteArray& line, qint64 value) {
    std::array<char, 24> digits;
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    line.append(digits.data(), end - digits.data());
}

void appendMoney(QByteArray& line, double amount) {
    line += moneyText(amount).toLatin1();
}

void appendHistoryLine(QByteArray& line, const HistoryRow& row) {
    const auto next = [&line] { line += ','; };
    appendNumber(line, row.match);
    next();
    line += levelWord(row.level).toLatin1();
    next();
    appendText(line, row.team);
    for (const int value :
         {int{row.performance.runs}, int{row.performance.wickets}, int{row.performance.catches},
          int{row.award}, int{row.skills.batting}, int{row.skills.bowling},
          int{row.skills.fielding}, int{row.gear.bat}, int{row.gear.gloves}, int{row.gear.pads},
          int{row.gear.others}, int{row.body.fitness}, int{row.body.health}, int{row.body.stamina},
          overallGear(row.gear), overallHealth(row.body)}) {
        next();
        appendNumber(line, value);
    }
    for (const double amount : {row.matchFee, row.sponsorship, row.otherIncome, row.bankBalance}) {
        next();
        appendMoney(line, amount);
    }
    next();
    for (std::size_t i = 0; i < row.events.levelChanges.size(); ++i) {
        if (i > 0) line += ' ';
        line += levelWord(row.events.levelChanges[i]).toLatin1();
    }
    next();
    line += row.events.selectedForWorldCup ? '1' : '0';
    next();
    appendText(line, row.events.sponsorTaken);
    for (const std::int32_t cost : {row.events.trainingCost, row.events.gearCost,
                                    row.events.healthCareCost, row.events.bookieMoney}) {
        next();
        appendNumber(line, cost);
    }
    line += '\n';
}

QByteArray wholeFile(const CareerHistory& history) {
    QByteArray bytes = historyHeaderLine();
    // About 120 bytes a row with a short team name.
    bytes.reserve(bytes.size() + static_cast<qsizetype>(history.rows().size()) * 128);
    for (const HistoryRow& row : history.rows()) appendHistoryLine(bytes, row);
    return bytes;
}

// Every byte of the data through the device, a short write repeated so that
// the system names the reason of a failure.
std::optional<QString> writeAll(QFileDevice& out, const QByteArray& bytes) {
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 count = out.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) return out.errorString();
        written += count;
    }
    return std::nullopt;
}

// The file at the path replaced in one step by one holding the bytes.
// Unbuffered, every write checked: a buffered write that fails while the file
// is closed would go unnoticed by commit(), which would then put a cut-off
// file in place.
std::optional<QString> replaceFile(const QString& path, const QByteArray& bytes) {
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return out.errorString();
    if (auto failure = writeAll(out, bytes)) return failure;
    if (!out.commit()) return out.errorString();
    return std::nullopt;
}

// ----------------------------------------------------------------------
// Reading

enum class Opened { missing, unreadable, read };

struct FileBytes {
    Opened opened = Opened::missing;
    QByteArray bytes;
};

// The whole file, when it is a regular file that can be read. A pipe or a
// device is never read from: a pipe would keep the load waiting for a writer
// that may never come.
FileBytes readRegularFile(const QString& path) {
    QFile file;
#ifdef Q_OS_UNIX
    // Opened without waiting, then looked at: a check of the path before
    // opening it would leave a moment for a pipe to take the file's place.
    const int handle =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0) {
        return {errno == ENOENT || errno == ENOTDIR ? Opened::missing : Opened::unreadable, {}};
    }
    struct stat status {};
    if (::fstat(handle, &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size > maxHistoryFileBytes) {
        ::close(handle);
        return {Opened::unreadable, {}};
    }
    if (!file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        return {Opened::unreadable, {}};
    }
#else
    const QFileInfo info(path);
    if (!info.exists()) return {Opened::missing, {}};
    if (!info.isFile() || info.size() > maxHistoryFileBytes) return {Opened::unreadable, {}};
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) return {Opened::unreadable, {}};
#endif
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || bytes.size() > maxHistoryFileBytes) {
        return {Opened::unreadable, {}};
    }
    return {Opened::read, std::move(bytes)};
}

// One record of the file split into its fields, quotes taken off. A field
// that held doubled quotes is kept unescaped in storage of its own.
struct Record {
    std::array<QByteArrayView, columnCount> fields;
    std::array<QByteArray, columnCount> unescaped;
    int count = 0;
    // Too many fields, or a quote where CSV allows none.
    bool malformed = false;

    void add(QByteArrayView field) {
        if (count == columnCount) {
            malformed = true;
            return;
        }
        fields[count++] = field;
    }
    void addUnescaped(QByteArrayView quoted) {
        if (count == columnCount) {
            malformed = true;
            return;
        }
        QByteArray& storage = unescaped[count];
        storage.clear();
        for (qsizetype i = 0; i < quoted.size(); ++i) {
            storage += quoted[i];
            if (quoted[i] == '"') ++i;  // the second of a doubled quote
        }
        fields[count++] = storage;
    }
};

// Reads CSV records from bytes: fields separated by commas, records ended by
// LF or CR LF; a field in quotes may hold commas, quotes (doubled) and line
// ends.
class RecordReader {
  public:
    explicit RecordReader(QByteArrayView bytes)
        : at_(bytes.data()), end_(bytes.data() + bytes.size()) {}

    bool atEnd() const { return at_ == end_; }

    // The next record; false when the file ends before its line end (a row
    // being appended when the game stopped).
    bool next(Record& record) {
        record.count = 0;
        record.malformed = false;
        start_ = at_;
        spansLines_ = false;
        for (;;) {
            if (at_ == end_) return false;
            if (*at_ == '"') {
                if (!readQuoted(record)) return false;
                if (at_ == end_) return false;
                if (*at_ == ',') {
                    ++at_;
                    continue;
                }
                if (endsLine()) return true;
                // Text after the closing quote: the rest of the line is lost.
                record.malformed = true;
                return skipLine();
            }
            const char* const fieldStart = at_;
            while (at_ != end_ && *at_ != ',' && *at_ != '\n') {
                if (*at_ == '"') record.malformed = true;
                ++at_;
            }
            if (at_ == end_) return false;
            if (*at_ == ',') {
                record.add(QByteArrayView(fieldStart, at_ - fieldStart));
                ++at_;
                continue;
            }
            const char* fieldEnd = at_;
            if (fieldEnd != fieldStart && fieldEnd[-1] == '\r') --fieldEnd;
            record.add(QByteArrayView(fieldStart, fieldEnd - fieldStart));
            ++at_;
            return true;
        }
    }

    // The last record ran over more than one line of the file, inside quotes.
    bool spansLines() const { return spansLines_; }

    // Takes up reading again after the first line of the last record: a
    // quote that opened a field by mistake then costs that line alone, not
    // every line up to the next quote.
    void resumeAfterFirstLine() {
        const char* lineEnd = static_cast<const char*>(std::memchr(start_, '\n', end_ - start_));
        at_ = lineEnd == nullptr ? end_ : lineEnd + 1;
    }

  private:
    // A field in quotes, from its opening quote to just past its closing
    // one; false when the file ends inside it.
    bool readQuoted(Record& record) {
        const char* const opened = ++at_;
        bool doubled = false;
        for (;;) {
            const char* quote = static_cast<const char*>(std::memchr(at_, '"', end_ - at_));
            if (quote == nullptr) {
                spansLines_ = spansLines_ || std::memchr(at_, '\n', end_ - at_) != nullptr;
                at_ = end_;
                return false;
            }
            if (quote + 1 < end_ && quote[1] == '"') {
                doubled = true;
                at_ = quote + 2;
                continue;
            }
            const QByteArrayView field(opened, quote - opened);
            spansLines_ = spansLines_ || field.contains('\n');
            doubled ? record.addUnescaped(field) : record.add(field);
            at_ = quote + 1;
            return true;
        }
    }

    // At LF or CR LF after a closing quote: steps past it.
    bool endsLine() {
        if (*at_ == '\n') {
            ++at_;
            return true;
        }
        if (*at_ == '\r' && at_ + 1 < end_ && at_[1] == '\n') {
            at_ += 2;
            return true;
        }
        return false;
    }

    bool skipLine() {
        const char* lineEnd = static_cast<const char*>(std::memchr(at_, '\n', end_ - at_));
        at_ = lineEnd == nullptr ? end_ : lineEnd + 1;
        return lineEnd != nullptr;
    }

    const char* at_;
    const char* end_;
    const char* start_ = nullptr;
    bool spansLines_ = false;
};

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

bool readLevelChanges(QByteArrayView field, std::vector<Level>& changes) {
    while (!field.empty()) {
        const qsizetype blank = field.indexOf(' ');
        const QByteArrayView word = blank < 0 ? field : field.first(blank);
        const std::optional<Level> level = readLevel(word);
        if (!level) return false;
        changes.push_back(*level);
        field = blank < 0 ? QByteArrayView() : field.sliced(blank + 1);
    }
    return true;
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

std::optional<HistoryRow> readRow(const Record& record, Names& names) {
    if (record.malformed || record.count != columnCount) return std::nullopt;
    const auto& f = record.fields;
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
        readLevelChanges(f[levelChangesColumn], row.events.levelChanges) &&
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
    row.team = names(f[teamColumn]);
    if (!f[sponsorTakenColumn].empty()) row.events.sponsorTaken = names(f[sponsorTakenColumn]);
    return row;
}

bool isHeader(const Record& record) {
    if (record.malformed || record.count != columnCount) return false;
    for (int column = 0; column < columnCount; ++column) {
        if (record.fields[column] != QByteArrayView(columnNames[column])) return false;
    }
    return true;
}

// A career is saved right after the row of its match is taken, so the row
// of its last match holds what the save file holds.
bool sameFigures(const HistoryRow& row, const Career& career) {
    return row.level == career.level && row.team == career.team && row.skills == career.skills &&
           row.gear == career.gear && row.body == career.body && row.matchFee == career.matchFee &&
           row.sponsorship == career.sponsorship && row.otherIncome == career.otherIncome &&
           row.bankBalance == career.bankBalance;
}

}  // namespace

QString historyFilePath(const QString& saveFilePath) {
    static const QString extension = QStringLiteral(".bsg");
    QString stem = saveFilePath;
    if (stem.endsWith(extension, Qt::CaseInsensitive)) stem.chop(extension.size());
    return stem + QStringLiteral(".history.csv");
}

QByteArray historyHeaderLine() {
    QByteArray line;
    for (const char* name : columnNames) {
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

CareerHistory readHistory(const QString& path, const Career& loaded) {
    CareerHistory::Gaps gaps;
    gaps.keptFrom = careerMatches(loaded) + 1;
    try {
        const FileBytes file = readRegularFile(path);
        if (file.opened == Opened::read) return historyFromBytes(file.bytes, loaded);
        gaps.unreadable = file.opened == Opened::unreadable;
    } catch (const std::bad_alloc&) {
        // Short of memory for the history, the career still loads.
        gaps.unreadable = true;
    }
    return CareerHistory({}, gaps);
}

CareerHistory historyFromBytes(QByteArrayView bytes, const Career& loaded) {
    const std::int32_t played = careerMatches(loaded);
    CareerHistory::Gaps gaps;
    gaps.keptFrom = played + 1;

    std::vector<HistoryRow> rows;
    // A row a line, but no more than the career's matches: the rows kept
    // have numbers of their own from 1 to the last match.
    const auto lines = std::count(bytes.begin(), bytes.end(), '\n');
    rows.reserve(static_cast<std::size_t>(std::min<qsizetype>(lines, played)));
    Names names;
    Record record;
    RecordReader reader(bytes);
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
            ++gaps.damagedRows;
            reader.resumeAfterFirstLine();
            continue;
        }
        if (!complete) {
            // The writer puts the header in place with the file, so a file
            // without one whole line never came from it.
            if (firstRecord && !historyHeaderLine().startsWith(bytes)) ++gaps.damagedRows;
            break;
        }
        if (!row || (!rows.empty() && row->match <= rows.back().match)) {
            ++gaps.damagedRows;
        } else if (row->match > played) {
            ++gaps.foreignRows;
        } else {
            rows.push_back(std::move(*row));
        }
    }
    // Room for the rows left out is given back when it is much.
    if (rows.capacity() - rows.size() > rows.size() / 8) rows.shrink_to_fit();

    if (!rows.empty() && rows.back().match == played && !sameFigures(rows.back(), loaded)) {
        gaps.foreignRows += static_cast<int>(rows.size());
        rows = {};
    }
    if (!rows.empty()) gaps.keptFrom = rows.front().match;
    return CareerHistory(std::move(rows), gaps);
}

std::optional<QString> writeHistoryFile(const QString& path, const CareerHistory& history) {
    return replaceFile(path, wholeFile(history));
}

std::optional<QString> HistoryFile::keep(const QString& path, const CareerHistory& history) {
    if (givenUp_) return std::nullopt;
    std::optional<QString> failure = path == writtenTo_ && rowsWritten_ <= history.rows().size()
                                         ? appendNewRows(path, history)
                                         : writeWhole(path, history);
    if (failure) {
        givenUp_ = true;
        writtenTo_.clear();
    }
    return failure;
}

std::optional<QString> HistoryFile::writeWhole(const QString& path, const CareerHistory& history) {
    const QByteArray bytes = wholeFile(history);
    if (auto failure = replaceFile(path, bytes)) return failure;
    writtenTo_ = path;
    rowsWritten_ = history.rows().size();
    bytesWritten_ = bytes.size();
    return std::nullopt;
}

// The rows not yet in the file, which is normally the newest alone (more when
// a save failed in between). A file that is no longer as this game left it
// (removed, or changed by another program) is written whole instead.
std::optional<QString> HistoryFile::appendNewRows(const QString& path,
                                                  const CareerHistory& history) {
    const std::vector<HistoryRow>& rows = history.rows();
    if (rowsWritten_ == rows.size()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::Append | QIODevice::ExistingOnly | QIODevice::Unbuffered) ||
        file.size() != bytesWritten_) {
        return writeWhole(path, history);
    }
    QByteArray bytes;
    for (std::size_t i = rowsWritten_; i < rows.size(); ++i) appendHistoryLine(bytes, rows[i]);
    if (auto failure = writeAll(file, bytes)) return failure;
    if (!file.flush()) return file.errorString();
    rowsWritten_ = rows.size();
    bytesWritten_ += bytes.size();
    return std::nullopt;
}
