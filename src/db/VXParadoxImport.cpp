#include "db/VXParadoxImport.h"
#include "db/VXParadox.h"
#include "db/VXSchema.h"
#include "db/VXTableEngine.h"
#include "foundation/VXError.h"
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QHash>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace vx {

namespace {

[[noreturn]] void Unfit(const QVariant& value, const TFieldDef& field)
{
    throw EValtrixError(QStringLiteral("значение [%1] не подходит для поля %2 (%3)")
                            .arg(value.toString(), field.Name, FieldTypeName(field.Type)));
}

qint64 ToWhole(const QVariant& value, const TFieldDef& field)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? 1 : 0;
    case QMetaType::Int:
    case QMetaType::LongLong:
        return value.toLongLong();
    case QMetaType::Double: {
        const double d = value.toDouble();
        if (!std::isfinite(d) || std::fabs(d) > 9.0e15)
            Unfit(value, field);
        return qint64(std::llround(d));   // half away from zero
    }
    case QMetaType::QString: {
        bool ok = false;
        const qint64 v = value.toString().trimmed().toLongLong(&ok);
        if (!ok)
            Unfit(value, field);
        return v;
    }
    default:
        Unfit(value, field);
    }
}

double ToReal(const QVariant& value, const TFieldDef& field)
{
    if (value.typeId() == QMetaType::QString) {
        QString text = value.toString().trimmed();
        text.replace(QLatin1Char(','), QLatin1Char('.'));
        bool ok = false;
        const double d = text.toDouble(&ok);
        if (!ok)
            Unfit(value, field);
        return d;
    }
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Int
        || value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Bool)
        return value.toDouble();
    Unfit(value, field);
}

bool IsSeparateFileType(int type)
{
    switch (TParadoxType(type)) {
    case TParadoxType::MemoBlob:
    case TParadoxType::Blob:
    case TParadoxType::FmtMemoBlob:
    case TParadoxType::Ole:
    case TParadoxType::Graphic:
        return true;
    default:
        return false;
    }
}

} // namespace

QVariant ConvertImportedValue(const QVariant& value, const TFieldDef& field)
{
    if (!value.isValid() || value.isNull())
        return {};
    switch (field.Type) {
    case TFieldType::String:
        switch (value.typeId()) {
        case QMetaType::QDate:
            return value.toDate().toString(QStringLiteral("dd.MM.yyyy"));
        case QMetaType::Double:
            return QString::number(value.toDouble(), 'g', 15);
        case QMetaType::Bool:
            return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
        case QMetaType::QByteArray:
            Unfit(value, field);
        default:
            return value.toString();
        }
    case TFieldType::SmallInt: {
        const qint64 v = ToWhole(value, field);
        if (v < std::numeric_limits<qint16>::min() || v > std::numeric_limits<qint16>::max())
            Unfit(value, field);
        return int(v);
    }
    case TFieldType::Integer:
    case TFieldType::AutoInc: {
        const qint64 v = ToWhole(value, field);
        if (v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<qint32>::max())
            Unfit(value, field);
        return int(v);
    }
    case TFieldType::Boolean:
        return ToWhole(value, field) != 0;
    case TFieldType::Decimal:
    case TFieldType::Money:
    case TFieldType::Float:
        return ToReal(value, field);
    case TFieldType::Date:
        if (value.typeId() == QMetaType::QDate)
            return value;
        if (value.typeId() == QMetaType::QDateTime)
            return value.toDateTime().date();
        if (value.typeId() == QMetaType::QString) {
            const QDate date = QDate::fromString(value.toString().trimmed(), QStringLiteral("dd.MM.yyyy"));
            if (date.isValid())
                return date;
        }
        Unfit(value, field);
    case TFieldType::DateTime:
        if (value.typeId() == QMetaType::QDateTime)
            return value;
        if (value.typeId() == QMetaType::QDate)
            return QDateTime(value.toDate(), QTime(0, 0));
        Unfit(value, field);
    }
    Unfit(value, field);
}

