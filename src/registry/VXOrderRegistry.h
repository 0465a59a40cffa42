#pragma once
#include "foundation/VXDateTime.h"
#include <QString>

namespace vx {

class TDataSet;
class TTable;
class TvxfOrder;

// The order registry table (OrderLst.DB) as the order window and the saving use it: one row per
// order, keyed by the order number. Numbers are always looked up ignoring case, as whole values.

// Stored form of an order file's path for the registry: upper case, and "%" plus the path under
// the orders directory when it lies there.
QString StoreOrderFile(const QString& path);
// The path a stored value stands for.
QString ExpandOrderFile(const QString& stored);

// Works on the registry table for one operation: opens it when it is closed (creating the table
// in a registry database that lacks it) and closes it again at the end; remembers the current
// row and the filtering switch, switches filtering off and suspends the bound controls; all of
// it is put back however the operation ends.
class TOrderListScope {
public:
    TOrderListScope();
    ~TOrderListScope();
    TOrderListScope(const TOrderListScope&) = delete;
    TOrderListScope& operator=(const TOrderListScope&) = delete;

    TTable& Table() const { return *FTable; }
    // Moves to the row of the number; false leaves the cursor where it was.
    bool Locate(const QString& orderNo) const;

private:
    TTable* FTable;
    bool FOpened = false;
    bool FFiltered = false;
    bool FHadRow = false;
    qint64 FBookmarkKey = 0;
    bool FBookmarkSet = false;
};

// The registry row of an order number, if there is one.
struct TRegisteredOrder {
    bool Found = false;
    QString OrderNo;       // as the registry holds it
    TDateTime RegDate;
    QString OrderFile;     // stored form
};
TRegisteredOrder FindRegisteredOrder(const QString& orderNo);

// Writes the order's fields into the row being edited or appended (not the number, the file
// or the note): RegDate, Customer, Phone, Object, Address, Cost (the gross total), Currency.
void WriteOrderFields(TDataSet& row, const TvxfOrder& order);

// Registers the order or updates its row. loadedNo is the number the order had when its file
// was loaded or last saved (empty for a new order): a renumbered order keeps its row. Unless
// silent, asks first; Cancel answers false. An order without a number is refused with a
// message (false). A failure while writing the row raises, after the table was put back.
bool RegisterOrder(const TvxfOrder& order, const QString& fileName, const QString& loadedNo, bool silent);

} // namespace vx
