#include "db/VXTableEngine.h"
#include "db/VXFilter.h"
#include "db/VXTableCache.h"
#include "db/VXTableSql.h"
#include "foundation/VXError.h"
#include "foundation/VXUserInteraction.h"
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <map>
#include <unordered_map>

namespace vx {

namespace {

QString Lower(const QString& s)
{
    return s.toLower();
}

std::vector<TDatabase*>& AllDatabases()
{
    static std::vector<TDatabase*> list;
    return list;
}

[[noreturn]] void Fail(const QString& text)
{
    throw EValtrixError(text);
}

void Exec(QSqlQuery& q, const QString& what)
{
    if (!q.exec())
        Fail(QStringLiteral("%1\r\n(%2)").arg(what, SqlErrorText(q.lastError())));
}

// Rows of a filtered table read in one go with their values: the fittings engine walks a
// few rows per filter, thousands of times per order.
constexpr int PrefetchRows = 64;
constexpr int MaxCachedStatements = 128;
constexpr int MaxCompiledFilters = 2048;

int ExternalIntervalMs = 250;

quint64 NextLayout()
{
    static quint64 counter = 0;
    return ++counter;
}

// A clock for the check of other connections' commits: a few milliseconds of resolution are
// plenty for an interval of hundreds, and the coarse clock costs a fraction of the precise one.
qint64 CheckClockMs()
{
#ifdef CLOCK_MONOTONIC_COARSE
    timespec ts;
    if (clock_gettime(CLOCK_MONOTONIC_COARSE, &ts) == 0)
        return qint64(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
#endif
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

bool IsBlank(const QString& s)
{
    for (QChar c : s)
        if (!c.isSpace())
            return false;
    return true;
}

// Data fields alike: a cache read for one definition serves another.
bool SameDataFields(const TTableDef& a, const TTableDef& b)
{
    QList<TFieldDef> x = a.DataFields(), y = b.DataFields();
    if (x.size() != y.size())
        return false;
    for (int i = 0; i < x.size(); ++i)
        if (x[i].Name != y[i].Name || x[i].Type != y[i].Type || x[i].Size != y[i].Size)
            return false;
    return true;
}

} // namespace

// The rows of one table of a database held in memory for its cached table objects: read
// again when the table's change counter has moved since.
class TTableCache {
public:
    TDatabase::TImpl* Db = nullptr;
    TTableDef Def;
    std::shared_ptr<quint64> Generation;

    const std::shared_ptr<TCacheData>& Current();
    // The snapshot is the current reading of the table.
    bool Fresh(const TCacheData* snap) const { return snap && Data.get() == snap && Seen == *Generation; }
    // A row written through a table object: when that write is the only change since the rows
    // were read, the row is read alone and put into them, instead of the whole table again.
    void Patch(qint64 rowId);

private:
    quint64 Seen = 0;
    std::shared_ptr<TCacheData> Data;
};

// =============================================================================================
// TDatabase

struct TDatabase::TImpl {
    TDatabase* Owner = nullptr;
    QString Alias;
    QStringList Params;
    QString ConnectionName;
    bool IsConnected = false;
    bool InTransaction = false;
    const TSqlDialect* Dialect = &SqliteDialect();
    std::map<QString, TTableDef> Defs;       // lower-case SQL name -> registered definition
    std::map<QString, TTableDef> FileDefs;   // described from the file
    std::map<QString, std::shared_ptr<quint64>> Generations;
    std::vector<TDataSet*> OpenSets;
    QSet<QString> Attached;                  // lower-case aliases attached to this connection
    QString CanonicalFile;                   // of the open database file
    std::map<QString, std::shared_ptr<TTableCache>> Caches;   // lower-case SQL name
    std::unique_ptr<QSqlQuery> DataVersionQuery;
    qint64 DataVersion = -1;
    bool Polled = false;
    qint64 LastPoll = 0;                     // CheckClockMs

    QSqlDatabase Db() const { return QSqlDatabase::database(ConnectionName, false); }

    std::shared_ptr<quint64> Generation(const QString& tableName)
    {
        QString key = Lower(TableSqlName(tableName));
        auto& g = Generations[key];
        if (!g)
            g = std::make_shared<quint64>(1);
        return g;
    }
    // A change of a table: its objects read it again. Other connections to the same file in
    // this process see it once it is committed.
    void Touch(const QString& tableName)
    {
        ++*Generation(tableName);
        if (!InTransaction)
            ForOthers([&tableName](TImpl& other) { ++*other.Generation(tableName); });
    }
    void TouchAll()
    {
        TouchAllLocal();
        if (!InTransaction)
            ForOthers([](TImpl& other) { other.TouchAllLocal(); });
    }
    void TouchAllLocal()
    {
        for (auto& [name, g] : Generations)
            ++*g;
    }
    template <typename F>
    void ForOthers(F f)
    {
        if (CanonicalFile.isEmpty())
            return;
        for (TDatabase* db : AllDatabases()) {
            TImpl& other = db->Impl();
            if (&other != this && other.IsConnected && other.CanonicalFile == CanonicalFile)
                f(other);
        }
    }

    // Commits of other connections: asked of the database at most once per interval, since
    // the question costs a statement and the cached tables are consulted thousands of times
    // per order.
    void PollExternal(bool force)
    {
        if (!IsConnected)
            return;
        const qint64 now = CheckClockMs();
        if (!force && Polled && now - LastPoll < ExternalIntervalMs)
            return;
        LastPoll = now;
        Polled = true;
        if (!DataVersionQuery) {
            const QString sql = Dialect->DataVersionSql();
            if (sql.isEmpty())
                return;
            DataVersionQuery = std::make_unique<QSqlQuery>(Db());
            DataVersionQuery->setForwardOnly(true);
            if (!DataVersionQuery->prepare(sql)) {
                DataVersionQuery.reset();
                return;
            }
        }
        if (!DataVersionQuery->exec() || !DataVersionQuery->next()) {
            DataVersionQuery->finish();
            return;
        }
        const qint64 version = DataVersionQuery->value(0).toLongLong();
        DataVersionQuery->finish();
        if (DataVersion >= 0 && version != DataVersion)
            TouchAllLocal();
        DataVersion = version;
    }

    std::shared_ptr<TTableCache> Cache(const QString& tableName, const TTableDef& def)
    {
        QString key = Lower(TableSqlName(tableName));
        auto& cache = Caches[key];
        if (!cache || !SameDataFields(cache->Def, def)) {
            cache = std::make_shared<TTableCache>();
            cache->Db = this;
            cache->Def = def;
            cache->Generation = Generation(tableName);
        }
        return cache;
    }

    void EnsureConnected()
    {
        if (!IsConnected)
            Owner->Open();
    }

    const TTableDef* Definition(const QString& tableName)
    {
        QString key = Lower(TableSqlName(tableName));
        if (auto it = Defs.find(key); it != Defs.end())
            return &it->second;
        if (auto it = FileDefs.find(key); it != FileDefs.end())
            return &it->second;
        if (!IsConnected)
            return nullptr;
        TTableDef def;
        QSqlDatabase db = Db();
        if (!Dialect->ReadTableDef(db, TableSqlName(tableName), def))
            return nullptr;
        def.FileName = tableName;
        return &FileDefs.emplace(key, std::move(def)).first->second;
    }

    void Unregister(TDataSet* ds)
    {
        OpenSets.erase(std::remove(OpenSets.begin(), OpenSets.end(), ds), OpenSets.end());
    }
};

const std::shared_ptr<TCacheData>& TTableCache::Current()
{
    if (!Data || Seen != *Generation) {
        const quint64 generation = *Generation;
        Data = TCacheData::Load(Db->Db(), Def, *Db->Dialect);
        Seen = generation;
    }
    return Data;
}

void TTableCache::Patch(qint64 rowId)
{
    if (!Data || Seen + 1 != *Generation)
        return;
    std::vector<QVariant> raw;
    if (!TCacheData::ReadRow(Db->Db(), Def, *Db->Dialect, rowId, raw))
        return;   // read whole at the next use
    Data->PutRow(rowId, raw, *Db->Dialect);
    Seen = *Generation;
}

TDatabase::TDatabase(const QString& aliasName) : D(std::make_unique<TImpl>())
{
    static int counter = 0;
    D->Owner = this;
    D->Alias = aliasName;
    D->ConnectionName = QStringLiteral("vx_db_%1").arg(++counter);
    AllDatabases().push_back(this);
}

TDatabase::~TDatabase()
{
    try {
        Close();
    } catch (...) {
    }
    auto& all = AllDatabases();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

QString TDatabase::AliasName() const
{
    return D->Alias;
}

void TDatabase::SetAliasName(const QString& alias)
{
    if (D->IsConnected)
        Fail(QStringLiteral("Нельзя сменить псевдоним открытой базы данных [%1]!").arg(D->Alias));
    D->Alias = alias;
}

QStringList TDatabase::Params() const
{
    return D->Params;
}

void TDatabase::SetParams(const QStringList& params)
{
    if (D->IsConnected)
        Fail(QStringLiteral("Нельзя сменить параметры открытой базы данных [%1]!").arg(D->Alias));
    D->Params = params;
}

QString TDatabase::Directory() const
{
    for (const QString& p : D->Params)
        if (p.startsWith(QLatin1String("PATH="), Qt::CaseInsensitive))
            return p.mid(5).trimmed();
    return QString();
}

void TDatabase::SetDirectory(const QString& dir)
{
    QStringList params = D->Params;
    bool replaced = false;
    for (QString& p : params)
        if (p.startsWith(QLatin1String("PATH="), Qt::CaseInsensitive)) {
            p = QStringLiteral("PATH=") + dir;
            replaced = true;
        }
    if (!replaced)
        params.prepend(QStringLiteral("PATH=") + dir);
    SetParams(params);
}

QString TDatabase::FileName() const
{
    return D->Dialect->DatabaseFile(Directory(), D->Alias);
}

void TDatabase::Open()
{
    if (D->IsConnected)
        return;
    if (D->Alias.isEmpty())
        Fail(QStringLiteral("Не задан псевдоним базы данных!"));
    D->Dialect->Connect(D->ConnectionName, Directory(), D->Alias);
    D->IsConnected = true;
    D->InTransaction = false;
    D->Attached.clear();
    D->FileDefs.clear();
    D->Caches.clear();
    D->CanonicalFile = QFileInfo(FileName()).canonicalFilePath();
    D->DataVersion = -1;
    D->Polled = false;
    D->TouchAllLocal();
    D->PollExternal(true);
}

void TDatabase::Close()
{
    if (!D->IsConnected)
        return;
    std::vector<TDataSet*> sets = D->OpenSets;
    for (TDataSet* ds : sets) {
        try {
            ds->Close();
        } catch (...) {
        }
        D->Unregister(ds);
    }
    D->DataVersionQuery.reset();
    D->Caches.clear();
    {
        QSqlDatabase db = D->Db();
        if (D->InTransaction)
            db.rollback();
        db.close();
    }
    QSqlDatabase::removeDatabase(D->ConnectionName);
    D->IsConnected = false;
    D->InTransaction = false;
    D->Attached.clear();
    D->FileDefs.clear();
    D->CanonicalFile.clear();
    D->TouchAllLocal();
}

bool TDatabase::Connected() const
{
    return D->IsConnected;
}

void TDatabase::Reconnect(const QStringList& params)
{
    Close();
    SetParams(params);
    Open();
}

void TDatabase::RegisterTable(const TTableDef& def)
{
    QString key = Lower(def.SqlName());
    D->Defs[key] = def;
    D->FileDefs.erase(key);
    D->Caches.erase(key);
}

void TDatabase::RegisterTables(const QList<TTableDef>& defs)
{
    for (const TTableDef& def : defs)
        RegisterTable(def);
}

const TTableDef* TDatabase::FindTableDef(const QString& tableName) const
{
    return D->Definition(tableName);
}

QList<TTableDef> TDatabase::TableDefs() const
{
    QList<TTableDef> result;
    for (const auto& [key, def] : D->Defs)
        result.append(def);
    return result;
}

bool TDatabase::TableExists(const QString& tableName) const
{
    if (!D->IsConnected)
        return false;
    QString name = TableSqlName(tableName);
    for (const QString& t : TableNames())
        if (t.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QStringList TDatabase::TableNames() const
{
    if (!D->IsConnected)
        return {};
    QSqlDatabase db = D->Db();
    return D->Dialect->TableNames(db);
}

void TDatabase::CreateTable(const TTableDef& def)
{
    D->EnsureConnected();
    QSqlDatabase db = D->Db();
    bool own = !D->InTransaction;
    if (own)
        db.transaction();
    try {
        for (const QString& sql : D->Dialect->CreateTableSql(def)) {
            QSqlQuery q(db);
            if (!q.exec(sql))
                Fail(QStringLiteral("Ошибка создания таблицы [%1]!\r\n(%2)").arg(def.FileName, SqlErrorText(q.lastError())));
        }
    } catch (...) {
        if (own)
            db.rollback();
        throw;
    }
    if (own)
        db.commit();
    RegisterTable(def);
    D->Touch(def.SqlName());
}

void TDatabase::DropTable(const QString& tableName)
{
    D->EnsureConnected();
    for (TDataSet* ds : std::vector<TDataSet*>(D->OpenSets))
        if (auto* t = dynamic_cast<TTable*>(ds); t && TableSqlName(t->TableName()).compare(TableSqlName(tableName), Qt::CaseInsensitive) == 0)
            t->Close();
    QSqlQuery q(D->Db());
    if (!q.exec(QStringLiteral("DROP TABLE %1").arg(QuoteIdent(TableSqlName(tableName)))))
        Fail(QStringLiteral("Ошибка удаления таблицы [%1]!\r\n(%2)").arg(tableName, SqlErrorText(q.lastError())));
    D->FileDefs.erase(Lower(TableSqlName(tableName)));
    D->Touch(tableName);
}

void TDatabase::EmptyTable(const QString& tableName)
{
    D->EnsureConnected();
    QString name = TableSqlName(tableName);
    std::vector<TTable*> reopen;
    for (TDataSet* ds : std::vector<TDataSet*>(D->OpenSets))
        if (auto* t = dynamic_cast<TTable*>(ds); t && TableSqlName(t->TableName()).compare(name, Qt::CaseInsensitive) == 0) {
            t->Close();
            reopen.push_back(t);
        }
    QString error;
    {
        QSqlQuery q(D->Db());
        if (!q.exec(QStringLiteral("DELETE FROM %1").arg(QuoteIdent(name))))
            error = QStringLiteral("Ошибка очистки таблицы [%1]!\r\n(%2)").arg(tableName, SqlErrorText(q.lastError()));
    }
    D->Touch(name);
    for (TTable* t : reopen)
        t->Open();
    if (!error.isEmpty())
        Fail(error);
}

void TDatabase::StartTransaction()
{
    D->EnsureConnected();
    if (D->InTransaction)
        Fail(QStringLiteral("Транзакция базы данных [%1] уже начата!").arg(D->Alias));
    QSqlDatabase db = D->Db();
    if (!db.transaction())
        Fail(QStringLiteral("Ошибка начала транзакции!\r\n(%1)").arg(SqlErrorText(db.lastError())));
    D->InTransaction = true;
}

void TDatabase::Commit()
{
    if (!D->InTransaction)
        Fail(QStringLiteral("Транзакция базы данных [%1] не начата!").arg(D->Alias));
    QSqlDatabase db = D->Db();
    if (!db.commit())
        Fail(QStringLiteral("Ошибка завершения транзакции!\r\n(%1)").arg(SqlErrorText(db.lastError())));
    D->InTransaction = false;
    // What the transaction wrote is now seen by the other connections to the file.
    D->ForOthers([](TImpl& other) { other.TouchAllLocal(); });
}

void TDatabase::Rollback()
{
    if (!D->InTransaction)
        return;
    QSqlDatabase db = D->Db();
    db.rollback();
    D->InTransaction = false;
    D->TouchAllLocal();
}

bool TDatabase::InTransaction() const
{
    return D->InTransaction;
}

void TDatabase::ExecSQL(const QString& sql, const QVariantList& params)
{
    D->EnsureConnected();
    QSqlQuery q(D->Db());
    if (!q.prepare(sql))
        Fail(QStringLiteral("Ошибка выполнения SQL-запроса!\r\n(%1)").arg(SqlErrorText(q.lastError())));
    for (int i = 0; i < params.size(); ++i)
        q.bindValue(i, params[i]);
    Exec(q, QStringLiteral("Ошибка выполнения SQL-запроса!"));
    D->TouchAll();
}

void TDatabase::SetExternalCheckInterval(int milliseconds)
{
    ExternalIntervalMs = std::max(0, milliseconds);
}

int TDatabase::ExternalCheckInterval()
{
    return ExternalIntervalMs;
}

void TDatabase::CheckExternalChanges()
{
    D->PollExternal(true);
}

TDatabase* TDatabase::FindDatabase(const QString& alias)
{
    TDatabase* candidate = nullptr;
    for (TDatabase* db : AllDatabases())
        if (db->AliasName().compare(alias, Qt::CaseInsensitive) == 0) {
            if (db->Connected())
                return db;
            if (!candidate)
                candidate = db;
        }
    return candidate;
}

// =============================================================================================
// TField

TField::TField(TDataSet* dataSet, int index, const QString& name, TFieldType type, int size,
               TFieldKind kind, const QString& caption)
    : FDataSet(dataSet), FIndex(index), FName(name), FType(type), FSize(size), FKind(kind), FCaption(caption)
{
}

bool TField::ReadOnly() const
{
    return FReadOnly || FKind == TFieldKind::Lookup || FType == TFieldType::AutoInc;
}

bool TField::IsNull() const
{
    return FDataSet->CurrentValue(FIndex).isNull();
}

namespace {

QString FloatText(double d)
{
    QString s = QString::number(d, 'g', 15);
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    return s;
}

[[noreturn]] void NotA(const TField& f, const QString& what)
{
    Fail(QStringLiteral("Значение '%1' поля [%2] не является %3!").arg(f.AsString(), f.FieldName(), what));
}

} // namespace

QString TField::AsString() const
{
    if (FDataSet->DirectRead(FIndex)) {
        if (FDataSet->Count() == 0 || FDataSet->FPos < 0)
            return QString();
        QString direct;
        if (FDataSet->DoReadText(FDataSet->FPos, FIndex, direct))
            return direct;
    }
    const QVariant& v = FDataSet->CurrentValue(FIndex);
    if (v.isNull())
        return QString();
    switch (v.metaType().id()) {
    case QMetaType::Double:
        return FloatText(v.toDouble());
    case QMetaType::QDate:
        return v.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    case QMetaType::QDateTime: {
        QDateTime dt = v.toDateTime();
        if (dt.time() == QTime(0, 0))
            return dt.date().toString(QStringLiteral("dd.MM.yyyy"));
        return dt.toString(QStringLiteral("dd.MM.yyyy H:mm:ss"));
    }
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return v.toString();
    }
}

qint32 TField::AsInteger() const
{
    // Straight from the store of a cached table, without a variant.
    if (FDataSet->DirectRead(FIndex)) {
        if (FDataSet->Count() == 0 || FDataSet->FPos < 0)
            return 0;
        qint32 direct = 0;
        if (FDataSet->DoReadInt(FDataSet->FPos, FIndex, direct))
            return direct;
    }
    const QVariant& v = FDataSet->CurrentValue(FIndex);
    if (v.isNull())
        return 0;
    switch (v.metaType().id()) {
    case QMetaType::Int:
        return v.toInt();
    case QMetaType::Bool:
        return v.toBool() ? 1 : 0;
    case QMetaType::Double: {
        long double d = v.toDouble();
        if (d > 2147483647.0L || d < -2147483648.0L)
            NotA(*this, QStringLiteral("целым числом"));
        return qint32(RoundHalfEven(d));
    }
    case QMetaType::QDate:
        return qint32(TDateTime::FromDate(v.toDate()).Value);
    case QMetaType::QDateTime:
        return qint32(TDateTime::FromQDateTime(v.toDateTime()).Value);
    default: {
        bool ok = true;
        QVariant n = NormalizeValue(TFieldType::Integer, 0, v, &ok);
        if (!ok)
            NotA(*this, QStringLiteral("целым числом"));
        return n.toInt();
    }
    }
}

double TField::AsFloat() const
{
    const QVariant& v = FDataSet->CurrentValue(FIndex);
    if (v.isNull())
        return 0;
    switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::Double:
        return v.toDouble();
    case QMetaType::Bool:
        return v.toBool() ? 1 : 0;
    case QMetaType::QDate:
        return TDateTime::FromDate(v.toDate()).Value;
    case QMetaType::QDateTime:
        return TDateTime::FromQDateTime(v.toDateTime()).Value;
    default: {
        bool ok = true;
        QVariant n = NormalizeValue(TFieldType::Float, 0, v, &ok);
        if (!ok)
            NotA(*this, QStringLiteral("числом"));
        return n.toDouble();
    }
    }
}

TMoney TField::AsCurrency() const
{
    const QVariant& v = FDataSet->CurrentValue(FIndex);
    if (v.isNull())
        return TMoney();
    if (v.metaType().id() == QMetaType::Int)
        return TMoney::FromInt(v.toInt());
    if (v.metaType().id() == QMetaType::QString) {
        TMoney m;
        if (!TMoney::TryParse(v.toString(), m))
            NotA(*this, QStringLiteral("числом"));
        return m;
    }
    return TMoney::FromDouble(AsFloat());
}

TDateTime TField::AsDateTime() const
{
    const QVariant& v = FDataSet->CurrentValue(FIndex);
    if (v.isNull())
        return TDateTime();
    switch (v.metaType().id()) {
    case QMetaType::QDate:
        return TDateTime::FromDate(v.toDate());
    case QMetaType::QDateTime:
        return TDateTime::FromQDateTime(v.toDateTime());
    case QMetaType::Int:
    case QMetaType::Double:
        return TDateTime{v.toDouble()};
    default: {
        bool ok = true;
        QVariant d = NormalizeValue(TFieldType::DateTime, 0, v, &ok);
        if (!ok)
            NotA(*this, QStringLiteral("датой"));
        return TDateTime::FromQDateTime(d.toDateTime());
    }
    }
}

bool TField::AsBoolean() const
{
    const QVariant& v = FDataSet->CurrentValue(FIndex);
    if (v.isNull())
        return false;
    if (v.metaType().id() == QMetaType::Bool)
        return v.toBool();
    bool ok = true;
    QVariant b = NormalizeValue(TFieldType::Boolean, 0, v, &ok);
    if (!ok)
        NotA(*this, QStringLiteral("логическим значением"));
    return b.toBool();
}

QVariant TField::AsVariant() const
{
    return FDataSet->CurrentValue(FIndex);
}

void TField::SetAsVariant(const QVariant& value)
{
    bool ok = true;
    QVariant v = NormalizeValue(FType, FSize, value, &ok);
    if (!ok)
        Fail(QStringLiteral("Значение '%1' не подходит для поля [%2]!").arg(value.toString(), FName));
    FDataSet->SetFieldValue(FIndex, v);
}

void TField::SetAsString(const QString& value)
{
    SetAsVariant(QVariant(value));
}

void TField::SetAsInteger(qint32 value)
{
    SetAsVariant(QVariant(value));
}

void TField::SetAsFloat(double value)
{
    if (FType == TFieldType::String)
        SetAsVariant(FloatText(value));
    else
        SetAsVariant(QVariant(value));
}

void TField::SetAsCurrency(TMoney value)
{
    if (FType == TFieldType::String)
        SetAsVariant(value.toString(4, QLatin1Char(',')));
    else
        SetAsVariant(QVariant(value.toDouble()));
}

void TField::SetAsDateTime(TDateTime value)
{
    switch (FType) {
    case TFieldType::Date:
        SetAsVariant(QVariant(value.date()));
        break;
    case TFieldType::DateTime:
        SetAsVariant(QVariant(value.toQDateTime()));
        break;
    case TFieldType::String:
        SetAsVariant(value.date().toString(QStringLiteral("dd.MM.yyyy")));
        break;
    default:
        SetAsVariant(QVariant(value.Value));
    }
}

void TField::SetAsBoolean(bool value)
{
    SetAsVariant(QVariant(value));
}

void TField::Clear()
{
    FDataSet->SetFieldValue(FIndex, QVariant());
}

// =============================================================================================
// TDataSet

TDataSet::TDataSet() = default;
TDataSet::~TDataSet() = default;

void TDataSet::Open()
{
    if (Active())
        return;
    FFieldBuild = 0;
    try {
        DoOpen();
        IndexFields();
        FState = TDataSetState::Browse;
        FBuffer.assign(FFields.size(), QVariant());
        FModified.assign(FFields.size(), false);
        FBufferValid = false;
        FPos = -1;
        SetPosition(0);
    } catch (...) {
        FState = TDataSetState::Inactive;
        IndexFields();
        try {
            DoClose();
        } catch (...) {
        }
        throw;
    }
    FBof = true;
    FEof = Count() == 0;
    Notify(TDataEvent::DataSetChanged);
}

void TDataSet::IndexFields()
{
    // Field objects stay the same across a close and open with the same fields.
    if (int(FFields.size()) > FFieldBuild || FLayout == 0)
        FLayout = NextLayout();
    while (int(FFields.size()) > FFieldBuild)
        FFields.pop_back();
    FFieldIndex.clear();
    FFieldExact.clear();
    for (int i = 0; i < int(FFields.size()); ++i) {
        QString key = Lower(FFields[i]->FieldName());
        if (!FFieldIndex.contains(key))
            FFieldIndex.insert(key, i);
    }
    // The names as written: callers mostly spell them so, and find them without folding.
    for (auto it = FFieldIndex.constBegin(); it != FFieldIndex.constEnd(); ++it)
        FFieldExact.insert(FFields[*it]->FieldName(), *it);
}

void TDataSet::Close()
{
    if (!Active())
        return;
    FState = TDataSetState::Inactive;
    FBufferValid = false;
    FPos = -1;
    FBof = FEof = true;
    DoClose();
    Notify(TDataEvent::DataSetChanged);
}

TField* TDataSet::Fields(int index) const
{
    if (index < 0 || index >= int(FFields.size()))
        Fail(QStringLiteral("Нет поля с номером %1 в [%2]!").arg(index).arg(DisplayName()));
    return FFields[index].get();
}

TField* TDataSet::FindField(const QString& name) const
{
    if (auto exact = FFieldExact.constFind(name); exact != FFieldExact.constEnd())
        return FFields[*exact].get();
    auto it = FFieldIndex.constFind(Lower(name));
    return it == FFieldIndex.constEnd() ? nullptr : FFields[*it].get();
}

TField* TDataSet::FieldByName(const QString& name) const
{
    TField* f = FindField(name);
    if (!f)
        Fail(QStringLiteral("Поле [%1] не найдено в [%2]!").arg(name, DisplayName()));
    return f;
}

QStringList TDataSet::FieldNames() const
{
    QStringList names;
    for (const auto& f : FFields)
        names.append(f->FieldName());
    return names;
}

TField* TDataSet::AddField(const QString& name, TFieldType type, int size, TFieldKind kind, const QString& caption)
{
    int i = FFieldBuild++;
    if (i < int(FFields.size())) {
        TField* f = FFields[i].get();
        if (f->FieldName() == name && f->DataType() == type && f->Size() == size && f->FieldKind() == kind) {
            f->SetDisplayLabel(caption);
            return f;
        }
        FFields.resize(i);
    }
    FFields.push_back(std::make_unique<TField>(this, i, name, type, size, kind, caption));
    FLayout = NextLayout();
    return FFields.back().get();
}

void TDataSet::ClearFields()
{
    FFields.clear();
    FLayout = NextLayout();
    FFieldIndex.clear();
    FFieldExact.clear();
    FFieldBuild = 0;
}

void TDataSet::CheckActive() const
{
    if (!Active())
        Fail(QStringLiteral("Набор данных [%1] закрыт!").arg(DisplayName()));
}

void TDataSet::CheckBrowse(const char* operation) const
{
    CheckActive();
    if (FState != TDataSetState::Browse)
        Fail(QStringLiteral("Операция %1 невозможна в режиме редактирования [%2]!")
                 .arg(QString::fromLatin1(operation), DisplayName()));
}

void TDataSet::CheckBrowseMode()
{
    CheckActive();
    if (FState == TDataSetState::Edit || FState == TDataSetState::Insert) {
        if (std::find(FModified.begin(), FModified.end(), true) != FModified.end())
            Post();
        else
            Cancel();
    }
}

void TDataSet::SetPosition(int pos)
{
    int n = Count();
    int newPos = n == 0 ? -1 : std::clamp(pos, 0, n - 1);
    FPos = newPos;
    if (FState == TDataSetState::Browse)
        FBufferValid = false;
}

bool TDataSet::IsEmpty()
{
    if (!Active())
        return true;
    if (FState == TDataSetState::Insert)
        return false;
    return Count() == 0;
}

int TDataSet::RecordCount()
{
    CheckActive();
    return Count();
}

int TDataSet::RecNo()
{
    if (!Active() || FState == TDataSetState::Insert)
        return 0;
    Count();
    return FPos + 1;
}

void TDataSet::First()
{
    CheckBrowseMode();
    SetPosition(0);
    FBof = true;
    FEof = Count() == 0;
    Notify(TDataEvent::RecordChanged);
}

void TDataSet::Last()
{
    CheckBrowseMode();
    int n = Count();
    SetPosition(n - 1);
    FEof = true;
    FBof = n == 0;
    Notify(TDataEvent::RecordChanged);
}

void TDataSet::Next()
{
    MoveBy(1);
}

void TDataSet::Prior()
{
    MoveBy(-1);
}

int TDataSet::MoveBy(int distance)
{
    CheckBrowseMode();
    int n = Count();
    int moved = 0;
    if (n == 0) {
        FBof = FEof = true;
        return 0;
    }
    if (distance > 0) {
        int target = FPos + distance;
        if (target >= n) {
            target = n - 1;
            FEof = true;
        } else {
            FEof = false;
        }
        moved = target - FPos;
        if (moved != 0)
            FBof = false;
        if (moved != 0)
            SetPosition(target);
    } else if (distance < 0) {
        int target = FPos + distance;
        if (target < 0) {
            target = 0;
            FBof = true;
        } else {
            FBof = false;
        }
        moved = target - FPos;
        if (moved != 0)
            FEof = false;
        if (moved != 0)
            SetPosition(target);
    }
    if (moved != 0)
        Notify(TDataEvent::RecordChanged);
    return moved;
}

bool TDataSet::Eof()
{
    if (!Active())
        return true;
    if (FState == TDataSetState::Browse && Count() == 0)
        return true;
    return FEof;
}

bool TDataSet::Bof()
{
    if (!Active())
        return true;
    if (FState == TDataSetState::Browse && Count() == 0)
        return true;
    return FBof;
}

TBookmark TDataSet::GetBookmark()
{
    TBookmark b;
    if (!Active() || FState == TDataSetState::Insert)
        return b;
    if (Count() == 0 || FPos < 0)
        return b;
    b.Key = DoRowKey(FPos);
    b.Set = true;
    return b;
}

void TDataSet::GotoBookmark(const TBookmark& bookmark)
{
    CheckBrowseMode();
    int pos = bookmark.IsNull() ? -1 : DoFindRowKey(bookmark.Key);
    if (pos < 0)
        Fail(QStringLiteral("Запись не найдена в [%1]!").arg(DisplayName()));
    SetPosition(pos);
    FBof = FEof = false;
    Notify(TDataEvent::RecordChanged);
}

bool TDataSet::BookmarkValid(const TBookmark& bookmark)
{
    if (!Active() || bookmark.IsNull())
        return false;
    Count();
    return DoFindRowKey(bookmark.Key) >= 0;
}

bool TDataSet::Locate(const QString& field, const QVariant& value, TLocateOptions options)
{
    if (field.contains(QLatin1Char(';'))) {
        QStringList fields = field.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        if (fields.size() > 1 && value.metaType().id() == QMetaType::QVariantList)
            return Locate(fields, value.toList(), options);
    }
    // One field, the look-up of every catalog service call: without the list forms.
    CheckBrowseMode();
    TField* f = FindField(field);
    if (!f)
        f = FieldByName(field.trimmed());
    if (Count() == 0)
        return false;
    int pos = DoLocateOne(f->Index(), value, options);
    if (pos < 0)
        return false;
    SetPosition(pos);
    FBof = FEof = false;
    Notify(TDataEvent::RecordChanged);
    return true;
}

bool TDataSet::Locate(const QStringList& fields, const QVariantList& values, TLocateOptions options)
{
    CheckBrowseMode();
    if (fields.size() != values.size() || fields.isEmpty())
        Fail(QStringLiteral("Неверный список полей поиска [%1] в [%2]!").arg(fields.join(QLatin1Char(';')), DisplayName()));
    std::vector<int> index;
    for (const QString& f : fields)
        index.push_back(FieldByName(f.trimmed())->Index());
    if (Count() == 0)
        return false;
    int pos = DoLocate(index, values, options);
    if (pos < 0)
        return false;
    SetPosition(pos);
    FBof = FEof = false;
    Notify(TDataEvent::RecordChanged);
    return true;
}

bool TDataSet::ValueMatches(TFieldType type, const QVariant& stored, const QVariant& wanted, TLocateOptions options)
{
    if (type == TFieldType::String) {
        QString s = stored.isNull() ? QString() : stored.toString();
        QString w = wanted.isNull() ? QString() : wanted.toString();
        Qt::CaseSensitivity cs = options.CaseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
        if (options.PartialKey)
            return s.startsWith(w, cs);
        return s.compare(w, cs) == 0;
    }
    bool ok = true;
    QVariant w = NormalizeValue(type, 0, wanted, &ok);
    if (!ok)
        return false;
    if (type == TFieldType::Date || type == TFieldType::DateTime)
        return stored.isNull() ? w.isNull() : (!w.isNull() && stored == w);
    double a = stored.isNull() ? 0.0 : stored.toDouble();
    double b = w.isNull() ? 0.0 : w.toDouble();
    return a == b;
}

int TDataSet::DoLocateOne(int field, const QVariant& value, TLocateOptions options)
{
    return DoLocate(std::vector<int>{field}, QVariantList{value}, options);
}

bool TDataSet::DirectRead(int field) const
{
    return FState == TDataSetState::Browse && !OnCalcFields && field >= 0 && field < int(FFields.size())
        && DoReadsFields() && !(FBufferValid && FPartial && FFieldStamp[size_t(field)] == FStamp);
}

int TDataSet::DoLocate(const std::vector<int>& fields, const QVariantList& values, TLocateOptions options)
{
    int n = Count();
    std::vector<QVariant> row;
    for (int pos = 0; pos < n; ++pos) {
        ReadRecord(pos, row);
        bool all = true;
        for (size_t i = 0; i < fields.size() && all; ++i)
            all = ValueMatches(FFields[fields[i]]->DataType(), row[fields[i]], values[int(i)], options);
        if (all)
            return pos;
    }
    return -1;
}

void TDataSet::Edit()
{
    CheckActive();
    if (FState == TDataSetState::Edit || FState == TDataSetState::Insert)
        return;
    if (Count() == 0) {
        Insert();
        return;
    }
    LoadCurrent();
    FEditKey = DoRowKey(FPos);
    FModified.assign(FFields.size(), false);
    FState = TDataSetState::Edit;
    Notify(TDataEvent::StateChanged);
}

void TDataSet::Insert()
{
    CheckBrowseMode();
    FBuffer.assign(FFields.size(), QVariant());
    FModified.assign(FFields.size(), false);
    FBufferValid = true;
    FPartial = false;
    FEditKey = 0;
    FState = TDataSetState::Insert;
    Notify(TDataEvent::StateChanged);
}

void TDataSet::Append()
{
    Insert();
}

void TDataSet::Post()
{
    CheckActive();
    if (FState != TDataSetState::Edit && FState != TDataSetState::Insert)
        return;
    bool inserting = FState == TDataSetState::Insert;
    qint64 key = DoPost(inserting, FEditKey, FBuffer, FModified);
    FState = TDataSetState::Browse;
    FBufferValid = false;
    FModified.assign(FFields.size(), false);
    TBookmark keep;
    keep.Key = key;
    keep.Set = true;
    RowsChanged(keep, FPos);
}

void TDataSet::Cancel()
{
    if (FState != TDataSetState::Edit && FState != TDataSetState::Insert)
        return;
    FState = TDataSetState::Browse;
    FBufferValid = false;
    FModified.assign(FFields.size(), false);
    SetPosition(FPos);
    Notify(TDataEvent::StateChanged);
}

void TDataSet::Delete()
{
    CheckActive();
    if (FState == TDataSetState::Insert) {
        Cancel();
        return;
    }
    if (FState == TDataSetState::Edit)
        Cancel();
    int n = Count();
    if (n == 0 || FPos < 0)
        Fail(QStringLiteral("Набор данных [%1] пуст!").arg(DisplayName()));
    int pos = FPos;
    DoDelete(DoRowKey(pos));
    RowsChanged(TBookmark(), pos);
    if (pos >= Count())
        FEof = true;
}

void TDataSet::Refresh()
{
    CheckBrowseMode();
    TBookmark keep = GetBookmark();
    int pos = FPos;
    DoRefresh();
    RowsChanged(keep, pos);
}

void TDataSet::RowsChanged(const TBookmark& keep, int fallbackPos)
{
    if (!Active())
        return;
    int n = Count();
    int pos = keep.IsNull() ? -1 : DoFindRowKey(keep.Key);
    bool found = pos >= 0;
    SetPosition(found ? pos : fallbackPos);
    FBufferValid = FState != TDataSetState::Browse && FBufferValid;
    FBof = n == 0 || (!found && FPos <= 0);
    FEof = n == 0;
    Notify(TDataEvent::DataSetChanged);
}

void TDataSet::DisableControls()
{
    ++FDisableCount;
}

void TDataSet::EnableControls()
{
    if (FDisableCount == 0)
        return;
    if (--FDisableCount == 0 && FPendingChange) {
        FPendingChange = false;
        Notify(TDataEvent::DataSetChanged);
    }
}

int TDataSet::AddObserver(TDataSetObserver observer)
{
    int id = FNextObserverId++;
    FObservers.emplace_back(id, std::move(observer));
    return id;
}

void TDataSet::RemoveObserver(int id)
{
    FObservers.erase(std::remove_if(FObservers.begin(), FObservers.end(), [id](const auto& p) { return p.first == id; }),
                     FObservers.end());
}

void TDataSet::Notify(TDataEvent event)
{
    if (FObservers.empty())
        return;
    if (FDisableCount > 0) {
        FPendingChange = true;
        return;
    }
    auto observers = FObservers;   // an observer may remove itself
    for (auto& [id, observer] : observers)
        observer(*this, event);
}

const QVariant& TDataSet::CurrentValue(int field)
{
    static const QVariant empty;
    if (FState == TDataSetState::Inactive || field < 0 || field >= int(FFields.size()))
        return empty;
    if (FState == TDataSetState::Browse) {
        if (Count() == 0 || FPos < 0)
            return empty;
        if (!FBufferValid) {
            if (OnCalcFields || !DoReadsFields()) {
                LoadCurrent();
            } else {
                // Only the fields asked for are read: look-ups touch two or three of seventy.
                if (FFieldStamp.size() != FFields.size())
                    FFieldStamp.assign(FFields.size(), 0);
                ++FStamp;
                FPartial = true;
                FBufferValid = true;
            }
        }
        if (FPartial && FFieldStamp[size_t(field)] != FStamp) {
            FBuffer[size_t(field)] = DoReadField(FPos, field);
            FFieldStamp[size_t(field)] = FStamp;
        }
    }
    return FBuffer[field];
}

void TDataSet::SetFieldValue(int field, const QVariant& value)
{
    CheckActive();
    TField* f = FFields[field].get();
    if (f->FieldKind() == TFieldKind::Calculated) {
        if (FState == TDataSetState::Browse) {
            if (Count() == 0 || FPos < 0)
                return;
            if (!FBufferValid)
                LoadCurrent();
            if (FPartial)
                FFieldStamp[size_t(field)] = FStamp;
        }
        FBuffer[field] = value;
        if (!FInCalc)
            Notify(TDataEvent::RecordChanged);
        return;
    }
    if (f->ReadOnly())
        Fail(QStringLiteral("Поле [%1] нельзя изменить!").arg(f->FieldName()));
    if (FState != TDataSetState::Edit && FState != TDataSetState::Insert)
        Fail(QStringLiteral("Набор данных [%1] не в режиме редактирования!").arg(DisplayName()));
    FBuffer[field] = value;
    FModified[field] = true;
    Notify(TDataEvent::RecordChanged);
}

void TDataSet::ReadRecord(int pos, std::vector<QVariant>& values)
{
    values.assign(FFields.size(), QVariant());
    DoReadRow(pos, values);
}

void TDataSet::LoadCurrent()
{
    FPartial = false;
    if (FPos < 0) {
        FBuffer.assign(FFields.size(), QVariant());
        FBufferValid = true;
        return;
    }
    ReadRecord(FPos, FBuffer);
    FBufferValid = true;
    if (OnCalcFields) {
        FInCalc = true;
        try {
            OnCalcFields(*this);
        } catch (...) {
            FInCalc = false;
            throw;
        }
        FInCalc = false;
    }
}

// =============================================================================================
// TTable

struct TTable::TImpl {
    TDatabase* Database = nullptr;
    TDatabase::TImpl* Db = nullptr;
    const TSqlDialect* Dialect = nullptr;
    TTableDef Def;
    QString Table;               // quoted SQL name
    QString RowId;               // "t".rowid
    QString SelectList;          // columns read for a record, in column order
    std::vector<int> ColumnField;    // column -> data set field
    std::vector<TFieldType> ColumnType;
    std::vector<int> ColumnSize;
    std::vector<int> FieldColumn;    // data set field -> column, -1 for calculated fields
    std::vector<QString> ColumnExpr;

    std::shared_ptr<quint64> Generation;
    quint64 SeenGeneration = 0;

    QStringList OrderFields;
    bool OrderCaseInsensitive = false;
    bool OwnOrder = false;            // sorted here rather than by the database
    QString OrderColumns;             // the order's fields, for OwnOrder
    std::vector<TFieldType> OrderTypes;
    QString OrderSql;
    const TIndexDef* CurrentIndex = nullptr;   // into Def

    bool FilterOn = false;
    TCompiledFilter Filter;

    std::shared_ptr<const std::vector<qint64>> Rows;
    bool RowsValid = false;
    QHash<qint64, int> PosOf;
    bool PosOfValid = false;
    QHash<qint64, std::vector<QVariant>> RowCache;
    std::shared_ptr<const std::vector<qint64>> AllRows;   // unfiltered, for AllOrder
    QString AllOrder;

    std::unordered_map<QString, std::unique_ptr<QSqlQuery>> Statements;
    QHash<QString, TCompiledFilter> Compiled;

    // A cached table: the rows of the table's cache at one reading (Snap), the current order
    // in it and the rows the filter shows, as row numbers of the snapshot.
    bool Memory = false;
    std::shared_ptr<TTableCache> Cache;
    std::shared_ptr<TCacheData> Snap;
    std::vector<int> DefColumn;              // definition position -> column, -1 calculated
    std::vector<int> MemOrderColumns;
    std::shared_ptr<TCacheOrder> MemOrder;   // of Snap
    quint64 SnapRevision = 0;                // Snap->Revision the rows were made for
    std::shared_ptr<const TMemFilter> MemFilter;
    QHash<QString, std::shared_ptr<const TMemFilter>> MemFilters;   // by filter text
    std::shared_ptr<const std::vector<int>> MemRows;
    bool MemRowsValid = false;
    QHash<int, int> MemPosOf;                // row -> position, for long filtered views
    bool MemPosOfValid = false;
    bool OrderKnown = false;
    QString KnownIndexName, KnownIndexFields;
    struct TMemLookup {
        int Field = -1;                      // the data set field
        int KeyColumn = -1;
        std::shared_ptr<TTableCache> Source; // none: the lookup table is missing
        int SourceKey = -1;
        int Result = -1;
        TFieldType Type = TFieldType::String;
        int Size = 0;
        bool BySql = false;                  // keys of unlike kinds: the database compares them
        QString Expr;
    };
    std::vector<TMemLookup> MemLookups;

    QSqlQuery& Statement(const QString& sql)
    {
        auto it = Statements.find(sql);
        if (it != Statements.end())
            return *it->second;
        if (Statements.size() >= size_t(MaxCachedStatements))
            Statements.clear();
        auto q = std::make_unique<QSqlQuery>(Db->Db());
        q->setForwardOnly(true);
        if (!q->prepare(sql))
            Fail(QStringLiteral("Ошибка чтения таблицы [%1]!\r\n(%2)").arg(Def.FileName, SqlErrorText(q->lastError())));
        return *Statements.emplace(sql, std::move(q)).first->second;
    }

    QString Where(const QString& extra) const
    {
        QStringList parts;
        if (FilterOn && !Filter.Sql.isEmpty())
            parts.append(Filter.Sql);
        if (!extra.isEmpty())
            parts.append(extra);
        return parts.isEmpty() ? QString() : QStringLiteral(" WHERE ") + parts.join(QLatin1String(" AND "));
    }

    QVariantList WhereParams(const QVariantList& extra) const
    {
        QVariantList p;
        if (FilterOn && !Filter.Sql.isEmpty())
            p = Filter.Params;
        p.append(extra);
        return p;
    }

    void Invalidate()
    {
        RowsValid = false;
        PosOfValid = false;
        RowCache.clear();
        AllRows.reset();
    }

    void ReadValues(QSqlQuery& q, int firstColumn, std::vector<QVariant>& values) const
    {
        for (size_t c = 0; c < ColumnField.size(); ++c)
            values[ColumnField[c]] = Dialect->FromStorage(ColumnType[c], ColumnSize[c], q.value(firstColumn + int(c)));
    }

    // Keys of a case-insensitive order are compared here: the database folds the case of
    // Latin letters only, and customer and article names are Cyrillic.
    static int CompareKey(TFieldType type, const QVariant& a, const QVariant& b)
    {
        return CompareOrderKey(type, a, b);
    }

    struct TSortRow {
        qint64 Id;
        std::vector<QVariant> Keys;
        size_t Source;   // position among the rows read
    };

    void SortOwn(std::vector<TSortRow>& rows) const
    {
        std::sort(rows.begin(), rows.end(), [this](const TSortRow& a, const TSortRow& b) {
            for (size_t i = 0; i < OrderTypes.size(); ++i)
                if (int c = CompareKey(OrderTypes[i], a.Keys[i], b.Keys[i]); c != 0)
                    return c < 0;
            return a.Id < b.Id;
        });
    }

    void Bind(QSqlQuery& q) const
    {
        QVariantList params = WhereParams({});
        for (int i = 0; i < params.size(); ++i)
            q.bindValue(i, params[i]);
    }

    std::vector<qint64> FetchRowIds()
    {
        std::vector<qint64> ids;
        if (OwnOrder) {
            QString sql = QStringLiteral("SELECT %1, %2 FROM %3 AS \"t\"%4").arg(RowId, OrderColumns, Table, Where(QString()));
            QSqlQuery& q = Statement(sql);
            Bind(q);
            Exec(q, QStringLiteral("Ошибка чтения таблицы [%1]!").arg(Def.FileName));
            std::vector<TSortRow> rows;
            while (q.next()) {
                TSortRow r{q.value(0).toLongLong(), {}, rows.size()};
                for (size_t k = 0; k < OrderTypes.size(); ++k)
                    r.Keys.push_back(q.value(int(k) + 1));
                rows.push_back(std::move(r));
            }
            q.finish();
            SortOwn(rows);
            ids.reserve(rows.size());
            for (const TSortRow& r : rows)
                ids.push_back(r.Id);
            return ids;
        }
        QString sql = QStringLiteral("SELECT %1 FROM %2 AS \"t\"%3 ORDER BY %4").arg(RowId, Table, Where(QString()), OrderSql);
        QSqlQuery& q = Statement(sql);
        Bind(q);
        Exec(q, QStringLiteral("Ошибка чтения таблицы [%1]!").arg(Def.FileName));
        while (q.next())
            ids.push_back(q.value(0).toLongLong());
        q.finish();
        return ids;
    }

    // A filtered table: up to PrefetchRows rows come with their values in one statement.
    std::vector<qint64> FetchFiltered(int fieldCount)
    {
        int keys = OwnOrder ? int(OrderTypes.size()) : 0;
        QString sql = OwnOrder
            ? QStringLiteral("SELECT %1, %2, %3 FROM %4 AS \"t\"%5 LIMIT %6")
                  .arg(RowId, OrderColumns, SelectList, Table, Where(QString()))
                  .arg(PrefetchRows + 1)
            : QStringLiteral("SELECT %1, %2 FROM %3 AS \"t\"%4 ORDER BY %5 LIMIT %6")
                  .arg(RowId, SelectList, Table, Where(QString()), OrderSql)
                  .arg(PrefetchRows + 1);
        QSqlQuery& q = Statement(sql);
        Bind(q);
        Exec(q, QStringLiteral("Ошибка чтения таблицы [%1]!").arg(Def.FileName));
        std::vector<TSortRow> order;
        std::vector<std::vector<QVariant>> rows;
        while (q.next()) {
            TSortRow r{q.value(0).toLongLong(), {}, rows.size()};
            for (int k = 0; k < keys; ++k)
                r.Keys.push_back(q.value(k + 1));
            order.push_back(std::move(r));
            std::vector<QVariant> values(static_cast<size_t>(fieldCount));
            ReadValues(q, 1 + keys, values);
            rows.push_back(std::move(values));
        }
        q.finish();
        if (int(order.size()) > PrefetchRows)
            return FetchRowIds();
        if (OwnOrder)
            SortOwn(order);
        std::vector<qint64> ids;
        for (TSortRow& r : order) {
            ids.push_back(r.Id);
            RowCache.insert(r.Id, std::move(rows[r.Source]));
        }
        return ids;
    }
};

TTable::TTable(TDatabase* database, const QString& tableName)
    : FDatabase(database), FTableName(tableName), D(std::make_unique<TImpl>())
{
}

TTable::~TTable()
{
    try {
        Close();
    } catch (...) {
    }
}

void TTable::SetDatabase(TDatabase* database)
{
    if (Active())
        Fail(QStringLiteral("Нельзя сменить базу данных открытой таблицы [%1]!").arg(FTableName));
    FDatabase = database;
}

void TTable::SetTableName(const QString& name)
{
    if (Active())
        Fail(QStringLiteral("Нельзя сменить имя открытой таблицы [%1]!").arg(FTableName));
    FTableName = name;
}

const TTableDef& TTable::Def() const
{
    return D->Def;
}

QStringList TTable::IndexNames() const
{
    QStringList names;
    const TTableDef* def = Active() ? &D->Def : (FDatabase ? FDatabase->FindTableDef(FTableName) : nullptr);
    if (def)
        for (const TIndexDef& i : def->Indexes)
            names.append(i.Name);
    return names;
}

bool TTable::Exists() const
{
    if (!FDatabase)
        return false;
    if (!FDatabase->Connected()) {
        try {
            FDatabase->Open();
        } catch (...) {
            return false;
        }
    }
    return FDatabase->TableExists(FTableName);
}

namespace {

struct TOrder {
    QStringList Fields;
    bool CaseInsensitive = false;
    const TIndexDef* Index = nullptr;
};

TOrder ResolveOrder(const TTableDef& def, const QString& tableName, const QString& indexName, const QString& indexFields)
{
    TOrder order;
    if (!indexFields.trimmed().isEmpty()) {
        QStringList wanted;
        for (const QString& f : indexFields.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const TFieldDef* fd = def.FindField(f.trimmed());
            if (!fd || fd->Kind != TFieldKind::Data)
                Fail(QStringLiteral("Поле [%1] не найдено в [%2]!").arg(f.trimmed(), tableName));
            wanted.append(fd->Name);
        }
        for (const TIndexDef& index : def.Indexes) {
            if (index.Fields.size() < wanted.size())
                continue;
            bool prefix = true;
            for (int i = 0; i < wanted.size() && prefix; ++i)
                prefix = index.Fields[i].compare(wanted[i], Qt::CaseInsensitive) == 0;
            if (prefix) {
                order.Fields = wanted;
                order.CaseInsensitive = index.CaseInsensitive;
                order.Index = &index;
                return order;
            }
        }
        Fail(QStringLiteral("Нет индекса по полям [%1] в таблице [%2]!").arg(wanted.join(QLatin1Char(';')), tableName));
    }
    const TIndexDef* index = def.FindIndex(indexName);
    if (!index) {
        if (indexName.isEmpty())
            return order;   // no primary key: the order of addition
        Fail(QStringLiteral("Индекс [%1] не найден в таблице [%2]!").arg(indexName, tableName));
    }
    for (const QString& f : index->Fields) {
        const TFieldDef* fd = def.FindField(f);
        order.Fields.append(fd ? fd->Name : f);
    }
    order.CaseInsensitive = index->CaseInsensitive;
    order.Index = index;
    return order;
}

QString OrderSql(const TTableDef& def, const TOrder& order, const TSqlDialect& dialect, const QString& rowId)
{
    QStringList parts;
    for (const QString& f : order.Fields) {
        QString c = QuoteIdent(f);
        const TFieldDef* fd = def.FindField(f);
        if (order.CaseInsensitive && fd && fd->Type == TFieldType::String)
            c += dialect.CaseInsensitiveCollation();
        parts.append(c);
    }
    parts.append(rowId);
    return parts.join(QLatin1String(", "));
}

} // namespace

void TTable::ApplyOrderAndFilter(const QString& indexName, const QString& indexFields, const QString& filter, bool filtered)
{
    if (D->Memory) {
        MemApply(indexName, indexFields, filter, filtered);
        return;
    }
    // Everything is checked before anything changes, so a bad name or filter keeps the old view.
    TOrder order = ResolveOrder(D->Def, FTableName, indexName, indexFields);
    TCompiledFilter compiled;
    bool on = filtered && !filter.trimmed().isEmpty();
    if (on) {
        auto it = D->Compiled.constFind(filter);
        if (it != D->Compiled.constEnd()) {
            compiled = *it;
        } else {
            compiled = CompileFilter(filter, D->Def, *D->Dialect);
            if (D->Compiled.size() >= MaxCompiledFilters)
                D->Compiled.clear();
            D->Compiled.insert(filter, compiled);
        }
    }
    D->OrderFields = order.Fields;
    D->OrderCaseInsensitive = order.CaseInsensitive;
    D->OrderTypes.clear();
    QStringList orderColumns;
    bool textKey = false;
    for (const QString& f : order.Fields) {
        const TFieldDef* fd = D->Def.FindField(f);
        TFieldType type = fd ? fd->Type : TFieldType::String;
        textKey = textKey || type == TFieldType::String;
        D->OrderTypes.push_back(type);
        orderColumns.append(QStringLiteral("\"t\".") + QuoteIdent(f));
    }
    D->OwnOrder = order.CaseInsensitive && textKey;
    D->OrderColumns = orderColumns.join(QLatin1String(", "));
    D->CurrentIndex = order.Index;
    D->OrderSql = OrderSql(D->Def, order, *D->Dialect, D->RowId);
    D->FilterOn = on && !compiled.Sql.isEmpty();
    D->Filter = compiled;
    D->RowsValid = false;
    D->PosOfValid = false;
    D->RowCache.clear();
}

void TTable::SetCached(bool value)
{
    if (Active() && value != FCached)
        Fail(QStringLiteral("Нельзя сменить режим открытой таблицы [%1]!").arg(FTableName));
    FCached = value;
}

void TTable::SetIndexName(const QString& name)
{
    if (Active()) {
        CheckBrowseMode();
        TBookmark keep = GetBookmark();
        ApplyOrderAndFilter(name, QString(), FFilter, FFiltered);
        FIndexName = name;
        FIndexFieldNames.clear();
        RowsChanged(keep);
        return;
    }
    FIndexName = name;
    FIndexFieldNames.clear();
}

void TTable::SetIndexFieldNames(const QString& fields)
{
    if (Active()) {
        CheckBrowseMode();
        TBookmark keep = GetBookmark();
        ApplyOrderAndFilter(QString(), fields, FFilter, FFiltered);
        FIndexFieldNames = fields;
        FIndexName.clear();
        RowsChanged(keep);
        return;
    }
    FIndexFieldNames = fields;
    FIndexName.clear();
}

void TTable::SetFilter(const QString& filter)
{
    if (Active() && FFiltered) {
        if (filter == FFilter)
            return;
        CheckBrowseMode();
        ApplyOrderAndFilter(FIndexName, FIndexFieldNames, filter, true);
        FFilter = filter;
        RowsChanged();
        return;
    }
    FFilter = filter;
}

void TTable::SetFiltered(bool value)
{
    if (Active()) {
        if (value == FFiltered)
            return;
        CheckBrowseMode();
        ApplyOrderAndFilter(FIndexName, FIndexFieldNames, FFilter, value);
        FFiltered = value;
        RowsChanged();
        return;
    }
    FFiltered = value;
}

bool TTable::FindKey(const QVariantList& values)
{
    CheckBrowseMode();
    if (D->OrderFields.isEmpty())
        Fail(QStringLiteral("У таблицы [%1] нет текущего индекса для поиска!").arg(FTableName));
    if (values.isEmpty() || values.size() > D->OrderFields.size())
        Fail(QStringLiteral("Неверное число значений ключа для таблицы [%1]!").arg(FTableName));
    QStringList fields = D->OrderFields.mid(0, values.size());
    TLocateOptions options;
    options.CaseInsensitive = D->OrderCaseInsensitive;
    return Locate(fields, values, options);
}

void TTable::EmptyTable()
{
    if (!FDatabase)
        Fail(QStringLiteral("Не задана база данных таблицы [%1]!").arg(FTableName));
    FDatabase->EmptyTable(FTableName);
}

void TTable::DoOpen()
{
    if (!FDatabase)
        Fail(QStringLiteral("Не задана база данных таблицы [%1]!").arg(FTableName));
    if (!FDatabase->Connected())
        FDatabase->Open();
    if (!FDatabase->TableExists(FTableName))
        Fail(QStringLiteral("Таблица [%1] не найдена в базе данных [%2]!").arg(FTableName, FDatabase->FileName()));
    const TTableDef* def = FDatabase->FindTableDef(FTableName);
    if (!def)
        Fail(QStringLiteral("Нет описания таблицы [%1]!").arg(FTableName));

    TImpl& d = *D;
    d.Database = FDatabase;
    d.Db = &FDatabase->Impl();
    d.Dialect = d.Db->Dialect;
    d.Def = *def;
    if (d.Def.FileName.isEmpty())
        d.Def.FileName = FTableName;
    d.Table = QuoteIdent(TableSqlName(FTableName));
    d.RowId = QStringLiteral("\"t\".") + d.Dialect->RowId();
    d.ColumnField.clear();
    d.ColumnType.clear();
    d.ColumnSize.clear();
    d.FieldColumn.clear();
    d.ColumnExpr.clear();
    QStringList columns;
    for (const TFieldDef& f : d.Def.Fields) {
        TField* field = AddField(f.Name, f.Type, f.Size, f.Kind, f.Caption);
        if (f.Kind == TFieldKind::Data) {
            d.FieldColumn.push_back(int(columns.size()));
            d.ColumnField.push_back(field->Index());
            d.ColumnType.push_back(f.Type);
            d.ColumnSize.push_back(f.Size);
            columns.append(QStringLiteral("\"t\".") + QuoteIdent(f.Name));
        } else {
            d.FieldColumn.push_back(-1);
        }
    }
    for (const TLookupDef& l : d.Def.Lookups) {
        TFieldType type = TFieldType::String;
        int size = l.Size;
        QString expr = QStringLiteral("NULL");
        if (FDatabase->TableExists(l.LookupTable)) {
            if (const TTableDef* ld = FDatabase->FindTableDef(l.LookupTable))
                if (const TFieldDef* rf = ld->FindField(l.ResultField)) {
                    type = rf->Type;
                    if (type != TFieldType::String || size <= 0)
                        size = rf->Size;
                }
            expr = QStringLiteral("(SELECT \"l\".%1 FROM %2 AS \"l\" WHERE \"l\".%3 = \"t\".%4 LIMIT 1)")
                       .arg(QuoteIdent(l.ResultField), QuoteIdent(TableSqlName(l.LookupTable)),
                            QuoteIdent(l.LookupKeyField), QuoteIdent(l.KeyField));
        }
        TField* field = AddField(l.Name, type, size, TFieldKind::Lookup, l.Caption);
        d.FieldColumn.push_back(int(columns.size()));
        d.ColumnField.push_back(field->Index());
        d.ColumnType.push_back(type);
        d.ColumnSize.push_back(size);
        columns.append(expr);
    }
    d.SelectList = columns.join(QLatin1String(", "));
    d.ColumnExpr.assign(columns.begin(), columns.end());
    d.Generation = d.Db->Generation(FTableName);
    d.SeenGeneration = *d.Generation;
    d.Invalidate();
    d.Compiled.clear();
    d.Statements.clear();
    d.Memory = FCached;
    d.OrderKnown = false;
    d.Snap.reset();
    d.MemRows.reset();
    d.MemRowsValid = false;
    d.MemOrder.reset();
    d.MemFilter.reset();
    d.MemFilters.clear();
    d.MemLookups.clear();
    d.Cache.reset();
    if (d.Memory) {
        d.DefColumn.clear();
        int column = 0;
        for (const TFieldDef& f : d.Def.Fields)
            d.DefColumn.push_back(f.Kind == TFieldKind::Data ? column++ : -1);
        d.Cache = d.Db->Cache(FTableName, d.Def);
        const int dataColumns = column;
        for (int i = 0; i < d.Def.Lookups.size(); ++i) {
            const TLookupDef& l = d.Def.Lookups[i];
            TImpl::TMemLookup m;
            m.Field = d.ColumnField[size_t(dataColumns + i)];
            m.Type = d.ColumnType[size_t(dataColumns + i)];
            m.Size = d.ColumnSize[size_t(dataColumns + i)];
            m.Expr = d.ColumnExpr[size_t(dataColumns + i)];
            const int key = d.Def.FieldIndex(l.KeyField);
            const TTableDef* source = FDatabase->TableExists(l.LookupTable) ? FDatabase->FindTableDef(l.LookupTable) : nullptr;
            if (source && key >= 0 && d.DefColumn[size_t(key)] >= 0) {
                m.KeyColumn = d.DefColumn[size_t(key)];
                int sourceColumn = 0;
                const TFieldDef* sourceKey = nullptr;
                for (const TFieldDef& f : source->Fields) {
                    if (f.Kind != TFieldKind::Data)
                        continue;
                    if (m.SourceKey < 0 && f.Name.compare(l.LookupKeyField, Qt::CaseInsensitive) == 0) {
                        m.SourceKey = sourceColumn;
                        sourceKey = &f;
                    }
                    if (m.Result < 0 && f.Name.compare(l.ResultField, Qt::CaseInsensitive) == 0)
                        m.Result = sourceColumn;
                    ++sourceColumn;
                }
                if (m.SourceKey >= 0 && m.Result >= 0) {
                    m.Source = d.Db->Cache(l.LookupTable, *source);
                    // A text field and a numeric one compare after conversions of the database.
                    const bool keyText = d.Def.Fields[key].Type == TFieldType::String;
                    m.BySql = keyText != (sourceKey->Type == TFieldType::String);
                } else {
                    m.BySql = true;
                }
            } else if (source) {
                m.BySql = true;
            }
            d.MemLookups.push_back(std::move(m));
        }
    }
    ApplyOrderAndFilter(FIndexName, FIndexFieldNames, FFilter, FFiltered);
    // A statement that reads one record proves that the fields exist in the table.
    d.Statement(QStringLiteral("SELECT %1 FROM %2 AS \"t\" WHERE %3 = ?").arg(d.SelectList, d.Table, d.RowId));
    d.Db->OpenSets.push_back(this);
}

void TTable::DoClose()
{
    D->Snap.reset();
    D->MemRows.reset();
    D->MemRowsValid = false;
    D->MemOrder.reset();
    D->MemFilter.reset();
    D->MemFilters.clear();
    D->MemLookups.clear();
    D->Cache.reset();
    D->OrderKnown = false;
    if (D->Db)
        D->Db->Unregister(this);
    D->Statements.clear();
    D->Invalidate();
    D->Rows.reset();
    D->Db = nullptr;
}

int TTable::DoRowCount()
{
    TImpl& d = *D;
    if (d.Memory) {
        MemSync();
        return int(d.MemRows->size());
    }
    if (*d.Generation != d.SeenGeneration) {
        // The table changed through another object or statement: read again, keep the record.
        qint64 key = 0;
        bool haveKey = false;
        int pos = CurrentPos();
        if (d.RowsValid && d.Rows && pos >= 0 && pos < int(d.Rows->size())) {
            key = (*d.Rows)[pos];
            haveKey = true;
        }
        d.SeenGeneration = *d.Generation;
        d.Invalidate();
        d.Rows = std::make_shared<const std::vector<qint64>>(
            d.FilterOn ? d.FetchFiltered(FieldCount()) : d.FetchRowIds());
        d.RowsValid = true;
        int newPos = haveKey ? DoFindRowKey(key) : -1;
        SetPosition(newPos >= 0 ? newPos : pos);
        return int(d.Rows->size());
    }
    if (!d.RowsValid) {
        if (d.FilterOn) {
            d.Rows = std::make_shared<const std::vector<qint64>>(d.FetchFiltered(FieldCount()));
        } else {
            if (!d.AllRows || d.AllOrder != d.OrderSql) {
                d.AllRows = std::make_shared<const std::vector<qint64>>(d.FetchRowIds());
                d.AllOrder = d.OrderSql;
            }
            d.Rows = d.AllRows;
        }
        d.RowsValid = true;
        d.PosOfValid = false;
    }
    return int(d.Rows->size());
}

void TTable::DoReadRow(int pos, std::vector<QVariant>& values)
{
    TImpl& d = *D;
    if (d.Memory) {
        MemSync();
        if (pos < 0 || pos >= int(d.MemRows->size()))
            return;
        const int row = (*d.MemRows)[size_t(pos)];
        const TCacheData& snap = *d.Snap;
        for (size_t c = 0; c < snap.Columns.size(); ++c)
            values[size_t(d.ColumnField[c])] = snap.Columns[c].Value(row);
        for (size_t l = 0; l < d.MemLookups.size(); ++l)
            values[size_t(d.MemLookups[l].Field)] = MemLookupValue(l, row);
        return;
    }
    DoRowCount();
    if (pos < 0 || pos >= int(d.Rows->size()))
        return;
    qint64 key = (*d.Rows)[pos];
    auto cached = d.RowCache.constFind(key);
    if (cached != d.RowCache.constEnd()) {
        for (size_t i = 0; i < cached->size() && i < values.size(); ++i)
            if (d.FieldColumn[i] >= 0)
                values[i] = (*cached)[i];
        return;
    }
    QSqlQuery& q = d.Statement(QStringLiteral("SELECT %1 FROM %2 AS \"t\" WHERE %3 = ?").arg(d.SelectList, d.Table, d.RowId));
    q.bindValue(0, key);
    Exec(q, QStringLiteral("Ошибка чтения таблицы [%1]!").arg(FTableName));
    if (q.next())
        d.ReadValues(q, 0, values);
    q.finish();
}

bool TTable::DoReadsFields() const
{
    return D->Memory;
}

int TTable::DoLocateOne(int field, const QVariant& value, TLocateOptions options)
{
    if (D->Memory)
        return MemLocate(&field, &value, 1, options);
    return TDataSet::DoLocateOne(field, value, options);
}

bool TTable::DoReadInt(int pos, int field, qint32& value)
{
    TImpl& d = *D;
    if (!d.Memory || field >= int(d.Def.Fields.size()) || d.DefColumn[size_t(field)] < 0)
        return false;
    MemSync();
    if (pos < 0 || pos >= int(d.MemRows->size()))
        return false;
    return d.Snap->Columns[size_t(d.DefColumn[size_t(field)])].ReadInt((*d.MemRows)[size_t(pos)], value);
}

bool TTable::DoReadText(int pos, int field, QString& value)
{
    TImpl& d = *D;
    if (!d.Memory || field >= int(d.Def.Fields.size()) || d.DefColumn[size_t(field)] < 0)
        return false;
    MemSync();
    if (pos < 0 || pos >= int(d.MemRows->size()))
        return false;
    return d.Snap->Columns[size_t(d.DefColumn[size_t(field)])].ReadText((*d.MemRows)[size_t(pos)], value);
}

QVariant TTable::DoReadField(int pos, int field)
{
    TImpl& d = *D;
    MemSync();
    if (pos < 0 || pos >= int(d.MemRows->size()))
        return QVariant();
    const int row = (*d.MemRows)[size_t(pos)];
    const int defFields = int(d.Def.Fields.size());
    if (field < defFields) {
        const int column = d.DefColumn[size_t(field)];
        return column < 0 ? QVariant() : d.Snap->Columns[size_t(column)].Value(row);
    }
    return MemLookupValue(size_t(field - defFields), row);
}

qint64 TTable::DoRowKey(int pos)
{
    if (D->Memory) {
        MemSync();
        if (pos < 0 || pos >= int(D->MemRows->size()))
            return 0;
        return D->Snap->RowIds[size_t((*D->MemRows)[size_t(pos)])];
    }
    DoRowCount();
    if (pos < 0 || pos >= int(D->Rows->size()))
        return 0;
    return (*D->Rows)[pos];
}

namespace {
// The position of a value in a view's row list: a scan for short lists, otherwise a hash built
// once per view.
template <typename K>
int PositionIn(const std::vector<K>& rows, K key, QHash<K, int>& index, bool& indexValid)
{
    if (rows.size() <= 64) {
        auto it = std::find(rows.begin(), rows.end(), key);
        return it == rows.end() ? -1 : int(it - rows.begin());
    }
    if (!indexValid) {
        index.clear();
        index.reserve(qsizetype(rows.size()));
        for (size_t i = 0; i < rows.size(); ++i)
            index.insert(rows[i], int(i));
        indexValid = true;
    }
    return index.value(key, -1);
}
} // namespace

int TTable::DoFindRowKey(qint64 key)
{
    TImpl& d = *D;
    if (d.Memory) {
        MemSync();
        const int row = d.Snap->RowOf(key);
        return row < 0 ? -1 : MemPositionOfRow(row);
    }
    DoRowCount();
    return PositionIn(*d.Rows, key, d.PosOf, d.PosOfValid);
}

int TTable::DoLocate(const std::vector<int>& fields, const QVariantList& values, TLocateOptions options)
{
    TImpl& d = *D;
    if (d.Memory)
        return MemLocate(fields.data(), values.constData(), fields.size(), options);
    DoRowCount();
    bool plain = !options.CaseInsensitive && !options.PartialKey;
    for (int f : fields)
        if (d.FieldColumn[f] < 0 || Fields(f)->FieldKind() != TFieldKind::Data)
            plain = false;
    if (plain) {
        // Exact search: one statement in the current filter and order.
        QStringList conditions;
        QVariantList params;
        for (size_t i = 0; i < fields.size(); ++i) {
            const TFieldDef* fd = d.Def.FindField(Fields(fields[i])->FieldName());
            try {
                conditions.append(CompileFieldCondition(*fd, QStringLiteral("="), values[int(i)], *d.Dialect, params));
            } catch (const EValtrixError&) {
                return -1;   // a value that cannot be in the field is not there
            }
        }
        // In an order of our own the first match is the one with the lowest position.
        QString where = d.Where(conditions.join(QLatin1String(" AND ")));
        QString sql = d.OwnOrder ? QStringLiteral("SELECT %1 FROM %2 AS \"t\"%3").arg(d.RowId, d.Table, where)
                                 : QStringLiteral("SELECT %1 FROM %2 AS \"t\"%3 ORDER BY %4 LIMIT 1")
                                       .arg(d.RowId, d.Table, where, d.OrderSql);
        QSqlQuery& q = d.Statement(sql);
        QVariantList all = d.WhereParams(params);
        for (int i = 0; i < all.size(); ++i)
            q.bindValue(i, all[i]);
        Exec(q, QStringLiteral("Ошибка поиска в таблице [%1]!").arg(FTableName));
        int best = -1;
        while (q.next()) {
            int pos = DoFindRowKey(q.value(0).toLongLong());
            if (pos >= 0 && (best < 0 || pos < best))
                best = pos;
            if (!d.OwnOrder)
                break;
        }
        q.finish();
        return best;
    }
    for (int f : fields)
        if (d.FieldColumn[f] < 0)
            return TDataSet::DoLocate(fields, values, options);
    // Case-insensitive or partial: the letters of every alphabet count, so the comparison is ours.
    QStringList columns;
    for (int f : fields)
        columns.append(d.ColumnExpr[size_t(d.FieldColumn[f])]);
    QString sql = d.OwnOrder ? QStringLiteral("SELECT %1, %2 FROM %3 AS \"t\"%4")
                                   .arg(d.RowId, columns.join(QLatin1String(", ")), d.Table, d.Where(QString()))
                             : QStringLiteral("SELECT %1, %2 FROM %3 AS \"t\"%4 ORDER BY %5")
                                   .arg(d.RowId, columns.join(QLatin1String(", ")), d.Table, d.Where(QString()), d.OrderSql);
    QSqlQuery& q = d.Statement(sql);
    QVariantList params = d.WhereParams({});
    for (int i = 0; i < params.size(); ++i)
        q.bindValue(i, params[i]);
    Exec(q, QStringLiteral("Ошибка поиска в таблице [%1]!").arg(FTableName));
    int best = -1;
    while (q.next()) {
        bool all = true;
        for (size_t i = 0; i < fields.size() && all; ++i) {
            int c = d.FieldColumn[fields[i]];
            QVariant v = d.Dialect->FromStorage(d.ColumnType[c], d.ColumnSize[c], q.value(int(i) + 1));
            all = ValueMatches(d.ColumnType[c], v, values[int(i)], options);
        }
        if (!all)
            continue;
        int pos = DoFindRowKey(q.value(0).toLongLong());
        if (pos >= 0 && (best < 0 || pos < best))
            best = pos;
        if (!d.OwnOrder)
            break;
    }
    q.finish();
    return best;
}

qint64 TTable::DoPost(bool inserting, qint64 key, const std::vector<QVariant>& values, const std::vector<bool>& modified)
{
    TImpl& d = *D;
    QSqlDatabase db = d.Db->Db();
    QStringList columns;
    QVariantList params;
    auto fail = [&](const QSqlQuery& q) {
        if (d.Dialect->IsKeyViolation(q.lastError()))
            Fail(QStringLiteral("Запись с таким ключом уже есть в таблице [%1]!").arg(FTableName));
        Fail(QStringLiteral("Ошибка записи в таблицу [%1]!\r\n(%2)").arg(FTableName, SqlErrorText(q.lastError())));
    };
    if (inserting) {
        for (const TFieldDef& f : d.Def.Fields) {
            if (f.Kind != TFieldKind::Data)
                continue;
            int field = FindField(f.Name)->Index();
            QVariant v = values[field];
            if (f.Type == TFieldType::AutoInc) {
                QSqlQuery m(db);
                m.setForwardOnly(true);
                if (!m.exec(QStringLiteral("SELECT MAX(%1) FROM %2").arg(QuoteIdent(f.Name), d.Table)))
                    fail(m);
                qint64 next = 1;
                if (m.next() && !m.value(0).isNull())
                    next = m.value(0).toLongLong() + 1;
                v = QVariant(int(next));
            }
            columns.append(QuoteIdent(f.Name));
            params.append(d.Dialect->ToStorage(f.Type, v));
        }
        QStringList marks(columns.size(), QStringLiteral("?"));
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(d.Table, columns.join(QLatin1String(", ")), marks.join(QLatin1String(", "))));
        for (int i = 0; i < params.size(); ++i)
            q.bindValue(i, params[i]);
        if (!q.exec())
            fail(q);
        qint64 id = q.lastInsertId().toLongLong();
        d.Db->Touch(FTableName);
        if (d.Memory)
            d.Cache->Patch(id);
        return id;
    }
    QStringList sets;
    for (const TFieldDef& f : d.Def.Fields) {
        if (f.Kind != TFieldKind::Data || f.Type == TFieldType::AutoInc)
            continue;
        int field = FindField(f.Name)->Index();
        if (!modified[field])
            continue;
        sets.append(QuoteIdent(f.Name) + QStringLiteral(" = ?"));
        params.append(d.Dialect->ToStorage(f.Type, values[field]));
    }
    if (sets.isEmpty())
        return key;
    QSqlQuery q(db);
    q.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?").arg(d.Table, sets.join(QLatin1String(", ")), d.Dialect->RowId()));
    for (int i = 0; i < params.size(); ++i)
        q.bindValue(i, params[i]);
    q.bindValue(params.size(), key);
    if (!q.exec())
        fail(q);
    d.Db->Touch(FTableName);
    if (d.Memory)
        d.Cache->Patch(key);
    return key;
}

void TTable::DoDelete(qint64 key)
{
    TImpl& d = *D;
    QSqlQuery q(d.Db->Db());
    q.prepare(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(d.Table, d.Dialect->RowId()));
    q.bindValue(0, key);
    if (!q.exec())
        Fail(QStringLiteral("Ошибка удаления записи из таблицы [%1]!\r\n(%2)").arg(FTableName, SqlErrorText(q.lastError())));
    d.Db->Touch(FTableName);
}

void TTable::DoRefresh()
{
    D->Invalidate();
    if (D->Memory) {
        // Asked for by the user: what other programs committed is shown now.
        D->Db->PollExternal(true);
        D->MemRowsValid = false;
    }
}

// ---------------------------------------------------------------------------------------------
// Cached tables: the rows in memory.

void TTable::MemApply(const QString& indexName, const QString& indexFields, const QString& filter, bool filtered)
{
    TImpl& d = *D;
    // Everything is checked before anything changes, so a bad name or filter keeps the old view.
    const bool sameOrder = d.OrderKnown && indexName == d.KnownIndexName && indexFields == d.KnownIndexFields;
    TOrder order;
    if (!sameOrder)
        order = ResolveOrder(d.Def, FTableName, indexName, indexFields);
    std::shared_ptr<const TMemFilter> memFilter;
    if (filtered && !IsBlank(filter)) {
        auto it = d.MemFilters.constFind(filter);
        if (it != d.MemFilters.constEnd()) {
            memFilter = *it;
        } else {
            const TBoundFilter bound = BindFilter(filter, d.Def, *d.Dialect);
            if (bound.Root >= 0)
                memFilter = std::make_shared<const TMemFilter>(PrepareFilter(bound, d.DefColumn));
            if (d.MemFilters.size() >= MaxCompiledFilters)
                d.MemFilters.clear();
            d.MemFilters.insert(filter, memFilter);
        }
    }
    if (!sameOrder) {
        d.OrderFields = order.Fields;
        d.OrderCaseInsensitive = order.CaseInsensitive;
        d.CurrentIndex = order.Index;
        d.MemOrderColumns.clear();
        for (const QString& f : order.Fields)
            d.MemOrderColumns.push_back(d.DefColumn[size_t(d.Def.FieldIndex(f))]);
        d.KnownIndexName = indexName;
        d.KnownIndexFields = indexFields;
        d.OrderKnown = true;
        d.MemOrder.reset();
    }
    d.MemFilter = std::move(memFilter);
    d.MemRowsValid = false;
    d.MemPosOfValid = false;
    d.Db->PollExternal(false);
}

void TTable::MemSync()
{
    TImpl& d = *D;
    if (d.MemRowsValid && d.Cache->Fresh(d.Snap.get()) && d.SnapRevision == d.Snap->Revision)
        return;
    const std::shared_ptr<TCacheData>& current = d.Cache->Current();
    if (current != d.Snap || d.SnapRevision != current->Revision) {
        // Read again: stay on the same record when it is still shown.
        qint64 key = 0;
        bool haveKey = false;
        const int pos = CurrentPos();
        if (d.Snap && d.MemRowsValid && pos >= 0 && pos < int(d.MemRows->size())) {
            key = d.Snap->RowIds[size_t((*d.MemRows)[size_t(pos)])];
            haveKey = true;
        }
        d.Snap = current;
        d.MemOrder.reset();
        MemBuildRows();
        const int row = haveKey ? d.Snap->RowOf(key) : -1;
        const int newPos = row >= 0 ? MemPositionOfRow(row) : -1;
        SetPosition(newPos >= 0 ? newPos : pos);
        return;
    }
    if (!d.MemRowsValid)
        MemBuildRows();
}

void TTable::MemBuildRows()
{
    TImpl& d = *D;
    if (!d.MemOrder || d.SnapRevision != d.Snap->Revision)
        d.MemOrder = d.Snap->Order(d.MemOrderColumns, d.OrderCaseInsensitive);
    d.SnapRevision = d.Snap->Revision;
    if (!d.MemFilter)
        d.MemRows = std::shared_ptr<const std::vector<int>>(d.MemOrder, &d.MemOrder->Rows);
    else
        d.MemRows = std::make_shared<const std::vector<int>>(d.Snap->Select(*d.MemOrder, *d.MemFilter));
    d.MemRowsValid = true;
    d.MemPosOfValid = false;
}

int TTable::MemPositionOfRow(int row)
{
    TImpl& d = *D;
    if (!d.MemFilter)
        return d.MemOrder->Position[size_t(row)];
    return PositionIn(*d.MemRows, row, d.MemPosOf, d.MemPosOfValid);
}

QVariant TTable::MemLookupValue(size_t lookup, int row)
{
    TImpl& d = *D;
    const TImpl::TMemLookup& l = d.MemLookups[lookup];
    if (l.BySql) {
        QSqlQuery& q = d.Statement(QStringLiteral("SELECT %1 FROM %2 AS \"t\" WHERE %3 = ?").arg(l.Expr, d.Table, d.RowId));
        q.bindValue(0, d.Snap->RowIds[size_t(row)]);
        Exec(q, QStringLiteral("Ошибка чтения таблицы [%1]!").arg(FTableName));
        QVariant v;
        if (q.next())
            v = d.Dialect->FromStorage(l.Type, l.Size, q.value(0));
        q.finish();
        return v;
    }
    if (!l.Source)
        return QVariant();
    const TCell key = d.Snap->Columns[size_t(l.KeyColumn)].Cell(row);
    if (key.Class == TCell::TClass::Null)
        return QVariant();
    const std::shared_ptr<TCacheData>& source = l.Source->Current();
    const int found = source->LookupRow(l.SourceKey, key);
    if (found < 0)
        return QVariant();
    const TCacheColumn& result = source->Columns[size_t(l.Result)];
    QVariant v = result.Value(found);
    // The lookup's own size may be shorter than the field it shows.
    if (l.Type == TFieldType::String && l.Size > 0 && v.metaType().id() == QMetaType::QString && v.toString().size() > l.Size)
        return d.Dialect->FromStorage(l.Type, l.Size, result.Raw(found));
    if (result.Size != l.Size && l.Type != TFieldType::String)
        return d.Dialect->FromStorage(l.Type, l.Size, result.Raw(found));
    return v;
}

int TTable::MemLocate(const int* fields, const QVariant* values, size_t count, TLocateOptions options)
{
    TImpl& d = *D;
    d.Db->PollExternal(false);
    MemSync();
    const int defFields = int(d.Def.Fields.size());
    bool plain = !options.CaseInsensitive && !options.PartialKey;
    for (size_t i = 0; i < count; ++i)
        if (fields[i] >= defFields || d.DefColumn[size_t(fields[i])] < 0)
            plain = false;
    TCacheData& snap = *d.Snap;
    if (plain) {
        // Exact search: the rows of the first value's key in the current order, checked whole.
        std::vector<std::pair<int, TCell>> keys;
        keys.reserve(count);
        for (size_t i = 0; i < count; ++i) {
            const TFieldDef& fd = d.Def.Fields[fields[i]];
            const QVariant& value = values[i];
            const int type = value.metaType().id();
            const int column = d.DefColumn[size_t(fields[i])];
            // The usual searches, a code in a text field or a number in an integer one, need
            // none of the conversions: the constant is the value itself.
            if (fd.Type == TFieldType::String && type == QMetaType::QString) {
                keys.emplace_back(column, TCell::OfText(value.toString()));
                continue;
            }
            if ((fd.Type == TFieldType::Integer || fd.Type == TFieldType::AutoInc) && type == QMetaType::Int) {
                keys.emplace_back(column, TCell::OfNumber(value.toInt()));
                continue;
            }
            try {
                keys.emplace_back(column, TCell::FromVariant(BindFieldValue(fd, value, *d.Dialect)));
            } catch (const EValtrixError&) {
                return -1;   // a value that cannot be in the field is not there
            }
        }
        auto matches = [&](int row) {
            for (const auto& [column, key] : keys)
                if (!snap.Columns[size_t(column)].Equals(row, key))
                    return false;
            return true;
        };
        const std::vector<int>& keyed = snap.IndexRows(*d.MemOrder, keys[0].first, keys[0].second);
        if (d.MemFilter && d.MemRows->size() < keyed.size()) {
            const std::vector<int>& shown = *d.MemRows;
            for (size_t pos = 0; pos < shown.size(); ++pos)
                if (matches(shown[pos]))
                    return int(pos);
            return -1;
        }
        for (int row : keyed) {
            if (!matches(row))
                continue;
            if (!d.MemFilter)
                return d.MemOrder->Position[size_t(row)];
            if (snap.Matches(*d.MemFilter, row))
                return MemPositionOfRow(row);
        }
        return -1;
    }
    for (size_t i = 0; i < count; ++i)
        if (fields[i] >= int(d.FieldColumn.size()) || d.FieldColumn[size_t(fields[i])] < 0)
            return TDataSet::DoLocate(std::vector<int>(fields, fields + count), QVariantList(values, values + count), options);
    // Case-insensitive or partial: the letters of every alphabet count, so the comparison is ours.
    const std::vector<int>& shown = *d.MemRows;
    for (size_t pos = 0; pos < shown.size(); ++pos) {
        const int row = shown[pos];
        bool all = true;
        for (size_t i = 0; i < count && all; ++i) {
            const int f = fields[i];
            const int c = d.FieldColumn[size_t(f)];
            QVariant v;
            if (f < defFields)
                v = snap.Columns[size_t(d.DefColumn[size_t(f)])].Value(row);
            else
                v = MemLookupValue(size_t(f - defFields), row);
            all = ValueMatches(d.ColumnType[size_t(c)], v, values[i], options);
        }
        if (all)
            return int(pos);
    }
    return -1;
}

// =============================================================================================
// TQuery

struct TQuery::TImpl {
    struct TRow {
        qint64 Key;
        std::vector<QVariant> Values;
    };
    std::vector<TRow> Rows;
    qint64 NextKey = 1;
    QString Translated;
    QStringList ParamOrder;
    TDatabase* Main = nullptr;
    std::vector<TDatabase*> Involved;
    std::vector<const TTableDef*> Tables;   // the tables named, in order
    std::vector<QString> TableNames;        // their SQL names
    std::vector<TFieldType> Types;          // per column
    std::vector<int> Sizes;
    bool Registered = false;
};

namespace {

struct TTranslation {
    QString Sql;
    QStringList Params;
    TDatabase* Main = nullptr;
    std::vector<TDatabase*> Involved;
    std::vector<QString> TableNames;
    std::vector<TDatabase*> TableDatabases;
};

// Local SQL as the callers write it, into the database's own: ":ALIAS:File.DB" and "File.DB"
// become table names (other aliases attached), ":Name" parameters become "?".
TTranslation Translate(const QString& sql, TDatabase* own)
{
    static const QRegularExpression aliasRef(QStringLiteral("^:([^:]+):(.+)$"));
    static const QRegularExpression fileRef(QStringLiteral("^[^:\\\\/]+\\.db$"), QRegularExpression::CaseInsensitiveOption);

    struct TPiece {
        QString Text;
        TDatabase* Db = nullptr;    // a table reference when set
        QString Table;
    };
    std::vector<TPiece> pieces;
    TTranslation t;
    QString plain;
    auto flush = [&] {
        if (!plain.isEmpty()) {
            pieces.push_back({plain, nullptr, QString()});
            plain.clear();
        }
    };
    auto tableRef = [&](const QString& content) -> bool {
        auto m = aliasRef.match(content);
        if (m.hasMatch()) {
            TDatabase* db = TDatabase::FindDatabase(m.captured(1));
            if (!db)
                Fail(QStringLiteral("Псевдоним базы данных [%1] не найден!").arg(m.captured(1)));
            flush();
            pieces.push_back({QString(), db, m.captured(2)});
            return true;
        }
        if (own && fileRef.match(content).hasMatch()) {
            flush();
            pieces.push_back({QString(), own, content});
            return true;
        }
        return false;
    };
    int n = int(sql.size());
    for (int i = 0; i < n;) {
        QChar c = sql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            int j = i + 1;
            QString content;
            while (j < n) {
                if (sql[j] == c) {
                    if (j + 1 < n && sql[j + 1] == c) {
                        content += c;
                        j += 2;
                        continue;
                    }
                    break;
                }
                content += sql[j++];
            }
            int end = std::min(j + 1, n);
            if (!tableRef(content))
                plain += sql.mid(i, end - i);
            i = end;
        } else if (c == QLatin1Char(':') && i + 1 < n && (sql[i + 1].isLetter() || sql[i + 1] == QLatin1Char('_'))) {
            int j = i + 1;
            while (j < n && (sql[j].isLetterOrNumber() || sql[j] == QLatin1Char('_')))
                ++j;
            t.Params.append(sql.mid(i + 1, j - i - 1));
            plain += QLatin1Char('?');
            i = j;
        } else if (c == QLatin1Char('-') && i + 1 < n && sql[i + 1] == QLatin1Char('-')) {
            int j = sql.indexOf(QLatin1Char('\n'), i);
            if (j < 0)
                j = n;
            plain += sql.mid(i, j - i);
            i = j;
        } else {
            plain += c;
            ++i;
        }
    }
    flush();
    t.Main = own;
    for (const TPiece& p : pieces)
        if (p.Db && !t.Main)
            t.Main = p.Db;
    if (!t.Main)
        Fail(QStringLiteral("Для SQL-запроса не задана база данных!"));
    if (!t.Main->Connected())
        t.Main->Open();
    t.Involved.push_back(t.Main);
    for (const TPiece& p : pieces) {
        if (!p.Db) {
            t.Sql += p.Text;
            continue;
        }
        QString name = TableSqlName(p.Table);
        t.TableNames.push_back(name);
        t.TableDatabases.push_back(p.Db);
        if (p.Db == t.Main) {
            t.Sql += QuoteIdent(name);
            continue;
        }
        QString schema = QStringLiteral("vx_") + p.Db->AliasName();
        TDatabase::TImpl& main = t.Main->Impl();
        if (!main.Attached.contains(Lower(p.Db->AliasName()))) {
            if (!QFileInfo::exists(p.Db->FileName()))
                Fail(QStringLiteral("Файл базы данных [%1] не найден!").arg(p.Db->FileName()));
            QSqlDatabase db = main.Db();
            main.Dialect->Attach(db, p.Db->FileName(), schema);
            main.Attached.insert(Lower(p.Db->AliasName()));
        }
        if (std::find(t.Involved.begin(), t.Involved.end(), p.Db) == t.Involved.end())
            t.Involved.push_back(p.Db);
        t.Sql += QuoteIdent(schema) + QLatin1Char('.') + QuoteIdent(name);
    }
    return t;
}

} // namespace

TQuery::TQuery(TDatabase* database) : FDatabase(database), D(std::make_unique<TImpl>())
{
}

TQuery::~TQuery()
{
    try {
        Close();
    } catch (...) {
    }
}

void TQuery::SetDatabase(TDatabase* database)
{
    if (Active())
        Fail(QStringLiteral("Нельзя сменить базу данных открытого SQL-запроса!"));
    FDatabase = database;
}

void TQuery::SetSQL(const QString& sql)
{
    if (Active())
        Fail(QStringLiteral("Нельзя изменить текст открытого SQL-запроса!"));
    FSQL = sql;
    D->Translated.clear();
}

void TQuery::SetSQL(const QStringList& lines)
{
    SetSQL(lines.join(QLatin1String("\r\n")));
}

void TQuery::SetParam(const QString& name, const QVariant& value)
{
    QString key = Lower(name.startsWith(QLatin1Char(':')) ? name.mid(1) : name);
    FParams.insert(key, value);
}

QVariant TQuery::Param(const QString& name) const
{
    return FParams.value(Lower(name.startsWith(QLatin1Char(':')) ? name.mid(1) : name));
}

void TQuery::ClearParams()
{
    FParams.clear();
}

QString TQuery::TranslatedSQL() const
{
    if (D->Translated.isEmpty())
        D->Translated = Translate(FSQL, FDatabase).Sql;
    return D->Translated;
}

namespace {

void BindParams(QSqlQuery& q, const QStringList& order, const QHash<QString, QVariant>& values)
{
    for (int i = 0; i < order.size(); ++i) {
        QString key = Lower(order[i]);
        if (!values.contains(key))
            Fail(QStringLiteral("Не задано значение параметра [%1]!").arg(order[i]));
        QVariant v = values.value(key);
        switch (v.metaType().id()) {
        case QMetaType::QDate:
            v = v.toDate().toString(QStringLiteral("yyyy-MM-dd"));
            break;
        case QMetaType::Bool:
            v = v.toBool() ? 1 : 0;
            break;
        default:
            break;
        }
        q.bindValue(i, v);
    }
}

} // namespace

int TQuery::ExecSQL()
{
    TTranslation t = Translate(FSQL, FDatabase);
    D->Translated = t.Sql;
    QSqlQuery q(t.Main->Impl().Db());
    if (!q.prepare(t.Sql))
        Fail(SqlErrorText(q.lastError()));
    BindParams(q, t.Params, FParams);
    if (!q.exec())
        Fail(SqlErrorText(q.lastError()));
    int affected = q.numRowsAffected();
    for (TDatabase* db : t.Involved)
        db->Impl().TouchAll();
    return affected;
}

void TQuery::DoOpen()
{
    Load(true);
}

void TQuery::Load(bool defineFields)
{
    TTranslation t = Translate(FSQL, FDatabase);
    TImpl& d = *D;
    d.Translated = t.Sql;
    d.ParamOrder = t.Params;
    d.Main = t.Main;
    d.Involved = t.Involved;
    d.Rows.clear();
    d.NextKey = 1;
    d.Tables.clear();
    d.TableNames = t.TableNames;
    for (size_t i = 0; i < t.TableNames.size(); ++i)
        d.Tables.push_back(t.TableDatabases[i]->FindTableDef(t.TableNames[i]));

    QSqlQuery q(t.Main->Impl().Db());
    q.setForwardOnly(true);
    if (!q.prepare(t.Sql))
        Fail(SqlErrorText(q.lastError()));
    BindParams(q, t.Params, FParams);
    if (!q.exec())
        Fail(SqlErrorText(q.lastError()));
    QSqlRecord rec = q.record();
    int columns = rec.count();
    std::vector<std::vector<QVariant>> raw;
    while (q.next()) {
        std::vector<QVariant> row(static_cast<size_t>(columns));
        for (int c = 0; c < columns; ++c)
            row[c] = q.value(c);
        raw.push_back(std::move(row));
    }
    q.finish();

    // Field kinds: from the definition of the table a column comes from, else from the values.
    const TSqlDialect& dialect = *t.Main->Impl().Dialect;
    if (defineFields || int(d.Types.size()) != columns) {
        d.Types.assign(size_t(columns), TFieldType::String);
        d.Sizes.assign(size_t(columns), 0);
        QSet<QString> used;
        for (int c = 0; c < columns; ++c) {
            QSqlField sf = rec.field(c);
            QString name = sf.name();
            const TFieldDef* fd = nullptr;
            QString origin = sf.tableName();
            for (size_t i = 0; i < d.Tables.size() && !fd; ++i)
                if (d.Tables[i] && (origin.isEmpty() || d.TableNames[i].compare(origin, Qt::CaseInsensitive) == 0))
                    fd = d.Tables[i]->FindField(name);
            for (size_t i = 0; i < d.Tables.size() && !fd; ++i)
                if (d.Tables[i])
                    fd = d.Tables[i]->FindField(name);
            QString caption;
            if (fd && fd->Kind == TFieldKind::Data) {
                d.Types[c] = fd->Type;
                d.Sizes[c] = fd->Size;
                caption = fd->Caption;
            } else {
                for (const auto& row : raw) {
                    if (row[c].isNull())
                        continue;
                    int id = row[c].metaType().id();
                    d.Types[c] = (id == QMetaType::LongLong || id == QMetaType::Int) ? TFieldType::Integer
                               : id == QMetaType::Double                            ? TFieldType::Float
                                                                                    : TFieldType::String;
                    break;
                }
            }
            QString unique = name;
            for (int k = 1; used.contains(Lower(unique)); ++k)
                unique = name + QStringLiteral("_%1").arg(k);
            used.insert(Lower(unique));
            if (defineFields)
                AddField(unique, d.Types[c], d.Sizes[c], TFieldKind::Data, caption);
        }
    }
    for (auto& row : raw) {
        TImpl::TRow r;
        r.Key = d.NextKey++;
        r.Values.resize(size_t(columns));
        for (int c = 0; c < columns; ++c)
            r.Values[c] = dialect.FromStorage(d.Types[c], d.Sizes[c], row[c]);
        d.Rows.push_back(std::move(r));
    }
    d.Main->Impl().OpenSets.push_back(this);
    d.Registered = true;
}

void TQuery::DoClose()
{
    TImpl& d = *D;
    if (d.Registered && d.Main)
        d.Main->Impl().Unregister(this);
    d.Registered = false;
    d.Rows.clear();
}

int TQuery::DoRowCount()
{
    return int(D->Rows.size());
}

void TQuery::DoReadRow(int pos, std::vector<QVariant>& values)
{
    if (pos < 0 || pos >= int(D->Rows.size()))
        return;
    const auto& row = D->Rows[size_t(pos)].Values;
    for (size_t i = 0; i < row.size() && i < values.size(); ++i)
        values[i] = row[i];
}

qint64 TQuery::DoRowKey(int pos)
{
    if (pos < 0 || pos >= int(D->Rows.size()))
        return 0;
    return D->Rows[size_t(pos)].Key;
}

int TQuery::DoFindRowKey(qint64 key)
{
    for (size_t i = 0; i < D->Rows.size(); ++i)
        if (D->Rows[i].Key == key)
            return int(i);
    return -1;
}

qint64 TQuery::DoPost(bool inserting, qint64 key, const std::vector<QVariant>& values, const std::vector<bool>&)
{
    if (inserting) {
        TImpl::TRow r;
        r.Key = D->NextKey++;
        r.Values = values;
        D->Rows.push_back(std::move(r));
        return D->Rows.back().Key;
    }
    int pos = DoFindRowKey(key);
    if (pos >= 0)
        D->Rows[size_t(pos)].Values = values;
    return key;
}

void TQuery::DoDelete(qint64 key)
{
    int pos = DoFindRowKey(key);
    if (pos >= 0)
        D->Rows.erase(D->Rows.begin() + pos);
}

void TQuery::DoRefresh()
{
    // Read the rows again: the same statement, the same fields.
    TImpl& d = *D;
    d.Main->Impl().Unregister(this);
    d.Registered = false;
    Load(false);
}

// =============================================================================================
// TBulkInsert

struct TBulkInsert::TImpl {
    TDatabase* Database = nullptr;
    TTableDef Def;
    QList<TFieldDef> Fields;
    std::unique_ptr<QSqlQuery> Query;
    int Count = 0;
};

TBulkInsert::TBulkInsert(TDatabase& database, const QString& tableName) : D(std::make_unique<TImpl>())
{
    if (!database.Connected())
        database.Open();
    if (!database.TableExists(tableName))
        Fail(QStringLiteral("Таблица [%1] не найдена в базе данных [%2]!").arg(tableName, database.FileName()));
    const TTableDef* def = database.FindTableDef(tableName);
    if (!def)
        Fail(QStringLiteral("Нет описания таблицы [%1]!").arg(tableName));
    D->Database = &database;
    D->Def = *def;
    D->Fields = def->DataFields();
    QStringList columns;
    QStringList marks;
    for (const TFieldDef& f : D->Fields) {
        columns.append(QuoteIdent(f.Name));
        marks.append(QStringLiteral("?"));
    }
    D->Query = std::make_unique<QSqlQuery>(database.Impl().Db());
    if (!D->Query->prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                               .arg(QuoteIdent(TableSqlName(tableName)), columns.join(QLatin1String(", ")),
                                    marks.join(QLatin1String(", ")))))
        Fail(QStringLiteral("Ошибка записи в таблицу [%1]!\r\n(%2)").arg(tableName, SqlErrorText(D->Query->lastError())));
}

TBulkInsert::~TBulkInsert()
{
    if (D->Count > 0)
        D->Database->Impl().Touch(D->Def.SqlName());
}

const TTableDef& TBulkInsert::Def() const
{
    return D->Def;
}

QList<TFieldDef> TBulkInsert::Fields() const
{
    return D->Fields;
}

int TBulkInsert::Count() const
{
    return D->Count;
}

void TBulkInsert::Insert(const QVariantList& values)
{
    const TSqlDialect& dialect = *D->Database->Impl().Dialect;
    QSqlQuery& q = *D->Query;
    for (int i = 0; i < D->Fields.size(); ++i) {
        const TFieldDef& f = D->Fields[i];
        QVariant raw = i < values.size() ? values[i] : QVariant();
        bool ok = true;
        QVariant v = NormalizeValue(f.Type, f.Size, raw, &ok);
        if (!ok)
            Fail(QStringLiteral("Значение '%1' не подходит для поля [%2] таблицы [%3]!").arg(raw.toString(), f.Name, D->Def.FileName));
        q.bindValue(i, dialect.ToStorage(f.Type, v));
    }
    if (!q.exec()) {
        if (dialect.IsKeyViolation(q.lastError()))
            Fail(QStringLiteral("Запись с таким ключом уже есть в таблице [%1]!").arg(D->Def.FileName));
        Fail(QStringLiteral("Ошибка записи в таблицу [%1]!\r\n(%2)").arg(D->Def.FileName, SqlErrorText(q.lastError())));
    }
    ++D->Count;
    D->Database->Impl().Touch(D->Def.SqlName());
}

void TBulkInsert::Insert(const QHash<QString, QVariant>& values)
{
    QVariantList list;
    QHash<QString, QVariant> lower;
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        lower.insert(Lower(it.key()), it.value());
    for (const TFieldDef& f : D->Fields)
        list.append(lower.value(Lower(f.Name)));
    Insert(list);
}

// =============================================================================================
// Guarded open and close

namespace {
// Opens or closes a table or a query; a failure is shown with the data set's own message.
bool GuardedOpenClose(TDataSet* dataSet, bool open)
{
    auto* table = dynamic_cast<TTable*>(dataSet);
    auto* query = table ? nullptr : dynamic_cast<TQuery*>(dataSet);
    if (!table && !query) {
        ShowError(QStringLiteral("Неопределенный тип объекта TDBDataSet"));
        return false;
    }
    const QString action = open ? QStringLiteral("открытия") : QStringLiteral("закрытия");
    try {
        if (table)
            open ? table->Open() : table->Close();
        else
            open ? query->Open() : query->Close();
        return true;
    } catch (const std::exception& e) {
        if (table)
            ShowError(QStringLiteral("Ошибка %1 файла [%2]\r\n(%3)").arg(action, table->TableName(), ExceptionText(e)));
        else
            ShowError(QStringLiteral("Ошибка %1 SQL-запроса:\r\n(%2)\r\nSQL:\r\n(%3)").arg(action, ExceptionText(e), query->SQL()));
        return false;
    }
}
} // namespace

bool OpenDataSet(TDataSet* dataSet)
{
    return GuardedOpenClose(dataSet, true);
}

bool CloseDataSet(TDataSet* dataSet)
{
    return GuardedOpenClose(dataSet, false);
}

} // namespace vx
