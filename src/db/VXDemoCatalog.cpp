#include "db/VXDemoCatalog.h"
#include "config/CfgList.h"
#include "config/VXIniFile.h"
#include "db/VXSchema.h"
#include "db/VXTableEngine.h"
#include "db/VXTableSql.h"
#include "foundation/VXCodePage.h"
#include "foundation/VXError.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <memory>
#include <unordered_map>

namespace vx {

namespace {

const QString DemoResourceDir = QStringLiteral(":/demo-catalog");

// ---------------------------------------------------------------------------------------------
// Tokens of the INSERT subset.

enum class TTokKind { End, Word, QuotedName, Text, Number, Punct };

struct TToken {
    TTokKind Kind = TTokKind::End;
    QString Text;
    int Line = 0;
};

// A located fault of the source; the loader adds the source name.
struct ESourceError {
    int Line;
    QString Message;
};

class TLexer {
public:
    explicit TLexer(const QString& text) : S(text) {}

    TToken Next()
    {
        SkipSpaceAndComments();
        TToken t;
        t.Line = Line;
        if (P >= S.size())
            return t;
        const QChar c = S[P];
        if (c == QLatin1Char('\'')) {
            t.Kind = TTokKind::Text;
            ++P;
            for (;;) {
                if (P >= S.size())
                    throw ESourceError{t.Line, QStringLiteral("Незакрытая кавычка в тексте!")};
                const QChar d = S[P++];
                if (d == QLatin1Char('\n'))
                    ++Line;
                if (d == QLatin1Char('\'')) {
                    if (P < S.size() && S[P] == QLatin1Char('\'')) {
                        t.Text += d;
                        ++P;
                        continue;
                    }
                    break;
                }
                t.Text += d;
            }
            return t;
        }
        if (c == QLatin1Char('"')) {
            t.Kind = TTokKind::QuotedName;
            const qsizetype end = S.indexOf(QLatin1Char('"'), P + 1);
            if (end < 0)
                throw ESourceError{t.Line, QStringLiteral("Незакрытая кавычка в имени!")};
            t.Text = S.mid(P + 1, end - P - 1);
            P = end + 1;
            return t;
        }
        if (c.isDigit() || ((c == QLatin1Char('-') || c == QLatin1Char('+')) && P + 1 < S.size()
                            && (S[P + 1].isDigit() || S[P + 1] == QLatin1Char('.')))
            || (c == QLatin1Char('.') && P + 1 < S.size() && S[P + 1].isDigit())) {
            t.Kind = TTokKind::Number;
            const qsizetype start = P++;
            while (P < S.size() && (S[P].isDigit() || S[P] == QLatin1Char('.')))
                ++P;
            t.Text = S.mid(start, P - start);
            return t;
        }
        if (IsNameChar(c)) {
            t.Kind = TTokKind::Word;
            const qsizetype start = P;
            // A file name such as FrnSet.DB may stand for its table.
            while (P < S.size() && (IsNameChar(S[P]) || S[P].isDigit() || S[P] == QLatin1Char('.')))
                ++P;
            t.Text = S.mid(start, P - start);
            return t;
        }
        if (c == QLatin1Char('(') || c == QLatin1Char(')') || c == QLatin1Char(',') || c == QLatin1Char(';')) {
            t.Kind = TTokKind::Punct;
            t.Text = c;
            ++P;
            return t;
        }
        throw ESourceError{t.Line, QStringLiteral("Недопустимый символ '%1'!").arg(c)};
    }

private:
    static bool IsNameChar(QChar c) { return c.isLetter() || c == QLatin1Char('_'); }

    void SkipSpaceAndComments()
    {
        while (P < S.size()) {
            const QChar c = S[P];
            if (c == QLatin1Char('\n')) {
                ++Line;
                ++P;
            } else if (c.isSpace()) {
                ++P;
            } else if (c == QLatin1Char('-') && P + 1 < S.size() && S[P + 1] == QLatin1Char('-')) {
                while (P < S.size() && S[P] != QLatin1Char('\n'))
                    ++P;
            } else if (c == QLatin1Char('/') && P + 1 < S.size() && S[P + 1] == QLatin1Char('*')) {
                const int startLine = Line;
                P += 2;
                for (;;) {
                    if (P + 1 >= S.size())
                        throw ESourceError{startLine, QStringLiteral("Незакрытый комментарий!")};
                    if (S[P] == QLatin1Char('*') && S[P + 1] == QLatin1Char('/')) {
                        P += 2;
                        break;
                    }
                    if (S[P] == QLatin1Char('\n'))
                        ++Line;
                    ++P;
                }
            } else {
                break;
            }
        }
    }

