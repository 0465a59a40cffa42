#include "TestSupport.h"
#include "config/CfgList.h"
#include "config/VXFSetupX.h"
#include "config/VXIniFile.h"
#include "db/VXDataModule.h"
#include "db/VXDemoCatalog.h"
#include "db/VXSchema.h"
#include "db/VXTableEngine.h"
#include "engine/VXFConstruction.h"
#include "engine/VXFFurn.h"
#include "engine/VXFService.h"
#include "foundation/VXError.h"
#include "foundation/VXUserInteraction.h"
#include "model/VXFOrder.h"
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace vx;

namespace {

QString ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EValtrixError& e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}

// A filter shown on a shared table for one scope.
class TFilterScope {
public:
    TFilterScope(TTable& table, const QString& filter) : Table(table)
    {
        Table.SetFilter(filter);
        Table.SetFiltered(true);
    }
    ~TFilterScope()
    {
        Table.SetFiltered(false);
        Table.SetFilter(QString());
    }

private:
    TTable& Table;
};

// Every value of a field over all rows of a table (filters off).
QStringList Column(TTable& t, const QString& field)
{
    QStringList out;
    TField* f = t.FieldByName(field);
    for (t.First(); !t.Eof(); t.Next())
        out << f->AsString();
    return out;
}

// ---------------------------------------------------------------------------------------------
// The demo catalog, created once for all tests of the suite, with a data module and settings
// installed and priced in roubles at the catalog's own rates.

class DemoCatalog : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Temp = std::make_unique<QTemporaryDir>();
        Dir = Temp->path() + QStringLiteral("/demo");
        CreateDemoCatalog(Dir);
        OpenUI = std::make_unique<TScriptedInteraction>();
        TScopedUI scoped(OpenUI.get());
        Module = std::make_unique<TDM>();
        Module->ConnectCatalog(Dir);
        Opened = Module->OpenCatalog();
        Settings = std::make_unique<TvxfSetup>(Temp->path() + QStringLiteral("/absent/VXFurniture.ini"));
        SetDM(Module.get());
        SetSetup(Settings.get());
        QList<TRateEntry> rates;
        LoadRates(rates);
        Settings->SetOrderContext(1, 20, rates);
    }

    static void TearDownTestSuite()
    {
        SetSetup(nullptr);
        SetDM(nullptr);
        Module.reset();
        Settings.reset();
        OpenUI.reset();
        Temp.reset();
    }

    TScriptedInteraction UIScript;
    TScopedUI Scoped{&UIScript};

    static TDM& Dm() { return *Module; }

    static inline std::unique_ptr<QTemporaryDir> Temp;
    static inline QString Dir;
    static inline std::unique_ptr<TScriptedInteraction> OpenUI;
    static inline std::unique_ptr<TDM> Module;
    static inline std::unique_ptr<TvxfSetup> Settings;
    static inline bool Opened = false;
};

// ---------------------------------------------------------------------------------------------
// Creation and the data files.

TEST_F(DemoCatalog, EveryTableOpensWithoutAMessageAndHoldsRows)
{
    EXPECT_TRUE(Opened);
    EXPECT_TRUE(Module->FailedTables().isEmpty()) << Module->FailedTables().join(' ').toStdString();
    EXPECT_TRUE(OpenUI->Shown.isEmpty()) << OpenUI->texts().join('\n').toStdString();
    for (TTable* t : Dm().CatalogTables()) {
        SCOPED_TRACE(t->TableName().toStdString());
        EXPECT_TRUE(t->Active());
        EXPECT_GT(t->RecordCount(), 0);
    }
    // One source file per catalog table, each embedded in the program.
    QStringList files;
    for (const QString& f : DemoCatalogFiles())
        files << QFileInfo(f).completeBaseName().toLower();
    QStringList tables;
    for (const TTableDef& def : CatalogTableDefs())
        tables << def.SqlName().toLower();
    files.sort();
    tables.sort();
    EXPECT_EQ(files, tables);
    EXPECT_GE(Dm().T_Catalog.RecordCount(), 250);
    EXPECT_EQ(Dm().T_StulpList.RecordCount(), 3);
}

TEST_F(DemoCatalog, CreatingOverAnExistingCatalogFailsAndKeepsIt)
{
    const QString message = ErrorOf([] { CreateDemoCatalog(Dir); });
    EXPECT_TRUE(message.startsWith(QStringLiteral("Ошибка создания демонстрационного каталога в [")))
        << message.toStdString();
    EXPECT_GT(Dm().T_Catalog.RecordCount(), 250);
}

TEST_F(DemoCatalog, SettingsGiveNewOrdersRoublesAndTheDemoDefaults)
{
    TIniFile ini(QDir(Dir).filePath(SettingsFileName));
    ASSERT_TRUE(ini.Load());
    EXPECT_EQ(ini.ReadInteger("Money", "CurCurrency"), 1);
    EXPECT_EQ(CurrencyName(ini.ReadInteger("Money", "CurCurrency")), QStringLiteral("руб."));
    EXPECT_EQ(ini.ReadString("Defaults", "DefFurnSys"), QStringLiteral("110"));
    EXPECT_EQ(ini.ReadString("Defaults", "DefProfSys"), QStringLiteral("V70"));
    EXPECT_EQ(ini.ReadString("Defaults", "DefHandle"), QStringLiteral("VK-HANDLE"));
    // The default codes lie in their lists.
    EXPECT_EQ(FalzName(ini.ReadInteger("Defaults", "DefFalzType")), QStringLiteral("12/20-13 (ПВХ, ось 13 мм)"));
    EXPECT_EQ(DornMass(ini.ReadInteger("Defaults", "DefDornType")), 15.0f);
    EXPECT_EQ(StulpTypeOf(ini.ReadInteger("Defaults", "DefStulpFalzType")), 6);
    EXPECT_EQ(OpenTypeOf(ini.ReadInteger("Defaults", "DefFlugelType")), 0);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("Defaults", "DefProfWidth"), 70);

    // A settings file of the user's own keeps its values; only missing keys are added.
    QTemporaryDir temp;
    TIniFile own(QDir(temp.path()).filePath(SettingsFileName));
    own.WriteInteger("Money", "CurCurrency", 3);
    own.Save();
    WriteDemoSettings(temp.path());
    TIniFile after(own.FileName());
    after.Load();
    EXPECT_EQ(after.ReadInteger("Money", "CurCurrency"), 3);
    EXPECT_EQ(after.ReadString("Defaults", "DefFurnSys"), QStringLiteral("110"));
}

