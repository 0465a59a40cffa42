#pragma once
#include <QString>

namespace vx {

class TvxfOrder;
class TvxfOrderSelection;

// What the order window does to an order, without the window: shared by the desktop
// application and the command-line tool.

// A new, empty order as a new order window creates it: the header's defaults from the
// settings (systems, their base colours from the catalog, handle, material, rebate, backset,
// mullion and sash types, currency, price group and VAT) and one rate per row of the
// currency table, in table order.
void SetNewOrderDefaults(TvxfOrder& order);

// Makes the order current for price conversion: its currency, VAT rate and rate list go to
// the settings object, and the money format shows its currency.
void PublishOrderContext(const TvxfOrder& order);
// The same for a selection (currency, VAT rate and rates only): its lines are priced anew in it.
void PublishSelectionContext(const TvxfOrderSelection& selection);

// Recalculates every active position in list order at current catalog prices. A position
// that fails is restored from its backup and the walk stops there: positions before it keep
// their new values. No question and no window; the caller asks and shows.
struct TRecalcOutcome {
    bool Failed = false;
    int FailedIndex = -1;  // index of the failing position in the order
    QString Message;       // "%s\r\n[Позиция: %s]": the failure text and the position text
};
TRecalcOutcome RecalcActivePositions(TvxfOrder& order);

} // namespace vx
