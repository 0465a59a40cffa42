#pragma once
#include "db/VXTableDef.h"
#include <QList>
#include <QString>

namespace vx {

class TDatabase;

// The three database aliases.
namespace Alias {
inline const QString Catalog = QStringLiteral("ZNDB_Catalog");
inline const QString Registry = QStringLiteral("ZNDB_Registry");
inline const QString Report = QStringLiteral("ZNDB_Report");
} // namespace Alias

// Table file names, as the data module and the queries name them.
namespace TableFile {
inline const QString ColorSet = QStringLiteral("COLORSET.DB");
inline const QString SysList = QStringLiteral("SysList.DB");
inline const QString SysColor = QStringLiteral("SysColor.db");
inline const QString SysProf = QStringLiteral("SysProf.DB");
inline const QString SysProp = QStringLiteral("SysProp.DB");
inline const QString Material = QStringLiteral("Material.db");
inline const QString ParamList = QStringLiteral("ParamList.DB");
inline const QString Catalog = QStringLiteral("Catalog.DB");
inline const QString Currency = QStringLiteral("Currency.DB");
inline const QString PriceGrp = QStringLiteral("PriceGrp.DB");
inline const QString FrnComp = QStringLiteral("FrnComp.DB");
inline const QString FrnSide = QStringLiteral("FrnSide.DB");
inline const QString FrnItem = QStringLiteral("FrnItem.DB");
inline const QString FrnSet = QStringLiteral("FrnSet.DB");
inline const QString FrnArt = QStringLiteral("FrnArt.DB");
inline const QString FrnSchl = QStringLiteral("FrnSchl.DB");
inline const QString FrnDop = QStringLiteral("FrnDop.DB");
inline const QString FrnAbd = QStringLiteral("FrnAbd.DB");
inline const QString FrnProp = QStringLiteral("FrnProp.db");
inline const QString FrnItoI = QStringLiteral("FrnItoI.DB");
inline const QString OrderLst = QStringLiteral("OrderLst.DB");
inline const QString Report = QStringLiteral("Report.db");
} // namespace TableFile

// Index names of the registry table (the empty name is the primary key, by `No`).
namespace OrderListIndex {
inline const QString Date = QStringLiteral("Date");
inline const QString CustName = QStringLiteral("CustName");
inline const QString ObjName = QStringLiteral("ObjName");
} // namespace OrderListIndex

// Every table of an alias, each once, with fields in table order, keys, indexes, lookups
// and captions. Catalog tables come in the order the data module opens them.
QList<TTableDef> CatalogTableDefs();
QList<TTableDef> RegistryTableDefs();
QList<TTableDef> ReportTableDefs();
// The tables of an alias (case-insensitive); raises for an unknown alias.
QList<TTableDef> SchemaTableDefs(const QString& alias);
// One table of the schema by alias and file name (both case-insensitive); raises when the
// alias has no such table.
TTableDef SchemaTableDef(const QString& alias, const QString& fileName);
bool IsKnownAlias(const QString& alias);

// Registers the alias's definitions with a connected database and creates the tables it
// lacks; existing tables and their rows are kept.
void EnsureSchema(TDatabase& database, const QString& alias);

// Creates the database of an alias in a directory (made when missing) with every table of
// the schema, all empty. Raises when that directory already holds the alias's database.
void CreateEmptyDatabase(const QString& alias, const QString& directory);

} // namespace vx
