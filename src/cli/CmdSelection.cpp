#include "cli/CliCommon.h"
#include "cli/CliOrderFiles.h"
#include "editing/VXOrderEditing.h"
#include "config/CfgList.h"
#include "config/VXFSetupX.h"
#include "engine/VXFConstruction.h"
#include "engine/VXFService.h"
#include "foundation/VXCommonTools.h"
#include "foundation/VXError.h"
#include "foundation/VXUserInteraction.h"
#include "model/VXFOrder.h"
#include "model/VXFOrderSelection.h"
#include "model/VXOrderJson.h"
#include <QFileInfo>
#include <QJsonDocument>

using namespace vx;
using namespace vx::cli;

namespace {

// Every position of an order into the selection, as "Добавить заказ..." adds them: an item
// already there (same order and position number) is overwritten, any other appended.
void AddOrder(TvxfOrderSelection& selection, const TvxfOrder& order, const QString& fileName)
{
    const QString stored = StorePath(RunPaths().OrdersDir, QFileInfo(fileName).absoluteFilePath());
    for (int i = 0; i < order.PositionCount(); ++i) {
        const TvxfConstruction& p = *order.Position(i);
        int32_t w = 0, h = 0;
        p.Size(w, h);
        const int index = selection.FindItem(order.OrderNo, p.PosNo);
        TvxfOrderSelectionItem* item = index >= 0 ? selection.Item(index)
                                                  : selection.AddItem(std::make_unique<TvxfOrderSelectionItem>());
        item->OrderNo = order.OrderNo;
        item->PosNo = p.PosNo;
        item->Width = float(w);
        item->Height = float(h);
        item->Num = p.Num;
        item->Name = p.Name;
        item->OrderFile = stored;
    }
}

int Build(const TArgs& a)
{
    QStringList allowed = EnvironmentOptions();
    allowed << QStringLiteral("no") << QStringLiteral("name");
    a.AllowOnly(allowed);
    a.ExpectPositional(3);
    if (!a.Has(QStringLiteral("no")) || a.Value(QStringLiteral("no")).trimmed().isEmpty())
        throw EUsage(QStringLiteral("Не задан номер выборки: --no N"));
    TCliSession session(a);
    TvxfOrderSelection selection;
    selection.SelectionNo = a.Value(QStringLiteral("no")).trimmed();
    selection.Name = a.Value(QStringLiteral("name")).trimmed();
    selection.Currency = Setup().CurCurrency;
    selection.NDSTax = Setup().NDSTax;
    selection.PriceGrpNo = 0;
    LoadRates(selection.Rates);
    for (const QString& file : a.Positional.mid(2)) {
        TvxfOrder order;
        if (!LoadOrderFile(order, file))
            return 1;
        AddOrder(selection, order, file);
    }
    return selection.SaveToFile(a.Positional[1]) ? 0 : 1;
}

int Show(const TArgs& a)
{
    QStringList allowed = EnvironmentOptions();
    allowed << QStringLiteral("json");
    a.AllowOnly(allowed);
    a.ExpectPositional(2, 2);
    TCliSession session(a);
    TvxfOrderSelection selection;
    if (!LoadSelectionFile(selection, a.Positional[1]))
        return 1;
    PublishSelectionContext(selection);
    TMatList materials;
    selection.CollectMaterials(&materials);
    if (a.Has(QStringLiteral("json")))
        Write(QString::fromUtf8(QJsonDocument(SelectionToJson(selection, materials)).toJson(QJsonDocument::Indented)));
    else
        Write(SelectionToText(selection, materials));
    return 0;
}

int SelectionCommand(const QStringList& args)
{
    QSet<QString> flags = EnvironmentFlags();
    flags << QStringLiteral("json");
    TArgs a(args, flags);
    const QString sub = a.Positional.value(0);
    if (sub == QLatin1String("build"))
        return Build(a);
    if (sub == QLatin1String("show"))
        return Show(a);
    throw EUsage(sub.isEmpty() ? QStringLiteral("Не задана команда selection")
                               : QStringLiteral("Неизвестная команда selection %1").arg(sub));
}

const TCommandRegistration Registration(
    "selection",
    "selection build OUT.vfs370 --no N [--name TEXT] ORDER_FILE...\n"
    "      выборка из всех позиций заказов\n"
    "selection show FILE [--json]\n"
    "      выборка со сводной спецификацией по текущим ценам",
    SelectionCommand);

} // namespace