TEST(DemoCatalogSql, LoadsTheInsertSubsetAndNamesEveryFault)
{
    QTemporaryDir temp;
    const QString dir = temp.path() + QStringLiteral("/cat");
    CreateEmptyDatabase(Alias::Catalog, dir);
    TDatabase db(Alias::Catalog);
    db.SetDirectory(dir);
    db.Open();
    EnsureSchema(db, Alias::Catalog);
    TCatalogSqlLoader loader(db);

    const int rows = loader.Load(QStringLiteral(
        "-- two set rows; the key is numbered\n"
        "/* a block\n comment */ insert into FRNSET (ID, Item, \"Number\", FFAMin, LenFormula) values\n"
        "  ('C', 'E1', -2, 12.5, 'FF\u041D - 1'), ('C', 'E2', 3, NULL, 'It''s');\n"
        "INSERT INTO FrnSet.DB (ID, Item, \"Key\") VALUES ('C', 'E0', 7);\n"
        "INSERT INTO FrnSet (ID, Item) VALUES ('C', 'E3');\n"),
        QStringLiteral("t.sql"));
    EXPECT_EQ(rows, 4);
    EXPECT_EQ(loader.TableRows().value(QStringLiteral("FrnSet.DB")), 4);
    TTable set(&db, QStringLiteral("FrnSet.DB"));
    set.Open();
    QStringList got;
    for (set.First(); !set.Eof(); set.Next())
        got << QStringLiteral("%1/%2/%3/%4/%5")
                   .arg(set.FieldByName("Item")->AsString(), set.FieldByName("Key")->AsString(),
                        set.FieldByName("Number")->AsString(), set.FieldByName("FFAMin")->AsString(),
                        set.FieldByName("LenFormula")->AsString());
    EXPECT_EQ(got, (QStringList{"E0/7///", "E1/1/-2/12,5/FF\u041D - 1", "E2/2/3//It's", "E3/8///"}));
    set.Close();

    const struct {
        const char* sql;
        QString message;
    } faults[] = {
        {"INSERT INTO Nope (ID) VALUES ('x');", "строка 1!\r\n(Таблица [Nope] не входит в каталог!)"},
        {"\n\nINSERT INTO COLORSET (Color, Foo) VALUES ('x', 1);",
         "строка 3!\r\n(Нет поля [Foo] в таблице [COLORSET.DB]!)"},
        {"INSERT INTO COLORSET (Color, color) VALUES ('x', 'y');", "(Поле [Color] названо дважды!)"},
        {"INSERT INTO COLORSET (Color) VALUES ('ABCDEFGHIJK');",
         "(Текст 'ABCDEFGHIJK' длиннее поля [Color] таблицы [COLORSET.DB] (10 символов)!)"},
        {"INSERT INTO COLORSET (Color) VALUES ('\u2713');",
         "(Текст '\u2713' содержит символы вне кодовой страницы Windows-1251!)"},
        {"INSERT INTO COLORSET (Color) VALUES (5);", "(Поле [Color] таблицы [COLORSET.DB] ждет текст в кавычках!)"},
        {"INSERT INTO FrnSide (ID, Side) VALUES ('C', '1');", "(Поле [Side] таблицы [FrnSide.DB] ждет число, а не текст!)"},
        {"INSERT INTO FrnSide (ID, Side) VALUES ('C', 40000);",
         "(Значение '40000' не подходит для поля [Side] таблицы [FrnSide.DB]!)"},
        {"INSERT INTO FrnSide (ID, Side) VALUES ('C');", "(Значений меньше, чем полей!)"},
        {"INSERT INTO FrnSide (ID) VALUES ('C', 1);", "(Значений больше, чем полей!)"},
        {"INSERT INTO FrnSide (ID, Side) VALUES ('C', 1)", "(Ожидается ';', а не 'конец текста'!)"},
        {"INSERT INTO COLORSET (Color) VALUES ('x);", "(Незакрытая кавычка в тексте!)"},
        {"UPDATE COLORSET SET Color = 'x';", "(Ожидается INSERT, а не 'UPDATE'!)"},
        {"INSERT INTO COLORSET (Color) VALUES ('K1'), ('K1');",
         "(Запись с таким ключом уже есть в таблице [COLORSET.DB]!)"},
    };
    for (const auto& f : faults) {
        SCOPED_TRACE(f.sql);
        const QString message = ErrorOf([&] { loader.Load(QString::fromUtf8(f.sql), QStringLiteral("bad.sql")); });
        EXPECT_TRUE(message.startsWith(QStringLiteral("Ошибка в данных каталога [bad.sql], строка "))) << message.toStdString();
        EXPECT_TRUE(message.endsWith(f.message)) << message.toStdString();
    }
}

// ---------------------------------------------------------------------------------------------
// Referential consistency.

