#include "registry/VXOrderRegistry.h"
#include "config/CfgList.h"
#include "db/VXDataModule.h"
#include "db/VXSchema.h"
#include "foundation/VXCommonTools.h"
#include "foundation/VXUserInteraction.h"
#include "model/VXFOrder.h"

namespace vx {

QString StoreOrderFile(const QString& path)
{
    return StorePath(RunPaths().OrdersDir, path);
}

QString ExpandOrderFile(const QString& stored)
{
    return ExpandPath(RunPaths().OrdersDir, stored);
}

// ---------------------------------------------------------------------------------------------

TOrderListScope::TOrderListScope() : FTable(&DM().T_OrderList)
{
    if (!FTable->Active()) {
        // A registry directory made by hand or by a fresh server holds no table yet.
        TDatabase* db = FTable->Database();
        if (db && db->Connected() && !db->TableExists(TableFile::OrderLst))
            EnsureSchema(*db, Alias::Registry);
        FTable->Open();
        FOpened = true;
    }
    FHadRow = !FTable->IsEmpty();
    if (FHadRow) {
        const TBookmark mark = FTable->GetBookmark();
        FBookmarkKey = mark.Key;
        FBookmarkSet = mark.Set;
    }
    FTable->DisableControls();
    FFiltered = FTable->Filtered();
    if (FFiltered)
        FTable->SetFiltered(false);
}

TOrderListScope::~TOrderListScope()
{
    try {
        if (FTable->State() != TDataSetState::Browse && FTable->Active())
            FTable->Cancel();
        if (FFiltered)
            FTable->SetFiltered(true);
        TBookmark mark;
        mark.Key = FBookmarkKey;
        mark.Set = FBookmarkSet;
        if (FHadRow && FTable->BookmarkValid(mark))
            FTable->GotoBookmark(mark);
    } catch (...) {
        // Putting the cursor back is a courtesy; the table stays usable without it.
    }
    FTable->EnableControls();
    if (FOpened) {
        try {
            FTable->Close();
        } catch (...) {
        }
    }
}

bool TOrderListScope::Locate(const QString& orderNo) const
{
    TLocateOptions options;
    options.CaseInsensitive = true;
    return FTable->Locate(QStringLiteral("No"), orderNo, options);
}

// ---------------------------------------------------------------------------------------------

TRegisteredOrder FindRegisteredOrder(const QString& orderNo)
{
    TRegisteredOrder result;
    TOrderListScope scope;
    if (!scope.Locate(orderNo))
        return result;
    TTable& t = scope.Table();
    result.Found = true;
    result.OrderNo = t.FieldByName(QStringLiteral("No"))->AsString();
    result.RegDate = t.FieldByName(QStringLiteral("RegDate"))->AsDateTime();
    result.OrderFile = t.FieldByName(QStringLiteral("OrderFile"))->AsString();
    return result;
}

void WriteOrderFields(TDataSet& row, const TvxfOrder& order)
{
    row.FieldByName(QStringLiteral("RegDate"))->SetAsDateTime(order.RegDate);
    row.FieldByName(QStringLiteral("Customer"))->SetAsString(order.Customer);
    row.FieldByName(QStringLiteral("Phone"))->SetAsString(order.Phones);
    row.FieldByName(QStringLiteral("Object"))->SetAsString(order.ObjectName);
    row.FieldByName(QStringLiteral("Address"))->SetAsString(order.Address);
    row.FieldByName(QStringLiteral("Cost"))->SetAsCurrency(order.GrossTotal());
    row.FieldByName(QStringLiteral("Currency"))->SetAsInteger(order.Currency);
}

bool RegisterOrder(const TvxfOrder& order, const QString& fileName, const QString& loadedNo, bool silent)
{
    const QString stored = StoreOrderFile(fileName);
    if (!silent && !Confirm(QStringLiteral("Зарегистрировать заказ / обновить данные в реестре?")))
        return false;

    TOrderListScope scope;
    TTable& t = scope.Table();
    if (order.OrderNo.isEmpty()) {
        ShowError(QStringLiteral("Заказ не имеет номера!\r\nДля учета заказа необходимо наличие номера."));
        return false;
    }
    auto write = [&] {
        t.FieldByName(QStringLiteral("No"))->SetAsString(order.OrderNo);
        WriteOrderFields(t, order);
        t.FieldByName(QStringLiteral("OrderFile"))->SetAsString(stored);
        t.Post();
    };
    // A renumbered order keeps its row.
    if (!loadedNo.isEmpty() && loadedNo.compare(order.OrderNo, Qt::CaseInsensitive) != 0 && scope.Locate(loadedNo)) {
        t.Edit();
        write();
        return true;
    }
    if (scope.Locate(order.OrderNo))
        t.Edit();
    else
        t.Append();
    write();
    return true;
}

} // namespace vx
