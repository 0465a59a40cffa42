#pragma once
#include "db/VXTableDef.h"
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace vx {

struct TParadoxImportedTable {
    QString FileName;      // the schema's file name, e.g. "FrnSet.DB"
    QString SourceFile;    // the file read, as found in the source directory
    int Rows = 0;
};

struct TParadoxImportResult {
    QList<TParadoxImportedTable> Imported;
    QStringList Missing;            // tables of the alias with no file in the source directory
    QStringList IgnoredFields;      // "File.DB.Field": source fields our tables do not have
    // A Russian summary for the command-line tool.
    QString Summary() const;
};

// Reads every table of the alias found in sourceDir (file names matched without regard to
// case) into the alias's database in targetDir, which is created with the whole schema when
// missing. Each imported table is replaced; tables without a source file keep their rows.
// Fields are matched by name; empty source fields become empty values. Everything happens in
// one transaction: when any file cannot be read, nothing is written and EValtrixError is
// raised with "Ошибка чтения файла [%s]!\r\n(%s)".
TParadoxImportResult ImportParadox(const QString& sourceDir, const QString& alias, const QString& targetDir);

// A decoded source value converted for a field of our schema (raises when it does not fit).
QVariant ConvertImportedValue(const QVariant& value, const TFieldDef& field);

} // namespace vx
