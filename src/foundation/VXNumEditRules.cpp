#include "VXNumEditRules.h"
#include "VXCommonTools.h"
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace vx {

namespace {

const QChar Minus = QLatin1Char('-');

bool IsAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int CountDigits(QStringView s)
{
    return int(std::count_if(s.begin(), s.end(), IsAsciiDigit));
}

// Digits before and after the separator.
struct TParts {
    int Integer = 0;
    int Fraction = 0;
    bool HasSeparator = false;
};

TParts PartsOf(const QString& text, QChar separator)
{
    TParts p;
    const qsizetype sep = text.indexOf(separator);
    p.HasSeparator = sep >= 0;
    p.Integer = CountDigits(QStringView(text).left(sep >= 0 ? sep : text.size()));
    p.Fraction = sep >= 0 ? int(text.size() - sep - 1) : 0;
    return p;
}

} // namespace

TNumEditRules::TNumEditRules(TNumStyle style, int digits, int decimals, QChar separator)
    : FStyle(style), FDigits(digits), FDecimals(decimals < 0 ? 0 : decimals), FSeparator(separator)
{
}

void TNumEditRules::SetStyle(TNumStyle style)
{
    if (style == FStyle)
        return;
    FStyle = style;
    FText.clear();
    FCursor = 0;
}

TNumEditChange TNumEditRules::TypeChar(const QString& text, int selStart, int selLength, int cursor, QChar ch) const
{
    const int len = int(text.size());
    selStart = std::clamp(selStart, 0, len);
    selLength = std::clamp(selLength, 0, len - selStart);
    cursor = std::clamp(cursor, 0, len);
    const int pos = selLength > 0 ? selStart : cursor;

    TNumEditChange refused{false, text, cursor};
    QString rest = text;
    rest.remove(selStart, selLength);
    QString result = rest;
    result.insert(pos, ch);
    // Nothing goes in front of a minus sign.
    if (pos == 0 && rest.startsWith(Minus))
        return refused;

    if (IsAsciiDigit(ch)) {
        const int decimals = EffectiveDecimals();
        if (selLength == 0) {
            const qsizetype sep = rest.indexOf(FSeparator);
            if (sep >= 0 && pos > sep) {
                if (rest.size() - sep - 1 >= decimals)
                    return refused;
            } else if (FDigits > 0 && CountDigits(QStringView(rest).left(sep >= 0 ? sep : rest.size())) >= FDigits) {
                return refused;
            }
        } else {
            // A digit over a selection replaces it, but must not overfill a part (replacing the
            // separator joins the fraction to the integer part); a text that was already
            // longer may stay as long.
            const TParts before = PartsOf(text, FSeparator);
            const TParts after = PartsOf(result, FSeparator);
            if (FDigits > 0 && after.Integer > std::max(FDigits, before.Integer))
                return refused;
            if (after.HasSeparator && after.Fraction > std::max(decimals, before.Fraction))
                return refused;
        }
    } else if (ch == Minus) {
        if (pos != 0 || rest.contains(Minus))
            return refused;
    } else if (ch == FSeparator) {
        if (!DecimalsAllowed() || rest.contains(FSeparator))
            return refused;
    } else {
        return refused;
    }
    return TNumEditChange{true, result, pos + 1};
}

TNumEditChange TNumEditRules::DeleteKey(const QString& text, int selStart, int selLength, int cursor,
                                        bool backward) const
{
    const int len = int(text.size());
    selStart = std::clamp(selStart, 0, len);
    selLength = std::clamp(selLength, 0, len - selStart);
    cursor = std::clamp(cursor, 0, len);

    int start, end;
    if (selLength > 0) {
        start = selStart;
        end = selStart + selLength;
    } else if (backward) {
        if (cursor == 0)
            return TNumEditChange{false, text, cursor};
        start = cursor - 1;
        end = cursor;
    } else {
        if (cursor == len)
            return TNumEditChange{false, text, cursor};
        start = cursor;
        end = cursor + 1;
    }
    const qsizetype sep = text.indexOf(FSeparator);
    // Without the separator the fraction would silently join the integer part.
    if (sep >= start && sep < end)
        return TNumEditChange{true, text.left(start), start};
    QString result = text;
    result.remove(start, end - start);
    return TNumEditChange{true, result, start};
}

QString TNumEditRules::Normalized(const QString& text) const
{
    const QString s = text.trimmed();
    bool negative = s.startsWith(Minus);
    const QString body = negative ? s.mid(1) : s;
    if (CountDigits(body) == 0)
        negative = false;   // "-" alone is no number
    const qsizetype sep = body.indexOf(FSeparator);
    QString whole = sep >= 0 ? body.left(sep) : body;
    if (whole.isEmpty())
        whole = QStringLiteral("0");
    QString result = negative ? Minus + whole : whole;
    const int decimals = EffectiveDecimals();
    if (decimals > 0) {
        const QString fraction = sep >= 0 ? body.mid(sep + 1) : QString();
        result += FSeparator + fraction.left(decimals).leftJustified(decimals, QLatin1Char('0'));
    }
    return result;
}

QString TNumEditRules::Dotted(const QString& text) const
{
    QString t = text;
    t.remove(QLatin1Char(' '));
    t.remove(QChar(0x00A0));
    t.replace(FSeparator, QLatin1Char('.'));
    return t;
}

int TNumEditRules::IntegerOf(const QString& text) const
{
    bool ok = false;
    const double v = QLocale::c().toDouble(Dotted(text), &ok);
    return ok ? RoundHalfAway(v) : 0;
}

double TNumEditRules::FloatOf(const QString& text) const
{
    bool ok = false;
    const double v = QLocale::c().toDouble(Dotted(text), &ok);
    return ok ? v : 0.0;
}

TMoney TNumEditRules::CurrencyOf(const QString& text) const
{
    TMoney m;
    return TMoney::TryParse(Dotted(text), m) ? m : TMoney();
}

QString TNumEditRules::TextOfInteger(int value) const
{
    return Normalized(QString::number(value));
}

QString TNumEditRules::TextOfFloat(double value) const
{
    if (!std::isfinite(value))
        return Normalized(QString());
    const int decimals = EffectiveDecimals();
    double r = RoundTo(std::min(decimals, 37), value);
    if (r == 0)
        r = 0;   // no "-0,00"
    QString s = QString::number(r, 'f', decimals);
    s.replace(QLatin1Char('.'), FSeparator);
    return s;
}

QString TNumEditRules::TextOfCurrency(TMoney value) const
{
    const int decimals = EffectiveDecimals();
    const int64_t raw = value.raw();
    const bool negative = raw < 0;
    uint64_t a = negative ? uint64_t(0) - uint64_t(raw) : uint64_t(raw);
    int kept = std::min(decimals, 4);
    uint64_t div = 1;
    for (int i = kept; i < 4; ++i)
        div *= 10;
    // Halves away from zero, as every amount the user sees.
    uint64_t q = a / div;
    if ((a % div) * 2 >= div && div > 1)
        ++q;
    uint64_t p = 1;
    for (int i = 0; i < kept; ++i)
        p *= 10;
    QString s = QString::number(q / p);
    if (decimals > 0) {
        QString fraction = kept > 0 ? QString::number(q % p).rightJustified(kept, QLatin1Char('0')) : QString();
        s += FSeparator + fraction.leftJustified(decimals, QLatin1Char('0'));
    }
    return negative && q != 0 ? Minus + s : s;
}

bool TNumEditRules::Type(QChar ch, int selStart, int selLength, int cursor)
{
    const TNumEditChange c = TypeChar(FText, selStart, selLength, cursor, ch);
    FText = c.Text;
    FCursor = c.Cursor;
    return c.Accepted;
}

void TNumEditRules::Delete(int selStart, int selLength, int cursor, bool backward)
{
    const TNumEditChange c = DeleteKey(FText, selStart, selLength, cursor, backward);
    FText = c.Text;
    FCursor = c.Cursor;
}

} // namespace vx