    const QString& S;
    qsizetype P = 0;
    int Line = 1;
};

class TParser {
public:
    explicit TParser(const QString& text) : Lex(text) { Advance(); }

    bool AtEnd() const { return Cur.Kind == TTokKind::End; }
    const TToken& Current() const { return Cur; }

    void Advance() { Cur = Lex.Next(); }

    [[noreturn]] void Fail(const QString& what) const
    {
        const QString seen = Cur.Kind == TTokKind::End ? QStringLiteral("конец текста") : Cur.Text;
        throw ESourceError{Cur.Line, QStringLiteral("Ожидается %1, а не '%2'!").arg(what, seen)};
    }

    void ExpectWord(const char* word)
    {
        if (Cur.Kind != TTokKind::Word || Cur.Text.compare(QLatin1String(word), Qt::CaseInsensitive) != 0)
            Fail(QLatin1String(word));
        Advance();
    }

    void ExpectPunct(char c)
    {
        if (!IsPunct(c))
            Fail(QStringLiteral("'%1'").arg(QLatin1Char(c)));
        Advance();
    }

    bool IsPunct(char c) const { return Cur.Kind == TTokKind::Punct && Cur.Text == QLatin1Char(c); }

    QString Name()
    {
        if (Cur.Kind != TTokKind::Word && Cur.Kind != TTokKind::QuotedName)
            Fail(QStringLiteral("имя"));
        QString n = Cur.Text;
        Advance();
        return n;
    }

