#include "db/VXTableCache.h"
#include "db/VXTableSql.h"
#include "foundation/VXError.h"
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <cmath>

namespace vx {

namespace {

const QString EmptyText = QStringLiteral("");   // a stored '' (not NULL)

bool IsTextLikeType(TFieldType t)
{
    return t == TFieldType::String || t == TFieldType::Date || t == TFieldType::DateTime;
}

int CompareNumberWith(double v, const TCell& k)
{
    if (k.Class == TCell::TClass::Number)
        return v < k.Number ? -1 : (v > k.Number ? 1 : 0);
    return k.Class == TCell::TClass::Text ? -1 : 1;
}

int CompareTextWith(QStringView s, const TCell& k)
{
    if (k.Class == TCell::TClass::Text)
        return CompareCodePoints(s, k.Text);
    return 1;
}

bool Holds(TFilterOp op, int cmp)
{
    switch (op) {
    case TFilterOp::Eq: return cmp == 0;
    case TFilterOp::Ne: return cmp != 0;
    case TFilterOp::Lt: return cmp < 0;
    case TFilterOp::Le: return cmp <= 0;
    case TFilterOp::Gt: return cmp > 0;
    case TFilterOp::Ge: return cmp >= 0;
    }
    return false;
}

constexpr double ExactIntegers = 9007199254740992.0;   // 2^53

} // namespace

// =============================================================================================
// Cells

TCell TCell::OfNumber(double value)
{
    TCell c;
    c.Class = TClass::Number;
    c.Number = value == 0 ? 0.0 : value;   // -0 and 0 are one key
    return c;
}

TCell TCell::OfText(const QString& value)
{
    TCell c;
    c.Class = TClass::Text;
    c.Text = value.isNull() ? EmptyText : value;
    return c;
}

TCell TCell::FromVariant(const QVariant& v)
{
    if (v.isNull())
        return TCell();
    switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Double:
    case QMetaType::Float:
        return OfNumber(v.toDouble());
    case QMetaType::Bool:
        return OfNumber(v.toBool() ? 1 : 0);
    default:
        return OfText(v.toString());
    }
}

bool TCell::operator==(const TCell& other) const
{
    if (Class != other.Class)
        return false;
    switch (Class) {
    case TClass::Null: return true;
    case TClass::Number: return Number == other.Number;
    case TClass::Text: return Text == other.Text;
    }
    return false;
}

size_t qHash(const TCell& cell, size_t seed)
{
    using ::qHash;
    switch (cell.Class) {
    case TCell::TClass::Null: return seed;
    case TCell::TClass::Number: return qHash(cell.Number, seed) ^ 0x5bd1e995u;
    case TCell::TClass::Text: return qHash(cell.Text, seed);
    }
    return seed;
}

int CompareCodePoints(QStringView a, QStringView b)
{
    const char16_t* p = a.utf16();
    const char16_t* q = b.utf16();
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] == q[i])
            continue;
        // Surrogates stand for code points above every other UTF-16 unit.
        auto fix = [](char16_t c) -> unsigned { return c >= 0xD800 ? (c >= 0xE000 ? c - 0x800u : c + 0x2000u) : c; };
        return fix(p[i]) < fix(q[i]) ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

int CompareCells(const TCell& a, const TCell& b)
{
    if (a.Class != b.Class)
        return a.Class < b.Class ? -1 : 1;
    switch (a.Class) {
    case TCell::TClass::Null: return 0;
    case TCell::TClass::Number: return a.Number < b.Number ? -1 : (a.Number > b.Number ? 1 : 0);
    case TCell::TClass::Text: return CompareCodePoints(a.Text, b.Text);
    }
    return 0;
}

int CompareOrderKey(TFieldType type, const QVariant& a, const QVariant& b)
{
    if (IsTextLikeType(type)) {
        QString x = a.isNull() ? QString() : a.toString();
        QString y = b.isNull() ? QString() : b.toString();
        return x.compare(y, Qt::CaseInsensitive);
    }
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull() ? 0 : (a.isNull() ? -1 : 1);
    double x = a.toDouble(), y = b.toDouble();
    return x < y ? -1 : (x > y ? 1 : 0);
}

// =============================================================================================
// Columns

