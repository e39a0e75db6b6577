#include "core/numbers.h"

#include <QByteArray>
#include <array>
#include <cmath>
#include <limits>

namespace numbers {

namespace {

// Every number the game writes is plain decimal digits with at most a minus
// sign. Reading those directly gives the same double as the full reader, as
// long as the digits fit the 53 bits a double holds exactly; anything else
// (blanks, a fraction, an exponent, a plus sign) takes the full reader.
constexpr int mostPlainDigits = 15;

bool parsePlain(const QString& text, double& result) {
    const QChar* c = text.constData();
    const QChar* const end = c + text.size();
    const bool negative = c != end && *c == QLatin1Char('-');
    if (negative) ++c;
    if (c == end || end - c > mostPlainDigits) return false;
    std::int64_t value = 0;
    for (; c != end; ++c) {
        const char16_t digit = c->unicode();
        if (digit < u'0' || digit > u'9') return false;
        value = value * 10 + (digit - u'0');
    }
    const double magnitude = static_cast<double>(value);
    result = negative ? -magnitude : magnitude;
    return true;
}

// The texts of the small whole numbers that skills, conditions, ratings and
// counts hold, written once into static storage. Qt shares such raw texts
// without reference counting, so writing one of these numbers into the
// record neither allocates nor touches a counter.
constexpr int smallestShared = -64;
constexpr int largestShared = 1023;
constexpr int sharedCount = largestShared - smallestShared + 1;
constexpr int sharedWidth = 6;  // sign, four digits and a closing zero

struct SharedTexts {
    std::array<char16_t, sharedCount * sharedWidth> characters{};
    std::array<QString, sharedCount> texts;

    SharedTexts() {
        for (int i = 0; i < sharedCount; ++i) {
            const QByteArray digits = QByteArray::number(smallestShared + i);
            char16_t* text = &characters[i * sharedWidth];
            for (qsizetype k = 0; k < digits.size(); ++k) text[k] = char16_t(digits[k]);
            texts[i] = QString::fromRawData(reinterpret_cast<const QChar*>(text), digits.size());
        }
    }
    // The texts point into the characters: one table, never copied.
    SharedTexts(const SharedTexts&) = delete;
    SharedTexts& operator=(const SharedTexts&) = delete;
};

const QString* sharedText(double whole) {
    if (!(whole >= smallestShared && whole <= largestShared)) return nullptr;
    static const SharedTexts shared;
    return &shared.texts[static_cast<int>(whole) - smallestShared];
}

}  // namespace

bool parse(const QString& text, double& result) {
    if (parsePlain(text, result)) return true;
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) return false;
    result = value;
    return true;
}

double toDouble(const QString& text) {
    double value = 0;
    return parse(text, value) ? value : 0;
}

int saturate16(double value) {
    if (std::isnan(value)) return 0;
    if (value <= int16Min) return int16Min;
    if (value >= int16Max) return int16Max;
    return static_cast<int>(value);
}

std::int32_t saturate32(double value) {
    constexpr double low = std::numeric_limits<std::int32_t>::min();
    constexpr double high = std::numeric_limits<std::int32_t>::max();
    if (std::isnan(value)) return 0;
    if (value <= low) return std::numeric_limits<std::int32_t>::min();
    if (value >= high) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

int toInt16(const QString& text) {
    return saturate16(std::nearbyint(toDouble(text)));
}

std::int32_t toInt32(const QString& text) {
    return saturate32(std::nearbyint(toDouble(text)));
}

std::int32_t wholePart(const QString& text) {
    return saturate32(std::floor(toDouble(text)));
}

QString text(double wholeNumber) {
    // The game's numbers are whole already: only others need rounding down.
    const bool isWhole = wholeNumber > -1e15 && wholeNumber < 1e15 &&
                         wholeNumber == static_cast<double>(static_cast<qlonglong>(wholeNumber));
    const double whole = isWhole ? wholeNumber : std::floor(wholeNumber);
    if (const QString* shared = sharedText(whole)) return *shared;
    if (std::fabs(whole) < 1e15) return QString::number(static_cast<qlonglong>(whole));
    return QString::number(whole, 'f', 0);
}

}  // namespace numbers
