#include "TestSupport.h"
#include "db/VXTableEngine.h"
#include "foundation/VXError.h"
#include <QSqlDatabase>
#include <QSqlQuery>
#include <functional>
#include <gtest/gtest.h>

using namespace vx;

// A cached table must answer exactly as the database does: the same table opened twice, once
// cached and once not, shows the same rows for every filter, order and search.

namespace {

TTableDef ColorDef()
{
    TTableDef def;
    def.FileName = QStringLiteral("COLORS.DB");
    def.Fields = {TFieldDef::A("Color", 10), TFieldDef::A("Name", 8)};
    def.Indexes = {TIndexDef{QString(), {QStringLiteral("Color")}, true, false}};
    return def;
}

TTableDef PartDef()
{
    TTableDef def;
    def.FileName = QStringLiteral("Parts.db");
    def.Fields = {TFieldDef::A("ID", 10),     TFieldDef::AutoInc("Key"),    TFieldDef::A("Name", 20),
                  TFieldDef::A("Color", 10),  TFieldDef::S("Qty"),          TFieldDef::I("Side"),
                  TFieldDef::N("Mass", 2),    TFieldDef::Money("Price"),    TFieldDef::D("Made"),
                  TFieldDef::Calc("Mark", TFieldType::Boolean)};
    def.Indexes = {TIndexDef{QString(), {QStringLiteral("ID"), QStringLiteral("Key")}, true, false},
                   TIndexDef{QStringLiteral("ByName"), {QStringLiteral("Name")}, false, true},
                   TIndexDef{QStringLiteral("ByQty"), {QStringLiteral("Qty"), QStringLiteral("Mass")}, false, false}};
    def.Lookups = {TLookupDef{QStringLiteral("ColorName"), 5, QString(), QStringLiteral("Color"),
                              QStringLiteral("COLORS.DB"), QStringLiteral("Color"), QStringLiteral("Name")}};
    return def;
}

const QString Clef = QString::fromUcs4(U"\U0001D11E clef");   // outside the BMP: a surrogate pair
const QString Wide = QString(QChar(0xFF01));                   // above the surrogates in UTF-16

// SplitMix64, for the generated filters.
struct TRandom {
    quint64 State;
    quint64 Next()
    {
        quint64 z = (State += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Below(int n) { return int(Next() % quint64(n)); }
};

class TableCache : public ::testing::Test {
protected:
    void SetUp() override
    {
        Db.SetDirectory(Dir.path());
        Db.Open();
        Db.StartTransaction();
        Db.CreateTable(ColorDef());
        Db.CreateTable(PartDef());
        {
            TBulkInsert colors(Db, QStringLiteral("COLORS.DB"));
            colors.Insert(QVariantList{"RAL9016", "Белый"});
            colors.Insert(QVariantList{"white", "White as snow"});   // longer than the lookup shows
            colors.Insert(QVariantList{"x'--", "Кавычка"});
            // ID, Key, Name, Color, Qty, Side, Mass, Price, Made
            TBulkInsert parts(Db, QStringLiteral("Parts.db"));
            parts.Insert(QVariantList{"A1", 1, "alpha", "RAL9016", 1, 0, 12.5, 10.25, QDate(2020, 1, 2)});
            parts.Insert(QVariantList{"A1", 2, "Alpha", QVariant(), 2, QVariant(), 7.25, QVariant(), QVariant()});
            parts.Insert(QVariantList{"B2", 4, "Дверь", "white", 10, 1, 0.1, 3, QDate(2021, 5, 6)});
            parts.Insert(QVariantList{"it's", 5, "дверь", "x'--", 11, -1, 100, -2.5, QVariant()});
            parts.Insert(QVariantList{"Z", 7, Clef, Wide, 0, 0, 0, 0, QDate(2019, 12, 31)});
            parts.Insert(QVariantList{"Z", 8, QString(QChar(0xFF5A)), QString::fromUcs4(U"\U0001F600"), QVariant(), 5,
                                      QVariant(), 1, QVariant()});
            parts.Insert(QVariantList{"A1", 9, "beta", "RAL9016", 3, 2, 2.5, 7, QDate(2020, 1, 2)});
        }
        // Values only other programs write: '' instead of empty, more decimals than declared,
        // text in a number field, an empty key.
        Db.ExecSQL(QStringLiteral("INSERT INTO Parts (ID, Key, Name, Color, Qty, Side, Mass) VALUES ('A1', 3, '', '', 3, 2, NULL)"));
        Db.ExecSQL(QStringLiteral("INSERT INTO Parts (ID, Key, Name, Color, Qty, Side, Mass) VALUES ('b2', 6, 'ёлка', 'WHITE', -5, 3, 2.345)"));
        Db.ExecSQL(QStringLiteral("INSERT INTO Parts (ID, Key, Name, Qty, Side, Mass) VALUES ('Q', 10, 'garbage', 'abc', '', 1.005)"));
        Db.ExecSQL(QStringLiteral("INSERT INTO Parts (ID, Key, Name, Color, Qty) VALUES (NULL, 11, NULL, 'RAL9016', 4)"));
        Db.Commit();
        Cached.SetCached(true);
        Cached.Open();
        Plain.Open();
    }

    // Every shown row with every field, in the shown order.
    static QStringList Rows(TTable& t)
    {
        QStringList rows;
        for (t.First(); !t.Eof(); t.Next()) {
            QStringList fields;
            for (int i = 0; i < t.FieldCount(); ++i)
                fields << t.Fields(i)->AsString();
            rows << fields.join(QLatin1Char('|'));
        }
        return rows;
    }

    static QString Outcome(const std::function<QString()>& action)
    {
        try {
            return action();
        } catch (const EValtrixError& e) {
            return QStringLiteral("error: ") + e.message();
        }
    }

    // Shows the filter in both tables and compares; answers the number of rows.
    int ExpectSameRows(const QString& filter)
    {
        QStringList shown[2];
        QString errors[2];
        TTable* tables[2] = {&Plain, &Cached};
        for (int i = 0; i < 2; ++i) {
            TTable& t = *tables[i];
            t.SetFiltered(false);
            errors[i] = Outcome([&] {
                t.SetFilter(filter);
                t.SetFiltered(true);
                return QString();
            });
            shown[i] = Rows(t);
        }
        EXPECT_EQ(errors[1], errors[0]) << filter.toStdString();
        EXPECT_EQ(shown[1], shown[0]) << filter.toStdString() << " in order " << Plain.IndexName().toStdString();
        return int(shown[0].size());
    }

    void SetOrder(const QString& index)
    {
        Plain.SetIndexName(index);
        Cached.SetIndexName(index);
    }

    QTemporaryDir Dir;
    TDatabase Db{QStringLiteral("VX_CACHE")};
    TTable Plain{&Db, QStringLiteral("Parts.db")};
    TTable Cached{&Db, QStringLiteral("Parts.db")};
};

} // namespace

TEST_F(TableCache, FiltersShowTheRowsOfTheDatabase)
{
    const char* filters[] = {
        // every operator on numbers, empty numbers as 0, text in a number field
        "Qty = 2", "Qty <> 2", "Qty < 3", "Qty <= 3", "Qty > 10", "Qty >= 10", "Qty = 0", "Qty < 0", "Qty != 3",
        "Side = 0", "Side <> 0", "Side >= 0", "Side < 1", "Qty = ''", "Side = '3'", "Qty >= -5 and Qty <= 2",
        // decimals: as stored, the empty one as 0
        "Mass = 2.35", "Mass = 2.345", "Mass >= 2.345", "Mass < 1", "Mass = 0", "Mass > 0.1", "Mass = 1.005",
        "Mass <= 12.50 and Mass >= 7.25", "Price >= 10", "Price < 0", "Price = 3", "Key > 3", "Key = 5",
        // texts: exact, case-sensitive, '' and empty alike, code point order
        "Color = ''", "Color <> ''", "Color > ''", "Color < 'a'", "Color = 'white'", "Color = 'WHITE'",
        "Color >= 'w'", "Name > 'Alpha'", "Name < 'я'", "Name >= 'ё'", "ID = ''", "ID <> ''", "ID='it''s'",
        "Color = 'x''--'", "Color > '\xEF\xBC\x81'", "Color < '\xEF\xBC\x81'", "Name > '\xEF\xBD\x9A'", "Name < 'z'",
        // dates
        "Made >= '01.01.2021'", "Made = ''", "Made < '2020-06-01'", "Made <> ''", "Made = '02.01.2020'",
        // connectives, parentheses, not, fields against fields, constants
        "ID = 'A1' and Qty > 1", "ID='A1' and Color='' and (Side=0 or Side=2)", "(Qty=1 or Qty=10) and ID<>'A1'",
        "not (ID='A1')", "not (Color='white')", "not (Side <> 0)", "not (Qty < 3 or Mass > 5)", "ID = Color",
        "Name = Color", "Qty = Side", "Qty < Side", "Color >= Name", "Mass > Qty", "1 = 1", "1 = 2", "'a' < 'b'",
        "ID = 'A1' or ID = 'b2'", "ID = 'A1' and ID = 'B2'", "CatalogID = 'x'", "Qty = 'abc'", "Mark = 1",
        "ID = 'A1' and (Key = 1 or Key = 9) and Color = 'RAL9016'", "",
    };
    for (const QString& index : {QString(), QStringLiteral("ByName"), QStringLiteral("ByQty")}) {
        SetOrder(index);
        for (const char* f : filters)
            ExpectSameRows(QString::fromUtf8(f));
    }
    // A bad filter leaves both views as they were.
    ExpectSameRows(QStringLiteral("Qty = 2"));
    for (TTable* t : {&Plain, &Cached}) {
        EXPECT_THROW(t->SetFilter(QStringLiteral("Qty =")), EValtrixError);
        EXPECT_EQ(t->RecordCount(), 1);
    }
}

TEST_F(TableCache, GeneratedFiltersShowTheRowsOfTheDatabase)
{
    struct TOperandPool {
        const char* Field;
        QStringList Constants;
    };
    const TOperandPool pools[] = {
        {"ID", {"'A1'", "'a1'", "'B2'", "'b2'", "''", "'Z'", "'it''s'", "'Q'"}},
        {"Name", {"'alpha'", "'Alpha'", "'beta'", "''", "'Дверь'", "'ёлка'", "'garbage'", "'" + Clef + "'", "'m'"}},
        {"Color", {"'RAL9016'", "'white'", "'WHITE'", "''", "'" + Wide + "'", "'x''--'", "'S'"}},
        {"Qty", {"0", "1", "2", "3", "10", "-5", "4", "''", "2.5"}},
        {"Side", {"0", "1", "2", "-1", "5", "3"}},
        {"Mass", {"0", "2.345", "2.35", "7.25", "12.5", "0.1", "1.005", "100"}},
        {"Price", {"0", "10.25", "3", "-2.5", "7"}},
        {"Made", {"''", "'02.01.2020'", "'2021-05-06'", "'31.12.2019'"}},
        {"Key", {"1", "5", "9", "11"}},
    };
    const char* ops[] = {"=", "<>", "<", "<=", ">", ">="};
    TRandom rnd{20240611};
    std::function<QString(int)> expr = [&](int depth) -> QString {
        const int kind = depth == 0 ? 0 : rnd.Below(5);
        if (kind <= 1) {
            const TOperandPool& p = pools[rnd.Below(int(std::size(pools)))];
            const QString op = QString::fromLatin1(ops[rnd.Below(6)]);
            if (rnd.Below(10) == 0) {   // a field against a field
                const TOperandPool& q = pools[rnd.Below(int(std::size(pools)))];
                return QString::fromLatin1(p.Field) + op + QString::fromLatin1(q.Field);
            }
            return QString::fromLatin1(p.Field) + QLatin1Char(' ') + op + QLatin1Char(' ') + p.Constants[rnd.Below(int(p.Constants.size()))];
        }
        if (kind == 2)
            return QStringLiteral("not (") + expr(depth - 1) + QLatin1Char(')');
        const QString joined = expr(depth - 1) + (kind == 3 ? QStringLiteral(" and ") : QStringLiteral(" or ")) + expr(depth - 1);
        return rnd.Below(2) ? QLatin1Char('(') + joined + QLatin1Char(')') : joined;
    };
    int nonEmpty = 0;
    for (const QString& index : {QString(), QStringLiteral("ByName"), QStringLiteral("ByQty")}) {
        SetOrder(index);
        for (int i = 0; i < 250; ++i)
            nonEmpty += ExpectSameRows(expr(3)) > 0 ? 1 : 0;
    }
    EXPECT_GT(nonEmpty, 200);   // the filters choose rows, not only none
}

TEST_F(TableCache, LocateAndFindKeyStopOnTheSameRecord)
{
    struct TSearch {
        const char* Field;
        QVariant Value;
    };
    const TSearch searches[] = {
        {"ID", "A1"},      {"ID", "a1"},        {"ID", ""},       {"ID", QVariant()}, {"Color", ""},
        {"Color", "white"}, {"Qty", 0},         {"Qty", "2"},     {"Qty", "abc"},     {"Side", QVariant()},
        {"Mass", 2.35},    {"Mass", "2,345"},   {"Made", QDate(2020, 1, 2)}, {"Name", QString::fromUtf8("ДВЕРЬ")},
        {"Name", QString::fromUtf8("двер")}, {"ColorName", "White"}, {"ColorName", QString::fromUtf8("Белый")},
        {"Key", 9},
    };
    TLocateOptions options[3];
    options[1].CaseInsensitive = true;
    options[2].CaseInsensitive = options[2].PartialKey = true;
    for (const QString& filter : {QString(), QStringLiteral("Qty >= 1"), QStringLiteral("ID = 'A1'")}) {
        for (TTable* t : {&Plain, &Cached}) {
            t->SetFilter(filter);
            t->SetFiltered(!filter.isEmpty());
        }
        for (const QString& index : {QString(), QStringLiteral("ByName"), QStringLiteral("ByQty")}) {
            SetOrder(index);
            for (const TSearch& s : searches)
                for (const TLocateOptions& o : options) {
                    QString where[2];
                    TTable* tables[2] = {&Plain, &Cached};
                    for (int i = 0; i < 2; ++i) {
                        tables[i]->Last();
                        where[i] = Outcome([&] {
                            const bool found = tables[i]->Locate(QString::fromLatin1(s.Field), s.Value, o);
                            return QStringLiteral("%1 at %2 key %3").arg(found).arg(tables[i]->RecNo())
                                .arg(tables[i]->FieldByName(QStringLiteral("Key"))->AsString());
                        });
                    }
                    EXPECT_EQ(where[1], where[0]) << s.Field << " = " << s.Value.toString().toStdString() << " ["
                                                  << filter.toStdString() << "] " << index.toStdString();
                }
            // Keys of the current index, and two fields at once.
            const QVariantList keys[] = {{"A1"}, {"a1"}, {"A1", 9}, {"beta"}, {"BETA"}, {3}, {3, 2.5}, {"abc"}};
            for (const QVariantList& key : keys) {
                QString where[2];
                TTable* tables[2] = {&Plain, &Cached};
                for (int i = 0; i < 2; ++i)
                    where[i] = Outcome([&] {
                        const bool found = tables[i]->FindKey(key);
                        const bool both = tables[i]->Locate(QStringList{"Qty", "Side"}, QVariantList{3, 2});
                        return QStringLiteral("%1 %2 at %3").arg(found).arg(both).arg(tables[i]->RecNo());
                    });
                EXPECT_EQ(where[1], where[0]) << index.toStdString();
            }
        }
    }
}

TEST_F(TableCache, EditsThroughEitherObjectShowInTheOther)
{
    Cached.SetFilter(QStringLiteral("ID = 'A1'"));
    Cached.SetFiltered(true);
    EXPECT_EQ(Cached.RecordCount(), 4);
    ASSERT_TRUE(Cached.Locate(QStringLiteral("Key"), 9));
    // Through the cached object itself: it stays on its record.
    Cached.Edit();
    Cached.FieldByName(QStringLiteral("Qty"))->SetAsInteger(42);
    Cached.Post();
    EXPECT_EQ(Cached.FieldByName(QStringLiteral("Key"))->AsInteger(), 9);
    EXPECT_EQ(Cached.FieldByName(QStringLiteral("Qty"))->AsInteger(), 42);
    ASSERT_TRUE(Plain.Locate(QStringLiteral("Key"), 9));
    EXPECT_EQ(Plain.FieldByName(QStringLiteral("Qty"))->AsInteger(), 42);
    // Through the uncached one, a statement, and an append: seen at the next read.
    Plain.Edit();
    Plain.FieldByName(QStringLiteral("ID"))->SetAsString(QStringLiteral("B2"));
    Plain.Post();
    EXPECT_EQ(Cached.RecordCount(), 3);
    Db.ExecSQL(QStringLiteral("UPDATE Parts SET ID = 'A1' WHERE Key = 5"));
    EXPECT_EQ(Cached.RecordCount(), 4);
    Cached.Append();
    Cached.FieldByName(QStringLiteral("ID"))->SetAsString(QStringLiteral("A1"));
    Cached.FieldByName(QStringLiteral("Color"))->SetAsString(QStringLiteral("white"));
    Cached.Post();
    EXPECT_EQ(Cached.RecordCount(), 5);
    EXPECT_EQ(Cached.FieldByName(QStringLiteral("Key"))->AsInteger(), 12);   // on the new record
    // A lookup follows the table it shows.
    TTable colors(&Db, QStringLiteral("COLORS.DB"));
    colors.SetCached(true);
    colors.Open();
    ASSERT_TRUE(colors.Locate(QStringLiteral("Color"), QStringLiteral("white")));
    colors.Edit();
    colors.FieldByName(QStringLiteral("Name"))->SetAsString(QStringLiteral("Снег"));
    colors.Post();
    Cached.Refresh();
    EXPECT_EQ(Cached.FieldByName(QStringLiteral("ColorName"))->AsString(), QStringLiteral("Снег"));
    // Deleting and emptying.
    Cached.Delete();
    EXPECT_EQ(Cached.RecordCount(), 4);
    Cached.SetFiltered(false);
    Plain.SetFiltered(false);
    EXPECT_EQ(Rows(Cached), Rows(Plain));
    Cached.EmptyTable();
    EXPECT_TRUE(Cached.Active());
    EXPECT_EQ(Cached.RecordCount(), 0);
    // A transaction rolled back leaves nothing behind in memory either.
    Db.StartTransaction();
    {
        TBulkInsert ins(Db, QStringLiteral("Parts.db"));
        ins.Insert(QVariantList{"R", 1, "rolled back"});
    }
    EXPECT_EQ(Cached.RecordCount(), 1);
    Db.Rollback();
    EXPECT_EQ(Cached.RecordCount(), 0);
}

TEST_F(TableCache, CommitsOfOtherConnectionsAreNoticed)
{
    const int interval = TDatabase::ExternalCheckInterval();
    TDatabase::SetExternalCheckInterval(3600 * 1000);
    ASSERT_TRUE(Cached.Locate(QStringLiteral("Key"), 1));
    EXPECT_EQ(Cached.FieldByName(QStringLiteral("Name"))->AsString(), QStringLiteral("alpha"));

    // Another connection of this program to the same file: seen at once.
    {
        TDatabase second(QStringLiteral("VX_CACHE"));
        second.SetDirectory(Dir.path());
        second.RegisterTable(PartDef());
        second.ExecSQL(QStringLiteral("UPDATE Parts SET Name = 'second' WHERE Key = 1"));
    }
    EXPECT_EQ(Cached.FieldByName(QStringLiteral("Name"))->AsString(), QStringLiteral("second"));

    // Another program: seen when the file is checked next.
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("vx_other_program"));
        other.setDatabaseName(Db.FileName());
        ASSERT_TRUE(other.open());
        QSqlQuery q(other);
        ASSERT_TRUE(q.exec(QStringLiteral("UPDATE Parts SET Name = 'other' WHERE Key = 1")));
        q.finish();
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("vx_other_program"));
    Cached.First();
    ASSERT_TRUE(Cached.Locate(QStringLiteral("Key"), 1));
    EXPECT_EQ(Cached.FieldByName(QStringLiteral("Name"))->AsString(), QStringLiteral("second"));   // not checked yet
    Db.CheckExternalChanges();
    EXPECT_EQ(Cached.FieldByName(QStringLiteral("Name"))->AsString(), QStringLiteral("other"));
    EXPECT_EQ(Cached.FieldByName(QStringLiteral("Key"))->AsInteger(), 1);

