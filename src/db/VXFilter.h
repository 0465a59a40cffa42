#pragma once
#include "db/VXTableDef.h"
#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

// Table filters: our own parser turns the filter text into a tree, and the compiler turns the
// tree into an SQL condition whose constants are all parameters, so that nothing inside a value
// can change the statement.
//
// Grammar (keywords in any case):
//   expr       := term { "or" term }
//   term       := factor { "and" factor }
//   factor     := "not" factor | "(" expr ")" | comparison
//   comparison := operand ( "=" | "<>" | "!=" | "<" | "<=" | ">" | ">=" ) operand
//   operand    := field | 'text' ('' for a quote) | [-]digits[.digits]
//   field      := letter { letter | digit | "_" } | "quoted name" | [bracketed name]

namespace vx {

class TSqlDialect;

struct TFilterOperand {
    enum class TKind { Field, Text, Number };
    TKind Kind = TKind::Text;
    QString Text;          // the field name, the text value, or the number as written
};

struct TFilterNode {
    enum class TKind { And, Or, Not, Compare };
    TKind Kind = TKind::Compare;
    std::unique_ptr<TFilterNode> Left;    // And, Or, Not
    std::unique_ptr<TFilterNode> Right;   // And, Or
    TFilterOperand A;                     // Compare: A Op B
    QString Op;                           // "=", "<>", "<", "<=", ">", ">="
    TFilterOperand B;
};

// Parses a filter text. A blank text gives nullptr (no filtering). Raises EValtrixError
// "Ошибка в фильтре [<text>]!" with the reason when the text does not parse.
std::unique_ptr<TFilterNode> ParseFilter(const QString& filter);

struct TCompiledFilter {
    QString Sql;           // condition with "?" for every constant; empty when no filtering
    QVariantList Params;   // in order, as stored
};

// Compiles a filter against a table: fields are found by name regardless of case, an empty
// field compares as '' or 0 (by the field's type), constants are converted to the field's
// type. Raises naming the filter for a parse error, an unknown field or an unfit constant.
TCompiledFilter CompileFilter(const QString& filter, const TTableDef& def, const TSqlDialect& dialect);

// The same filter bound to a table's fields for evaluation in memory (the read-mostly tables):
// every comparison names the fields by their position in the definition and carries its
// constant exactly as the SQL form binds it, so both forms answer alike. Errors are those of
// CompileFilter, in the same order.
enum class TFilterOp : quint8 { Eq, Ne, Lt, Le, Gt, Ge };

struct TBoundTerm {
    enum class TKind : quint8 { And, Or, Not, FieldValue, FieldField, Constant };
    TKind Kind = TKind::Constant;
    TFilterOp Op = TFilterOp::Eq;
    bool Result = false;   // Constant
    int A = -1;            // And, Or, Not: a term; FieldValue, FieldField: a field position
    int B = -1;            // And, Or: a term; FieldField: a field position
    QVariant Value;        // FieldValue: qint64, double or QString, never empty
};

struct TBoundFilter {
    std::vector<TBoundTerm> Terms;   // children before their parents
    int Root = -1;                   // -1: no filtering
};

TBoundFilter BindFilter(const QString& filter, const TTableDef& def, const TSqlDialect& dialect);

// The constant an equality search of a field compares with, as CompileFieldCondition binds it.
// Raises when the value does not fit the field.
QVariant BindFieldValue(const TFieldDef& field, const QVariant& value, const TSqlDialect& dialect);

// A text constant for a filter: the value in single quotes, its quotes doubled.
QString FilterQuote(const QString& value);

// One comparison "field op value" in the same form (for FindKey and Locate): an empty value
// also matches empty fields. Raises when the value does not fit the field.
QString CompileFieldCondition(const TFieldDef& field, const QString& op, const QVariant& value,
                              const TSqlDialect& dialect, QVariantList& params);

} // namespace vx
