#pragma once
// The numeric conversions the program's handlers rely on, in one place:
// the leading number of a text, rounding half to even, Int rounding down,
// and the 16-bit arithmetic some coordinates use.
#include <cstdint>
#include <QString>

namespace conv {

// The number at the start of a text: blanks, tabs and line feeds are ignored
// wherever they stand; an optional sign, digits, one decimal point and an
// exponent are taken up to the first character that cannot continue the
// number; "&H" and "&O" read hexadecimal and octal. A text without a leading
// number gives 0 ("150%" -> 150, "newload" -> 0, "1 2" -> 12).
double Val(const QString& text);

// Round to the nearest whole number, ties to even (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double v);

// Conversions to whole numbers, ties to even; out-of-range values saturate
// instead of overflowing.
int16_t CInt(double v);
int32_t CLng(double v);

// Largest whole number not above v (Int(-0.5) is -1).
double Int(double v);

// Wrap to a signed 16-bit value, as 16-bit integer arithmetic does.
inline int16_t Wrap16(int32_t v) { return static_cast<int16_t>(static_cast<uint16_t>(v)); }

// The shortest decimal text of a number (0, 64, -64, 1920, 2.5).
QString Str(double v);

} // namespace conv
