#pragma once
#include "foundation/VXMoney.h"
#include <QChar>
#include <QDate>
#include <QString>

namespace vx {

// The application's number, money and date formats. The main window sets them once at
// start-up; every amount and date the program shows or writes as text follows them.
struct TFormatSettings {
    QString CurrencyString = QStringLiteral(" ");
    // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
    int CurrencyFormat = 3;
    // 0 "($1)", 1 "-$1", 2 "$-1", 3 "$1-", 4 "(1$)", 5 "-1$", 6 "1-$", 7 "1$-",
    // 8 "-1 $", 9 "-$ 1", 10 "1 $-", 11 "$ 1-", 12 "$ -1", 13 "1- $", 14 "($ 1)", 15 "(1 $)"
    int NegCurrFormat = 8;
    int CurrencyDecimals = 2;
    QChar ThousandSeparator = QLatin1Char(' ');
    QChar DecimalSeparator = QLatin1Char(',');
    QString ShortDateFormat = QStringLiteral("dd.mm.yyyy");
};

// The formats in force; the defaults are the application's own.
TFormatSettings& FormatSettings();
// Puts the application's formats in force (currency symbol a blank, "1 $" and "-1 $",
// blank thousands separator, decimal comma, "dd.mm.yyyy").
void SetApplicationFormats();

// A number with thousands separators and the given decimals, halves away from zero.
QString FormatNumber(double value, int decimals);
// An amount as "%m" writes it: thousands separators, the decimals (negative: the settings'
// CurrencyDecimals), the symbol placed by the currency formats. An empty symbol takes
// CurrencyString.
QString FormatMoney(TMoney value, int decimals = -1, const QString& symbol = QString());
// A date in ShortDateFormat (d, dd, m, mm, yy, yyyy).
QString FormatShortDate(QDate date);

} // namespace vx
