#include "editing/VXOrderProps.h"
#include "db/VXDataModule.h"
#include "editing/VXOrderSaving.h"
#include "engine/VXFService.h"
#include "foundation/VXFormats.h"
#include "model/VXFOrder.h"
#include "registry/VXOrderRegistry.h"
#include <QFile>
#include <cmath>

namespace vx {

namespace {

int CodeOf(const QString& key)
{
    return key.trimmed().toInt();
}

} // namespace

TOrderProps ReadOrderProps(const TvxfOrder& order)
{
    TOrderProps p;
    p.OrderNo = order.OrderNo;
    p.AltOrderNo = order.AltOrderNo;
    p.Customer = order.Customer;
    p.ObjectName = order.ObjectName;
    p.Address = order.Address;
    p.Phones = order.Phones;
    p.Rem = order.Rem;
    p.RegDate = order.RegDate;
    p.RegDateSet = order.RegDateSet;
    p.ProfSys = order.ProfSys;
    p.InnerProfColor = order.InnerProfColor;
    p.OuterProfColor = order.OuterProfColor;
    p.FurnSys = order.FurnSys;
    p.FurnColor = order.FurnColor;
    p.Handle = order.Handle;
    p.Material = QString::number(order.Material);
    p.FalzType = QString::number(order.FalzType);
    p.DornType = QString::number(order.DornType);
    p.StulpFalzType = QString::number(order.StulpFalzType);
    p.FlugelType = QString::number(order.FlugelType);
    p.NDSTax = order.NDSTax;
    for (const auto& item : order.Rates)
        if (item)
            p.Rates.append(TRateEntry{item->ID, item->Rate});
    p.CurrencyIndex = RateIndex(&order.Rates, order.Currency);
    p.Notes = order.Notes;
    return p;
}

QString ValidateOrderNo(const QString& orderNo, const QString& openingNo)
{
    if (orderNo.trimmed().isEmpty())
        return QStringLiteral("Не указан номер заказа!");
    if (orderNo == openingNo)
        return QString();
    // Without a registry there is nothing the number could clash with.
    if (!HasDM() || !DM().DB_Registry.Connected())
        return QString();
    const TRegisteredOrder found = FindRegisteredOrder(orderNo.trimmed());
    if (!found.Found)
        return QString();
    return QStringLiteral("Заказ с номером %1 был зарегистрирован %2!\r\nУкажите другой номер заказа.")
        .arg(orderNo, FormatShortDate(found.RegDate.date()));
}

bool WriteOrderProps(const TOrderProps& p, TvxfOrder& order)
{
    order.OrderNo = p.OrderNo.trimmed();
    order.AltOrderNo = p.AltOrderNo.trimmed();
    order.Customer = p.Customer.trimmed();
    order.ObjectName = p.ObjectName.trimmed();
    order.Address = p.Address.trimmed();
    order.Phones = p.Phones.trimmed();
    order.Rem = p.Rem.trimmed().left(OrderRemLength);
    order.RegDate = p.RegDate;
    order.RegDateSet = p.RegDateSet;
    order.Notes = p.Notes;

    order.ProfSys = p.ProfSys;
    order.InnerProfColor = p.InnerProfColor;
    order.OuterProfColor = p.OuterProfColor;
    order.FurnSys = p.FurnSys;
    order.FurnColor = p.FurnColor;
    order.Handle = p.Handle;
    order.FalzType = CodeOf(p.FalzType);
    order.DornType = CodeOf(p.DornType);
    order.StulpFalzType = CodeOf(p.StulpFalzType);
    order.FlugelType = CodeOf(p.FlugelType);
    order.Material = CodeOf(p.Material);

    bool priceChanged = p.NDSTax != order.NDSTax;
    order.NDSTax = p.NDSTax;

    order.ClearRates();
    for (const TRateEntry& r : p.Rates) {
        auto item = std::make_unique<TvxfCurrencyItem>();
        item->ID = r.ID;
        item->Rate = r.Rate;
        order.Rates.push_back(std::move(item));
    }
    if (p.CurrencyIndex >= 0 && p.CurrencyIndex < p.Rates.size()) {
        const int currency = p.Rates.at(p.CurrencyIndex).ID;
        priceChanged = priceChanged || currency != order.Currency;
        order.Currency = currency;
    }
    return priceChanged;
}

void StoreOrderDefaults(const TvxfOrder& order, TvxfSetup& s)
{
    s.NDSTax = order.NDSTax;
    s.PriceGrpNo = order.PriceGrpNo;
    s.CurCurrency = order.Currency;
    s.DefProfSys = order.ProfSys;
    s.DefInnerProfColor = order.InnerProfColor;
    s.DefOuterProfColor = order.OuterProfColor;
    s.DefFurnSys = order.FurnSys;
    s.DefFurnColor = order.FurnColor;
    s.DefHandle = order.Handle;
    s.DefFalzType = order.FalzType;
    s.DefDornType = order.DornType;
    s.DefStulpFalzType = order.StulpFalzType;
    s.DefFlugelType = order.FlugelType;
    s.DefMaterial = order.Material;
}

QString LastOrderNoText()
{
    QFile file(LastOrderNumberFile());
    const bool readable = file.open(QIODevice::ReadOnly);
    file.close();
    return QStringLiteral("Номер последнего заказа: ") + (readable ? ReadLastOrderNumber() : QStringLiteral("???"));
}

QString RateText(double rate)
{
    return QString::number(rate, 'f', 4).replace(QLatin1Char('.'), FormatSettings().DecimalSeparator);
}

double RoundRate(double rate)
{
    return std::round(rate * 10000.0) / 10000.0;
}

QString FurnSysFilter()
{
    return QStringLiteral("Group=%1 and Use=%2").arg(1).arg(1);
}

QString ProfSysFilter(const QString& furnSys)
{
    if (furnSys.trimmed().isEmpty())
        return QString();
    const int family = furnSys.trimmed().toInt() / 100 * 100;
    return QStringLiteral("FurnSysID='%1'").arg(family);
}

QString FurnColorFilter(const QString& furnSys)
{
    QString quoted = furnSys;
    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QStringLiteral("SYSTEM='%1'").arg(quoted);
}

QString HandleFilter(const QString& furnSys)
{
    const int group = SystemCommonGrp(furnSys);
    return QStringLiteral("(Group=%1 or Group=%2 or Group=%3) and Use=%4 and (CommonGrp=%5 or CommonGrp=%6 or "
                          "CommonGrp=%7)")
        .arg(30)
        .arg(31)
        .arg(32)
        .arg(1)
        .arg(group)
        .arg(group / 100 * 100)
        .arg(0);
}

QList<TLookupRow> LookupRows(TTable& table, const QString& keyField, const QString& shownField, const QString& filter)
{
    QList<TLookupRow> rows;
    if (!table.Active())
        return rows;
    const QString oldFilter = table.Filter();
    const bool oldFiltered = table.Filtered();
    const TBookmark mark = table.IsEmpty() ? TBookmark() : table.GetBookmark();
    table.DisableControls();
    auto restore = [&] {
        if (!filter.isEmpty()) {
            table.SetFilter(oldFilter);
            table.SetFiltered(oldFiltered);
        }
        if (!mark.IsNull() && table.BookmarkValid(mark))
            table.GotoBookmark(mark);
        table.EnableControls();
    };
    try {
        if (!filter.isEmpty()) {
            table.SetFilter(filter);
            table.SetFiltered(true);
        }
        TField* key = table.FieldByName(keyField);
        TField* shown = table.FieldByName(shownField);
        for (table.First(); !table.Eof(); table.Next())
            rows.append({key->AsString(), shown->AsString()});
    } catch (...) {
        restore();
        throw;
    }
    restore();
    return rows;
}

QString LookupText(TTable& table, const QString& keyField, const QString& shownField, const QString& key)
{
    if (key.isEmpty() || !table.Active())
        return QString();
    TField* field = table.FieldByName(keyField);
    const QVariant value = IsNumericType(field->DataType()) ? QVariant(key.toInt()) : QVariant(key);
    if (!table.Locate(keyField, value))
        return QString();
    return table.FieldByName(shownField)->AsString();
}

TTableViewState::TTableViewState(TTable* table) : FTable(table)
{
    if (!FTable)
        return;
    FFilter = FTable->Filter();
    FFiltered = FTable->Filtered();
    FIndexName = FTable->IndexName();
    FIndexFieldNames = FTable->IndexFieldNames();
}

TTableViewState::~TTableViewState()
{
    try {
        Restore();
    } catch (...) {
        // A table that cannot take its old view back stays usable as it is.
    }
}

void TTableViewState::Restore()
{
    if (!FTable || FDone)
        return;
    FDone = true;
    if (FTable->Filter() != FFilter)
        FTable->SetFilter(FFilter);
    if (FTable->Filtered() != FFiltered)
        FTable->SetFiltered(FFiltered);
    if (!FIndexFieldNames.isEmpty()) {
        if (FTable->IndexFieldNames() != FIndexFieldNames)
            FTable->SetIndexFieldNames(FIndexFieldNames);
    } else if (FTable->IndexName() != FIndexName || !FTable->IndexFieldNames().isEmpty()) {
        FTable->SetIndexName(FIndexName);
    }
}

} // namespace vx