TEST_F(DemoCatalog, EveryReferenceResolves)
{
    TDM& dm = Dm();
    const QStringList colorList = Column(dm.T_Color, "Color");
    const QSet<QString> colors(colorList.begin(), colorList.end());
    const QStringList articleList = Column(dm.T_Catalog, "ID");
    const QSet<QString> articles(articleList.begin(), articleList.end());
    const QStringList compList = Column(dm.T_FrnComp, "ID");
    const QSet<QString> comps(compList.begin(), compList.end());
    const QStringList itemList = Column(dm.T_FrnItem, "ID");
    const QSet<QString> items(itemList.begin(), itemList.end());
    const QStringList propList = Column(dm.T_SysProp, "ID");
    const QSet<QString> props(propList.begin(), propList.end());
    const QStringList propKeyList = Column(dm.T_FrnProp, "PropKey");
    const QSet<QString> propKeys(propKeyList.begin(), propKeyList.end());
    const QStringList profList = Column(dm.T_SysProf, "SchlSysID");
    const QSet<QString> profSystems(profList.begin(), profList.end());
    const QStringList sysList = Column(dm.T_SysList, "ID");
    const QSet<QString> systems(sysList.begin(), sysList.end());
    EXPECT_EQ(articles.size(), articleList.size());
    EXPECT_EQ(items.size(), itemList.size());

    QStringList bad;
    auto need = [&bad](bool ok, const QString& what) {
        if (!ok)
            bad << what;
    };
    auto each = [](TTable& t, const std::function<void(const std::function<QString(const char*)>&)>& check) {
        for (t.First(); !t.Eof(); t.Next())
            check([&t](const char* f) { return t.FieldByName(QLatin1String(f))->AsString(); });
    };
    auto propKeyOk = [&](const QString& k) { return k.isEmpty() || k == "0" || propKeys.contains(k); };
    QSet<QString> usedArticles, usedItems;

    each(dm.T_SysList, [&](auto v) { need(colors.contains(v("BaseColor")), "SysList " + v("ID")); });
    each(dm.T_SysColor, [&](auto v) {
        need(colors.contains(v("ID")) && systems.contains(v("System")) && articles.contains(v("Article")),
             "SysColor " + v("ID"));
        usedArticles << v("Article");
    });
    each(dm.T_SysProf, [&](auto v) { need(v("FurnSysID") == "100" || v("FurnSysID") == "200", "SysProf " + v("SchlSysID")); });
    each(dm.T_FrnProp, [&](auto v) { need(props.contains(v("ID")), "FrnProp " + v("PropKey") + "/" + v("ID")); });
    // The fittings dialog finds a chosen property value by its name.
    const QStringList valueNames = Column(dm.T_SysProp, "ValueName");
    need(QSet<QString>(valueNames.begin(), valueNames.end()).size() == valueNames.size(), "SysProp value names");
    each(dm.T_Catalog, [&](auto v) {
        need(dm.T_Currency.Locate("ID", v("Currency").toInt()), "Catalog currency " + v("ID"));
        need(dm.T_PriceGrp.Locate("GroupID", v("PriceGrp").toInt()), "Catalog price group " + v("ID"));
        need(v("FrontColor").isEmpty() || colors.contains(v("FrontColor")), "Catalog colour " + v("ID"));
        need(dm.T_Catalog.FieldByName("Price")->AsFloat() > 0, "Catalog price " + v("ID"));
    });
    each(dm.T_FrnComp, [&](auto v) {
        need(propKeyOk(v("PropKey")), "FrnComp PropKey " + v("ID"));
        need(v("SymmetricID").isEmpty() || comps.contains(v("SymmetricID")), "FrnComp SymmetricID " + v("ID"));
        need(v("MultiSysID").isEmpty() || comps.contains(v("MultiSysID")), "FrnComp MultiSysID " + v("ID"));
        need(dm.T_Material.Locate("ID", v("Material").toInt()) || v("Material").toInt() == 0, "FrnComp Material " + v("ID"));
        const int group = v("Group").toInt();
        if (group >= 10 && group <= 12) {
            TFilterScope sides(dm.T_FrnSide, QStringLiteral("ID='%1'").arg(v("ID")));
            need(dm.T_FrnSide.RecordCount() >= 3, "FrnComp without side rules " + v("ID"));
        }
    });
    each(dm.T_FrnSide, [&](auto v) { need(comps.contains(v("ID")), "FrnSide " + v("ID")); });
    each(dm.T_FrnSet, [&](auto v) {
        need(comps.contains(v("ID")) && items.contains(v("Item")), "FrnSet " + v("ID") + "/" + v("Item"));
        need(propKeyOk(v("PropKey")), "FrnSet PropKey " + v("ID") + "/" + v("Item"));
        need(v("UseIfArt").isEmpty() || articles.contains(v("UseIfArt")), "FrnSet UseIfArt " + v("ID"));
        usedItems << v("Item");
    });
    each(dm.T_FrnArt, [&](auto v) {
        need(items.contains(v("ID")) && articles.contains(v("CatalogID")), "FrnArt " + v("ID") + "/" + v("CatalogID"));
        need(v("ProfSys").isEmpty() || profSystems.contains(v("ProfSys")), "FrnArt ProfSys " + v("CatalogID"));
        need(v("Color").isEmpty() || colors.contains(v("Color")), "FrnArt Color " + v("CatalogID"));
        // The resolution tests profile width 100 (strike plates 0) and weight 0.
        need(v("ProfWidthMin").toInt() <= 0 && v("ProfWidthMax").toInt() >= 100 && v("WeightMin").toInt() <= 0
                 && v("WeightMax").toInt() >= 0,
             "FrnArt width/weight " + v("CatalogID"));
        usedArticles << v("CatalogID");
    });
    each(dm.T_FrnSchl, [&](auto v) {
        need(articles.contains(v("CatalogID")) && items.contains(v("Item")), "FrnSchl " + v("CatalogID") + "/" + v("Item"));
        need(v("ItemComplectID").isEmpty() || comps.contains(v("ItemComplectID")), "FrnSchl complect " + v("CatalogID"));
        need(propKeyOk(v("PropKey")), "FrnSchl PropKey " + v("CatalogID"));
        usedItems << v("Item");
    });
    each(dm.T_FrnDop, [&](auto v) {
        need(articles.contains(v("CatalogID")) && articles.contains(v("AccessoryID")), "FrnDop " + v("CatalogID"));
        need(v("ItemComplectID").isEmpty() || comps.contains(v("ItemComplectID")), "FrnDop complect " + v("CatalogID"));
        need(propKeyOk(v("PropKey")), "FrnDop PropKey " + v("CatalogID"));
        usedArticles << v("AccessoryID");
    });
    each(dm.T_FrnAbd, [&](auto v) {
        need(articles.contains(v("CatalogID")) && articles.contains(v("AccessoryID")), "FrnAbd " + v("CatalogID"));
        need(v("Color").isEmpty() || colors.contains(v("Color")), "FrnAbd Color " + v("CatalogID"));
        usedArticles << v("AccessoryID");
    });
    each(dm.T_FrnItoI, [&](auto v) {
        need(items.contains(v("ID")) && items.contains(v("Item")), "FrnItoI " + v("ID") + "/" + v("Item"));
        need(propKeyOk(v("PropKey")), "FrnItoI PropKey " + v("ID"));
        usedItems << v("Item");
    });
    // Every element is used and has articles of its own or parts; every article is reachable.
    each(dm.T_FrnItem, [&](auto v) {
        need(usedItems.contains(v("ID")), "FrnItem unused " + v("ID"));
        TFilterScope own(dm.T_FrnArt, QStringLiteral("ID='%1'").arg(v("ID")));
        const bool hasArticles = dm.T_FrnArt.RecordCount() > 0;
        TFilterScope parts(dm.T_FrnItoI, QStringLiteral("ID='%1'").arg(v("ID")));
        need(v("Virtual") == "1" ? dm.T_FrnItoI.RecordCount() > 0 && !hasArticles : hasArticles,
             "FrnItem articles " + v("ID"));
    });
    for (const QString& a : articles)
        need(usedArticles.contains(a), "Catalog unused " + a);
    EXPECT_TRUE(bad.isEmpty()) << bad.join('\n').toStdString();
}

