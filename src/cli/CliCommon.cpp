#include "cli/CliCommon.h"
#include "config/CfgList.h"
#include "config/VXFSetupX.h"
#include "db/VXDataModule.h"
#include "foundation/VXCommonTools.h"
#include "foundation/VXError.h"
#include <QDir>
#include <algorithm>
#include <cstdio>

namespace vx::cli {

TArgs::TArgs(const QStringList& args, const QSet<QString>& flags)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        QString name;
        if (a == QLatin1String("-o"))
            name = QStringLiteral("out");
        else if (a.startsWith(QLatin1String("--")) && a.size() > 2)
            name = a.mid(2);
        if (name.isEmpty()) {
            Positional.append(a);
            continue;
        }
        QString value;
        if (!flags.contains(name)) {
            if (i + 1 >= args.size())
                throw EUsage(QStringLiteral("Не задано значение параметра --%1").arg(name));
            value = args[++i];
        }
        FOptions.insert(name, value);
        FAll[name].append(value);
    }
}

QString TArgs::Value(const QString& name, const QString& fallback) const
{
    auto it = FOptions.constFind(name);
    return it == FOptions.constEnd() ? fallback : it.value();
}

void TArgs::AllowOnly(const QStringList& allowed) const
{
    QStringList names = FOptions.keys();
    std::sort(names.begin(), names.end());
    for (const QString& name : names)
        if (!allowed.contains(name))
            throw EUsage(QStringLiteral("Неизвестный параметр --%1").arg(name));
}

void TArgs::ExpectPositional(int min, int max) const
{
    if (Positional.size() < min)
        throw EUsage(QStringLiteral("Не хватает параметров"));
    if (max >= 0 && Positional.size() > max)
        throw EUsage(QStringLiteral("Лишний параметр: %1").arg(Positional[max]));
}

int TArgs::IntValue(const QString& name, int fallback) const
{
    if (!Has(name))
        return fallback;
    bool ok = false;
    const int v = Value(name).toInt(&ok);
    if (!ok)
        throw EUsage(QStringLiteral("Параметр --%1 должен быть целым числом").arg(name));
    return v;
}

const QStringList& EnvironmentOptions()
{
    static const QStringList names{QStringLiteral("config"), QStringLiteral("catalog"), QStringLiteral("server"),
                                   QStringLiteral("reports"), QStringLiteral("yes"), QStringLiteral("debug")};
    return names;
}

const QSet<QString>& EnvironmentFlags()
{
    static const QSet<QString> names{QStringLiteral("yes"), QStringLiteral("debug")};
    return names;
}

bool ResolveDirectories(const TArgs& args)
{
    if (args.Has(QStringLiteral("catalog")) || args.Has(QStringLiteral("server")) || args.Has(QStringLiteral("reports"))) {
        RunPaths() = DeriveRunPaths(args.Value(QStringLiteral("catalog")), args.Value(QStringLiteral("server")),
                                    args.Value(QStringLiteral("reports")));
        return true;
    }
    QString name = args.Value(QStringLiteral("config"));
    if (name.isEmpty()) {
        TConfigList list = ListConfigurations();
        if (list.Preselected >= 0)
            name = list.Names[list.Preselected];
    }
    if (!OpenConfiguration(name, QDir::tempPath()))
        return false;
    // The command-line tool needs no temporary directory of its own.
    DeleteDirTree(RunPaths().TempDir);
    RunPaths().TempDir.clear();
    return true;
}

TCliSession::TCliSession(const TArgs& args) : TCliSession(args, TOptions{}) {}

TCliSession::TCliSession(const TArgs& args, TOptions options)
{
    Console.AnswerYes = args.Has(QStringLiteral("yes"));
    FScopedUI = std::make_unique<TScopedUI>(&Console);
    if (!ResolveDirectories(args))
        throw EValtrixError(QStringLiteral("Не удалось открыть конфигурацию!"));
    const TRunPaths& paths = RunPaths();
    // Without a settings file everything stays at its default.
    FSetup = std::make_unique<TvxfSetup>();
    FSetup->DebugMode = args.Has(QStringLiteral("debug"));
    SetSetup(FSetup.get());

    FDM = std::make_unique<TDM>();
    SetDM(FDM.get());
    if (options.OpenCatalog) {
        if (paths.CatalogDir.isEmpty())
            throw EValtrixError(QStringLiteral("Не указан каталог базы данных %1!").arg(QStringLiteral("ZNDB_Catalog")));
        FDM->ConnectCatalog(ResolvePath(paths.CatalogDir));
        if (!FDM->OpenCatalog() || !FDM->CatalogOpen())
            throw EValtrixError(QStringLiteral("Не удалось открыть таблицы каталога: %1")
                                    .arg(FDM->FailedTables().join(QStringLiteral(", "))));
    }
    if (options.OpenRegistry) {
        if (!paths.RegistryDir.isEmpty()) {
            ForceDirectories(paths.RegistryDir);
            FDM->ConnectRegistry(ResolvePath(paths.RegistryDir));
        }
        if (!paths.ReportDir.isEmpty() && PathExists(paths.ReportDir))
            FDM->ConnectReport(ResolvePath(paths.ReportDir));
    }
}

TCliSession::~TCliSession()
{
    if (HasDM() && &DM() == FDM.get())
        SetDM(nullptr);
    FDM.reset();
    if (HasSetup() && &Setup() == FSetup.get())
        SetSetup(nullptr);
    FSetup.reset();
}

void Out(const QString& text)
{
    std::fputs(text.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
}

void Write(const QString& text)
{
    std::fputs(text.toUtf8().constData(), stdout);
}

namespace {
QList<TCommand>& Registry()
{
    static QList<TCommand> commands;
    return commands;
}
} // namespace

TCommandRegistration::TCommandRegistration(const char* name, const char* usage, TCommandFn run)
{
    Registry().append(TCommand{QString::fromUtf8(name), QString::fromUtf8(usage), run});
}

const QList<TCommand>& Commands()
{
    return Registry();
}

void PrintUsage()
{
    QList<TCommand> commands = Registry();
    std::sort(commands.begin(), commands.end(), [](const TCommand& a, const TCommand& b) { return a.Name < b.Name; });
    QString text = QStringLiteral("Использование: valtrix-cli <команда> [параметры]\n");
    for (const TCommand& c : commands)
        for (const QString& line : c.Usage.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            text += QStringLiteral("  ") + line + QLatin1Char('\n');
    text += QStringLiteral("Общие параметры: --config NAME | --catalog DIR --server DIR [--reports DIR]; --yes; --debug\n");
    std::fputs(text.toUtf8().constData(), stderr);
}

} // namespace vx::cli
