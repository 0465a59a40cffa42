#pragma once
#include <QString>
#include <QStringList>

namespace vx {

// A complete demonstration installation in one directory: the demo catalog with its settings
// file ("Catalog"), the server directory with orders, selections, recycled and archived
// orders, the order registry database and the export directory ("Server"), the report
// directory ("Reports"), sample orders built from the embedded build input and entered in the
// order registry, and a configuration of the user's registry pointing at all of it, made the
// default one.
//
// Running it again on the same directory refreshes the demo: the catalog database is replaced
// by a fresh demo catalog (the settings file keeps the user's values), missing directories and
// databases are made, the report templates are reinstalled, and sample orders are written only
// where their files are missing, so the user's orders (and changed samples) stay as they are.
struct TDemoInstallation {
    QString CatalogDir;
    QString ServerDir;
    QString ReportDir;
    bool CatalogRefreshed = false;    // a catalog was there and has been replaced
    QStringList OrdersWritten;        // sample order files written this time
    QStringList OrdersKept;           // sample order files that were there already
};

inline const QString DemoConfigName = QStringLiteral("Демо");

// The embedded build input of the sample orders (resource paths, sorted by name).
QStringList DemoOrderSources();

// Raises EValtrixError naming what failed. The data module and settings of the caller, if any,
// are put back afterwards; the run paths likewise.
TDemoInstallation InstallDemo(const QString& directory, const QString& configName = DemoConfigName);

} // namespace vx