bool TCacheColumn::IsNull(int row) const
{
    switch (FKind) {
    case TKind::Int: return FInts[size_t(row)] == NullInt;
    case TKind::Real: return std::isnan(FReals[size_t(row)]);
    case TKind::Text: return FTexts[size_t(row)].isNull();
    case TKind::Mixed: return FMixed[size_t(row)].isNull();
    }
    return true;
}

TCell TCacheColumn::Cell(int row) const
{
    switch (FKind) {
    case TKind::Int: {
        const qint32 v = FInts[size_t(row)];
        return v == NullInt ? TCell() : TCell::OfNumber(v);
    }
    case TKind::Real: {
        const double v = FReals[size_t(row)];
        return std::isnan(v) ? TCell() : TCell::OfNumber(v);
    }
    case TKind::Text: {
        const QString& s = FTexts[size_t(row)];
        return s.isNull() ? TCell() : TCell::OfText(s);
    }
    case TKind::Mixed:
        return TCell::FromVariant(FMixed[size_t(row)]);
    }
    return TCell();
}

TCell TCacheColumn::KeyCell(int row) const
{
    TCell c = Cell(row);
    if (c.Class == TCell::TClass::Null)
        return TextLike ? TCell::OfText(EmptyText) : TCell::OfNumber(0);
    return c;
}

QVariant TCacheColumn::Raw(int row) const
{
    if (IsNull(row))
        return QVariant();
    switch (FKind) {
    case TKind::Int: return QVariant(qlonglong(FInts[size_t(row)]));
    case TKind::Real: return QVariant(FReals[size_t(row)]);
    case TKind::Text: return QVariant(FTexts[size_t(row)]);
    case TKind::Mixed: return FMixed[size_t(row)];
    }
    return QVariant();
}

QVariant TCacheColumn::Value(int row) const
{
    // An empty stored value always reads as an empty field.
    switch (FRead) {
    case TRead::AsInt: {
        const qint32 v = FInts[size_t(row)];
        return v == NullInt ? QVariant() : QVariant(int(v));
    }
    case TRead::AsBool: {
        const qint32 v = FInts[size_t(row)];
        return v == NullInt ? QVariant() : QVariant(v != 0);
    }
    case TRead::IntAsReal: {
        const qint32 v = FInts[size_t(row)];
        return v == NullInt ? QVariant() : QVariant(double(v));
    }
    case TRead::AsReal: {
        const double v = FReals[size_t(row)];
        return std::isnan(v) ? QVariant() : QVariant(v);
    }
    case TRead::RealCanon: {
        const double v = FCanon[size_t(row)];
        return std::isnan(v) ? QVariant() : QVariant(v);
    }
    case TRead::AsText: {
        const QString& s = FTexts[size_t(row)];
        return s.isEmpty() ? QVariant() : QVariant(s);
    }
    case TRead::Convert:
        break;
    }
    if (IsNull(row))
        return QVariant();
    return FDialect->FromStorage(Type, Size, Raw(row));
}

bool TCacheColumn::ReadInt(int row, qint32& value) const
{
    switch (FRead) {
    case TRead::AsInt:
    case TRead::IntAsReal: {   // whole numbers: a double of one rounds to itself
        const qint32 v = FInts[size_t(row)];
        value = v == NullInt ? 0 : v;
        return true;
    }
    case TRead::AsBool: {
        const qint32 v = FInts[size_t(row)];
        value = v == NullInt || v == 0 ? 0 : 1;
        return true;
    }
    default:
        return false;
    }
}

bool TCacheColumn::ReadText(int row, QString& value) const
{
    if (FRead != TRead::AsText)
        return false;
    const QString& s = FTexts[size_t(row)];
    value = s.isEmpty() ? QString() : s;
    return true;
}

int TCacheColumn::Compare(int row, const TCell& k) const
{
    switch (FKind) {
    case TKind::Int: {
        const qint32 v = FInts[size_t(row)];
        if (v != NullInt)
            return CompareNumberWith(v, k);
        break;
    }
    case TKind::Real: {
        const double v = FReals[size_t(row)];
        if (!std::isnan(v))
            return CompareNumberWith(v, k);
        break;
    }
    case TKind::Text: {
        const QString& s = FTexts[size_t(row)];
        if (!s.isNull())
            return CompareTextWith(s, k);
        break;
    }
    case TKind::Mixed: {
        const TCell c = TCell::FromVariant(FMixed[size_t(row)]);
        if (c.Class != TCell::TClass::Null)
            return CompareCells(c, k);
        break;
    }
    }
    return TextLike ? CompareTextWith(QStringView(), k) : CompareNumberWith(0, k);
}

