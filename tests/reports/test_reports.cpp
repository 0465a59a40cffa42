#include "TestSupport.h"
#include "config/CfgList.h"
#include "config/VXFSetupX.h"
#include "db/VXDataModule.h"
#include "db/VXDemoCatalog.h"
#include "engine/VXFConstruction.h"
#include "engine/VXFService.h"
#include "foundation/VXCodePage.h"
#include "foundation/VXCommonTools.h"
#include "foundation/VXError.h"
#include "foundation/VXExpression.h"
#include "foundation/VXUserInteraction.h"
#include "model/VXFOrder.h"
#include "model/VXFOrderSelection.h"
#include "reports/VXAmountInWords.h"
#include "reports/VXDemoReports.h"
#include "reports/VXFRDrawView.h"
#include "reports/VXReportData.h"
#include "reports/VXReportEngine.h"
#include "reports/VXReportList.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
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

TShapeRecord Shape(uint8_t figure, int width, int height, double hx = 0, int hy = 0)
{
    TShapeRecord s;
    s.Figure = figure;
    s.Width = width;
    s.Height = height;
    s.HX = hx;
    s.HY = hy;
    return s;
}

TSashChoice Sash(const QString& complect, const QString& handle, const QString& hinge, const QStringList& props)
{
    TSashChoice c;
    c.Components.Complect = complect;
    c.Components.Handle = handle;
    c.Components.Hinge = hinge;
    c.Props = props;
    c.Dorn = 201;
    return c;
}

// A position of the demo catalog's "Вектор" system, priced.
TvxfConstruction* AddPosition(TvxfOrder& order, const QString& posNo, const TShapeRecord& shape, int stulp,
                              const TSashChoice& left, const TSashChoice& right = {})
{
    auto p = std::make_unique<TvxfConstruction>(&order);
    p->PosNo = posNo;
    p->Name = QStringLiteral("Окно ") + posNo;
    p->Num = 2;
    p->BuildGeometry(shape, 201);
    p->RightFlugel->Dorn = 201;
    TFurnChoice c;
    c.Color = QStringLiteral("WHITE");
    c.Falz = 102;
    c.StulpType = stulp;
    c.OpenType = 401;
    c.ProfWidth = 70;
    c.Thickness = 70;
    c.Left = left;
    c.Right = right;
    p->SetFittings(QStringLiteral("110"), QStringLiteral("V70"), c);
    p->ExtraLines = QStringList{QStringLiteral("первая"), QStringLiteral("вторая")};
    TvxfConstruction* raw = p.get();
    order.AddPosition(std::move(p));
    return raw;
}

// The demo catalog with settings and run paths in a temporary directory, shared by the suite,
// and a small order: an inactive position, a one-sash window and a two-sash stulp window.
class Reports : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Temp = std::make_unique<QTemporaryDir>();
        const QString root = Temp->path();
        CreateDemoCatalog(root + QStringLiteral("/catalog"));
        OpenUI = std::make_unique<TScriptedInteraction>();
        TScopedUI scoped(OpenUI.get());
        Module = std::make_unique<TDM>();
        Module->ConnectCatalog(root + QStringLiteral("/catalog"));
        Module->OpenCatalog();
        Settings = std::make_unique<TvxfSetup>(root + QStringLiteral("/absent/VXFurniture.ini"));
        SetDM(Module.get());
        SetSetup(Settings.get());
        QList<TRateEntry> rates;
        LoadRates(rates);
        Settings->SetOrderContext(1, 20, rates);
        RunPaths().CatalogDir = root + QStringLiteral("/catalog");
        RunPaths().OrdersDir = root + QStringLiteral("/orders");
        RunPaths().ReportDir = root + QStringLiteral("/reports");
        QDir().mkpath(RunPaths().OrdersDir);
    }
    static void TearDownTestSuite()
    {
        DM_Report().ClearSource();
        RunPaths().Clear();
        SetSetup(nullptr);
        SetDM(nullptr);
        Module.reset();
        Settings.reset();
        OpenUI.reset();
        Temp.reset();
    }

    void SetUp() override
    {
        Order.OrderNo = QStringLiteral("З-7");
        Order.Customer = QStringLiteral("ООО «Окна»");
        Order.RegDate = TDateTime::FromDate(QDate(2026, 3, 4));
        Order.Currency = 1;
        Order.FurnSys = QStringLiteral("110");
        Order.FurnColor = QStringLiteral("SILVER");
        Order.ProfSys = QStringLiteral("V70");
        Order.NDSTax = 20;
        Order.TotalNDS = true;
        Order.PriceGrpNo = 3;
        TvxfConstruction* off = AddPosition(Order, QStringLiteral("000"), Shape(0, 900, 1200), 301,
                                            Sash("VK-P-L", "VK-HANDLE", "VK-HINGE", {"0=1051", "1=1011"}));
        off->Active = false;
        One = AddPosition(Order, QStringLiteral("001"), Shape(0, 1000, 1400), 301,
                          Sash("VK-PO-L", "VK-HANDLE", "VK-HINGE", {"0=1052", "1=1011"}));
        Two = AddPosition(Order, QStringLiteral("002"), Shape(1, 1400, 1600, 700, 700), 302,
                          Sash("VK-ST-P12", {}, "VK-HINGE", {}),
                          Sash("VK-ST-M21", "VK-HANDLE", "VK-HINGE", {"0=1052", "1=1012"}));
        ASSERT_TRUE(One->LeftFlugel->FurnComp);
        ASSERT_TRUE(Two->RightFlugel->FurnComp);
        UIScript.clear();
    }
    void TearDown() override
    {
        DM_Report().ClearSource();
        DM_Report().AttachReport(nullptr);
    }

    // The provider attached to an empty report over the source: expressions as templates write them.
    QString Eval(const QString& expression) { return ExprValueText(Report.Evaluate(expression)); }
    void Attach(TvxfOrder* order)
    {
        DM_Report().SetSource(order);
        DM_Report().AttachReport(&Report);
    }

    static inline std::unique_ptr<QTemporaryDir> Temp;
    static inline std::unique_ptr<TScriptedInteraction> OpenUI;
    static inline std::unique_ptr<TDM> Module;
    static inline std::unique_ptr<TvxfSetup> Settings;

    TScriptedInteraction UIScript;
    TScopedUI Scoped{&UIScript};
    TvxfOrder Order;
    TvxfConstruction* One = nullptr;
    TvxfConstruction* Two = nullptr;
    TfrReport Report;
};

