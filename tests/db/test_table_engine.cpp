#include "TestSupport.h"
#include "db/VXTableEngine.h"
#include "foundation/VXError.h"
#include "foundation/VXUserInteraction.h"
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace vx;

namespace {

// Colours and parts of a small catalog: a keyed table with an auto-increment field, a
// case-insensitive secondary index and a lookup into the colour table.
TTableDef ColorDef()
{
    TTableDef def;
    def.FileName = QStringLiteral("COLORS.DB");
    def.Fields = {TFieldDef::A("Color", 10), TFieldDef::A("Name", 30, QStringLiteral("Наименование"))};
    def.Indexes = {TIndexDef{QString(), {QStringLiteral("Color")}, true, false}};
    return def;
}

TTableDef PartDef()
{
    TTableDef def;
    def.FileName = QStringLiteral("Parts.db");
    def.Fields = {TFieldDef::A("ID", 10),       TFieldDef::A("Item", 10), TFieldDef::AutoInc("Key"),
                  TFieldDef::A("Name", 20),     TFieldDef::S("Qty"),      TFieldDef::I("Side"),
                  TFieldDef::N("Weight", 2),    TFieldDef::Money("Price"), TFieldDef::A("Color", 10),
                  TFieldDef::D("Made"),         TFieldDef::Calc("Selected", TFieldType::Boolean)};
    def.Indexes = {TIndexDef{QString(), {QStringLiteral("ID"), QStringLiteral("Item"), QStringLiteral("Key")}, true, false},
                   TIndexDef{QStringLiteral("ByName"), {QStringLiteral("Name")}, false, true},
                   TIndexDef{QStringLiteral("BySide"), {QStringLiteral("Side"), QStringLiteral("Qty")}, false, false}};
    def.Lookups = {TLookupDef{QStringLiteral("ColorName"), 30, QStringLiteral("Цвет"), QStringLiteral("Color"),
                              QStringLiteral("COLORS.DB"), QStringLiteral("Color"), QStringLiteral("Name")}};
    return def;
}

QString ErrorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const EValtrixError& e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}

class Engine : public ::testing::Test {
protected:
    void SetUp() override
    {
        Db.SetParams({QStringLiteral("PATH=") + Dir.path(), QStringLiteral("DEFAULT DRIVER=PARADOX"),
                      QStringLiteral("ENABLE BCD=TRUE")});
        Db.Open();
        Db.StartTransaction();
        Db.CreateTable(ColorDef());
        Db.CreateTable(PartDef());
        TBulkInsert colors(Db, QStringLiteral("COLORS.DB"));
        colors.Insert(QVariantList{"RAL9016", "Белый"});
        colors.Insert(QVariantList{"RAL8017", "Коричневый"});
        // ID, Item, Key, Name, Qty, Side, Weight, Price, Color, Made (inserted out of key order)
        TBulkInsert parts(Db, QStringLiteral("Parts.db"));
        parts.Insert(QVariantList{"B", "x", 1, "beta", 2, 1, 1.5, 10.25, "RAL9016", QDate(2020, 3, 1)});
        parts.Insert(QVariantList{"A", "y", 2, "Alpha", 1, 2, QVariant(), 5, "NOPE", QVariant()});
        parts.Insert(QVariantList{"A", "x", 3, "gamma", 3, 1, 0.25, QVariant(), QVariant(), QVariant()});
        parts.Insert(QVariantList{"C", "x", 4, "Дверь", 1, 1, 2, 1, "RAL8017", QVariant()});
        parts.Insert(QVariantList{"C", "y", 5, "дверная", 5, 0, 3, 2, QVariant(), QVariant()});
        Db.Commit();
    }

    QStringList Column(TDataSet& ds, const QString& field)
    {
        QStringList values;
        for (ds.First(); !ds.Eof(); ds.Next())
            values.append(ds.FieldByName(field)->AsString());
        return values;
    }

    QTemporaryDir Dir;
    TDatabase Db{QStringLiteral("VX_CAT")};
};

} // namespace

TEST_F(Engine, DatabaseFileIsNamedAfterTheAlias)
{
    EXPECT_EQ(Db.Directory(), Dir.path());
    EXPECT_EQ(QFileInfo(Db.FileName()).fileName(), QStringLiteral("VX_CAT.sqlite"));
    EXPECT_TRUE(QFileInfo::exists(Db.FileName()));
    EXPECT_TRUE(Db.TableExists(QStringLiteral("parts.DB")));
    EXPECT_EQ(TDatabase::FindDatabase(QStringLiteral("vx_cat")), &Db);
    // A directory that does not exist is refused rather than created.
    TDatabase other(QStringLiteral("VX_OTHER"));
    other.SetDirectory(Dir.path() + QStringLiteral("/missing"));
    EXPECT_THROW(other.Open(), EValtrixError);
}

