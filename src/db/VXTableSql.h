#pragma once
#include "db/VXTableDef.h"
#include <QSqlDatabase>
#include <QSqlError>
#include <QVariant>

// The engine's inside: value conversions and everything that depends on the database product
// standing behind the tables (SQLite today).

namespace vx {

// "name" with inner quotes doubled: field and table names such as Group, Key or Default are
// words of SQL, so every generated statement quotes them.
QString QuoteIdent(const QString& name);

// Brings a value into the form the engine keeps for a field type: null for an empty field (an
// empty text included), QString cut to the size, int for the integer types, double for
// Decimal (rounded to its decimals), Money (four decimals) and Float, QDate, QDateTime, bool.
// Text converts to numbers with "," or "." and to dates as dd.mm.yyyy or yyyy-mm-dd. Answers
// false in *ok when the value does not fit the type.
QVariant NormalizeValue(TFieldType type, int size, const QVariant& value, bool* ok);

// Everything that differs between database products.
class TSqlDialect {
public:
    virtual ~TSqlDialect() = default;

    // Opens the connection (named connectionName) for the alias in the directory; raises.
    virtual QSqlDatabase Connect(const QString& connectionName, const QString& directory,
                                 const QString& alias) const = 0;
    virtual QString DatabaseFile(const QString& directory, const QString& alias) const = 0;

    // The hidden column that identifies a row.
    virtual QString RowId() const = 0;
    virtual QString ColumnType(const TFieldDef& field) const = 0;
    // Appended to a text column in ORDER BY and index definitions for case-insensitive order.
    virtual QString CaseInsensitiveCollation() const = 0;
    virtual QStringList CreateTableSql(const TTableDef& def) const;

    // Values as stored and back (the canonical forms of NormalizeValue).
    virtual QVariant ToStorage(TFieldType type, const QVariant& canonical) const = 0;
    QVariant FromStorage(TFieldType type, int size, const QVariant& raw) const;

    virtual bool IsKeyViolation(const QSqlError& error) const = 0;
    virtual QStringList TableNames(QSqlDatabase& db) const = 0;
    // Describes a table from the database itself; false when it does not exist.
    virtual bool ReadTableDef(QSqlDatabase& db, const QString& sqlName, TTableDef& def) const = 0;
    // A statement answering one number that changes whenever another connection commits to
    // the database; empty when the product has none.
    virtual QString DataVersionSql() const { return QString(); }
    // Makes another alias's database reachable from this connection under the schema name.
    virtual void Attach(QSqlDatabase& db, const QString& file, const QString& schema) const = 0;
};

const TSqlDialect& SqliteDialect();

// Text of a failed statement for messages.
QString SqlErrorText(const QSqlError& error);

} // namespace vx