// ---------------------------------------------------------------------------------------------
// The provider on an order

TEST_F(Reports, FirmAndOrderVariables)
{
    Settings->FirmName = QStringLiteral("Фирма");
    Settings->FirmZipCode = QStringLiteral("017");
    Settings->FirmPhone1.clear();
    Settings->FirmPhone2 = QStringLiteral("222-22-22");
    Settings->FirmFax = QStringLiteral("333-33-33");
    Settings->FirmINN = QStringLiteral("7701");
    Attach(&Order);
    const struct {
        const char* expr;
        const char* value;
    } cases[] = {
        {"_VXF_FIRMNAME", "Фирма"},
        {"_vxf_phones", "017 222-22-22,333-33-33"},
        {"_VXF_INN", "7701"},
        {"_ORDER_NO", "З-7"},
        {"_ORDER_CUSTOMER", "ООО «Окна»"},
        {"_ORDER_FURNSYS", "Фурнитура «Вектор» (ПВХ)"},
        {"_ORDER_PROFSYS", "ПВХ 70 мм, ось 13 мм"},
        {"_ORDER_CURRENCY", "руб."},
        {"_ORDER_PRICEGROUPNO", "3"},
        {"_ORDER_NDSTAX", "20"},
        {"_ORDER_GETTOTALNDS", "True"},
        // Without a current position the position variables are not answered.
        {"_POS_NO", ""},
        {"_MONEYBYWORD_RUS(123.45)", "Сто двадцать три рубля 45 копеек"},
        {"_MONEYBYWORD_RUS('много')", "Ноль рублей 00 копеек"},
        {"_MONEYBYWORD_RUS(1000 + 1)", "Одна тысяча один рубль 00 копеек"},
        {"_REPLACESTR('a-b-c', '-', '+')", "a+b+c"},
        {"_REPLACESTR('a-b-c', '-', '')", "abc"},
        {"_REPLACESTR('', '-', '+')", ""},
        {"_GETCATALOG_FIELDBYID('VK-1201', 'Unit')", "шт."},
        {"_GETCATALOG_FIELDBYID('NO-SUCH', 'Name')", "???"},
        {"_GETCATALOG_FIELDBYID('VK-1201', 'NoField')", "???"},
        {"_GETCATALOG_FIELDLISTBYID('VK-1201;UN-6001', 'Article; / ;Unit', ' | ')", "VK-1201/шт. | UN-6001/шт."},
        {"_GETCATALOG_FIELDLISTBYID('', 'Name', ' | ')", "???"},
        {"_GETFURNITEM_FIELDBYID('', 'Name')", "???"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Eval(QString::fromUtf8(c.expr)), QString::fromUtf8(c.value)) << c.expr;
    EXPECT_EQ(Report.Evaluate(QStringLiteral("_ORDER_DATE")).toDate(), QDate(2026, 3, 4));
    EXPECT_EQ(Eval(QStringLiteral("_GETCATALOG_FIELDBYID('VK-1201', 'Name')")), ArticleName(QStringLiteral("VK-1201")));
}

TEST_F(Reports, DatasetsWalkActivePositionsSashesAndItems)
{
    Attach(&Order);
    TDM_Report& p = DM_Report();
    p.frdOrderPosSpec.OnFirst();
    ASSERT_FALSE(p.frdOrderPosSpec.OnCheckEOF());
    EXPECT_EQ(Eval(QStringLiteral("_POS_NO")), QStringLiteral("001"));   // the inactive 000 is skipped
    EXPECT_EQ(Eval(QStringLiteral("_POS_NUMBER")), QStringLiteral("2"));
    EXPECT_EQ(Eval(QStringLiteral("_POS_NOTE")), QStringLiteral("первая\r\nвторая"));
    EXPECT_EQ(Eval(QStringLiteral("_POS_FURNSYS")), QStringLiteral("Фурнитура «Вектор» (ПВХ)"));

    // One sash: one complect row.
    auto complects = [&p, this] {
        QStringList rows;
        for (p.frdFrameFurnCompSpec.OnFirst(); !p.frdFrameFurnCompSpec.OnCheckEOF(); p.frdFrameFurnCompSpec.OnNext())
            rows << Eval(QStringLiteral("_CFCS_FALZSIZE_WIDTH + 'x' + _CFCS_FALZSIZE_HEIGHT"));
        return rows;
    };
    EXPECT_EQ(complects(), QStringList{QStringLiteral("1000x1400")});

    p.frdFrameFurnCompSpec.OnFirst();
    const TvxfFurnComp& comp = *One->LeftFlugel->FurnComp;
    QString printName;
    const bool printable = ComplectPrint(comp.Complect, printName);
    EXPECT_EQ(Eval(QStringLiteral("_CFCS_COMPLECTNAME")), printName);
    EXPECT_EQ(Report.Evaluate(QStringLiteral("_CFCS_PRINTABLE")).toBool(), printable);
    EXPECT_EQ(Eval(QStringLiteral("_CFCS_HANDLEHEIGHT")), QString::number(One->LeftFlugel->HandleHeight()));
    EXPECT_EQ(Eval(QStringLiteral("_CFCS_FURNSYS")), QStringLiteral("Фурнитура «Вектор» (ПВХ)"));
    EXPECT_EQ(Eval(QStringLiteral("_CFCS_ALLPROPERTY")), QStringLiteral("1052;1011"));
    // The walk of the items, with the catalog fields of each article.
    QStringList ids, expected;
    for (p.frdFurnCompItemSpec.OnFirst(); !p.frdFurnCompItemSpec.OnCheckEOF(); p.frdFurnCompItemSpec.OnNext()) {
        ids << Eval(QStringLiteral("_FCIS_INDEX + ':' + _FCIS_ID + ':' + _FCIS_COUNT"));
        EXPECT_EQ(Eval(QStringLiteral("_FCIS_NAME")), ArticleName(Eval(QStringLiteral("_FCIS_ID"))));
        EXPECT_FALSE(Eval(QStringLiteral("_FCIS_PARENTCOMPLECT_NAME")).isEmpty());
    }
    for (size_t i = 0; i < comp.Items.size(); ++i)
        expected << QStringLiteral("%1:%2:%3").arg(i).arg(comp.Items[i]->Article).arg(comp.Items[i]->Count);
    EXPECT_EQ(ids, expected);
    // Prior steps back.
    p.frdFurnCompItemSpec.OnPrior();
    EXPECT_EQ(Eval(QStringLiteral("_FCIS_INDEX")), QString::number(comp.Items.size() - 1));

    // Two sashes: left, then right.
    p.frdOrderPosSpec.OnNext();
    EXPECT_EQ(Eval(QStringLiteral("_POS_NO")), QStringLiteral("002"));
    int32_t lw, lh, rw, rh;
    Two->LeftFlugel->Size(lw, lh);
    Two->RightFlugel->Size(rw, rh);
    EXPECT_EQ(complects(), (QStringList{QStringLiteral("%1x%2").arg(lw).arg(lh), QStringLiteral("%1x%2").arg(rw).arg(rh)}));
    p.frdOrderPosSpec.OnNext();
    EXPECT_TRUE(p.frdOrderPosSpec.OnCheckEOF());

    // An item of a complect the catalog does not know fails the report with its message.
    p.frdOrderPosSpec.OnFirst();
    p.frdFrameFurnCompSpec.OnFirst();
    p.frdFurnCompItemSpec.OnFirst();
    const QString key = One->LeftFlugel->FurnComp->Items[0]->ComplectKey;
    One->LeftFlugel->FurnComp->Items[0]->ComplectKey = QStringLiteral("NO-SUCH");
    EXPECT_EQ(ErrorOf([this] { Report.Evaluate(QStringLiteral("_FCIS_PARENTCOMPLECT_NAME")); }),
              QStringLiteral("В БД комплектов фурнитур отсутствуют\r\nданные для комплекта [NO-SUCH]"));
    One->LeftFlugel->FurnComp->Items[0]->ComplectKey = key;
}

TEST_F(Reports, MaterialListIsCollectedSortedAndFailsForUnknownArticles)
{
    Attach(&Order);
    TDM_Report& p = DM_Report();
    Eval(QStringLiteral("_INIT_ORDERMATLIST('SORT_BY_NAME')"));
    ASSERT_TRUE(p.MaterialList());
    TMatList expected;
    Order.CollectMaterials(&expected);
    ASSERT_EQ(p.MaterialList()->size(), expected.size());
    QList<QByteArray> names;
    for (p.frdOrderMatList.OnFirst(); !p.frdOrderMatList.OnCheckEOF(); p.frdOrderMatList.OnNext()) {
        names << ToCp1251(Eval(QStringLiteral("_OMS_NAME")));
        EXPECT_EQ(Eval(QStringLiteral("_OMS_UNIT")), ArticleUnit(Eval(QStringLiteral("_OMS_ID"))));
        EXPECT_EQ(Eval(QStringLiteral("_OMS_ARTICLE")), ArticleField(Eval(QStringLiteral("_OMS_ID")), QStringLiteral("Article")).toString());
    }
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));

    // By article otherwise; the sum of the list is the order's.
    Eval(QStringLiteral("_INIT_ORDERMATLIST('')"));
    QStringList ids;
    double sum = 0;
    for (p.frdOrderMatList.OnFirst(); !p.frdOrderMatList.OnCheckEOF(); p.frdOrderMatList.OnNext()) {
        ids << Eval(QStringLiteral("_OMS_ID"));
        sum += Report.Evaluate(QStringLiteral("_OMS_COST")).toDouble();
    }
    QStringList sortedIds = ids;
    std::sort(sortedIds.begin(), sortedIds.end(), [](const QString& a, const QString& b) { return ToCp1251(a) < ToCp1251(b); });
    EXPECT_EQ(ids, sortedIds);
    EXPECT_NEAR(sum, Order.PositionsTotal().toDouble(), 0.01);

    // An article missing from the catalog: the name sort shows the failure and leaves the list
    // whole; reading its name fails the report.
    auto ghost = std::make_unique<TvxfMatListItem>();
    ghost->Article = QStringLiteral("GHOST-1");
    ghost->Quantity = 1;
    One->LeftFlugel->MatList.push_back(std::move(ghost));
    UIScript.clear();
    Eval(QStringLiteral("_INIT_ORDERMATLIST('SORT_BY_NAME')"));
    EXPECT_EQ(UIScript.count(TMessageKind::Error), 1);
    EXPECT_EQ(p.MaterialList()->size(), expected.size() + 1);
    for (const auto& m : *p.MaterialList())
        ASSERT_TRUE(m);
    for (p.frdOrderMatList.OnFirst(); !p.frdOrderMatList.OnCheckEOF(); p.frdOrderMatList.OnNext())
        if (Eval(QStringLiteral("_OMS_ID")) == QLatin1String("GHOST-1"))
            break;
    ASSERT_FALSE(p.frdOrderMatList.OnCheckEOF());
    EXPECT_EQ(ErrorOf([this] { Report.Evaluate(QStringLiteral("_OMS_NAME")); }),
              QStringLiteral("В каталоге отсутствуют данные для [GHOST-1]!\r\n(Поиск [Наименование] через [Код])"));
    EXPECT_EQ(ErrorOf([this] { Report.Evaluate(QStringLiteral("_OMS_UNIT")); }),
              QStringLiteral("В каталоге отсутствуют данные для [GHOST-1]!\r\n(Поиск [Ед.изм] через [Код])"));
    One->LeftFlugel->MatList.pop_back();
}

