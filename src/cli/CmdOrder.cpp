#include "cli/CliCommon.h"
#include "cli/CliOrderFiles.h"
#include "editing/VXOrderBuild.h"
#include "editing/VXOrderEditing.h"
#include "foundation/VXError.h"
#include "foundation/VXUserInteraction.h"
#include "model/VXFOrder.h"
#include "model/VXOrderJson.h"
#include <QFile>
#include <QJsonDocument>

using namespace vx;
using namespace vx::cli;

namespace {

QStringList Options(std::initializer_list<const char*> extra)
{
    QStringList allowed = EnvironmentOptions();
    for (const char* name : extra)
        allowed << QString::fromLatin1(name);
    return allowed;
}

QSet<QString> Flags(std::initializer_list<const char*> extra)
{
    QSet<QString> flags = EnvironmentFlags();
    for (const char* name : extra)
        flags << QString::fromLatin1(name);
    return flags;
}

int Build(const TArgs& a)
{
    a.AllowOnly(Options({"out"}));
    a.ExpectPositional(2, 2);
    const QString out = a.Value(QStringLiteral("out"));
    if (out.isEmpty())
        throw EUsage(QStringLiteral("Не задан файл заказа: -o OUT.vfo370"));
    QFile input(a.Positional[1]);
    if (!input.open(QIODevice::ReadOnly))
        throw EValtrixError(QStringLiteral("Невозможно прочитать [%1]!\r\n(%2)").arg(a.Positional[1], input.errorString()));
    TOrderJsonInput parsed;
    try {
        parsed = ParseOrderInput(input.readAll());
    } catch (const EOrderInputError& e) {
        throw EUsage(e.message());
    }
    TCliSession session(a);
    std::unique_ptr<TvxfOrder> order = BuildOrder(parsed);
    // The file is written in one piece only after every position was built.
    return order->SaveToFile(out) ? 0 : 1;
}

int Show(const TArgs& a)
{
    a.AllowOnly(Options({"json"}));
    a.ExpectPositional(2, 2);
    TCliSession session(a);
    TvxfOrder order;
    if (!LoadOrderFile(order, a.Positional[1]))
        return 1;
    PublishOrderContext(order);
    if (a.Has(QStringLiteral("json")))
        Write(QString::fromUtf8(QJsonDocument(OrderToJson(order)).toJson(QJsonDocument::Indented)));
    else
        Write(OrderToText(order));
    return 0;
}

int Recalc(const TArgs& a)
{
    a.AllowOnly(Options({"out"}));
    a.ExpectPositional(2, 2);
    const QString out = a.Value(QStringLiteral("out"), a.Positional[1]);
    TCliSession session(a);
    TvxfOrder order;
    if (!LoadOrderFile(order, a.Positional[1]))
        return 1;
    if (!Confirm(QStringLiteral("Пересчитать выделенные изделия с текущими установками?")))
        return 1;
    PublishOrderContext(order);
    const TRecalcOutcome outcome = RecalcActivePositions(order);
    if (outcome.Failed) {
        // Nothing is saved: a half-recalculated order is left to the user to look at.
        ShowError(outcome.Message);
        return 1;
    }
    return order.SaveToFile(out) ? 0 : 1;
}

int OrderCommand(const QStringList& args)
{
    TArgs a(args, Flags({"json"}));
    const QString sub = a.Positional.value(0);
    if (sub == QLatin1String("build"))
        return Build(a);
    if (sub == QLatin1String("show"))
        return Show(a);
    if (sub == QLatin1String("recalc"))
        return Recalc(a);
    throw EUsage(sub.isEmpty() ? QStringLiteral("Не задана команда order") : QStringLiteral("Неизвестная команда order %1").arg(sub));
}

const TCommandRegistration Registration(
    "order",
    "order build INPUT.json -o OUT.vfo370\n"
    "      заказ из описания JSON\n"
    "order show FILE [--json]\n"
    "      спецификация заказа\n"
    "order recalc FILE [-o OUT] --yes\n"
    "      пересчет включенных позиций по текущим ценам каталога",
    OrderCommand);

} // namespace