bool TCacheColumn::Equals(int row, const TCell& k) const
{
    if (FKind == TKind::Text && k.Class == TCell::TClass::Text) {
        const QString& s = FTexts[size_t(row)];
        if (!s.isNull())
            return s.size() == k.Text.size() && s == k.Text;
        return TextLike && k.Text.isEmpty();
    }
    return Compare(row, k) == 0;
}

void TCacheColumn::Set(int row, const QVariant& raw)
{
    const size_t i = size_t(row);
    if (FKind == TKind::Mixed) {
        FMixed[i] = raw;
        return;
    }
    if (raw.isNull()) {
        switch (FKind) {
        case TKind::Int: FInts[i] = NullInt; break;
        case TKind::Real: FReals[i] = std::nan(""); break;
        case TKind::Text: FTexts[i] = QString(); break;
        case TKind::Mixed: break;
        }
        return;
    }
    const int id = raw.metaType().id();
    const bool integer = id == QMetaType::LongLong || id == QMetaType::Int || id == QMetaType::UInt
                      || id == QMetaType::Short || id == QMetaType::UShort;
    if (integer) {
        const qint64 n = raw.toLongLong();
        if (FKind == TKind::Int && n > NullInt && n <= std::numeric_limits<qint32>::max()) {
            FInts[i] = qint32(n);
            return;
        }
        if (FKind == TKind::Int && std::fabs(double(n)) <= ExactIntegers)
            ToReal();
        if (FKind == TKind::Real && std::fabs(double(n)) <= ExactIntegers) {
            FReals[i] = double(n);
            return;
        }
    } else if (id == QMetaType::Double || id == QMetaType::Float) {
        if (FKind == TKind::Int)
            ToReal();
        if (FKind == TKind::Real && !std::isnan(raw.toDouble())) {
            FReals[i] = raw.toDouble();
            return;
        }
    } else if (id == QMetaType::QString && FKind == TKind::Text) {
        const QString text = raw.toString();
        FTexts[i] = text.isEmpty() ? EmptyText : text;
        return;
    }
    ToMixed();
    FMixed[i] = raw;
}

void TCacheColumn::Reserve(int rows)
{
    FInts.reserve(size_t(rows));
}

void TCacheColumn::ToReal()
{
    FReals.reserve(FInts.capacity());
    for (qint32 v : FInts)
        FReals.push_back(v == NullInt ? std::nan("") : double(v));
    FInts = {};
    FKind = TKind::Real;
}

void TCacheColumn::ToMixed()
{
    const int n = FKind == TKind::Int ? int(FInts.size()) : FKind == TKind::Real ? int(FReals.size()) : int(FTexts.size());
    FMixed.reserve(size_t(n));
    for (int i = 0; i < n; ++i)
        FMixed.push_back(Raw(i));
    FInts = {};
    FReals = {};
    FTexts = {};
    FKind = TKind::Mixed;
}

