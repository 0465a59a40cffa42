#include "db/VXCatalogGenerator.h"
#include "db/VXDataModule.h"
#include "db/VXSchema.h"
#include "db/VXTableEngine.h"
#include "foundation/VXError.h"
#include "foundation/VXUserInteraction.h"
#include "TestSupport.h"
#include <QDir>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vx;

namespace {

QString Cyr(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// Column values of every shown row, in the table's order.
QStringList Column(TTable& table, const QString& field)
{
    QStringList values;
    for (table.First(); !table.Eof(); table.Next())
        values << table.FieldByName(field)->AsString();
    return values;
}

QSet<QString> ColumnSet(TTable& table, const QString& field)
{
    const QStringList values = Column(table, field);
    return QSet<QString>(values.begin(), values.end());
}

// A fresh catalog, registry and report database in a temporary directory, connected through
// the data module; every message shown is recorded.
struct DataModule : ::testing::Test {
    QTemporaryDir Dir;
    TScriptedInteraction UI;
    TScopedUI ScopedUI{&UI};
    QString CatalogDir = Dir.path() + "/catalog";
    QString RegistryDir = Dir.path() + "/registry";
    QString ReportDir = Dir.path() + "/report";
    TDM DM;

    void SetUp() override
    {
        CreateEmptyDatabase(Alias::Catalog, CatalogDir);
        CreateEmptyDatabase(Alias::Registry, RegistryDir);
        CreateEmptyDatabase(Alias::Report, ReportDir);
        DM.ConnectCatalog(CatalogDir);
        DM.ConnectRegistry(RegistryDir);
        DM.ConnectReport(ReportDir);
    }

    void Add(const QString& table, const QHash<QString, QVariant>& values)
    {
        TBulkInsert insert(DM.DB_Catalog, table);
        insert.Insert(values);
    }
};

} // namespace

TEST(Schema, TablesHaveTheDocumentedFieldsTypesAndKeys)
{
    // Type letters: A text, S small, I integer, N decimal, $ money, + auto-increment, D date,
    // c calculated.
    struct TExpect {
        QString Alias, File;
        const char* Types;
        QStringList Key;
    } tables[] = {
        {Alias::Catalog, "COLORSET.DB", "AA", {"Color"}},
        {Alias::Catalog, "SysList.DB", "ASAASIA", {"ID"}},
        {Alias::Catalog, "SysColor.db", "AAA", {"ID", "System"}},
        {Alias::Catalog, "SysProf.DB", "AAA", {}},
        {Alias::Catalog, "SysProp.DB", "IAASSA", {}},
        {Alias::Catalog, "Material.db", "IA", {}},
        {Alias::Catalog, "ParamList.DB", "ISASSSNSS", {"ID"}},
        {Alias::Catalog, "Catalog.DB", "ASAAAAAASAAAAAANNNSSSSIIIIIISNNNSSS$ISSSSSSSISSSNNNSSSAAAASAINNNSSII", {"ID"}},
        {Alias::Catalog, "Currency.DB", "AAAASSSNAAAS", {}},
        {Alias::Catalog, "PriceGrp.DB", "ANNNNNNNNNNS", {}},
        {Alias::Catalog, "FrnComp.DB", "ASSSAAASSISSISAAAASAAIISI", {"ID"}},
        {Alias::Catalog, "FrnSide.DB", "ASSSNNSSSSSSSSSSS", {"ID", "Side"}},
        {Alias::Catalog, "FrnItem.DB", "AASSSSSSSSSSSSI", {}},
        {Alias::Catalog, "FrnSet.DB", "AA+ISSSSSSSSSSSSSSSSSSSSSNNSSSSSSSSSSSSSASSSSSSAAAASAI", {"ID", "Item", "Key"}},
        {Alias::Catalog, "FrnArt.DB", "AA+SSSNNSSSNNSSSSASSSSSSSSNNSSSSASS", {"ID", "CatalogID", "Key"}},
        {Alias::Catalog, "FrnSchl.DB", "AA+SSIIA", {}},
        {Alias::Catalog, "FrnDop.DB", "AA+SISIA", {}},
        {Alias::Catalog, "FrnAbd.DB", "AAASIA", {}},
        {Alias::Catalog, "FrnProp.db", "IIS", {}},
        {Alias::Catalog, "FrnItoI.DB", "AAISSSSAAAI", {}},
        {Alias::Registry, "OrderLst.DB", "ADAAAA$SAAc", {"No"}},
        {Alias::Report, "Report.db", "IIAASSS", {}},
    };
    auto letter = [](const TFieldDef& f) {
        if (f.Kind == TFieldKind::Calculated)
            return 'c';
        switch (f.Type) {
        case TFieldType::String: return 'A';
        case TFieldType::SmallInt: return 'S';
        case TFieldType::Integer: return 'I';
        case TFieldType::Decimal: return 'N';
        case TFieldType::Money: return '$';
        case TFieldType::AutoInc: return '+';
        case TFieldType::Date: return 'D';
        default: return '?';
        }
    };
    int catalogTables = 0;
    for (const TExpect& t : tables) {
        const TTableDef def = SchemaTableDef(t.Alias, t.File);
        EXPECT_EQ(def.FileName, t.File);
        QString types;
        for (const TFieldDef& f : def.Fields)
            types += QLatin1Char(letter(f));
        EXPECT_EQ(types, QString::fromLatin1(t.Types)) << t.File.toStdString();
        const TIndexDef* key = def.PrimaryKey();
        EXPECT_EQ(key ? key->Fields : QStringList(), t.Key) << t.File.toStdString();
        catalogTables += t.Alias == Alias::Catalog;
    }
    EXPECT_EQ(CatalogTableDefs().size(), catalogTables);

    // Sizes and decimals that callers depend on.
    const TTableDef catalog = SchemaTableDef(Alias::Catalog, "catalog.db");
    EXPECT_EQ(catalog.FindField("ID")->Size, 30);
    EXPECT_EQ(catalog.FindField("Export")->Size, 255);
    EXPECT_EQ(catalog.FindField("LamSqExt")->Size, 8);
    EXPECT_EQ(SchemaTableDef(Alias::Catalog, "Currency.DB").FindField("Value")->Size, 4);
    EXPECT_EQ(SchemaTableDef(Alias::Catalog, "ParamList.DB").FindField("DornMass")->Size, 1);
    EXPECT_EQ(SchemaTableDef(Alias::Catalog, "FrnSet.DB").FindField("LenFormula")->Size, 100);
    EXPECT_EQ(SchemaTableDef(Alias::Registry, "OrderLst.DB").FindField("OrderFile")->Size, 255);
    EXPECT_THROW(SchemaTableDef(Alias::Registry, "Catalog.DB"), EValtrixError);
    EXPECT_THROW(SchemaTableDefs("ZNDB_Other"), EValtrixError);
}

TEST_F(DataModule, AnEmptySchemaOpensWholeAndReadsBackFromTheFile)
{
    EXPECT_TRUE(DM.OpenCatalog());
    EXPECT_TRUE(UI.Shown.isEmpty()) << UI.texts().join("\n").toStdString();
    EXPECT_TRUE(DM.CatalogOpen());
    for (TTable* t : DM.CatalogTables()) {
        EXPECT_TRUE(t->Active()) << t->TableName().toStdString();
        EXPECT_TRUE(t->IsEmpty()) << t->TableName().toStdString();
    }
    ASSERT_TRUE(OpenDataSet(&DM.T_OrderList));
    TQuery reports(&DM.DB_Report);
    reports.SetSQL(QStringList{"SELECT *", "FROM \":ZNDB_Report:Report.db\" T", "WHERE", "T.\"Group\" = 11"});
    EXPECT_TRUE(OpenDataSet(&reports));

    // The file alone, without our definitions, describes the same stored fields.
    for (const QString& alias : {Alias::Catalog, Alias::Registry, Alias::Report}) {
        TDatabase plain(alias);
        plain.SetDirectory(alias == Alias::Catalog ? CatalogDir : alias == Alias::Registry ? RegistryDir : ReportDir);
        plain.Open();
        for (const TTableDef& def : SchemaTableDefs(alias)) {
            TTable table(&plain, def.FileName);
            ASSERT_NO_THROW(table.Open()) << def.FileName.toStdString();
            const QList<TFieldDef> data = def.DataFields();
            ASSERT_EQ(table.FieldCount(), data.size()) << def.FileName.toStdString();
            for (int i = 0; i < data.size(); ++i) {
                EXPECT_EQ(table.Fields(i)->FieldName(), data[i].Name);
                EXPECT_EQ(table.Fields(i)->DataType(), data[i].Type) << data[i].Name.toStdString();
                if (data[i].Type == TFieldType::String || data[i].Type == TFieldType::Decimal) {
                    EXPECT_EQ(table.Fields(i)->Size(), data[i].Size) << data[i].Name.toStdString();
                }
            }
        }
    }
    // A directory that already holds the database is not overwritten.
    EXPECT_THROW(CreateEmptyDatabase(Alias::Catalog, CatalogDir), EValtrixError);
}

TEST_F(DataModule, TheFixedViewsShowOnlyTheirHundred)
{
    for (int code : {99, 150, 250, 350, 450, 500})
        Add("ParamList.DB", {{"ID", code}, {"Name", QString::number(code)}});
    for (int id : {0, 1, 2})
        Add("Material.db", {{"ID", id}, {"Name", QString::number(id)}});
    ASSERT_TRUE(DM.OpenCatalog());

    EXPECT_EQ(Column(DM.T_FalzList, "ID"), QStringList{"150"});
    EXPECT_EQ(Column(DM.T_DornList, "ID"), QStringList{"250"});
    EXPECT_EQ(Column(DM.T_StulpList, "ID"), QStringList{"350"});
    EXPECT_EQ(Column(DM.T_OpenList, "ID"), QStringList{"450"});
    // The codes outside the four hundreds show nowhere, and the views share no cursor.
    DM.T_DornList.First();
    EXPECT_FALSE(DM.T_FalzList.Locate("ID", 250));
    EXPECT_EQ(DM.T_DornList.FieldByName("ID")->AsInteger(), 250);
    EXPECT_EQ(Column(DM.T_Material, "ID"), (QStringList{"1", "2"}));
}

TEST_F(DataModule, LookupsAndCaptions)
{
    Add("Currency.DB", {{"ID", 1}, {"Name", "RUB"}});
    Add("PriceGrp.DB", {{"GroupID", 3}, {"Name", Cyr("Опт")}});
    Add("Catalog.DB", {{"ID", "A1"}, {"Currency", 1}, {"PriceGrp", 3}});
    Add("Catalog.DB", {{"ID", "A2"}, {"Currency", 9}, {"PriceGrp", 0}});
    Add("Catalog.DB", {{"ID", "A3"}});
    Add("FrnItem.DB", {{"ID", "E1"}, {"Name", Cyr("Петля")}});
    Add("FrnSet.DB", {{"ID", "K1"}, {"Item", "E1"}, {"Key", 1}});
    Add("FrnSet.DB", {{"ID", "K1"}, {"Item", "E9"}, {"Key", 2}});
    Add("COLORSET.DB", {{"Color", "C01"}, {"Name", Cyr("Белый")}});
    Add("SysColor.db", {{"ID", "C01"}, {"System", "101"}});
    ASSERT_TRUE(DM.OpenCatalog());

    TTable& catalog = DM.T_Catalog;
    struct {
        const char* Id;
        QString Currency, PriceGroup;
    } rows[] = {{"A1", "RUB", Cyr("Опт")}, {"A2", "", ""}, {"A3", "", ""}};
    for (const auto& r : rows) {
        ASSERT_TRUE(catalog.Locate("ID", r.Id));
        EXPECT_EQ(catalog.FieldByName("CurrencyLookup")->AsString(), r.Currency) << r.Id;
        EXPECT_EQ(catalog.FieldByName("PriceGroupLookup")->AsString(), r.PriceGroup) << r.Id;
    }
    EXPECT_EQ(Column(DM.T_FrnSet, "ItemLookup"), (QStringList{Cyr("Петля"), ""}));
    EXPECT_EQ(Column(DM.T_SysColor, "ColorName"), QStringList{Cyr("Белый")});
    EXPECT_TRUE(catalog.FieldByName("CurrencyLookup")->ReadOnly());

    EXPECT_EQ(catalog.FieldByName("CurrencyLookup")->DisplayLabel(), Cyr("Цена"));
    EXPECT_EQ(catalog.FieldByName("ProdArticle")->DisplayLabel(), Cyr("Артикул производителя #1"));
    EXPECT_EQ(catalog.FieldByName("ID")->DisplayLabel(), Cyr("Код"));
    EXPECT_EQ(DM.T_FrnDop.FieldByName("Number")->DisplayLabel(), Cyr("Артикул аксессуара"));
    EXPECT_EQ(DM.T_FrnComp.FieldByName("MultiSysID")->DisplayLabel(), Cyr("МС код замены"));
}

TEST_F(DataModule, AMissingTableShowsItsOpenErrorAndTheOthersOpen)
{
    DM.DB_Catalog.DropTable("FrnItoI.DB");
    EXPECT_FALSE(DM.OpenCatalog());
    ASSERT_EQ(UI.Shown.size(), 1);
    EXPECT_EQ(UI.Shown[0].Kind, TMessageKind::Error);
    EXPECT_TRUE(UI.Shown[0].Text.startsWith("Ошибка открытия файла [FrnItoI.DB]\r\n(")) << UI.Shown[0].Text.toStdString();
    EXPECT_EQ(DM.FailedTables(), QStringList{"FrnItoI.DB"});
    for (TTable* t : DM.CatalogTables())
        EXPECT_EQ(t->Active(), t != &DM.T_FrnItoI) << t->TableName().toStdString();
}

TEST_F(DataModule, TheResultIsThatOfTheLastOpenButEveryFailureIsShown)
{
    DM.DB_Catalog.DropTable("Catalog.DB");
    UI.clear();
    EXPECT_TRUE(DM.OpenCatalog());
    ASSERT_EQ(UI.Shown.size(), 1);
    EXPECT_TRUE(UI.Shown[0].Text.startsWith("Ошибка открытия файла [Catalog.DB]\r\n("));
    EXPECT_EQ(DM.FailedTables(), QStringList{"Catalog.DB"});
    EXPECT_FALSE(DM.CatalogOpen());
    EXPECT_TRUE(DM.T_FrnItoI.Active());
}

TEST_F(DataModule, ConnectingAgainMovesEveryTableToTheNewDirectory)
{
    Add("COLORSET.DB", {{"Color", "C01"}, {"Name", "old"}});
    ASSERT_TRUE(DM.OpenCatalog());
    const QString other = Dir.path() + "/other";
    CreateEmptyDatabase(Alias::Catalog, other);
    DM.ConnectCatalog(other);
    EXPECT_EQ(DM.DB_Catalog.Params(), TDM::ConnectionParams(other));
    EXPECT_EQ(DM.DB_Catalog.Params().value(1), QString("DEFAULT DRIVER=PARADOX"));
    EXPECT_FALSE(DM.T_Color.Active());   // closing the connection closed its tables
    ASSERT_TRUE(DM.OpenCatalog());
    EXPECT_TRUE(DM.T_Color.IsEmpty());
}

TEST_F(DataModule, TablesKeepTheirOrder)
{
    // Set rows by (ID, Item, Key) whatever the order they were written in.
    Add("FrnSet.DB", {{"ID", "K2"}, {"Item", "E1"}, {"Key", 1}});
    Add("FrnSet.DB", {{"ID", "K1"}, {"Item", "E2"}, {"Key", 2}});
    Add("FrnSet.DB", {{"ID", "K1"}, {"Item", "E1"}, {"Key", 4}});
    Add("FrnSet.DB", {{"ID", "K1"}, {"Item", "E1"}, {"Key", 3}});
    for (const char* id : {"S9", "S1", "S5"})
        Add("FrnSchl.DB", {{"CatalogID", id}, {"Item", "E1"}});
    ASSERT_TRUE(DM.OpenCatalog());
    EXPECT_EQ(Column(DM.T_FrnSet, "Key"), (QStringList{"3", "4", "2", "1"}));
    EXPECT_EQ(Column(DM.T_FrnSchl, "CatalogID"), (QStringList{"S1", "S5", "S9"}));

    // A filter by complect, as the set resolution sets it, keeps that order.
    DM.T_FrnSet.SetFilter("ID='K1'");
    DM.T_FrnSet.SetFiltered(true);
    EXPECT_EQ(Column(DM.T_FrnSet, "Key"), (QStringList{"3", "4", "2"}));
    DM.T_FrnSet.SetFiltered(false);
}

TEST_F(DataModule, TheRegistrySortsByItsNamedIndexesWithoutRegardToCase)
{
    ASSERT_TRUE(OpenDataSet(&DM.T_OrderList));
    struct {
        const char *No, *Customer, *Object;
        QDate Date;
    } orders[] = {{"3", "бета", "Дом", QDate(2024, 1, 3)},
                  {"1", "Альфа", "склад", QDate(2024, 2, 1)},
                  {"2", "Вега", "Офис", QDate(2023, 5, 5)}};
    for (const auto& o : orders) {
        DM.T_OrderList.Append();
        DM.T_OrderList.FieldByName("No")->SetAsString(o.No);
        DM.T_OrderList.FieldByName("Customer")->SetAsString(Cyr(o.Customer));
        DM.T_OrderList.FieldByName("Object")->SetAsString(Cyr(o.Object));
        DM.T_OrderList.FieldByName("RegDate")->SetAsDateTime(TDateTime::FromDate(o.Date));
        DM.T_OrderList.Post();
    }
    EXPECT_EQ(Column(DM.T_OrderList, "No"), (QStringList{"1", "2", "3"}));
    DM.T_OrderList.SetIndexName(OrderListIndex::Date);
    EXPECT_EQ(Column(DM.T_OrderList, "No"), (QStringList{"2", "3", "1"}));
    DM.T_OrderList.SetIndexName(OrderListIndex::CustName);
    EXPECT_EQ(Column(DM.T_OrderList, "No"), (QStringList{"1", "3", "2"}));
    DM.T_OrderList.SetIndexName(OrderListIndex::ObjName);
    EXPECT_EQ(Column(DM.T_OrderList, "No"), (QStringList{"3", "2", "1"}));
    ASSERT_NE(DM.T_OrderList.FindField("Selected"), nullptr);
    EXPECT_EQ(DM.T_OrderList.FindField("Selected")->FieldKind(), TFieldKind::Calculated);
}

// ---------------------------------------------------------------------------------------------
// The synthetic catalog.

namespace {

struct GeneratedCatalog : ::testing::Test {
    static inline QTemporaryDir* Dir = nullptr;
    static inline TCatalogGenStats Stats;