TEST_F(Engine, FieldsInTableOrderWithKinds)
{
    TTable t(&Db, QStringLiteral("Parts.db"));
    EXPECT_FALSE(t.Active());
    t.Open();
    EXPECT_TRUE(t.Active());
    EXPECT_EQ(t.FieldNames(), (QStringList{"ID", "Item", "Key", "Name", "Qty", "Side", "Weight", "Price", "Color",
                                           "Made", "Selected", "ColorName"}));
    EXPECT_EQ(t.FieldCount(), 12);
    EXPECT_EQ(t.Fields(2)->DataType(), TFieldType::AutoInc);
    EXPECT_EQ(t.Fields(10)->FieldKind(), TFieldKind::Calculated);
    EXPECT_EQ(t.Fields(11)->FieldKind(), TFieldKind::Lookup);
    EXPECT_EQ(t.Fields(11)->DisplayLabel(), QStringLiteral("Цвет"));
    EXPECT_EQ(t.FieldByName(QStringLiteral("weight"))->Size(), 2);
    EXPECT_EQ(t.FindField(QStringLiteral("Missing")), nullptr);
    EXPECT_EQ(ErrorOf([&] { t.FieldByName(QStringLiteral("Missing")); }),
              QStringLiteral("Поле [Missing] не найдено в [Parts.db]!"));
    // The field objects survive a close and reopen.
    TField* name = t.FieldByName(QStringLiteral("Name"));
    t.Close();
    t.Open();
    EXPECT_EQ(t.FieldByName(QStringLiteral("Name")), name);
    // A definition the file does not match fails to open and leaves the fields usable.
    t.Close();
    TTableDef wrong = PartDef();
    wrong.Fields.insert(1, TFieldDef::A("Ghost", 5));
    Db.RegisterTable(wrong);
    EXPECT_THROW(t.Open(), EValtrixError);
    EXPECT_FALSE(t.Active());
    for (const char* f : {"ID", "Name", "ColorName"})
        if (TField* field = t.FindField(QString::fromUtf8(f)))
            EXPECT_EQ(field->FieldName(), QString::fromUtf8(f));
    Db.RegisterTable(PartDef());
    t.Open();
    EXPECT_EQ(t.FieldByName(QStringLiteral("Name"))->Index(), 3);
}

TEST_F(Engine, ValuesReadInEveryForm)
{
    TTable t(&Db, QStringLiteral("Parts.db"));
    t.Open();
    ASSERT_TRUE(t.Locate(QStringLiteral("ID;Item"), QVariantList{"B", "x"}));
    EXPECT_EQ(t.FieldByName(QStringLiteral("Qty"))->AsInteger(), 2);
    EXPECT_EQ(t.FieldByName(QStringLiteral("Weight"))->AsFloat(), 1.5);
    EXPECT_EQ(t.FieldByName(QStringLiteral("Weight"))->AsString(), QStringLiteral("1,5"));
    EXPECT_EQ(t.FieldByName(QStringLiteral("Price"))->AsCurrency(), TMoney::FromRaw(102500));
    EXPECT_EQ(t.FieldByName(QStringLiteral("Made"))->AsDateTime(), TDateTime::FromDate(QDate(2020, 3, 1)));
    EXPECT_EQ(t.FieldByName(QStringLiteral("Made"))->AsString(), QStringLiteral("01.03.2020"));
    EXPECT_EQ(t.FieldByName(QStringLiteral("Made"))->AsVariant(), QVariant(QDate(2020, 3, 1)));
    EXPECT_EQ(t.FieldByName(QStringLiteral("ColorName"))->AsString(), QStringLiteral("Белый"));
    EXPECT_TRUE(t.FieldByName(QStringLiteral("Qty"))->AsBoolean());
    EXPECT_EQ(t.FieldByName(QStringLiteral("Qty"))->AsString(), QStringLiteral("2"));

    // Empty fields read as empty text or 0; a lookup without a partner row is empty.
    ASSERT_TRUE(t.Locate(QStringLiteral("ID;Item"), QVariantList{"A", "y"}));
    for (const char* name : {"Weight", "Made"}) {
        TField* f = t.FieldByName(QString::fromUtf8(name));
        EXPECT_TRUE(f->IsNull()) << name;
        EXPECT_EQ(f->AsString(), QString()) << name;
        EXPECT_EQ(f->AsInteger(), 0) << name;
        EXPECT_EQ(f->AsFloat(), 0.0) << name;
        EXPECT_TRUE(f->AsCurrency().isZero()) << name;
        EXPECT_FALSE(f->AsBoolean()) << name;
        EXPECT_FALSE(f->AsVariant().isValid()) << name;
    }
    EXPECT_EQ(t.FieldByName(QStringLiteral("ColorName"))->AsString(), QString());
}