    QVariant Value()
    {
        QVariant v;
        switch (Cur.Kind) {
        case TTokKind::Text:
            v = Cur.Text;
            break;
        case TTokKind::Number: {
            bool ok = false;
            if (Cur.Text.contains(QLatin1Char('.'))) {
                const double d = Cur.Text.toDouble(&ok);
                v = d;
            } else {
                const qlonglong n = Cur.Text.toLongLong(&ok);
                v = n;
            }
            if (!ok)
                throw ESourceError{Cur.Line, QStringLiteral("Неверное число '%1'!").arg(Cur.Text)};
            break;
        }
        case TTokKind::Word:
            if (Cur.Text.compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0)
                break;
            Fail(QStringLiteral("значение"));
        default:
            Fail(QStringLiteral("значение"));
        }
        Advance();
        return v;
    }

private:
    TLexer Lex;
    TToken Cur;
};

// The catalog table of a name as the statements write it: the name inside the database
// ("FrnSet") or the file name ("FrnSet.DB"), case-insensitive.
const TTableDef* FindCatalogTable(const QList<TTableDef>& defs, const QString& name)
{
    for (const TTableDef& def : defs)
        if (def.SqlName().compare(name, Qt::CaseInsensitive) == 0
            || def.FileName.compare(name, Qt::CaseInsensitive) == 0)
            return &def;
    return nullptr;
}

// Checks a value against its field before it is written: the table engine would cut a
// long text silently, and a catalog maintainer must hear of that.
void CheckValue(const TFieldDef& field, const QString& table, const QVariant& value, int line)
{
    if (!value.isValid())
        return;
    if (field.Type == TFieldType::String) {
        if (value.metaType().id() != QMetaType::QString)
            throw ESourceError{line,
                               QStringLiteral("Поле [%1] таблицы [%2] ждет текст в кавычках!").arg(field.Name, table)};
        const QString s = value.toString();
        if (field.Size > 0 && s.size() > field.Size)
            throw ESourceError{line, QStringLiteral("Текст '%1' длиннее поля [%2] таблицы [%3] (%4 символов)!")
                                         .arg(s, field.Name, table)
                                         .arg(field.Size)};
        if (!IsCp1251Representable(s))
            throw ESourceError{line,
                               QStringLiteral("Текст '%1' содержит символы вне кодовой страницы Windows-1251!").arg(s)};
        return;
    }
    if (value.metaType().id() == QMetaType::QString)
        throw ESourceError{line,
                           QStringLiteral("Поле [%1] таблицы [%2] ждет число, а не текст!").arg(field.Name, table)};
    bool ok = true;
    NormalizeValue(field.Type, field.Size, value, &ok);
    if (!ok)
        throw ESourceError{line, QStringLiteral("Значение '%1' не подходит для поля [%2] таблицы [%3]!")
                                     .arg(value.toString(), field.Name, table)};
}

} // namespace

// =============================================================================================

TCatalogSqlLoader::TCatalogSqlLoader(TDatabase& database) : FDatabase(database) {}

int TCatalogSqlLoader::Load(const QString& sql, const QString& sourceName)
{
    const QList<TTableDef> defs = CatalogTableDefs();
    std::unordered_map<const TTableDef*, std::unique_ptr<TBulkInsert>> inserts;
    int rows = 0;
    int line = 1;
    try {
        TParser p(sql);
        while (!p.AtEnd()) {
            line = p.Current().Line;
            p.ExpectWord("INSERT");
            p.ExpectWord("INTO");
            const int tableLine = p.Current().Line;
            const QString tableName = p.Name();
            const TTableDef* def = FindCatalogTable(defs, tableName);
            if (!def)
                throw ESourceError{tableLine, QStringLiteral("Таблица [%1] не входит в каталог!").arg(tableName)};

            // Columns.
            p.ExpectPunct('(');
            QList<const TFieldDef*> columns;
            QSet<QString> seen;
            for (;;) {
                const int nameLine = p.Current().Line;
                const QString name = p.Name();
                const TFieldDef* field = def->FindField(name);
                if (!field || field->Kind != TFieldKind::Data)
                    throw ESourceError{nameLine,
                                       QStringLiteral("Нет поля [%1] в таблице [%2]!").arg(name, def->FileName)};
                if (seen.contains(field->Name.toLower()))
                    throw ESourceError{nameLine, QStringLiteral("Поле [%1] названо дважды!").arg(field->Name)};
                seen.insert(field->Name.toLower());
                columns.append(field);
                if (p.IsPunct(')'))
                    break;
                p.ExpectPunct(',');
            }
            p.ExpectPunct(')');
            p.ExpectWord("VALUES");

            const TFieldDef* autoInc = nullptr;
            for (const TFieldDef& f : def->Fields)
                if (f.Kind == TFieldKind::Data && f.Type == TFieldType::AutoInc && !seen.contains(f.Name.toLower()))
                    autoInc = &f;

            auto& insert = inserts[def];
            if (!insert)
                insert = std::make_unique<TBulkInsert>(FDatabase, def->FileName);
            int& nextKey = FNextKey[def->FileName];
            if (nextKey == 0)
                nextKey = 1;

            // Rows.
            for (;;) {
                const int rowLine = p.Current().Line;
                line = rowLine;
                p.ExpectPunct('(');
                QHash<QString, QVariant> values;
                for (int i = 0;; ++i) {
                    if (i >= columns.size())
                        throw ESourceError{p.Current().Line, QStringLiteral("Значений больше, чем полей!")};
                    const int valueLine = p.Current().Line;
                    const QVariant v = p.Value();
                    CheckValue(*columns[i], def->FileName, v, valueLine);
                    values.insert(columns[i]->Name, v);
                    if (columns[i]->Type == TFieldType::AutoInc && v.isValid())
                        nextKey = std::max(nextKey, int(v.toLongLong()) + 1);
                    if (p.IsPunct(')')) {
                        if (i + 1 != columns.size())
                            throw ESourceError{p.Current().Line, QStringLiteral("Значений меньше, чем полей!")};
                        break;
                    }
                    p.ExpectPunct(',');
                }
                p.ExpectPunct(')');
                if (autoInc)
                    values.insert(autoInc->Name, nextKey++);
                try {
                    insert->Insert(values);
                } catch (const EValtrixError& e) {
                    throw ESourceError{rowLine, e.message()};
                }
                ++rows;
                ++FTableRows[def->FileName];
                if (!p.IsPunct(','))
                    break;
                p.Advance();
            }
            line = p.Current().Line;
            p.ExpectPunct(';');
        }
    } catch (const ESourceError& e) {
        throw EValtrixError(QStringLiteral("Ошибка в данных каталога [%1], строка %2!\r\n(%3)")
                                .arg(sourceName)
                                .arg(e.Line)
                                .arg(e.Message));
    } catch (const EValtrixError& e) {
        throw EValtrixError(QStringLiteral("Ошибка в данных каталога [%1], строка %2!\r\n(%3)")
                                .arg(sourceName)
                                .arg(line)
                                .arg(e.message()));
    }
    FRows += rows;
    return rows;
}

QStringList DemoCatalogFiles()
{
    QStringList files;
    const QDir dir(DemoResourceDir);
    for (const QString& name : dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name))
        files.append(dir.filePath(name));
    return files;
}