// ---------------------------------------------------------------------------------------------
// The provider on a selection, with an item whose order file is missing

TEST_F(Reports, SelectionRowsLoadTheirOrdersAndSurviveAMissingFile)
{
    const QString file = QDir(RunPaths().OrdersDir).filePath(QStringLiteral("Z7.vfo370"));
    ASSERT_TRUE(Order.SaveToFile(file));
    TvxfOrderSelection sel;
    sel.SelectionNo = QStringLiteral("В-1");
    sel.Name = QStringLiteral("Выборка");
    sel.Currency = 1;
    sel.Notes = QStringList{QStringLiteral("а"), QStringLiteral("б")};
    auto item = [&sel](const QString& orderNo, const QString& posNo, const QString& orderFile, bool active = true) {
        auto i = std::make_unique<TvxfOrderSelectionItem>();
        i->OrderNo = orderNo;
        i->PosNo = posNo;
        i->OrderFile = orderFile;
        i->Active = active;
        sel.AddItem(std::move(i));
    };
    const QString stored = StorePath(RunPaths().OrdersDir, file);
    ASSERT_TRUE(stored.startsWith(QLatin1Char('%')));
    item(QStringLiteral("З-7"), QStringLiteral("002"), stored);
    item(QStringLiteral("З-7"), QStringLiteral("001"), stored, false);
    item(QStringLiteral("З-9"), QStringLiteral("001"), QStringLiteral("%MISSING.VFO370"));

    DM_Report().SetSource(&sel);
    DM_Report().AttachReport(&Report);
    TDM_Report& p = DM_Report();
    EXPECT_EQ(Eval(QStringLiteral("_SEL_NO + '/' + _SEL_NAME + '/' + _SEL_CURRENCY")), QStringLiteral("В-1/Выборка/руб."));
    EXPECT_EQ(Eval(QStringLiteral("_SEL_NOTE")), QStringLiteral("а\r\nб"));
    EXPECT_EQ(Eval(QStringLiteral("_SEL_ORDERLIST")), QStringLiteral("З-7"));
    EXPECT_EQ(Eval(QStringLiteral("_ORDER_NO")), QString());
    EXPECT_EQ(Eval(QStringLiteral("_MONEYBYWORD_RUS(5)")), QString());

    p.frdSelPosSpec.OnFirst();
    EXPECT_EQ(Eval(QStringLiteral("_POS_ORDERNO + ':' + _POS_NO + ':' + _POS_NAME")), QStringLiteral("З-7:002:Окно 002"));
    p.frdFrameFurnCompSpec.OnFirst();
    EXPECT_FALSE(p.frdFrameFurnCompSpec.OnCheckEOF());
    TvxfConstruction* loaded = p.CurrentPosition();

    // The inactive item is skipped; the missing file leaves a row without a position.
    p.frdSelPosSpec.OnNext();
    ASSERT_FALSE(p.frdSelPosSpec.OnCheckEOF());
    EXPECT_EQ(Eval(QStringLiteral("_POS_ORDERNO")), QStringLiteral("З-9"));
    EXPECT_EQ(Eval(QStringLiteral("_POS_NAME")), QString());
    EXPECT_EQ(p.CurrentPosition(), nullptr);
    p.frdFrameFurnCompSpec.OnFirst();
    EXPECT_TRUE(p.frdFrameFurnCompSpec.OnCheckEOF());
    TvxfFRDrawView sketch;
    p.BeforePrint(sketch);
    EXPECT_TRUE(sketch.Bound);
    EXPECT_EQ(sketch.BoundData, nullptr);
    p.frdSelPosSpec.OnNext();
    EXPECT_TRUE(p.frdSelPosSpec.OnCheckEOF());
    // The order read for the first row is still there for the sketches bound to it.
    EXPECT_EQ(loaded->PosNo, QStringLiteral("002"));
    EXPECT_TRUE(UIScript.Shown.isEmpty()) << UIScript.texts().join('\n').toStdString();

    // The order's material list stays empty while a selection is printed; the selection's has
    // the included item's articles.
    Eval(QStringLiteral("_INIT_ORDERMATLIST('')"));
    ASSERT_TRUE(p.MaterialList());
    EXPECT_TRUE(p.MaterialList()->empty());
    Eval(QStringLiteral("_INIT_SELMATLIST('')"));
    TMatList two;
    Two->CollectMaterials(two);
    EXPECT_EQ(p.MaterialList()->size(), two.size());
}

