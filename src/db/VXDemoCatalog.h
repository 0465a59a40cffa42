#pragma once
#include <QHash>
#include <QString>
#include <QStringList>

// The demo catalog: a complete small supplier catalog (two fittings systems with their
// profile systems and colours, door hardware, prices in three currencies) that a new user
// prices real windows with. Its rows are kept as readable INSERT statements, one file per
// table, in data/demo-catalog/ and embedded in the program.

namespace vx {

class TDatabase;

// Loads INSERT statements into the tables of a connected catalog database:
//
//   -- comment to the end of the line, /* block comments */
//   INSERT INTO FrnSet (ID, Item, "Number", ScaleCondition) VALUES ('VK-PO-L', 'VK-E-MV', 0, 2),
//                                                               ('VK-PO-L', 'VK-E-MH', 0, 1);
//
// Names of tables and fields are those of the schema, case-insensitive, bare or in double
// quotes; values are texts in single quotes ('' for a quote), numbers with "." and NULL.
// Auto-increment fields left out are numbered in the order the rows come, per table. A text
// longer than its field or outside the 8-bit code page, a value that does not fit its field, an
// unknown table or field, a duplicate key: each raises naming the source and the line.
class TCatalogSqlLoader {
public:
    explicit TCatalogSqlLoader(TDatabase& database);

    // Answers the number of rows inserted from this source.
    int Load(const QString& sql, const QString& sourceName);
    int RowCount() const { return FRows; }
    // Rows inserted so far per table file name ("FrnSet.DB").
    const QHash<QString, int>& TableRows() const { return FTableRows; }

private:
    TDatabase& FDatabase;
    QHash<QString, int> FNextKey;      // table file name -> next auto-increment value
    QHash<QString, int> FTableRows;
    int FRows = 0;
};

// The embedded source files of the demo catalog (resource paths, sorted by name).
QStringList DemoCatalogFiles();

// Creates the catalog database with the whole schema in a directory that holds none yet and
// loads the demo catalog into it, in one transaction, then gives the directory's settings file
// the demo defaults (WriteDemoSettings). Raises on failure and then leaves no database behind,
// so that the installation can simply be tried again.
void CreateDemoCatalog(const QString& catalogDir);

// Writes the defaults that make the demo catalog price on first start into the settings file of
// the catalog directory: roubles as the current currency (the built-in 0 names none), VAT, and the
// system, codes and profile sizes of new orders. Keys the file already holds are kept.
void WriteDemoSettings(const QString& catalogDir);

} // namespace vx
