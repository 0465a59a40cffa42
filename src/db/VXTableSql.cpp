#include "db/VXTableSql.h"
#include "foundation/VXError.h"
#include "foundation/VXMoney.h"
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSqlQuery>
#include <cmath>
#include <limits>

namespace vx {

QString QuoteIdent(const QString& name)
{
    QString s = name;
    s.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

QString SqlErrorText(const QSqlError& error)
{
    QString text = error.databaseText();
    if (text.isEmpty())
        text = error.text();
    return text.trimmed();
}

namespace {

bool ParseNumber(QString text, double& out)
{
    text = text.trimmed();
    text.remove(QLatin1Char(' '));
    text.remove(QChar(0x00A0));
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    if (text.isEmpty())
        return false;
    bool ok = false;
    out = text.toDouble(&ok);
    return ok && std::isfinite(out);
}

double RoundTo(double value, int decimals)
{
    // On the shortest decimal text of the value, half away from zero: 2.345 is "2.345" to
    // the user and rounds to 2.35 as an exact decimal would.
    QString text = QString::number(value, 'f', QLocale::FloatingPointShortest);
    bool negative = text.startsWith(QLatin1Char('-'));
    if (negative)
        text.remove(0, 1);
    int dot = int(text.indexOf(QLatin1Char('.')));
    if (dot < 0 || text.size() - dot - 1 <= decimals)
        return value;
    bool up = text[dot + 1 + decimals] >= QLatin1Char('5');
    QString digits = text.left(dot) + text.mid(dot + 1, decimals);
    if (up) {
        int i = int(digits.size()) - 1;
        for (; i >= 0; --i) {
            if (digits[i] == QLatin1Char('9')) {
                digits[i] = QLatin1Char('0');
            } else {
                digits[i] = QChar(digits[i].unicode() + 1);
                break;
            }
        }
        if (i < 0) {
            digits.prepend(QLatin1Char('1'));
            ++dot;
        }
    }
    QString result = digits.left(dot);
    if (decimals > 0)
        result += QLatin1Char('.') + digits.mid(dot);
    double d = result.toDouble();
    return negative ? -d : d;
}

QDate ParseDate(const QString& text)
{
    QString t = text.trimmed();
    QDate d = QDate::fromString(t.left(10), QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid())
        d = QDate::fromString(t, QStringLiteral("dd.MM.yyyy"));
    if (!d.isValid())
        d = QDate::fromString(t, QStringLiteral("d.M.yyyy"));
    return d;
}

QDateTime ParseDateTime(const QString& text)
{
    QString t = text.trimmed();
    QDateTime dt = QDateTime::fromString(t, Qt::ISODateWithMs);
    if (!dt.isValid())
        dt = QDateTime::fromString(t, QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    if (!dt.isValid()) {
        QDate d = ParseDate(t);
        if (d.isValid())
            dt = QDateTime(d, QTime(0, 0));
    }
    return dt;
}

bool ToInteger(const QVariant& v, qint64& out)
{
    switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        out = v.toLongLong();
        return true;
    case QMetaType::ULongLong:
        if (v.toULongLong() > quint64(std::numeric_limits<qint64>::max()))
            return false;
        out = v.toLongLong();
        return true;
    case QMetaType::Bool:
        out = v.toBool() ? 1 : 0;
        return true;
    case QMetaType::Double:
    case QMetaType::Float: {
        double d = v.toDouble();
        if (!std::isfinite(d) || std::fabs(d) > 9e18)
            return false;
        out = RoundHalfEven(static_cast<long double>(d));
        return true;
    }
    default: {
        QString t = v.toString().trimmed();
        bool ok = false;
        out = t.toLongLong(&ok);
        if (ok)
            return true;
        double d;
        if (ParseNumber(t, d) && d == std::floor(d) && std::fabs(d) < 9e18) {
            out = qint64(d);
            return true;
        }
        return false;
    }
    }
}

bool ToDouble(const QVariant& v, double& out)
{
    switch (v.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Bool:
        out = v.toDouble();
        return std::isfinite(out);
    default:
        return ParseNumber(v.toString(), out);
    }
}

bool IsEmptyVariant(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return true;
    if (v.metaType().id() == QMetaType::QString)
        return v.toString().isEmpty();
    return false;
}

} // namespace

QVariant NormalizeValue(TFieldType type, int size, const QVariant& value, bool* ok)
{
    *ok = true;
    if (IsEmptyVariant(value))
        return QVariant();
    switch (type) {
    case TFieldType::String: {
        QString s;
        switch (value.metaType().id()) {
        case QMetaType::Double:
        case QMetaType::Float:
            s = QString::number(value.toDouble(), 'g', 15);
            break;
        case QMetaType::QDate:
            s = value.toDate().toString(QStringLiteral("dd.MM.yyyy"));
            break;
        case QMetaType::Bool:
            s = value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
            break;
        default:
            s = value.toString();
        }
        if (size > 0 && s.size() > size)
            s.truncate(size);
        return s.isEmpty() ? QVariant() : QVariant(s);
    }
    case TFieldType::SmallInt:
    case TFieldType::Integer:
    case TFieldType::AutoInc: {
        qint64 n;
        if (!ToInteger(value, n)) {
            *ok = false;
            return QVariant();
        }
        qint64 lo = type == TFieldType::SmallInt ? -32768 : std::numeric_limits<qint32>::min();
        qint64 hi = type == TFieldType::SmallInt ? 32767 : std::numeric_limits<qint32>::max();
        if (n < lo || n > hi) {
            *ok = false;
            return QVariant();
        }
        return QVariant(int(n));
    }
    case TFieldType::Boolean: {
        if (value.metaType().id() == QMetaType::QString) {
            QString t = value.toString().trimmed();
            if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
                return QVariant(true);
            if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
                return QVariant(false);
        }
        qint64 n;
        if (!ToInteger(value, n)) {
            *ok = false;
            return QVariant();
        }
        return QVariant(n != 0);
    }
    case TFieldType::Decimal:
    case TFieldType::Money:
    case TFieldType::Float: {
        double d;
        if (!ToDouble(value, d)) {
            *ok = false;
            return QVariant();
        }
        if (type == TFieldType::Decimal)
            d = RoundTo(d, std::clamp(size, 0, 15));
        else if (type == TFieldType::Money)
            d = TMoney::FromDouble(d).toDouble();
        return QVariant(d);
    }
    case TFieldType::Date: {
        QDate d;
        if (value.metaType().id() == QMetaType::QDate)
            d = value.toDate();
        else if (value.metaType().id() == QMetaType::QDateTime)
            d = value.toDateTime().date();
        else
            d = ParseDate(value.toString());
        if (!d.isValid()) {
            *ok = false;
            return QVariant();
        }
        return QVariant(d);
    }
    case TFieldType::DateTime: {
        QDateTime dt;
        if (value.metaType().id() == QMetaType::QDateTime)
            dt = value.toDateTime();
        else if (value.metaType().id() == QMetaType::QDate)
            dt = QDateTime(value.toDate(), QTime(0, 0));
        else
            dt = ParseDateTime(value.toString());
        if (!dt.isValid()) {
            *ok = false;
            return QVariant();
        }
        return QVariant(dt);
    }
    }
    *ok = false;
    return QVariant();
}

QVariant TSqlDialect::FromStorage(TFieldType type, int size, const QVariant& raw) const
{
    bool ok = true;
    QVariant v = NormalizeValue(type, size, raw, &ok);
    if (ok)
        return v;
    // A value that does not fit its declared type is shown as it is rather than lost.
    return raw.isNull() ? QVariant() : raw;
}

QStringList TSqlDialect::CreateTableSql(const TTableDef& def) const
{
    QStringList result;
    QString table = def.SqlName();
    QStringList columns;
    for (const TFieldDef& f : def.Fields)
        if (f.Kind == TFieldKind::Data)
            columns.append(QuoteIdent(f.Name) + QLatin1Char(' ') + ColumnType(f));
    if (const TIndexDef* pk = def.PrimaryKey(); pk && !pk->Fields.isEmpty()) {
        QStringList keys;
        for (const QString& k : pk->Fields)
            keys.append(QuoteIdent(k));
        columns.append(QStringLiteral("PRIMARY KEY (%1)").arg(keys.join(QLatin1String(", "))));
    }
    result.append(QStringLiteral("CREATE TABLE %1 (%2)").arg(QuoteIdent(table), columns.join(QLatin1String(", "))));
    for (const TIndexDef& index : def.Indexes) {
        if (index.IsPrimary() || index.Fields.isEmpty())
            continue;
        QStringList cols;
        for (const QString& k : index.Fields) {
            QString c = QuoteIdent(k);
            const TFieldDef* f = def.FindField(k);
            if (index.CaseInsensitive && f && f->Type == TFieldType::String)
                c += CaseInsensitiveCollation();
            cols.append(c);
        }
        result.append(QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
                          .arg(index.Unique ? QStringLiteral("UNIQUE ") : QString(),
                               QuoteIdent(table + QLatin1Char('$') + index.Name), QuoteIdent(table),
                               cols.join(QLatin1String(", "))));
    }
    return result;
}

// ---------------------------------------------------------------------------------------------

namespace {

class TSqliteDialect final : public TSqlDialect {
public:
    QString DatabaseFile(const QString& directory, const QString& alias) const override
    {
        return QDir(directory).filePath(alias + QLatin1String(".sqlite"));
    }

    QSqlDatabase Connect(const QString& connectionName, const QString& directory,
                         const QString& alias) const override
    {
        if (directory.isEmpty() || !QFileInfo(directory).isDir())
            throw EValtrixError(QStringLiteral("Каталог базы данных [%1] не найден!").arg(directory));
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(DatabaseFile(directory, alias));
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open()) {
            QString text = SqlErrorText(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connectionName);
            throw EValtrixError(QStringLiteral("Ошибка открытия базы данных [%1]!\r\n(%2)")
                                    .arg(DatabaseFile(directory, alias), text));
        }
        return db;
    }

    QString RowId() const override { return QStringLiteral("rowid"); }

    QString DataVersionSql() const override { return QStringLiteral("PRAGMA data_version"); }

    QString ColumnType(const TFieldDef& f) const override
    {
        // The declared types keep the field kinds, so that a table can be described from the
        // file alone; SQLite derives the storage class from them.
        switch (f.Type) {
        case TFieldType::String:
            return f.Size > 0 ? QStringLiteral("VARCHAR(%1)").arg(f.Size) : QStringLiteral("TEXT");
        case TFieldType::SmallInt: return QStringLiteral("SMALLINT");
        case TFieldType::Integer: return QStringLiteral("INTEGER");
        case TFieldType::Decimal: return QStringLiteral("DECIMAL(20,%1)").arg(f.Size);
        case TFieldType::Money: return QStringLiteral("MONEY");
        case TFieldType::AutoInc: return QStringLiteral("AUTOINC");
        case TFieldType::Date: return QStringLiteral("DATE");
        case TFieldType::Boolean: return QStringLiteral("BOOLEAN");
        case TFieldType::Float: return QStringLiteral("DOUBLE");
        case TFieldType::DateTime: return QStringLiteral("TIMESTAMP");
        }
        return QStringLiteral("TEXT");
    }

    QString CaseInsensitiveCollation() const override { return QStringLiteral(" COLLATE NOCASE"); }

    QVariant ToStorage(TFieldType type, const QVariant& v) const override
    {
        if (v.isNull())
            return QVariant();
        switch (type) {
        case TFieldType::Date:
            return v.toDate().toString(QStringLiteral("yyyy-MM-dd"));
        case TFieldType::DateTime:
            return v.toDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz"));
        case TFieldType::Boolean:
            return v.toBool() ? 1 : 0;
        default:
            return v;
        }
    }

    bool IsKeyViolation(const QSqlError& error) const override
    {
        // SQLITE_CONSTRAINT_PRIMARYKEY (1555) and SQLITE_CONSTRAINT_UNIQUE (2067), or the text.
        QString code = error.nativeErrorCode();
        if (code == QLatin1String("1555") || code == QLatin1String("2067") || code == QLatin1String("19"))
            return true;
        QString text = error.databaseText();
        return text.contains(QLatin1String("UNIQUE constraint failed"))
            || text.contains(QLatin1String("PRIMARY KEY"));
    }

    QStringList TableNames(QSqlDatabase& db) const override
    {
        QStringList names;
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite!_%' ESCAPE '!' ORDER BY name")))
            while (q.next())
                names.append(q.value(0).toString());
        return names;
    }

    bool ReadTableDef(QSqlDatabase& db, const QString& sqlName, TTableDef& def) const override
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(QuoteIdent(sqlName))))
            return false;
        QList<QPair<int, QString>> pk;
        def.Fields.clear();
        def.Indexes.clear();
        def.Lookups.clear();
        while (q.next()) {
            TFieldDef f;
            f.Name = q.value(1).toString();
            TypeFromDeclaration(q.value(2).toString(), f);
            def.Fields.append(f);
            if (int k = q.value(5).toInt(); k > 0)
                pk.append({k, f.Name});
        }
        if (def.Fields.isEmpty())
            return false;
        if (def.FileName.isEmpty())
            def.FileName = sqlName;
        QString realName = sqlName;
        {
            QSqlQuery n(db);
            n.prepare(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND lower(name) = lower(?)"));
            n.addBindValue(sqlName);
            if (n.exec() && n.next())
                realName = n.value(0).toString();
        }
        QList<QPair<QString, QString>> indexes;   // name, origin
        QList<bool> uniques;
        if (q.exec(QStringLiteral("PRAGMA index_list(%1)").arg(QuoteIdent(sqlName))))
            while (q.next()) {
                indexes.append({q.value(1).toString(), q.value(3).toString()});
                uniques.append(q.value(2).toInt() != 0);
            }
        bool havePk = false;
        for (int i = 0; i < indexes.size(); ++i) {
            TIndexDef index;
            index.Unique = uniques[i];
            const QString& origin = indexes[i].second;
            if (origin == QLatin1String("pk")) {
                havePk = true;
            } else {
                QString name = indexes[i].first;
                QString prefix = realName + QLatin1Char('$');
                index.Name = name.startsWith(prefix, Qt::CaseInsensitive) ? name.mid(prefix.size()) : name;
                if (index.Name.isEmpty())
                    continue;
            }
            QSqlQuery x(db);
            x.setForwardOnly(true);
            if (!x.exec(QStringLiteral("PRAGMA index_xinfo(%1)").arg(QuoteIdent(indexes[i].first))))
                continue;
            while (x.next()) {
                if (x.value(5).toInt() == 0)
                    continue;
                index.Fields.append(x.value(2).toString());
                if (x.value(4).toString().compare(QLatin1String("NOCASE"), Qt::CaseInsensitive) == 0)
                    index.CaseInsensitive = true;
            }
            if (origin == QLatin1String("pk"))
                def.Indexes.prepend(index);
            else
                def.Indexes.append(index);
        }
        if (!havePk && !pk.isEmpty()) {
            std::sort(pk.begin(), pk.end());
            TIndexDef index;
            index.Unique = true;
            for (const auto& p : pk)
                index.Fields.append(p.second);
            def.Indexes.prepend(index);
        }
        return true;
    }