// ---------------------------------------------------------------------------------------------
// The engine

// A dataset over a list of texts.
struct TListDataset {
    QStringList Rows;
    int Index = 0;
    TfrUserDataset Set;
    explicit TListDataset(const QStringList& rows) : Rows(rows)
    {
        Set.Name = QStringLiteral("rows");
        Set.OnFirst = [this] { Index = 0; };
        Set.OnNext = [this] { ++Index; };
        Set.OnCheckEOF = [this] { return Index >= Rows.size(); };
    }
};

const char* const TwoPageTemplate = R"(<report>
  <page width="100" height="80" left="5" top="5" right="5" bottom="5"/>
  <band type="ReportTitle" height="8"><memo x="0" y="0" w="90" h="8" size="12" bold="1">Перечень</memo></band>
  <band type="MasterHeader" height="5" repeat="1">
    <memo x="0" y="0" w="10" h="5" frame="all">№</memo>
    <memo x="10" y="0" w="60" h="5" frame="all">Текст</memo>
    <memo x="70" y="0" w="20" h="5" frame="all">Сумма</memo>
  </band>
  <band type="MasterData" dataset="rows" height="5">
    <memo x="0" y="0" w="10" h="5" frame="all" stretch="1">[LINE]</memo>
    <memo x="10" y="0" w="60" h="5" frame="all" stretch="1">[ROW]</memo>
    <memo x="70" y="0" w="20" h="5" frame="all" stretch="1" format="N2">[LINE * 10]</memo>
  </band>
  <band type="ReportSummary" height="6"><memo x="0" y="0" w="90" h="6">Итого [COUNT()] строк на [SUM([LINE * 10])]</memo></band>
  <band type="PageFooter" height="5"><memo x="0" y="0" w="90" h="5" align="right">Стр. [PAGE] из [TOTALPAGES]</memo></band>
