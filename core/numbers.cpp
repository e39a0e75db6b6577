#include "core/numbers.h"

#include <cmath>
#include <limits>

namespace numbers {

bool parse(const QString& text, double& result) {
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
    const double whole = std::floor(wholeNumber);
    if (whole == 0) return QStringLiteral("0");
    return QString::number(whole, 'f', 0);
}

}  // namespace numbers