// ---------------------------------------------------------------------------------------------
// Real windows priced end to end.

TShapeRecord Shape(uint8_t figure, int w, int h, double hx = 0, int hy = 0, float r = 0)
{
    TShapeRecord s;
    s.Figure = figure;
    s.Width = w;
    s.Height = h;
    s.HX = hx;
    s.HY = hy;
    s.Radius1 = s.Radius2 = r;
    return s;
}

// One sash's choice: complect, handle, hinges, lock, cylinder, closer, flush bolts, properties.
struct TSash {
    QString Complect, Handle, Hinge, Lock, Cylinder, Drive, Latch;
    QStringList Props;
    int Dorn = 201;
    QStringList Extra;

    TSash() = default;
    TSash(const QString& complect, const QString& handle = {}, const QString& hinge = {}, const QStringList& props = {})
        : Complect(complect), Handle(handle), Hinge(hinge), Props(props)
    {
    }
    TSash& Door(const QString& lock, const QString& cylinder, const QString& closer)
    {
        Lock = lock;
        Cylinder = cylinder;
        Drive = closer;
        return *this;
    }
    TSash& Bolts(const QString& flushBolts)
    {
        Latch = flushBolts;
        return *this;
    }
    TSash& WithDorn(int dorn)
    {
        Dorn = dorn;
        return *this;
    }
    TSash& WithExtra(const QStringList& extra)
    {
        Extra = extra;
        return *this;
    }

    TSashChoice Choice() const
    {
        TSashChoice c;
        c.Components = {Complect, Hinge, Handle, Lock, Cylinder, Drive, Latch};
        c.Props = Props;
        c.Dorn = Dorn;
        c.ExtraComplects = Extra;
        return c;
    }
};

struct TWindow {
    TShapeRecord Shape;
    QString FurnSys, ProfSys, Color;
    int Falz = 102, Stulp = 301, Open = 401;
    TSash Left, Right;
    uint8_t ObjType = 0;
    QString OuterColor = QStringLiteral("WHITE"), InnerColor = QStringLiteral("WHITE");
    float Thickness = 70;

    TWindow() = default;
    TWindow(const TShapeRecord& shape, const QString& furnSys, const QString& profSys, const QString& color, int falz,
            int stulp, int open, const TSash& left, const TSash& right = {})
        : Shape(shape), FurnSys(furnSys), ProfSys(profSys), Color(color), Falz(falz), Stulp(stulp), Open(open),
          Left(left), Right(right)
    {
    }
    TWindow& Colors(const QString& outer, const QString& inner)
    {
        OuterColor = outer;
        InnerColor = inner;
        return *this;
    }
    TWindow& AsDoor()
    {
        ObjType = 1;
        return *this;
    }
};

// "article*count", with "/length" for cut items, in the order of the sash's items.
QStringList Items(const TvxfFlugel& f)
{
    QStringList out;
    if (!f.FurnComp)
        return out;
    for (const auto& item : f.FurnComp->Items) {
        QString s = item->Article + QLatin1Char('*') + QString::number(item->Count);
        if (item->Length != 0)
            s += QLatin1Char('/') + QString::number(double(item->Length));
        out << s;
    }
    return out;
}

// A position of its own order, with fittings set as the window says.
struct TPricedWindow {
    TvxfOrder Order;
    TvxfConstruction Pos{&Order};

