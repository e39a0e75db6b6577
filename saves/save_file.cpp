// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/save_file.h"

#include <QCoreApplication>
#include <QtEndian>
#include <cmath>
#include <cstdint>
#include <limits>

#include "game/level.h"
#include "game/money.h"
#include "game/shown_numbers.h"
#include "saves/file_numbers.h"
#include "saves/file_words.h"

namespace {

using Rules = std::array<LineRule, saveFileLineCount>;

Rules buildRules() {
    Rules rules;
    const auto rule = [&rules](int number, LineKind kind, const char* name) {
        rules.at(number - 1) = LineRule{kind, name, std::nullopt};
    };
    rule(saveLine::header, LineKind::header, QT_TRANSLATE_NOOP("SaveFile", "header"));
    rule(saveLine::player, LineKind::text, QT_TRANSLATE_NOOP("SaveFile", "player name"));
    rule(saveLine::cityTeam, LineKind::text, QT_TRANSLATE_NOOP("SaveFile", "city team"));
    rule(saveLine::stateTeam, LineKind::text, QT_TRANSLATE_NOOP("SaveFile", "state team"));
    rule(saveLine::nationTeam, LineKind::text, QT_TRANSLATE_NOOP("SaveFile", "national team"));
    const char* const skills[3] = {QT_TRANSLATE_NOOP("SaveFile", "batting skill"),
                                   QT_TRANSLATE_NOOP("SaveFile", "bowling skill"),
                                   QT_TRANSLATE_NOOP("SaveFile", "fielding skill")};
    const char* const startingSkills[3] = {
        QT_TRANSLATE_NOOP("SaveFile", "starting batting skill"),
        QT_TRANSLATE_NOOP("SaveFile", "starting bowling skill"),
        QT_TRANSLATE_NOOP("SaveFile", "starting fielding skill")};
    for (int i = 0; i < 3; ++i) {
        rule(saveLine::skills + i, LineKind::int16, skills[i]);
        rule(saveLine::startingSkills + i, LineKind::int16, startingSkills[i]);
    }
    rule(saveLine::autoSave, LineKind::autoSave, QT_TRANSLATE_NOOP("SaveFile", "auto-save flag"));
    rule(saveLine::clubTeam, LineKind::text, QT_TRANSLATE_NOOP("SaveFile", "club team"));
    rule(saveLine::team, LineKind::text, QT_TRANSLATE_NOOP("SaveFile", "current team"));
    rule(saveLine::role, LineKind::text, QT_TRANSLATE_NOOP("SaveFile", "category"));
    rule(saveLine::sponsor, LineKind::text, QT_TRANSLATE_NOOP("SaveFile", "sponsor"));
    rule(saveLine::matchfee, LineKind::money, QT_TRANSLATE_NOOP("SaveFile", "match fee"));
    rule(saveLine::sponsorship, LineKind::money, QT_TRANSLATE_NOOP("SaveFile", "sponsorship"));
    rule(saveLine::otherincome, LineKind::money, QT_TRANSLATE_NOOP("SaveFile", "other incomes"));
    rule(saveLine::bankbalance, LineKind::money, QT_TRANSLATE_NOOP("SaveFile", "bank balance"));
    const char* const conditions[7] = {QT_TRANSLATE_NOOP("SaveFile", "bat condition"),
                                       QT_TRANSLATE_NOOP("SaveFile", "gloves condition"),
                                       QT_TRANSLATE_NOOP("SaveFile", "pads condition"),
                                       QT_TRANSLATE_NOOP("SaveFile", "other accessories condition"),
                                       QT_TRANSLATE_NOOP("SaveFile", "fitness"),
                                       QT_TRANSLATE_NOOP("SaveFile", "health"),
                                       QT_TRANSLATE_NOOP("SaveFile", "stamina")};
    for (int i = 0; i < 7; ++i) rule(saveLine::conditions + i, LineKind::int16, conditions[i]);
    // Matches count in 16 bits and the other figures in 32; the batting
    // average is the text the record book shows. %1 is the level's name.
    const struct {
        LineKind kind;
        const char* name;
    } statistics[10] = {//: A line of the save file's record book; %1 is the level's
                        //: name (Club, City, State or National), as the record book
                        //: heads its column.
                        {LineKind::int16, QT_TRANSLATE_NOOP("SaveFile", "%1 matches played")},
                        {LineKind::int32, QT_TRANSLATE_NOOP("SaveFile", "%1 runs scored")},
                        {LineKind::int32, QT_TRANSLATE_NOOP("SaveFile", "%1 wickets taken")},
                        {LineKind::int32, QT_TRANSLATE_NOOP("SaveFile", "%1 catches held")},
                        {LineKind::int32, QT_TRANSLATE_NOOP("SaveFile", "%1 highest score")},
                        {LineKind::text, QT_TRANSLATE_NOOP("SaveFile", "%1 batting average")},
                        {LineKind::int32, QT_TRANSLATE_NOOP("SaveFile", "%1 50s")},
                        {LineKind::int32, QT_TRANSLATE_NOOP("SaveFile", "%1 100s")},
                        {LineKind::int32, QT_TRANSLATE_NOOP("SaveFile", "%1 most wickets")},
                        {LineKind::int32, QT_TRANSLATE_NOOP("SaveFile", "%1 5 wickets")}};
    for (const Level level : allLevels) {
        for (int row = 0; row < 10; ++row) {
            rules.at(saveLine::recordBook(levelIndex(level), row) - 1) =
                LineRule{statistics[row].kind, statistics[row].name, level};
        }
    }
    rule(saveLine::level, LineKind::level, QT_TRANSLATE_NOOP("SaveFile", "level"));
    return rules;
}

QString quoted(const QString& text) {
    constexpr int shown = 24;
    const QString part = text.size() > shown ? text.left(shown) + QChar(0x2026) : text;
    return QLatin1Char('"') + part + QLatin1Char('"');
}

// A line named in a message: its number and what it holds, in the reader's
// language ("line 17 (match fee)" in English).
struct NamedLine {
    int number;
    QString name;
};

QString translatedName(const LineRule& rule) {
    const QString name = QCoreApplication::translate("SaveFile", rule.name);
    return rule.level ? name.arg(levelName(*rule.level)) : name;
}

// Each message names the line by its number (%1) and what it holds (%2).
std::optional<QString> notANumber(const NamedLine& line, const QString& text) {
    if (text.isEmpty())
        return QCoreApplication::translate("SaveFile",
                                           "line %1 (%2) is empty, but must hold a number")
            .arg(shownNumber(line.number))
            .arg(line.name);
    return QCoreApplication::translate("SaveFile", "line %1 (%2) holds %3, which is not a number")
        .arg(shownNumber(line.number))
        .arg(line.name, quoted(text));
}

std::optional<QString> outsideTheRange(const NamedLine& line, const QString& text, double low,
                                       double high) {
    return QCoreApplication::translate("SaveFile",
                                       "line %1 (%2) holds %3, which is outside the range %4 to %5")
        .arg(shownNumber(line.number))
        .arg(line.name, quoted(text), shownMoney(low), shownMoney(high));
}

// Whole-number lines are read rounding halves to even, so the rounded value
// is what must fit.
template <typename Whole>
std::optional<QString> wholeNumberProblem(const NamedLine& line, const QString& text) {
    constexpr double low = std::numeric_limits<Whole>::min();
    constexpr double high = std::numeric_limits<Whole>::max();
    double value = 0;
    if (!parseFileNumber(text, value)) return notANumber(line, text);
    const double rounded = std::nearbyint(value);
    if (rounded < low || rounded > high) return outsideTheRange(line, text, low, high);
    return std::nullopt;
}

// A career holds money only within the limit, so a file holding more would
// not be written back as it was read.
std::optional<QString> moneyProblem(const NamedLine& line, const QString& text) {
    double value = 0;
    if (!parseFileNumber(text, value)) return notANumber(line, text);
    if (value < -moneyLimit || value > moneyLimit)
        return outsideTheRange(line, text, -moneyLimit, moneyLimit);
    return std::nullopt;
}

std::optional<QString> valueProblem(LineKind kind, const NamedLine& line, const QString& text) {
    double value = 0;
    switch (kind) {
        case LineKind::header:
            if (text != saveFileHeader)
                return QCoreApplication::translate("SaveFile", "line %1 (%2) is not the header")
                    .arg(shownNumber(line.number))
                    .arg(line.name);
            return std::nullopt;
        case LineKind::text:
            return std::nullopt;
        case LineKind::int16:
            return wholeNumberProblem<std::int16_t>(line, text);
        case LineKind::int32:
            return wholeNumberProblem<std::int32_t>(line, text);
        case LineKind::money:
            return moneyProblem(line, text);
        case LineKind::autoSave:
            if (parseFileNumber(text, value) && (value == 0 || value == 1)) return std::nullopt;
            return QCoreApplication::translate("SaveFile",
                                               "line %1 (%2) holds %3, but must be 0 or 1")
                .arg(shownNumber(line.number))
                .arg(line.name, quoted(text));
        case LineKind::level:
            if (levelFromWord(text)) return std::nullopt;
            //: Club, City, State and National are the words the save file
            //: holds whatever the language: keep them in English.
            return QCoreApplication::translate(
                       "SaveFile",
                       "line %1 (%2) holds %3, but must be Club, City, State or National")
                .arg(shownNumber(line.number))
                .arg(line.name, quoted(text));
    }
    return std::nullopt;
}

QString damaged(const QString& problem) {
    return QCoreApplication::translate("SaveFile",
                                       "This save file is damaged and was not loaded: %1.")
        .arg(problem);
}

}  // namespace

