#pragma once
#include "db/VXFilter.h"
#include "db/VXTableDef.h"
#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <limits>
#include <map>
#include <unordered_map>
#include <memory>
#include <vector>

// The rows of a read-mostly table held in memory, and everything the table engine answers
// from them: orders, filters, equality searches and lookups. The answers are those the
// database gives for the same table: values compare as SQLite compares what it stores (empty
// before numbers before texts, numbers by value, texts by their code points, the binary UTF-8
// order), and in filters an empty field counts as '' or 0 by its type.

namespace vx {

class TSqlDialect;

// A stored value as compared.
struct TCell {
    enum class TClass : quint8 { Null, Number, Text };
    TClass Class = TClass::Null;
    double Number = 0;
    QString Text;

    static TCell FromVariant(const QVariant& value);
    static TCell OfNumber(double value);
    static TCell OfText(const QString& value);
    bool operator==(const TCell& other) const;
};
size_t qHash(const TCell& cell, size_t seed = 0);
// For the indexes: not noexcept, so that each node keeps its hash and a probe compares texts
// only when the hashes agree.
struct TCellHash {
    size_t operator()(const TCell& cell) const { return qHash(cell, 0); }
};
using TCellIndex = std::unordered_map<TCell, std::vector<int>, TCellHash>;

// Texts in code point order, which is the byte order of their UTF-8 form.
int CompareCodePoints(QStringView a, QStringView b);
// The database's order of stored values: NULL, numbers, texts.
int CompareCells(const TCell& a, const TCell& b);
// The order keys of a case-insensitive index as the engine sorts them itself.
int CompareOrderKey(TFieldType type, const QVariant& a, const QVariant& b);

// One data field of every row, as stored.
class TCacheColumn {
public:
    enum class TKind : quint8 { Int, Real, Text, Mixed };

    TFieldType Type = TFieldType::String;
    int Size = 0;
    bool TextLike = false;          // an empty field compares as '' (else as 0)

    TKind Kind() const { return FKind; }
    bool IsNull(int row) const;
    TCell Cell(int row) const;      // NULL stays NULL
    TCell KeyCell(int row) const;   // NULL as the field's empty value
    QVariant Raw(int row) const;    // as the database driver gives it
    QVariant Value(int row) const;  // as a field reads it (the canonical form)
    // What AsInteger and AsString of Value give, when the column keeps it so; else false.
    bool ReadInt(int row, qint32& value) const;
    bool ReadText(int row, QString& value) const;
    // row's value against a constant, the empty field as its empty value: <0, 0, >0.
    int Compare(int row, const TCell& constant) const;
    bool Equals(int row, const TCell& constant) const;

    // Loading.
    void Reserve(int rows);
    void Append(const QVariant& raw, QHash<QString, QString>& texts);
    void Finish(const TSqlDialect& dialect);
    // A changed row: the value as stored now (Finish again afterwards).
    void Set(int row, const QVariant& raw);

private:
    enum class TRead : quint8 { AsInt, AsBool, IntAsReal, AsReal, RealCanon, AsText, Convert };
    static constexpr qint32 NullInt = std::numeric_limits<qint32>::min();
    void ToReal();
    void ToMixed();

    TKind FKind = TKind::Int;
    TRead FRead = TRead::Convert;
    int FValues = 0;                 // non-empty values appended
    std::vector<qint32> FInts;       // Int: NullInt for NULL
    std::vector<double> FReals;      // Real: NaN for NULL
    std::vector<double> FCanon;      // RealCanon: the values as read (rounded to the field)
    std::vector<QString> FTexts;     // Text: a null QString for NULL
    std::vector<QVariant> FMixed;    // Mixed: the driver's values
    const TSqlDialect* FDialect = nullptr;
};

// Rows of one order: the rows by position and the position of every row, with the rows
// of each key of a column in that order, made when first asked for.
struct TCacheOrder {
    std::vector<int> Rows;
    std::vector<int> Position;
    std::map<int, TCellIndex> Indexes;   // column -> key -> rows
};

// A filter ready to run over the rows of a table: the bound terms with the fields turned
// into columns, and the equalities of its top "and" chain, which an index answers.
struct TMemFilter {
    struct TTerm {
        TBoundTerm::TKind Kind = TBoundTerm::TKind::Constant;
        TFilterOp Op = TFilterOp::Eq;
        bool Result = false;
        int A = -1, B = -1;
        TCell Value;
    };
    std::vector<TTerm> Terms;
    int Root = -1;
    std::vector<std::pair<int, TCell>> Keys;   // column, value
};

// Builds the evaluation form; fieldColumn maps definition positions to columns.
TMemFilter PrepareFilter(const TBoundFilter& bound, const std::vector<int>& fieldColumn);

// The rows of a table as read at one moment (a snapshot): rows numbered in rowid order.
class TCacheData {
public:
    std::vector<TCacheColumn> Columns;   // the definition's data fields, in its order
    std::vector<qint64> RowIds;

    // Reads every row; raises with the database's text.
    static std::shared_ptr<TCacheData> Load(QSqlDatabase db, const TTableDef& def, const TSqlDialect& dialect);
    // Reads one row by its rowid; false when it is not there.
    static bool ReadRow(QSqlDatabase db, const TTableDef& def, const TSqlDialect& dialect, qint64 rowId,
                        std::vector<QVariant>& raw);

    // Counts the changes made in place; the views of the rows are made again when it moves.
    quint64 Revision = 0;
    // One row changed or added through the engine: its values replace the stored ones, and the
    // orders and indexes the change can touch are made again when next asked for.
    void PutRow(qint64 rowId, const std::vector<QVariant>& raw, const TSqlDialect& dialect);

    int RowCount() const { return int(RowIds.size()); }
    int RowOf(qint64 rowId) const;       // -1 when absent
    // The rows in the order of the columns (ties by rowid); caseInsensitive sorts text
    // columns as a case-insensitive index does.
    const std::shared_ptr<TCacheOrder>& Order(const std::vector<int>& columns, bool caseInsensitive);
    // The rows of the order whose column holds the key (an empty field as its empty value).
    const std::vector<int>& IndexRows(TCacheOrder& order, int column, const TCell& key);
    // The first row by rowid whose column holds exactly this stored value (NULL finds none).
    int LookupRow(int column, const TCell& key);
    bool Matches(const TMemFilter& filter, int row) const;
    // The rows of the order the filter shows, in order.
    std::vector<int> Select(TCacheOrder& order, const TMemFilter& filter);

private:
    bool Eval(const TMemFilter& filter, int term, int row) const;

    std::vector<int> FRowOfDense;        // rowid -> row when the rowids are dense
    QHash<qint64, int> FRowOfSparse;
    std::map<std::pair<std::vector<int>, bool>, std::shared_ptr<TCacheOrder>> FOrders;
    std::map<int, std::unordered_map<TCell, int, TCellHash>> FLookups;
};

} // namespace vx