    explicit TPricedWindow(const TWindow& w)
    {
        Order.OuterProfColor = w.OuterColor;
        Order.InnerProfColor = w.InnerColor;
        Pos.ObjType = w.ObjType;
        Pos.BuildGeometry(w.Shape, w.Left.Dorn);
        Pos.RightFlugel->Dorn = w.Right.Dorn;
    }

    void Fit(const TWindow& w)
    {
        TFurnChoice c;
        c.Color = w.Color;
        c.Falz = w.Falz;
        c.StulpType = w.Stulp;
        c.OpenType = w.Open;
        c.ProfWidth = 70;
        c.Thickness = w.Thickness;
        c.Left = w.Left.Choice();
        c.Right = w.Right.Choice();
        Pos.SetFittings(w.FurnSys, w.ProfSys, c);
    }
};

// Every sash with a complect has items, each priced above zero, and the position costs their sum.
void ExpectPriced(const TvxfConstruction& pos)
{
    TMoney sum;
    for (const TvxfFlugel* f : {pos.LeftFlugel.get(), pos.RightFlugel.get()}) {
        if (!f->FurnComp)
            continue;
        EXPECT_FALSE(f->FurnComp->Items.empty());
        ASSERT_EQ(f->MatList.size(), f->FurnComp->Items.size());
        for (const auto& m : f->MatList) {
            EXPECT_GT(m->Price, TMoney()) << m->Article.toStdString();
            EXPECT_GT(m->Sum, TMoney()) << m->Article.toStdString();
            sum += m->Sum;
        }
    }
    EXPECT_GT(pos.Cost, TMoney());
    EXPECT_EQ(pos.Cost, sum);
}