    static void SetUpTestSuite()
    {
        Dir = new QTemporaryDir;
        Stats = GenerateCatalog(Dir->path() + "/a", TCatalogGenParams());
    }
    static void TearDownTestSuite()
    {
        delete Dir;
        Dir = nullptr;
    }
};

} // namespace

TEST_F(GeneratedCatalog, EveryReferenceResolves)
{
    TScriptedInteraction ui;
    TScopedUI scoped(&ui);
    TDM dm;
    dm.ConnectCatalog(Dir->path() + "/a");
    ASSERT_TRUE(dm.OpenCatalog());
    ASSERT_TRUE(dm.CatalogOpen());

    const TCatalogGenParams p;
    EXPECT_EQ(dm.T_Catalog.RecordCount(), p.Articles);
    EXPECT_EQ(dm.T_FrnSet.RecordCount(), p.SetRows);
    EXPECT_EQ(dm.T_FrnItem.RecordCount(), p.Elements);
    EXPECT_EQ(dm.T_FrnArt.RecordCount(), Stats.ArtRows);

    const QSet<QString> articles = ColumnSet(dm.T_Catalog, "ID");
    const QSet<QString> complects = ColumnSet(dm.T_FrnComp, "ID");
    const QSet<QString> elements = ColumnSet(dm.T_FrnItem, "ID");
    const QSet<QString> colors = ColumnSet(dm.T_Color, "Color");
    const QSet<QString> systems = ColumnSet(dm.T_SysList, "ID");
    const QSet<QString> profiles = ColumnSet(dm.T_SysProf, "SchlSysID");
    const QSet<QString> properties = ColumnSet(dm.T_SysProp, "ID");
    QSet<QString> composite, plates;
    for (dm.T_FrnItem.First(); !dm.T_FrnItem.Eof(); dm.T_FrnItem.Next()) {
        if (dm.T_FrnItem.FieldByName("Virtual")->AsInteger() == 1)
            composite << dm.T_FrnItem.FieldByName("ID")->AsString();
        if (dm.T_FrnItem.FieldByName("HasProfSys")->AsInteger() == 1)
            plates << dm.T_FrnItem.FieldByName("ID")->AsString();
    }
    EXPECT_FALSE(composite.isEmpty());
    EXPECT_FALSE(plates.isEmpty());

    auto subset = [](const QSet<QString>& values, const QSet<QString>& of, const char* what) {
        const QSet<QString> stray = QSet<QString>(values).subtract(of);
        EXPECT_TRUE(stray.isEmpty()) << what << ": " << QStringList(stray.values()).join(", ").toStdString();
    };
    subset(ColumnSet(dm.T_FrnSet, "ID"), complects, "set complects");
    subset(ColumnSet(dm.T_FrnSet, "Item"), elements, "set elements");
    subset(ColumnSet(dm.T_FrnSide, "ID"), complects, "side complects");
    subset(ColumnSet(dm.T_FrnArt, "ID"), QSet<QString>(elements).subtract(composite), "article elements");
    subset(ColumnSet(dm.T_FrnArt, "CatalogID"), articles, "element articles");
    subset(ColumnSet(dm.T_FrnArt, "ProfSys"), QSet<QString>(profiles) << QString(), "profile systems");
    subset(ColumnSet(dm.T_FrnArt, "Color"), QSet<QString>(colors) << QString(), "article colours");
    subset(ColumnSet(dm.T_FrnSchl, "CatalogID"), articles, "strike plate sources");
    subset(ColumnSet(dm.T_FrnSchl, "Item"), plates, "strike plates");
    subset(ColumnSet(dm.T_FrnDop, "CatalogID") + ColumnSet(dm.T_FrnDop, "AccessoryID"), articles, "accessories");
    subset(ColumnSet(dm.T_FrnAbd, "CatalogID") + ColumnSet(dm.T_FrnAbd, "AccessoryID"), articles, "colour accessories");
    subset(ColumnSet(dm.T_FrnAbd, "Color"), QSet<QString>(colors) << QString(), "accessory colours");
    subset(ColumnSet(dm.T_FrnItoI, "ID"), composite, "composite elements");
    subset(ColumnSet(dm.T_FrnItoI, "Item"), QSet<QString>(elements).subtract(composite).subtract(plates), "parts");
    subset(ColumnSet(dm.T_FrnProp, "ID"), properties, "property filter");
    subset(ColumnSet(dm.T_SysColor, "ID"), colors, "system colours");
    subset(ColumnSet(dm.T_SysColor, "System"), systems, "colour systems");
    subset(ColumnSet(dm.T_Catalog, "Currency"), ColumnSet(dm.T_Currency, "ID"), "currencies");
    subset(ColumnSet(dm.T_Catalog, "PriceGrp"), ColumnSet(dm.T_PriceGrp, "GroupID") << "0", "price groups");

    // Every element a set row names can be resolved: an article row or parts of its own.
    const QSet<QString> resolvable = ColumnSet(dm.T_FrnArt, "ID") + ColumnSet(dm.T_FrnItoI, "ID");
    subset(ColumnSet(dm.T_FrnSet, "Item"), resolvable, "unresolvable set elements");
    // Every main complect has one side rule per side, numbered from 1.
    for (dm.T_FrnSide.First(); !dm.T_FrnSide.Eof(); dm.T_FrnSide.Next()) {
        const int side = dm.T_FrnSide.FieldByName("Side")->AsInteger();
        EXPECT_TRUE(side >= 1 && side <= 4);
    }
    // The parameter codes lie in their hundreds: the four views show every row between them.
    TTable params(&dm.DB_Catalog, "ParamList.DB");
    params.Open();
    EXPECT_EQ(dm.T_FalzList.RecordCount() + dm.T_DornList.RecordCount() + dm.T_StulpList.RecordCount()
                  + dm.T_OpenList.RecordCount(),
              params.RecordCount());
    EXPECT_TRUE(ui.Shown.isEmpty());
}

TEST_F(GeneratedCatalog, TheSameSeedGivesTheSameCatalog)
{
    TCatalogGenParams p;
    const TCatalogGenStats again = GenerateCatalog(Dir->path() + "/b", p);
    EXPECT_EQ(again.Summary(), Stats.Summary());
    p.Seed = 2;
    GenerateCatalog(Dir->path() + "/c", p);

    auto content = [](const QString& dir, const QString& table) {
        TDatabase db(Alias::Catalog);
        db.SetDirectory(dir);
        db.RegisterTables(CatalogTableDefs());
        TTable t(&db, table);
        t.Open();
        QStringList rows;
        for (t.First(); !t.Eof(); t.Next()) {
            QStringList fields;
            for (int i = 0; i < t.FieldCount(); ++i)
                fields << t.Fields(i)->AsString();
            rows << fields.join('|');
        }
        return rows;
    };
    for (const char* table : {"FrnSet.DB", "FrnArt.DB", "Catalog.DB", "PriceGrp.DB"}) {
        const QStringList a = content(Dir->path() + "/a", table);
        EXPECT_EQ(a, content(Dir->path() + "/b", table)) << table;
        EXPECT_NE(a, content(Dir->path() + "/c", table)) << table;
    }
}