void TCacheColumn::Append(const QVariant& raw, QHash<QString, QString>& texts)
{
    const int count = FKind == TKind::Int ? int(FInts.size())
                    : FKind == TKind::Real ? int(FReals.size())
                    : FKind == TKind::Text ? int(FTexts.size()) : int(FMixed.size());
    if (raw.isNull()) {
        switch (FKind) {
        case TKind::Int: FInts.push_back(NullInt); break;
        case TKind::Real: FReals.push_back(std::nan("")); break;
        case TKind::Text: FTexts.push_back(QString()); break;
        case TKind::Mixed: FMixed.push_back(QVariant()); break;
        }
        return;
    }
    // Only empty values so far: the first value decides the kind.
    auto restart = [&](TKind kind) {
        FInts = {};
        FReals = {};
        FTexts = {};
        FMixed = {};
        FKind = kind;
        switch (kind) {
        case TKind::Int: FInts.assign(size_t(count), NullInt); break;
        case TKind::Real: FReals.assign(size_t(count), std::nan("")); break;
        case TKind::Text: FTexts.assign(size_t(count), QString()); break;
        case TKind::Mixed: FMixed.assign(size_t(count), QVariant()); break;
        }
    };
    ++FValues;
    const int id = raw.metaType().id();
    const bool integer = id == QMetaType::LongLong || id == QMetaType::Int || id == QMetaType::UInt
                      || id == QMetaType::ULongLong || id == QMetaType::Short || id == QMetaType::UShort;
    if (integer && id != QMetaType::ULongLong) {
        const qint64 n = raw.toLongLong();
        if (FValues == 1 && FKind != TKind::Int)
            restart(TKind::Int);
        if (FKind == TKind::Int) {
            if (n > NullInt && n <= std::numeric_limits<qint32>::max()) {
                FInts.push_back(qint32(n));
                return;
            }
            if (std::fabs(double(n)) <= ExactIntegers)
                ToReal();
            else
                ToMixed();
        }
        if (FKind == TKind::Real && std::fabs(double(n)) <= ExactIntegers) {
            FReals.push_back(double(n));
            return;
        }
        if (FKind != TKind::Mixed)
            ToMixed();
        FMixed.push_back(raw);
        return;
    }
    if (id == QMetaType::Double || id == QMetaType::Float) {
        const double d = raw.toDouble();
        if (FValues == 1 && FKind != TKind::Real)
            restart(TKind::Real);
        if (FKind == TKind::Int)
            ToReal();
        if (FKind == TKind::Real && !std::isnan(d)) {
            FReals.push_back(d);
            return;
        }
        if (FKind != TKind::Mixed)
            ToMixed();
        FMixed.push_back(raw);
        return;
    }
    if (id == QMetaType::QString) {
        if (FValues == 1 && FKind != TKind::Text)
            restart(TKind::Text);
        if (FKind == TKind::Text) {
            QString s = raw.toString();
            if (s.isEmpty()) {
                FTexts.push_back(EmptyText);
                return;
            }
            // Codes and colours repeat across rows: one copy of each text.
            auto it = texts.constFind(s);
            if (it != texts.constEnd()) {
                FTexts.push_back(*it);
            } else {
                texts.insert(s, s);
                FTexts.push_back(s);
            }
            return;
        }
    }
    if (FValues == 1 && FKind != TKind::Mixed)
        restart(TKind::Mixed);
    if (FKind != TKind::Mixed)
        ToMixed();
    FMixed.push_back(raw);
}

void TCacheColumn::Finish(const TSqlDialect& dialect)
{
    FDialect = &dialect;
    TextLike = IsTextLikeType(Type);
    FRead = TRead::Convert;
    FCanon = {};
    switch (FKind) {
    case TKind::Int:
        switch (Type) {
        case TFieldType::SmallInt: {
            bool fits = true;
            for (qint32 v : FInts)
                fits = fits && (v == NullInt || (v >= -32768 && v <= 32767));
            if (fits)
                FRead = TRead::AsInt;
            break;
        }
        case TFieldType::Integer:
        case TFieldType::AutoInc:
            FRead = TRead::AsInt;
            break;
        case TFieldType::Boolean:
            FRead = TRead::AsBool;
            break;
        case TFieldType::Decimal:
        case TFieldType::Money:
        case TFieldType::Float:
            FRead = TRead::IntAsReal;
            break;
        default:
            break;
        }
        break;
    case TKind::Real:
        if (Type == TFieldType::Float) {
            FRead = TRead::AsReal;
        } else if (Type == TFieldType::Decimal || Type == TFieldType::Money) {
            // Rounded to the field as the engine reads it; few distinct values per column.
            QHash<double, double> memo;
            FCanon.reserve(FReals.size());
            for (double v : FReals) {
                if (std::isnan(v)) {
                    FCanon.push_back(v);
                    continue;
                }
                auto it = memo.constFind(v);
                if (it == memo.constEnd())
                    it = memo.insert(v, dialect.FromStorage(Type, Size, QVariant(v)).toDouble());
                FCanon.push_back(*it);
            }
            FRead = TRead::RealCanon;
        }
        break;
    case TKind::Text:
        if (Type == TFieldType::String) {
            bool fits = true;
            for (const QString& s : FTexts)
                fits = fits && (Size <= 0 || s.size() <= Size);
            if (fits)
                FRead = TRead::AsText;
        }
        break;
    case TKind::Mixed:
        break;
    }
}

// =============================================================================================
// Filters

