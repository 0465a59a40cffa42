#pragma once
#include "foundation/VXMoney.h"
#include <QString>
#include <memory>
#include <vector>

namespace vx {

class TSpecStream;

// One entry of an order's rate list: a currency code with its rate for that order.
struct TvxfCurrencyItem {
    int32_t ID = 0;
    float Rate = 0;

    void Write(TSpecStream& s) const;
    void Read(TSpecStream& s, const QString& version);
};

// One line of a sash's priced material list.
struct TvxfMatListItem {
    QString Article;
    float Quantity = 0;     // length in mm × count / 1000 for items with a length, else the count
    TMoney Price;
    float ExtraRate = 0;    // carried through files and copies
    TMoney Discount;        // carried through files and copies
    TMoney NetPrice;
    TMoney Sum;

    void Write(TSpecStream& s) const;
    void Read(TSpecStream& s, const QString& version);
};

using TMatList = std::vector<std::unique_ptr<TvxfMatListItem>>;
using TRateList = std::vector<std::unique_ptr<TvxfCurrencyItem>>;

// Articles compare exactly, case included.
inline bool SameArticle(const TvxfMatListItem& a, const TvxfMatListItem& b) { return a.Article == b.Article; }
TvxfMatListItem* FindMaterial(const TMatList& list, const TvxfMatListItem& item);
// Copies through a typed stream as the files do; a failure is shown and not passed on.
void CopyMaterial(TvxfMatListItem& target, const TvxfMatListItem& source);
// Adds the source items times the factor: equal articles grow in quantity only.
void MergeMaterials(TMatList& target, const TMatList& source, float factor);
int ByArticle(const TvxfMatListItem& a, const TvxfMatListItem& b);

} // namespace vx
