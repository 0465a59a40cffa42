#pragma once
#include "config/VXFSetupX.h"
#include "foundation/VXDateTime.h"
#include <QList>
#include <QString>
#include <QStringList>

// The order properties without their window: what the dialog edits, how the number is checked
// against the registry, how the values go back into the order and become the defaults of the
// next new order, and the look-up lists with their filters.

namespace vx {

class TTable;
class TvxfOrder;
class TvxfSetup;

// The header values as the dialog's controls hold them.
struct TOrderProps {
    QString OrderNo;
    QString AltOrderNo;
    QString Customer;
    QString ObjectName;
    QString Address;
    QString Phones;
    QString Rem;
    TDateTime RegDate;
    bool RegDateSet = true;
    // List keys as text ("101" for a code list).
    QString ProfSys;
    QString InnerProfColor;
    QString OuterProfColor;
    QString FurnSys;
    QString FurnColor;
    QString Handle;
    QString Material;
    QString FalzType;
    QString DornType;
    QString StulpFalzType;
    QString FlugelType;
    float NDSTax = 0;
    // The working copies of the rates, in list order, and the entry chosen in the currency list
    // (-1 for none).
    QList<TRateEntry> Rates;
    int CurrencyIndex = -1;
    QStringList Notes;
};

// The label field holds at most this many characters.
inline constexpr int OrderRemLength = 15;

// The values of the order as the dialog opens with them.
TOrderProps ReadOrderProps(const TvxfOrder& order);

// Empty when the number may be taken, else the warning to show. A number equal to the one the
// dialog opened with is never looked up; another one is looked up in the registry ignoring case.
QString ValidateOrderNo(const QString& orderNo, const QString& openingNo);

// Writes the values into the order; answers true when the VAT rate or the currency changed.
// Without a chosen currency entry the order keeps its currency.
bool WriteOrderProps(const TOrderProps& props, TvxfOrder& order);

// The order's values become the defaults of the next new order.
void StoreOrderDefaults(const TvxfOrder& order, TvxfSetup& setup);

// "Номер последнего заказа: " and the number of the last order number file, "???" when the file
// is missing or cannot be read.
QString LastOrderNoText();

// A rate as the rate list shows it: four decimals with the decimal comma.
QString RateText(double rate);
// A rate rounded to four decimals, as the editor takes it.
double RoundRate(double rate);

// Filters of the look-up lists.
QString FurnSysFilter();
// Empty (unfiltered) while no fittings system is chosen.
QString ProfSysFilter(const QString& furnSys);
QString FurnColorFilter(const QString& furnSys);
// Raises "В БД отсутствуют данные для системы [%s]!" for a system missing from SysList.
QString HandleFilter(const QString& furnSys);

// One entry of a look-up list: the key and the text shown.
struct TLookupRow {
    QString Key;
    QString Text;
    bool operator==(const TLookupRow&) const = default;
};
// The rows of a table under a filter (none: the table as it is), in table order. The table's
// filter, filtering switch and current row are put back on every path.
QList<TLookupRow> LookupRows(TTable& table, const QString& keyField, const QString& shownField,
                             const QString& filter = QString());
// The text shown for a key: empty for an empty key or one the table lacks.
QString LookupText(TTable& table, const QString& keyField, const QString& shownField, const QString& key);

// Remembers a table's filter, filtering switch and sort order and puts them back when it goes.
class TTableViewState {
public:
    explicit TTableViewState(TTable* table);
    ~TTableViewState();
    TTableViewState(const TTableViewState&) = delete;
    TTableViewState& operator=(const TTableViewState&) = delete;
    void Restore();

private:
    TTable* FTable;
    QString FFilter;
    bool FFiltered = false;
    QString FIndexName;
    QString FIndexFieldNames;
    bool FDone = false;
};

} // namespace vx
