#include "foundation/VXFormats.h"
#include "foundation/VXCommonTools.h"
#include <QLocale>
#include <QRegularExpression>

namespace vx {

namespace {

// "1234567.89" (digits, optional point, digits) to the integer part grouped by threes and
// the fraction after the decimal separator.
QString Group(const QString& plain, const TFormatSettings& f)
{
    const int point = plain.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? plain : plain.left(point);
    QString grouped;
    for (int i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0 && !f.ThousandSeparator.isNull())
            grouped += f.ThousandSeparator;
        grouped += whole[i];
    }
    if (point >= 0)
        grouped += f.DecimalSeparator + plain.mid(point + 1);
    return grouped;
}

QString PlaceSymbol(const QString& amount, const QString& s, bool negative, const TFormatSettings& f)
{
    if (!negative) {
        switch (f.CurrencyFormat) {
        case 0: return s + amount;
        case 1: return amount + s;
        case 2: return s + QLatin1Char(' ') + amount;
        default: return amount + QLatin1Char(' ') + s;
        }
    }
    const QString m = QStringLiteral("-");
    switch (f.NegCurrFormat) {
    case 0: return QLatin1Char('(') + s + amount + QLatin1Char(')');
    case 1: return m + s + amount;
    case 2: return s + m + amount;
    case 3: return s + amount + m;
    case 4: return QLatin1Char('(') + amount + s + QLatin1Char(')');
    case 5: return m + amount + s;
    case 6: return amount + m + s;
    case 7: return amount + s + m;
    case 9: return m + s + QLatin1Char(' ') + amount;
    case 10: return amount + QLatin1Char(' ') + s + m;
    case 11: return s + QLatin1Char(' ') + amount + m;
    case 12: return s + QLatin1Char(' ') + m + amount;
    case 13: return amount + m + QLatin1Char(' ') + s;
    case 14: return QStringLiteral("(") + s + QLatin1Char(' ') + amount + QLatin1Char(')');
    case 15: return QLatin1Char('(') + amount + QLatin1Char(' ') + s + QLatin1Char(')');
    default: return m + amount + QLatin1Char(' ') + s;
    }
}

} // namespace

TFormatSettings& FormatSettings()
{
    static TFormatSettings settings;
    return settings;
}

void SetApplicationFormats()
{
    FormatSettings() = TFormatSettings();
}

QString FormatNumber(double value, int decimals)
{
    const TFormatSettings& f = FormatSettings();
    decimals = qBound(0, decimals, 15);
    const double rounded = RoundTo(decimals, value);
    QString plain = QString::number(rounded < 0 ? -rounded : rounded, 'f', decimals);
    const bool negative = rounded < 0 && plain.contains(QRegularExpression(QStringLiteral("[1-9]")));
    return (negative ? QStringLiteral("-") : QString()) + Group(plain, f);
}

QString FormatMoney(TMoney value, int decimals, const QString& symbol)
{
    const TFormatSettings& f = FormatSettings();
    if (decimals < 0)
        decimals = f.CurrencyDecimals;
    decimals = qBound(0, decimals, 4);
    const bool negative = value.raw() < 0;
    QString plain = (negative ? -value : value).toString(decimals, QLatin1Char('.'));
    // A negative amount that rounds to zero is written without its sign.
    const bool shownNegative = negative && plain.contains(QRegularExpression(QStringLiteral("[1-9]")));
    const QString s = symbol.isEmpty() ? f.CurrencyString : symbol;
    return PlaceSymbol(Group(plain, f), s, shownNegative, f);
}

QString FormatShortDate(QDate date)
{
    // The short date format is written the old way, with "m" for months.
    QString pattern = FormatSettings().ShortDateFormat;
    pattern.replace(QLatin1Char('m'), QLatin1Char('M'));
    return QLocale::c().toString(date, pattern);
}

} // namespace vx