</report>)";

TEST(ReportEngine, TwoPagesWithStretchedBandsInTheTextExport)
{
    const QString longText = QStringLiteral("длинный текст, который не помещается в одну строку ячейки и растягивает полосу");
    TListDataset data({QStringLiteral("первая"), longText, QStringLiteral("третья"), QStringLiteral("четвертая"),
                       QStringLiteral("пятая"), QStringLiteral("шестая"), QStringLiteral("седьмая"),
                       QStringLiteral("восьмая"), QStringLiteral("девятая"), QStringLiteral("десятая")});
    TfrReport report;
    report.LoadFromXml(QByteArray(TwoPageTemplate), QStringLiteral("two.vxr"));
    report.Datasets.insert(data.Set.Name, &data.Set);
    report.OnGetValue = [&data](const QString& name, QVariant& value) {
        if (name == QLatin1String("ROW"))
            value = data.Rows.value(data.Index);
    };
    report.PrepareReport();
    ASSERT_EQ(report.PageCount(), 2);

    // The stretched row: every cell of it grew to the same height, taller than the band.
    const TfrPreparedPage& first = report.PreparedPage(0);
    const TfrView* longCell = nullptr;
    for (const auto& o : first.Objects)
        if (o->PlainText() == longText)
            longCell = o.get();
    ASSERT_TRUE(longCell);
    EXPECT_GT(longCell->Rect.height(), 9.0);
    for (const auto& o : first.Objects)
        if (qAbs(o->Rect.top() - longCell->Rect.top()) < 0.01) {
            EXPECT_DOUBLE_EQ(o->Rect.height(), longCell->Rect.height()) << o->PlainText().toStdString();
        }

    const QStringList pages = report.ExportText().split(QStringLiteral("\n\f\n"));
    ASSERT_EQ(pages.size(), 2);
    // Columns of two millimetres a character from the page's edge: the margin is 5 mm.
    auto row = [](const QString& a, const QString& b, const QString& c) {
        return QStringLiteral("   ") + a.leftJustified(5) + b.leftJustified(30) + c + QLatin1Char('\n');
    };
    const QString header = row(QStringLiteral("№"), QStringLiteral("Текст"), QStringLiteral("Сумма"));
    EXPECT_TRUE(pages[0].startsWith(QStringLiteral("   Перечень\n") + header)) << pages[0].toStdString();
    EXPECT_TRUE(pages[0].contains(row(QStringLiteral("1"), QStringLiteral("первая"), QStringLiteral("10,00"))));
    EXPECT_TRUE(pages[0].contains(row(QStringLiteral("9"), QStringLiteral("девятая"), QStringLiteral("90,00"))));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Стр. 1 из 2")));
    EXPECT_FALSE(pages[0].contains(QStringLiteral("десятая")));
    // The header is repeated on the new page; the summary adds up every row.
    EXPECT_TRUE(pages[1].startsWith(header + row(QStringLiteral("10"), QStringLiteral("десятая"), QStringLiteral("100,00"))))
        << pages[1].toStdString();
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Итого 10 строк на 550")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Стр. 2 из 2")));

    // CSV and HTML carry the same cells.
    EXPECT_TRUE(report.ExportCsv().contains(QStringLiteral("10;десятая;100,00\r\n")));
    EXPECT_TRUE(report.ExportHtml().contains(QStringLiteral("<td>десятая</td>")));

    // Page images: the first page under the name given, the next one beside it.
    QTemporaryDir dir;
    for (const char* ext : {"png", "tif"}) {
        const QString name = dir.filePath(QStringLiteral("list.") + QLatin1String(ext));
        report.ExportToFile(name);
        QFile second(dir.filePath(QStringLiteral("list_2.") + QLatin1String(ext)));
        ASSERT_TRUE(second.open(QIODevice::ReadOnly)) << ext;
        EXPECT_TRUE(second.read(4) == (qstrcmp(ext, "png") == 0 ? QByteArray("\x89PNG") : QByteArray("II*\0", 4))) << ext;
    }
    EXPECT_TRUE(ErrorOf([&] { report.ExportToFile(dir.filePath(QStringLiteral("list.doc"))); })
                    .startsWith(QStringLiteral("Неизвестный формат файла")));
}

