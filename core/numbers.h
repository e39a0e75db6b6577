#pragma once

#include <QString>
#include <cstdint>

// The record keeps every value as the text the screens show. Rules parse that
// text at the moment they compute. Parsing never wraps: a value beyond a width
// stands at the width's limit.
namespace numbers {

constexpr int int16Min = INT16_MIN;
constexpr int int16Max = INT16_MAX;

// The text as a double; leading and trailing blanks are allowed. False when
// the text is not a number.
bool parse(const QString& text, double& result);

// The text as a double-precision number (0 for text that is not a number).
double toDouble(const QString& text);

// Rounded to the nearest whole number, halves to even, within 16 bits.
int toInt16(const QString& text);

// Rounded to the nearest whole number, halves to even, within 32 bits.
std::int32_t toInt32(const QString& text);

// floor() of the text's value, within 32 bits.
std::int32_t wholePart(const QString& text);

int saturate16(double value);
std::int32_t saturate32(double value);

// A whole number as plain decimal digits, with a minus sign only when negative.
QString text(double wholeNumber);

}  // namespace numbers