TEST_F(Engine, NavigationInKeyOrder)
{
    TTable t(&Db, QStringLiteral("PARTS.DB"));
    t.Open();
    EXPECT_EQ(t.RecordCount(), 5);
    EXPECT_FALSE(t.IsEmpty());
    t.First();
    EXPECT_TRUE(t.Bof());
    EXPECT_EQ(t.RecNo(), 1);
    EXPECT_EQ(Column(t, QStringLiteral("Key")), (QStringList{"3", "2", "1", "4", "5"}));   // A/x, A/y, B/x, C/x, C/y
    EXPECT_TRUE(t.Eof());
    EXPECT_EQ(t.RecNo(), 5);
    t.Prior();
    EXPECT_FALSE(t.Eof());
    EXPECT_EQ(t.FieldByName(QStringLiteral("Key"))->AsInteger(), 4);
    t.Last();
    EXPECT_TRUE(t.Eof());
    EXPECT_EQ(t.FieldByName(QStringLiteral("Key"))->AsInteger(), 5);
    t.Next();
    EXPECT_EQ(t.RecNo(), 5);
    EXPECT_EQ(t.MoveBy(-10), -4);
    EXPECT_TRUE(t.Bof());
}

TEST_F(Engine, OrderByIndexNameOrFieldList)
{
    TTable t(&Db, QStringLiteral("Parts.db"));
    t.Open();
    // The case-insensitive index mixes letter cases, Cyrillic ones included.
    t.SetIndexName(QStringLiteral("ByName"));
    EXPECT_EQ(Column(t, QStringLiteral("Name")), (QStringList{"Alpha", "beta", "gamma", "дверная", "Дверь"}));
    // Also when filtered, and a Locate finds the first match of that order.
    t.SetFilter(QStringLiteral("Side <= 1"));
    t.SetFiltered(true);
    EXPECT_EQ(Column(t, QStringLiteral("Name")), (QStringList{"beta", "gamma", "дверная", "Дверь"}));
    EXPECT_TRUE(t.Locate(QStringLiteral("Item"), QStringLiteral("x")));
    EXPECT_EQ(t.FieldByName(QStringLiteral("Name"))->AsString(), QStringLiteral("beta"));
    TLocateOptions ci;
    ci.CaseInsensitive = true;
    EXPECT_TRUE(t.Locate(QStringLiteral("Item"), QStringLiteral("Y"), ci));
    EXPECT_EQ(t.FieldByName(QStringLiteral("Name"))->AsString(), QStringLiteral("дверная"));
    t.SetFiltered(false);
    t.SetIndexFieldNames(QStringLiteral("Side;Qty"));
    EXPECT_EQ(t.IndexName(), QString());
    EXPECT_EQ(Column(t, QStringLiteral("Key")), (QStringList{"5", "4", "1", "3", "2"}));
    t.SetIndexFieldNames(QStringLiteral("Side"));   // a leading part of an index
    EXPECT_EQ(Column(t, QStringLiteral("Side")), (QStringList{"0", "1", "1", "1", "2"}));
    t.SetIndexName(QString());
    EXPECT_EQ(Column(t, QStringLiteral("Key")), (QStringList{"3", "2", "1", "4", "5"}));

    // Unknown index names and fields without an index are refused; the order stays.
    EXPECT_EQ(ErrorOf([&] { t.SetIndexName(QStringLiteral("Date")); }),
              QStringLiteral("Индекс [Date] не найден в таблице [Parts.db]!"));
    EXPECT_EQ(ErrorOf([&] { t.SetIndexFieldNames(QStringLiteral("Weight")); }),
              QStringLiteral("Нет индекса по полям [Weight] в таблице [Parts.db]!"));
    EXPECT_EQ(Column(t, QStringLiteral("Key")), (QStringList{"3", "2", "1", "4", "5"}));
    // A closed table checks its index when it opens.
    TTable u(&Db, QStringLiteral("Parts.db"));
    u.SetIndexName(QStringLiteral("Nope"));
    EXPECT_THROW(u.Open(), EValtrixError);
    EXPECT_FALSE(u.Active());
}

TEST_F(Engine, ChangingTheOrderKeepsTheRecord)
{
    TTable t(&Db, QStringLiteral("Parts.db"));
    t.Open();
    ASSERT_TRUE(t.Locate(QStringLiteral("Name"), QStringLiteral("gamma")));
    t.SetIndexName(QStringLiteral("BySide"));
    EXPECT_EQ(t.FieldByName(QStringLiteral("Name"))->AsString(), QStringLiteral("gamma"));
    EXPECT_EQ(t.RecNo(), 4);   // sides 0, 1, 1, 1, 2: gamma is the third of side 1
}

