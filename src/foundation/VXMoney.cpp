#include "VXMoney.h"
#include "VXError.h"
#include <cmath>
#include <limits>

namespace vx {

int64_t RoundHalfEven(long double value)
{
    if (!std::isfinite(double(value)) || value >= 9.2233720368547758e18L || value <= -9.2233720368547758e18L)
        throw EValtrixError(QStringLiteral("Переполнение денежной величины!"));
    long double fl = std::floor(value);
    long double diff = value - fl;
    int64_t result = int64_t(fl);
    if (diff > 0.5L || (diff == 0.5L && (result % 2 != 0)))
        ++result;
    return result;
}

TMoney TMoney::FromDouble(double value)
{
    // The double's exact value scaled in long double, then rounded once.
    return FromRaw(RoundHalfEven(static_cast<long double>(value) * Scale));
}

bool TMoney::TryParse(const QString& text, TMoney& out)
{
    QString t = text;
    t.remove(QLatin1Char(' '));
    t.remove(QChar(0x00A0));
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    if (t.isEmpty())
        return false;
    bool neg = false;
    int i = 0;
    if (t[0] == QLatin1Char('-') || t[0] == QLatin1Char('+')) {
        neg = t[0] == QLatin1Char('-');
        i = 1;
    }
    __int128 whole = 0;
    int64_t frac = 0;
    int fracDigits = 0;
    bool any = false, dot = false;
    int roundDigit = -1;
    bool sticky = false;
    for (; i < t.size(); ++i) {
        QChar c = t[i];
        if (c == QLatin1Char('.')) {
            if (dot)
                return false;
            dot = true;
            continue;
        }
        if (!c.isDigit())
            return false;
        any = true;
        int d = c.digitValue();
        if (!dot) {
            whole = whole * 10 + d;
            if (whole > __int128(std::numeric_limits<int64_t>::max() / Scale))
                return false;
        } else if (fracDigits < 4) {
            frac = frac * 10 + d;
            ++fracDigits;
        } else if (roundDigit < 0) {
            roundDigit = d;
        } else if (d != 0) {
            sticky = true;
        }
    }
    if (!any)
        return false;
    while (fracDigits < 4) {
        frac *= 10;
        ++fracDigits;
    }
    int64_t raw = int64_t(whole) * Scale + frac;
    if (roundDigit > 5 || (roundDigit == 5 && (sticky || raw % 2 != 0)))
        ++raw;
    out = FromRaw(neg ? -raw : raw);
    return true;
}

QString TMoney::toString(int decimals, QChar separator) const
{
    if (decimals < 0)
        decimals = 0;
    if (decimals > 4)
        decimals = 4;
    int64_t div = 1;
    for (int i = decimals; i < 4; ++i)
        div *= 10;
    int64_t v = Raw;
    if (div > 1)
        v = RoundHalfEven(static_cast<long double>(Raw) / div);
    bool neg = v < 0;
    uint64_t a = neg ? uint64_t(0) - uint64_t(v) : uint64_t(v);
    uint64_t p = 1;
    for (int i = 0; i < decimals; ++i)
        p *= 10;
    QString s = QString::number(a / p);
    if (decimals > 0)
        s += separator + QString::number(a % p).rightJustified(decimals, QLatin1Char('0'));
    return neg ? QLatin1Char('-') + s : s;
}

TMoney TMoney::operator*(TMoney o) const
{
    __int128 p = __int128(Raw) * o.Raw;
    __int128 q = p / Scale, r = p % Scale;
    if (r < 0) {
        r += Scale;
        q -= 1;
    }
    if (r * 2 > Scale || (r * 2 == Scale && (q % 2 != 0)))
        ++q;
    if (q > std::numeric_limits<int64_t>::max() || q < std::numeric_limits<int64_t>::min())
        throw EValtrixError(QStringLiteral("Переполнение денежной величины!"));
    return FromRaw(int64_t(q));
}

TMoney TMoney::operator/(TMoney o) const
{
    if (o.Raw == 0)
        throw EValtrixError(QStringLiteral("Деление на ноль!"));
    __int128 n = __int128(Raw) * Scale;
    __int128 d = o.Raw;
    if (d < 0) {
        n = -n;
        d = -d;
    }
    __int128 q = n / d, r = n % d;
    if (r < 0) {
        r += d;
        q -= 1;
    }
    if (r * 2 > d || (r * 2 == d && (q % 2 != 0)))
        ++q;
    if (q > std::numeric_limits<int64_t>::max() || q < std::numeric_limits<int64_t>::min())
        throw EValtrixError(QStringLiteral("Переполнение денежной величины!"));
    return FromRaw(int64_t(q));
}

TMoney TMoney::mulDouble(double factor) const
{
    return FromRaw(RoundHalfEven(static_cast<long double>(Raw) * factor));
}

TMoney TMoney::divDouble(double divisor) const
{
    if (divisor == 0)
        throw EValtrixError(QStringLiteral("Деление на ноль!"));
    return FromRaw(RoundHalfEven(static_cast<long double>(Raw) / divisor));
}

} // namespace vx