QString notASaveFileNotice() {
    return QCoreApplication::translate("SaveFile", "This is not a valid Bailcrest Saves file.");
}

QString tooLargeToLoadNotice() {
    return QCoreApplication::translate(
               "SaveFile",
               "This save file is too large to be loaded: a save file holds at most "
               "%1 KiB.")
        .arg(shownNumber(maxSaveFileBytes / 1024));
}

std::optional<QString> saveFileSizeProblem(qsizetype bytes) {
    if (bytes <= maxSaveFileBytes) return std::nullopt;
    return QCoreApplication::translate("SaveFile",
                                       "the file would take %1 bytes, but a save file holds at "
                                       "most %2 KiB")
        .arg(shownNumber(bytes))
        .arg(shownNumber(maxSaveFileBytes / 1024));
}

const LineRule& lineRule(int number) {
    static const Rules rules = buildRules();
    return rules.at(number - 1);
}

std::optional<QString> saveFileProblem(const SaveFile& file) {
    for (int number = 1; number <= saveFileLineCount; ++number) {
        const QString& text = file.line(number);
        const LineRule& rule = lineRule(number);
        const NamedLine line{number, translatedName(rule)};
        // A line break inside a value would shift every line after it.
        if (text.contains(QLatin1Char('\n')))
            return QCoreApplication::translate("SaveFile", "line %1 (%2) holds a line break")
                .arg(shownNumber(number))
                .arg(line.name);
        if (const auto problem = valueProblem(rule.kind, line, text)) return problem;
    }
    return std::nullopt;
}