TEST(ReportEngine, TemplateFaultsNameTheFile)
{
    TfrReport report;
    const QString message = ErrorOf([&report] {
        report.LoadFromXml("<report><band type=\"Nonsense\"/></report>", QStringLiteral("bad.vxr"));
    });
    EXPECT_TRUE(message.startsWith(QStringLiteral("Ошибка загрузки шаблона отчета [bad.vxr]!\r\n("))) << message.toStdString();
    EXPECT_TRUE(ErrorOf([&report] { report.LoadFromXml("<report><memo/></report>", QStringLiteral("b.vxr")); })
                    .contains(QStringLiteral("вне полосы")));
    // A missing dataset fails the build by name.
    report.LoadFromXml("<report><band type=\"MasterData\" dataset=\"nowhere\"/></report>", QStringLiteral("c.vxr"));
    EXPECT_EQ(ErrorOf([&report] { report.PrepareReport(); }), QStringLiteral("Набор данных [nowhere] не найден!"));
}

// Pixels of the image that are mostly red, and that are dark.
std::pair<int, int> RedAndDark(const QImage& image, const QRect& area)
{
    int red = 0, dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 150 && c.green() < 100 && c.blue() < 100)
                ++red;
            else if (c.red() < 100 && c.green() < 100 && c.blue() < 100)
                ++dark;
        }
    return {red, dark};
}