TMemFilter PrepareFilter(const TBoundFilter& bound, const std::vector<int>& fieldColumn)
{
    TMemFilter f;
    f.Root = bound.Root;
    f.Terms.reserve(bound.Terms.size());
    for (const TBoundTerm& b : bound.Terms) {
        TMemFilter::TTerm t;
        t.Kind = b.Kind;
        t.Op = b.Op;
        t.Result = b.Result;
        t.A = b.A;
        t.B = b.B;
        if (b.Kind == TBoundTerm::TKind::FieldValue || b.Kind == TBoundTerm::TKind::FieldField)
            t.A = fieldColumn[size_t(b.A)];
        if (b.Kind == TBoundTerm::TKind::FieldField)
            t.B = fieldColumn[size_t(b.B)];
        if (b.Kind == TBoundTerm::TKind::FieldValue)
            t.Value = TCell::FromVariant(b.Value);
        f.Terms.push_back(std::move(t));
    }
    // Equalities every shown row must satisfy: the comparisons of the top "and" chain.
    std::vector<int> pending;
    if (f.Root >= 0)
        pending.push_back(f.Root);
    std::vector<int> chain;
    while (!pending.empty()) {
        const int i = pending.back();
        pending.pop_back();
        const TMemFilter::TTerm& t = f.Terms[size_t(i)];
        if (t.Kind == TBoundTerm::TKind::And) {
            pending.push_back(t.B);
            pending.push_back(t.A);
        } else {
            chain.push_back(i);
        }
    }
    for (int i : chain) {
        const TMemFilter::TTerm& t = f.Terms[size_t(i)];
        if (t.Kind == TBoundTerm::TKind::FieldValue && t.Op == TFilterOp::Eq)
            f.Keys.emplace_back(t.A, t.Value);
    }
    return f;
}

// =============================================================================================
// Rows

std::shared_ptr<TCacheData> TCacheData::Load(QSqlDatabase db, const TTableDef& def, const TSqlDialect& dialect)
{
    auto data = std::make_shared<TCacheData>();
    QStringList columns;
    for (const TFieldDef& f : def.Fields) {
        if (f.Kind != TFieldKind::Data)
            continue;
        columns.append(QuoteIdent(f.Name));
        TCacheColumn c;
        c.Type = f.Type;
        c.Size = f.Size;
        data->Columns.push_back(std::move(c));
    }
    const QString sql = QStringLiteral("SELECT %1%2 FROM %3 ORDER BY %1")
                            .arg(dialect.RowId(), columns.isEmpty() ? QString() : QStringLiteral(", ") + columns.join(QLatin1String(", ")),
                                 QuoteIdent(def.SqlName()));
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(sql) || !q.exec())
        throw EValtrixError(QStringLiteral("Ошибка чтения таблицы [%1]!\r\n(%2)").arg(def.FileName, SqlErrorText(q.lastError())));
    const int n = int(data->Columns.size());
    std::vector<QHash<QString, QString>> texts(static_cast<size_t>(n));
    while (q.next()) {
        data->RowIds.push_back(q.value(0).toLongLong());
        for (int c = 0; c < n; ++c)
            data->Columns[size_t(c)].Append(q.value(c + 1), texts[size_t(c)]);
    }
    if (q.lastError().isValid())
        throw EValtrixError(QStringLiteral("Ошибка чтения таблицы [%1]!\r\n(%2)").arg(def.FileName, SqlErrorText(q.lastError())));
    q.finish();
    for (TCacheColumn& c : data->Columns)
        c.Finish(dialect);

    const qint64 rows = qint64(data->RowIds.size());
    const qint64 last = rows == 0 ? 0 : data->RowIds.back();
    if (rows == 0 || (data->RowIds.front() >= 0 && last <= 2 * rows + 1024)) {
        data->FRowOfDense.assign(size_t(last + 1), -1);
        for (int i = 0; i < rows; ++i)
            data->FRowOfDense[size_t(data->RowIds[size_t(i)])] = i;
    } else {
        data->FRowOfSparse.reserve(rows);
        for (int i = 0; i < rows; ++i)
            data->FRowOfSparse.insert(data->RowIds[size_t(i)], i);
    }
    return data;
}

int TCacheData::RowOf(qint64 rowId) const
{
    if (!FRowOfDense.empty() || FRowOfSparse.isEmpty()) {
        if (rowId < 0 || rowId >= qint64(FRowOfDense.size()))
            return -1;
        return FRowOfDense[size_t(rowId)];
    }
    return FRowOfSparse.value(rowId, -1);
}