QByteArray encodeSaveFile(const SaveFile& file) {
    qsizetype units = 1;
    for (const QString& line : file.lines) units += line.size() + 2;
    QByteArray bytes(units * 2, Qt::Uninitialized);
    char* out = bytes.data();
    const auto put = [&out](char16_t unit) {
        qToLittleEndian(unit, out);
        out += 2;
    };
    put(0xFEFF);
    for (const QString& line : file.lines) {
        for (QChar c : line) put(c.unicode());
        put(u'\r');
        put(u'\n');
    }
    return bytes;
}

SaveFileReading decodeSaveFile(const QByteArray& bytes, bool wholeFile) {
    // The byte-order mark is expected but not required; without it the
    // units are still read little-endian, as the format has no other order.
    const bool mark = bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
                      static_cast<unsigned char>(bytes[1]) == 0xFE;
    const char* in = bytes.constData() + (mark ? 2 : 0);
    const qsizetype unitCount = (bytes.size() - (mark ? 2 : 0)) / 2;
    // Code units are copied as they are, unpaired surrogates included, so a
    // file read and written again keeps every byte of its values.
    QString text(unitCount, Qt::Uninitialized);
    QChar* units = text.data();
    for (qsizetype i = 0; i < unitCount; ++i)
        units[i] = QChar(qFromLittleEndian<char16_t>(in + 2 * i));

    SaveFile file;
    int count = 0;
    qsizetype start = 0;
    while (count < saveFileLineCount && start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        const bool terminated = end >= 0;
        if (!terminated) {
            if (!wholeFile) break;
            end = text.size();
        }
        qsizetype length = end - start;
        if (length > 0 && text.at(end - 1) == QLatin1Char('\r')) --length;
        file.lines.at(count++) = text.mid(start, length);
        start = end + 1;
    }

    if (count == 0 || file.line(saveLine::header) != saveFileHeader) {
        return {{}, notASaveFileNotice()};
    }
    if (count < saveFileLineCount) {
        // The bytes stop at the read limit before the last line: no line
        // is damaged, the file is only more than a reader reads.
        if (!wholeFile) return {{}, tooLargeToLoadNotice()};
        return {{},
                damaged(QCoreApplication::translate("SaveFile", "it ends after line %1 of %2")
                            .arg(shownNumber(count))
                            .arg(shownNumber(saveFileLineCount)))};
    }
    if (const auto problem = saveFileProblem(file)) return {{}, damaged(*problem)};
    return {std::move(file), QString()};
}
