#include "config/VXDemoInstall.h"
#include "config/CfgList.h"
#include "config/VXFSetupX.h"
#include "config/VXRegistry.h"
#include "db/VXDataModule.h"
#include "db/VXDemoCatalog.h"
#include "db/VXSchema.h"
#include "db/VXTableEngine.h"
#include "editing/VXOrderBuild.h"
#include "foundation/VXCommonTools.h"
#include "foundation/VXError.h"
#include "model/VXFOrder.h"
#include "model/VXOrderJson.h"
#include "registry/VXOrderRegistry.h"
#include "reports/VXDemoReports.h"
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace vx {

namespace {

const QString DemoOrdersResource = QStringLiteral(":/demo-orders");

QString DatabaseFile(const QString& alias, const QString& directory)
{
    TDatabase database(alias);
    database.SetDirectory(directory);
    return database.FileName();
}

void RemoveDatabaseFiles(const QString& file)
{
    for (const QString& suffix : {QString(), QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(file + suffix);
}

// A fresh demo catalog. Over an existing one it is built beside it first, so that a failure
// leaves the old catalog working.
bool InstallCatalog(const QString& catalogDir)
{
    const QString target = DatabaseFile(Alias::Catalog, catalogDir);
    if (!QFileInfo::exists(target)) {
        CreateDemoCatalog(catalogDir);
        return false;
    }
    const QString fresh = catalogDir + QStringLiteral(".new");
    QDir(fresh).removeRecursively();
    CreateDemoCatalog(fresh);
    const QString built = DatabaseFile(Alias::Catalog, fresh);
    RemoveDatabaseFiles(target);
    const bool moved = QFile::rename(built, target);
    QDir(fresh).removeRecursively();
    if (!moved)
        throw EValtrixError(QStringLiteral("Ошибка обновления демонстрационного каталога [%1]!")
                                .arg(QDir::toNativeSeparators(target)));
    // The user's settings stay; keys a newer demo adds are filled in.
    WriteDemoSettings(catalogDir);
    return true;
}

void InstallServer(const TRunPaths& p)
{
    for (const QString* dir : {&p.ServerDir, &p.OrdersDir, &p.SelectionDir, &p.RecycledDir, &p.ArchiveDir,
                               &p.RegistryDir, &p.ExportDir}) {
        if (!ForceDirectories(*dir))
            throw EValtrixError(QStringLiteral("Ошибка создания каталога [%1]!").arg(QDir::toNativeSeparators(*dir)));
    }
    SetHiddenDir(p.RecycledDir);
    if (!QFileInfo::exists(DatabaseFile(Alias::Registry, p.RegistryDir))) {
        CreateEmptyDatabase(Alias::Registry, p.RegistryDir);
        return;
    }
    TDatabase database(Alias::Registry);
    database.SetDirectory(p.RegistryDir);
    database.Open();
    EnsureSchema(database, Alias::Registry);
    database.Close();
}

void WriteConfiguration(const QString& name, const TRunPaths& p)
{
    try {
        TRegistry reg;
        reg.OpenKey(ConfigRootKey + QLatin1Char('\\') + name, true);
        reg.WriteString(CatalogDirValue, QDir::toNativeSeparators(p.CatalogDir));
        reg.WriteString(ServerNameValue, QDir::toNativeSeparators(p.ServerDir));
        reg.WriteString(ReportDirValue, QDir::toNativeSeparators(p.ReportDir));
        reg.WriteString(TempDirValue, QDir::toNativeSeparators(QDir::tempPath()));
        reg.OpenKey(ConfigRootKey, true);
        reg.WriteString(DefaultConfigValue, name);
    } catch (const std::exception& e) {
        throw EValtrixError(QStringLiteral("Ошибка записи конфигурации %1 в реестр!\r\n(%2)").arg(name, ExceptionText(e)));
    }
}

// The data module, settings and run paths of the demo while the sample orders are built; the
// caller's come back afterwards.
class TDemoSession {
public:
    explicit TDemoSession(const TRunPaths& paths)
        : SavedPaths(RunPaths()), SavedDM(HasDM() ? &DM() : nullptr), SavedSetup(HasSetup() ? &Setup() : nullptr)
    {
        RunPaths() = paths;
        Module = std::make_unique<TDM>();
        SetDM(Module.get());
        Module->ConnectCatalog(paths.CatalogDir);
        if (!Module->OpenCatalog() || !Module->CatalogOpen())
            throw EValtrixError(QStringLiteral("Не удалось открыть таблицы каталога: %1")
                                    .arg(Module->FailedTables().join(QStringLiteral(", "))));
        Module->ConnectRegistry(paths.RegistryDir);
        Settings = std::make_unique<TvxfSetup>(paths.SettingsFile);
        // Only read here: the settings file is the user's, and this is no session of theirs.
        Settings->Loaded = false;
        SetSetup(Settings.get());
    }
    ~TDemoSession()
    {
        SetSetup(SavedSetup);
        Settings.reset();
        SetDM(SavedDM);
        Module.reset();
        RunPaths() = SavedPaths;
    }

private:
    TRunPaths SavedPaths;
    TDM* SavedDM;
    TvxfSetup* SavedSetup;
    std::unique_ptr<TDM> Module;
    std::unique_ptr<TvxfSetup> Settings;
};

void InstallSampleOrders(const TRunPaths& paths, TDemoInstallation& result)
{
    TDemoSession session(paths);
    for (const QString& source : DemoOrderSources()) {
        const QString target = QDir(paths.OrdersDir).filePath(QFileInfo(source).completeBaseName() + QStringLiteral(".vfo370"));
        if (QFileInfo::exists(target)) {
            result.OrdersKept << target;
            continue;
        }
        QFile file(source);
        if (!file.open(QIODevice::ReadOnly))
            throw EValtrixError(QStringLiteral("Невозможно прочитать [%1]!").arg(source));
        try {
            std::unique_ptr<TvxfOrder> order = BuildOrder(ParseOrderInput(file.readAll()));
            if (!order->SaveToFile(target))
                throw EValtrixError(QStringLiteral("Ошибка сохранения заказа [%1]!").arg(QDir::toNativeSeparators(target)));
            // The registry window lists the samples as it lists saved orders.
            RegisterOrder(*order, target, QString(), true);
        } catch (const std::exception& e) {
            throw EValtrixError(QStringLiteral("Ошибка создания демонстрационного заказа [%1]!\r\n(%2)")
                                    .arg(QFileInfo(source).fileName(), ExceptionText(e)));
        }
        result.OrdersWritten << target;
    }
}

} // namespace

QStringList DemoOrderSources()
{
    QStringList files;
    QDirIterator it(DemoOrdersResource, {QStringLiteral("*.json")}, QDir::Files);
    while (it.hasNext())
        files << it.next();
    std::sort(files.begin(), files.end());
    return files;
}

TDemoInstallation InstallDemo(const QString& directory, const QString& configName)
{
    if (configName.trimmed().isEmpty() || configName.contains(QLatin1Char('\\')))
        throw EValtrixError(QStringLiteral("Недопустимое имя конфигурации [%1]!").arg(configName));
    const QString root = QDir::cleanPath(QDir(directory).absolutePath());
    if (!ForceDirectories(root))
        throw EValtrixError(QStringLiteral("Ошибка создания каталога [%1]!").arg(QDir::toNativeSeparators(root)));
    TDemoInstallation result;
    result.CatalogDir = root + QStringLiteral("/Catalog");
    result.ServerDir = root + QStringLiteral("/Server");
    result.ReportDir = root + QStringLiteral("/Reports");
    const TRunPaths paths = DeriveRunPaths(result.CatalogDir, result.ServerDir, result.ReportDir);

    result.CatalogRefreshed = InstallCatalog(result.CatalogDir);
    InstallServer(paths);
    InstallDemoReports(result.ReportDir);
    InstallSampleOrders(paths, result);
    WriteConfiguration(configName, paths);
    return result;
}

} // namespace vx