TEST_F(Engine, LocateIsExactAndCaseSensitive)
{
    TTable t(&Db, QStringLiteral("Parts.db"));
    t.Open();
    t.Last();
    EXPECT_FALSE(t.Locate(QStringLiteral("Name"), QStringLiteral("alpha")));
    EXPECT_EQ(t.FieldByName(QStringLiteral("Key"))->AsInteger(), 5);   // stays where it was
    EXPECT_FALSE(t.Locate(QStringLiteral("Name"), QStringLiteral("Alph")));
    EXPECT_TRUE(t.Locate(QStringLiteral("Name"), QStringLiteral("Alpha")));
    EXPECT_EQ(t.FieldByName(QStringLiteral("Key"))->AsInteger(), 2);
    // The first match in the current order.
    EXPECT_TRUE(t.Locate(QStringLiteral("Item"), QStringLiteral("x")));
    EXPECT_EQ(t.FieldByName(QStringLiteral("Key"))->AsInteger(), 3);
    // Empty values find empty fields; numbers find numbers given as text.
    EXPECT_TRUE(t.Locate(QStringLiteral("Color"), QString()));
    EXPECT_EQ(t.FieldByName(QStringLiteral("Key"))->AsInteger(), 3);
    EXPECT_TRUE(t.Locate(QStringLiteral("Weight"), 0));
    EXPECT_EQ(t.FieldByName(QStringLiteral("Key"))->AsInteger(), 2);
    EXPECT_TRUE(t.Locate(QStringLiteral("Side"), QStringLiteral("2")));
    EXPECT_FALSE(t.Locate(QStringLiteral("Side"), QStringLiteral("abc")));
    EXPECT_THROW(t.Locate(QStringLiteral("Nope"), 1), EValtrixError);

    // Callers that ask for it get case-insensitive and partial matches, in every alphabet.
    TLocateOptions ci;
    ci.CaseInsensitive = true;
    EXPECT_TRUE(t.Locate(QStringLiteral("Name"), QStringLiteral("ДВЕРЬ"), ci));
    EXPECT_EQ(t.FieldByName(QStringLiteral("Key"))->AsInteger(), 4);
    TLocateOptions partial = ci;
    partial.PartialKey = true;
    EXPECT_TRUE(t.Locate(QStringLiteral("Name"), QStringLiteral("ДВЕРН"), partial));
    EXPECT_EQ(t.FieldByName(QStringLiteral("Key"))->AsInteger(), 5);
    // Lookup fields can be searched too.
    EXPECT_TRUE(t.Locate(QStringLiteral("ColorName"), QStringLiteral("Коричневый")));
    EXPECT_EQ(t.FieldByName(QStringLiteral("ID"))->AsString(), QStringLiteral("C"));
}

TEST_F(Engine, FindKeyOnTheCurrentIndex)
{
    TTable t(&Db, QStringLiteral("Parts.db"));
    t.Open();
    EXPECT_TRUE(t.FindKey({"C"}));
    EXPECT_EQ(t.FieldByName(QStringLiteral("Key"))->AsInteger(), 4);
    EXPECT_TRUE(t.FindKey({"A", "y"}));
    EXPECT_EQ(t.FieldByName(QStringLiteral("Key"))->AsInteger(), 2);
    EXPECT_FALSE(t.FindKey({"a", "y"}));
    EXPECT_EQ(t.FieldByName(QStringLiteral("Key"))->AsInteger(), 2);
    EXPECT_THROW(t.FindKey({"A", "y", 2, "extra"}), EValtrixError);
    // The case-insensitive index finds regardless of case.
    t.SetIndexName(QStringLiteral("ByName"));
    EXPECT_TRUE(t.FindKey({"BETA"}));
    EXPECT_EQ(t.FieldByName(QStringLiteral("Key"))->AsInteger(), 1);
    EXPECT_TRUE(t.FindKey({"дверь"}));
    EXPECT_EQ(t.FieldByName(QStringLiteral("Key"))->AsInteger(), 4);
    // Within the filter only.
    t.SetFilter(QStringLiteral("ID <> 'B'"));
    t.SetFiltered(true);
    EXPECT_FALSE(t.FindKey({"beta"}));
}

TEST_F(Engine, Bookmarks)
{
    TTable t(&Db, QStringLiteral("Parts.db"));
    t.Open();
    EXPECT_TRUE(t.GetBookmark().IsNull() == false);
    t.Locate(QStringLiteral("Name"), QStringLiteral("beta"));
    TBookmark b = t.GetBookmark();
    t.First();
    EXPECT_TRUE(t.BookmarkValid(b));
    t.GotoBookmark(b);
    EXPECT_EQ(t.FieldByName(QStringLiteral("Name"))->AsString(), QStringLiteral("beta"));
    EXPECT_FALSE(t.Eof());
    // The same record keeps its bookmark in another order.
    t.SetIndexName(QStringLiteral("BySide"));
    t.First();
    t.GotoBookmark(b);
    EXPECT_EQ(t.FieldByName(QStringLiteral("Name"))->AsString(), QStringLiteral("beta"));
    // A record the filter hides is not valid; going there fails and keeps the cursor.
    t.SetFilter(QStringLiteral("ID='A'"));
    t.SetFiltered(true);
    EXPECT_FALSE(t.BookmarkValid(b));
    EXPECT_THROW(t.GotoBookmark(b), EValtrixError);
    EXPECT_EQ(t.FieldByName(QStringLiteral("ID"))->AsString(), QStringLiteral("A"));
    t.FreeBookmark(b);
    EXPECT_TRUE(b.IsNull());
    EXPECT_FALSE(t.BookmarkValid(b));
}