QImage DrawSketch(const TvxfFRDrawView& view)
{
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    view.Draw(painter, 4, 4, QPointF(0, 0));   // 4 pixels per millimetre
    return image;
}

TEST_F(Reports, SketchObjectBoundAndUnbound)
{
    TvxfFRDrawView view;
    view.Rect = QRectF(5, 5, 80, 60);
    view.Frame = frAll;
    const QRect inside(30, 30, 300, 220);   // within the frame

    // Unbound (a template being designed): the red placeholder in the middle.
    const auto [unboundRed, unboundDark] = RedAndDark(DrawSketch(view), inside);
    EXPECT_GT(unboundRed, 50);

    // Bound to a position: the construction with its dimension rows, no placeholder.
    DM_Report().SetSource(&Order);
    DM_Report().frdOrderPosSpec.OnFirst();
    TvxfFRDrawView bound = view;
    DM_Report().BeforePrint(bound);
    ASSERT_TRUE(bound.Bound);
    EXPECT_EQ(bound.BoundData, One);
    const auto [boundRed, boundDark] = RedAndDark(DrawSketch(bound), inside);
    EXPECT_EQ(boundRed, 0);
    EXPECT_GT(boundDark, 500);

    // Bound without a position: blank inside its frame.
    DM_Report().ClearSource();
    TvxfFRDrawView empty = view;
    DM_Report().BeforePrint(empty);
    ASSERT_TRUE(empty.Bound);
    const QImage blank = DrawSketch(empty);
    EXPECT_EQ(RedAndDark(blank, inside), std::make_pair(0, 0));
    EXPECT_GT(RedAndDark(blank, QRect(18, 18, 4, 200)).second, 100);   // the left frame line
}

// ---------------------------------------------------------------------------------------------
// Templates, the report register and PDF

// Records what the report list asks the printer side for.
struct TRecordingOutput : TReportOutput {
    QStringList Calls;
    void SelectPrinter(int index) override { Calls << QStringLiteral("printer %1").arg(index); }
    void Preview(TfrReport& report) override
    {
        report.PrepareReport();
        Calls << QStringLiteral("preview %1").arg(report.PageCount());
    }
    void Print(TfrReport& report, int copies) override
    {
        Calls << QStringLiteral("print %1 x%2 %3").arg(report.PageCount()).arg(copies).arg(QFileInfo(report.FileName).fileName());
    }
};