TEST_F(DemoCatalog, EveryFigureIsPricedWithItsComplect)
{
    const QString vk = QStringLiteral("110"), av = QStringLiteral("210");
    const struct {
        const char* name;
        TWindow window;
        QStringList left, right;   // items that must be there
    } cases[] = {
        {"figure 0: tilt-turn, left hinges",
         TWindow(Shape(0, 1000, 1400), vk, "V70", "SILVER", 102, 301, 401,
                 TSash("VK-PO-L", "VK-HANDLE", "VK-HINGE", {"0=1051", "1=1011"}).WithExtra({"VK-X-OGR"}))
             .Colors("WHITE", "ANTHRACITE"),
         {"VK-1107-15*1", "VK-1201*2", "VK-1305-L*1", "VK-3002-V70*1", "VK-3012-V70*2", "VK-4003-S*1", "UN-6002*2",
          "VK-2001-L*1", "VK-2011-12*1", "VK-2103-U*1", "VK-2022-12-13*1", "VK-2153-U*1", "VK-1501*1",
          "VK-1502*1", "VK-1603-U*2", "VK-7001*1"},
         {}},
        {"figure 1: stulp, main sash on the right",
         TWindow(Shape(1, 1400, 1600, 700, 700), vk, "V58", "WHITE", 101, 302, 401, TSash("VK-ST-P12", {}, "VK-HINGE"),
                 TSash("VK-ST-M21", "VK-HANDLE", "VK-HINGE", {"0=1052", "1=1012"})),
         {"VK-1901-L*1", "VK-1903*2/600", "VK-1930-L*1", "VK-1911*1", "VK-1503*1", "VK-1912*1", "VK-1331-L*1"},
         {"VK-1110-15*1", "VK-3021-V58*1", "VK-1910*1", "VK-1403*1", "VK-3041-V58*1", "VK-4011-W*1", "VK-1501*1"}},
        {"figure 2: stulp, main sash on the left, flush bolts",
         TWindow(Shape(2, 1500, 1600, 750, 750), av, "A70", "BRONZE", 102, 303, 401,
                 TSash("AV-ST-M11", "AV-HANDLE", "AV-HINGE", {"0=1051", "0=1062", "1=1011", "2=1071"}),
                 TSash("AV-ST-P23", {}, "AV-HINGE", {"2=1072"}).Bolts("AV-FLUSH")),
         {"AV-3021-A70*1", "AV-1511*4", "AV-1512*1", "AV-4005-BR*1", "AV-2104-BR*1", "AV-2001-L*1"},
         {"AV-5001*2", "AV-5002*2/550", "AV-3061-A70*2", "AV-1911*1", "AV-1503*1", "AV-2004-R*1"}},
        {"figure 3: trapezoid, left side lower",
         TWindow(Shape(3, 1000, 1400, 800), vk, "V70", "BROWN", 102, 301, 401,
                 TSash("VK-TR3", "VK-HANDLE", "VK-HINGE", {"0=1051", "1=1011"})),
         {"VK-1107-15*1", "VK-1211*1", "VK-1412*1", "VK-1801-L*1", "VK-4002-B*1", "VK-2102-B*1"},
         {}},
        {"figure 4: trapezoid in wood, right side lower",
         TWindow(Shape(4, 1200, 1600, 700), av, "A68W", "GOLD", 103, 301, 401,
                 TSash("AV-TR4", "AV-HANDLE", "AV-HINGE", {"1=1013", "2=1071"}).WithDorn(203))
             .Colors("WHITE", "OAK"),
         {"AV-1112-35*1", "AV-1211*1", "AV-1413*1", "AV-1405*1", "AV-1802-R*1", "AV-4026-G*1", "AV-2012-4*1",
          "AV-2023-4-9*1", "AV-1603-OK*2"},
         {}},
        {"figure 5: triangle, vertical side on the right",
         TWindow(Shape(5, 1000, 1400), vk, "V70", "WHITE", 102, 301, 401, TSash("VK-TRI5", "VK-HANDLE", {}, {"1=1011"})),
         {"VK-1154-15*1", "VK-1811*2", "VK-1342*2", "VK-1221*1", "VK-4001-W*1"},
         {}},
        {"figure 6: low triangle, vertical side on the left, transom opener",
         TWindow(Shape(6, 1400, 800), av, "A70", "TITAN", 102, 301, 401,
                 TSash("AV-TRI6", "AV-HANDLE", {}, {"1=1013"}).WithExtra({"UN-X-FRAM"})),
         {"AV-1151-15*1", "AV-1811*3", "AV-1341*2", "AV-1222*1", "AV-1421*1", "AV-4024-T*1", "UN-8801-2*1", "UN-8802*1",
          "UN-8803*1/1200"},
         {}},
        {"figure 7: semicircular arch",
         TWindow(Shape(7, 1200, 1800, 600, 0, 600), vk, "V70", "WHITE", 102, 301, 401,
                 TSash("VK-ARCH-L", "VK-HANDLE", "VK-HINGE", {"0=1051", "1=1011"})),
         {"VK-1107-15*1", "VK-1232*2", "VK-1701*1/1585.2", "VK-3032-V70*1", "VK-1710*1"},
         {}},
        {"figure 7: segmental arch",
         TWindow(Shape(7, 1400, 1800, 350, 0, 875), av, "A70", "WHITE", 102, 301, 401,
                 TSash("AV-ARCH-R", "AV-HANDLE", "AV-HINGE", {"1=1012", "2=1072"})),
         {"AV-1232*2", "AV-1701*1/1360", "AV-3031-A70*1", "AV-4011-W*1", "AV-2004-R*1"},
         {}},
        {"entrance door with lock, cylinder and closer",
         TWindow(Shape(0, 1000, 2200), vk, "V70", "SILVER", 102, 301, 402,
                 TSash("DR-MAIN-L", "DR-HS92", "DR-HINGE", {"1=1024", "3=1032", "4=1042", "5=1082"})
                     .Door("DR-LKM", "DR-CYL", "DR-CLOSER"))
             .AsDoor()
             .Colors("BROWN", "WHITE"),
         {"DR-8204-BR*1", "DR-8103-U*4", "DR-8111*4", "DR-8014-2300*1", "DR-8602-L*1", "DR-8612*2", "DR-8312-35-35*1",
          "DR-8423-EN3-S*1", "DR-8451*1", "DR-8701*4", "DR-8703-B*2", "DR-8710*1/1040"},
         {}},
        {"door with a mortise lock and its face plate",
         TWindow(Shape(0, 900, 2050), av, "A70", "STEEL", 102, 301, 401,
                 TSash("DR-MAIN-R", "DR-HR85", "DR-HINGE", {"1=1025"}).Door("DR-LK85", "DR-CYL-SEC", {}))
             .AsDoor(),
         {"DR-8225-ST*1", "DR-8021*1", "DR-8022*1", "DR-8614*1", "DR-8322-35-35*1", "DR-8103-U*3", "DR-8701*3",
          "DR-8710*1/940"},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        UIScript.clear();
        TPricedWindow w(c.window);
        const QString error = ErrorOf([&] { w.Fit(c.window); });
        ASSERT_EQ(error, QStringLiteral("<no error>"));
        EXPECT_EQ(UIScript.count(TMessageKind::Choice), 0);
        const QStringList left = Items(*w.Pos.LeftFlugel), right = Items(*w.Pos.RightFlugel);
        for (const QString& item : c.left)
            EXPECT_TRUE(left.contains(item)) << item.toStdString() << " in " << left.join(' ').toStdString();
        for (const QString& item : c.right)
            EXPECT_TRUE(right.contains(item)) << item.toStdString() << " in " << right.join(' ').toStdString();
        ExpectPriced(w.Pos);
        EXPECT_TRUE(ComplectFitsSash(*w.Pos.LeftFlugel, c.window.Left.Complect));
        if (w.Pos.HasTwoFlugels()) {
            EXPECT_TRUE(ComplectFitsSash(*w.Pos.RightFlugel, c.window.Right.Complect));
        }
    }
}

// The shape a main complect is for, read from its code.
QString KindOf(const QString& complect)
{
    for (const char* kind : {"TRI5", "TRI6", "TR3", "TR4", "ARCH"})
        if (complect.contains(QLatin1Char('-') + QLatin1String(kind)))
            return QLatin1String(kind);
    return QStringLiteral("RECT");
}

// Main complects (groups 10 to 12) of the catalog.
QStringList MainComplects(TDM& dm)
{
    QStringList out;
    TTable& t = dm.T_FrnComp;
    for (t.First(); !t.Eof(); t.Next())
        if (const int g = t.FieldByName("Group")->AsInteger(); g >= 10 && g <= 12)
            out << t.FieldByName("ID")->AsString();
    return out;
}

TEST_F(DemoCatalog, SideRulesAdmitExactlyTheShapesOfTheirComplects)
{
    const QStringList complects = MainComplects(Dm());
    ASSERT_GE(complects.size(), 30);
    const struct {
        const char* name;
        TShapeRecord shape;
        QString kind;
    } shapes[] = {
        {"rectangle", Shape(0, 1000, 1900), "RECT"},
        {"stulp, layout 1", Shape(1, 1600, 1900, 800, 800), "RECT"},
        {"stulp, layout 0", Shape(2, 1600, 1900, 800, 800), "RECT"},
        {"trapezoid, left lower", Shape(3, 1000, 1400, 800), "TR3"},
        {"trapezoid, right lower", Shape(4, 1000, 1400, 800), "TR4"},
        {"triangle, vertical right", Shape(5, 1000, 1400), "TRI5"},
        {"triangle, vertical left", Shape(6, 1000, 1400), "TRI6"},
        {"semicircular arch", Shape(7, 1000, 1400, 500, 0, 500), "ARCH"},
        {"segmental arch", Shape(7, 1200, 1600, 300, 0, 750), "ARCH"},
    };
    for (const auto& s : shapes) {
        SCOPED_TRACE(s.name);
        TvxfOrder order;
        TvxfConstruction pos(&order);
        pos.BuildGeometry(s.shape, 201);
        QStringList expected;
        for (const QString& c : complects)
            if (KindOf(c) == s.kind)
                expected << c;
        for (const TvxfFlugel* f : {pos.LeftFlugel.get(), pos.RightFlugel.get()}) {
            if (!f->HasOutline())
                continue;
            QStringList fitting;
            for (const QString& c : complects)
                if (ComplectFitsSash(*f, c))
                    fitting << c;
            EXPECT_EQ(fitting, expected);
        }
    }
}

// The components, properties and codes a sample window of a system is given.
TWindow SampleOf(const QString& complect, const TShapeRecord& shape, int variant)
{
    TWindow w;
    w.Shape = shape;
    const bool door = complect.startsWith(QLatin1String("DR-"));
    const bool av = complect.startsWith(QLatin1String("AV-"));
    const QStringList colors = av ? QStringList{"WHITE", "BROWN", "SILVER", "TITAN", "BRONZE", "GOLD", "BLACK"}
                                  : QStringList{"WHITE", "BROWN", "SILVER", "GOLD"};
    const QStringList profiles = av ? QStringList{"A70", "A68W"} : QStringList{"V58", "V70"};
    const QList<int> rebates = av ? QList<int>{101, 102, 103} : QList<int>{101, 102};
    const QList<int> dorns = av ? QList<int>{201, 202, 203} : QList<int>{201, 202};
    const QStringList profileColors{"WHITE", "BROWN", "OAK", "ANTHRACITE"};
    w.FurnSys = av ? QStringLiteral("210") : QStringLiteral("110");
    w.ProfSys = profiles[variant % profiles.size()];
    w.Color = colors[variant % colors.size()];
    w.Falz = rebates[variant % rebates.size()];
    w.Open = 401 + variant % 2;
    w.InnerColor = profileColors[variant % profileColors.size()];
    w.OuterColor = profileColors[(variant + 1) % profileColors.size()];
    w.Left.Complect = complect;
    w.Left.Dorn = dorns[variant % dorns.size()];
    if (door) {
        w.ObjType = 1;
        w.Left.Handle = QStringLiteral("DR-HS92");
        w.Left.Hinge = QStringLiteral("DR-HINGE");
        w.Left.Lock = QStringLiteral("DR-LKM");
        w.Left.Cylinder = QStringLiteral("DR-CYL");
        w.Left.Drive = QStringLiteral("DR-CLOSER");
        w.Left.Props = QStringList{QStringLiteral("1=%1").arg(1021 + variant % 5), QStringLiteral("3=%1").arg(1031 + variant % 3),
                                   QStringLiteral("4=%1").arg(1041 + variant % 2), QStringLiteral("5=%1").arg(1081 + variant % 2)};
        w.Thickness = float(58 + variant % 3 * 12);
    } else {
        w.Left.Handle = av ? QStringLiteral("AV-HANDLE") : QStringLiteral("VK-HANDLE");
        if (!KindOf(complect).startsWith(QLatin1String("TRI")))
            w.Left.Hinge = av ? QStringLiteral("AV-HINGE") : QStringLiteral("VK-HINGE");
        w.Left.Props = QStringList{QStringLiteral("0=%1").arg(1051 + variant % 2), QStringLiteral("0=%1").arg(1061 + variant % 2),
                                   QStringLiteral("1=%1").arg(1011 + variant % 3), QStringLiteral("2=%1").arg(1071 + variant % 2)};
    }
    return w;
}

// Outlines over the whole range of the side rules of each shape kind.
QList<TShapeRecord> CandidateShapes(const QString& kind)
{
    QList<TShapeRecord> out;
    if (kind == QLatin1String("RECT")) {
        for (int w : {400, 605, 1000, 1005, 1200, 1600})
            for (int h : {400, 700, 1404, 1405, 1700, 2100, 2400})
                out << Shape(0, w, h);
    } else if (kind.startsWith(QLatin1String("TR")) && kind.size() == 3) {
        const uint8_t figure = kind == QLatin1String("TR3") ? 3 : 4;
        for (int w : {400, 1000, 1600})
            for (int h : {500, 1400, 2400})
                for (int hx : {400, h / 2, h - 150})
                    out << Shape(figure, w, h, hx);
    } else if (kind.startsWith(QLatin1String("TRI"))) {
        for (int w : {400, 1000, 2000})
            for (int h : {400, 1000, 2000})
                out << Shape(kind == QLatin1String("TRI5") ? 5 : 6, w, h);
    } else {
        for (int w : {400, 1000, 1600})
            for (int shoulder : {300, 1000, 2000}) {
                out << Shape(7, w, w / 2 + shoulder, w / 2, 0, float(w) / 2);
                const double rise = w / 6.0;
                out << Shape(7, w, int(rise) + shoulder, int(rise), 0, float((w * w / 4.0 + rise * rise) / (2 * rise)));
            }
    }
    return out;
}

TEST_F(DemoCatalog, EveryMainComplectResolvesOverTheRangeItsSidesAdmit)
{
    int variant = 0;
    for (const QString& complect : MainComplects(Dm())) {
        if (complect.contains(QLatin1String("-ST-P")))
            continue;   // passive stulp sashes: below, beside their main sash
        SCOPED_TRACE(complect.toStdString());
        int resolved = 0;
        for (const TShapeRecord& shape : CandidateShapes(KindOf(complect))) {
            const TWindow w = SampleOf(complect, shape, variant++);
            TPricedWindow p(w);
            if (!ComplectFitsSash(*p.Pos.LeftFlugel, complect))
                continue;
            SCOPED_TRACE(QStringLiteral("%1 x %2, HX %3, variant %4")
                             .arg(shape.Width).arg(shape.Height).arg(shape.HX).arg(variant - 1).toStdString());
            UIScript.clear();
            EXPECT_EQ(ErrorOf([&] { p.Fit(w); }), QStringLiteral("<no error>"));
            EXPECT_EQ(UIScript.count(TMessageKind::Choice), 0);
            ExpectPriced(p.Pos);
            ++resolved;
        }
        EXPECT_GE(resolved, 3);
    }
}

TEST_F(DemoCatalog, StulpWindowsResolveInBothLayouts)
{
    const struct {
        uint8_t figure;
        int stulp;
        QString main, passive;
    } pairs[] = {
        {1, 302, "VK-ST-M21", "VK-ST-P12"}, {2, 303, "VK-ST-M11", "VK-ST-P22"},
        {1, 302, "AV-ST-M21", "AV-ST-P12"}, {2, 303, "AV-ST-M11", "AV-ST-P22"},
        {1, 302, "AV-ST-M21", "AV-ST-P13"}, {2, 303, "AV-ST-M11", "AV-ST-P23"},
    };
    int variant = 0;
    for (const auto& pr : pairs)
        for (int sash : {400, 700, 1000})
            for (int h : {700, 1404, 1900, 2400}) {
                SCOPED_TRACE(QStringLiteral("%1 + %2, %3 x %4").arg(pr.main, pr.passive).arg(sash).arg(h).toStdString());
                TWindow w = SampleOf(pr.main, Shape(pr.figure, 2 * sash, h, sash, sash), variant++);
                w.Stulp = pr.stulp;
                TSash& passive = pr.figure == 1 ? w.Left : w.Right;
                TSash main = w.Left;
                passive = TSash(pr.passive, {}, main.Hinge, main.Props).WithDorn(main.Dorn);
                if (pr.passive.endsWith(QLatin1String("3")))
                    passive.Latch = pr.passive.left(2) + QStringLiteral("-FLUSH");
                if (pr.figure == 1)
                    w.Right = main;
                TPricedWindow p(w);
                UIScript.clear();
                EXPECT_EQ(ErrorOf([&] { p.Fit(w); }), QStringLiteral("<no error>"));
                EXPECT_EQ(UIScript.count(TMessageKind::Choice), 0);
                ExpectPriced(p.Pos);
                // The passive sash finds the stulp fixer of the main one.
                const QString fixer = pr.main.left(2) + QStringLiteral("-1911*1");
                EXPECT_TRUE(Items(pr.figure == 1 ? *p.Pos.LeftFlugel : *p.Pos.RightFlugel).contains(fixer));
            }
}

TEST_F(DemoCatalog, HandleHeightsComeFromTheDrives)
{
    const struct {
        TShapeRecord shape;
        QString complect;
        int side;
        int height;
    } cases[] = {
        {Shape(0, 1000, 1400), "VK-PO-L", 2, 550},       // drive for 1005-1404 mm sashes
        {Shape(0, 1000, 2000), "AV-PO-R", 0, 1000},      // balcony door drive
        {Shape(5, 1000, 1400), "VK-TRI5", 1, 700},       // tilt drive: middle of the vertical side
        {Shape(7, 1200, 1800, 600, 0, 600), "VK-ARCH-L", 2, 550},   // by the 1200 mm shoulder
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.complect.toStdString());
        TWindow w = SampleOf(c.complect, c.shape, 0);
        TPricedWindow p(w);
        p.Fit(w);
        EXPECT_EQ(p.Pos.LeftFlugel->HandledSide(), c.side);
        EXPECT_EQ(p.Pos.LeftFlugel->HandleHeight(), c.height);
    }
}