    void Attach(QSqlDatabase& db, const QString& file, const QString& schema) const override
    {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("ATTACH DATABASE ? AS %1").arg(QuoteIdent(schema)));
        q.addBindValue(file);
        if (!q.exec())
            throw EValtrixError(QStringLiteral("Ошибка подключения базы данных [%1]!\r\n(%2)")
                                    .arg(file, SqlErrorText(q.lastError())));
    }

private:
    static void TypeFromDeclaration(const QString& declared, TFieldDef& f)
    {
        static const QRegularExpression sized(QStringLiteral("^\\s*(\\w+)\\s*\\(\\s*(\\d+)\\s*(?:,\\s*(\\d+)\\s*)?\\)"));
        QString t = declared.trimmed().toUpper();
        QString base = t;
        int a = 0, b = 0;
        if (auto m = sized.match(t); m.hasMatch()) {
            base = m.captured(1);
            a = m.captured(2).toInt();
            b = m.captured(3).toInt();
        }
        f.Size = 0;
        if (base == QLatin1String("VARCHAR") || base == QLatin1String("CHAR") || base == QLatin1String("CHARACTER")) {
            f.Type = TFieldType::String;
            f.Size = a;
        } else if (base == QLatin1String("SMALLINT")) {
            f.Type = TFieldType::SmallInt;
        } else if (base == QLatin1String("AUTOINC")) {
            f.Type = TFieldType::AutoInc;
        } else if (base == QLatin1String("DECIMAL") || base == QLatin1String("NUMERIC")) {
            f.Type = TFieldType::Decimal;
            f.Size = b;
        } else if (base == QLatin1String("MONEY")) {
            f.Type = TFieldType::Money;
        } else if (base == QLatin1String("DATE")) {
            f.Type = TFieldType::Date;
        } else if (base == QLatin1String("BOOLEAN") || base == QLatin1String("BOOL")) {
            f.Type = TFieldType::Boolean;
        } else if (base == QLatin1String("TIMESTAMP") || base == QLatin1String("DATETIME")) {
            f.Type = TFieldType::DateTime;
        } else if (t.contains(QLatin1String("INT"))) {
            f.Type = TFieldType::Integer;
        } else if (t.contains(QLatin1String("REAL")) || t.contains(QLatin1String("FLOA")) || t.contains(QLatin1String("DOUB"))) {
            f.Type = TFieldType::Float;
        } else {
            f.Type = TFieldType::String;
        }
    }
};

} // namespace

const TSqlDialect& SqliteDialect()
{
    static const TSqliteDialect dialect;
    return dialect;
}

} // namespace vx
