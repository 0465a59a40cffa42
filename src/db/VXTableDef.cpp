#include "db/VXTableDef.h"

namespace vx {

QString TableSqlName(const QString& fileName)
{
    QString name = fileName;
    int slash = int(std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\'))));
    if (slash >= 0)
        name = name.mid(slash + 1);
    int dot = int(name.lastIndexOf(QLatin1Char('.')));
    if (dot > 0)
        name.truncate(dot);
    return name;
}

QString TTableDef::SqlName() const
{
    return TableSqlName(FileName);
}

int TTableDef::FieldIndex(const QString& name) const
{
    // Callers mostly spell the name as declared: that is found without folding case.
    for (int i = 0; i < Fields.size(); ++i)
        if (Fields[i].Name == name)
            return i;
    for (int i = 0; i < Fields.size(); ++i)
        if (Fields[i].Name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

const TFieldDef* TTableDef::FindField(const QString& name) const
{
    int i = FieldIndex(name);
    return i >= 0 ? &Fields[i] : nullptr;
}

const TIndexDef* TTableDef::FindIndex(const QString& name) const
{
    for (const TIndexDef& index : Indexes)
        if (index.Name.compare(name, Qt::CaseInsensitive) == 0)
            return &index;
    return nullptr;
}

QList<TFieldDef> TTableDef::DataFields() const
{
    QList<TFieldDef> result;
    for (const TFieldDef& f : Fields)
        if (f.Kind == TFieldKind::Data)
            result.append(f);
    return result;
}

QString FieldTypeName(TFieldType type)
{
    switch (type) {
    case TFieldType::String: return QStringLiteral("String");
    case TFieldType::SmallInt: return QStringLiteral("SmallInt");
    case TFieldType::Integer: return QStringLiteral("Integer");
    case TFieldType::Decimal: return QStringLiteral("Decimal");
    case TFieldType::Money: return QStringLiteral("Money");
    case TFieldType::AutoInc: return QStringLiteral("AutoInc");
    case TFieldType::Date: return QStringLiteral("Date");
    case TFieldType::Boolean: return QStringLiteral("Boolean");
    case TFieldType::Float: return QStringLiteral("Float");
    case TFieldType::DateTime: return QStringLiteral("DateTime");
    }
    return QString();
}

bool IsIntegerType(TFieldType type)
{
    return type == TFieldType::SmallInt || type == TFieldType::Integer || type == TFieldType::AutoInc
        || type == TFieldType::Boolean;
}

bool IsNumericType(TFieldType type)
{
    return IsIntegerType(type) || type == TFieldType::Decimal || type == TFieldType::Money
        || type == TFieldType::Float;
}

} // namespace vx