TEST_F(Engine, AppendEditDeleteWithAutoIncrementAndSizes)
{
    TTable t(&Db, QStringLiteral("Parts.db"));
    t.Open();
    t.Append();
    EXPECT_EQ(t.State(), TDataSetState::Insert);
    t.FieldByName(QStringLiteral("ID"))->SetAsString(QStringLiteral("D"));
    t.FieldByName(QStringLiteral("Item"))->SetAsString(QStringLiteral("z"));
    t.FieldByName(QStringLiteral("Name"))->SetAsString(QStringLiteral("a name longer than twenty characters"));
    t.FieldByName(QStringLiteral("Weight"))->SetAsString(QStringLiteral("2,345"));
    t.FieldByName(QStringLiteral("Price"))->SetAsCurrency(TMoney::FromRaw(123456));
    t.FieldByName(QStringLiteral("Made"))->SetAsDateTime(TDateTime::FromDate(QDate(2024, 2, 29)));
    EXPECT_EQ(ErrorOf([&] { t.FieldByName(QStringLiteral("Key"))->SetAsInteger(7); }),
              QStringLiteral("Поле [Key] нельзя изменить!"));
    EXPECT_THROW(t.FieldByName(QStringLiteral("Qty"))->SetAsInteger(40000), EValtrixError);   // 16-bit field
    EXPECT_THROW(t.FieldByName(QStringLiteral("Side"))->SetAsString(QStringLiteral("abc")), EValtrixError);
    t.Post();
    EXPECT_EQ(t.State(), TDataSetState::Browse);
    // The cursor is on the new record, which got the next number.
    EXPECT_EQ(t.FieldByName(QStringLiteral("ID"))->AsString(), QStringLiteral("D"));
    EXPECT_EQ(t.FieldByName(QStringLiteral("Key"))->AsInteger(), 6);
    EXPECT_EQ(t.FieldByName(QStringLiteral("Name"))->AsString(), QStringLiteral("a name longer than t"));
    EXPECT_EQ(t.FieldByName(QStringLiteral("Weight"))->AsFloat(), 2.35);
    EXPECT_EQ(t.FieldByName(QStringLiteral("Price"))->AsCurrency(), TMoney::FromRaw(123456));
    EXPECT_EQ(t.FieldByName(QStringLiteral("Made"))->AsString(), QStringLiteral("29.02.2024"));
    EXPECT_EQ(t.RecNo(), 6);

    // Writing needs the edit state.
    EXPECT_EQ(ErrorOf([&] { t.FieldByName(QStringLiteral("Name"))->SetAsString(QStringLiteral("x")); }),
              QStringLiteral("Набор данных [Parts.db] не в режиме редактирования!"));
    t.Edit();
    t.FieldByName(QStringLiteral("Name"))->SetAsString(QStringLiteral("renamed"));
    t.FieldByName(QStringLiteral("Color"))->Clear();
    t.Post();
    t.Refresh();
    EXPECT_EQ(t.FieldByName(QStringLiteral("Name"))->AsString(), QStringLiteral("renamed"));
    EXPECT_EQ(t.FieldByName(QStringLiteral("Key"))->AsInteger(), 6);

    // Cancel forgets the edit.
    t.Edit();
    t.FieldByName(QStringLiteral("Name"))->SetAsString(QStringLiteral("lost"));
    t.Cancel();
    EXPECT_EQ(t.FieldByName(QStringLiteral("Name"))->AsString(), QStringLiteral("renamed"));

    // Delete leaves the cursor on the next record.
    t.Locate(QStringLiteral("Name"), QStringLiteral("beta"));
    t.Delete();
    EXPECT_EQ(t.RecordCount(), 5);
    EXPECT_EQ(t.FieldByName(QStringLiteral("Name"))->AsString(), QStringLiteral("Дверь"));
    EXPECT_FALSE(t.Locate(QStringLiteral("Name"), QStringLiteral("beta")));
}

TEST_F(Engine, KeyViolationKeepsTheInsertState)
{
    TTable t(&Db, QStringLiteral("COLORS.DB"));
    t.Open();
    t.Insert();
    t.FieldByName(QStringLiteral("Color"))->SetAsString(QStringLiteral("RAL9016"));
    EXPECT_EQ(ErrorOf([&] { t.Post(); }), QStringLiteral("Запись с таким ключом уже есть в таблице [COLORS.DB]!"));
    EXPECT_EQ(t.State(), TDataSetState::Insert);
    t.FieldByName(QStringLiteral("Color"))->SetAsString(QStringLiteral("RAL7016"));
    t.Post();
    EXPECT_EQ(t.RecordCount(), 3);
}

