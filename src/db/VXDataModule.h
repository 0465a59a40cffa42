#pragma once
#include "db/VXTableEngine.h"
#include <QString>
#include <QStringList>

namespace vx {

// The data module: one connection per alias and one table object per catalog table, alive
// for the whole run. The catalog tables are cached (rows in memory, see TTable::SetCached). The table objects are shared cursors: a look-up moves the current row,
// and whoever sets a filter removes it again on every exit path.
class TDM {
public:
    TDM();
    ~TDM();
    TDM(const TDM&) = delete;
    TDM& operator=(const TDM&) = delete;

    TDatabase DB_Catalog;
    TDatabase DB_Registry;
    TDatabase DB_Report;

    TTable T_Color;
    TTable T_SysList;
    TTable T_SysColor;
    TTable T_SysProf;
    TTable T_SysProp;
    TTable T_Material;      // "ID <> 0": row 0 is hidden
    TTable T_FalzList;      // ParamList.DB codes 100..199
    TTable T_DornList;      // 200..299
    TTable T_StulpList;     // 300..399
    TTable T_OpenList;      // 400..499
    TTable T_Catalog;
    TTable T_Currency;
    TTable T_PriceGrp;
    TTable T_FrnComp;
    TTable T_FrnSide;       // kept ordered by ID
    TTable T_FrnItem;
    TTable T_FrnSet;        // kept ordered by ID
    TTable T_FrnArt;        // kept ordered by ID
    TTable T_FrnSchl;       // kept ordered by CatalogID
    TTable T_FrnDop;        // kept ordered by CatalogID
    TTable T_FrnAbd;        // kept ordered by CatalogID
    TTable T_FrnProp;
    TTable T_FrnItoI;
    // The registry table; the registry window opens it.
    TTable T_OrderList;

    // The three parameters every connection is opened with, in this order.
    static QStringList ConnectionParams(const QString& directory);

    // Close the connection, give it the directory, open it again. Raise on failure.
    void ConnectCatalog(const QString& catalogDir);
    void ConnectRegistry(const QString& registryDir);
    void ConnectReport(const QString& reportDir);

    // Opens every catalog table in the fixed order with the guarded open: a table that fails
    // shows its message and the next one is tried. Answers the result of the last open
    // (FrnItoI.DB); FailedTables lists every table that did not open.
    bool OpenCatalog();
    QStringList FailedTables() const { return FFailedTables; }
    bool CatalogOpen() const { return FFailedTables.isEmpty() && T_FrnItoI.Active(); }
    // The catalog tables in the order OpenCatalog opens them.
    QList<TTable*> CatalogTables();
    void CloseCatalog();

private:
    QStringList FFailedTables;
};

// The data module of the running program (not owned); DM() raises when none is installed.
TDM& DM();
void SetDM(TDM* module);
bool HasDM();

} // namespace vx