TEST_F(Reports, DemoTemplatesAreRegisteredAndPrintTheOrder)
{
    InstallDemoReports(RunPaths().ReportDir);
    InstallDemoReports(RunPaths().ReportDir);   // a second installation adds no rows
    Module->ConnectReport(RunPaths().ReportDir);
    const QList<TReportRow> orderRows = ReadReportList(OrderReportKind, false);
    const QList<TReportRow> selRows = ReadReportList(SelectionReportKind, true);
    ASSERT_EQ(orderRows.size(), 3);
    ASSERT_EQ(selRows.size(), 2);
    EXPECT_EQ(orderRows[0].Name, QStringLiteral("Спецификация заказа"));
    EXPECT_EQ(orderRows[0].FileName, QStringLiteral("%ORDER_SPEC.VXR"));

    // The firm's logo, a picture file named in the settings relative to the catalog directory.
    QImage logo(40, 20, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    ASSERT_TRUE(logo.save(QDir(RunPaths().CatalogDir).filePath(QStringLiteral("logo.png"))));
    Settings->ReportLogo = QStringLiteral("logo.png");

    // Every order template builds for the order; the invoice ends with the total in words.
    for (const TReportRow& row : orderRows) {
        SCOPED_TRACE(row.Name.toStdString());
        TfrReport report;
        BuildReport(report, ResolvePath(ReportFilePath(row.FileName)), TReportDocument{&Order, nullptr});
        EXPECT_GE(report.PageCount(), 1);
        const QString text = report.ExportText();
        DM_Report().ClearSource();
        EXPECT_TRUE(text.contains(QStringLiteral("З-7")));
        if (row.FileName.contains(QStringLiteral("INVOICE"))) {
            const TMoney gross = Order.GrossTotal();
            EXPECT_TRUE(text.contains(QStringLiteral("Сумма прописью: ") + AmountInWords(CurrencyWordForms(1), gross)))
                << text.toStdString();
            const TfrPictureView* picture = nullptr;
            for (const auto& o : report.PreparedPage(0).Objects)
                if (o->Name == QLatin1String("LogoPicture"))
                    picture = dynamic_cast<const TfrPictureView*>(o.get());
            ASSERT_TRUE(picture);
            EXPECT_EQ(picture->Picture.size(), QSize(40, 20));
        }
    }
    EXPECT_TRUE(UIScript.Shown.isEmpty()) << UIScript.texts().join('\n').toStdString();
    Settings->ReportLogo.clear();

    // Print and preview go to the printer side; the provider is cleared afterwards.
    TRecordingOutput output;
    TReportRow spec = orderRows[0];
    spec.Copies = 3;
    EXPECT_TRUE(RunReport(spec, TReportDocument{&Order, nullptr}, TReportAction::Print, output, 2));
    EXPECT_TRUE(RunReport(spec, TReportDocument{&Order, nullptr}, TReportAction::Preview, output, 0));
    ASSERT_EQ(output.Calls.size(), 4);
    EXPECT_EQ(output.Calls[0], QStringLiteral("printer 2"));
    EXPECT_TRUE(output.Calls[1].startsWith(QStringLiteral("print "))) << output.Calls[1].toStdString();
    EXPECT_TRUE(output.Calls[1].endsWith(QStringLiteral(" x3 order_spec.vxr"))) << output.Calls[1].toStdString();
    EXPECT_EQ(DM_Report().SourceOrder(), nullptr);

    // A missing file: an error for one template; for the group a question, and "Остановить"
    // ends the walk.
    TReportRow missing = spec;
    missing.FileName = QStringLiteral("%GONE.VXR");
    missing.Default = 1;
    UIScript.clear();
    EXPECT_FALSE(RunReport(missing, TReportDocument{&Order, nullptr}, TReportAction::Preview, output, 0));
    ASSERT_EQ(UIScript.count(TMessageKind::Error), 1);
    EXPECT_EQ(UIScript.Shown[0].Text, QStringLiteral("Невозможно найти файл отчета!\r\nФайл: %1.")
                                          .arg(ExpandPath(RunPaths().ReportDir, QStringLiteral("%GONE.VXR"))));
    output.Calls.clear();
    UIScript.clear();
    UIScript.TwoButtonAnswers = {1};   // "Продолжить"
    QList<TReportRow> group{missing, orderRows[1], orderRows[2]};
    group[1].Default = 0;
    group[2].Default = 1;
    PrintReportGroup(group, TReportDocument{&Order, nullptr}, output, 0);
    EXPECT_EQ(UIScript.count(TMessageKind::TwoButtons), 1);
    ASSERT_EQ(output.Calls.size(), 2);
    EXPECT_TRUE(output.Calls[1].endsWith(QStringLiteral("order_invoice.vxr")));
    output.Calls.clear();
    UIScript.TwoButtonAnswers = {2};   // "Остановить"
    PrintReportGroup(group, TReportDocument{&Order, nullptr}, output, 0);
    EXPECT_TRUE(output.Calls.isEmpty());
}

TEST_F(Reports, PdfHoldsCyrillicText)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    InstallDemoReports(RunPaths().ReportDir);
    TfrReport report;
    BuildReport(report, ResolvePath(ReportFilePath(QStringLiteral("%ORDER_SPEC.VXR"))), TReportDocument{&Order, nullptr});
    const QString pdf = QDir(Temp->path()).filePath(QStringLiteral("spec.pdf"));
    report.ExportToFile(pdf);
    DM_Report().ClearSource();
    QProcess process;
    process.start(pdftotext, {pdf, QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("Спецификация заказа № З-7 от 04.03.2026"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("ООО «Окна»")));
    EXPECT_TRUE(text.contains(ArticleName(One->LeftFlugel->FurnComp->Items[0]->Article)));
}

} // namespace
