#pragma once
#include <QString>
#include <cstdint>
#include <compare>

namespace vx {

// Currency amount: a 64-bit count of ten-thousandths. Every product and quotient is
// rounded back to four decimals, ties to even, as the stored files expect.
class TMoney {
public:
    static constexpr int64_t Scale = 10000;

    constexpr TMoney() = default;
    static constexpr TMoney FromRaw(int64_t raw) { TMoney m; m.Raw = raw; return m; }
    static constexpr TMoney FromInt(int64_t units) { return FromRaw(units * Scale); }
    // Rounds to four decimals, ties to even (the conversion of a floating value to currency).
    static TMoney FromDouble(double value);
    // Parses "1234,5" or "1234.5" (blanks ignored); false when the text is not a number.
    static bool TryParse(const QString& text, TMoney& out);

    constexpr int64_t raw() const { return Raw; }
    double toDouble() const { return double(Raw) / double(Scale); }
    bool isZero() const { return Raw == 0; }

    // Fixed text with the given number of decimals (0..4) and the given separator, rounded
    // half to even when decimals are dropped.
    QString toString(int decimals = 4, QChar separator = QLatin1Char('.')) const;

    constexpr TMoney operator-() const { return FromRaw(-Raw); }
    constexpr TMoney operator+(TMoney o) const { return FromRaw(Raw + o.Raw); }
    constexpr TMoney operator-(TMoney o) const { return FromRaw(Raw - o.Raw); }
    TMoney& operator+=(TMoney o) { Raw += o.Raw; return *this; }
    TMoney& operator-=(TMoney o) { Raw -= o.Raw; return *this; }
    TMoney operator*(TMoney o) const;          // amount × amount, rounded to four decimals
    TMoney operator/(TMoney o) const;          // throws on division by zero
    TMoney mulDouble(double factor) const;     // amount × quantity or rate, rounded to four decimals
    TMoney divDouble(double divisor) const;    // throws on division by zero
    constexpr auto operator<=>(const TMoney&) const = default;

private:
    int64_t Raw = 0;
};

// Rounds a long double to the nearest integer, ties to even.
int64_t RoundHalfEven(long double value);

} // namespace vx