const std::shared_ptr<TCacheOrder>& TCacheData::Order(const std::vector<int>& columns, bool caseInsensitive)
{
    bool own = false;
    for (int c : columns)
        own = own || (caseInsensitive && Columns[size_t(c)].Type == TFieldType::String);
    auto key = std::make_pair(columns, own);
    auto it = FOrders.find(key);
    if (it != FOrders.end())
        return it->second;

    auto order = std::make_shared<TCacheOrder>();
    const int n = RowCount();
    order->Rows.resize(size_t(n));
    for (int i = 0; i < n; ++i)
        order->Rows[size_t(i)] = i;
    if (!columns.empty()) {
        // Rows come in rowid order, so a stable sort leaves ties by rowid as the database does.
        if (own) {
            std::vector<std::vector<QVariant>> keys(columns.size());
            for (size_t k = 0; k < columns.size(); ++k) {
                keys[k].reserve(size_t(n));
                for (int i = 0; i < n; ++i)
                    keys[k].push_back(Columns[size_t(columns[k])].Raw(i));
            }
            std::stable_sort(order->Rows.begin(), order->Rows.end(), [&](int a, int b) {
                for (size_t k = 0; k < columns.size(); ++k)
                    if (int c = CompareOrderKey(Columns[size_t(columns[k])].Type, keys[k][size_t(a)], keys[k][size_t(b)]); c != 0)
                        return c < 0;
                return false;
            });
        } else {
            std::vector<std::vector<TCell>> keys(columns.size());
            for (size_t k = 0; k < columns.size(); ++k) {
                keys[k].reserve(size_t(n));
                for (int i = 0; i < n; ++i)
                    keys[k].push_back(Columns[size_t(columns[k])].Cell(i));
            }
            std::stable_sort(order->Rows.begin(), order->Rows.end(), [&](int a, int b) {
                for (size_t k = 0; k < columns.size(); ++k)
                    if (int c = CompareCells(keys[k][size_t(a)], keys[k][size_t(b)]); c != 0)
                        return c < 0;
                return false;
            });
        }
    }
    order->Position.resize(size_t(n));
    for (int i = 0; i < n; ++i)
        order->Position[size_t(order->Rows[size_t(i)])] = i;
    return FOrders.emplace(std::move(key), std::move(order)).first->second;
}

bool TCacheData::ReadRow(QSqlDatabase db, const TTableDef& def, const TSqlDialect& dialect, qint64 rowId,
                         std::vector<QVariant>& raw)
{
    QStringList columns;
    for (const TFieldDef& f : def.Fields)
        if (f.Kind == TFieldKind::Data)
            columns.append(QuoteIdent(f.Name));
    if (columns.isEmpty())
        return false;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                       .arg(columns.join(QLatin1String(", ")), QuoteIdent(def.SqlName()), dialect.RowId())))
        return false;
    q.addBindValue(rowId);
    if (!q.exec() || !q.next())
        return false;
    raw.resize(size_t(columns.size()));
    for (int c = 0; c < columns.size(); ++c)
        raw[size_t(c)] = q.value(c);
    q.finish();
    return true;
}

void TCacheData::PutRow(qint64 rowId, const std::vector<QVariant>& raw, const TSqlDialect& dialect)
{
    int row = RowOf(rowId);
    std::vector<bool> changed(Columns.size(), row < 0);
    if (row < 0) {
        // A new row, last by rowid.
        row = RowCount();
        RowIds.push_back(rowId);
        QHash<QString, QString> texts;
        for (size_t c = 0; c < Columns.size(); ++c)
            Columns[c].Append(raw[c], texts);
        if (!FRowOfDense.empty() && rowId >= 0 && rowId < qint64(FRowOfDense.size()) + 1024 + 2 * qint64(RowIds.size())) {
            if (rowId >= qint64(FRowOfDense.size()))
                FRowOfDense.resize(size_t(rowId + 1), -1);
            FRowOfDense[size_t(rowId)] = row;
        } else {
            if (!FRowOfDense.empty()) {
                for (size_t i = 0; i + 1 < RowIds.size(); ++i)
                    FRowOfSparse.insert(RowIds[i], int(i));
                FRowOfDense.clear();
            }
            FRowOfSparse.insert(rowId, row);
        }
    } else {
        for (size_t c = 0; c < Columns.size(); ++c) {
            if (TCell::FromVariant(raw[c]) == Columns[c].Cell(row))
                continue;
            Columns[c].Set(row, raw[c]);
            changed[c] = true;
        }
    }
    for (size_t c = 0; c < Columns.size(); ++c)
        if (changed[c])
            Columns[c].Finish(dialect);
    // Orders by a changed column and the indexes of changed columns are made again.
    for (auto it = FOrders.begin(); it != FOrders.end();) {
        bool touched = false;
        for (int c : it->first.first)
            touched = touched || changed[size_t(c)];
        if (touched || RowCount() != int(it->second->Rows.size())) {
            it = FOrders.erase(it);
            continue;
        }
        for (auto index = it->second->Indexes.begin(); index != it->second->Indexes.end();)
            index = changed[size_t(index->first)] ? it->second->Indexes.erase(index) : std::next(index);
        ++it;
    }
    for (auto it = FLookups.begin(); it != FLookups.end();)
        it = changed[size_t(it->first)] ? FLookups.erase(it) : std::next(it);
    ++Revision;
}

