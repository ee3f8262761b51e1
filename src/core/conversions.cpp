#include "core/conversions.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace conv {

double Val(const QString& text)
{
    // Blanks, tabs and line feeds count nowhere, not even inside the number.
    QByteArray s;
    s.reserve(text.size());
    for (QChar c : text)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n'))
            s.append(c.unicode() < 128 ? char(c.unicode()) : '\x7f');
    const qsizetype n = s.size();

    // &H and &O read hexadecimal and octal whole numbers, which wrap to 16
    // bits when they fit in four (hex) or six (octal) digits, else to 32.
    if (n >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o')) {
        const bool hex = s[1] == 'H' || s[1] == 'h';
        uint64_t v = 0;
        int digits = 0;
        for (qsizetype i = 2; i < n && digits < 16; ++i) {
            const char c = s[i];
            int d = -1;
            if (c >= '0' && c <= (hex ? '9' : '7'))
                d = c - '0';
            else if (hex && c >= 'a' && c <= 'f')
                d = c - 'a' + 10;
            else if (hex && c >= 'A' && c <= 'F')
                d = c - 'A' + 10;
            if (d < 0)
                break;
            v = v * (hex ? 16 : 8) + uint64_t(d);
            ++digits;
        }
        if (v <= 0xFFFF)
            return static_cast<int16_t>(static_cast<uint16_t>(v));
        return static_cast<int32_t>(static_cast<uint32_t>(v));
    }

    qsizetype i = 0;
    if (i < n && (s[i] == '+' || s[i] == '-'))
        ++i;
    bool digits = false;
    while (i < n && s[i] >= '0' && s[i] <= '9') {
        ++i;
        digits = true;
    }
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && s[i] >= '0' && s[i] <= '9') {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    qsizetype end = i;
    // An exponent is "E" or "e" and counts only when at least one digit
    // follows it; any other letter ends the number ("1d1" reads 1).
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        qsizetype j = i + 1;
        if (j < n && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < n && s[j] >= '0' && s[j] <= '9') {
            while (j < n && s[j] >= '0' && s[j] <= '9')
                ++j;
            end = j;
        }
    }
    QByteArray number = s.left(end);
    // A number too large for a double reads as an infinity of its sign, so
    // callers can tell it from a missing number; one too small reads as 0.
    const char* first = number.constData();
    const char* last = first + number.size();
    if (*first == '+')
        ++first;
    double v = 0.0;
    const auto [ptr, ec] = std::from_chars(first, last, v);
    if (ec == std::errc::result_out_of_range) {
        const bool negative = number.startsWith('-');
        bool huge = false; // an exponent above zero means too large, not too small
        qsizetype e = number.indexOf('e');
        if (e < 0)
            e = number.indexOf('E');
        huge = e >= 0 && number.at(e + 1) != '-';
        return huge ? (negative ? -HUGE_VAL : HUGE_VAL) : 0.0;
    }
    return ec == std::errc() ? v : 0.0;
}

double RoundHalfEven(double v)
{
    return std::nearbyint(v); // the default rounding mode is to nearest, ties to even
}

template <typename T> static T Saturate(double v)
{
    const double r = RoundHalfEven(v);
    if (std::isnan(r))
        return 0;
    if (r <= static_cast<double>(std::numeric_limits<T>::min()))
        return std::numeric_limits<T>::min();
    if (r >= static_cast<double>(std::numeric_limits<T>::max()))
        return std::numeric_limits<T>::max();
    return static_cast<T>(r);
}

int16_t CInt(double v) { return Saturate<int16_t>(v); }
int32_t CLng(double v) { return Saturate<int32_t>(v); }

double Int(double v) { return std::floor(v); }

QString Str(double v)
{
    if (v == std::floor(v) && std::fabs(v) < 1e15)
        return QString::number(static_cast<long long>(v));
    return QString::number(v, 'g', 15);
}

} // namespace conv
