#include "cli/CliCommon.h"
#include "config/VXDemoInstall.h"
#include "foundation/VXUserInteraction.h"
#include <QDir>

using namespace vx;
using namespace vx::cli;

namespace {

int DemoCommand(const QStringList& args)
{
    TArgs a(args);
    a.AllowOnly({QStringLiteral("config")});
    a.ExpectPositional(1, 1);
    const QString name = a.Value(QStringLiteral("config"), DemoConfigName);
    if (name.trimmed().isEmpty())
        throw EUsage(QStringLiteral("Не задано имя конфигурации"));

    TConsoleInteraction console;
    TScopedUI scoped(&console);
    const TDemoInstallation d = InstallDemo(a.Positional[0], name);
    Out(QStringLiteral("Демонстрационная установка: %1").arg(QDir::toNativeSeparators(QFileInfo(d.CatalogDir).path())));
    Out(QStringLiteral("Каталог: %1%2")
            .arg(QDir::toNativeSeparators(d.CatalogDir), d.CatalogRefreshed ? QStringLiteral(" (обновлен)") : QString()));
    Out(QStringLiteral("Сервер: %1").arg(QDir::toNativeSeparators(d.ServerDir)));
    Out(QStringLiteral("Отчеты: %1").arg(QDir::toNativeSeparators(d.ReportDir)));
    for (const QString& f : d.OrdersWritten)
        Out(QStringLiteral("Заказ: %1").arg(QDir::toNativeSeparators(f)));
    for (const QString& f : d.OrdersKept)
        Out(QStringLiteral("Заказ: %1 (оставлен без изменений)").arg(QDir::toNativeSeparators(f)));
    Out(QStringLiteral("Конфигурация \"%1\" выбрана по умолчанию.").arg(name));
    return 0;
}

const TCommandRegistration Registration(
    "demo",
    "demo DIR [--config NAME]\n"
    "      демонстрационная установка в DIR: каталог, сервер, отчеты, образцы заказов,\n"
    "      конфигурация NAME (по умолчанию \"Демо\") в реестре пользователя",
    DemoCommand);

} // namespace
