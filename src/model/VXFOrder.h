#pragma once
#include "foundation/VXDateTime.h"
#include "foundation/VXMoney.h"
#include "model/VXFMatListItem.h"
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace vx {

class TSpecStream;
class TvxfConstruction;

inline const QString OrderSignature = QStringLiteral("Valtrix Furniture Order File");

// A customer order: the header, the currency with its rates, the VAT settings, notes and the
// positions in display order. The order owns its positions and rate items; every position
// points back to it and the list holds no empty entries.
class TvxfOrder {
public:
    TvxfOrder();
    ~TvxfOrder();
    TvxfOrder(const TvxfOrder&) = delete;
    TvxfOrder& operator=(const TvxfOrder&) = delete;

    QString Signature = OrderSignature;
    QString Version;                  // format date of the file; the current one at creation
    int32_t Reserved1 = 0;
    int32_t Reserved2 = 0;
    TDateTime Created;
    TDateTime Modified;
    int32_t Reserved3 = 0;
    QString OrderNo;
    QString AltOrderNo;
    QString Customer;
    QString ObjectName;
    QString Address;
    QString Phones;
    QString Rem;
    TDateTime RegDate;
    bool RegDateSet = true;
    QString ProfSys;
    QString InnerProfColor;
    QString OuterProfColor;
    QString FurnSys;
    QString FurnColor;
    QString Handle;
    int32_t Material = 0;             // kept in memory only, never in files
    int32_t FalzType = 0;
    int32_t DornType = 0;
    int32_t StulpFalzType = 0;
    int32_t FlugelType = 0;
    int32_t PriceGrpNo = 0;
    float NDSTax = 0;
    bool TotalNDS = false;
    bool ShowIncludingNDS = false;
    TRateList Rates;
    int32_t Currency = 0;
    QStringList Notes;

    // Positions, addressed by their 0-based index. Position and Rate give nullptr out of
    // range; the changing operations raise.
    int PositionCount() const { return int(FPositions.size()); }
    TvxfConstruction* Position(int index) const;
    // The order takes the position over and becomes its order.
    void AddPosition(std::unique_ptr<TvxfConstruction> position);
    void InsertPosition(int index, std::unique_ptr<TvxfConstruction> position);
    // Takes a position out of the order without freeing it (moving a row of the order window).
    std::unique_ptr<TvxfConstruction> TakePosition(int index);
    // Frees the position at the index and puts the given one there (an edited copy).
    void ReplacePosition(int index, std::unique_ptr<TvxfConstruction> position);
    void RemovePosition(int index);
    void ClearPositions();
    // The first position whose number equals the text, ignoring case; nullptr when none.
    TvxfConstruction* FindPosition(const QString& posNo) const;
    // A new position of this order equal to the source, made through the position record.
    // Raises "Ошибка копирования позиции!" with the failure's text.
    std::unique_ptr<TvxfConstruction> CopyPosition(const TvxfConstruction& source);

    int RateCount() const { return int(Rates.size()); }
    TvxfCurrencyItem* Rate(int index) const;
    void ClearRates() { Rates.clear(); }

    int ActiveCount() const;
    bool HasActive() const { return ActiveCount() > 0; }
    // A walk over the active positions in list order, one walk at a time; nullptr at the end.
    TvxfConstruction* FirstActive();
    TvxfConstruction* NextActive();

    // Cost × pieces of the active positions; VAT on that when it is added to the order total.
    // Each step is rounded to four decimals, ties to even. An amount beyond the money range
    // raises.
    TMoney PositionsTotal() const;
    TMoney VatAmount() const;
    TMoney GrossTotal() const;

    // Ascending, ordinal comparison of the texts' bytes.
    void SortByPosNo();
    void SortByName();

    // Merges the material lists of the active positions times their pieces into the target,
    // then prices every line of it as net price × quantity (a merged line would otherwise keep
    // the sum of its first occurrence). Nothing happens without a target.
    void CollectMaterials(TMatList* target) const;

    // The order file (see VXFOrderFile.h). SaveToFile sets the current version; both file
    // operations show their failures and answer false. The converted flag tells that the user
    // agreed to load a file of an older version.
    void SaveToStream(TSpecStream& stream) const;
    void LoadFromStream(TSpecStream& stream, bool* converted = nullptr);
    bool SaveToFile(const QString& fileName);
    bool LoadFromFile(const QString& fileName, bool* converted = nullptr);

private:
    std::vector<std::unique_ptr<TvxfConstruction>> FPositions;
    int WalkCursor = 0;

    TvxfConstruction& Adopt(const std::unique_ptr<TvxfConstruction>& position);
};

} // namespace vx