    // With the interval passed, a search checks by itself; so does a refresh at once.
    TDatabase::SetExternalCheckInterval(0);
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("vx_other_program"));
        other.setDatabaseName(Db.FileName());
        ASSERT_TRUE(other.open());
        QSqlQuery q(other);
        ASSERT_TRUE(q.exec(QStringLiteral("DELETE FROM Parts WHERE Key = 1")));
        q.finish();
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("vx_other_program"));
    EXPECT_FALSE(Cached.Locate(QStringLiteral("Key"), 1));
    TDatabase::SetExternalCheckInterval(interval);
}

TEST_F(TableCache, RowsEditedInPlaceKeepOrdersFiltersAndSearchesRight)
{
    // Edits through the cached object are put into the rows in memory: every order, filter
    // and search must still answer as the database does, whichever field changed.
    const QStringList names{"alpha", "Alpha", "beta", QString(), "Дверь", "ёлка", "z"};
    const QStringList colors{"RAL9016", "white", QString(), "WHITE", "x'--"};
    const QStringList ids{"A1", "B2", "Z", "b2"};
    const QString filters[] = {QString(), QStringLiteral("ID = 'A1'"), QStringLiteral("Qty >= 2 and Color <> ''"),
                               QStringLiteral("Mass < 5 or Name = 'beta'")};
    const QString orders[] = {QString(), QStringLiteral("ByName"), QStringLiteral("ByQty")};
    TRandom rnd{7};
    for (int step = 0; step < 60; ++step) {
        const QString order = orders[rnd.Below(3)];
        const QString filter = filters[rnd.Below(4)];
        for (TTable* t : {&Plain, &Cached}) {
            t->SetFiltered(false);
            t->SetIndexName(order);
            t->SetFilter(filter);
            t->SetFiltered(!filter.isEmpty());
        }
        Cached.SetFiltered(false);
        if (step % 7 == 3) {
            Cached.Append();
            Cached.FieldByName(QStringLiteral("ID"))->SetAsString(ids[rnd.Below(4)]);
        } else {
            ASSERT_TRUE(Cached.Locate(QStringLiteral("Key"), 1 + rnd.Below(11)));
            Cached.Edit();
        }
        switch (rnd.Below(5)) {
        case 0: Cached.FieldByName(QStringLiteral("Qty"))->SetAsInteger(rnd.Below(7) - 2); break;
        case 1: Cached.FieldByName(QStringLiteral("Name"))->SetAsString(names[rnd.Below(int(names.size()))]); break;
        case 2: Cached.FieldByName(QStringLiteral("Color"))->SetAsString(colors[rnd.Below(int(colors.size()))]); break;
        case 3: Cached.FieldByName(QStringLiteral("Mass"))->SetAsFloat(rnd.Below(400) / 40.0); break;
        default: Cached.FieldByName(QStringLiteral("Price"))->Clear(); break;
        }
        const QString key = Cached.State() == TDataSetState::Insert ? QString() : Cached.FieldByName(QStringLiteral("Key"))->AsString();
        Cached.Post();
        if (!key.isEmpty()) {
            EXPECT_EQ(Cached.FieldByName(QStringLiteral("Key"))->AsString(), key);   // still on its record
        }
        Cached.SetFiltered(!filter.isEmpty());
        EXPECT_EQ(Rows(Cached), Rows(Plain)) << "step " << step;
        for (const QString& name : names) {
            const bool a = Plain.Locate(QStringLiteral("Name"), name), b = Cached.Locate(QStringLiteral("Name"), name);
            EXPECT_EQ(b, a);
            if (a && b) {
                EXPECT_EQ(Cached.RecNo(), Plain.RecNo()) << "step " << step;
            }
        }
    }
}
