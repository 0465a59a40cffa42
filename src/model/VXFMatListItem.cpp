#include "VXFMatListItem.h"
#include "foundation/VXError.h"
#include "foundation/VXSpecStream.h"
#include "foundation/VXUserInteraction.h"

namespace vx {

void TvxfCurrencyItem::Write(TSpecStream& s) const
{
    s.WriteValue(ID);
    s.WriteValue(double(Rate));
}

void TvxfCurrencyItem::Read(TSpecStream& s, const QString&)
{
    ID = s.ReadInt();
    Rate = s.ReadSingle();
}

void TvxfMatListItem::Write(TSpecStream& s) const
{
    s.WriteValue(Article);
    s.WriteValue(double(Quantity));
    s.WriteValue(Price);
    s.WriteValue(double(ExtraRate));
    s.WriteValue(Discount);
    s.WriteValue(NetPrice);
    s.WriteValue(Sum);
}

void TvxfMatListItem::Read(TSpecStream& s, const QString&)
{
    Article = s.ReadString();
    Quantity = s.ReadSingle();
    Price = s.ReadMoney();
    ExtraRate = s.ReadSingle();
    Discount = s.ReadMoney();
    NetPrice = s.ReadMoney();
    Sum = s.ReadMoney();
}

TvxfMatListItem* FindMaterial(const TMatList& list, const TvxfMatListItem& item)
{
    for (const auto& m : list)
        if (SameArticle(*m, item))
            return m.get();
    return nullptr;
}

void CopyMaterial(TvxfMatListItem& target, const TvxfMatListItem& source)
{
    try {
        TSpecStream s;
        source.Write(s);
        s.Seek(0);
        target.Read(s, QStringLiteral("26.12.2019"));
    } catch (const std::exception& e) {
        ShowError(QStringLiteral("Ошибка копирования материала!\r\n(%1)").arg(ExceptionText(e)));
    }
}

void MergeMaterials(TMatList& target, const TMatList& source, float factor)
{
    for (const auto& item : source) {
        if (TvxfMatListItem* found = FindMaterial(target, *item)) {
            found->Quantity += item->Quantity * factor;
        } else {
            auto copy = std::make_unique<TvxfMatListItem>();
            CopyMaterial(*copy, *item);
            copy->Quantity = item->Quantity * factor;
            target.push_back(std::move(copy));
        }
    }
}

int ByArticle(const TvxfMatListItem& a, const TvxfMatListItem& b)
{
    int c = QString::compare(a.Article, b.Article, Qt::CaseSensitive);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

} // namespace vx