TEST_F(Engine, ChangesShowInOtherObjectsOfTheTable)
{
    TTable a(&Db, QStringLiteral("Parts.db"));
    TTable b(&Db, QStringLiteral("Parts.db"));
    a.Open();
    b.Open();
    b.Locate(QStringLiteral("Name"), QStringLiteral("gamma"));
    a.Locate(QStringLiteral("Name"), QStringLiteral("Alpha"));
    a.Delete();
    // b still stands on its record, now the first.
    EXPECT_EQ(b.FieldByName(QStringLiteral("Name"))->AsString(), QStringLiteral("gamma"));
    EXPECT_EQ(b.RecordCount(), 4);
    a.Locate(QStringLiteral("Name"), QStringLiteral("gamma"));
    a.Edit();
    a.FieldByName(QStringLiteral("Qty"))->SetAsInteger(9);
    a.Post();
    EXPECT_EQ(b.FieldByName(QStringLiteral("Qty"))->AsInteger(), 9);
    // A lookup follows its table.
    TTable colors(&Db, QStringLiteral("COLORS.DB"));
    colors.Open();
    colors.Locate(QStringLiteral("Color"), QStringLiteral("RAL8017"));
    colors.Edit();
    colors.FieldByName(QStringLiteral("Name"))->SetAsString(QStringLiteral("Тёмный"));
    colors.Post();
    b.Refresh();
    b.Locate(QStringLiteral("ID"), QStringLiteral("C"));
    EXPECT_EQ(b.FieldByName(QStringLiteral("ColorName"))->AsString(), QStringLiteral("Тёмный"));
}

TEST_F(Engine, ManyFilteredRowsAndCalculatedFields)
{
    Db.StartTransaction();
    {
        TBulkInsert parts(Db, QStringLiteral("Parts.db"));
        for (int i = 0; i < 150; ++i)
            parts.Insert(QVariantList{"M", QString::number(1000 + i), 100 + i, QStringLiteral("m%1").arg(i), i % 7, 3});
    }
    Db.Commit();
    TTable t(&Db, QStringLiteral("Parts.db"));
    t.OnCalcFields = [](TDataSet& ds) {
        ds.FieldByName(QStringLiteral("Selected"))->SetAsBoolean(ds.FieldByName(QStringLiteral("Qty"))->AsInteger() == 0);
    };
    t.SetFilter(QStringLiteral("Side=3"));
    t.SetFiltered(true);
    t.Open();
    EXPECT_EQ(t.RecordCount(), 150);
    int selected = 0, seen = 0;
    for (t.First(); !t.Eof(); t.Next()) {
        EXPECT_EQ(t.FieldByName(QStringLiteral("Item"))->AsInteger(), 1000 + seen);
        selected += t.FieldByName(QStringLiteral("Selected"))->AsBoolean() ? 1 : 0;
        ++seen;
    }
    EXPECT_EQ(seen, 150);
    EXPECT_EQ(selected, 22);   // 0, 7, ..., 147
    t.SetFilter(QStringLiteral("Side=3 and Qty=6"));
    EXPECT_EQ(t.RecordCount(), 21);
    t.SetFiltered(false);
    EXPECT_EQ(t.RecordCount(), 155);
}

TEST_F(Engine, ObserversAndDisableControls)
{
    TTable t(&Db, QStringLiteral("Parts.db"));
    int changes = 0;
    int id = t.AddObserver([&](TDataSet&, TDataEvent) { ++changes; });
    t.Open();
    EXPECT_GT(changes, 0);
    changes = 0;
    t.DisableControls();
    t.DisableControls();
    t.SetFilter(QStringLiteral("ID='A'"));
    t.SetFiltered(true);
    for (t.First(); !t.Eof(); t.Next()) {
    }
    t.EnableControls();
    EXPECT_EQ(changes, 0);
    t.EnableControls();
    EXPECT_EQ(changes, 1);   // one change for everything that happened
    EXPECT_FALSE(t.ControlsDisabled());
    t.RemoveObserver(id);
    t.Next();
    t.First();
    EXPECT_EQ(changes, 1);
}

TEST_F(Engine, EmptyTableReopensOpenObjects)
{
    TTable t(&Db, QStringLiteral("Parts.db"));
    t.SetFilter(QStringLiteral("ID='A'"));
    t.SetFiltered(true);
    t.Open();
    EXPECT_EQ(t.RecordCount(), 2);
    TTable other(&Db, QStringLiteral("COLORS.DB"));
    other.Open();
    t.EmptyTable();
    EXPECT_TRUE(t.Active());
    EXPECT_TRUE(t.IsEmpty());
    EXPECT_TRUE(t.Filtered());
    t.SetFiltered(false);
    EXPECT_EQ(t.RecordCount(), 0);
    EXPECT_EQ(other.RecordCount(), 2);
    // Also for a closed table object.
    TTable closed(&Db, QStringLiteral("COLORS.DB"));
    closed.EmptyTable();
    EXPECT_FALSE(closed.Active());
    EXPECT_EQ(other.RecordCount(), 0);
    EXPECT_TRUE(other.Active());
}

