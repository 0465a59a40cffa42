#pragma once
#include <QList>
#include <QString>
#include <QStringList>

namespace vx {

// Kinds of stored values. The table type codes map as: A n -> String (Size n), S -> SmallInt,
// I -> Integer, N d -> Decimal (Size d = digits after the point), $ -> Money, + -> AutoInc,
// D -> Date. Boolean serves check-box columns; Float and DateTime appear in query results.
enum class TFieldType {
    String,
    SmallInt,
    Integer,
    Decimal,
    Money,
    AutoInc,
    Date,
    Boolean,
    Float,
    DateTime,
};

// Data fields are stored; calculated fields live in memory only (the table's OnCalcFields
// fills them); lookup fields are fetched from another table by key.
enum class TFieldKind { Data, Calculated, Lookup };

struct TFieldDef {
    QString Name;
    TFieldType Type = TFieldType::String;
    int Size = 0;        // characters for String, digits after the point for Decimal, else 0
    QString Caption;     // display caption for grids; empty = the field name
    TFieldKind Kind = TFieldKind::Data;   // Data or Calculated (lookups are TLookupDef)

    static TFieldDef A(const QString& name, int size, const QString& caption = {})
    {
        return {name, TFieldType::String, size, caption};
    }
    static TFieldDef S(const QString& name, const QString& caption = {})
    {
        return {name, TFieldType::SmallInt, 0, caption};
    }
    static TFieldDef I(const QString& name, const QString& caption = {})
    {
        return {name, TFieldType::Integer, 0, caption};
    }
    static TFieldDef N(const QString& name, int decimals, const QString& caption = {})
    {
        return {name, TFieldType::Decimal, decimals, caption};
    }
    static TFieldDef Money(const QString& name, const QString& caption = {})
    {
        return {name, TFieldType::Money, 0, caption};
    }
    static TFieldDef AutoInc(const QString& name, const QString& caption = {})
    {
        return {name, TFieldType::AutoInc, 0, caption};
    }
    static TFieldDef D(const QString& name, const QString& caption = {})
    {
        return {name, TFieldType::Date, 0, caption};
    }
    static TFieldDef Bool(const QString& name, const QString& caption = {})
    {
        return {name, TFieldType::Boolean, 0, caption};
    }
    // A calculated (not stored) field, e.g. the registry grid's check-box column.
    static TFieldDef Calc(const QString& name, TFieldType type, int size = 0, const QString& caption = {})
    {
        return {name, type, size, caption, TFieldKind::Calculated};
    }
};

// An index. The empty name is the primary key (always unique). Case-insensitive indexes order
// and find their text fields regardless of letter case.
struct TIndexDef {
    QString Name;
    QStringList Fields;
    bool Unique = false;
    bool CaseInsensitive = false;

    bool IsPrimary() const { return Name.isEmpty(); }
};

// A read-only field whose value is ResultField of the row of LookupTable whose LookupKeyField
// equals this table's KeyField (empty when there is no such row).
struct TLookupDef {
    QString Name;
    int Size = 0;
    QString Caption;
    QString KeyField;
    QString LookupTable;       // file name, e.g. "Currency.DB"
    QString LookupKeyField;
    QString ResultField;
};

struct TTableDef {
    QString FileName;          // as given: "COLORSET.DB", "SysColor.db"
    QList<TFieldDef> Fields;   // in table order, data and calculated
    QList<TIndexDef> Indexes;  // the primary key (empty name) and secondary indexes
    QList<TLookupDef> Lookups;

    // "SysColor.db" -> "SysColor": the table's name inside its database.
    QString SqlName() const;
    // Position in Fields by case-insensitive name, or -1.
    int FieldIndex(const QString& name) const;
    const TFieldDef* FindField(const QString& name) const;
    // By case-insensitive name; the empty name is the primary key. nullptr when missing.
    const TIndexDef* FindIndex(const QString& name) const;
    const TIndexDef* PrimaryKey() const { return FindIndex(QString()); }
    // Stored (data) fields only, in table order.
    QList<TFieldDef> DataFields() const;
};

// The table's name inside its database: the file name without directory and extension.
QString TableSqlName(const QString& fileName);

// The SQL-friendly name of a field type, for messages and diagnostics.
QString FieldTypeName(TFieldType type);
// True for the types read as numbers.
bool IsNumericType(TFieldType type);
bool IsIntegerType(TFieldType type);

} // namespace vx