const std::vector<int>& TCacheData::IndexRows(TCacheOrder& order, int column, const TCell& key)
{
    static const std::vector<int> none;
    auto it = order.Indexes.find(column);
    if (it == order.Indexes.end()) {
        TCellIndex index;
        const TCacheColumn& c = Columns[size_t(column)];
        for (int row : order.Rows)
            index[c.KeyCell(row)].push_back(row);
        it = order.Indexes.emplace(column, std::move(index)).first;
    }
    auto found = it->second.find(key);
    return found == it->second.end() ? none : found->second;
}

int TCacheData::LookupRow(int column, const TCell& key)
{
    if (key.Class == TCell::TClass::Null)
        return -1;
    auto it = FLookups.find(column);
    if (it == FLookups.end()) {
        std::unordered_map<TCell, int, TCellHash> index;
        const TCacheColumn& c = Columns[size_t(column)];
        for (int row = 0; row < RowCount(); ++row) {
            TCell cell = c.Cell(row);
            if (cell.Class != TCell::TClass::Null)
                index.emplace(std::move(cell), row);   // the first row of a key stays
        }
        it = FLookups.emplace(column, std::move(index)).first;
    }
    auto found = it->second.find(key);
    return found == it->second.end() ? -1 : found->second;
}

bool TCacheData::Eval(const TMemFilter& f, int term, int row) const
{
    const TMemFilter::TTerm& t = f.Terms[size_t(term)];
    switch (t.Kind) {
    case TBoundTerm::TKind::And:
        return Eval(f, t.A, row) && Eval(f, t.B, row);
    case TBoundTerm::TKind::Or:
        return Eval(f, t.A, row) || Eval(f, t.B, row);
    case TBoundTerm::TKind::Not:
        return !Eval(f, t.A, row);
    case TBoundTerm::TKind::Constant:
        return t.Result;
    case TBoundTerm::TKind::FieldValue: {
        const TCacheColumn& c = Columns[size_t(t.A)];
        if (t.Op == TFilterOp::Eq)
            return c.Equals(row, t.Value);
        if (t.Op == TFilterOp::Ne)
            return !c.Equals(row, t.Value);
        return Holds(t.Op, c.Compare(row, t.Value));
    }
    case TBoundTerm::TKind::FieldField:
        return Holds(t.Op, CompareCells(Columns[size_t(t.A)].KeyCell(row), Columns[size_t(t.B)].KeyCell(row)));
    }
    return false;
}

bool TCacheData::Matches(const TMemFilter& filter, int row) const
{
    return filter.Root < 0 || Eval(filter, filter.Root, row);
}

std::vector<int> TCacheData::Select(TCacheOrder& order, const TMemFilter& filter)
{
    std::vector<int> rows;
    if (filter.Root < 0)
        return order.Rows;
    const std::vector<int>* candidates = &order.Rows;
    // The equality with the fewest rows narrows the walk; the whole filter still decides.
    for (const auto& [column, key] : filter.Keys) {
        const std::vector<int>& keyed = IndexRows(order, column, key);
        if (keyed.size() < candidates->size())
            candidates = &keyed;
        if (candidates->empty())
            break;
    }
    for (int row : *candidates)
        if (Eval(filter, filter.Root, row))
            rows.push_back(row);
    return rows;
}

} // namespace vx