TEST_F(Engine, Transactions)
{
    Db.StartTransaction();
    EXPECT_THROW(Db.StartTransaction(), EValtrixError);
    {
        TBulkInsert ins(Db, QStringLiteral("COLORS.DB"));
        ins.Insert(QHash<QString, QVariant>{{QStringLiteral("color"), QStringLiteral("RAL1015")}});
    }
    Db.Rollback();
    TTable t(&Db, QStringLiteral("COLORS.DB"));
    t.Open();
    EXPECT_EQ(t.RecordCount(), 2);
    Db.StartTransaction();
    {
        TBulkInsert ins(Db, QStringLiteral("COLORS.DB"));
        ins.Insert(QVariantList{"RAL1015", "Слоновая кость"});
    }
    Db.Commit();
    EXPECT_EQ(t.RecordCount(), 3);
    EXPECT_FALSE(Db.InTransaction());
}

TEST_F(Engine, ExistingFileWithoutDefinitions)
{
    Db.Close();
    // Another connection on the same directory knows nothing but the file.
    TDatabase fresh(QStringLiteral("VX_CAT"));
    fresh.SetDirectory(Dir.path());
    TTable t(&fresh, QStringLiteral("Parts.db"));
    t.Open();
    const TTableDef& def = t.Def();
    ASSERT_EQ(def.Fields.size(), 10);
    EXPECT_EQ(def.Fields[0].Type, TFieldType::String);
    EXPECT_EQ(def.Fields[0].Size, 10);
    EXPECT_EQ(def.Fields[2].Type, TFieldType::AutoInc);
    EXPECT_EQ(def.Fields[6].Type, TFieldType::Decimal);
    EXPECT_EQ(def.Fields[6].Size, 2);
    EXPECT_EQ(def.Fields[7].Type, TFieldType::Money);
    EXPECT_EQ(def.Fields[9].Type, TFieldType::Date);
    ASSERT_NE(def.PrimaryKey(), nullptr);
    EXPECT_EQ(def.PrimaryKey()->Fields, (QStringList{"ID", "Item", "Key"}));
    ASSERT_NE(def.FindIndex(QStringLiteral("ByName")), nullptr);
    EXPECT_TRUE(def.FindIndex(QStringLiteral("ByName"))->CaseInsensitive);
    EXPECT_FALSE(def.FindIndex(QStringLiteral("BySide"))->CaseInsensitive);
    t.SetIndexName(QStringLiteral("ByName"));
    EXPECT_EQ(Column(t, QStringLiteral("Name")).first(), QStringLiteral("Alpha"));
    EXPECT_EQ(Column(t, QStringLiteral("Made")).first(), QString());
}

// ---------------------------------------------------------------------------------------------
// Local SQL.

TEST_F(Engine, QueryOverTwoAliasesWithInAndCorrelationNames)
{
    QTemporaryDir otherDir;
    TDatabase props(QStringLiteral("VX_PROPS"));
    props.SetDirectory(otherDir.path());
    TTableDef sysProp;
    sysProp.FileName = QStringLiteral("SysProp.DB");
    sysProp.Fields = {TFieldDef::I("ID"), TFieldDef::A("GroupName", 30), TFieldDef::A("ValueName", 50)};
    props.CreateTable(sysProp);
    {
        TBulkInsert ins(props, QStringLiteral("SysProp.DB"));
        ins.Insert(QVariantList{1, "Цвет", "Белый"});
        ins.Insert(QVariantList{3, "Сторона", "Левая"});
        ins.Insert(QVariantList{5, "Никогда", "-"});
    }
    TQuery q;
    q.SetSQL(QStringList{QStringLiteral("select T1.\"ID\", T1.\"ValueName\", T.\"Name\", T.\"Made\", T.\"Key\""),
                         QStringLiteral("from \":VX_CAT:Parts.db\" T, \":VX_PROPS:SysProp.DB\" T1"),
                         QStringLiteral("where"), QStringLiteral("T.\"Side\" = T1.\"ID\""), QStringLiteral("and"),
                         QStringLiteral("T.\"Qty\" IN (1, 2, 3, 5)"), QStringLiteral("and T.\"ID\" <> :Skip"),
                         QStringLiteral("order by T.\"Key\"")});
    q.SetParam(QStringLiteral("skip"), QStringLiteral("it's"));
    q.Open();
    EXPECT_EQ(q.FieldNames(), (QStringList{"ID", "ValueName", "Name", "Made", "Key"}));
    EXPECT_EQ(q.RecordCount(), 3);   // sides 1 with quantities 2, 3, 1
    EXPECT_EQ(Column(q, QStringLiteral("Key")), (QStringList{"1", "3", "4"}));
    q.First();
    EXPECT_EQ(q.FieldByName(QStringLiteral("ValueName"))->AsString(), QStringLiteral("Белый"));
    EXPECT_EQ(q.FieldByName(QStringLiteral("Made"))->DataType(), TFieldType::Date);
    EXPECT_EQ(q.FieldByName(QStringLiteral("Made"))->AsString(), QStringLiteral("01.03.2020"));
    EXPECT_TRUE(q.TranslatedSQL().contains(QStringLiteral("\"vx_VX_PROPS\".\"SysProp\"")));
    EXPECT_FALSE(q.TranslatedSQL().contains(QStringLiteral("it's")));

    // Edits of a query stay in its rows.
    q.Edit();
    q.FieldByName(QStringLiteral("Name"))->SetAsString(QStringLiteral("changed"));
    q.Post();
    EXPECT_EQ(q.FieldByName(QStringLiteral("Name"))->AsString(), QStringLiteral("changed"));
    TTable t(&Db, QStringLiteral("Parts.db"));
    t.Open();
    EXPECT_FALSE(t.Locate(QStringLiteral("Name"), QStringLiteral("changed")));
    q.Close();
}

