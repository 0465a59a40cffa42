#include "cli/CliCommon.h"
#include "config/CfgList.h"
#include "db/VXParadoxImport.h"
#include "db/VXSchema.h"
#include "foundation/VXUserInteraction.h"

using namespace vx;
using namespace vx::cli;

namespace {

int CatalogCommand(const QStringList& args)
{
    TArgs a(args, EnvironmentFlags());
    QStringList allowed = EnvironmentOptions();
    allowed << QStringLiteral("alias");
    a.AllowOnly(allowed);
    a.ExpectPositional(2, 2);
    if (a.Positional[0] != QLatin1String("import-paradox"))
        throw EUsage(QStringLiteral("Неизвестная команда catalog %1").arg(a.Positional[0]));
    const QString source = a.Positional[1];
    const QString alias = a.Value(QStringLiteral("alias"), Alias::Catalog);
    if (!IsKnownAlias(alias))
        throw EUsage(QStringLiteral("Неизвестный псевдоним базы данных %1").arg(alias));

    TConsoleInteraction console;
    console.AnswerYes = a.Has(QStringLiteral("yes"));
    TScopedUI scoped(&console);
    if (!ResolveDirectories(a))
        return 1;
    const TRunPaths& paths = RunPaths();
    const QString target = alias.compare(Alias::Registry, Qt::CaseInsensitive) == 0 ? paths.RegistryDir
                         : alias.compare(Alias::Report, Qt::CaseInsensitive) == 0   ? paths.ReportDir
                                                                                     : paths.CatalogDir;
    if (target.isEmpty()) {
        ShowError(QStringLiteral("Не указан каталог базы данных %1!").arg(alias));
        return 1;
    }
    TParadoxImportResult result = ImportParadox(source, alias, target);
    Out(result.Summary());
    return 0;
}

const TCommandRegistration Registration(
    "catalog",
    "catalog import-paradox SOURCE_DIR [--alias ZNDB_Catalog|ZNDB_Registry|ZNDB_Report]\n"
    "      перенос таблиц Paradox в базу данных",
    CatalogCommand);

} // namespace