TEST_F(DemoCatalog, CatalogLimitsStopTheResolutionWithTheirMessages)
{
    const struct {
        const char* name;
        std::function<void(TWindow&)> edit;
        QString message;
    } cases[] = {
        {"wooden rebate with «Вектор» hinges", [](TWindow& w) { w.Falz = 103; },
         "Петли «Вектор» не предназначены для фальца деревянных окон!"},
        {"Dornmass 35 in «Вектор»", [](TWindow& w) { w.Left.Dorn = 203; },
         "Привод «Вектор» для такой высоты створки или Дорнмасса не выпускается!"},
        {"stulp complect on a T-shaped sash",
         [](TWindow& w) {
             w.Open = 403;
             w.Left.Complect = "VK-ST-M11";
         },
         "Не допускается установка комплекта [VK-ST-M11] на T-образную створку!"},
        {"T-shaped sash with a tilt-turn complect", [](TWindow& w) { w.Open = 403; }, "<no error>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TWindow w = SampleOf("VK-PO-L", Shape(0, 800, 1400), 0);
        w.Falz = 102;
        c.edit(w);
        TPricedWindow p(w);
        EXPECT_EQ(ErrorOf([&] { p.Fit(w); }), c.message);
    }
}

TEST_F(DemoCatalog, PricesAreConvertedToRoublesWithTheirPriceGroups)
{
    const struct {
        QString article;
        double roubles;
    } cases[] = {
        {"VK-1201", 135 * 0.95},                 // roubles, group 2: -5 %
        {"AV-4001-W", 4.38 * 98.5 * 0.875},      // euro, group 3: -12.5 %
        {"DR-8001", 38.5 * 91.25 * 1.1},         // dollars, group 4: +10 %
        {"UN-6001", 0.85 * 1.15},                // fasteners, group 5: +15 %
    };
    for (const auto& c : cases)
        EXPECT_NEAR(ArticlePrice(c.article).toDouble(), c.roubles, 0.0001) << c.article.toStdString();
}

} // namespace