TEST_F(Engine, QueryOfTheReportListShape)
{
    TQuery q(&Db);
    q.SetSQL(QStringList{QStringLiteral("SELECT *"), QStringLiteral("FROM \":VX_CAT:Parts.db\" T"), QStringLiteral("WHERE"),
                         QStringLiteral("T.\"Side\" = 1"), QStringLiteral("AND"), QStringLiteral("QTY = 1")});
    q.Open();
    EXPECT_EQ(q.FieldCount(), 10);
    EXPECT_EQ(Column(q, QStringLiteral("Name")), QStringList{QStringLiteral("Дверь")});
    // Two tables with fields of the same name: the second one is renamed.
    TQuery both(&Db);
    both.SetSQL(QStringLiteral("select * from \"Parts.db\" P, \"COLORS.DB\" C where P.\"Color\" = C.\"Color\" order by P.\"Key\""));
    both.Open();
    EXPECT_NE(both.FindField(QStringLiteral("Color_1")), nullptr);
    EXPECT_EQ(both.FieldByName(QStringLiteral("Name_1"))->AsString(), QStringLiteral("Белый"));
}

// ---------------------------------------------------------------------------------------------
// Guarded open and close.

namespace {
class TOtherDataSet : public TDataSet {
public:
    QString DisplayName() const override { return QStringLiteral("other"); }

protected:
    void DoOpen() override {}
    void DoClose() override {}
    int DoRowCount() override { return 0; }
    void DoReadRow(int, std::vector<QVariant>&) override {}
    qint64 DoRowKey(int) override { return 0; }
    int DoFindRowKey(qint64) override { return -1; }
    qint64 DoPost(bool, qint64, const std::vector<QVariant>&, const std::vector<bool>&) override { return 0; }
    void DoDelete(qint64) override {}
    void DoRefresh() override {}
};
} // namespace

TEST_F(Engine, GuardedOpenAndCloseShowTheirMessages)
{
    TScriptedInteraction ui;
    TScopedUI scope(&ui);

    TTable good(&Db, QStringLiteral("Parts.db"));
    EXPECT_TRUE(OpenDataSet(&good));
    EXPECT_TRUE(CloseDataSet(&good));
    EXPECT_TRUE(ui.Shown.isEmpty());

    TTable missing(&Db, QStringLiteral("FrnItoI.DB"));
    EXPECT_FALSE(OpenDataSet(&missing));
    ASSERT_EQ(ui.Shown.size(), 1);
    EXPECT_EQ(ui.Shown[0].Kind, TMessageKind::Error);
    EXPECT_EQ(ui.Shown[0].Text, QStringLiteral("Ошибка открытия файла [FrnItoI.DB]\r\n(Таблица [FrnItoI.DB] не найдена в базе данных [%1]!)")
                                    .arg(Db.FileName()));
    EXPECT_FALSE(missing.Active());
    ui.clear();

    TQuery bad(&Db);
    QString sql = QStringLiteral("select Nope from \":VX_CAT:Parts.db\"");
    bad.SetSQL(sql);
    EXPECT_FALSE(OpenDataSet(&bad));
    ASSERT_EQ(ui.Shown.size(), 1);
    EXPECT_TRUE(ui.Shown[0].Text.startsWith(QStringLiteral("Ошибка открытия SQL-запроса:\r\n(")));
    EXPECT_TRUE(ui.Shown[0].Text.contains(QStringLiteral("Nope")));
    EXPECT_TRUE(ui.Shown[0].Text.endsWith(QStringLiteral(")\r\nSQL:\r\n(") + sql + QStringLiteral(")")));
    ui.clear();

    TQuery unknownAlias;
    unknownAlias.SetSQL(QStringLiteral("select * from \":NO_SUCH:X.DB\""));
    EXPECT_FALSE(OpenDataSet(&unknownAlias));
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Ошибка открытия SQL-запроса:\r\n(Псевдоним базы данных [NO_SUCH] не найден!)\r\nSQL:\r\n(select * from \":NO_SUCH:X.DB\")")});
    ui.clear();

    TOtherDataSet other;
    EXPECT_FALSE(OpenDataSet(&other));
    EXPECT_FALSE(CloseDataSet(&other));
    EXPECT_FALSE(OpenDataSet(nullptr));
    EXPECT_EQ(ui.texts(), QStringList(3, QStringLiteral("Неопределенный тип объекта TDBDataSet")));
}
