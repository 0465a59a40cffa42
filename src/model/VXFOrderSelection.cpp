#include "model/VXFOrderSelection.h"
#include "config/CfgList.h"
#include "engine/VXFConstruction.h"
#include "engine/VXFPositionRecords.h"
#include "engine/VXFService.h"
#include "foundation/VXCommonTools.h"
#include "foundation/VXError.h"
#include "foundation/VXSpecStream.h"
#include "foundation/VXUserInteraction.h"
#include "model/VXFOrder.h"
#include "model/VXFOrderFile.h"
#include "model/VXFSortKeys.h"
#include <QDateTime>
#include <QFileInfo>

namespace vx {

namespace {

constexpr qint64 ItemRecordBytes = 4 * 16 + 4 * 4;

QString ExpandedOrderFile(const TvxfOrderSelectionItem& item)
{
    return ExpandPath(RunPaths().OrdersDir, item.OrderFile);
}

bool IsFile(const QString& path)
{
    return !path.isEmpty() && QFileInfo(ResolvePath(path)).isFile();
}

// The order of the last file asked for, loaded again only when the file changes: items are
// expected grouped by file. A file that is missing or fails to load yields no positions.
class TOrderFileCache {
public:
    TvxfConstruction* Find(const QString& path, const QString& posNo)
    {
        if (!Started || path != Path) {
            Started = true;
            Path = path;
            Order = std::make_unique<TvxfOrder>();
            Loaded = IsFile(path) && Order->LoadFromFile(path);
        }
        return Loaded ? Order->FindPosition(posNo) : nullptr;
    }
    const TvxfOrder& Current() const { return *Order; }

private:
    bool Started = false;
    bool Loaded = false;
    QString Path;
    std::unique_ptr<TvxfOrder> Order;
};

} // namespace

void TvxfOrderSelectionItem::Write(TSpecStream& s) const
{
    s.WriteValue(Active);
    s.WriteValue(OrderNo);
    s.WriteValue(PosNo);
    s.WriteValue(Width);
    s.WriteValue(Height);
    s.WriteValue(Num);
    s.WriteValue(Name);
    s.WriteValue(OrderFile);
}

void TvxfOrderSelectionItem::Read(TSpecStream& s)
{
    Active = s.ReadBool();
    OrderNo = s.ReadString();
    PosNo = s.ReadString();
    Width = s.ReadSingle();
    Height = s.ReadSingle();
    Num = s.ReadInt();
    Name = s.ReadString();
    OrderFile = s.ReadString();
}

// ---------------------------------------------------------------------------------------------

TvxfOrderSelection::TvxfOrderSelection()
{
    const TDateTime now = TDateTime::FromQDateTime(QDateTime::currentDateTime());
    Created = now;
    Modified = now;
    RegDate = TDateTime::FromDate(QDate::currentDate());
}

TvxfOrderSelection::~TvxfOrderSelection() = default;

TvxfOrderSelectionItem* TvxfOrderSelection::Item(int index) const
{
    return index >= 0 && index < ItemCount() ? FItems[size_t(index)].get() : nullptr;
}

TvxfOrderSelectionItem* TvxfOrderSelection::AddItem(std::unique_ptr<TvxfOrderSelectionItem> item)
{
    if (!item)
        throw EValtrixError(QStringLiteral("Элемент выборки не задан!"));
    item->Owner = this;
    FItems.push_back(std::move(item));
    return FItems.back().get();
}

void TvxfOrderSelection::RemoveItem(int index)
{
    if (!Item(index))
        throw EValtrixError(QStringLiteral("Индекс элемента выборки вне допустимого диапазона (%1)!").arg(index));
    FItems.erase(FItems.begin() + index);
}

int TvxfOrderSelection::ActiveCount() const
{
    int n = 0;
    for (const auto& item : FItems)
        n += item->Active ? 1 : 0;
    return n;
}

TvxfCurrencyItem* TvxfOrderSelection::Rate(int index) const
{
    return index >= 0 && index < RateCount() ? Rates[size_t(index)].get() : nullptr;
}

int TvxfOrderSelection::FindItem(const QString& orderNo, const QString& posNo) const
{
    for (int i = 0; i < ItemCount(); ++i) {
        const TvxfOrderSelectionItem& item = *FItems[size_t(i)];
        if (QString::compare(item.OrderNo, orderNo, Qt::CaseInsensitive) == 0
            && QString::compare(item.PosNo, posNo, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

TLoadedPosition TvxfOrderSelection::LoadItemPosition(const TvxfOrderSelectionItem& item) const
{
    TLoadedPosition result;
    const QString path = ExpandedOrderFile(item);
    if (!IsFile(path))
        return result;
    result.Order = std::make_unique<TvxfOrder>();
    if (result.Order->LoadFromFile(path))
        result.Position = result.Order->FindPosition(item.PosNo);
    return result;
}

void TvxfOrderSelection::Refresh(bool takeActive)
{
    TWaitCursor wait;
    TOrderFileCache cache;
    for (const auto& item : FItems) {
        const TvxfConstruction* p = cache.Find(ExpandedOrderFile(*item), item->PosNo);
        if (!p)
            continue;
        if (takeActive)
            item->Active = p->Active;
        item->OrderNo = cache.Current().OrderNo;
        item->PosNo = p->PosNo;
        item->Num = p->Num;
        item->Name = p->Name;
        item->Width = 0;
        item->Height = 0;
    }
}

QString TvxfOrderSelection::OrderNumbers() const
{
    QStringList numbers;
    QString previous;
    for (int i = 0; i < ItemCount(); ++i) {
        const QString path = ExpandedOrderFile(*FItems[size_t(i)]);
        if (i == 0 || path != previous)
            numbers << FItems[size_t(i)]->OrderNo;
        previous = path;
    }
    return numbers.join(QLatin1Char(','));
}

void TvxfOrderSelection::CollectMaterials(TMatList* target) const
{
    if (!target)
        return;
    {
        TWaitCursor wait;
        TOrderFileCache cache;
        for (const auto& item : FItems) {
            if (!item->Active)
                continue;
            if (const TvxfConstruction* p = cache.Find(ExpandedOrderFile(*item), item->PosNo))
                p->CollectMaterials(*target);
        }
    }
    std::stable_sort(target->begin(), target->end(),
                     [](const auto& a, const auto& b) { return ByArticle(*a, *b) < 0; });
    for (const auto& m : *target) {
        m->Price = ArticlePrice(m->Article);
        m->NetPrice = m->Price;
        m->Sum = m->NetPrice.mulDouble(double(m->Quantity));
    }
}

void TvxfOrderSelection::SortByOrderPos()
{
    SortByTextKeys<2>(FItems, [](const TvxfOrderSelectionItem& i) { return std::array<QString, 2>{i.OrderNo, i.PosNo}; });
}

void TvxfOrderSelection::SortByPosOrder()
{
    SortByTextKeys<2>(FItems, [](const TvxfOrderSelectionItem& i) { return std::array<QString, 2>{i.PosNo, i.OrderNo}; });
}

void TvxfOrderSelection::SortByName()
{
    SortByTextKeys<3>(FItems,
                      [](const TvxfOrderSelectionItem& i) { return std::array<QString, 3>{i.Name, i.OrderNo, i.PosNo}; });
}

void TvxfOrderSelection::SortByFile()
{
    SortByTextKeys<3>(FItems, [](const TvxfOrderSelectionItem& i) {
        return std::array<QString, 3>{i.OrderFile, i.OrderNo, i.PosNo};
    });
}

// ---------------------------------------------------------------------------------------------

void TvxfOrderSelection::SaveToStream(TSpecStream& s) const
{
    s.WriteValue(SelectionSignature);
    s.WriteValue(SelectionFileVersion);
    s.WriteValue(Reserved1);
    s.WriteValue(Reserved2);
    s.WriteValue(Created);
    s.WriteValue(Modified);
    s.WriteValue(Reserved3);
    s.WriteValue(SelectionNo);
    s.WriteValue(RegDate);
    s.WriteValue(Name);
    WriteRates(s, Rates);
    s.WriteValue(Currency);
    s.WriteValue(PriceGrpNo);
    s.WriteValue(NDSTax);
    s.WriteByteValue(RoundMode);
    s.WriteValue(TextListToString(Notes));
    s.WriteValue(int32_t(FItems.size()));
    for (const auto& item : FItems)
        item->Write(s);
}

void TvxfOrderSelection::LoadFromStream(TSpecStream& s, bool* converted)
{
    if (converted)
        *converted = false;
    if (s.ReadString() != SelectionSignature) {
        ShowError(QStringLiteral("Данный файл не является файлом Kestra Tessaron!"));
        return;
    }
    Version = s.ReadString();
    bool agreed = false;
    const bool accepted = AcceptFileVersion(
        Version, SelectionFileVersion,
        QStringLiteral("Необходимо конвертировать файл выборки!\r\nЗагружаемая версия: %1\r\nТекущая версия: %2"),
        QStringLiteral("Вы пытаетесь открыть выборку, созданную более новой версией программы, чем текущая.\r\n"
                       "Данный модуль поддерживает файлы выборки\r\nверсии не старше: %1!\r\nЗагружаемая версия: %2"),
        agreed);
    if (converted)
        *converted = agreed;
    if (!accepted)
        return;
    Reserved1 = s.ReadInt();
    Reserved2 = s.ReadInt();
    Created = s.ReadDate();
    Modified = s.ReadDate();
    Reserved3 = s.ReadInt();
    SelectionNo = s.ReadString();
    RegDate = s.ReadDate();
    Name = s.ReadString();
    ReadRates(s, Rates, Version);
    Currency = s.ReadInt();
    PriceGrpNo = s.ReadInt();
    NDSTax = s.ReadSingle();
    RoundMode = s.ReadByte();
    Notes = TextListFromString(s.ReadString());
    FItems.clear();
    const int32_t n = ReadRecordCount(s, ItemRecordBytes);
    for (int32_t i = 0; i < n && !s.AtEnd(); ++i) {
        auto item = std::make_unique<TvxfOrderSelectionItem>();
        item->Read(s);
        AddItem(std::move(item));
    }
}

bool TvxfOrderSelection::SaveToFile(const QString& fileName)
{
    Version = SelectionFileVersion;
    const QString failure = QStringLiteral("Ошибка сохранения выборки!\r\n(%1)");
    TSpecStream s;
    try {
        SaveToStream(s);
    } catch (const std::exception& e) {
        ShowError(failure.arg(ExceptionText(e)));
        return false;
    }
    return SaveStreamToFile(s, fileName, failure);
}

bool TvxfOrderSelection::LoadFromFile(const QString& fileName, bool* converted)
{
    if (converted)
        *converted = false;
    try {
        TSpecStream s;
        s.LoadFromFile(ResolvePath(fileName));
        LoadFromStream(s, converted);
        return true;
    } catch (const std::exception& e) {
        ShowError(QStringLiteral("Ошибка загрузки выборки!\r\n(%1)").arg(ExceptionText(e)));
        return false;
    }
}

} // namespace vx