QString TParadoxImportResult::Summary() const
{
    QStringList lines;
    lines << QStringLiteral("Импортировано таблиц: %1").arg(Imported.size());
    for (const TParadoxImportedTable& t : Imported)
        lines << QStringLiteral("  %1 (%2): записей %3").arg(t.FileName, t.SourceFile).arg(t.Rows);
    if (!Missing.isEmpty())
        lines << QStringLiteral("Нет файлов для таблиц: %1").arg(Missing.join(QStringLiteral(", ")));
    if (!IgnoredFields.isEmpty())
        lines << QStringLiteral("Пропущены поля: %1").arg(IgnoredFields.join(QStringLiteral(", ")));
    return lines.join(QLatin1Char('\n'));
}

TParadoxImportResult ImportParadox(const QString& sourceDir, const QString& alias, const QString& targetDir)
{
    const QList<TTableDef> defs = SchemaTableDefs(alias);
    const QDir source(sourceDir);
    if (sourceDir.isEmpty() || !source.exists())
        throw EValtrixError(QStringLiteral("Каталог [%1] не найден!").arg(sourceDir));

    // Old installations spell the same file in any case: match names without it.
    QHash<QString, QString> filesByLowerName;
    for (const QString& name : source.entryList(QDir::Files))
        filesByLowerName.insert(name.toLower(), name);

    TParadoxImportResult result;
    struct TSource {
        TTableDef Def;
        QString FileName;
        std::unique_ptr<TParadoxTable> Table;
    };
    std::vector<TSource> sources;
    // Every file is opened before anything is written, so a bad header stops the import early.
    for (const TTableDef& def : defs) {
        const auto found = filesByLowerName.constFind(def.FileName.toLower());
        if (found == filesByLowerName.constEnd()) {
            result.Missing << def.FileName;
            continue;
        }
        sources.push_back({def, *found, std::make_unique<TParadoxTable>(source.filePath(*found))});
    }
    if (sources.empty())
        throw EValtrixError(
            QStringLiteral("В каталоге [%1] нет таблиц базы данных [%2]!").arg(sourceDir, alias));

    if (!QDir().mkpath(targetDir))
        throw EValtrixError(QStringLiteral("Невозможно создать каталог [%1]!").arg(targetDir));
    TDatabase database(alias);
    database.SetDirectory(targetDir);
    database.Open();
    database.StartTransaction();
    try {
        EnsureSchema(database, alias);
        for (TSource& src : sources) {
            TParadoxTable& table = *src.Table;
            database.EmptyTable(src.Def.FileName);
            TBulkInsert insert(database, src.Def.FileName);
            const QList<TFieldDef> fields = insert.Fields();

            // Memo and binary fields live in a companion file that is never read: such a field
            // is reported as skipped even when its name is one of ours.
            std::vector<int> sourceIndex;
            for (const TFieldDef& field : fields) {
                const int from = table.fieldIndex(field.Name);
                sourceIndex.push_back(from >= 0 && IsSeparateFileType(table.fields()[from].Type) ? -1 : from);
            }
            for (const TParadoxField& pf : table.fields())
                if (src.Def.FieldIndex(pf.Name) < 0 || IsSeparateFileType(pf.Type))
                    result.IgnoredFields << src.Def.FileName + QLatin1Char('.') + pf.Name;

            QVariantList values;
            for (int r = 0; r < table.recordCount(); ++r) {
                const QVariantList record = table.record(r);
                values.clear();
                for (int i = 0; i < fields.size(); ++i) {
                    const int from = sourceIndex[size_t(i)];
                    if (from < 0) {
                        values.append(QVariant());
                        continue;
                    }
                    try {
                        values.append(ConvertImportedValue(record[from], fields[i]));
                    } catch (const EValtrixError& e) {
                        throw EValtrixError(ParadoxReadErrorText(
                            src.FileName, QStringLiteral("запись %1: %2").arg(r + 1).arg(e.message())));
                    }
                }
                try {
                    insert.Insert(values);
                } catch (const EValtrixError& e) {
                    throw EValtrixError(QStringLiteral("Ошибка записи в таблицу [%1]!\r\n(запись %2: %3)")
                                            .arg(src.Def.FileName)
                                            .arg(r + 1)
                                            .arg(e.message()));
                }
            }
            result.Imported.append({src.Def.FileName, src.FileName, table.recordCount()});
        }
        database.Commit();
    } catch (...) {
        database.Rollback();
        database.Close();
        throw;
    }
    database.Close();
    return result;
}

} // namespace vx
