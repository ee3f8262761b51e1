#include "platform/conversions.h"

#include <cmath>
#include <limits>

namespace conv {

double Val(const QString& text)
{
    const QByteArray s = text.toLatin1();
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    const qsizetype start = i;
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
    // An exponent counts only when at least one digit follows it.
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
    bool ok = false;
    const double v = s.mid(start, end - start).toDouble(&ok);
    return ok ? v : 0.0;
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
