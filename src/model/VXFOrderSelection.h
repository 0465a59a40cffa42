#pragma once
#include "foundation/VXDateTime.h"
#include "model/VXFMatListItem.h"
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// A selection gathers positions of several orders by reference: each item names an order file
// and a position number in it and keeps a copy of a few of the position's values for display.

namespace vx {

class TSpecStream;
class TvxfConstruction;
class TvxfOrder;
class TvxfOrderSelection;

inline const QString SelectionSignature = QStringLiteral("Valtrix Furniture Selection File");
inline const QString SelectionFileVersion = QStringLiteral("06.10.2015");

struct TvxfOrderSelectionItem {
    bool Active = true;
    QString OrderNo;
    QString PosNo;          // finds the position in its order
    float Width = 0;        // mm, as the selection window shows them
    float Height = 0;
    int32_t Num = 0;
    QString Name;
    QString OrderFile;      // stored form: "%" and the path below the orders directory, or a full path
    TvxfOrderSelection* Owner = nullptr;

    void Write(TSpecStream& s) const;
    void Read(TSpecStream& s);
};

// An order loaded for a selection item, with the item's position in it (nullptr when the order
// lacks it). The position lives as long as the order.
struct TLoadedPosition {
    std::unique_ptr<TvxfOrder> Order;
    TvxfConstruction* Position = nullptr;
};

class TvxfOrderSelection {
public:
    TvxfOrderSelection();
    ~TvxfOrderSelection();
    TvxfOrderSelection(const TvxfOrderSelection&) = delete;
    TvxfOrderSelection& operator=(const TvxfOrderSelection&) = delete;

    QString Signature = SelectionSignature;
    QString Version = SelectionFileVersion;
    int32_t Reserved1 = 0;
    int32_t Reserved2 = 0;
    TDateTime Created;
    TDateTime Modified;
    int32_t Reserved3 = 0;
    QString SelectionNo;
    TDateTime RegDate;
    QString Name;
    TRateList Rates;
    int32_t Currency = 0;
    int32_t PriceGrpNo = 0;
    float NDSTax = 0;
    uint8_t RoundMode = 0;      // stored and edited only
    QStringList Notes;

    // Items in display order. Item and Rate give nullptr out of range; RemoveItem raises.
    int ItemCount() const { return int(FItems.size()); }
    TvxfOrderSelectionItem* Item(int index) const;
    // The selection takes the item over and becomes its owner.
    TvxfOrderSelectionItem* AddItem(std::unique_ptr<TvxfOrderSelectionItem> item);
    void RemoveItem(int index);
    void ClearItems() { FItems.clear(); }
    int ActiveCount() const;
    bool HasActive() const { return ActiveCount() > 0; }
    int RateCount() const { return int(Rates.size()); }
    TvxfCurrencyItem* Rate(int index) const;
    void ClearRates() { Rates.clear(); }

    // Index of the first item with both numbers equal, ignoring case; -1 when none.
    int FindItem(const QString& orderNo, const QString& posNo) const;
    // The item's order file (expanded against the orders directory) loaded into a new order,
    // with the item's position in it; no order when the file does not exist.
    TLoadedPosition LoadItemPosition(const TvxfOrderSelectionItem& item) const;
    // Takes the numbers, pieces and name (and with takeActive the Active flag) of each item
    // from its position; width and height become 0. A file is loaded once for a run of items
    // with the same file; items whose position is not found stay as they are.
    void Refresh(bool takeActive);
    // The order numbers of the items, one for each run of items with the same file, joined by ",".
    QString OrderNumbers() const;
    // Merges the material lists of the active items' positions times their pieces into the
    // target (files loaded as in Refresh), sorts it by article and prices every line anew at
    // the current catalog price: net price × quantity. Nothing happens without a target.
    void CollectMaterials(TMatList* target) const;

    // Ascending, ordinal comparison of the texts' bytes; ties go to the next text.
    void SortByOrderPos();   // OrderNo, PosNo
    void SortByPosOrder();   // PosNo, OrderNo
    void SortByName();       // Name, OrderNo, PosNo
    void SortByFile();       // OrderFile, OrderNo, PosNo

    // The selection file. A file without the selection signature is refused with a message
    // and nothing else is read (that still counts as loaded); versions as for orders.
    // SaveToFile sets the current version; the file operations show their failures and
    // answer false.
    void SaveToStream(TSpecStream& stream) const;
    void LoadFromStream(TSpecStream& stream, bool* converted = nullptr);
    bool SaveToFile(const QString& fileName);
    bool LoadFromFile(const QString& fileName, bool* converted = nullptr);

private:
    std::vector<std::unique_ptr<TvxfOrderSelectionItem>> FItems;
};

} // namespace vx