void CreateDemoCatalog(const QString& catalogDir)
{
    try {
        const QStringList files = DemoCatalogFiles();
        if (files.isEmpty())
            throw EValtrixError(QStringLiteral("Данные демонстрационного каталога не найдены в программе!"));
        CreateEmptyDatabase(Alias::Catalog, catalogDir);
        TDatabase database(Alias::Catalog);
        database.SetDirectory(catalogDir);
        try {
            database.Open();
            EnsureSchema(database, Alias::Catalog);
            database.StartTransaction();
            TCatalogSqlLoader loader(database);
            for (const QString& path : files) {
                QFile file(path);
                if (!file.open(QIODevice::ReadOnly))
                    throw EValtrixError(QStringLiteral("Невозможно прочитать [%1]!").arg(path));
                loader.Load(QString::fromUtf8(file.readAll()), QFileInfo(path).fileName());
            }
            database.Commit();
            database.Close();
            WriteDemoSettings(catalogDir);
        } catch (...) {
            if (database.InTransaction())
                database.Rollback();
            database.Close();
            const QString db = database.FileName();
            for (const QString& suffix : {QString(), QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")})
                QFile::remove(db + suffix);
            throw;
        }
    } catch (const std::exception& e) {
        throw EValtrixError(QStringLiteral("Ошибка создания демонстрационного каталога в [%1]!\r\n(%2)")
                                .arg(QDir::toNativeSeparators(catalogDir), ExceptionText(e)));
    }
}

void WriteDemoSettings(const QString& catalogDir)
{
    TIniFile ini(QDir(catalogDir).filePath(SettingsFileName));
    ini.Load();
    auto put = [&ini](const char* section, const char* key, const QString& value) {
        if (!ini.ValueExists(QLatin1String(section), QLatin1String(key)))
            ini.WriteString(QLatin1String(section), QLatin1String(key), value);
    };
    put("Money", "CurCurrency", QStringLiteral("1"));
    put("Tax", "NDSTax", QStringLiteral("20"));
    put("Defaults", "DefFurnSys", QStringLiteral("110"));
    put("Defaults", "DefFurnSysGroup", QStringLiteral("110"));
    put("Defaults", "DefProfSys", QStringLiteral("V70"));
    put("Defaults", "DefFurnColor", QStringLiteral("SILVER"));
    put("Defaults", "DefInnerProfColor", QStringLiteral("WHITE"));
    put("Defaults", "DefOuterProfColor", QStringLiteral("WHITE"));
    put("Defaults", "DefHandle", QStringLiteral("VK-HANDLE"));
    put("Defaults", "DefMaterial", QStringLiteral("1"));
    put("Defaults", "DefFalzType", QStringLiteral("102"));
    put("Defaults", "DefDornType", QStringLiteral("201"));
    put("Defaults", "DefStulpFalzType", QStringLiteral("301"));
    put("Defaults", "DefFlugelType", QStringLiteral("401"));
    put("Defaults", "DefProfWidth", QStringLiteral("70"));
    put("Defaults", "DefProfThickness", QStringLiteral("70"));
    // Captions of the price group columns: the first is the surcharge on catalog prices.
    put("PriceGroupNames", "1", QStringLiteral("Наценка/скидка, %"));
    for (int i = 2; i <= 10; ++i) {
        const QByteArray key = QByteArray::number(i);
        put("PriceGroupNames", key.constData(), QStringLiteral("Дилер %1, %").arg(i - 1));
    }
    // The demo firm printed on documents. A key the program stored empty is filled as well: an
    // empty firm is never a choice the user made.
    auto firm = [&ini](const char* key, const QString& value) {
        if (ini.ReadString(QStringLiteral("Firm"), QLatin1String(key), QString()).isEmpty())
            ini.WriteString(QStringLiteral("Firm"), QLatin1String(key), value);
    };
    firm("Name", QStringLiteral("ООО «Оконная мастерская»"));
    firm("Address", QStringLiteral("г. Екатеринбург, ул. Мастеров, 5"));
    firm("JustAddress", QStringLiteral("620000, г. Екатеринбург, ул. Мастеров, 5, оф. 12"));
    firm("ZipCode", QStringLiteral("343"));
    firm("Phone1", QStringLiteral("200-00-01"));
    firm("Phone2", QStringLiteral("200-00-02"));
    firm("Fax", QStringLiteral("200-00-03"));
    firm("EMail", QStringLiteral("zakaz@okna-demo.ru"));
    firm("Internet", QStringLiteral("www.okna-demo.ru"));
    firm("INN", QStringLiteral("6600000000"));
    firm("Account", QStringLiteral("40702810000000000001"));
    firm("Director", QStringLiteral("Иванов И. И."));
    firm("BookKeeper", QStringLiteral("Петрова А. С."));
    if (ini.Modified())
        ini.Save();
}

} // namespace vx
