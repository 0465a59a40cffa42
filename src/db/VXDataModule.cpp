#include "db/VXDataModule.h"
#include "db/VXSchema.h"
#include "foundation/VXError.h"

namespace vx {

namespace {

TDM* CurrentModule = nullptr;

void SetFixedFilter(TTable& table, const QString& filter)
{
    table.SetFilter(filter);
    table.SetFiltered(true);
}

} // namespace

TDM::TDM()
    : DB_Catalog(Alias::Catalog),
      DB_Registry(Alias::Registry),
      DB_Report(Alias::Report),
      T_Color(&DB_Catalog, TableFile::ColorSet),
      T_SysList(&DB_Catalog, TableFile::SysList),
      T_SysColor(&DB_Catalog, TableFile::SysColor),
      T_SysProf(&DB_Catalog, TableFile::SysProf),
      T_SysProp(&DB_Catalog, TableFile::SysProp),
      T_Material(&DB_Catalog, TableFile::Material),
      T_FalzList(&DB_Catalog, TableFile::ParamList),
      T_DornList(&DB_Catalog, TableFile::ParamList),
      T_StulpList(&DB_Catalog, TableFile::ParamList),
      T_OpenList(&DB_Catalog, TableFile::ParamList),
      T_Catalog(&DB_Catalog, TableFile::Catalog),
      T_Currency(&DB_Catalog, TableFile::Currency),
      T_PriceGrp(&DB_Catalog, TableFile::PriceGrp),
      T_FrnComp(&DB_Catalog, TableFile::FrnComp),
      T_FrnSide(&DB_Catalog, TableFile::FrnSide),
      T_FrnItem(&DB_Catalog, TableFile::FrnItem),
      T_FrnSet(&DB_Catalog, TableFile::FrnSet),
      T_FrnArt(&DB_Catalog, TableFile::FrnArt),
      T_FrnSchl(&DB_Catalog, TableFile::FrnSchl),
      T_FrnDop(&DB_Catalog, TableFile::FrnDop),
      T_FrnAbd(&DB_Catalog, TableFile::FrnAbd),
      T_FrnProp(&DB_Catalog, TableFile::FrnProp),
      T_FrnItoI(&DB_Catalog, TableFile::FrnItoI),
      T_OrderList(&DB_Registry, TableFile::OrderLst)
{
    DB_Catalog.RegisterTables(CatalogTableDefs());
    DB_Registry.RegisterTables(RegistryTableDefs());
    DB_Report.RegisterTables(ReportTableDefs());

    // One parameter table, four lists told apart by the hundred of the code.
    SetFixedFilter(T_FalzList, QStringLiteral("ID >= 100 and ID <= 199"));
    SetFixedFilter(T_DornList, QStringLiteral("ID >= 200 and ID <= 299"));
    SetFixedFilter(T_StulpList, QStringLiteral("ID >= 300 and ID <= 399"));
    SetFixedFilter(T_OpenList, QStringLiteral("ID >= 400 and ID <= 499"));
    SetFixedFilter(T_Material, QStringLiteral("ID <> 0"));

    // FrnSide, FrnSet and FrnArt keep the order of their primary keys, which lead with ID: the
    // set resolution walks rows by (ID, Item, Key). The strike plate and accessory tables have
    // no key and are kept by CatalogID.
    T_FrnSchl.SetIndexFieldNames(QStringLiteral("CatalogID"));
    T_FrnDop.SetIndexFieldNames(QStringLiteral("CatalogID"));
    T_FrnAbd.SetIndexFieldNames(QStringLiteral("CatalogID"));

    // The catalog is read far more than written: its tables answer from memory. The registry
    // stays with the database, which other users change meanwhile.
    for (TTable* table : CatalogTables())
        table->SetCached(true);
}

TDM::~TDM()
{
    if (CurrentModule == this)
        CurrentModule = nullptr;
    // Tables first, then their connections.
    for (TTable* table : CatalogTables())
        table->Close();
    T_OrderList.Close();
    DB_Catalog.Close();
    DB_Registry.Close();
    DB_Report.Close();
}

QStringList TDM::ConnectionParams(const QString& directory)
{
    return {QStringLiteral("PATH=%1").arg(directory), QStringLiteral("DEFAULT DRIVER=PARADOX"),
            QStringLiteral("ENABLE BCD=TRUE")};
}

void TDM::ConnectCatalog(const QString& catalogDir)
{
    DB_Catalog.Reconnect(ConnectionParams(catalogDir));
}

void TDM::ConnectRegistry(const QString& registryDir)
{
    DB_Registry.Reconnect(ConnectionParams(registryDir));
}

void TDM::ConnectReport(const QString& reportDir)
{
    DB_Report.Reconnect(ConnectionParams(reportDir));
}

QList<TTable*> TDM::CatalogTables()
{
    return {&T_Color,     &T_Currency,  &T_PriceGrp, &T_SysList,  &T_SysColor, &T_SysProp,
            &T_SysProf,   &T_Catalog,   &T_Material, &T_FalzList, &T_DornList, &T_StulpList,
            &T_OpenList,  &T_FrnComp,   &T_FrnSide,  &T_FrnItem,  &T_FrnSet,   &T_FrnArt,
            &T_FrnSchl,   &T_FrnDop,    &T_FrnAbd,   &T_FrnProp,  &T_FrnItoI};
}

bool TDM::OpenCatalog()
{
    FFailedTables.clear();
    bool result = false;
    for (TTable* table : CatalogTables()) {
        result = OpenDataSet(table);
        if (!result && !FFailedTables.contains(table->TableName()))
            FFailedTables.append(table->TableName());
    }
    return result;
}

void TDM::CloseCatalog()
{
    for (TTable* table : CatalogTables())
        table->Close();
}

TDM& DM()
{
    if (!CurrentModule)
        throw EValtrixError(QStringLiteral("Модуль данных не создан!"));
    return *CurrentModule;
}

void SetDM(TDM* module)
{
    CurrentModule = module;
}

bool HasDM()
{
    return CurrentModule != nullptr;
}

} // namespace vx
