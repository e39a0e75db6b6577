#include "saves/save_file.h"

#include <QtEndian>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/levels.h"
#include "core/numbers.h"

namespace {

using Rules = std::array<LineRule, saveFileLineCount>;

Rules buildRules() {
    Rules rules;
    const auto rule = [&rules](int number, LineKind kind, const QString& name) {
        rules.at(number - 1) = LineRule{kind, name};
    };
    rule(saveLine::header, LineKind::header, QStringLiteral("header"));
    rule(saveLine::player, LineKind::text, QStringLiteral("player name"));
    rule(saveLine::cityTeam, LineKind::text, QStringLiteral("city team"));
    rule(saveLine::stateTeam, LineKind::text, QStringLiteral("state team"));
    rule(saveLine::nationTeam, LineKind::text, QStringLiteral("national team"));
    const QString skills[3] = {QStringLiteral("batting skill"), QStringLiteral("bowling skill"),
                               QStringLiteral("fielding skill")};
    for (int i = 0; i < 3; ++i) {
        rule(saveLine::skills + i, LineKind::int16, skills[i]);
        rule(saveLine::startingSkills + i, LineKind::int16,
             QStringLiteral("starting ") + skills[i]);
    }
    rule(saveLine::autoSave, LineKind::autoSave, QStringLiteral("auto-save flag"));
    rule(saveLine::clubTeam, LineKind::text, QStringLiteral("club team"));
    rule(saveLine::team, LineKind::text, QStringLiteral("current team"));
    rule(saveLine::role, LineKind::text, QStringLiteral("category"));
    rule(saveLine::sponsor, LineKind::text, QStringLiteral("sponsor"));
    rule(saveLine::matchfee, LineKind::number, QStringLiteral("match fee"));
    rule(saveLine::sponsorship, LineKind::number, QStringLiteral("sponsorship"));
    rule(saveLine::otherincome, LineKind::number, QStringLiteral("other incomes"));
    rule(saveLine::bankbalance, LineKind::number, QStringLiteral("bank balance"));
    const char* conditions[7] = {
        "bat condition", "gloves condition", "pads condition", "other accessories condition",
        "fitness",       "health",           "stamina"};
    for (int i = 0; i < 7; ++i) {
        rule(saveLine::conditions + i, LineKind::int16, QString::fromLatin1(conditions[i]));
    }
    // Matches count in 16 bits and runs in 32; the batting average is the
    // text the record book shows, in the locale's own decimal form.
    const struct {
        LineKind kind;
        const char* name;
    } statistics[10] = {{LineKind::int16, "matches played"}, {LineKind::int32, "runs scored"},
                        {LineKind::number, "wickets taken"}, {LineKind::number, "catches held"},
                        {LineKind::number, "highest score"}, {LineKind::text, "batting average"},
                        {LineKind::number, "50s"},           {LineKind::number, "100s"},
                        {LineKind::number, "most wickets"},  {LineKind::number, "5 wickets"}};
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 10; ++row) {
            rule(saveLine::recordBook(column, row), statistics[row].kind,
                 levels::words.at(column) + QLatin1Char(' ') +
                     QString::fromLatin1(statistics[row].name));
        }
    }
    rule(saveLine::level, LineKind::level, QStringLiteral("level"));
    return rules;
}

QString quoted(const QString& text) {
    constexpr int shown = 24;
    const QString part = text.size() > shown ? text.left(shown) + QChar(0x2026) : text;
    return QLatin1Char('"') + part + QLatin1Char('"');
}

std::optional<QString> notANumber(const QString& text) {
    if (text.isEmpty()) return QStringLiteral("is empty, but must hold a number");
    return QStringLiteral("holds %1, which is not a number").arg(quoted(text));
}

// Whole-number lines are read rounding halves to even, so the rounded value
// is what must fit.
std::optional<QString> wholeNumberProblem(const QString& text, double low, double high) {
    double value = 0;
    if (!numbers::parse(text, value)) return notANumber(text);
    const double rounded = std::nearbyint(value);
    if (rounded < low || rounded > high) {
        return QStringLiteral("holds %1, which is outside the range %2 to %3")
            .arg(quoted(text), numbers::text(low), numbers::text(high));
    }
    return std::nullopt;
}

std::optional<QString> valueProblem(LineKind kind, const QString& text) {
    double value = 0;
    switch (kind) {
        case LineKind::header:
            if (text != saveFileHeader) return QStringLiteral("is not the header");
            return std::nullopt;
        case LineKind::text:
            return std::nullopt;
        case LineKind::int16:
            return wholeNumberProblem(text, numbers::int16Min, numbers::int16Max);
        case LineKind::int32:
            return wholeNumberProblem(text, std::numeric_limits<std::int32_t>::min(),
                                      std::numeric_limits<std::int32_t>::max());
        case LineKind::number:
            if (!numbers::parse(text, value)) return notANumber(text);
            return std::nullopt;
        case LineKind::autoSave:
            if (numbers::parse(text, value) && (value == 0 || value == 1)) return std::nullopt;
            return QStringLiteral("holds %1, but must be 0 or 1").arg(quoted(text));
        case LineKind::level:
            if (levels::column(text)) return std::nullopt;
            return QStringLiteral("holds %1, but must be Club, City, State or National")
                .arg(quoted(text));
    }
    return std::nullopt;
}

QString lineName(int number) {
    return QStringLiteral("line %1 (%2)").arg(number).arg(lineRule(number).name);
}

QString damaged(const QString& problem) {
    return QStringLiteral("This save file is damaged and was not loaded: %1.").arg(problem);
}

}  // namespace

const LineRule& lineRule(int number) {
    static const Rules rules = buildRules();
    return rules.at(number - 1);
}

std::optional<QString> saveFileProblem(const SaveFile& file) {
    for (int number = 1; number <= saveFileLineCount; ++number) {
        const QString& text = file.line(number);
        // A line break inside a value would shift every line after it.
        if (text.contains(QLatin1Char('\n')))
            return lineName(number) + QStringLiteral(" holds a line break");
        if (const auto problem = valueProblem(lineRule(number).kind, text)) {
            return lineName(number) + QLatin1Char(' ') + *problem;
        }
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

    if (count == 0 || file.line(saveLine::header) != saveFileHeader) return {{}, notASaveFile};
    if (count < saveFileLineCount) {
        if (!wholeFile) return {{}, damaged(lineName(count + 1) + QStringLiteral(" is too long"))};
        return {
            {},
            damaged(
                QStringLiteral("it ends after line %1 of %2").arg(count).arg(saveFileLineCount))};
    }
    if (const auto problem = saveFileProblem(file)) return {{}, damaged(*problem)};
    return {std::move(file), QString()};
}
